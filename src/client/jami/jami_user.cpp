#include "jami_user.h"

#include "client/jami/jami_session.h"
#include "client/link_error.h"

#include <QDate>

JamiUser::JamiUser(std::shared_ptr<JamiSession> session, QString handle,
                   std::optional<QString> displayName)
    : m_session(std::move(session)), m_handle(std::move(handle)),
      m_displayName(std::move(displayName)) {}

QVariant JamiUser::property(const QString& name) {
    if (name == QLatin1String("FullName") || name == QLatin1String("DisplayName")) {
        if (!m_displayName) {
            m_displayName = QString();
            for (const JamiContact& contact : m_session->contacts())
                if (contact.handle == m_handle)
                    m_displayName = contact.displayName;
        }
        return *m_displayName;
    }
    if (name == QLatin1String("Sex"))
        return -1;
    if (name == QLatin1String("Birthday"))
        return QDate();
    for (const char* text : {"Country", "City", "About", "PhoneMobile", "PhoneHome", "PhoneOffice"})
        if (name == QLatin1String(text))
            return QString();
    throw RunTimeError(LinkError::BadArgument,
                       QStringLiteral("A user has no property \"%1\".").arg(name.left(64)));
}
