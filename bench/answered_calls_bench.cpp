// Opening View > Answered Calls over a full record: 1 MiB in calls.log and 1 MiB
// in calls.log.1 behind it (as rotation leaves them), a bad line every hundred.
// Reading the record, and loading the window and painting it once, beside a
// baseline measured in the same run: a plain read of both files, split into lines.
//
//   answered_calls_bench [--opens N]

#include "answering/acted_calls.h"
#include "answering/call_log_file.h"
#include "answering/call_log_reader.h"
#include "app/frm_answered_calls.h"
#include "bench_support.h"
#include "platform/shell_open.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <vector>

using BenchSupport::figures;
using BenchSupport::timeMicros;

namespace {

// One file of the record, `bytes` long or a line more.
QByteArray recordBytes(qint64 bytes) {
    const QStringList outcomes = {"answered", "answered, video started",
                                  "answered, video not started (status 7)",
                                  "answer failed: The call is not ringing."};
    QByteArray text;
    QDateTime when(QDate(2026, 5, 4), QTime(8, 0));
    for (int i = 0; text.size() < bytes; ++i) {
        if (i % 100 == 99) {
            text += "a line of something else \xff\xfe\n";
            continue;
        }
        const AnsweredCall call{QStringLiteral("caller%1@example.org").arg(i % 500),
                                i % 2 ? "video calls" : "calls", outcomes[i % outcomes.size()]};
        text += CallLogFile::line(when.addSecs(i * 60), "baresip", call).toUtf8() + '\n';
    }
    return text;
}

class NoShell : public ShellOpen {
public:
    void open(const QString&, bool) override {}
};

void print(const char* what, const std::vector<double>& micros) {
    const BenchSupport::Figures f = figures(micros);
    std::printf("  %-44s median %8.1f ms   p99 %8.1f ms\n", what, f.median / 1000,
                f.p99 / 1000);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int opens = 20;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--opens") == 0)
            opens = std::max(1, std::atoi(argv[i + 1]));

    QTemporaryDir dir;
    const QString path = dir.filePath("calls.log");
    for (const QString& file : {path, path + ".1"}) {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(recordBytes(1024 * 1024)) < 0)
            return 1;
    }

    std::vector<double> plain, reading, window;
    size_t lines = 0, rows = 0;
    NoShell shell;
    ActedCalls calls(nullptr);
    for (int i = 0; i < opens; ++i) {
        plain.push_back(timeMicros([&] {
            lines = 0;
            for (const QString& file : {path + ".1", path}) {
                QFile in(file);
                if (in.open(QIODevice::ReadOnly))
                    lines += QString::fromUtf8(in.readAll()).split('\n', Qt::SkipEmptyParts).size();
            }
        }));
        reading.push_back(timeMicros([&] { rows = CallLogReader::read(path).size(); }));
        window.push_back(timeMicros([&] {
            frmAnsweredCalls form(path, calls, shell, {});
            form.Form_Load();
            form.show();
            form.grab();
        }));
    }
    std::printf("Answered Calls over 2 x 1 MiB of record (%zu lines, %zu rows), %d opens\n",
                lines, rows, opens);
    print("plain read of both files into lines", plain);
    print("the record read (CallLogReader)", reading);
    print("the window loaded and painted", window);
    return rows == lines ? 0 : 1;
}
