#include "answering/call_log_file.h"
#include "answering/call_log_reader.h"
#include "app/window_placement.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What the Answered Calls window reads back of a record that the program wrote
// (rotated once) and that something else spoiled.
TEST(CallLogReader, ReadsBothFilesNewestFirstAndKeepsWhatItCannotRead) {
    QTemporaryDir dir;
    const QString path = dir.filePath("calls.log");
    CallLogFile record(path, "jami", /*rotateAfterBytes=*/120);
    record.add({"rose", "video calls", "answered, video started"});
    record.add({"sip:a\tb\\c@x", "calls", "answered"}); // rotates rose into calls.log.1
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("a line of the past\n"
               "2026-13-40T99:00:00+02:00\tjami\tx\tcalls\tanswered\n" // no such time
               "2026-05-04T18:30:02+02:00\tjami\tx\tcalls\n"           // four fields
               "\xff\xfe\n");
    file.close();

    struct Row {
        bool readable;
        QString line;      // unreadable lines as they stand
        QString handle;    // as written
        QString plain;     // the escapes undone
        QString outcome;
    };
    const Row rows[] = {
        {false, QString::fromUtf8("\xef\xbf\xbd\xef\xbf\xbd"), {}, {}, {}},
        {false, "2026-05-04T18:30:02+02:00\tjami\tx\tcalls", {}, {}, {}},
        {false, "2026-13-40T99:00:00+02:00\tjami\tx\tcalls\tanswered", {}, {}, {}},
        {false, "a line of the past", {}, {}, {}},
        {true, {}, "sip:a\\x09b\\x5cc@x", "sip:a\tb\\c@x", "answered"},
        {true, {}, "rose", "rose", "answered, video started"},
    };
    const std::vector<CallLogEntry> entries = CallLogReader::read(path);
    ASSERT_EQ(entries.size(), std::size(rows));
    for (size_t i = 0; i < entries.size(); ++i) {
        SCOPED_TRACE(i);
        const CallLogEntry& got = entries[i];
        EXPECT_EQ(got.readable, rows[i].readable);
        if (!got.readable) {
            EXPECT_EQ(got.line, rows[i].line);
            continue;
        }
        EXPECT_EQ(got.client, "jami");
        EXPECT_TRUE(got.when.isValid());
        EXPECT_EQ(got.handle, rows[i].handle);
        EXPECT_EQ(got.plainHandle(), rows[i].plain);
        EXPECT_EQ(got.outcome, rows[i].outcome);
    }
    EXPECT_TRUE(CallLogReader::read(dir.filePath("none.log")).empty());
}

// The main window's first place: wholly on the screen, as large as fits.
TEST(WindowPlacement, FirstPlaceIsWhollyOnTheScreen) {
    struct Row {
        QSize frame;
        QRect available;
        QRect place;
    };
    const Row rows[] = {
        {{658, 520}, {0, 0, 1600, 1000}, {471, 240, 658, 520}},
        {{900, 1200}, {0, 32, 1600, 968}, {350, 32, 900, 968}},
        {{2000, 1200}, {1600, 0, 1280, 800}, {1600, 0, 1280, 800}},
    };
    for (const Row& row : rows) {
        const QRect place = WindowPlacement::firstPlace(row.frame, row.available);
        EXPECT_EQ(place, row.place);
        EXPECT_TRUE(row.available.contains(place));
    }
}

} // namespace
