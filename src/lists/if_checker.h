#pragma once

#include <QString>

// The file-existence check the list files use.
namespace ifoChecker {

// True when `path` names a file that exists and can be opened for reading. Never
// fails: whatever goes wrong counts as "does not exist". Only regular files (or
// links to them) count, so a directory or a pipe at the path is never opened.
bool FileExists(QString path);

} // namespace ifoChecker
