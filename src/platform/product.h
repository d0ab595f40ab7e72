#pragma once

#include <QString>

// What the program's version information records about it.
namespace Product {
inline const QString name = QStringLiteral("Pellorin");
inline const QString caption = QStringLiteral("Pellorin v0.2b");
inline const QString fileVersion = QStringLiteral("0.0.0.2");
inline const QString homePage = QStringLiteral("https://pellorin.example/");
inline const QString trayTip = QStringLiteral("Pellorin - The Auto Answer Tool");
} // namespace Product
