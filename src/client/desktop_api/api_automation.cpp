#include "api_automation.h"

#include "api_protocol.h"
#include "api_user.h"

QList<SkypeUserPtr> ApiAutomation::friends() {
    const QString command = QStringLiteral("SEARCH FRIENDS");
    const QString reply = session()->command(command);
    const auto handles = ApiProtocol::parseUsers(reply);
    if (!handles)
        throw LinkError::unreadableReply(command, reply);
    QList<SkypeUserPtr> users;
    users.reserve(handles->size());
    for (const QString& handle : *handles)
        users.append(std::make_shared<ApiUser>(session(), handle));
    return users;
}

SkypeUserPtr ApiAutomation::user(const QString& handle) {
    return std::make_shared<ApiUser>(session(), handle);
}
