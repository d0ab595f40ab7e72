// Dial to established, with real baresip instances on the loopback address. A
// calls B, whose control socket the real main window is attached to (A's
// address the last of a full calls list), and B's call is answered in turn by
//   - Pellorin;
//   - baresip itself, at once (answermode=auto; it then sends no CALL_INCOMING,
//     so the program does nothing);
//   - the quickest controller there can be: "accept" written on B's control
//     connection the moment CALL_INCOMING arrives, for calls from D, a caller
//     on no list (so the program looks the call up and leaves it).
// One callee for all three, in turn, so that all see the same instance and the
// same machine. The time runs from writing the caller's "dial" to B's
// CALL_ESTABLISHED arriving on the program's connection, taken in this process.
//
//   sip_answer [--calls N]

#include "app/app_services.h"
#include "app/frm_main.h"
#include "client/baresip/baresip_automation_factory.h"
#include "baresip_control.h"
#include "baresip_process.h"
#include "bench_support.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"
#include "lists/list_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <vector>

using BenchSupport::Figures;
using BenchSupport::listBytes;
using BenchSupport::ms;
using BenchSupport::part;

namespace {

constexpr int ListEntries = ListFile::MaxEntries;
constexpr int WarmUpCalls = 3;
constexpr int CallWithinMs = 10000;
constexpr double TargetAddedMs = 2.0;

const QString Attached =
    QStringLiteral("Pellorin has successfully attached itself to your baresip client.");

enum class Answerer { Pellorin, Baresip, BareController };

[[noreturn]] void fail(const QString& why) {
    throw std::runtime_error(why.toStdString());
}

class SipBench {
public:
    // Where the time of one call went, in milliseconds: dial to B's
    // CALL_INCOMING, from there to "accept" written, and on to
    // CALL_ESTABLISHED (the first two are 0 when baresip answers by itself).
    struct Call {
        double total = 0;
        double toIncoming = 0;
        double toAccept = 0;
        double toEstablished = 0;
    };

    explicit SipBench(const QString& dir)
        : m_a(QStringLiteral("alice"), dir), m_d(QStringLiteral("dave"), dir),
          m_b(QStringLiteral("bob"), dir),
          m_programDir(QDir(dir).filePath(QStringLiteral("program"))) {}

    // The instances end by themselves after `lifetimeSeconds`, should this
    // program not end them.
    void start(int lifetimeSeconds) {
        for (BaresipProcess* instance : {&m_a, &m_d, &m_b})
            if (!instance->start(15000, lifetimeSeconds))
                fail(instance->error());
        QDir().mkpath(m_programDir);
        QFile list(QDir(m_programDir).filePath(ListFile::CallsFileName));
        const QByteArray bytes =
            listBytes(ListEntries, QStringLiteral("caller%1@127.0.0.1:5060"), m_a.handle());
        if (!list.open(QIODevice::WriteOnly) || list.write(bytes) != bytes.size())
            fail(QStringLiteral("cannot write the calls list"));
        list.close();

        m_factory = std::make_unique<BaresipAutomationFactory>(
            QStringLiteral("127.0.0.1"), m_b.controlPort(), BaresipTimeouts{}, [this] {
                auto socket = std::make_unique<TappedControlSocket>(m_atB, &m_sentToB);
                m_tap = socket.get();
                return socket;
            });
        m_window = std::make_unique<frmMain>(
            AppServices{m_messages, m_shell, m_pause, *m_factory, m_tray, m_programDir});
        m_window->mnuAttach_Click();
        if (!spinUntil([&] { return !m_messages.shown.empty(); }, 10000) ||
            m_messages.shown.front().text != Attached)
            fail(QStringLiteral("the program did not attach to B"));
        m_messages.shown.clear();
        m_tap->acceptCallsFrom = m_d.address();

        if (!m_fromA.connectTo(m_a.controlPort()) || !m_fromD.connectTo(m_d.controlPort()))
            fail(QStringLiteral("cannot reach the callers' control sockets"));
    }

    // One call to B, answered by `answerer`, and hung up again.
    Call call(Answerer answerer) {
        const QString mode =
            answerer == Answerer::Baresip ? QStringLiteral("auto") : QStringLiteral("manual");
        const QString token = m_tap->inject(QStringLiteral("answermode"), mode);
        if (!spinUntil([&] { return m_tap->reply(token).has_value(); }, CallWithinMs) ||
            !m_tap->reply(token)->ok)
            fail(QStringLiteral("B did not take answermode %1").arg(mode));

        BaresipControl& caller = answerer == Answerer::BareController ? m_fromD : m_fromA;
        const size_t from = m_atB.size();
        const size_t sentFrom = m_sentToB.size();
        const size_t callerFrom = caller.events().size();
        const auto first = [&](const char* type) -> const SeenEvent* {
            for (size_t i = from; i < m_atB.size(); ++i)
                if (m_atB[i].event.type == QLatin1String(type))
                    return &m_atB[i];
            return nullptr;
        };
        // baresip sets up a call in steps of its own periodic work (sound comes
        // in 20 ms packets): a random wait of up to two such periods keeps the
        // calls from falling into step with it.
        spinUntil([] { return false; }, QRandomGenerator::global()->bounded(40));
        const auto dialled = std::chrono::steady_clock::now();
        caller.send(QStringLiteral("dial"), m_b.address());
        if (!spinUntil([&] { return first("CALL_ESTABLISHED") != nullptr; }, CallWithinMs))
            fail(QStringLiteral("a call was not established within %1 s").arg(CallWithinMs / 1000));
        const auto established = first("CALL_ESTABLISHED")->at;
        if (!m_messages.shown.empty())
            fail(QStringLiteral("the program reported: ") + m_messages.shown.front().text);

        Call times;
        times.total = ms(dialled, established);
        auto reached = dialled;
        if (const SeenEvent* incoming = first("CALL_INCOMING")) {
            times.toIncoming = ms(dialled, incoming->at);
            reached = incoming->at;
        }
        for (size_t i = sentFrom; i < m_sentToB.size(); ++i)
            if (m_sentToB[i].name == QLatin1String("accept")) {
                times.toAccept = ms(reached, m_sentToB[i].at);
                reached = m_sentToB[i].at;
                break;
            }
        times.toEstablished = ms(reached, established);

        // Hang up, and wait until both ends have let the call go.
        const QString id = first("CALL_ESTABLISHED")->event.callId;
        caller.command(QStringLiteral("hangup"));
        const auto closed = [&](const std::vector<SeenEvent>& seen, size_t since) {
            for (size_t i = since; i < seen.size(); ++i)
                if (seen[i].event.type == QLatin1String("CALL_CLOSED") &&
                    seen[i].event.callId == id)
                    return true;
            return false;
        };
        if (!spinUntil([&] { return closed(m_atB, from) && closed(caller.events(), callerFrom); },
                       CallWithinMs))
            fail(QStringLiteral("a call was not hung up in time"));
        return times;
    }

private:
    BaresipProcess m_a;
    BaresipProcess m_d;
    BaresipProcess m_b;
    QString m_programDir;
    std::vector<SeenEvent> m_atB;
    std::vector<SentCommand> m_sentToB;
    BaresipControl m_fromA;
    BaresipControl m_fromD;
    TappedControlSocket* m_tap = nullptr;
    RecordingMessageBox m_messages;
    RecordingShellOpen m_shell;
    RecordingPause m_pause;
    RecordingNotificationIcon m_tray;
    std::unique_ptr<BaresipAutomationFactory> m_factory;
    std::unique_ptr<frmMain> m_window;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int calls = BenchSupport::callsOption(app.arguments(), "sip_answer", 200);

    QTemporaryDir dir;
    std::vector<SipBench::Call> byProgram;
    std::vector<SipBench::Call> byBaresip;
    std::vector<SipBench::Call> byBare;
    try {
        SipBench bench(dir.path());
        bench.start(120 + calls); // three calls take well under a second
        // The first call loads both list windows.
        for (int i = 0; i < WarmUpCalls; ++i)
            for (Answerer answerer :
                 {Answerer::Pellorin, Answerer::Baresip, Answerer::BareController})
                bench.call(answerer);
        for (int i = 0; i < calls; ++i) {
            byProgram.push_back(bench.call(Answerer::Pellorin));
            byBaresip.push_back(bench.call(Answerer::Baresip));
            byBare.push_back(bench.call(Answerer::BareController));
        }
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "sip_answer: %s\n", e.what());
        return 1;
    }

    const Figures program = part(byProgram, &SipBench::Call::total);
    const Figures baresip = part(byBaresip, &SipBench::Call::total);
    const Figures bare = part(byBare, &SipBench::Call::total);
    std::printf("Dial to established over SIP on the loopback address, baresip 1.0.0: the caller "
                "dials, B's CALL_ESTABLISHED arrives (milliseconds)\n");
    std::printf("%-62s %8s %8s %8s\n", "B's call answered by", "median", "p99", "calls");
    const auto row = [](const QString& what, const Figures& f, size_t count) {
        std::printf("%-62s %8.2f %8.2f %8zu\n", qPrintable(what), f.median, f.p99, count);
    };
    row(QStringLiteral("baresip itself (answermode=auto)"), baresip, byBaresip.size());
    row(QStringLiteral("a bare controller (\"accept\" on CALL_INCOMING)"), bare, byBare.size());
    row(QStringLiteral("Pellorin (the caller entry %1 of %1 on the calls list)").arg(ListEntries),
        program, byProgram.size());
    const double added = program.median - baresip.median;
    std::printf("Pellorin adds %.2f ms to the median of baresip's own answer (target under %.0f "
                "ms: %s), %.2f ms to the bare controller's\n",
                added, TargetAddedMs, added < TargetAddedMs ? "met" : "missed",
                program.median - bare.median);

    std::printf("\nWhere the calls answered through the control socket spend their time "
                "(median, p99)\n");
    const auto step = [](const char* what, const Figures& p, const Figures& b) {
        std::printf("  %-44s %8.2f %8.2f    %8.2f %8.2f\n", what, p.median, p.p99, b.median, b.p99);
    };
    std::printf("  %-44s %17s    %17s\n", "", "Pellorin", "bare controller");
    step("dial -> CALL_INCOMING at B", part(byProgram, &SipBench::Call::toIncoming),
         part(byBare, &SipBench::Call::toIncoming));
    step("CALL_INCOMING -> \"accept\" written", part(byProgram, &SipBench::Call::toAccept),
         part(byBare, &SipBench::Call::toAccept));
    step("\"accept\" -> CALL_ESTABLISHED at B", part(byProgram, &SipBench::Call::toEstablished),
         part(byBare, &SipBench::Call::toEstablished));
    return 0;
}
