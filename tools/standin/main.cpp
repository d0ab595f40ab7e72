#include "contact_book.h"
#include "standin_bus.h"
#include "standin_engine.h"
#include "standin_window.h"

#include <QApplication>
#include <QDBusConnection>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {

constexpr auto usage =
    "usage: pellorin-standin [--contacts FILE] [--authorize allow|ask|refuse] [--no-window]\n";

struct Options {
    QString contacts;
    QString authorize = QStringLiteral("allow");
    bool window = true;
};

[[noreturn]] void fail(const QString& why, bool showUsage = true) {
    std::fprintf(stderr, "pellorin-standin: %s\n%s", qPrintable(why), showUsage ? usage : "");
    std::exit(2);
}

Options parse(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const auto value = [&](const QString& name) {
            if (arg.startsWith(name + QLatin1Char('=')))
                return arg.mid(name.size() + 1);
            if (i + 1 >= argc)
                fail(QStringLiteral("%1 needs a value").arg(name));
            return QString::fromLocal8Bit(argv[++i]);
        };
        if (arg == QLatin1String("--no-window")) {
            options.window = false;
        } else if (arg == QLatin1String("--contacts") ||
                   arg.startsWith(QLatin1String("--contacts="))) {
            options.contacts = value(QStringLiteral("--contacts"));
        } else if (arg == QLatin1String("--authorize") ||
                   arg.startsWith(QLatin1String("--authorize="))) {
            options.authorize = value(QStringLiteral("--authorize"));
            if (!StandInEngine::authorizationFrom(options.authorize))
                fail(QStringLiteral("--authorize is allow, ask or refuse, not \"%1\"")
                         .arg(options.authorize));
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::fputs(usage, stdout);
            std::exit(0);
        } else {
            fail(QStringLiteral("unknown argument \"%1\"").arg(arg));
        }
    }
    return options;
}

// The demo contacts: beside the program, where an installed program's data lies,
// else in the source tree it was built from.
QString demoContacts() {
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {dir + QStringLiteral("/demo_contacts.txt"),
                                     dir + QStringLiteral("/../share/pellorin/demo_contacts.txt")})
        if (QFileInfo::exists(candidate))
            return candidate;
    return QStringLiteral(PELLORIN_STANDIN_DEMO_CONTACTS);
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parse(argc, argv);
    std::unique_ptr<QCoreApplication> app;
    if (options.window)
        app = std::make_unique<QApplication>(argc, argv);
    else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pellorin-standin"));

    QString error;
    auto contacts =
        ContactBook::load(options.contacts.isEmpty() ? demoContacts() : options.contacts, &error);
    if (!contacts)
        fail(error, false);

    StandInEngine engine(std::move(*contacts));
    engine.setAuthorization(*StandInEngine::authorizationFrom(options.authorize));
    StandInBus bus(engine, QDBusConnection::sessionBus());
    if (!bus.start(&error)) {
        std::fprintf(stderr, "pellorin-standin: %s\n", qPrintable(error));
        return 1;
    }
    QObject::connect(&bus, &StandInBus::quitRequested, app.get(), &QCoreApplication::quit);

    std::unique_ptr<StandInWindow> window;
    if (options.window) {
        window = std::make_unique<StandInWindow>(engine);
        window->show();
    }
    return app->exec();
}
