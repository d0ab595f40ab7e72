#include "jami_automation.h"

#include "client/jami/jami_user.h"

QList<SkypeUserPtr> JamiAutomation::friends() {
    const QStringList handles = session()->contacts();
    QList<SkypeUserPtr> users;
    users.reserve(handles.size());
    for (const QString& handle : handles)
        users.append(std::make_shared<JamiUser>(handle));
    return users;
}

SkypeUserPtr JamiAutomation::user(const QString& handle) {
    return std::make_shared<JamiUser>(handle);
}
