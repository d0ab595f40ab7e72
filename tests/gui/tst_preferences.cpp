// The items of Options that main() adds (Calling Client, Attach Automatically,
// Start at Login) over fake clients, with the settings and the autostart entry
// in a temporary $XDG_CONFIG_HOME; and the texts that name the client in use.

#include "answering/call_log_file.h"
#include "app/client_in_use.h"
#include "app/frm_main.h"
#include "app/preferences.h"
#include "app/settings.h"
#include "app/startup.h"
#include "fakes/fake_client.h"
#include "fakes/file_bytes.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using Client = CommandLineOptions::Client;

namespace {

// The program as main() puts it together, over one fake client per client.
struct Program {
    std::array<FakeClient, 3>& fakes;
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    RecordingNotificationIcon tray;
    RecordingPause pause;
    Settings settings{Settings::defaultPath()};
    ClientInUse automation;
    CallLogFile calls{QDir::temp().filePath("tst_preferences_calls.log"), "desktop-api"};
    Preferences preferences{
        settings, automation,
        AutostartEntry(AutostartEntry::defaultPath(), QCoreApplication::applicationFilePath()),
        boxes, &calls};
    std::unique_ptr<frmMain> window;

    Program(std::array<FakeClient, 3>& clients, Client client, bool autoAttachOption = false)
        : fakes(clients), automation({client}, [this](const ClientSetup& s) {
              return std::make_unique<FakeAutomationFactory>(fakes[size_t(s.client)]);
          }) {
        window = startProgram({.messages = boxes,
                               .shell = shell,
                               .pause = pause,
                               .automation = automation,
                               .trayIcon = tray,
                               .programDir = QDir::tempPath(),
                               .callRecord = &calls,
                               .autoAttach = autoAttachOption || settings.saved().autoAttach,
                               .preferences = &preferences});
    }
    ~Program() { QFile::remove(calls.path()); }
    QAction* item(const QString& name) { return window->findChild<QAction*>(name); }
    FakeAutomation* attached() { return qobject_cast<FakeAutomation*>(window->oSkype()); }
};

const char* const ClientItems[] = {"mnuClientDesktopApi", "mnuClientBaresip", "mnuClientJami"};

} // namespace

class PreferencesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void textsNameTheClientInUse_data();
    void textsNameTheClientInUse();
    void choosingAnotherClientAtRunTime();
    void attachAutomaticallyAndStartAtLogin();
    void theClientInUseIsKeptAndTheLastChangeSaved();
    void aStartWithNoneChosenSearchesUntilOneRuns();
    void startAtLoginFollowsTheEntry_data();
    void startAtLoginFollowsTheEntry();
    void settingsThatCannotBeWrittenAreReportedOnce();
    void notifyWhenAnsweringAndTheWindowsPlaceAreKept();

private:
    std::unique_ptr<QTemporaryDir> m_config;
    std::array<FakeClient, 3> m_fakes;
};

void PreferencesTest::init() {
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
    m_fakes = {};
}

void PreferencesTest::textsNameTheClientInUse_data() {
    QTest::addColumn<int>("client");
    QTest::addColumn<QStringList>("texts");
    // The attach and contacts commands, the notice at start, the boxes of
    // attaching: not running, attached.
    QTest::newRow("desktop API") << int(Client::DesktopApi)
                                 << QStringList{
                                        "&Attach to Skype", "Skype Contacts",
                                        "Please attach Pellorin to your Skype client first before "
                                        "using any features,\r\nby clicking on File > Attach to "
                                        "Skype",
                                        "Please start your Skype client first.",
                                        "Pellorin has successfully attached itself to your Skype "
                                        "client."};
    QTest::newRow("Jami") << int(Client::Jami)
                          << QStringList{
                                 "&Attach to Jami", "Jami Contacts",
                                 "Please attach Pellorin to your Jami client first before using "
                                 "any features,\r\nby clicking on File > Attach to Jami",
                                 "Please start your Jami client first.",
                                 "Pellorin has successfully attached itself to your Jami client."};
    QTest::newRow("baresip")
        << int(Client::Baresip)
        << QStringList{"&Attach to baresip", "baresip Contacts",
                       "Please attach Pellorin to your baresip client first before "
                       "using any features,\r\nby clicking on File > Attach to baresip",
                       "Please start your baresip client first.",
                       "Pellorin has successfully attached itself to your baresip "
                       "client."};
}

void PreferencesTest::textsNameTheClientInUse() {
    QFETCH(int, client);
    QFETCH(QStringList, texts);
    // Started with the client, and switched to it from another one at run time.
    for (const bool switched : {false, true}) {
        Program program(m_fakes, Client(switched ? (client + 1) % 3 : client));
        if (switched)
            program.item(ClientItems[client])->trigger();
        QStringList shown = {program.item("mnuAttach")->text(),
                             program.item("mnuSkypeContacts")->text()};
        if (!switched)
            shown << program.boxes.texts();
        program.boxes.shown.clear();
        FakeClient& fake = m_fakes[size_t(client)];
        fake.running = false;
        program.window->mnuAttach_Click();
        fake.running = true;
        fake.attachOutcomes = {{0}};
        program.window->mnuAttach_Click();
        QCOMPARE(shown + program.boxes.texts(), switched ? texts.mid(0, 2) + texts.mid(3) : texts);
    }
}

void PreferencesTest::choosingAnotherClientAtRunTime() {
    FakeClient& desktop = m_fakes[size_t(Client::DesktopApi)];
    FakeClient& jami = m_fakes[size_t(Client::Jami)];
    desktop.attachOutcomes = jami.attachOutcomes = {{0}};
    Program program(m_fakes, Client::DesktopApi, /*autoAttachOption=*/true);
    program.window->mnuCallOnlyAutoAnswerList_Click();
    jami.takesAddresses = true;
    // The first try starts from the event loop, with the window shown.
    QTRY_VERIFY(program.attached() && program.attached() == desktop.created.back());

    // The old attachment goes; auto-attaching, the new client is attached at
    // once; the record names it; the choice is saved; the open list takes the
    // new client's typed addresses.
    program.item("mnuClientJami")->trigger();
    const QLineEdit* address = program.window->autoCallList().reach().txtAddress();
    QVERIFY(address && !address->isHidden());
    QVERIFY(program.item("mnuClientJami")->isChecked());
    QTRY_VERIFY(desktop.created.back().isNull());
    QVERIFY(program.attached() && program.attached() == jami.created.back());
    QVERIFY(program.attached()->attached());
    QCOMPARE(program.window->findChild<QLabel*>("lblAttachState")->text(),
             QStringLiteral("Attached to Jami"));
    program.calls.add(AnsweredCall{"alice", "calls", "answered"});
    QVERIFY(FileBytes::get(program.calls.path()).contains("\tjami\talice\tcalls\tanswered\n"));
    QCOMPARE(Settings(Settings::defaultPath()).saved().client, Client::Jami);
}

void PreferencesTest::attachAutomaticallyAndStartAtLogin() {
    FakeClient& desktop = m_fakes[0];
    const QString entry = m_config->filePath("autostart/pellorin.desktop");
    {
        Program program(m_fakes, Client::DesktopApi);
        QCOMPARE(program.boxes.waitedFor.size(), size_t(1)); // the notice
        QVERIFY(!program.item("mnuAttachAutomatically")->isChecked());
        QVERIFY(!program.item("mnuStartAtLogin")->isChecked());
        QVERIFY(desktop.log.empty());

        desktop.attachOutcomes = {{0}};
        program.item("mnuAttachAutomatically")->trigger(); // on: attached at once, client kept
        QVERIFY(program.attached() && program.attached()->attached());
        QCOMPARE(Settings(Settings::defaultPath()).saved().client, Client::DesktopApi);
        program.item("mnuStartAtLogin")->trigger(); // on: a valid entry that starts this program
        QVERIFY(program.item("mnuStartAtLogin")->isChecked());
        QVERIFY(FileBytes::get(entry).contains(
            "\nExec=" + QCoreApplication::applicationFilePath().toUtf8() + "\n"));
        QProcess validate;
        validate.start("desktop-file-validate", {entry});
        QVERIFY(validate.waitForFinished(10000));
        QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
    }
    // The next start: no notice, attached by itself; the entry is there.
    desktop.attachOutcomes = {{0}};
    Program program(m_fakes, Client::DesktopApi);
    QVERIFY(program.boxes.waitedFor.empty());
    QVERIFY(program.item("mnuAttachAutomatically")->isChecked());
    QVERIFY(program.item("mnuStartAtLogin")->isChecked());
    QTRY_VERIFY(program.attached() && program.attached()->attached());
    FakeAutomation* attached = program.attached();

    // Off: the attachment stays, and when it ends nothing attaches again.
    program.item("mnuAttachAutomatically")->trigger();
    QCOMPARE(program.attached(), attached);
    QVERIFY(attached->attached());
    QCOMPARE(Settings(Settings::defaultPath()).saved().autoAttach, false);
    const int attaches = desktop.count("attach 5 0");
    desktop.raiseAttachmentStatus(*attached, AttachStatus::NotAvailable);
    QTest::qWait(100);
    QCOMPARE(desktop.count("attach 5 0"), attaches);
    program.item("mnuStartAtLogin")->trigger();
    QVERIFY(!QFile::exists(entry));

    // An entry of the user's own is shown as there, and not removed unasked.
    const QByteArray own = "[Desktop Entry]\nType=Application\nName=Mine\nExec=pellorin\n";
    QVERIFY(FileBytes::put(entry, own));
    emit program.window->findChild<QMenu*>("mnuOptions")->aboutToShow();
    QVERIFY(program.item("mnuStartAtLogin")->isChecked());
    program.item("mnuStartAtLogin")->trigger(); // No
    QCOMPARE(FileBytes::get(entry), own);
    QVERIFY(program.item("mnuStartAtLogin")->isChecked());
    QCOMPARE(program.boxes.shown.back().style, MsgBoxStyle::Question);
}

void PreferencesTest::theClientInUseIsKeptAndTheLastChangeSaved() {
    // Start at Login keeps the client in use (found running, never chosen).
    Program program(m_fakes, Client::Baresip);
    program.item("mnuStartAtLogin")->trigger();
    QCOMPARE(Settings(Settings::defaultPath()).saved().client, Client::Baresip);
    // A typo corrected while the change to it takes effect (its attach waits).
    bool again = true;
    connect(&program.preferences, &Preferences::clientChanged, this, [&] {
        if (std::exchange(again, false))
            program.preferences.setBaresipControl("127.0.0.1:5555");
    });
    program.preferences.setBaresipControl("192.0.2.99:4444");
    QCOMPARE(Settings(Settings::defaultPath()).saved().baresipControl,
             program.preferences.setup().baresipControl);
    QCOMPARE(program.preferences.setup().baresipControl.port, 5555);
}

void PreferencesTest::aStartWithNoneChosenSearchesUntilOneRuns() {
    struct : RunningClients {
        bool jamiRuns = false;
        bool jami() override { return jamiRuns; }
        bool desktopApi() override { return false; }
        bool baresip(const ControlAddress&) override { return false; }
    } running;
    m_fakes[size_t(Client::Jami)].attachOutcomes = {{0}};
    Program program(m_fakes, Client::DesktopApi, /*autoAttachOption=*/true);
    program.preferences.searchForClient(running, 10);
    program.item("mnuStartAtLogin")->trigger(); // keeps none while none is chosen
    QTest::qWait(50);
    QVERIFY(!program.item("mnuClientDesktopApi")->isChecked());
    QVERIFY(!Settings(Settings::defaultPath()).saved().client);
    const auto state = [&] { return program.window->findChild<QLabel*>("lblAttachState")->text(); };
    QCOMPARE(state(), QStringLiteral("Not attached: no calling client is running"));
    running.jamiRuns = true;
    QTRY_VERIFY(program.attached() && program.attached()->attached() &&
                program.attached() == m_fakes[size_t(Client::Jami)].created.back());
    QVERIFY(program.item("mnuClientJami")->isChecked());
    QCOMPARE(state(), QStringLiteral("Attached to Jami"));
    QCOMPARE(Settings(Settings::defaultPath()).saved().client, Client::Jami);
}

void PreferencesTest::startAtLoginFollowsTheEntry_data() {
    // "ours...": as a Pellorin at another path wrote it, then with "..." (a later line wins).
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("asked");
    QTest::newRow("ours") << QByteArray("ours") << true << false;
    QTest::newRow("ours, turned off")
        << QByteArray("oursX-GNOME-Autostart-enabled=false\n") << false << true;
    QTest::newRow("ours, edited") << QByteArray("oursExec=pellorin --client jami\n") << true
                                  << true;
    QTest::newRow("the user's, hidden")
        << QByteArray("[Desktop Entry]\nExec=pellorin\n Hidden = true\n[Desktop Action A]\n")
        << false << true;
}

void PreferencesTest::startAtLoginFollowsTheEntry() {
    QFETCH(QByteArray, entry);
    QFETCH(bool, checked);
    QFETCH(bool, asked);
    const QString path = AutostartEntry::defaultPath();
    AutostartEntry(path, "/elsewhere/pellorin").write();
    if (entry.startsWith("ours"))
        entry = FileBytes::get(path) + entry.mid(4);
    QVERIFY(FileBytes::put(path, entry));
    Program program(m_fakes, Client::DesktopApi);
    QCOMPARE(program.item("mnuStartAtLogin")->isChecked(), checked);
    program.boxes.shown.clear();
    program.item("mnuStartAtLogin")->trigger(); // No, when asked
    QCOMPARE(!program.boxes.shown.empty(), asked);
    QCOMPARE(FileBytes::get(path), asked ? entry : QByteArray("<missing>"));
}

void PreferencesTest::settingsThatCannotBeWrittenAreReportedOnce() {
    // The settings' folder cannot be made: a file is in its place.
    QVERIFY(FileBytes::put(m_config->filePath("pellorin"), "not a folder"));
    m_fakes[0].attachOutcomes = {{0}};
    Program program(m_fakes, Client::DesktopApi);
    program.boxes.shown.clear();
    program.item("mnuAttachAutomatically")->trigger();
    program.item("mnuClientJami")->trigger();
    program.item("mnuAttachAutomatically")->trigger();
    // One box (attaching by itself shows none); every change is in effect all the same.
    QCOMPARE(program.boxes.texts().size(), 1);
    QVERIFY(program.boxes.shown[0].text.startsWith("Run-time error '75':"));
    QCOMPARE(program.item("mnuAttach")->text(), QStringLiteral("&Attach to Jami"));
    QVERIFY(!program.item("mnuAttachAutomatically")->isChecked());
}

QTEST_MAIN(PreferencesTest)

void PreferencesTest::notifyWhenAnsweringAndTheWindowsPlaceAreKept() {
    QRect place;
    {
        Program program(m_fakes, Client::DesktopApi);
        QVERIFY(program.item("mnuNotifyWhenAnswering")->isChecked()); // on at first
        program.item("mnuNotifyWhenAnswering")->trigger();
        program.window->setGeometry(40, 50, 500, 400);
        place = program.window->geometry();
        program.window->mnuExit_Click();
    }
    Program program(m_fakes, Client::DesktopApi);
    QVERIFY(!program.item("mnuNotifyWhenAnswering")->isChecked());
    QCOMPARE(program.window->geometry(), place);
}

#include "tst_preferences.moc"
