#pragma once

#include "platform/list_box.h"

#include <QString>
#include <QVariant>

#include <array>
#include <memory>

class Automation;
class AutomationFactory;
class MessageBoxService;

// The profile details the contact browser shows, in the order they are read.
enum class ContactDetail {
    FullName,
    Sex,
    Country,
    City,
    Birthday,
    About,
    PhoneMobile,
    PhoneHome,
    PhoneOffice,
    DisplayName,
};
inline constexpr int ContactDetailCount = 10;

// The ten read-out boxes of the contact browser window.
class ContactDetailsView {
public:
    virtual ~ContactDetailsView() = default;
    virtual void setDetail(ContactDetail detail, const QString& text) = 0;
    // Shows the window again, in front of the others.
    virtual void bringToFront() = 0;
};

// What the contact browser does, without the window: the client's contact list,
// the window's own automation object (never attached), and the details of the
// contact double-clicked.
class ContactBrowser {
public:
    ContactBrowser(MessageBoxService& messages, AutomationFactory& automation);
    ~ContactBrowser();
    ContactBrowser(const ContactBrowser&) = delete;
    ContactBrowser& operator=(const ContactBrowser&) = delete;

    // lstContacts.
    ListBox& contactList() { return m_contacts; }
    // Null before the first load.
    Automation* oSkype() const { return m_oSkype.get(); }

    // A new automation object, and the client's contacts in the client's order,
    // shown as the object names them (and again as names come).
    // Traps nothing: a failure throws RunTimeError, and the handles appended
    // before it stay.
    void load();
    // Shows the details of the contact whose handle is the list's text (empty when
    // nothing is selected) in `view`. Every failure is trapped and shown in a box
    // titled "Error"; the boxes written before it keep their new values.
    void showSelected(ContactDetailsView& view);

    // The property a detail is read from, and a value as its box shows it.
    static QString propertyName(ContactDetail detail);
    static QString textOf(const QVariant& value);

private:
    MessageBoxService& m_messages;
    AutomationFactory& m_factory;
    std::unique_ptr<Automation> m_oSkype;
    ListBox m_contacts;
};
