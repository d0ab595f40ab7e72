#pragma once

#include <QCoreApplication>
#include <QString>

// What the program's version information records about it.
namespace Product {
inline const QString name = QStringLiteral("Pellorin");
inline const QString caption = QStringLiteral("Pellorin v0.2b");
inline const QString fileVersion = QStringLiteral("0.0.0.2");
inline const QString homePage = QStringLiteral("https://pellorin.example/");
// In the user's language: QCoreApplication::translate("Product", trayTip).
inline constexpr const char* trayTip =
    QT_TRANSLATE_NOOP("Product", "Pellorin - The Auto Answer Tool");
} // namespace Product
