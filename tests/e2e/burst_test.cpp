#include "app/frm_main.h"
#include "fakes/file_bytes.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"
#include "lists/list_file.h"
#include "platform/message_box.h"
#include "client/desktop_api/api_session.h"
#include "client/desktop_api/dbus_automation.h"
#include "standin_process.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace {

// The process's resident memory now, and at its peak, in KiB.
qint64 memoryKiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

QList<QMessageBox*> openBoxes() {
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible())
            boxes << box;
    return boxes;
}

// The real message boxes, and the most that were open at one time (looked at
// after every box and every few milliseconds).
class WatchedBoxes : public QtMessageBoxService {
public:
    WatchedBoxes() {
        QObject::connect(&m_sampler, &QTimer::timeout, [this] { look(); });
        m_sampler.start(5);
    }
    std::shared_ptr<ShownBox> show(const QString& text, int style, const QString& title) override {
        auto box = QtMessageBoxService::show(text, style, title);
        ++shown;
        look();
        return box;
    }
    void look() { mostOpen = std::max(mostOpen, int(openBoxes().size())); }

    int shown = 0;
    int mostOpen = 0;

private:
    QTimer m_sampler;
};

// Runs the event loop as the program does (QTest::qWaitFor sleeps between its
// turns) until `done` or the timeout.
bool runUntil(const std::function<bool()>& done, int timeoutMs) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    poll.start(20);
    if (!done())
        loop.exec();
    return done();
}

bool answered(StandInProcess& standIn, quint32 id) {
    for (const QString& line : standIn.history(id))
        if (line.contains(QStringLiteral("<- ")) && line.endsWith(QStringLiteral(" ANSWER")))
            return true;
    return false;
}

// A burst of calls that fail when the program looks at them, from the client's
// own process: no crash, memory bounded, one error box at a time, and listed
// callers are answered during the burst and after it.
TEST(Burst, TenThousandFailingCallsLeaveOneBoxAndCallsAnswered) {
    constexpr quint32 Half = 5000;
    StandInProcess standIn;
    ASSERT_TRUE(standIn.start()) << standIn.error().toStdString();
    QTemporaryDir dir;
    ASSERT_TRUE(FileBytes::put(dir.filePath(ListFile::CallsFileName), "bob\r\n"));

    DBusAutomationFactory automation;
    WatchedBoxes boxes;
    RecordingShellOpen shell;
    RecordingNotificationIcon tray;
    RecordingPause pause;
    frmMain window(AppServices{boxes, shell, pause, automation, tray, dir.path()});
    window.show();
    window.mnuAttach_Click();
    ASSERT_TRUE(runUntil([] { return openBoxes().size() == 1; }, 5000));
    openBoxes().first()->close(); // "successfully attached": the user closes it
    QTest::qWait(50);
    boxes.mostOpen = 0;
    boxes.shown = 0;

    const qint64 before = memoryKiB("VmRSS:");
    QElapsedTimer clock;
    clock.start();
    standIn.ringGone(Half);
    const quint32 during = standIn.ring("bob");
    standIn.ringGone(Half);

    // Every failure is either the one the box shows or counted in it.
    ASSERT_TRUE(
        runUntil([&] { return window.errors().moreFailures() == int(2 * Half) - 1; }, 240000))
        << window.errors().moreFailures();
    const double seconds = clock.elapsed() / 1000.0;
    ASSERT_TRUE(runUntil([&] { return answered(standIn, during); }, 5000));
    EXPECT_EQ(boxes.shown, 1);
    EXPECT_EQ(boxes.mostOpen, 1);
    ASSERT_EQ(openBoxes().size(), 1);
    EXPECT_TRUE(openBoxes().first()->text().endsWith(
        "9999 more failures happened while this box was open; the log lists them."));

    // The user closes the box; the next listed caller is answered and opens none.
    openBoxes().first()->close();
    const quint32 after = standIn.ring("bob");
    EXPECT_TRUE(runUntil([&] { return answered(standIn, after); }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(boxes.shown, 1);
    EXPECT_TRUE(openBoxes().isEmpty());

    const qint64 peak = memoryKiB("VmHWM:");
    std::printf("burst: %u failing call events in %.1f s; resident memory %.1f MiB before, "
                "peak %.1f MiB; at most %d box open\n",
                2 * Half, seconds, before / 1024.0, peak / 1024.0, boxes.mostOpen);
#ifndef __SANITIZE_ADDRESS__ // its quarantine keeps freed memory on purpose
    // Bounded: the events of the burst come and go, nothing piles up per event.
    EXPECT_LT(peak - before, 64 * 1024);
#endif
    standIn.stop();
}

} // namespace
