// Kills a process that saves a full list over and over, at random moments, and
// counts the temporary files that the killed saves leave beside the list: right
// after the kills, and after one more save and one more load.
//
//   save_kills [--kills N]      (500 by default)
//   save_kills --saver FOLDER   the saving process itself: saves until killed
#include "lists/list_file.h"
#include "platform/list_box.h"
#include "silent_messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstring>

namespace {

QStringList handles() {
    QStringList entries;
    for (int i = 0; i < ListFile::MaxEntries; ++i)
        entries << QStringLiteral("live:caller.%1").arg(i);
    return entries;
}

[[noreturn]] void saveForever(const QString& folder) {
    const QString path = ListFile::path(folder, ListFile::CallsFileName);
    const QStringList entries = handles();
    ListFile::write(path, entries);
    std::printf("saving\n");
    std::fflush(stdout);
    for (;;)
        ListFile::write(path, entries);
}

// Files beside the list whose names begin with the list's name and a dot.
QStringList strays(const QString& folder) {
    return QDir(folder).entryList({ListFile::CallsFileName + QStringLiteral(".*")},
                                  QDir::Files | QDir::Hidden);
}

int strayFiles(const QString& folder) {
    return int(strays(folder).size());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--saver"))
        saveForever(arguments[2]);
    int kills = 500;
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--kills"))
        kills = arguments[2].toInt();
    else if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: save_kills [--kills N]\n");
        return 2;
    }

    QTemporaryDir dir;
    int leftBehind = 0; // kills after which a new temporary file lay beside the list
    for (int i = 0; i < kills; ++i) {
        const int before = strayFiles(dir.path());
        QProcess saver;
        saver.start(app.applicationFilePath(), {QStringLiteral("--saver"), dir.path()});
        if (!saver.waitForReadyRead(30000)) {
            std::fprintf(stderr, "save_kills: the saving process did not start\n");
            return 1;
        }
        // A save takes some milliseconds; kill anywhere in the next few.
        QThread::usleep(QRandomGenerator::global()->bounded(30000));
        saver.kill();
        saver.waitForFinished(30000);
        if (strayFiles(dir.path()) > before)
            ++leftBehind;
    }
    const QString path = ListFile::path(dir.path(), ListFile::CallsFileName);
    const int afterKills = strayFiles(dir.path());
    if (afterKills > 0)
        std::printf("Left behind: %s\n", qPrintable(strays(dir.path()).join(QLatin1Char(' '))));
    ListFile::write(path, handles());
    const int afterSave = strayFiles(dir.path());
    SilentMessages messages;
    ListBox list;
    ListFile::readInto(list, path, messages);
    std::printf("%d kills mid-save; %d of them left a temporary file behind.\n", kills, leftBehind);
    std::printf("Stray files beside the list: %d after the kills, %d after the next save, "
                "%d after a load.\n",
                afterKills, afterSave, strayFiles(dir.path()));
    return 0;
}
