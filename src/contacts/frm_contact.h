#pragma once

#include "contact_browser.h"
#include "platform/window_instance.h"

#include <array>

class ErrorReport;
class QLineEdit;
class QListView;
class QPlainTextEdit;

// "Contact Details": the handles of the client's contacts on the left; a
// double-click on one shows that contact's profile in ten read-out boxes on the
// right. The boxes are read-only, but their text can be selected and copied.
class frmContact : public MdiChildForm, private ContactDetailsView {
    Q_OBJECT
public:
    frmContact(MessageBoxService& messages, ErrorReport& errors, AutomationFactory& automation,
               QWidget* parent = nullptr);
    ~frmContact() override;

    ListBox& lstContacts() { return m_browser.contactList(); }
    // The window's own automation object, made at each load, never attached.
    Automation* oSkype() const { return m_browser.oSkype(); }
    // The text box that shows `detail`.
    QString detailText(ContactDetail detail) const;

    void Form_Load() override;
    void lstContacts_DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setDetail(ContactDetail detail, const QString& text) override;
    void bringToFront() override;

    ErrorReport& m_errors;
    ContactBrowser m_browser;
    QListView* m_list = nullptr;
    std::array<QWidget*, ContactDetailCount> m_boxes{};
};
