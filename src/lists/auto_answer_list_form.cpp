#include "auto_answer_list_form.h"

#include "platform/error_report.h"
#include "platform/units.h"

#include <QGroupBox>
#include <QIcon>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

namespace {
// Frame captions: dark red, bold.
const QColor FrameTextColour(0x40, 0x00, 0x00);

// The window's default font, every property set, so that a control inside a
// frame does not take the frame's bold caption font.
QFont windowFont() {
    QFont font;
    // Where the classic narrow sans face is missing, one with its metrics.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Sans Serif")});
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

QFont frameFont() {
    QFont font = windowFont();
    font.setWeight(QFont::Bold);
    return font;
}
} // namespace

AutoAnswerListForm::AutoAnswerListForm(const AutoAnswerListLayout& layout,
                                       MessageBoxService& messages, ErrorReport& errors,
                                       AutomationFactory& automation, const QString& programDir,
                                       QWidget* parent)
    : MdiChildForm(parent), m_errors(errors),
      m_editor(messages, automation, programDir, layout.fileName) {
    setWindowTitle(layout.caption);
    setFont(windowFont());
    setWindowIcon(QIcon(QStringLiteral(":/pellorin/icon.png")));
    setClientSizeTwips(layout.widthTwips, layout.heightTwips);

    QGroupBox* frame1 =
        makeFrame(this, "Frame1", QStringLiteral("Contact Lists (ID) :"), 120, 120, 3375, 3495);
    makeList(frame1, QStringLiteral("lstContacts"), m_editor.contactList(), layout.listToolTip);

    makeButton("CmdAdd", QStringLiteral("&Add >>"), 240, &AutoAnswerListForm::CmdAdd_Click);
    makeButton("CmdRemove", QStringLiteral("<< &Remove"), 720,
               &AutoAnswerListForm::CmdRemove_Click);
    makeButton("CmdSave", QStringLiteral("&Save List"), 1200, &AutoAnswerListForm::CmdSave_Click);

    QGroupBox* frame2 = makeFrame(this, "Frame2", QStringLiteral("Your Auto-Answer Lists :"), 4680,
                                  120, 3375, 3495);
    makeList(frame2, layout.listName, m_editor.answerList(), layout.listToolTip);

    // Its top lies 15 twips above the bottom edge: the options are out of sight.
    QGroupBox* frame4 = makeFrame(this, "Frame4", QStringLiteral("Your Auto-Answer Options:"), 120,
                                  3720, 5535, 1215);
    m_chkAutoAnswerInc =
        makeOption(frame4, "chkAutoAnswerInc", QStringLiteral("Auto answer incoming calls"), 360);
    m_chkAutoAnswerIncWithVid =
        makeOption(frame4, "chkAutoAnswerIncWithVid",
                   QStringLiteral("Auto answer incoming calls with video"), 720);
    (layout.answerWithVideo ? m_chkAutoAnswerIncWithVid : m_chkAutoAnswerInc)->setChecked(true);

    applyTabOrder(layout.tabOrder);
}

AutoAnswerListForm::~AutoAnswerListForm() = default;

QGroupBox* AutoAnswerListForm::makeFrame(QWidget* parent, const char* name, const QString& caption,
                                         int left, int top, int width, int height) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(Units::twipsRect(left, top, width, height));
    frame->setFont(frameFont());
    QPalette pal = frame->palette();
    pal.setColor(QPalette::WindowText, FrameTextColour);
    frame->setPalette(pal);
    return frame;
}

QListView* AutoAnswerListForm::makeList(QWidget* parent, const QString& name, ListBox& items,
                                        const QString& toolTip) {
    auto* view = new QListView(parent);
    view->setObjectName(name);
    view->setGeometry(Units::twipsRect(120, 360, 3135, 2985));
    // The frame's caption font and colour are the frame's own.
    view->setFont(windowFont());
    view->setPalette(palette());
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
    option->setFont(windowFont());
    option->setPalette(palette());
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

void AutoAnswerListForm::Form_Load() {
    Move(0, 0);
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
