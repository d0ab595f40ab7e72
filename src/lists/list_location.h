#pragma once

#include <QString>

// Where the list files live, chosen once at start.
//
// Beside the program, as they always were, when its directory can be written:
// a build tree, or a copy the user unpacked. An installed program (one whose
// directory is a `bin` with Pellorin's `share/pellorin` beside it, such as
// /usr/bin) keeps them in the user's configuration directory instead,
// $XDG_CONFIG_HOME/pellorin (~/.config/pellorin), as it does when its own
// directory cannot be written. The first save there creates that directory.
namespace ListLocation {

QString choose(const QString& programDir);
// $XDG_CONFIG_HOME/pellorin.
QString userDirectory();

} // namespace ListLocation
