#pragma once

#include <QString>

// The program's texts that name the calling client, such as "&Attach to Skype",
// are written once, for the desktop API's client. With another client they name
// that one instead: one rule, here.
namespace ClientTexts {

// The name the texts give the desktop API's client.
inline const QString DesktopApiName = QStringLiteral("Skype");

// `text` naming the client `clientName`: unchanged for the desktop API's client.
QString named(const QString& text, const QString& clientName);

} // namespace ClientTexts
