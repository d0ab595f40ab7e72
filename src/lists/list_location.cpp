#include "list_location.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace ListLocation {

namespace {

bool isInstalled(const QString& programDir) {
    const QDir dir(programDir);
    return dir.dirName() == QLatin1String("bin") &&
           QFileInfo(dir.filePath(QStringLiteral("../share/pellorin"))).isDir();
}

} // namespace

QString userDirectory() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/pellorin");
}

QString choose(const QString& programDir) {
    const QFileInfo dir(programDir);
    if (dir.isDir() && dir.isWritable() && !isInstalled(programDir))
        return programDir;
    return userDirectory();
}

} // namespace ListLocation
