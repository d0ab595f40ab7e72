#include "frm_main.h"

#include "answering/attachment.h"
#include "answering/call_outcome.h"
#include "app/client_choice.h"
#include "app/preferences.h"
#include "app/window_placement.h"
#include "platform/desktop_notifications.h"
#include "platform/error_report.h"
#include "platform/message_box.h"
#include "platform/product.h"
#include "platform/run_time_error.h"
#include "platform/shell_open.h"
#include "platform/units.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

frmMain::frmMain(const AppServices& services, QWidget* parent)
    : QMainWindow(parent), m_services(services), m_errors(services.messages),
      m_mdiArea(new QMdiArea(this)),
      m_attachment(new Attachment(services.automation, services.messages, this)),
      Picture1(new QWidget(this)), imgBack(new QLabel(Picture1)), m_stateLabel(new QLabel(this)),
      m_autoCallList(m_mdiArea,
                     [this] {
                         return std::make_unique<frmAutoCallList>(m_services.messages, m_errors,
                                                                  m_services.automation,
                                                                  m_services.programDir);
                     }),
      m_autoVideoCallList(m_mdiArea,
                          [this] {
                              return std::make_unique<frmAutoVideoCallList>(
                                  m_services.messages, m_errors, m_services.automation,
                                  m_services.programDir);
                          }),
      m_contactWindow(m_mdiArea,
                      [this] {
                          return std::make_unique<frmContact>(m_services.messages, m_errors,
                                                              m_services.automation);
                      }),
      m_about(m_mdiArea, [] { return std::make_unique<frmAbout>(); }),
      m_answeredCalls(m_mdiArea,
                      [this] {
                          return std::make_unique<frmAnsweredCalls>(
                              m_services.callLogPath, m_actedCalls, m_services.shell,
                              [this] { return oSkype(); });
                      }),
      trayRecord(services.trayIcon), m_actedCalls(services.callRecord),
      m_callHandler(*this, services.pause, &m_actedCalls),
      m_backgroundClient(this, m_mdiArea, m_windowSystem) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Product::caption);
    setWindowIcon(QIcon(QStringLiteral(":/pellorin/icon.png")));

    m_mdiArea->setObjectName(QStringLiteral("mdiClient"));
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);

    // The band along the top edge that holds the logo picture; the logo
    // commands hand that picture to the background painter. It is not shown.
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(Units::twipsRect(0, 0, 9750, 2115));
    Picture1->hide();
    imgBack->setObjectName(QStringLiteral("imgBack"));
    imgBack->setPixmap(QPixmap(QStringLiteral(":/pellorin/logo.gif")));
    imgBack->setGeometry(Units::twipsRect(3480, 120, 3000, 1500));
    m_imgBackPicture = std::make_shared<Picture>(imgBack->pixmap().toImage(), Units::screenDpi());

    buildMenus();

    // The attachment's state goes at the left of the status bar; the latest call
    // stays at its right.
    m_lastCallLabel = new QLabel(this);
    m_lastCallLabel->setObjectName(QStringLiteral("lblLastCall"));
    statusBar()->setObjectName(QStringLiteral("staMain"));
    statusBar()->addPermanentWidget(m_lastCallLabel);

    const QSize client = Units::twipsSize(9750, 6630);
    resize(client.width(),
           client.height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());

    // A label, not a passing message: it stays, and screen readers read it.
    m_stateLabel->setObjectName(QStringLiteral("lblAttachState"));
    statusBar()->addWidget(m_stateLabel, 1);
    showAttachState();
    connect(m_attachment, &Attachment::stateChanged, this, &frmMain::showAttachState);
    connect(m_attachment, &Attachment::callStatus, this, &frmMain::oSkype_CallStatus);
    connect(&m_actedCalls, &ActedCalls::added, this, &frmMain::actedCalls_Added);
    connect(&trayRecord, &NotificationIcon::activated, this, &frmMain::trayRecord_Activated);
}

frmMain::~frmMain() = default;

QMenu* frmMain::addMenu(QMenu* parent, const char* name, const QString& caption) {
    QMenu* menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QAction* frmMain::addCommand(QMenu* menu, const char* name, const QString& caption,
                             void (frmMain::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void frmMain::addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

void frmMain::buildMenus() {
    QMenu* file = addMenu(nullptr, "mnuFile", tr("&File"));
    m_attachCommand = addCommand(file, "mnuAttach", attachCaption(), &frmMain::mnuAttach_Click);
    addSeparator(file, "mnuSep1");
    addCommand(file, "mnuExit", tr("E&xit"), &frmMain::mnuExit_Click);

    QMenu* options = addMenu(nullptr, "mnuOptions", tr("Options"));
    QMenu* lists = addMenu(options, "mnuLists", tr("Lists"));
    addCommand(lists, "mnuCallOnlyAutoAnswerList", tr("Calls List"),
               &frmMain::mnuCallOnlyAutoAnswerList_Click);
    addCommand(lists, "mnuVideoCallsList", tr("Video Calls List"),
               &frmMain::mnuVideoCallsList_Click);
    addSeparator(options, "mnuSep5");
    QMenu* logo = addMenu(options, "mnuLogo", tr("Logo"));
    addCommand(logo, "mnuShowLogo", tr("Show Logo"), &frmMain::mnuShowLogo_Click);
    addCommand(logo, "mnuHideLogo", tr("Hide Logo"), &frmMain::mnuHideLogo_Click);
    if (m_services.preferences)
        buildPreferenceItems(options, *m_services.preferences);

    QMenu* view = addMenu(nullptr, "mnuViewMenu", tr("View"));
    m_contactsCommand =
        addCommand(view, "mnuSkypeContacts", contactsCaption(), &frmMain::mnuSkypeContacts_Click);
    addCommand(view, "mnuAnsweredCalls", tr("Answered Calls"), &frmMain::mnuAnsweredCalls_Click);
    addSeparator(view, "mnuSep2");
    addCommand(view, "mnuMinimizeToTray", tr("Minimize to Tray"),
               &frmMain::mnuMinimizeToTray_Click);

    QMenu* help = addMenu(nullptr, "mnuHelp", tr("Help"));
    addCommand(help, "mnuHomePage", tr("Pellorin Home Page"), &frmMain::mnuHomePage_Click);
    addSeparator(help, "mnuSep3");
    addCommand(help, "mnuAbout", tr("About"), &frmMain::mnuAbout_Click);
}

void frmMain::buildPreferenceItems(QMenu* options, Preferences& preferences) {
    addSeparator(options, "mnuSep6");
    QMenu* clients = addMenu(options, "mnuCallingClient", tr("Calling Client"));
    auto* group = new QActionGroup(this);
    // None is checked while no client is chosen yet (see showPreferences).
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    const std::pair<CommandLineOptions::Client, const char*> items[] = {
        {CommandLineOptions::Client::DesktopApi, "mnuClientDesktopApi"},
        {CommandLineOptions::Client::Baresip, "mnuClientBaresip"},
        {CommandLineOptions::Client::Jami, "mnuClientJami"}};
    for (const auto& [client, name] : items) {
        QAction* item = clients->addAction(clientTextName(client));
        item->setObjectName(QLatin1String(name));
        item->setCheckable(true);
        item->setActionGroup(group);
        connect(item, &QAction::triggered, this,
                [this, client = client] { mnuCallingClient_Click(client); });
        m_clientItems[client] = item;
    }
    addSeparator(clients, "mnuSep7");
    addCommand(clients, "mnuBaresipControl", tr("baresip Control Address..."),
               &frmMain::mnuBaresipControl_Click);
    m_attachAutomatically =
        addCommand(options, "mnuAttachAutomatically", tr("Attach Automatically"),
                   &frmMain::mnuAttachAutomatically_Click);
    m_attachAutomatically->setCheckable(true);
    m_startAtLogin = addCommand(options, "mnuStartAtLogin", tr("Start at Login"),
                                &frmMain::mnuStartAtLogin_Click);
    m_startAtLogin->setCheckable(true);
    m_notifyWhenAnswering =
        addCommand(options, "mnuNotifyWhenAnswering", tr("Notify When Answering"),
                   &frmMain::mnuNotifyWhenAnswering_Click);
    m_notifyWhenAnswering->setCheckable(true);
    // The entry may come or go behind the program's back.
    connect(options, &QMenu::aboutToShow, this, &frmMain::showPreferences);
    connect(&preferences, &Preferences::clientChanged, this, &frmMain::preferences_ClientChanged);
    connect(&preferences, &Preferences::searchingChanged, this, &frmMain::showAttachState);
    connect(&preferences, &Preferences::searchingChanged, this, &frmMain::showPreferences);
    showPreferences();
}

void frmMain::showPreferences() {
    Preferences* preferences = m_services.preferences;
    if (!preferences)
        return;
    // What the next start uses: none while a client is looked for.
    for (const auto& [client, item] : m_clientItems)
        item->setChecked(!preferences->searching() && client == preferences->setup().client);
    m_attachAutomatically->setChecked(m_services.autoAttach);
    m_startAtLogin->setChecked(preferences->startsAtLogin());
    m_notifyWhenAnswering->setChecked(preferences->notifiesWhenAnswering());
}

// The captions that name the client in use.
QString frmMain::attachCaption() const {
    return tr("&Attach to %1").arg(m_services.automation.clientName());
}

QString frmMain::contactsCaption() const {
    return tr("%1 Contacts").arg(m_services.automation.clientName());
}

void frmMain::showAttachState() {
    // With no client chosen, Pellorin looks for whichever runs: naming the one it
    // tries meanwhile would say the wrong thing.
    const bool searching = m_services.preferences && m_services.preferences->searching() &&
                           !m_attachment->state().attached();
    m_stateLabel->setText(
        searching ? tr("Not attached: no calling client is running")
                  : attachStateText(m_attachment->state(), m_services.automation.clientName()));
    if (m_inTray)
        trayRecord.add(trayIcon(), trayTip());
}

QIcon frmMain::trayIcon() const {
    if (m_attachment->state().attached())
        return windowIcon();
    return QIcon(windowIcon().pixmap(QSize(64, 64), QIcon::Disabled));
}

QString frmMain::trayTip() const {
    return QCoreApplication::translate("Product", Product::trayTip) + QLatin1Char('\n') +
           m_stateLabel->text();
}

void frmMain::preferences_ClientChanged() {
    m_attachCommand->setText(attachCaption());
    m_contactsCommand->setText(contactsCaption());
    showPreferences();
    if (AutoAnswerListForm* calls = m_autoCallList.loaded())
        calls->clientChanged();
    if (AutoAnswerListForm* videoCalls = m_autoVideoCallList.loaded())
        videoCalls->clientChanged();
    // Last, with the windows already naming the new client: a try at it starts.
    m_attachment->clientChanged();
    showAttachState();
}

void frmMain::mnuCallingClient_Click(CommandLineOptions::Client client) {
    runHandler(m_errors, [&] { m_services.preferences->chooseClient(client); });
    showPreferences();
}

void frmMain::mnuBaresipControl_Click() {
    runHandler(m_errors, [this] {
        const ControlAddress& now = m_services.preferences->setup().baresipControl;
        bool ok = false;
        const QString text = QInputDialog::getText(
            this, tr("baresip Control Address"),
            tr("Where baresip's control socket (its ctrl_tcp module) listens, HOST:PORT:"),
            QLineEdit::Normal, controlAddressText(now), &ok);
        if (ok)
            m_services.preferences->setBaresipControl(text);
    });
}

void frmMain::mnuAttachAutomatically_Click() {
    m_services.autoAttach = m_attachAutomatically->isChecked();
    if (m_services.autoAttach)
        m_attachment->startAutoAttach();
    else
        m_attachment->stopAutoAttach();
    runHandler(m_errors, [this] { m_services.preferences->setAutoAttach(m_services.autoAttach); });
}

void frmMain::mnuStartAtLogin_Click() {
    runHandler(m_errors,
               [this] { m_services.preferences->setStartAtLogin(m_startAtLogin->isChecked()); });
    showPreferences();
}

void frmMain::mnuNotifyWhenAnswering_Click() {
    runHandler(m_errors, [this] {
        m_services.preferences->setNotifyWhenAnswering(m_notifyWhenAnswering->isChecked());
    });
    showPreferences();
}

void frmMain::placeOnScreen() {
    WindowPlacement::place(*this, m_services.preferences ? m_services.preferences->windowGeometry()
                                                         : QByteArray());
}

QString frmMain::shownName(const QString& handle) const {
    Automation* object = oSkype();
    return object ? object->shownName(handle) : handle;
}

void frmMain::actedCalls_Added(const AnsweredCall& call, const QDateTime& when) {
    const CallOutcome outcome = CallOutcome::of(call.outcome);
    const QString name = shownName(call.handle);
    m_lastCallLabel->setText(
        tr("Last: %1, %2, %3").arg(name, when.toString(QStringLiteral("HH:mm")), outcome.words));
    if (!m_services.notifications ||
        (m_services.preferences && !m_services.preferences->notifiesWhenAnswering()))
        return;
    switch (outcome.result) {
    case CallOutcome::Result::AnsweredWithVideo:
        m_services.notifications->notify(tr("Pellorin answered %1").arg(name),
                                         tr("Your video is on."));
        break;
    case CallOutcome::Result::Answered:
        m_services.notifications->notify(tr("Pellorin answered %1").arg(name), {});
        break;
    case CallOutcome::Result::Failed:
        m_services.notifications->notify(tr("Pellorin could not answer %1").arg(name), outcome.why);
        break;
    case CallOutcome::Result::NotAnswered:
        break;
    }
}

void frmMain::MDIForm_Load() {
    runHandler(m_errors, [this] {
        if (!m_services.autoAttach)
            m_services.messages.showAndWait(
                tr("Please attach Pellorin to your %1 client first before using any "
                   "features,\r\nby clicking on File > Attach to %1")
                    .arg(m_services.automation.clientName()),
                MsgBoxStyle::Information, Product::name);
        // A plain white client area, no logo.
        oBackground = std::make_unique<CMdiBackground>(m_windowSystem);
        oBackground->setClient(&m_backgroundClient);
        oBackground->setColor(0, 0x00FFFFFF);
        oBackground->setColor(1, 0x00FFFFFF);
        oBackground->setBackStyle(1);
        oBackground->setGraphicPosition(0);
        oBackground->setAutoRefresh(true);
    });
    // From the event loop, with the window shown: the user may use it while the
    // first try waits for the client.
    if (m_services.autoAttach)
        QTimer::singleShot(0, m_attachment, [this] { m_attachment->startAutoAttach(); });
}

Automation* frmMain::oSkype() const {
    return m_attachment->oSkype();
}

void frmMain::mnuAttach_Click() {
    runHandler(m_errors, [this] { m_attachment->mnuAttach_Click(); });
}

void frmMain::oSkype_CallStatus(SkypeCallPtr call, int status) {
    runHandler(m_errors, [&] { m_callHandler.oSkype_CallStatus(call, status); });
}

ListBox& frmMain::reachCallsList() {
    return m_autoCallList.reach().LstCallAutoAnswer();
}

ListBox& frmMain::reachVideoCallsList() {
    return m_autoVideoCallList.reach().LstVideoCallAutoAnswer();
}

bool frmMain::reachVideoOption() {
    return m_autoVideoCallList.reach().chkAutoAnswerIncWithVid()->isChecked();
}

void frmMain::mnuCallOnlyAutoAnswerList_Click() {
    runHandler(m_errors, [this] { m_autoCallList.show(); });
}

void frmMain::mnuVideoCallsList_Click() {
    runHandler(m_errors, [this] { m_autoVideoCallList.show(); });
}

CMdiBackground& frmMain::background() {
    if (!oBackground)
        throw RunTimeError(
            91, UiText("RunTimeError",
                       QT_TRANSLATE_NOOP("RunTimeError",
                                         "Object variable or With block variable not set")));
    return *oBackground;
}

void frmMain::mnuShowLogo_Click() {
    runHandler(m_errors, [this] {
        background().setGraphic(m_imgBackPicture);
        background().setGraphicPosition(CMdiBackground::Tiled);
    });
}

void frmMain::mnuHideLogo_Click() {
    runHandler(m_errors, [this] {
        background().setGraphic(m_imgBackPicture);
        background().setGraphicPosition(0);
    });
}

void frmMain::backgroundClient_Resize() {
    runHandler(m_errors, [this] { m_backgroundClient.raiseResize(); });
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    backgroundClient_Resize();
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Coming back from minimised: the size may be the same, the background is not.
    if (event->type() == QEvent::WindowStateChange &&
        (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized))
        backgroundClient_Resize();
}

void frmMain::mnuSkypeContacts_Click() {
    runHandler(m_errors, [this] { m_contactWindow.show(); });
}
void frmMain::mnuAnsweredCalls_Click() {
    runHandler(m_errors, [this] { m_answeredCalls.show(); });
}

void frmMain::mnuMinimizeToTray_Click() {
    runHandler(m_errors, [this] { minimize_to_tray(); });
}

void frmMain::minimize_to_tray() {
    // An icon that the desktop cannot show would leave the program running with
    // no window and no way back to it.
    if (!trayRecord.isAvailable()) {
        m_services.messages.show(
            tr("This desktop has no notification area to put Pellorin's icon in, "
               "so the window stays open."),
            MsgBoxStyle::Exclamation, Product::name);
        return;
    }
    hide();
    m_inTray = true;
    trayRecord.add(trayIcon(), trayTip());
}

// The desktop reports actions on the icon, not presses and releases: the left
// button's is Trigger, the right button's Context. Either brings the window back;
// any other action (a double or middle click) leaves the icon where it is.
void frmMain::trayRecord_Activated(NotificationIcon::Action action) {
    if (m_unloaded || (action != NotificationIcon::Action::Trigger &&
                       action != NotificationIcon::Action::Context))
        return;
    bringBack();
}

void frmMain::bringBack() {
    if (m_unloaded)
        return;
    runHandler(m_errors, [this] {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
        m_inTray = false;
        trayRecord.remove();
    });
}

void frmMain::mnuAbout_Click() {
    runHandler(m_errors, [this] { m_about.show(); });
}

void frmMain::mnuHomePage_Click() {
    m_services.shell.open(Product::homePage, /*maximised=*/true);
}

void frmMain::unloadChildren() {
    // In the order the windows were loaded.
    const QList<QMdiSubWindow*> children = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* child : children)
        child->close();
}

void frmMain::MDIForm_Unload() {
    m_inTray = false;
    trayRecord.remove();
}

void frmMain::endProgram() {
    m_unloaded = true;
    // Where the window is, for the next start; a settings file that cannot be
    // written has said so in the log.
    if (m_services.preferences) {
        try {
            m_services.preferences->setWindowGeometry(saveGeometry());
        } catch (const RunTimeError&) {
        }
    }
    // A call event that is already on its way finds nobody listening.
    m_attachment->release();
    hide();
    emit programEnded();
}

void frmMain::mnuExit_Click() {
    unloadChildren();
    MDIForm_Unload();
    endProgram();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!m_unloaded) {
        unloadChildren();
        MDIForm_Unload();
        endProgram();
    }
    event->accept();
}
