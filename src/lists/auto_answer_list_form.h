#pragma once

#include "auto_answer_list_editor.h"
#include "platform/window_instance.h"

#include <QString>
#include <QStringList>

class Automation;
class AutomationFactory;
class ErrorReport;
class MessageBoxService;
class QGroupBox;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;

// What tells the two list editor windows apart.
struct AutoAnswerListLayout {
    QString caption;
    int widthTwips;
    int heightTwips;
    QString fileName;
    // Object name of the auto-answer list box.
    QString listName;
    // Which option is chosen after each load.
    bool answerWithVideo;
    // Object names in tab-index order.
    QStringList tabOrder;
    // Tooltip on both list boxes; empty for none.
    QString listToolTip;
};

// A list editor window: the client's contacts on the left, an auto-answer list on
// the right, Add / Remove / Save between them, and the two answer options below
// the visible area. With a client that takes callers by address, a field under
// the contacts and a button beside it add a caller who is not among them. Its
// list control is what the call handler searches, so what the window shows,
// saved or not, is what auto-answering uses.
//
// The handlers are public and throw RunTimeError on failure; the buttons run them
// through the run-time error box.
class AutoAnswerListForm : public MdiChildForm {
    Q_OBJECT
public:
    ~AutoAnswerListForm() override;

    // The auto-answer list control.
    ListBox& answerList() { return m_editor.answerList(); }
    // lstContacts.
    ListBox& contactList() { return m_editor.contactList(); }
    QRadioButton* chkAutoAnswerInc() const { return m_chkAutoAnswerInc; }
    QRadioButton* chkAutoAnswerIncWithVid() const { return m_chkAutoAnswerIncWithVid; }
    // The typed address and its button; null until a client takes addresses.
    QLineEdit* txtAddress() const { return m_txtAddress; }
    QPushButton* CmdAddAddress() const { return m_cmdAddAddress; }
    // The window's own automation object, made at each load, never attached.
    Automation* oSkype() const { return m_editor.oSkype(); }
    // The window's list file, built anew on every call.
    QString listPath() const { return m_editor.listPath(); }

    void Form_Load() override;
    void CmdAdd_Click();
    void CmdRemove_Click();
    void CmdSave_Click();
    // Adds the caller at the typed address, and empties the field when it did.
    void CmdAddAddress_Click();
    // The client in use changed: typed addresses, and the field for them, follow
    // it; the contacts shown are the old client's until the window loads again.
    void clientChanged();

protected:
    AutoAnswerListForm(const AutoAnswerListLayout& layout, MessageBoxService& messages,
                       ErrorReport& errors, AutomationFactory& automation,
                       const QString& programDir, QWidget* parent);

private:
    QListView* makeList(QWidget* parent, const QString& name, ListBox& items,
                        const QString& toolTip);
    QPushButton* makeButton(const char* name, const QString& caption, int top,
                            void (AutoAnswerListForm::*handler)());
    QRadioButton* makeOption(QWidget* parent, const char* name, const QString& caption, int top);
    void applyTabOrder(const QStringList& names);
    // Shows or hides the typed address and its button (made when first shown).
    void showAddressControls(bool shown);

    ErrorReport& m_errors;
    AutoAnswerListEditor m_editor;
    QListView* m_lstContacts = nullptr;
    QLineEdit* m_txtAddress = nullptr;
    QPushButton* m_cmdAddAddress = nullptr;
    QRadioButton* m_chkAutoAnswerInc = nullptr;
    QRadioButton* m_chkAutoAnswerIncWithVid = nullptr;
};
