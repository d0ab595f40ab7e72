#include "answering/call_log_file.h"
#include "app/frm_main.h"
#include "fakes/fake_client.h"
#include "fakes/file_bytes.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"
#include "lists/list_file.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

// Ringing calls through the main window, over a fake client, with the two real
// list windows and their files in a temporary directory.
class CallAnsweringTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakeClient> m_client;
    std::unique_ptr<FakeAutomationFactory> m_factory;
    std::unique_ptr<RecordingMessageBox> m_boxes;
    std::unique_ptr<RecordingPause> m_pause;
    RecordingShellOpen m_shell;
    RecordingNotificationIcon m_tray;
    RecordingNotifications m_notifications;
    std::unique_ptr<CallLogFile> m_record;
    std::unique_ptr<frmMain> m_main;

    void putLists(const QByteArray& calls, const QByteArray& video) {
        QVERIFY(FileBytes::put(m_dir->filePath(ListFile::CallsFileName), calls));
        QVERIFY(FileBytes::put(m_dir->filePath(ListFile::VideoCallsFileName), video));
    }
    // Rings a call from `caller` through the attached oSkype; returns the call.
    std::shared_ptr<FakeCall> ring(const QString& caller, int status = 4) {
        auto call = m_client->makeCall(caller, status);
        m_client->raiseCallStatus(call, status);
        return call;
    }
    int answers(const std::shared_ptr<FakeCall>& call) const {
        return m_client->count(QStringLiteral("answer %1").arg(call->id()));
    }
    int videoStarts(const std::shared_ptr<FakeCall>& call) const {
        return m_client->count(QStringLiteral("startVideoSend %1").arg(call->id()));
    }
    static void flushClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_client = std::make_unique<FakeClient>();
        m_client->addContacts({"alice", "bob", "carol", "dave"});
        m_factory = std::make_unique<FakeAutomationFactory>(*m_client);
        m_boxes = std::make_unique<RecordingMessageBox>();
        m_pause = std::make_unique<RecordingPause>();
        m_notifications.sent.clear();
        m_record = std::make_unique<CallLogFile>(m_dir->filePath("calls.log"), "fake");
        m_main = std::make_unique<frmMain>(
            AppServices{.messages = *m_boxes,
                        .shell = m_shell,
                        .pause = *m_pause,
                        .automation = *m_factory,
                        .trayIcon = m_tray,
                        .programDir = m_dir->path(),
                        .callRecord = m_record.get(),
                        .callLogPath = m_record->path(),
                        .notifications = &m_notifications});
        m_main->show();
        m_client->attachOutcomes = {{0}};
        m_main->mnuAttach_Click();
        m_boxes->shown.clear();
    }

    void cleanup() {
        m_main.reset();
        flushClosedWindows();
    }

    void otherStatusesLoadNothing() {
        putLists("bob\r\n", "bob\r\n");
        for (int status : {0, 1, 2, 3, 5, 6, 7, 8, 11, 13, -1}) {
            auto call = ring("bob", status);
            QCOMPARE(answers(call), 0);
        }
        QVERIFY(!m_main->autoCallList().isLoaded());
        QVERIFY(!m_main->autoVideoCallList().isLoaded());
        QCOMPARE(m_client->count("partnerHandle 100"), 0);
    }

    void firstRingLoadsBothWindowsAndShowsTheLookups() {
        putLists("alice\r\nbob\r\n", "carol\r\n");
        auto call = ring("bob");
        QCOMPARE(answers(call), 1);
        QCOMPARE(videoStarts(call), 0);
        QVERIFY(m_pause->pauses.empty());

        QVERIFY(m_main->autoCallList().isLoaded());
        QVERIFY(m_main->autoVideoCallList().isLoaded());
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), 2);
        QVERIFY(m_main->autoCallList().subWindow()->isVisible());
        QVERIFY(m_main->autoVideoCallList().subWindow()->isVisible());
        frmAutoCallList& calls = m_main->autoCallList().reach();
        QCOMPARE(calls.contactList().items(), QStringList({"alice", "bob", "carol", "dave"}));
        QCOMPARE(calls.LstCallAutoAnswer().listIndex(), 1);
        QCOMPARE(m_main->autoVideoCallList().reach().LstVideoCallAutoAnswer().listIndex(), -1);

        // The menu shows the window as the lookup left it.
        m_main->mnuCallOnlyAutoAnswerList_Click();
        QCOMPARE(calls.LstCallAutoAnswer().text(), QStringLiteral("bob"));
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), 2);
        QVERIFY(m_boxes->shown.empty());
    }

    void windowEditsCountBeforeTheyAreSaved() {
        putLists("bob\r\n", "");
        frmAutoCallList& calls = m_main->autoCallList().reach();
        calls.contactList().setListIndex(2); // carol
        calls.CmdAdd_Click();
        calls.LstCallAutoAnswer().setListIndex(0); // bob
        calls.CmdRemove_Click();
        QCOMPARE(calls.LstCallAutoAnswer().items(), QStringList{"carol"});

        auto fromCarol = ring("carol");
        auto fromBob = ring("bob");
        QCOMPARE(answers(fromCarol), 1);
        QCOMPARE(answers(fromBob), 0);

        // Closed without saving: the next ring reads the file again.
        m_main->autoCallList().unload();
        flushClosedWindows();
        auto again = ring("bob");
        QCOMPARE(answers(again), 1);
        QVERIFY(m_main->autoCallList().isLoaded());
    }

    void onlyTheVideoWindowsVideoOptionCounts() {
        putLists("bob\r\n", "carol\r\n");
        // The calls window's options are nobody's business.
        frmAutoCallList& calls = m_main->autoCallList().reach();
        calls.chkAutoAnswerIncWithVid()->setChecked(true);
        auto fromBob = ring("bob");
        QCOMPARE(answers(fromBob), 1);
        QCOMPARE(videoStarts(fromBob), 0);
        QVERIFY(m_pause->pauses.empty());

        // The video window starts with video chosen.
        auto fromCarol = ring("carol");
        QCOMPARE(answers(fromCarol), 1);
        QCOMPARE(videoStarts(fromCarol), 1);
        QCOMPARE(m_pause->pauses, std::vector<int>{1000});

        // Choosing its sibling answers without video.
        m_main->autoVideoCallList().reach().chkAutoAnswerInc()->setChecked(true);
        auto second = ring("carol");
        QCOMPARE(answers(second), 1);
        QCOMPARE(videoStarts(second), 0);
        QCOMPARE(m_pause->pauses.size(), size_t(2));
    }

    void callerOnBothListsIsAnsweredOnceWithVideo() {
        putLists("bob\r\n", "bob\r\n");
        auto call = ring("bob");
        QCOMPARE(answers(call), 1);
        QCOMPARE(videoStarts(call), 1);
        QVERIFY(m_boxes->shown.empty());
    }

    // Each call acted on reaches the status bar, a desktop notification and the
    // open Answered Calls window.
    void callsActedOnAreShownNotifiedAndListed() {
        putLists("bob\r\n", "carol\r\n");
        m_main->mnuAnsweredCalls_Click();
        AnsweredCallsModel& listed = m_main->answeredCalls().reach().model();
        struct Row {
            const char* caller;
            bool fails;
            const char* last;
            const char* notified;
        };
        const Row rows[] = {
            {"carol", false, "answered with video", "Pellorin answered carol|Your video is on."},
            {"bob", false, "answered", "Pellorin answered bob|"},
            {"bob", true, "answer failed", "Pellorin could not answer bob|Action failed"},
        };
        for (const Row& row : rows) {
            if (row.fails)
                m_client->failOn("answer", RunTimeError(559, "Action failed"), 1);
            ring(row.caller);
            QVERIFY2(QRegularExpression(QStringLiteral("^Last: %1, \\d\\d:\\d\\d, %2$")
                                            .arg(row.caller, row.last))
                         .match(m_main->lastCallLabel()->text())
                         .hasMatch(),
                     qPrintable(m_main->lastCallLabel()->text()));
            QCOMPARE(m_notifications.sent.last(), QString::fromUtf8(row.notified));
            QCOMPARE(listed.entries().front().handle, QString::fromUtf8(row.caller));
        }
        QCOMPARE(m_notifications.sent.size(), 3);
        QCOMPARE(listed.rowCount(), 3);
    }

    void failuresAreReportedAndLaterCallsAnswered() {
        putLists("bob\r\n", "");
        m_client->failOn("answer", RunTimeError(559, "Action failed"), 1);
        auto hungUp = ring("bob");
        QCOMPARE(m_boxes->shown.size(), size_t(1));
        QCOMPARE(m_boxes->shown[0].text,
                 QStringLiteral("Run-time error '559':\r\n\r\nAction failed"));
        QCOMPARE(m_boxes->shown[0].style, 48);
        QCOMPARE(m_boxes->shown[0].title, QStringLiteral("Pellorin"));
        QVERIFY(m_main->isVisible());

        auto next = ring("bob");
        QCOMPARE(answers(next), 1);
        QCOMPARE(m_boxes->shown.size(), size_t(1));
    }

    // The error box stays open while the user has not closed it; the program goes
    // on answering, and further failures go into that one box.
    void whileTheErrorBoxIsOpenListedCallersAreAnswered() {
        putLists("bob\r\n", "");
        m_boxes->keepOpen = true;
        m_client->failOn("answer", RunTimeError(559, "Action failed"), 3);
        for (int i = 0; i < 3; ++i)
            ring("bob");
        auto answered = ring("bob");
        QCOMPARE(answers(answered), 1);
        QCOMPARE(m_boxes->shown.size(), size_t(1));
        QCOMPARE(m_boxes->mostOpen, 1);
        QVERIFY(m_boxes->shown[0].text.endsWith(
            "\r\n\r\n2 more failures happened while this box was open; the log lists them."));
    }

    // Lists written by older programs in the Windows-1252 code page, and UTF-8 ones.
    void callersWithLettersBeyondAsciiAreMatched_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("utf8") << QByteArray("jos\xc3\xa9\r\n");
        QTest::newRow("windows1252") << QByteArray("bob\r\njos\xe9\r\n");
    }
    void callersWithLettersBeyondAsciiAreMatched() {
        QFETCH(QByteArray, file);
        putLists(file, "");
        auto call = ring(QString::fromUtf8("jos\xc3\xa9"));
        QCOMPARE(answers(call), 1);
    }

    void aListWindowThatFailsToLoadIsReportedAndTriedAgain() {
        putLists("bob\r\n", "");
        m_client->failOn("friends", RunTimeError(1002, "The client did not answer in time."), 1);
        auto first = ring("bob");
        QCOMPARE(answers(first), 0);
        QCOMPARE(m_boxes->shown.size(), size_t(1));
        QVERIFY(m_boxes->shown[0].text.startsWith("Run-time error '1002':"));
        QVERIFY(!m_main->autoCallList().isLoaded());

        auto second = ring("bob");
        QCOMPARE(answers(second), 1);
    }
};

QTEST_MAIN(CallAnsweringTest)
#include "tst_call_answering.moc"
