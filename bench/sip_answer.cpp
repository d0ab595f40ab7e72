// Dial to established, with real baresip instances on the loopback address: A
// calls B, which the real main window answers (attached to B's control socket,
// A's address the last of a full calls list), and, in the same run and in turn
// with it, A calls C, which baresip answers by itself at once (answermode=auto).
// The time runs from writing A's "dial" to B's (or C's) CALL_ESTABLISHED
// arriving on its control socket, both taken in this process.
//
//   sip_answer [--calls N]

#include "app/app_services.h"
#include "app/frm_main.h"
#include "baresip/baresip_automation_factory.h"
#include "baresip_control.h"
#include "baresip_process.h"
#include "bench_support.h"
#include "fakes/recorders.h"
#include "lists/list_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <vector>

using BenchSupport::Figures;
using BenchSupport::figures;

namespace {

constexpr int ListEntries = ListFile::MaxEntries;
constexpr int WarmUpCalls = 3;
constexpr int CallWithinMs = 10000;
constexpr double TargetAddedMs = 2.0;

const QString Attached =
    QStringLiteral("Pellorin has successfully attached itself to your Skype client.");

[[noreturn]] void fail(const QString& why) {
    throw std::runtime_error(why.toStdString());
}

// `count` entries, `last` the last of them, each line ending in CR LF.
QByteArray listBytes(int count, const QString& last) {
    QByteArray bytes;
    for (int i = 0; i < count - 1; ++i)
        bytes +=
            QStringLiteral("caller%1@127.0.0.1:5060\r\n").arg(i, 5, 10, QLatin1Char('0')).toUtf8();
    return bytes + last.toUtf8() + "\r\n";
}

class SipBench {
public:
    explicit SipBench(const QString& dir)
        : m_a(QStringLiteral("alice"), dir), m_b(QStringLiteral("bob"), dir),
          m_c(QStringLiteral("carol"), dir, QStringLiteral("auto")),
          m_programDir(QDir(dir).filePath(QStringLiteral("program"))) {}

    // The instances end by themselves after `lifetimeSeconds`, should this
    // program not end them.
    void start(int lifetimeSeconds) {
        for (BaresipProcess* instance : {&m_a, &m_b, &m_c})
            if (!instance->start(15000, lifetimeSeconds))
                fail(instance->error());
        QDir().mkpath(m_programDir);
        QFile list(QDir(m_programDir).filePath(ListFile::CallsFileName));
        const QByteArray bytes = listBytes(ListEntries, m_a.handle());
        if (!list.open(QIODevice::WriteOnly) || list.write(bytes) != bytes.size())
            fail(QStringLiteral("cannot write the calls list"));
        list.close();

        m_factory = std::make_unique<BaresipAutomationFactory>(
            QStringLiteral("127.0.0.1"), m_b.controlPort(), BaresipTimeouts{},
            [this] { return std::make_unique<TappedControlSocket>(m_atB, &m_sentToB); });
        m_window = std::make_unique<frmMain>(
            AppServices{m_messages, m_shell, m_pause, *m_factory, m_programDir});
        m_window->mnuAttach_Click();
        if (!spinUntil([&] { return !m_messages.shown.empty(); }, 10000) ||
            m_messages.shown.front().text != Attached)
            fail(QStringLiteral("the program did not attach to B"));
        m_messages.shown.clear();

        if (!m_fromA.connectTo(m_a.controlPort()) || !m_atC.connectTo(m_c.controlPort()))
            fail(QStringLiteral("cannot reach A's or C's control socket"));
    }

    // Where the time of one call went, in milliseconds: dial to the callee's
    // CALL_INCOMING (none from C, which answers by itself), from there to the
    // program's "accept" (none for C), and on to CALL_ESTABLISHED.
    struct Call {
        double total = 0;
        double toIncoming = 0;
        double toAccept = 0;
        double toEstablished = 0;
    };

    // One call from A to B (the program answers) or to C (baresip answers), hung
    // up again.
    Call call(bool toProgram) {
        const std::vector<SeenEvent>& callee = toProgram ? m_atB : m_atC.events();
        const size_t from = callee.size();
        const size_t sentFrom = m_sentToB.size();
        const size_t fromA = m_fromA.events().size();
        const auto established = [&]() -> const SeenEvent* {
            for (size_t i = from; i < callee.size(); ++i)
                if (callee[i].event.type == QLatin1String("CALL_ESTABLISHED"))
                    return &callee[i];
            return nullptr;
        };
        const auto dialled = std::chrono::steady_clock::now();
        m_fromA.send(QStringLiteral("dial"), (toProgram ? m_b : m_c).address());
        if (!spinUntil([&] { return established() != nullptr; }, CallWithinMs))
            fail(QStringLiteral("a call to %1 was not established within %2 s")
                     .arg(toProgram ? QStringLiteral("B") : QStringLiteral("C"))
                     .arg(CallWithinMs / 1000));
        const auto ms = [](auto from, auto to) {
            return std::chrono::duration<double, std::milli>(to - from).count();
        };
        Call times;
        times.total = ms(dialled, established()->at);
        auto reached = dialled;
        for (size_t i = from; i < callee.size(); ++i)
            if (callee[i].event.type == QLatin1String("CALL_INCOMING")) {
                times.toIncoming = ms(dialled, callee[i].at);
                reached = callee[i].at;
                break;
            }
        for (size_t i = sentFrom; toProgram && i < m_sentToB.size(); ++i)
            if (m_sentToB[i].name == QLatin1String("accept")) {
                times.toAccept = ms(reached, m_sentToB[i].at);
                reached = m_sentToB[i].at;
                break;
            }
        times.toEstablished = ms(reached, established()->at);
        if (!m_messages.shown.empty())
            fail(QStringLiteral("the program reported: ") + m_messages.shown.front().text);

        // Hang up, and wait until both ends have let the call go.
        const QString id = established()->event.callId;
        m_fromA.command(QStringLiteral("hangup"));
        const auto closed = [&](const std::vector<SeenEvent>& seen, size_t since) {
            for (size_t i = since; i < seen.size(); ++i)
                if (seen[i].event.type == QLatin1String("CALL_CLOSED") &&
                    seen[i].event.callId == id)
                    return true;
            return false;
        };
        if (!spinUntil([&] { return closed(callee, from) && closed(m_fromA.events(), fromA); },
                       CallWithinMs))
            fail(QStringLiteral("a call was not hung up in time"));
        return times;
    }

private:
    BaresipProcess m_a;
    BaresipProcess m_b;
    BaresipProcess m_c;
    QString m_programDir;
    std::vector<SeenEvent> m_atB;
    std::vector<SentCommand> m_sentToB;
    BaresipControl m_fromA;
    BaresipControl m_atC;
    RecordingMessageBox m_messages;
    RecordingShellOpen m_shell;
    RecordingPause m_pause;
    std::unique_ptr<BaresipAutomationFactory> m_factory;
    std::unique_ptr<frmMain> m_window;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    int calls = 200;
    const QStringList args = app.arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--calls")); i >= 0)
        calls = args.value(i + 1).toInt();
    if (calls < 1)
        BenchSupport::fail("sip_answer", QStringLiteral("--calls takes a number from 1 up"));

    QTemporaryDir dir;
    std::vector<SipBench::Call> byProgram;
    std::vector<SipBench::Call> byBaresip;
    try {
        SipBench bench(dir.path());
        bench.start(120 + calls); // a call pair takes well under half a second
        for (int i = 0; i < WarmUpCalls; ++i) {
            bench.call(true); // the first loads both list windows
            bench.call(false);
        }
        // In turn, so that both see the same machine.
        for (int i = 0; i < calls; ++i) {
            byProgram.push_back(bench.call(true));
            byBaresip.push_back(bench.call(false));
        }
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "sip_answer: %s\n", e.what());
        return 1;
    }

    const auto part = [](const std::vector<SipBench::Call>& calls, double SipBench::Call::*field) {
        std::vector<double> values;
        for (const SipBench::Call& c : calls)
            values.push_back(c.*field);
        return figures(values);
    };
    const Figures program = part(byProgram, &SipBench::Call::total);
    const Figures baresip = part(byBaresip, &SipBench::Call::total);
    const double added = program.median - baresip.median;
    std::printf("Dial to established over SIP on the loopback address, baresip 1.0.0: A dials, "
                "the callee's CALL_ESTABLISHED arrives (milliseconds)\n");
    std::printf("%-58s %8s %8s %8s\n", "", "median", "p99", "calls");
    std::printf("%-58s %8.2f %8.2f %8zu\n", "baresip answers by itself (answermode=auto)",
                baresip.median, baresip.p99, byBaresip.size());
    std::printf("%-58s %8.2f %8.2f %8zu\n",
                qPrintable(QStringLiteral("Pellorin answers (caller entry %1 of %1, calls list)")
                               .arg(ListEntries)),
                program.median, program.p99, byProgram.size());
    std::printf("Pellorin adds %.2f ms to the median (target under %.0f ms: %s)\n", added,
                TargetAddedMs, added < TargetAddedMs ? "met" : "missed");
    // (baresip sends no CALL_INCOMING for a call it answers by itself.)
    std::printf("\nWhere Pellorin's calls spend their time (median, p99)\n");
    const auto row = [](const char* what, const Figures& f) {
        std::printf("  %-56s %8.2f %8.2f\n", what, f.median, f.p99);
    };
    row("dial -> CALL_INCOMING at B", part(byProgram, &SipBench::Call::toIncoming));
    row("CALL_INCOMING -> \"accept\" written (Pellorin's own part)",
        part(byProgram, &SipBench::Call::toAccept));
    row("\"accept\" -> CALL_ESTABLISHED at B", part(byProgram, &SipBench::Call::toEstablished));
    return 0;
}
