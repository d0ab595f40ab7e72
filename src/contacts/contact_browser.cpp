#include "contact_browser.h"

#include "client/automation.h"
#include "client/shown_names.h"
#include "platform/message_box.h"
#include "platform/run_time_error.h"

#include <QDate>
#include <QLocale>

namespace {

constexpr std::array<const char*, ContactDetailCount> PropertyNames = {
    "FullName", "Sex",         "Country",   "City",        "Birthday",
    "About",    "PhoneMobile", "PhoneHome", "PhoneOffice", "DisplayName",
};

} // namespace

ContactBrowser::ContactBrowser(MessageBoxService& messages, AutomationFactory& automation)
    : m_messages(messages), m_factory(automation) {}

ContactBrowser::~ContactBrowser() = default;

QString ContactBrowser::propertyName(ContactDetail detail) {
    return QLatin1String(PropertyNames.at(static_cast<std::size_t>(detail)));
}

QString ContactBrowser::textOf(const QVariant& value) {
    // A date in the user's short date format; an unset one is empty.
    if (value.metaType() == QMetaType::fromType<QDate>()) {
        const QDate date = value.toDate();
        return date.isValid() ? QLocale::system().toString(date, QLocale::ShortFormat) : QString();
    }
    return value.toString();
}

void ContactBrowser::load() {
    m_oSkype = m_factory.create();
    showNamesOf(m_oSkype.get(), m_contacts);
    m_contacts.clear();
    // One at a time, so that the handles read before a failure stay; a client
    // with more contacts than a list holds shows the first ones.
    for (const SkypeUserPtr& user : m_oSkype->friends()) {
        if (m_contacts.listCount() == ListBox::MaxItems)
            break;
        m_contacts.addItem(user->handle());
    }
}

void ContactBrowser::showSelected(ContactDetailsView& view) {
    try {
        const QString handle = m_contacts.text();
        if (!m_oSkype)
            throw RunTimeError(
                91, UiText("RunTimeError",
                           QT_TRANSLATE_NOOP("RunTimeError", "Object variable not set")));
        const SkypeUserPtr user = m_oSkype->user(handle);
        // Nothing of the contact shown before stays beside the new one's details.
        for (int i = 0; i < ContactDetailCount; ++i)
            view.setDetail(static_cast<ContactDetail>(i), QString());
        for (int i = 0; i < ContactDetailCount; ++i) {
            const auto detail = static_cast<ContactDetail>(i);
            view.setDetail(detail, textOf(user->property(propertyName(detail))));
        }
        view.bringToFront();
    } catch (const RunTimeError& e) {
        m_messages.show(e.shown(), MsgBoxStyle::Exclamation,
                        QCoreApplication::translate("ContactBrowser", "Error"));
    } catch (const std::exception& e) {
        m_messages.show(QString::fromLocal8Bit(e.what()), MsgBoxStyle::Exclamation,
                        QCoreApplication::translate("ContactBrowser", "Error"));
    }
}
