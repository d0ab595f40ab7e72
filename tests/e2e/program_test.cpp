#include "app/client_choice.h"
#include "app/client_in_use.h"
#include "app/frm_main.h"
#include "app/preferences.h"
#include "app/settings.h"
#include "app/startup.h"
#include "contacts/frm_contact.h"
#include "fakes/file_bytes.h"
#include "fakes/log_capture.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"
#include "lists/list_file.h"
#include "platform/dbus_desktop_notifications.h"
#include "platform/pause.h"
#include "client/desktop_api/api_session.h"
#include "client/desktop_api/dbus_automation.h"
#include "standin_process.h"

#include <QAction>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDate>
#include <QElapsedTimer>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// What the stand-in heard from the program about one call: the lines it
// received, without timestamps and command ids.
QStringList requestsAbout(StandInProcess& standIn, quint32 id) {
    QStringList requests;
    for (const QString& line : standIn.history(id)) {
        const QStringList parts = line.split(' ');
        if (parts.size() < 3 || parts[1] != "<-")
            continue;
        QStringList words = parts.mid(2);
        if (words.first().startsWith('#'))
            words.removeFirst();
        requests << words.join(' ');
    }
    return requests;
}

bool heard(StandInProcess& standIn, quint32 id, const QString& request) {
    return requestsAbout(standIn, id).contains(request.arg(id));
}

} // namespace

// The desktop's notification service, as much of it as the program uses: on a
// connection of its own to the private bus, it keeps what each Notify said.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList seen; // "summary|body|icon|desktop entry"

    bool start() {
        return m_bus.registerObject("/org/freedesktop/Notifications", this,
                                    QDBusConnection::ExportAllSlots) &&
               m_bus.registerService("org.freedesktop.Notifications");
    }

public slots:
    uint Notify(const QString&, uint, const QString& icon, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int) {
        seen << QStringList{summary, body, icon, hints.value("desktop-entry").toString()}.join('|');
        return uint(seen.size());
    }

private:
    QDBusConnection m_bus =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, "notification-service");
};

namespace {

// The whole program: its main window with the real bus backend, the real list
// windows reading list files, and the stand-in client as a separate process.
TEST(Program, AnswersExactlyTheCallersOnItsLists) {
    StandInProcess standIn;
    ASSERT_TRUE(standIn.start()) << standIn.error().toStdString();

    QTemporaryDir dir;
    // Longer and case-variant handles stand before the callers' own.
    ASSERT_TRUE(FileBytes::put(dir.filePath(ListFile::CallsFileName), "bobby\r\nbob\r\n"));
    ASSERT_TRUE(FileBytes::put(dir.filePath(ListFile::VideoCallsFileName), "Alice\r\nalice\r\n"));

    DBusAutomationFactory automation(LinkTimeouts{
        .attachWaitMs = 5000, .commandMs = 3000, .pendingAfterMs = 300, .handshakeMs = 60000});
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    RecordingNotificationIcon tray;
    ThreadPause pause; // the real second between answering and starting video
    NotificationService notificationService;
    ASSERT_TRUE(notificationService.start());
    DbusDesktopNotifications notifications;
    frmMain window(AppServices{.messages = boxes,
                               .shell = shell,
                               .pause = pause,
                               .automation = automation,
                               .trayIcon = tray,
                               .programDir = dir.path(),
                               .notifications = &notifications});
    window.show();

    window.mnuAttach_Click();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return boxes.texts().contains(
                "Pellorin has successfully attached itself to your Skype client.");
        },
        5000))
        << boxes.texts().join('|').toStdString();
    boxes.shown.clear();

    const quint32 fromBob = standIn.ring("bob");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return heard(standIn, fromBob, "ALTER CALL %1 ANSWER"); }, 5000));
    const quint32 fromAlice = standIn.ring("alice");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return heard(standIn, fromAlice, "ALTER CALL %1 START_VIDEO_SEND"); }, 5000));
    const quint32 fromCarol = standIn.ring("carol");
    // Both lists are looked up (four partner-handle reads), then nothing.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return requestsAbout(standIn, fromCarol).size() >= 4; }, 5000));
    QTest::qWait(300);

    const QString partner = QStringLiteral("GET CALL %1 PARTNER_HANDLE");
    const QString answer = QStringLiteral("ALTER CALL %1 ANSWER");
    EXPECT_EQ(requestsAbout(standIn, fromBob),
              (QStringList{partner, partner, answer, partner, partner}.replaceInStrings(
                  "%1", QString::number(fromBob))));
    EXPECT_EQ(requestsAbout(standIn, fromAlice),
              (QStringList{partner, partner, partner, partner, answer, "GET CALL %1 STATUS",
                           "ALTER CALL %1 START_VIDEO_SEND"}
                   .replaceInStrings("%1", QString::number(fromAlice))));
    EXPECT_EQ(requestsAbout(standIn, fromCarol),
              (QStringList{partner, partner, partner, partner}.replaceInStrings(
                  "%1", QString::number(fromCarol))));
    EXPECT_TRUE(boxes.shown.empty()) << boxes.texts().join('|').toStdString();
    // Exactly one notification for each call answered, the video caller's saying so.
    ASSERT_TRUE(QTest::qWaitFor([&] { return notificationService.seen.size() >= 2; }, 5000));
    QTest::qWait(300);
    EXPECT_EQ(notificationService.seen,
              (QStringList{"Pellorin answered bob||pellorin|example.pellorin.Pellorin",
                           "Pellorin answered alice|Your video is on.|pellorin|"
                           "example.pellorin.Pellorin"}));

    // The lookups are on show in the list windows the first ring loaded.
    EXPECT_TRUE(window.autoCallList().isLoaded());
    EXPECT_TRUE(window.autoVideoCallList().isLoaded());

    for (quint32 id : {fromBob, fromAlice, fromCarol})
        standIn.hangup(id);
    standIn.stop();
}

// A bus with no notification service: sending never waits for it, and the log
// says so once, however many calls were answered.
TEST(Program, NoNotificationServiceCostsOneLogLine) {
    if (QDBusConnection::sessionBus().interface()->activatableServiceNames().value().contains(
            "org.freedesktop.Notifications"))
        GTEST_SKIP() << "a notification daemon is installed for the bus to start";
    LogCapture log;
    DbusDesktopNotifications notifications;
    QElapsedTimer sending;
    sending.start();
    for (int i = 0; i < 20; ++i)
        notifications.notify("Pellorin answered rose", "Your video is on.");
    EXPECT_LT(sending.elapsed(), 200);
    QTest::qWait(500);
    EXPECT_EQ(log.lines.filter("pellorin.notifications").size(), 1) << log.lines.join('|').toStdString();
}

// Opening a list window reads the client's contacts through the window's own
// object. That never attaches the main window: it shows exactly the boxes of its
// own attach commands, and answers no call it was not attached for.
TEST(Program, OnlyTheAttachCommandAttachesTheMainWindow) {
    const QString attached = "Pellorin has successfully attached itself to your Skype client.";
    const QString refused =
        "Unfortunately, Pellorin could not attached itself to your Skype client.";
    struct Row {
        const char* name;
        QStringList standInArguments;
        bool attachFirst;
        bool restartStandIn;         // the client quits and comes back before the window opens
        QStringList boxes;           // all the boxes, in order
        bool contactBrowser = false; // the window that opens; else the calls list
    };
    const Row rows[] = {
        {"neverAttached", {}, false, false, {}},
        {"contactBrowserAfterTheClientCameBack", {}, true, true, {attached}, true},
        {"clientQuitAndCameBack", {}, true, true, {attached}},
        {"refused",
         {"--authorize", "refuse"},
         true,
         false,
         {refused,
          "Run-time error '68':\r\n\r\nThe calling client did not allow Pellorin to use it."}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto standIn = std::make_unique<StandInProcess>(row.standInArguments);
        ASSERT_TRUE(standIn->start()) << standIn->error().toStdString();
        QTemporaryDir dir;
        ASSERT_TRUE(FileBytes::put(dir.filePath(ListFile::CallsFileName), "bob\r\n"));
        DBusAutomationFactory automation(LinkTimeouts{
            .attachWaitMs = 4000, .commandMs = 3000, .pendingAfterMs = 300, .handshakeMs = 60000});
        RecordingMessageBox boxes;
        RecordingShellOpen shell;
        RecordingNotificationIcon tray;
        RecordingPause pause;
        frmMain window(AppServices{boxes, shell, pause, automation, tray, dir.path()});
        window.show();

        if (row.attachFirst) {
            window.mnuAttach_Click();
            ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.shown.empty(); }, 5000));
        }
        if (row.restartStandIn) {
            standIn->stop();
            QTest::qWait(300);
            standIn = std::make_unique<StandInProcess>(row.standInArguments);
            ASSERT_TRUE(standIn->start()) << standIn->error().toStdString();
        }
        if (row.contactBrowser) {
            window.mnuSkypeContacts_Click();
            EXPECT_TRUE(window.contactWindow().isLoaded());
        } else {
            window.mnuCallOnlyAutoAnswerList_Click();
            EXPECT_TRUE(window.autoCallList().isLoaded() ||
                        row.standInArguments.contains("refuse"));
        }
        QTest::qWait(500); // whatever the window's reading raises has arrived

        if (!row.standInArguments.contains("refuse")) {
            const quint32 fromBob = standIn->ring("bob");
            QTest::qWait(500);
            EXPECT_FALSE(heard(*standIn, fromBob, "ALTER CALL %1 ANSWER"));
        }
        EXPECT_EQ(boxes.texts(), row.boxes) << boxes.texts().join('|').toStdString();
        standIn->stop();
    }
}

// The contact browser over the bus: the client's contacts in the client's order,
// and a contact's profile in the ten boxes after a double-click.
TEST(Program, ContactBrowserShowsTheClientsContactsAndAProfile) {
    QTemporaryDir dir;
    const QString contacts = dir.filePath("contacts.txt");
    ASSERT_TRUE(FileBytes::put(contacts, "[zoe]\n[bob]\nFULLNAME=Bob Fenwick\nSEX=MALE\n"
                                         "COUNTRY=gb United Kingdom\nCITY=York\n"
                                         "BIRTHDAY=19700615\nABOUT=Builds things.\n"
                                         "PHONE_MOBILE=+44 7700 900123\nPHONE_HOME=+44 1904 555\n"
                                         "DISPLAYNAME=Bob F.\n[amy]\n"));
    StandInProcess standIn({"--contacts", contacts});
    ASSERT_TRUE(standIn.start()) << standIn.error().toStdString();
    DBusAutomationFactory automation;
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    RecordingPause pause;
    RecordingNotificationIcon tray;
    frmMain window(AppServices{boxes, shell, pause, automation, tray, dir.path()});
    window.show();

    window.mnuSkypeContacts_Click();
    frmContact& browser = window.contactWindow().reach();
    EXPECT_EQ(browser.lstContacts().items(), QStringList({"zoe", "bob", "amy"}));
    browser.lstContacts().setListIndex(1);
    browser.lstContacts_DblClick();

    QStringList shown;
    for (int i = 0; i < ContactDetailCount; ++i)
        shown << browser.detailText(static_cast<ContactDetail>(i));
    EXPECT_EQ(shown,
              QStringList({"Bob Fenwick", "0", "United Kingdom", "York",
                           QLocale::system().toString(QDate(1970, 6, 15), QLocale::ShortFormat),
                           "Builds things.", "+44 7700 900123", "+44 1904 555", "", "Bob F."}));
    EXPECT_TRUE(boxes.shown.empty()) << boxes.texts().join('|').toStdString();
    standIn.stop();
}

// A first start: nothing saved, no options, and only Jami running (its daemon's
// bus name has an owner). Jami is the client, the texts name it, attaching to
// it succeeds, and nothing is saved.
TEST(Program, FirstStartFindsTheClientThatRuns) {
    QTemporaryDir config, dir;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QDBusConnection jamid =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("jamid"));
    ASSERT_TRUE(jamid.registerService(QStringLiteral("cx.ring.Ring")));

    Settings settings(Settings::defaultPath());
    SessionRunningClients running;
    ClientInUse automation(chooseClient(CommandLineOptions{}, settings.saved(), running).setup);
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    RecordingNotificationIcon tray;
    RecordingPause pause;
    Preferences preferences(settings, automation,
                            AutostartEntry(AutostartEntry::defaultPath(), "pellorin"), boxes);
    const std::unique_ptr<frmMain> window = startProgram(AppServices{.messages = boxes,
                                                                     .shell = shell,
                                                                     .pause = pause,
                                                                     .automation = automation,
                                                                     .trayIcon = tray,
                                                                     .programDir = dir.path(),
                                                                     .preferences = &preferences});
    EXPECT_TRUE(boxes.texts().value(0).endsWith("File > Attach to Jami"));
    EXPECT_TRUE(window->findChild<QAction*>("mnuClientJami")->isChecked());
    window->findChild<QAction*>("mnuAttach")->trigger();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return boxes.texts().contains(
                "Pellorin has successfully attached itself to your Jami client.");
        },
        5000))
        << boxes.texts().join('|').toStdString();
    EXPECT_FALSE(QFile::exists(Settings::defaultPath()));
    window->mnuExit_Click();
    jamid.unregisterService(QStringLiteral("cx.ring.Ring"));
    QDBusConnection::disconnectFromBus(QStringLiteral("jamid"));
    qunsetenv("XDG_CONFIG_HOME");
}

} // namespace

#include "program_test.moc"
