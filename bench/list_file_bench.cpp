// Loading and saving a full auto-answer list (32767 handles), and loading two 200 MB
// files (one line without a terminator; short lines, of which a list takes the
// first 32767), beside plain file I/O of the same bytes in the same run. Prints
// Google Benchmark's table, then the ratios.
#include "lists/list_file.h"
#include "platform/list_box.h"
#include "silent_messages.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

// Handle-like entries of 6 to 32 characters.
QStringList handles() {
    QStringList entries;
    quint32 seed = 1;
    for (int i = 0; i < ListFile::MaxEntries; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int length = 6 + int((seed >> 16) % 27);
        QString handle = QStringLiteral("live:caller.%1.").arg(i);
        while (handle.size() < length)
            handle += QChar(u'a' + (seed >> (handle.size() % 24)) % 26);
        entries << handle.left(length);
    }
    return entries;
}

struct Fixture {
    QTemporaryDir dir;
    QStringList entries = handles();
    QByteArray bytes = ListFile::format(entries);
    QString readPath = dir.filePath(QStringLiteral("read.ini"));
    QString writePath = dir.filePath(QStringLiteral("write.ini"));
    Fixture() {
        QFile file(readPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// The two huge files, made when a benchmark first needs them.
constexpr qsizetype HugeSize = qsizetype(200) << 20;

struct HugeFiles {
    QTemporaryDir dir;
    QString oneLine = dir.filePath(QStringLiteral("one_line.ini"));
    QString shortLines = dir.filePath(QStringLiteral("short_lines.ini"));
    HugeFiles() {
        QByteArray bytes(HugeSize, 'x');
        put(oneLine, bytes);
        const QByteArray line = "live:caller.0123\r\n";
        for (qsizetype at = 0; at + line.size() <= bytes.size(); at += line.size())
            std::memcpy(bytes.data() + at, line.constData(), size_t(line.size()));
        put(shortLines, bytes);
    }
    static void put(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            std::abort();
    }
};

HugeFiles& hugeFiles() {
    static HugeFiles f;
    return f;
}

const QString& hugeFile(const benchmark::State& state) {
    return state.range(0) == 0 ? hugeFiles().oneLine : hugeFiles().shortLines;
}

void hugePlainRead(benchmark::State& state) {
    const QString& path = hugeFile(state);
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(file.readAll());
    }
}

void hugeListFileRead(benchmark::State& state) {
    const QString& path = hugeFile(state);
    const qsizetype expected = state.range(0) == 0 ? 1 : ListFile::MaxEntries;
    for (auto _ : state) {
        const ListFile::Content content = ListFile::read(path);
        if (content.entries.size() != expected)
            state.SkipWithError("wrong entry count");
        benchmark::DoNotOptimize(content);
    }
}

void plainRead(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(fixture().readPath);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(file.readAll());
    }
}

// The least any reader does to hand back the entries as strings: read the bytes,
// decode them at once, split at CR LF.
void plainReadSplit(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(fixture().readPath);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("open failed");
        QStringList entries = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        entries.removeLast();
        benchmark::DoNotOptimize(entries);
    }
}

void listFileRead(benchmark::State& state) {
    for (auto _ : state) {
        const ListFile::Content content = ListFile::read(fixture().readPath);
        if (content.entries.size() != ListFile::MaxEntries)
            state.SkipWithError("wrong entry count");
        benchmark::DoNotOptimize(content);
    }
}

void listBoxFill(benchmark::State& state) {
    SilentMessages messages;
    ListBox list;
    for (auto _ : state) {
        ListFile::readInto(list, fixture().readPath, messages);
        benchmark::DoNotOptimize(list.listCount());
    }
}

void plainWrite(benchmark::State& state) {
    for (auto _ : state) {
        QFile file(fixture().writePath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(fixture().bytes) != fixture().bytes.size())
            state.SkipWithError("write failed");
    }
}

// The same bytes replacing the file in one step (temporary file, sync, rename),
// without turning entries into bytes.
void plainReplace(benchmark::State& state) {
    for (auto _ : state) {
        QSaveFile file(fixture().writePath);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(fixture().bytes) != fixture().bytes.size() || !file.commit())
            state.SkipWithError("replace failed");
    }
}

void listFileWrite(benchmark::State& state) {
    for (auto _ : state)
        ListFile::write(fixture().writePath, fixture().entries);
}

BENCHMARK(plainRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainReadSplit)->Unit(benchmark::kMicrosecond);
BENCHMARK(listFileRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(listBoxFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainReplace)->Unit(benchmark::kMicrosecond);
BENCHMARK(listFileWrite)->Unit(benchmark::kMicrosecond);
// Argument 0: one 200 MB line; 1: 200 MB of short lines.
BENCHMARK(hugePlainRead)->Arg(0)->Arg(1)->Iterations(5)->Unit(benchmark::kMicrosecond);
BENCHMARK(hugeListFileRead)->Arg(0)->Arg(1)->Iterations(5)->Unit(benchmark::kMicrosecond);

class RecordingReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> realTime; // microseconds per iteration
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                realTime[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const auto& t = reporter.realTime;
    const auto ratio = [&t](const char* a, const char* b) {
        if (!t.count(a) || !t.count(b) || t.at(b) <= 0)
            return;
        std::printf("%-14s %11.1f us  vs %-13s %11.1f us   ratio %5.2fx\n", a, t.at(a), b, t.at(b),
                    t.at(a) / t.at(b));
    };
    std::printf("\n%d entries, %lld bytes\n", int(fixture().entries.size()),
                static_cast<long long>(fixture().bytes.size()));
    ratio("listFileRead", "plainRead");
    ratio("listFileRead", "plainReadSplit");
    ratio("listBoxFill", "plainRead");
    ratio("listFileWrite", "plainWrite");
    ratio("listFileWrite", "plainReplace");
    std::printf("\n%lld-byte files: one line, and short lines\n",
                static_cast<long long>(HugeSize));
    ratio("hugeListFileRead/0/iterations:5", "hugePlainRead/0/iterations:5");
    ratio("hugeListFileRead/1/iterations:5", "hugePlainRead/1/iterations:5");
    benchmark::Shutdown();
    return 0;
}
