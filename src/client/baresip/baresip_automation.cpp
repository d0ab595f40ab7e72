#include "baresip_automation.h"

#include "baresip_user.h"
#include "client/caller_address.h"
#include "ctrl_protocol.h"

#include <QCoreApplication>

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

TypedAddress BaresipAutomation::callerAddress(const QString& typed) {
    const QString handle =
        CtrlProtocol::handleFromUri(CallerAddress::withoutFormatCharacters(typed));
    if (!CallerAddress::isUserAtHost(handle))
        return {QString(), CallerAddress::unusable(typed, QStringLiteral("baresip"),
                                                   QCoreApplication::translate(
                                                       "CallerAddress",
                                                       "user@host, with the port when the caller "
                                                       "has one (sip:alice@192.0.2.7:5072, say)"))};
    return {handle, QString()};
}
