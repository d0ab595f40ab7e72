#include "fakes/file_bytes.h"
#include "fakes/recorders.h"
#include "lists/if_checker.h"
#include "lists/list_file.h"
#include "platform/list_box.h"
#include "platform/run_time_error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray bytesOf(const char* text, size_t size) {
    return QByteArray(text, qsizetype(size));
}
#define BYTES(literal) bytesOf(literal, sizeof(literal) - 1)

void putFile(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(FileBytes::put(path, bytes)) << path.toStdString();
}

QStringList numbered(int count) {
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << QStringLiteral("handle.%1").arg(i);
    return entries;
}

bool runningAsRoot() {
    return geteuid() == 0;
}

struct ListFileTest : ::testing::Test {
    QTemporaryDir dir;
    QString listPath = ListFile::path(dir.path(), ListFile::CallsFileName);
    RecordingMessageBox boxes;
};

// ---- reading: each row is a file's bytes and the entries it holds ---------------

struct ReadRow {
    const char* name;
    QByteArray bytes;
    QStringList entries;
};

class ReadRules : public ListFileTest, public ::testing::WithParamInterface<ReadRow> {};

TEST_P(ReadRules, ParseAndReadGiveTheEntries) {
    EXPECT_EQ(ListFile::parse(GetParam().bytes).entries, GetParam().entries);
    putFile(listPath, GetParam().bytes);
    EXPECT_EQ(ListFile::read(listPath).entries, GetParam().entries);
}

TEST_P(ReadRules, WhatIsReadIsWrittenBackTheSame) {
    ListFile::write(listPath, GetParam().entries);
    EXPECT_EQ(ListFile::read(listPath).entries, GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadRules,
    ::testing::Values(
        ReadRow{"emptyFile", "", {}}, ReadRow{"crlfLines", "alice\r\nbob\r\n", {"alice", "bob"}},
        ReadRow{"noFinalTerminator", "alice\r\nbob", {"alice", "bob"}},
        ReadRow{"blankLineKept", "alice\r\n\r\nbob\r\n", {"alice", "", "bob"}},
        ReadRow{"onlyABlankLine", "\r\n", {""}},
        ReadRow{"repeatsKept", "bob\r\nbob\r\nbob\r\n", {"bob", "bob", "bob"}},
        ReadRow{"spacesKept", "  alice \r\n\tbob\r\n", {"  alice ", "\tbob"}},
        ReadRow{"orderKept", "zed\r\nalice\r\n", {"zed", "alice"}},
        ReadRow{"loneCrEndsALine", "alice\rbob\r", {"alice", "bob"}},
        ReadRow{"loneLfStaysInTheText", "alice\nbob\r\ncarol\n", {"alice\nbob", "carol\n"}},
        ReadRow{"crThenCrLf", "alice\r\r\nbob", {"alice", "", "bob"}},
        ReadRow{"lfCr", "alice\n\rbob", {"alice\n", "bob"}},
        ReadRow{"nulBytes",
                BYTES("al\0ice\r\n\0\r\n"),
                {QString("al") + QChar(0) + "ice", QString(QChar(0))}},
        ReadRow{"utf8",
                "Zo\xc3\xab\r\n\xe6\x9d\x8e\r\n",
                {QString::fromUtf8("Zo\xc3\xab"), QString::fromUtf8("\xe6\x9d\x8e")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListFileTest, ReadingInChunksSplitsLinesAsAWholeFileDoes) {
    // Terminators around the places where a reader that reads in pieces of a
    // power of two would cut the file.
    // The last one is a line over several pieces.
    for (qsizetype at : {(1 << 16) - 1, 1 << 16, (1 << 20) - 2, (1 << 20) - 1, 1 << 20,
                         (3 << 20) + 5}) {
        for (const char* tail : {"\r\nnext\r", "\rnext", "\r\r\n\n"}) {
            const QByteArray bytes = QByteArray(at, 'x') + tail;
            putFile(listPath, bytes);
            EXPECT_EQ(ListFile::read(listPath).entries, ListFile::parse(bytes).entries)
                << "terminator at " << at << " tail " << tail;
        }
    }
}

TEST_F(ListFileTest, InvalidUtf8AndJunkLoadWithoutLosingLines) {
    QByteArray junk;
    quint32 seed = 12345;
    for (int i = 0; i < 300000; ++i) {
        seed = seed * 1103515245u + 12345u;
        junk += char(seed >> 24);
    }
    putFile(listPath, junk);
    const ListFile::Content content = ListFile::read(listPath);
    // One entry per terminator (each CR, alone or before LF), plus the unterminated rest.
    const bool unterminated = !junk.endsWith('\r') && !junk.endsWith("\r\n");
    EXPECT_EQ(content.entries.size(), junk.count('\r') + (unterminated ? 1 : 0));
    EXPECT_FALSE(content.truncated);
}

// ---- more lines than a list holds ------------------------------------------------

struct LimitRow {
    const char* name;
    QByteArray tail; // after 32767 CR LF lines
    bool truncated;
};

class LineLimit : public ListFileTest, public ::testing::WithParamInterface<LimitRow> {};

TEST_P(LineLimit, KeepsTheFirstEntriesAndSaysWhenThereWereMore) {
    const QStringList first = numbered(ListBox::MaxItems);
    putFile(listPath, ListFile::format(first) + GetParam().tail);
    ListBox list;
    ListFile::readInto(list, listPath, boxes);
    EXPECT_EQ(list.items(), first);
    if (GetParam().truncated) {
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0], (RecordingMessageBox::Shown{ListFile::truncatedNotice(listPath),
                                                              48, "Pellorin"}));
        EXPECT_TRUE(boxes.shown[0].text.contains(listPath));
    } else {
        EXPECT_TRUE(boxes.shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Tails, LineLimit,
                         ::testing::Values(LimitRow{"exactlyFull", "", false},
                                           LimitRow{"oneMoreLine", "extra\r\n", true},
                                           LimitRow{"oneMoreUnterminated", "x", true},
                                           LimitRow{"oneMoreBlankLine", "\r\n", true},
                                           LimitRow{"manyMore", QByteArray(200000, '\r'), true}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- filling a list control --------------------------------------------------------

TEST_F(ListFileTest, MissingFileKeepsTheItemsAndSaysNothing) {
    ListBox list;
    list.setItems({"alice", "bob"});
    list.setListIndex(1);
    ListFile::readInto(list, listPath, boxes);
    EXPECT_EQ(list.items(), QStringList({"alice", "bob"}));
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(ListFileTest, AFileReplacesTheItemsAndNothingIsSelected) {
    for (const QByteArray& bytes : {QByteArray("carol\r\n"), QByteArray()}) {
        putFile(listPath, bytes);
        ListBox list;
        list.setItems({"alice", "bob"});
        list.setListIndex(0);
        ListFile::readInto(list, listPath, boxes);
        EXPECT_EQ(list.items(), ListFile::parse(bytes).entries);
        EXPECT_EQ(list.listIndex(), -1);
    }
}

// Each row makes the list file exist without being readable.
struct UnreadableRow {
    const char* name;
    std::function<void(const QString&)> make;
    bool needsNonRoot;
};

class UnreadableFile : public ListFileTest, public ::testing::WithParamInterface<UnreadableRow> {};

TEST_P(UnreadableFile, IsReportedByNameAndTheListIsUnchanged) {
    if (GetParam().needsNonRoot && runningAsRoot())
        GTEST_SKIP() << "file permissions do not stop root";
    GetParam().make(listPath);
    EXPECT_FALSE(ifoChecker::FileExists(listPath));
    ListBox list;
    list.setItems({"alice"});
    try {
        ListFile::readInto(list, listPath, boxes);
        ADD_FAILURE() << "an unreadable list file was taken for a missing one";
    } catch (const RunTimeError& e) {
        EXPECT_TRUE(e.description().contains(listPath)) << e.description().toStdString();
    }
    EXPECT_EQ(list.items(), QStringList({"alice"}));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnreadableFile,
    ::testing::Values(
        UnreadableRow{"folder", [](const QString& p) { QDir().mkpath(p); }, false},
        UnreadableRow{"pipe", [](const QString& p) { mkfifo(QFile::encodeName(p), 0600); }, false},
        UnreadableRow{"noReadPermission",
                      [](const QString& p) {
                          putFile(p, "alice\r\n");
                          QFile::setPermissions(p, QFile::WriteOwner);
                      },
                      true}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- writing -------------------------------------------------------------------------

struct WriteRow {
    const char* name;
    QStringList entries;
    QByteArray bytes;
};

class WriteRules : public ListFileTest, public ::testing::WithParamInterface<WriteRow> {};

TEST_P(WriteRules, WritesEveryEntryWithCrLf) {
    putFile(listPath, "old\r\nlonger old content\r\n");
    ListBox list;
    list.setItems(GetParam().entries);
    ListFile::writeFrom(list, listPath);
    EXPECT_EQ(FileBytes::get(listPath), GetParam().bytes);
    EXPECT_TRUE(ifoChecker::FileExists(listPath));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{ListFile::CallsFileName});
}

INSTANTIATE_TEST_SUITE_P(
    Lists, WriteRules,
    ::testing::Values(WriteRow{"emptyListIsZeroBytes", {}, ""},
                      WriteRow{"oneEntry", {"alice"}, "alice\r\n"},
                      WriteRow{"blankRepeatsAndSpaces",
                               {"", "bob", "bob", " carol "},
                               "\r\nbob\r\nbob\r\n carol \r\n"},
                      WriteRow{"utf8", {QString::fromUtf8("Zo\xc3\xab")}, "Zo\xc3\xab\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- encodings: a list saved unedited keeps its bytes ---------------------------------

struct EncodingRow {
    const char* name;
    QByteArray bytes;
    ListFile::Encoding encoding;
    QStringList entries;
};

class Encodings : public ListFileTest, public ::testing::WithParamInterface<EncodingRow> {};

TEST_P(Encodings, ReadInTheFilesEncodingAndSavedBackByteForByte) {
    const EncodingRow& row = GetParam();
    putFile(listPath, row.bytes);
    ListBox list;
    const ListFile::Encoding encoding = ListFile::readInto(list, listPath, boxes);
    EXPECT_EQ(encoding, row.encoding);
    EXPECT_EQ(list.items(), row.entries);
    EXPECT_EQ(ListFile::parse(row.bytes).encoding, row.encoding);

    EXPECT_EQ(ListFile::writeFrom(list, listPath, encoding), row.encoding);
    EXPECT_EQ(FileBytes::get(listPath), row.bytes);
}

using Enc = ListFile::Encoding;
INSTANTIATE_TEST_SUITE_P(
    Files, Encodings,
    ::testing::Values(
        EncodingRow{"ascii", "bob\r\nalice\r\n", Enc::Utf8, {"bob", "alice"}},
        EncodingRow{"utf8", "jos\xc3\xa9\r\n", Enc::Utf8, {QString::fromUtf8("jos\xc3\xa9")}},
        EncodingRow{"utf8WithBom",
                    "\xef\xbb\xbf"
                    "bob\r\n",
                    Enc::Utf8,
                    {QString(QChar(0xFEFF)) + "bob"}},
        EncodingRow{"latin", "jos\xe9\r\n", Enc::Windows1252, {QString::fromUtf8("jos\xc3\xa9")}},
        // The bytes the code page gives other letters than Latin-1, and those it leaves
        // undefined.
        EncodingRow{"windows1252High",
                    "\x80\x8a\x9f\r\n\x81\x8d\x8f\x90\x9d\r\n",
                    Enc::Windows1252,
                    {QString::fromUtf16(u"\u20ac\u0160\u0178"),
                     QString::fromUtf16(u"\u0081\u008d\u008f\u0090\u009d")}},
        // Byte sequences that UTF-8 forbids: an overlong form and a surrogate.
        EncodingRow{"overlongIsNotUtf8",
                    "\xc0\xaf\r\n",
                    Enc::Windows1252,
                    {QString::fromUtf16(u"\u00c0\u00af")}},
        EncodingRow{"surrogateIsNotUtf8",
                    "\xed\xa0\x80\r\n",
                    Enc::Windows1252,
                    {QString::fromUtf16(u"\u00ed\u00a0\u20ac")}},
        // A line that looks like UTF-8 before the line that shows the file is not.
        EncodingRow{"utf8LookalikeThenLatin",
                    "\xc3\xa9t\xc3\xa9\r\nbob\r\nren\xe9\r\n",
                    Enc::Windows1252,
                    {QString::fromUtf16(u"\u00c3\u00a9t\u00c3\u00a9"), "bob",
                     QString::fromUtf8("ren\xc3\xa9")}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListFileTest, AnEntryTheCodePageCannotHoldIsSavedInUtf8) {
    putFile(listPath, "jos\xe9\r\n");
    ListBox list;
    const ListFile::Encoding encoding = ListFile::readInto(list, listPath, boxes);
    list.addItem(QString::fromUtf8("\xe6\x9d\x8e")); // a letter of no Western code page
    EXPECT_EQ(ListFile::writeFrom(list, listPath, encoding), Enc::Utf8);
    EXPECT_EQ(FileBytes::get(listPath), "jos\xc3\xa9\r\n\xe6\x9d\x8e\r\n");
}

// A save that fails part-way (here: the file grows past the size the process may
// write, as on a full disk) leaves the old file as it was, byte for byte.
TEST_F(ListFileTest, AFailedSaveLeavesTheOldFileByteForByte) {
    const QByteArray old = "alice\r\nbob\r\n";
    putFile(listPath, old);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool threw = false;
    try {
        ListFile::write(listPath, numbered(5000));
    } catch (const RunTimeError& e) {
        threw = true;
        EXPECT_TRUE(e.description().contains(listPath));
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_TRUE(threw);
    EXPECT_EQ(FileBytes::get(listPath), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{ListFile::CallsFileName});
}

TEST_F(ListFileTest, ASaveIntoAMissingFolderThrowsAndWritesNothing) {
    const QString inMissingDir = ListFile::path(dir.filePath("gone"), ListFile::CallsFileName);
    EXPECT_THROW(ListFile::write(inMissingDir, {"alice"}), RunTimeError);
    EXPECT_FALSE(QFileInfo::exists(inMissingDir));
}

// ---- temporary files left by a save that was killed ----------------------------------

struct StrayRow {
    const char* name;
    bool save; // else load
    bool throughLink; // the list file is a link to real/target.ini
};

class StrayTemporaries : public ListFileTest, public ::testing::WithParamInterface<StrayRow> {};

// A save writes "<file>.pellorin-save-" and six letters or digits and renames it
// over the file; a kill between the two leaves it. The first save or load removes
// exactly those: never a copy a person made, nor what earlier versions left.
TEST_P(StrayTemporaries, TheFirstSaveOrLoadRemovesThemAndNothingElse) {
    QDir folder(dir.path());
    QString file = ListFile::CallsFileName;
    if (GetParam().throughLink) {
        ASSERT_TRUE(folder.mkdir("real") && folder.cd("real"));
        file = "target.ini";
        ASSERT_TRUE(QFile::link(folder.filePath(file), listPath));
    }
    putFile(folder.filePath(file), "alice\r\n");
    const QString own = file + ".pellorin-save-";
    const QStringList strays = {own + "AbCdEf", own + "z0Z9a1"};
    const QStringList others = {
        file + ".backup",     file + ".BEFORE",
        file + ".stable",     "qvvideocalllist.ini.stable",
        file + ".AbCdEf",     file + ".zzzzzz",
        own + "AbCdE",        own + "AbCdEfG",
        own + "Ab-dEf",       own + "AbCdEf.bak",
        "x" + own + "AbCdEf", ListFile::VideoCallsFileName + ".pellorin-save-AbCdEf"};
    for (const QString& name : strays + others)
        putFile(folder.filePath(name), "alice\r\nbob\r\n");
    ASSERT_TRUE(folder.mkdir(own + "FoLdEr"));
    ASSERT_TRUE(QFile::link(folder.filePath(file + ".backup"), folder.filePath(own + "LiNkEd")));

    ListBox list;
    if (GetParam().save)
        ListFile::write(listPath, {"carol"});
    else
        ListFile::readInto(list, listPath, boxes);

    QStringList expected = others + QStringList{file, own + "FoLdEr", own + "LiNkEd"};
    expected.sort();
    const QStringList left =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDir::Name);
    EXPECT_EQ(left.join(' ').toStdString(), expected.join(' ').toStdString());
    EXPECT_EQ(ListFile::read(listPath).entries,
              GetParam().save ? QStringList{"carol"} : QStringList{"alice"});
}

INSTANTIATE_TEST_SUITE_P(Kills, StrayTemporaries,
                         ::testing::Values(StrayRow{"save", true, false},
                                           StrayRow{"load", false, false},
                                           StrayRow{"saveThroughALink", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the existence check and the path ----------------------------------------------------

TEST_F(ListFileTest, FileExistsOnlyForReadableFiles) {
    putFile(dir.filePath("full"), "alice\r\n");
    putFile(dir.filePath("empty"), "");
    QDir().mkpath(dir.filePath("folder"));
    mkfifo(QFile::encodeName(dir.filePath("pipe")), 0600); // must not block
    QFile::link(dir.filePath("full"), dir.filePath("link"));
    QFile::link(dir.filePath("nothing"), dir.filePath("dangling"));

    const std::pair<QString, bool> rows[] = {
        {dir.filePath("full"), true},      {dir.filePath("empty"), true},
        {dir.filePath("link"), true},      {dir.filePath("missing"), false},
        {dir.filePath("folder"), false},   {dir.filePath("pipe"), false},
        {dir.filePath("dangling"), false}, {QString(), false},
    };
    for (const auto& [path, exists] : rows)
        EXPECT_EQ(ifoChecker::FileExists(path), exists) << path.toStdString();
}

TEST(ListFilePath, IsTheDirectoryThenTheNameAsGiven) {
    EXPECT_EQ(ListFile::path("/opt/pellorin", ListFile::CallsFileName),
              "/opt/pellorin/qvcalllist.ini");
    EXPECT_EQ(ListFile::path("/", ListFile::VideoCallsFileName), "//qvvideocalllist.ini");
}

} // namespace
