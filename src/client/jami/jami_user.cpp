#include "jami_user.h"

#include "client/jami/jami_session.h"
#include "client/link_error.h"

#include <QDate>

QVariant JamiUser::property(const QString& name) {
    const JamiNames& names = m_session->names();
    const auto either = [](const QString& first, const QString& second) {
        return first.isEmpty() ? second : first;
    };
    if (name == QLatin1String("FullName"))
        return either(names.profile(m_handle), names.registered(m_handle));
    if (name == QLatin1String("DisplayName"))
        return either(names.registered(m_handle), names.profile(m_handle));
    if (name == QLatin1String("Sex"))
        return -1;
    if (name == QLatin1String("Birthday"))
        return QDate();
    for (const char* text : {"Country", "City", "About", "PhoneMobile", "PhoneHome", "PhoneOffice"})
        if (name == QLatin1String(text))
            return QString();
    throw RunTimeError(LinkError::BadArgument,
                       QStringLiteral("A user has no property %1.").arg(LinkError::quoted(name)));
}
