#include "jami_user.h"

#include "client/link_error.h"

#include <QDate>

QVariant JamiUser::property(const QString& name) {
    if (name == QLatin1String("Sex"))
        return -1;
    if (name == QLatin1String("Birthday"))
        return QDate();
    for (const char* text : {"FullName", "DisplayName", "Country", "City", "About", "PhoneMobile",
                             "PhoneHome", "PhoneOffice"})
        if (name == QLatin1String(text))
            return QString();
    throw RunTimeError(LinkError::BadArgument,
                       QStringLiteral("A user has no property %1.").arg(LinkError::quoted(name)));
}
