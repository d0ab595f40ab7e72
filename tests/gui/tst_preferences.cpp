// The items of Options that main() offers (Calling Client, Attach Automatically,
// Start at Login) over fake clients, with the settings and the autostart entry
// in a temporary $XDG_CONFIG_HOME; and the texts that name the client in use.

#include "answering/call_log_file.h"
#include "app/autostart_entry.h"
#include "app/client_in_use.h"
#include "app/frm_main.h"
#include "app/preferences.h"
#include "app/settings.h"
#include "app/startup.h"
#include "fakes/fake_client.h"
#include "fakes/file_bytes.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"
#include "platform/message_box.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <array>

using Client = CommandLineOptions::Client;
Q_DECLARE_METATYPE(Client)

namespace {

// The program as main() puts it together, one fake client per client, the list
// files in the configuration folder.
struct Program {
    std::array<FakeClient, 3>& clients;
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    RecordingNotificationIcon tray;
    RecordingPause pause;
    Settings settings{Settings::defaultPath()};
    ClientInUse automation;
    CallLogFile calls;
    Preferences preferences;
    std::unique_ptr<frmMain> window;

    Program(std::array<FakeClient, 3>& fakes, Client client, bool autoAttachOption = false)
        : clients(fakes), automation(setup(client),
                                     [this](const ClientSetup& s) {
                                         return std::make_unique<FakeAutomationFactory>(
                                             clients[static_cast<size_t>(s.client)]);
                                     }),
          calls(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                    .filePath("calls.log"),
                clientId(client)),
          preferences(
              settings, automation,
              AutostartEntry(AutostartEntry::defaultPath(),
                             AutostartEntry::commandFor(QCoreApplication::applicationFilePath())),
              boxes, &calls) {
        window =
            startProgram(AppServices{.messages = boxes,
                                     .shell = shell,
                                     .pause = pause,
                                     .automation = automation,
                                     .trayIcon = tray,
                                     .programDir = QDir::tempPath(),
                                     .callRecord = &calls,
                                     .autoAttach = autoAttachOption || settings.saved().autoAttach,
                                     .preferences = &preferences});
    }
    static ClientSetup setup(Client client) {
        ClientSetup s;
        s.client = client;
        return s;
    }
    QAction* item(const char* name) {
        auto* a = window->findChild<QAction*>(QLatin1String(name));
        if (!a)
            qFatal("no item %s", name);
        return a;
    }
    FakeAutomation* attached() { return qobject_cast<FakeAutomation*>(window->oSkype()); }
};

} // namespace

class PreferencesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void textsNameTheClientInUse_data();
    void textsNameTheClientInUse();
    void choosingAnotherClientAtRunTime();
    void attachAutomaticallyAndStartAtLogin();
    void settingsThatCannotBeWrittenAreReportedOnce();

private:
    std::unique_ptr<QTemporaryDir> m_config;
    std::array<FakeClient, 3> m_clients;
};

void PreferencesTest::init() {
    m_config = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", m_config->path().toLocal8Bit());
    for (FakeClient& client : m_clients)
        client = FakeClient();
}

void PreferencesTest::textsNameTheClientInUse_data() {
    QTest::addColumn<Client>("client");
    QTest::addColumn<QStringList>("texts");
    // The attach command, the contacts command, the notice at start, and the
    // boxes of attaching: not running, attached, refused.
    QTest::newRow("desktop API") << Client::DesktopApi
                                 << QStringList{
                                        "&Attach to Skype",
                                        "Skype Contacts",
                                        "Please attach Pellorin to your Skype client first before "
                                        "using any features,\r\nby clicking on File > Attach to "
                                        "Skype",
                                        "Please start your Skype client first.",
                                        "Pellorin has successfully attached itself to your Skype "
                                        "client.",
                                        "Unfortunately, Pellorin could not attached itself to "
                                        "your Skype client."};
    QTest::newRow("Jami") << Client::Jami
                          << QStringList{
                                 "&Attach to Jami",
                                 "Jami Contacts",
                                 "Please attach Pellorin to your Jami client first before using "
                                 "any features,\r\nby clicking on File > Attach to Jami",
                                 "Please start your Jami client first.",
                                 "Pellorin has successfully attached itself to your Jami client.",
                                 "Unfortunately, Pellorin could not attached itself to your Jami "
                                 "client."};
    QTest::newRow("baresip")
        << Client::Baresip
        << QStringList{"&Attach to baresip",
                       "baresip Contacts",
                       "Please attach Pellorin to your baresip client first before using any "
                       "features,\r\nby clicking on File > Attach to baresip",
                       "Please start your baresip client first.",
                       "Pellorin has successfully attached itself to your baresip client.",
                       "Unfortunately, Pellorin could not attached itself to your baresip client."};
}

void PreferencesTest::textsNameTheClientInUse() {
    QFETCH(Client, client);
    QFETCH(QStringList, texts);
    // Started with the client, and switched to it from another one at run time.
    for (const bool switched : {false, true}) {
        Program program(m_clients, switched
                                       ? (client == Client::Jami ? Client::Baresip : Client::Jami)
                                       : client);
        if (switched)
            program
                .item(client == Client::DesktopApi ? "mnuClientDesktopApi"
                      : client == Client::Baresip  ? "mnuClientBaresip"
                                                   : "mnuClientJami")
                ->trigger();
        FakeClient& fake = m_clients[static_cast<size_t>(client)];
        QStringList shown = {program.item("mnuAttach")->text(),
                             program.item("mnuSkypeContacts")->text()};
        if (!switched)
            shown << program.boxes.texts();
        program.boxes.shown.clear();
        fake.running = false;
        program.window->mnuAttach_Click();
        fake.running = true;
        fake.attachOutcomes = {{0}, {2}};
        program.window->mnuAttach_Click();
        program.window->mnuAttach_Click();
        shown << program.boxes.texts();
        QCOMPARE(shown, switched ? texts.mid(0, 2) + texts.mid(3) : texts);
    }
}

void PreferencesTest::choosingAnotherClientAtRunTime() {
    FakeClient& desktop = m_clients[0];
    FakeClient& jami = m_clients[static_cast<size_t>(Client::Jami)];
    {
        desktop.attachOutcomes = {{0}};
        Program program(m_clients, Client::DesktopApi, /*autoAttachOption=*/true);
        QVERIFY(program.attached() && desktop.created.back() == program.attached());
        QVERIFY(program.attached()->attached());

        // The attachment to the old client goes; auto-attaching, the new one is
        // attached at once, and the record names it.
        jami.attachOutcomes = {{0}};
        program.item("mnuClientJami")->trigger();
        QVERIFY(program.item("mnuClientJami")->isChecked());
        QVERIFY(!program.item("mnuClientDesktopApi")->isChecked());
        QTRY_VERIFY(desktop.created.back().isNull());
        QVERIFY(program.attached() && jami.created.back() == program.attached());
        QVERIFY(program.attached()->attached());
        QCOMPARE(program.boxes.texts().count(
                     "Pellorin has successfully attached itself to your Jami client."),
                 1);
        program.calls.add(AnsweredCall{"alice", "calls", "answered"});
        QVERIFY(QString::fromUtf8(FileBytes::get(program.calls.path()))
                    .contains("\tjami\talice\tcalls\tanswered\n"));
        program.window->mnuExit_Click();
    }
    // Saved for the next start.
    QCOMPARE(Settings(Settings::defaultPath()).saved().client, Client::Jami);
}

void PreferencesTest::attachAutomaticallyAndStartAtLogin() {
    FakeClient& desktop = m_clients[0];
    const QString entry = m_config->filePath("autostart/pellorin.desktop");
    {
        Program program(m_clients, Client::DesktopApi);
        QCOMPARE(program.boxes.waitedFor.size(), size_t(1)); // the notice
        QVERIFY(!program.item("mnuAttachAutomatically")->isChecked());
        QVERIFY(!program.item("mnuStartAtLogin")->isChecked());
        QVERIFY(desktop.log.empty());

        // On: attached at once, saved.
        desktop.attachOutcomes = {{0}};
        program.item("mnuAttachAutomatically")->trigger();
        QVERIFY(program.attached() && program.attached()->attached());
        QCOMPARE(Settings(Settings::defaultPath()).saved().autoAttach, true);

        program.item("mnuStartAtLogin")->trigger();
        QVERIFY(program.item("mnuStartAtLogin")->isChecked());
        QVERIFY(QFile::exists(entry));
        const QString text = QString::fromUtf8(FileBytes::get(entry));
        QVERIFY2(text.contains("\nExec=" + QCoreApplication::applicationFilePath() + "\n"),
                 qPrintable(text));
        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        if (!validator.isEmpty()) {
            QProcess validate;
            validate.start(validator, {entry});
            QVERIFY(validate.waitForFinished(10000));
            QVERIFY2(validate.exitCode() == 0, validate.readAllStandardOutput().constData());
        }
        program.window->mnuExit_Click();
    }
    {
        // The next start: no notice, attached by itself; the entry is there.
        desktop.log.clear();
        desktop.attachOutcomes = {{0}};
        Program program(m_clients, Client::DesktopApi);
        QVERIFY(program.boxes.waitedFor.empty());
        QVERIFY(program.item("mnuAttachAutomatically")->isChecked());
        QVERIFY(program.item("mnuStartAtLogin")->isChecked());
        FakeAutomation* attached = program.attached();
        QVERIFY(attached && attached->attached());

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
        QVERIFY(!program.item("mnuStartAtLogin")->isChecked());

        // An entry of the user's own: shown as there, removed or replaced only
        // when the user says so.
        const QByteArray own = "[Desktop Entry]\nType=Application\nName=Mine\nExec=pellorin "
                               "--auto-attach\n";
        QVERIFY(FileBytes::put(entry, own));
        emit program.window->findChild<QMenu*>("mnuOptions")->aboutToShow();
        QVERIFY(program.item("mnuStartAtLogin")->isChecked());
        program.boxes.shown.clear();
        program.item("mnuStartAtLogin")->trigger(); // off, and the user says No
        QCOMPARE(FileBytes::get(entry), own);
        QVERIFY(program.item("mnuStartAtLogin")->isChecked());
        QCOMPARE(program.boxes.shown.size(), size_t(1));
        QCOMPARE(program.boxes.shown[0].style, MsgBoxStyle::Question);
        program.boxes.answer = true;
        program.item("mnuStartAtLogin")->trigger(); // off, Yes
        QVERIFY(!QFile::exists(entry));
    }
}

void PreferencesTest::settingsThatCannotBeWrittenAreReportedOnce() {
    // The settings' folder cannot be made: a file is in its place.
    QVERIFY(FileBytes::put(m_config->filePath("pellorin"), "not a folder"));
    Program program(m_clients, Client::DesktopApi);
    program.boxes.shown.clear();
    m_clients[0].attachOutcomes = {{0}};
    program.item("mnuAttachAutomatically")->trigger();
    program.item("mnuClientJami")->trigger();
    program.item("mnuAttachAutomatically")->trigger();
    // One box; every change is in effect all the same.
    QCOMPARE(program.boxes.texts().size(), 2);
    QCOMPARE(program.boxes.shown[0].text,
             QStringLiteral("Pellorin has successfully attached itself to your Skype client."));
    QVERIFY2(program.boxes.shown[1].text.startsWith("Run-time error '75':"),
             qPrintable(program.boxes.texts().join('|')));
    QVERIFY(program.item("mnuClientJami")->isChecked());
    QCOMPARE(program.item("mnuAttach")->text(), QStringLiteral("&Attach to Jami"));
    QVERIFY(!program.item("mnuAttachAutomatically")->isChecked());
}

QTEST_MAIN(PreferencesTest)
#include "tst_preferences.moc"
