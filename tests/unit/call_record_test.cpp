#include "answering/call_handler.h"
#include "answering/call_log_file.h"
#include "fakes/fake_client.h"
#include "fakes/file_bytes.h"
#include "fakes/log_capture.h"
#include "fakes/recorders.h"
#include "platform/list_box.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Lists : AutoAnswerLists {
    ListBox calls, video;
    ListBox& reachCallsList() override { return calls; }
    ListBox& reachVideoCallsList() override { return video; }
    bool reachVideoOption() override { return true; }
};

TEST(CallLogFile, LineFormat) {
    const QDate day(2026, 5, 4);
    const QTime time(18, 30, 2);
    struct Row {
        int offsetSeconds;
        QString client;
        AnsweredCall call;
        QString line;
    };
    const Row rows[] = {
        {7200,
         "baresip",
         {"alice@example.org", "video calls", "answered, video started"},
         "2026-05-04T18:30:02+02:00\tbaresip\talice@example.org\tvideo calls\tanswered, video "
         "started"},
        {-(5 * 3600 + 1800),
         "desktop-api",
         {"bob", "calls", "answered"},
         "2026-05-04T18:30:02-05:30\tdesktop-api\tbob\tcalls\tanswered"},
        {0,
         "desktop-api",
         {"bob", "calls, video calls", "answered"},
         "2026-05-04T18:30:02+00:00\tdesktop-api\tbob\tcalls, video calls\tanswered"},
        // A handle or a description cannot break the line or forge fields.
        {0,
         "baresip",
         {"eve\n2026-01-01T00:00:00+00:00\tx", "calls", "answer failed: a\\b\r\n"},
         "2026-05-04T18:30:02+00:00\tbaresip\teve\\x0a2026-01-01T00:00:00+00:00\\x09x\tcalls\t"
         "answer failed: a\\x5cb\\x0d\\x0a"},
        // Nor hide a character nobody sees: format characters, a C1 control, a
        // line separator.
        {0,
         "jami",
         {"bo\u00adb\u200b\u0085\U000e0001", "calls", "answered\u2028"},
         "2026-05-04T18:30:02+00:00\tjami\tbo\\xadb\\u200b\\x85\\U000e0001\tcalls\t"
         "answered\\u2028"},
    };
    for (const Row& row : rows) {
        const QDateTime when(day, time, Qt::OffsetFromUTC, row.offsetSeconds);
        EXPECT_EQ(CallLogFile::line(when, row.client, row.call), row.line);
    }
}

TEST(CallLogFile, AppendsAndBeginsANewFilePastItsLimit) {
    QTemporaryDir dir;
    const QString path = dir.filePath("state/pellorin/calls.log");
    const AnsweredCall call{"caller", "calls", "answered"};
    const qint64 lineBytes =
        CallLogFile::line(QDateTime::currentDateTime(), "baresip", call).size() + 1;
    CallLogFile log(path, "baresip", 3 * lineBytes);
    // Each row: the lines in calls.log and in calls.log.1 after one more call.
    const std::pair<int, int> rows[] = {{1, 0}, {2, 0}, {3, 0}, {1, 3}, {2, 3}, {3, 3}, {1, 3}};
    for (const auto& [current, older] : rows) {
        log.add(call);
        EXPECT_EQ(QString::fromUtf8(FileBytes::get(path)).count('\n'), current);
        EXPECT_EQ(QString::fromUtf8(FileBytes::get(path + ".1")).count('\n'), older);
    }
    EXPECT_FALSE(QFile::exists(path + ".2"));
    EXPECT_EQ(QFile(path).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
}

// A failed rotation (a folder has the older file's name): the lines go on, and the
// log says so once.
TEST(CallLogFile, AFailedRotationIsSaidOnceAndTheLinesGoOn) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("calls.log.1"));
    CallLogFile log(dir.filePath("calls.log"), "baresip", 1);
    LogCapture logged;
    for (int i = 0; i < 3; ++i)
        log.add({"caller", "calls", "answered"});
    EXPECT_EQ(QString::fromUtf8(FileBytes::get(dir.filePath("calls.log"))).count('\n'), 3);
    EXPECT_EQ(logged.lines.filter("Could not rename").size(), 1);
}

// A record that cannot be written (its folder would be inside a file) costs
// nothing but a line in the log: the call is answered all the same.
TEST(CallLogFile, AnUnwritableRecordDoesNotStopTheAnswer) {
    QTemporaryDir dir;
    ASSERT_TRUE(FileBytes::put(dir.filePath("state"), "a file, not a folder"));
    CallLogFile log(dir.filePath("state/pellorin/calls.log"), "desktop-api");
    FakeClient client;
    Lists lists;
    lists.calls.setItems({"bob"});
    RecordingPause pause;
    CallHandler handler(lists, pause, &log);
    const auto call = client.makeCall("bob");
    handler.oSkype_CallStatus(call, 4);
    EXPECT_EQ(client.count("answer 100"), 1);
    EXPECT_EQ(FileBytes::get(dir.filePath("state")), "a file, not a folder");
}

} // namespace
