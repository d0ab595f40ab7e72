#include "frm_contact.h"

#include "platform/error_report.h"
#include "platform/form_style.h"
#include "platform/units.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

namespace {

struct Row {
    int top;
    const char* caption;
    const char* box;
    ContactDetail detail;
};

// The rows of "Contact Details :", top to bottom.
constexpr std::array<Row, ContactDetailCount> Rows = {{
    {360, QT_TRANSLATE_NOOP("frmContact", "Full Name:"), "txtIDFullName", ContactDetail::FullName},
    {720, QT_TRANSLATE_NOOP("frmContact", "Sex:"), "txtIDSex", ContactDetail::Sex},
    {1080, QT_TRANSLATE_NOOP("frmContact", "Birthday:"), "txtIDBirthday", ContactDetail::Birthday},
    {1440, QT_TRANSLATE_NOOP("frmContact", "Mobile #:"), "txtIDMobile", ContactDetail::PhoneMobile},
    {1800, QT_TRANSLATE_NOOP("frmContact", "Home #:"), "txtIDHome", ContactDetail::PhoneHome},
    {2160, QT_TRANSLATE_NOOP("frmContact", "Office #:"), "txtIDOffice", ContactDetail::PhoneOffice},
    {2520, QT_TRANSLATE_NOOP("frmContact", "Country:"), "txtIDCountry", ContactDetail::Country},
    {2880, QT_TRANSLATE_NOOP("frmContact", "City:"), "txtIDCity", ContactDetail::City},
    {3240, QT_TRANSLATE_NOOP("frmContact", "About:"), "txtIDAbout", ContactDetail::About},
    {4560, QT_TRANSLATE_NOOP("frmContact", "Display Name:"), "txtIDDisplayName",
     ContactDetail::DisplayName},
}};

// Keyboard order through the boxes (the labels and frames take no focus).
constexpr std::array<ContactDetail, ContactDetailCount> TabOrder = {
    ContactDetail::FullName,    ContactDetail::Sex,       ContactDetail::Country,
    ContactDetail::City,        ContactDetail::Birthday,  ContactDetail::About,
    ContactDetail::PhoneMobile, ContactDetail::PhoneHome, ContactDetail::PhoneOffice,
    ContactDetail::DisplayName,
};

constexpr int AboutHeight = 1245;

} // namespace

frmContact::frmContact(MessageBoxService& messages, ErrorReport& errors,
                       AutomationFactory& automation, QWidget* parent)
    : MdiChildForm(parent), m_errors(errors), m_browser(messages, automation) {
    setObjectName(QStringLiteral("frmContact"));
    setWindowTitle(tr("Contact Details"));
    setFont(FormStyle::windowFont());
    setWindowIcon(QIcon(QStringLiteral(":/pellorin/icon.png")));
    setClientSizeTwips(7815, 5175);

    QGroupBox* frame3 =
        FormStyle::makeFrame(this, "Frame3", tr("Contact Details :"), 3720, 0, 3975, 5055);
    // Labels first, so that each box lies over the wide label beside it.
    for (const Row& row : Rows) {
        auto* label = new QLabel(tr(row.caption), frame3);
        label->setGeometry(Units::twipsRect(120, row.top, 1695, 255));
        FormStyle::usePlainStyle(label, this);
    }
    for (const Row& row : Rows) {
        QWidget* box;
        if (row.detail == ContactDetail::About) {
            auto* about = new QPlainTextEdit(frame3);
            about->setReadOnly(true);
            about->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            about->setGeometry(Units::twipsRect(1200, row.top, 2500, AboutHeight));
            box = about;
        } else {
            auto* line = new QLineEdit(frame3);
            line->setReadOnly(true);
            line->setGeometry(Units::twipsRect(1200, row.top, 2500, 285));
            box = line;
        }
        box->setObjectName(QLatin1String(row.box));
        FormStyle::usePlainStyle(box, this);
        m_boxes[static_cast<std::size_t>(row.detail)] = box;
    }

    QGroupBox* frame1 =
        FormStyle::makeFrame(this, "Frame1", tr("Contact Lists (ID) :"), 120, 0, 3375, 5055);
    m_list = new QListView(frame1);
    m_list->setObjectName(QStringLiteral("lstContacts"));
    m_list->setGeometry(Units::twipsRect(120, 360, 3135, 4545));
    m_list->setToolTip(tr("Double click on User ID to get details."));
    FormStyle::usePlainStyle(m_list, this);
    m_browser.contactList().bindView(m_list);
    // A double-click anywhere in the list, on an item or not, as the list's own.
    m_list->viewport()->installEventFilter(this);

    QWidget* previous = nullptr;
    for (ContactDetail detail : TabOrder) {
        QWidget* box = m_boxes[static_cast<std::size_t>(detail)];
        if (previous)
            setTabOrder(previous, box);
        previous = box;
    }
    setTabOrder(previous, m_list);
}

frmContact::~frmContact() = default;

bool frmContact::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonDblClick)
        lstContacts_DblClick();
    return MdiChildForm::eventFilter(watched, event);
}

QString frmContact::detailText(ContactDetail detail) const {
    QWidget* box = m_boxes[static_cast<std::size_t>(detail)];
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    return static_cast<QPlainTextEdit*>(box)->toPlainText();
}

void frmContact::setDetail(ContactDetail detail, const QString& text) {
    QWidget* box = m_boxes[static_cast<std::size_t>(detail)];
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(0); // a long value shows its beginning
    } else {
        static_cast<QPlainTextEdit*>(box)->setPlainText(text);
    }
}

void frmContact::bringToFront() {
    if (QWidget* frame = parentWidget()) {
        frame->show();
        frame->raise();
        if (auto* sub = qobject_cast<QMdiSubWindow*>(frame); sub && sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
    } else {
        show();
        raise();
    }
}

void frmContact::Form_Load() {
    Move(0, 0);
    m_browser.load();
}

void frmContact::lstContacts_DblClick() {
    // It traps its own failures; the run-time error box is for anything else.
    runHandler(m_errors, [this] { m_browser.showSelected(*this); });
}
