#include "app/frm_main.h"
#include "fakes/file_bytes.h"
#include "fakes/recorders.h"
#include "lists/list_file.h"
#include "platform/pause.h"
#include "skype/api_session.h"
#include "skype/dbus_automation.h"
#include "standin_process.h"

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
    ThreadPause pause; // the real second between answering and starting video
    frmMain window(AppServices{boxes, shell, pause, automation, dir.path()});
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

    // The lookups are on show in the list windows the first ring loaded.
    EXPECT_TRUE(window.autoCallList().isLoaded());
    EXPECT_TRUE(window.autoVideoCallList().isLoaded());

    for (quint32 id : {fromBob, fromAlice, fromCarol})
        standIn.hangup(id);
    standIn.stop();
}

} // namespace
