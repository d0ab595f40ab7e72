#include "jami_automation.h"

#include "client/caller_address.h"
#include "client/jami/jami_user.h"

#include <QCoreApplication>

JamiAutomation::JamiAutomation(std::shared_ptr<JamiSession> session)
    : SessionAutomation(std::move(session)) {
    connect(this->session().get(), &JamiSession::namesChanged, this,
            &Automation::raiseNamesChanged);
}

QList<SkypeUserPtr> JamiAutomation::friends() {
    const QStringList handles = session()->contacts();
    QList<SkypeUserPtr> users;
    users.reserve(handles.size());
    for (const QString& handle : handles)
        users.append(std::make_shared<JamiUser>(session(), handle));
    return users;
}

SkypeUserPtr JamiAutomation::user(const QString& handle) {
    return std::make_shared<JamiUser>(session(), handle);
}

QString JamiAutomation::shownName(const QString& handle) {
    return session()->shownName(handle);
}

TypedAddress JamiAutomation::callerAddress(const QString& typed) {
    const QString handle = jamiCallerHandle(CallerAddress::withoutFormatCharacters(typed));
    if (handle.isEmpty())
        return {QString(),
                CallerAddress::unusable(
                    typed, QStringLiteral("Jami"),
                    QCoreApplication::translate("CallerAddress",
                                                "a Jami ID (40 digits and letters a to f), or as "
                                                "the address of a SIP caller, user@host "
                                                "(sip:alice@192.0.2.7:5072, say)"))};
    return {handle, QString()};
}
