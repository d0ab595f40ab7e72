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

// The program, copied into a folder of its own that holds its list files, its
// record under that folder's state/ and its log kept.
class Program {
public:
    explicit Program(const QTemporaryDir& dir) : m_dir(dir.path()) {
        QFile::copy(QStringLiteral(PELLORIN_PROGRAM), path());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), dir.filePath(QStringLiteral("state")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
    }
    ~Program() {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    QString path() const { return m_dir + QStringLiteral("/pellorin"); }
    QString recordPath() const { return m_dir + QStringLiteral("/state/pellorin/calls.log"); }
    QProcess& process() { return m_process; }
    bool start(const QStringList& arguments) {
        m_process.start(path(), arguments);
        return m_process.waitForStarted(10000);
    }
    bool logged(const QString& text) {
        m_log += QString::fromLocal8Bit(m_process.readAll());
        return m_log.contains(text);
    }
    QString log() const { return m_log; }

private:
    QString m_dir;
    QProcess m_process;
    QString m_log;
};

bool answered(StandInProcess& standIn, quint32 id) {
    return standIn.history(id).join('\n').contains(QStringLiteral("ALTER CALL %1 ANSWER").arg(id));
}

TEST(Unattended, StaysAttachedAcrossAClientRestartAndRecordsTheAnsweredCalls) {
    QTemporaryDir dir;
    ASSERT_TRUE(FileBytes::put(dir.filePath(ListFile::CallsFileName), "bob\r\n"));
    auto standIn = std::make_unique<StandInProcess>();
    ASSERT_TRUE(standIn->start()) << standIn->error().toStdString();
    Program program(dir);
    ASSERT_TRUE(program.start({"--auto-attach"}));

    // No notice, no click: attached, and a listed caller is answered.
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.logged("Attached to the calling client."); },
                                10000))
        << program.log().toStdString();
    const quint32 first = standIn->ring("bob");
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered(*standIn, first); }, 5000));

    // The client quits and comes back.
    standIn->stop();
    standIn = std::make_unique<StandInProcess>();
    ASSERT_TRUE(standIn->start()) << standIn->error().toStdString();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return program.logged("Attached to the calling client again."); }, 5000))
        << program.log().toStdString();
    QTest::qWait(3000);
    const quint32 second = standIn->ring("bob");
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered(*standIn, second); }, 5000))
        << program.log().toStdString();
    const quint32 unlisted = standIn->ring("carol");
    QTest::qWait(1000);
    EXPECT_FALSE(answered(*standIn, unlisted));

    // Exactly the two answered calls, one line each.
    const QStringList lines =
        QString::fromUtf8(FileBytes::get(program.recordPath())).split('\n', Qt::SkipEmptyParts);
    const QRegularExpression line(
        "^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d\tdesktop-api\tbob\tcalls\tanswered$");
    ASSERT_EQ(lines.size(), 2) << lines.join('|').toStdString();
    for (const QString& text : lines)
        EXPECT_TRUE(line.match(text).hasMatch()) << text.toStdString();

    // A second start on the same bus hands over to this one and ends.
    QProcess second_start;
    second_start.setProcessEnvironment(program.process().processEnvironment());
    second_start.start(program.path(), {"--auto-attach"});
    ASSERT_TRUE(second_start.waitForFinished(10000));
    EXPECT_EQ(second_start.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second_start.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return program.logged("showing the window"); }, 5000))
        << program.log().toStdString();
    EXPECT_EQ(program.process().state(), QProcess::Running);
}

} // namespace
