#include "baresip_user.h"

#include "baresip_session.h"
#include "ctrl_protocol.h"
#include "client/link_error.h"

#include <QDate>

#include <array>

namespace {

constexpr std::array<const char*, 6> emptyTexts{
    "Country", "City", "About", "PhoneMobile", "PhoneHome", "PhoneOffice",
};

} // namespace

BaresipUser::BaresipUser(std::shared_ptr<BaresipSession> session, QString handle,
                         std::optional<QString> displayName)
    : m_session(std::move(session)), m_handle(std::move(handle)),
      m_displayName(std::move(displayName)) {}

QVariant BaresipUser::property(const QString& name) {
    if (name == QLatin1String("FullName") || name == QLatin1String("DisplayName")) {
        if (m_displayName)
            return *m_displayName;
        for (const CtrlProtocol::Contact& contact : m_session->contacts())
            if (CtrlProtocol::handleFromUri(contact.uri) == m_handle)
                return contact.displayName;
        return QString();
    }
    if (name == QLatin1String("Sex"))
        return -1;
    if (name == QLatin1String("Birthday"))
        return QDate();
    for (const char* text : emptyTexts)
        if (name == QLatin1String(text))
            return QString();
    throw RunTimeError(LinkError::BadArgument,
                       QStringLiteral("A user has no property \"%1\".").arg(name.left(64)));
}
