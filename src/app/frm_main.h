#pragma once

#include "app_services.h"
#include "background/c_mdi_background.h"
#include "background/qt_mdi_client.h"
#include "background/qt_window_system.h"
#include "contacts/frm_contact.h"
#include "answering/acted_calls.h"
#include "frm_about.h"
#include "frm_answered_calls.h"
#include "lists/frm_auto_call_list.h"
#include "lists/frm_auto_video_call_list.h"
#include "platform/error_report.h"
#include "platform/notification_icon.h"
#include "platform/window_instance.h"
#include "client/automation.h"
#include "answering/call_handler.h"
#include "app/command_line.h"

#include <QIcon>
#include <QMainWindow>

#include <map>

class Attachment;
class Preferences;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;

// The main window: a multiple-document window with the menu bar, the attached
// automation object oSkype and its event handlers, and the parent of every child
// window. Its handlers are thin: the logic lives in the classes they call.
class frmMain : public QMainWindow, private AutoAnswerLists {
    Q_OBJECT
public:
    explicit frmMain(const AppServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Load step, run once at start before the window is shown: the attach prompt,
    // which waits until the user has closed it, then the background painter over
    // the client area. Auto-attaching, there is no prompt: attaching starts.
    void MDIForm_Load();

    // Menu commands. Each reports its own failure and returns.
    void mnuAttach_Click();
    void mnuExit_Click();
    void mnuCallOnlyAutoAnswerList_Click();
    void mnuVideoCallsList_Click();
    void mnuShowLogo_Click();
    void mnuHideLogo_Click();
    void mnuSkypeContacts_Click();
    void mnuMinimizeToTray_Click();
    void mnuAnsweredCalls_Click();
    void mnuHomePage_Click();
    void mnuAbout_Click();
    // Options > Calling Client and the items after it (with Preferences only).
    void mnuCallingClient_Click(CommandLineOptions::Client client);
    void mnuBaresipControl_Click();
    void mnuAttachAutomatically_Click();
    void mnuStartAtLogin_Click();
    void mnuNotifyWhenAnswering_Click();

    // Before the window is first shown: where the user left it, or wholly on the
    // screen the pointer is on.
    void placeOnScreen();

    // Hides the window behind its icon in the notification area; the icon's
    // left button or its context action brings the window back. Where the
    // desktop has no notification area the window stays and a box says so.
    void minimize_to_tray();

    // Shows the window again wherever it is (hidden behind the notification-area
    // icon, minimised, under other windows), as a click on the icon does.
    void bringBack();

    // The client's calls, through oSkype.
    void oSkype_CallStatus(SkypeCallPtr call, int status);

    Automation* oSkype() const;
    QMdiArea* mdiArea() const { return m_mdiArea; }
    // The run-time error box of every handler of the program's windows.
    ErrorReport& errors() { return m_errors; }

    // The two list editor windows, one program-wide instance each.
    WindowInstance<frmAutoCallList>& autoCallList() { return m_autoCallList; }
    WindowInstance<frmAutoVideoCallList>& autoVideoCallList() { return m_autoVideoCallList; }
    // The contact browser.
    WindowInstance<frmContact>& contactWindow() { return m_contactWindow; }
    WindowInstance<frmAbout>& about() { return m_about; }
    WindowInstance<frmAnsweredCalls>& answeredCalls() { return m_answeredCalls; }
    // The status bar's words about the latest call the program acted on.
    QLabel* lastCallLabel() const { return m_lastCallLabel; }

signals:
    // Exit was chosen, or the window was closed: the program ends now. Nothing of
    // it runs any more (no handler, no box, no request to the client).
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Size and state changes reach the background painter (which ignores them
    // while the window is minimised).
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    QMenu* addMenu(QMenu* parent, const char* name, const QString& caption);
    QAction* addCommand(QMenu* menu, const char* name, const QString& caption,
                        void (frmMain::*handler)());
    void addSeparator(QMenu* menu, const char* name);
    void buildPreferenceItems(QMenu* options, Preferences& preferences);
    // The check marks of the preference items, as things are.
    void showPreferences();
    // The captions that name the client in use.
    QString attachCaption() const;
    QString contactsCaption() const;
    // The client in use changed: the menus name the new one, open list windows
    // take its typed addresses, and the attachment to the old one goes.
    void preferences_ClientChanged();
    // The attachment's state in the status bar and on the notification-area
    // icon (its tip, and the icon greyed while not attached).
    void showAttachState();
    QIcon trayIcon() const;
    QString trayTip() const;
    void unloadChildren();
    // A call went into the record: the status bar and a notification say so.
    void actedCalls_Added(const AnsweredCall& call, const QDateTime& when);
    // A handle as the windows show the caller.
    QString shownName(const QString& handle) const;

    // What the call handler reaches: the list windows, loaded on first reach.
    ListBox& reachCallsList() override;
    ListBox& reachVideoCallsList() override;
    bool reachVideoOption() override;

    void MDIForm_Unload();
    void trayRecord_Activated(NotificationIcon::Action action);
    // After the unload steps: the client's events no longer reach the program,
    // the window goes and the program ends.
    void endProgram();
    CMdiBackground& background();
    void backgroundClient_Resize();

    AppServices m_services;
    ErrorReport m_errors;
    QMdiArea* m_mdiArea;
    Attachment* m_attachment;
    QWidget* Picture1;
    QLabel* imgBack;
    // The status bar's word on the attachment (left, stretching).
    QLabel* m_stateLabel;
    bool m_inTray = false;
    QAction* m_attachCommand = nullptr;
    QAction* m_contactsCommand = nullptr;
    // The preference items, with Preferences only.
    std::map<CommandLineOptions::Client, QAction*> m_clientItems;
    QAction* m_attachAutomatically = nullptr;
    QAction* m_startAtLogin = nullptr;
    QAction* m_notifyWhenAnswering = nullptr;
    // The status bar's latest call acted on (right).
    QLabel* m_lastCallLabel;
    WindowInstance<frmAutoCallList> m_autoCallList;
    WindowInstance<frmAutoVideoCallList> m_autoVideoCallList;
    WindowInstance<frmContact> m_contactWindow;
    WindowInstance<frmAbout> m_about;
    WindowInstance<frmAnsweredCalls> m_answeredCalls;
    // The window's notification-area icon.
    NotificationIcon& trayRecord;
    // The calls acted on: into the record, then to the status bar, the
    // notification and the Answered Calls window.
    ActedCalls m_actedCalls;
    CallHandler m_callHandler;
    bool m_unloaded = false;
    // The background painter, its view of this window, and imgBack's picture.
    QtWindowSystem m_windowSystem;
    QtMdiClient m_backgroundClient;
    PictureRef m_imgBackPicture;
    std::unique_ptr<CMdiBackground> oBackground;
};
