#include "jami_automation.h"

#include "client/jami/jami_user.h"

QList<SkypeUserPtr> JamiAutomation::friends() {
    const QList<JamiContact> contacts = session()->contacts();
    QList<SkypeUserPtr> users;
    users.reserve(contacts.size());
    for (const JamiContact& contact : contacts)
        users.append(std::make_shared<JamiUser>(session(), contact.handle, contact.displayName));
    return users;
}

SkypeUserPtr JamiAutomation::user(const QString& handle) {
    return std::make_shared<JamiUser>(session(), handle);
}
