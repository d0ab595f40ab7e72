#include "baresip_automation.h"

#include "baresip_user.h"
#include "ctrl_protocol.h"

QList<SkypeUserPtr> BaresipAutomation::friends() {
    const QList<CtrlProtocol::Contact> contacts = session()->contacts();
    QList<SkypeUserPtr> users;
    users.reserve(contacts.size());
    for (const CtrlProtocol::Contact& contact : contacts)
        users.append(std::make_shared<BaresipUser>(
            session(), CtrlProtocol::handleFromUri(contact.uri), contact.displayName));
    return users;
}

SkypeUserPtr BaresipAutomation::user(const QString& handle) {
    return std::make_shared<BaresipUser>(session(), handle);
}
