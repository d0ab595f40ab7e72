// The installed way of leaving the program running: the real program with
// --auto-attach on this test's private session bus, the stand-in client beside
// it, nobody at the keyboard.

#include "fakes/file_bytes.h"
#include "lists/list_file.h"
#include "standin_process.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

bool answered(StandInProcess& standIn, quint32 id) {
    return standIn.history(id).join('\n').contains(QStringLiteral("ALTER CALL %1 ANSWER").arg(id));
}

TEST(Unattended, StaysAttachedAcrossAClientRestartAndRecordsTheAnsweredCalls) {
    // The program in a folder of its own with its calls list; its record in state/.
    QTemporaryDir dir;
    const QString program = dir.filePath("pellorin");
    ASSERT_TRUE(QFile::copy(PELLORIN_PROGRAM, program));
    ASSERT_TRUE(FileBytes::put(dir.filePath(ListFile::CallsFileName), "bob\r\n"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_STATE_HOME", dir.filePath("state"));
    QProcess first;
    first.setProcessEnvironment(env);
    first.setProcessChannelMode(QProcess::MergedChannels);
    QString log;
    const auto logged = [&](const QString& text) {
        log += QString::fromLocal8Bit(first.readAll());
        return log.contains(text);
    };

    auto standIn = std::make_unique<StandInProcess>();
    ASSERT_TRUE(standIn->start()) << standIn->error().toStdString();
    first.start(program, {"--auto-attach"});
    // No notice, no click: attached, and a listed caller is answered.
    ASSERT_TRUE(QTest::qWaitFor([&] { return logged("Attached to the calling client."); }, 10000))
        << log.toStdString();
    const quint32 before = standIn->ring("bob");
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered(*standIn, before); }, 5000));

    // The client quits and comes back; 3 s later a listed caller rings, an
    // unlisted one too.
    standIn->stop();
    standIn = std::make_unique<StandInProcess>();
    ASSERT_TRUE(standIn->start()) << standIn->error().toStdString();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return logged("Attached to the calling client again."); }, 5000))
        << log.toStdString();
    QTest::qWait(3000);
    const quint32 after = standIn->ring("bob");
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered(*standIn, after); }, 5000));
    const quint32 unlisted = standIn->ring("carol");
    QTest::qWait(1000);
    EXPECT_FALSE(answered(*standIn, unlisted));

    // Exactly the two answered calls, one line each.
    const QStringList lines =
        QString::fromUtf8(FileBytes::get(dir.filePath("state/pellorin/calls.log")))
            .split('\n', Qt::SkipEmptyParts);
    const QRegularExpression line("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d"
                                  "\tdesktop-api\tbob\tcalls\tanswered$");
    ASSERT_EQ(lines.size(), 2) << lines.join('|').toStdString();
    for (const QString& text : lines)
        EXPECT_TRUE(line.match(text).hasMatch()) << text.toStdString();

    // A second start on the same bus hands over to this one and ends.
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, {"--auto-attach"});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return logged("showing the window"); }, 5000));
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(5000);
}

} // namespace
