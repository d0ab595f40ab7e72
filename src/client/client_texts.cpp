#include "client_texts.h"

QString ClientTexts::named(const QString& text, const QString& clientName) {
    if (clientName == DesktopApiName)
        return text;
    return QString(text).replace(DesktopApiName, clientName);
}
