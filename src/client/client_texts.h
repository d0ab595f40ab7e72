#pragma once

#include <QString>

// The program's texts that name the calling client, such as "&Attach to Skype",
// are translated with a place for the name ("&Attach to %1") and get the name of
// the client in use put in; no translation writes a client's name.
namespace ClientTexts {

// The name the texts give the desktop API's client.
inline const QString DesktopApiName = QStringLiteral("Skype");

} // namespace ClientTexts
