// The whole program attached to a real baresip (B) on the loopback address,
// with three more baresip instances calling it: A on the calls list, V on the
// video calls list, X on neither.

#include "app/frm_main.h"
#include "client/baresip/baresip_automation_factory.h"
#include "baresip_control.h"
#include "baresip_process.h"
#include "fakes/file_bytes.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"
#include "lists/list_file.h"
#include "platform/pause.h"

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int CallSetupMs = 10000;
constexpr int StartMs = 15000;
// The instances end by themselves after this, should this test not end them.
constexpr int LifetimeSeconds = 120;

// What the caller's own baresip says of the video it gets from B, a second apart.
struct Received {
    VideoStats before;
    VideoStats after;
};

Received videoFromB(BaresipControl& caller) {
    Received received;
    received.before = parseVideoStats(caller.command(QStringLiteral("video_debug")).data);
    QTest::qWait(1000);
    received.after = parseVideoStats(caller.command(QStringLiteral("video_debug")).data);
    return received;
}

// The call's video stream as B reports it, a second apart.
Received videoOfB(BaresipControl& atB, const QString& callId) {
    EXPECT_TRUE(atB.command(QStringLiteral("callfind"), callId).data.contains(callId));
    return videoFromB(atB);
}

std::string text(const RecordingMessageBox& boxes) {
    return boxes.texts().join(QLatin1Char('|')).toStdString();
}

TEST(Baresip, PellorinAnswersTheSipCallersOnItsLists) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    BaresipProcess a(QStringLiteral("alice"), dir.path());
    BaresipProcess v(QStringLiteral("victor"), dir.path());
    BaresipProcess x(QStringLiteral("xavier"), dir.path());
    BaresipProcess b(QStringLiteral("bob"), dir.path());
    for (BaresipProcess* caller : {&a, &v, &x})
        ASSERT_TRUE(caller->start(StartMs, LifetimeSeconds)) << caller->error().toStdString();
    b.setContacts(
        {{QStringLiteral("Alice"), a.address()}, {QStringLiteral("Victor"), v.address()}});
    ASSERT_TRUE(b.start(StartMs, LifetimeSeconds)) << b.error().toStdString();

    const QString programDir = dir.filePath(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(programDir));
    ASSERT_TRUE(FileBytes::put(QDir(programDir).filePath(ListFile::CallsFileName),
                               a.handle().toUtf8() + "\r\n"));
    ASSERT_TRUE(FileBytes::put(QDir(programDir).filePath(ListFile::VideoCallsFileName),
                               v.handle().toUtf8() + "\r\n"));

    // What B told the program, as it arrived.
    std::vector<SeenEvent> toPellorin;
    BaresipAutomationFactory automation(QStringLiteral("127.0.0.1"), b.controlPort(), {}, [&] {
        return std::make_unique<TappedControlSocket>(toPellorin);
    });
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    ThreadPause pause; // the real second between answering and starting video
    RecordingNotificationIcon tray;
    frmMain window(AppServices{boxes, shell, pause, automation, tray, programDir});
    window.show();

    window.mnuAttach_Click();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return boxes.texts().contains(
                QStringLiteral("Pellorin has successfully attached itself to your baresip client."));
        },
        5000))
        << text(boxes);
    boxes.shown.clear();
    std::vector<int> attachment;
    QObject::connect(window.oSkype(), &Automation::AttachmentStatus,
                     [&](int status) { attachment.push_back(status); });

    BaresipControl fromA, fromV, fromX;
    ASSERT_TRUE(fromA.connectTo(a.controlPort()));
    ASSERT_TRUE(fromV.connectTo(v.controlPort()));
    ASSERT_TRUE(fromX.connectTo(x.controlPort()));

    // A, on the calls list: Pellorin answers, as A and B both report.
    fromA.command(QStringLiteral("dial"), b.address());
    ASSERT_TRUE(fromA.waitFor(QStringLiteral("CALL_ESTABLISHED"), {}, CallSetupMs)) << text(boxes);
    const QString callA = fromA.find(QStringLiteral("CALL_ESTABLISHED"))->event.callId;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return findEvent(toPellorin, QStringLiteral("CALL_ESTABLISHED"), callA).has_value();
        },
        5000));
    EXPECT_TRUE(findEvent(toPellorin, QStringLiteral("CALL_INCOMING"), callA));

    // V, on the video calls list: answered too, and B's video follows.
    fromV.command(QStringLiteral("dial"), b.address());
    ASSERT_TRUE(fromV.waitFor(QStringLiteral("CALL_ESTABLISHED"), {}, CallSetupMs)) << text(boxes);
    const QString callV = fromV.find(QStringLiteral("CALL_ESTABLISHED"))->event.callId;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return parseVideoStats(fromV.command(QStringLiteral("video_debug")).data).shownFrames >
                   0;
        },
        5000))
        << text(boxes);

    // X, on neither list: it keeps ringing.
    fromX.command(QStringLiteral("dial"), b.address());
    ASSERT_TRUE(fromX.waitFor(QStringLiteral("CALL_RINGING"), {}, CallSetupMs));
    const QString callX = fromX.find(QStringLiteral("CALL_RINGING"))->event.callId;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return findEvent(toPellorin, QStringLiteral("CALL_INCOMING"), callX).has_value(); },
        5000));

    // A gets nothing of B's video; V gets it.
    const Received atA = videoFromB(fromA);
    EXPECT_EQ(atA.after.shownFrames, 0);
    EXPECT_EQ(atA.after.receivedPackets, atA.before.receivedPackets);
    const Received atV = videoFromB(fromV);
    EXPECT_GT(atV.after.shownFrames, atV.before.shownFrames);
    EXPECT_GT(atV.after.receivedPackets, atV.before.receivedPackets);

    EXPECT_FALSE(fromX.find(QStringLiteral("CALL_ESTABLISHED")));
    EXPECT_FALSE(findEvent(toPellorin, QStringLiteral("CALL_ESTABLISHED"), callX));
    EXPECT_TRUE(boxes.shown.empty()) << text(boxes);

    // The test takes B's control socket (baresip keeps one connection): the
    // program's closes, which its attached object reports once.
    BaresipControl atB;
    ASSERT_TRUE(atB.connectTo(b.controlPort()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !attachment.empty(); }, 5000));
    QTest::qWait(200);
    EXPECT_EQ(attachment, std::vector<int>{AttachStatus::NotAvailable});

    // B's own account: the stream to A sends nothing (it stopped at once, on the
    // answer), the one to V sends its source's frames.
    const Received toA = videoOfB(atB, callA);
    EXPECT_EQ(toA.after.sentPackets, toA.before.sentPackets);
    // baresip 1.0.0 starts sending on the answer whatever it answered: what
    // went before the caller agreed to receive-only (a frame, as a rule) must
    // stay well under a second's worth.
    EXPECT_LT(toA.after.sentPackets, 25);
    const Received toV = videoOfB(atB, callV);
    EXPECT_TRUE(toV.after.started);
    EXPECT_EQ(toV.after.source, QStringLiteral("fakevideo"));
    EXPECT_GT(toV.after.sentPackets, toV.before.sentPackets);
    std::printf("video packets B sent: to A %d (at the answer, before A agreed to receive-only), "
                "to V %d\n",
                toA.after.sentPackets, toV.after.sentPackets);
    const QString calls = atB.command(QStringLiteral("listcalls")).data;
    EXPECT_TRUE(calls.contains(QStringLiteral("INCOMING"))) << calls.toStdString();
    EXPECT_TRUE(calls.contains(x.address())) << calls.toStdString();
}

// Left to itself (auto-attach), the program attaches to B without a click and,
// when B is killed and started again, attaches again by itself and answers the
// next listed caller.
TEST(Baresip, AutoAttachAnswersAgainAfterBaresipRestarts) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    BaresipProcess a(QStringLiteral("alice"), dir.path());
    BaresipProcess b(QStringLiteral("bob"), dir.path());
    ASSERT_TRUE(a.start(StartMs, LifetimeSeconds)) << a.error().toStdString();
    ASSERT_TRUE(b.start(StartMs, LifetimeSeconds)) << b.error().toStdString();
    const QString programDir = dir.filePath(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(programDir));
    ASSERT_TRUE(FileBytes::put(QDir(programDir).filePath(ListFile::CallsFileName),
                               a.handle().toUtf8() + "\r\n"));

    BaresipAutomationFactory automation(QStringLiteral("127.0.0.1"), b.controlPort());
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    RecordingPause pause;
    RecordingNotificationIcon tray;
    RecordingCallRecord record;
    frmMain window(AppServices{boxes, shell, pause, automation, tray, programDir, &record, true});
    window.MDIForm_Load();
    window.show();
    // Attaching by itself, it says so in the status bar alone.
    const auto state = [&] { return window.findChild<QLabel*>("lblAttachState")->text(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return state() == "Attached to baresip"; }, 5000))
        << state().toStdString();
    std::vector<int> statuses;
    QObject::connect(window.oSkype(), &Automation::AttachmentStatus,
                     [&](int status) { statuses.push_back(status); });

    ASSERT_TRUE(b.restart(StartMs, LifetimeSeconds)) << b.error().toStdString();
    // Gone (once, or again for a try that came while baresip was starting), then back.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !statuses.empty() && statuses.back() == AttachStatus::Success; }, 5000));
    statuses.pop_back();
    EXPECT_FALSE(statuses.empty());
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), AttachStatus::NotAvailable),
              std::ssize(statuses));

    BaresipControl fromA;
    ASSERT_TRUE(fromA.connectTo(a.controlPort()));
    fromA.command(QStringLiteral("dial"), b.address());
    ASSERT_TRUE(fromA.waitFor(QStringLiteral("CALL_ESTABLISHED"), {}, CallSetupMs)) << text(boxes);
    ASSERT_EQ(record.calls.size(), 1u);
    EXPECT_EQ(record.calls[0].handle, a.handle());
    EXPECT_EQ(record.calls[0].outcome, QStringLiteral("answered"));
    EXPECT_EQ(state(), "Attached to baresip");
    EXPECT_EQ(boxes.texts(), QStringList{});
}

} // namespace
