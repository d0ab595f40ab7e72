#include "api_user.h"

#include "api_protocol.h"
#include "api_session.h"

#include <QDate>

#include <algorithm>

ApiUser::ApiUser(std::shared_ptr<ApiSession> session, QString handle)
    : m_session(std::move(session)), m_handle(std::move(handle)) {}

QVariant ApiUser::property(const QString& name) {
    const auto wire = ApiProtocol::userPropertyName(name);
    if (!wire)
        throw RunTimeError(LinkError::BadArgument,
                           QStringLiteral("A user has no property \"%1\".").arg(name.left(64)));
    // A handle is one word: anything else would change the command.
    const bool oneWord = !m_handle.isEmpty() && std::none_of(m_handle.begin(), m_handle.end(),
                                                             [](QChar c) { return c.isSpace(); });
    if (!oneWord)
        throw RunTimeError(LinkError::BadArgument,
                           QStringLiteral("\"%1\" is not a user handle.").arg(m_handle.left(64)));

    const QString command = QStringLiteral("GET USER %1 %2").arg(m_handle, *wire);
    const QString reply = m_session->command(command);
    const auto value = ApiProtocol::parseUserProperty(reply, m_handle, *wire);
    if (!value)
        throw LinkError::unreadableReply(command, reply);
    if (name == QLatin1String("Sex"))
        return ApiProtocol::sexCode(*value);
    if (name == QLatin1String("Country"))
        return ApiProtocol::countryName(*value, m_session->protocol());
    if (name == QLatin1String("Birthday")) {
        const auto date = ApiProtocol::parseBirthday(*value);
        if (!date)
            throw LinkError::unreadableReply(command, reply);
        return *date;
    }
    return *value;
}
