#include "caller_address.h"

#include "client/link_error.h"

#include <QCoreApplication>

namespace CallerAddress {

QString withoutFormatCharacters(const QString& typed) {
    QList<uint> text = typed.toUcs4();
    text.removeIf([](uint c) { return QChar::category(c) == QChar::Other_Format; });
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(text.constData()), text.size());
}

bool isUserAtHost(const QString& handle) {
    const qsizetype at = handle.indexOf(QLatin1Char('@'));
    if (at <= 0 || at == handle.size() - 1 || handle.indexOf(QLatin1Char('@'), at + 1) >= 0)
        return false;
    for (const QChar c : handle)
        if (c.isSpace() || c.category() == QChar::Other_Control ||
            c.category() == QChar::Other_Format || c == QLatin1Char('<') || c == QLatin1Char('>') ||
            c == QLatin1Char('"'))
            return false;
    return true;
}

QString unusable(const QString& typed, const QString& client, const QString& forms) {
    return QCoreApplication::translate(
               "CallerAddress", "%1 is not an address that %2 can take calls from. Type it as %3.")
        .arg(LinkError::quoted(typed.trimmed()), client, forms);
}

} // namespace CallerAddress
