#include "if_checker.h"

#include <QFile>
#include <QFileInfo>

namespace ifoChecker {

bool FileExists(QString path) {
    if (path.isEmpty())
        return false;
    // Opening a pipe for reading would block until someone writes to it, so
    // anything that is not a regular file is not opened at all.
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    file.close();
    return true;
}

} // namespace ifoChecker
