#include "auto_answer_list_form.h"

#include "platform/error_report.h"
#include "platform/form_style.h"
#include "platform/units.h"

#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>

namespace {
// The contact list's height, and how much of it gives way to the typed address.
constexpr int ContactListHeight = 2985;
constexpr int AddressRowHeight = 360;
} // namespace

AutoAnswerListForm::AutoAnswerListForm(const AutoAnswerListLayout& layout,
                                       MessageBoxService& messages, ErrorReport& errors,
                                       AutomationFactory& automation, const QString& programDir,
                                       QWidget* parent)
    : MdiChildForm(parent), m_errors(errors),
      m_editor(messages, automation, programDir, layout.fileName) {
    setWindowTitle(layout.caption);
    setFont(FormStyle::windowFont());
    setWindowIcon(QIcon(QStringLiteral(":/pellorin/icon.png")));
    setClientSizeTwips(layout.widthTwips, layout.heightTwips);

    QGroupBox* frame1 =
        FormStyle::makeFrame(this, "Frame1", tr("Contact Lists (ID) :"), 120, 120, 3375, 3495);
    m_lstContacts =
        makeList(frame1, QStringLiteral("lstContacts"), m_editor.contactList(), layout.listToolTip);

    makeButton("CmdAdd", tr("&Add >>"), 240, &AutoAnswerListForm::CmdAdd_Click);
    makeButton("CmdRemove", tr("<< &Remove"), 720, &AutoAnswerListForm::CmdRemove_Click);
    makeButton("CmdSave", tr("&Save List"), 1200, &AutoAnswerListForm::CmdSave_Click);

    QGroupBox* frame2 =
        FormStyle::makeFrame(this, "Frame2", tr("Your Auto-Answer Lists :"), 4680, 120, 3375, 3495);
    makeList(frame2, layout.listName, m_editor.answerList(), layout.listToolTip);

    // Its top lies 15 twips above the bottom edge: the options are out of sight.
    QGroupBox* frame4 = FormStyle::makeFrame(this, "Frame4", tr("Your Auto-Answer Options:"), 120,
                                             3720, 5535, 1215);
    m_chkAutoAnswerInc =
        makeOption(frame4, "chkAutoAnswerInc", tr("Auto answer incoming calls"), 360);
    m_chkAutoAnswerIncWithVid = makeOption(frame4, "chkAutoAnswerIncWithVid",
                                           tr("Auto answer incoming calls with video"), 720);
    (layout.answerWithVideo ? m_chkAutoAnswerIncWithVid : m_chkAutoAnswerInc)->setChecked(true);

    applyTabOrder(layout.tabOrder);
}

AutoAnswerListForm::~AutoAnswerListForm() = default;

QListView* AutoAnswerListForm::makeList(QWidget* parent, const QString& name, ListBox& items,
                                        const QString& toolTip) {
    auto* view = new QListView(parent);
    view->setObjectName(name);
    view->setGeometry(Units::twipsRect(120, 360, 3135, ContactListHeight));
    // The frame's caption font and colour are the frame's own.
    FormStyle::usePlainStyle(view, this);
    view->setToolTip(toolTip);
    items.bindView(view);
    return view;
}

QPushButton* AutoAnswerListForm::makeButton(const char* name, const QString& caption, int top,
                                            void (AutoAnswerListForm::*handler)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(Units::twipsRect(3600, top, 975, 495));
    connect(button, &QPushButton::clicked, this,
            [this, handler] { runHandler(m_errors, [this, handler] { (this->*handler)(); }); });
    return button;
}

QRadioButton* AutoAnswerListForm::makeOption(QWidget* parent, const char* name,
                                             const QString& caption, int top) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QLatin1String(name));
    option->setGeometry(Units::twipsRect(240, top, 4455, 255));
    FormStyle::usePlainStyle(option, this);
    return option;
}

void AutoAnswerListForm::applyTabOrder(const QStringList& names) {
    QWidget* previous = nullptr;
    for (const QString& name : names) {
        auto* widget = findChild<QWidget*>(name);
        if (!widget || widget->focusPolicy() == Qt::NoFocus)
            continue; // frames take no focus
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

void AutoAnswerListForm::showAddressControls(bool shown) {
    if (!m_txtAddress) {
        if (!shown)
            return; // the window as it has always been
        m_txtAddress = new QLineEdit(m_lstContacts->parentWidget());
        m_txtAddress->setObjectName(QStringLiteral("txtAddress"));
        m_txtAddress->setGeometry(
            Units::twipsRect(120, 360 + ContactListHeight - AddressRowHeight + 75, 3135, 285));
        m_txtAddress->setPlaceholderText(tr("Address of a caller not listed"));
        m_txtAddress->setToolTip(
            tr("Type the address of a caller who is not among your contacts (user@host)."));
        FormStyle::usePlainStyle(m_txtAddress, this);
        m_cmdAddAddress = makeButton("CmdAddAddress", tr("A&ddress >>"), 3075,
                                     &AutoAnswerListForm::CmdAddAddress_Click);
        connect(m_txtAddress, &QLineEdit::returnPressed, m_cmdAddAddress, &QPushButton::click);
        setTabOrder(m_lstContacts, m_txtAddress);
        setTabOrder(m_txtAddress, m_cmdAddAddress);
    }
    m_txtAddress->setVisible(shown);
    m_cmdAddAddress->setVisible(shown);
    m_lstContacts->setGeometry(Units::twipsRect(
        120, 360, 3135, shown ? ContactListHeight - AddressRowHeight : ContactListHeight));
}

void AutoAnswerListForm::Form_Load() {
    Move(0, 0);
    // Whatever the client in use is, even when the rest of the load fails.
    const auto addressControls =
        qScopeGuard([this] { showAddressControls(m_editor.takesAddresses()); });
    m_editor.load();
}

void AutoAnswerListForm::CmdAdd_Click() {
    m_editor.add();
}
void AutoAnswerListForm::CmdRemove_Click() {
    m_editor.remove();
}
void AutoAnswerListForm::CmdSave_Click() {
    m_editor.save();
}

void AutoAnswerListForm::clientChanged() {
    m_editor.clientChanged();
    showAddressControls(m_editor.takesAddresses());
}

void AutoAnswerListForm::CmdAddAddress_Click() {
    if (m_txtAddress && m_editor.addAddress(m_txtAddress->text()))
        m_txtAddress->clear();
}
