// The whole program attached to a real jamid (Jami's daemon) on a private
// session bus, with a SIP account on the loopback address that three baresip
// instances call: A on the calls list, V on the video calls list, X on neither.

#include "app/frm_main.h"
#include "baresip_control.h"
#include "baresip_process.h"
#include "client/jami/jami_automation_factory.h"
#include "fakes/file_bytes.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"
#include "jami_process.h"
#include "lists/list_file.h"
#include "platform/pause.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int CallSetupMs = 10000;
constexpr int StartMs = 15000;
constexpr int LifetimeSeconds = 120;

const QString Attached =
    QStringLiteral("Pellorin has successfully attached itself to your Skype client.");

std::string text(const RecordingMessageBox& boxes) {
    return boxes.texts().join(QLatin1Char('|')).toStdString();
}

// What a caller's baresip says of the video it gets, a second apart.
std::pair<VideoStats, VideoStats> videoReceived(BaresipControl& caller) {
    const VideoStats before = parseVideoStats(caller.command(QStringLiteral("video_debug")).data);
    QTest::qWait(1000);
    return {before, parseVideoStats(caller.command(QStringLiteral("video_debug")).data)};
}

TEST(Jami, PellorinAnswersTheSipCallersOnItsLists) {
    if (JamiProcess::program().isEmpty())
        GTEST_SKIP() << "jamid is not installed (scripts/install-deps.sh installs jami-daemon)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    JamiProcess jamid(dir.path());
    ASSERT_TRUE(jamid.start()) << jamid.error().toStdString();
    ASSERT_FALSE(jamid.addSipAccount(QStringLiteral("bob")).isEmpty())
        << jamid.error().toStdString();
    BaresipProcess a(QStringLiteral("alice"), dir.path());
    BaresipProcess v(QStringLiteral("victor"), dir.path());
    BaresipProcess x(QStringLiteral("xavier"), dir.path());
    for (BaresipProcess* caller : {&a, &v, &x})
        ASSERT_TRUE(caller->start(StartMs, LifetimeSeconds)) << caller->error().toStdString();

    // jamid names a SIP caller user@host, without the port.
    const QString programDir = dir.filePath(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(programDir));
    ASSERT_TRUE(FileBytes::put(QDir(programDir).filePath(ListFile::CallsFileName),
                               "alice@127.0.0.1\r\n"));
    ASSERT_TRUE(FileBytes::put(QDir(programDir).filePath(ListFile::VideoCallsFileName),
                               "victor@127.0.0.1\r\n"));

    JamiAutomationFactory automation({}, {}, jamid.videoSource());
    RecordingMessageBox boxes;
    RecordingShellOpen shell;
    ThreadPause pause; // the real second between answering and starting video
    RecordingNotificationIcon tray;
    frmMain window(AppServices{boxes, shell, pause, automation, tray, programDir});
    window.show();

    window.mnuAttach_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxes.texts().contains(Attached); }, 5000))
        << text(boxes);
    boxes.shown.clear();
    std::vector<int> attachment;
    QObject::connect(window.oSkype(), &Automation::AttachmentStatus,
                     [&](int status) { attachment.push_back(status); });

    BaresipControl fromA, fromV, fromX;
    ASSERT_TRUE(fromA.connectTo(a.controlPort()));
    ASSERT_TRUE(fromV.connectTo(v.controlPort()));
    ASSERT_TRUE(fromX.connectTo(x.controlPort()));

    // A, on the calls list: answered.
    fromA.command(QStringLiteral("dial"), jamid.address());
    ASSERT_TRUE(fromA.waitFor(QStringLiteral("CALL_ESTABLISHED"), {}, CallSetupMs))
        << text(boxes) << jamid.log().toStdString();

    // V, on the video calls list: answered, and the user's video follows a
    // second later.
    fromV.command(QStringLiteral("dial"), jamid.address());
    ASSERT_TRUE(fromV.waitFor(QStringLiteral("CALL_ESTABLISHED"), {}, CallSetupMs)) << text(boxes);
    EXPECT_EQ(parseVideoStats(fromV.command(QStringLiteral("video_debug")).data).shownFrames, 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return parseVideoStats(fromV.command(QStringLiteral("video_debug")).data).shownFrames >
                   0;
        },
        8000))
        << text(boxes);

    // X, on neither list: it keeps ringing.
    fromX.command(QStringLiteral("dial"), jamid.address());
    ASSERT_TRUE(fromX.waitFor(QStringLiteral("CALL_RINGING"), {}, CallSetupMs));

    // A gets none of the user's video; V gets it.
    const auto [atABefore, atA] = videoReceived(fromA);
    EXPECT_EQ(atA.shownFrames, 0);
    EXPECT_EQ(atA.receivedPackets, atABefore.receivedPackets);
    const auto [atVBefore, atV] = videoReceived(fromV);
    EXPECT_GT(atV.shownFrames, atVBefore.shownFrames);
    EXPECT_FALSE(fromX.find(QStringLiteral("CALL_ESTABLISHED")));
    EXPECT_TRUE(boxes.shown.empty()) << text(boxes);

    // jamid dies mid-call: the attached object says the client is gone, once,
    // and the program goes on (the attach command answers).
    jamid.kill();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !attachment.empty(); }, 5000));
    QTest::qWait(200);
    EXPECT_EQ(attachment, std::vector<int>{AttachStatus::NotAvailable});
    window.mnuAttach_Click();
    EXPECT_TRUE(boxes.texts().contains(QStringLiteral("Please start your Skype client first.")))
        << text(boxes);
}

} // namespace
