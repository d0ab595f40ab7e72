// Ring to answer, end to end over the session bus: the stand-in client rings a
// call from a caller at the end of a full calls list, and the real main window
// (real bus backend, both list windows loaded from their files) answers it. The
// latency is taken from the stand-in's own record of the call: from sending
// "CALL n STATUS RINGING" to receiving "ALTER CALL n ANSWER". Beside it, in the
// same run, a bare Invoke round trip between the same two processes.
// Run under a session bus: starts the stand-in itself.
//
//   ring_to_answer [--calls N]

#include "app/app_services.h"
#include "app/frm_main.h"
#include "bench_support.h"
#include "fakes/recorders.h"
#include "fakes/recording_notification_icon.h"
#include "lists/list_file.h"
#include "client/desktop_api/api_protocol.h"
#include "client/desktop_api/dbus_automation.h"
#include "standin_process.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

using BenchSupport::Figures;
using BenchSupport::figures;

namespace {

constexpr int ListEntries = ListFile::MaxEntries;
constexpr int AnswerWithinMs = 5000;
constexpr int BareRoundTrips = 1000;
constexpr double TargetRatio = 4.0;

const QString Caller = QStringLiteral("caller.99999");
const QString Attached =
    QStringLiteral("Pellorin has successfully attached itself to your Skype client.");

// `count` entries named `stem` and a number, as long as the caller's handle, with
// `last` as the last entry when it is not empty; each line ends in CR LF.
QByteArray listBytes(const QString& stem, int count, const QString& last) {
    QByteArray bytes;
    const int numbered = last.isEmpty() ? count : count - 1;
    for (int i = 0; i < numbered; ++i)
        bytes += QStringLiteral("%1.%2\r\n").arg(stem).arg(i, 5, 10, QLatin1Char('0')).toUtf8();
    if (!last.isEmpty())
        bytes += last.toUtf8() + "\r\n";
    return bytes;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One rung call as the stand-in recorded it (its own clock, microseconds): the
// lines from sending RINGING to receiving ANSWER, each with the time since the
// one before, its call id written "n" and its command id left out.
struct Rung {
    quint32 id = 0;
    double latencyMicros = 0;
    std::vector<std::pair<QString, double>> steps;
};

class RingBench {
public:
    explicit RingBench(const QString& programDir)
        : m_services{m_messages, m_shell, m_pause, m_factory, m_tray, programDir},
          m_window(m_services) {}

    StandInProcess& standIn() { return m_standIn; }

    [[noreturn]] void giveUp(const QString& why) {
        std::fflush(stdout);
        std::fprintf(stderr, "ring_to_answer: %s\n", qPrintable(why));
        for (const RecordingMessageBox::Shown& shown : m_messages.shown)
            if (shown.text != Attached)
                std::fprintf(stderr, "  the program showed: %s\n", qPrintable(shown.text));
        std::fflush(stderr);
        m_standIn.kill();
        // Ends at once: this may run inside the program's own event handling.
        if (m_onGiveUp)
            m_onGiveUp();
        std::_Exit(1);
    }

    void setOnGiveUp(std::function<void()> onGiveUp) { m_onGiveUp = std::move(onGiveUp); }

    // Attaches the way the user does, and waits for the program to say so.
    void attach() {
        m_window.mnuAttach_Click();
        waitFor([&] { return !m_messages.shown.empty(); }, 10000,
                QStringLiteral("the program did not report attaching within 10 s"));
        if (m_messages.shown.front().text != Attached)
            giveUp(QStringLiteral("the program did not attach"));
        // Runs after the main window's own handler, so it counts handled rings.
        QObject::connect(m_window.oSkype(), &Automation::CallStatus, &m_window,
                         [this](const SkypeCallPtr&, int status) {
                             if (status == CallStatusCode::Ringing) {
                                 ++m_ringsHandled;
                                 if (m_ringHandled)
                                     m_ringHandled();
                             }
                         });
    }

    // Rings one call from the caller, lets the program handle it, and hangs it up.
    Rung ringOnce() {
        // Calls come seconds apart: let the program finish what the last one left
        // (the hang-up notice, repainting the list), as it would be idle by now.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        const int before = m_ringsHandled;
        const size_t boxesBefore = m_messages.shown.size();
        QDBusMessage ring = QDBusMessage::createMethodCall(
            QStringLiteral("org.pellorin.StandIn"), QStringLiteral("/org/pellorin/StandIn"),
            QStringLiteral("org.pellorin.StandIn"), QStringLiteral("Ring"));
        ring << Caller;
        // Asked without blocking: the program's event loop keeps running while the
        // notification arrives.
        QDBusPendingCallWatcher pending(QDBusConnection::sessionBus().asyncCall(ring, 5000));

        QEventLoop loop;
        const auto finishedOrNot = [&] {
            if (m_ringsHandled > before && pending.isFinished())
                loop.quit();
        };
        QObject::connect(&pending, &QDBusPendingCallWatcher::finished, &loop, finishedOrNot);
        m_ringHandled = finishedOrNot;
        // Fires inside the program's own waits too.
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, [&] {
            giveUp(QStringLiteral("ring %1 was not answered within %2 s")
                       .arg(m_callsRung + 1)
                       .arg(AnswerWithinMs / 1000));
        });
        deadline.start(AnswerWithinMs);
        loop.exec();
        deadline.stop();
        m_ringHandled = nullptr;

        const quint32 id = idOf(pending);
        if (m_messages.shown.size() != boxesBefore)
            giveUp(QStringLiteral("the program reported a failure while handling call %1").arg(id));
        std::optional<Rung> rung = ringToAnswer(id, m_standIn.history(id));
        if (!rung)
            giveUp(QStringLiteral("call %1 was handled but not answered").arg(id));
        m_standIn.hangup(id);
        ++m_callsRung;
        return std::move(*rung);
    }

    // A bare Invoke round trip on the program's own bus connection, in microseconds.
    double bareRoundTrip(QDBusConnection& bus, const QString& command) {
        QString reply;
        QString error;
        const double micros = BenchSupport::timeMicros([&] {
            if (!BenchSupport::invoke(bus, command, &reply, &error))
                giveUp(error);
        });
        if (!reply.startsWith(QLatin1String("CALL ")))
            giveUp(QStringLiteral("%1 was answered with %2").arg(command, reply));
        return micros;
    }

private:
    template <typename F> void waitFor(F&& done, int timeoutMs, const QString& why) {
        QTimer deadline;
        deadline.setSingleShot(true);
        deadline.start(timeoutMs);
        while (!done()) {
            if (!deadline.isActive())
                giveUp(why);
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

    quint32 idOf(QDBusPendingCallWatcher& pending) {
        const QDBusMessage reply = pending.reply();
        if (reply.type() != QDBusMessage::ReplyMessage)
            giveUp(QStringLiteral("the stand-in did not ring: ") + reply.errorMessage());
        return reply.arguments().value(0).toUInt();
    }

    // From the stand-in's record of call `id`: microseconds from sending
    // "CALL id STATUS RINGING" to receiving "ALTER CALL id ANSWER", and the steps.
    static std::optional<Rung> ringToAnswer(quint32 id, const QStringList& history) {
        const QString ringing = QStringLiteral("CALL %1 STATUS RINGING").arg(id);
        const QString answer = QStringLiteral("ALTER CALL %1 ANSWER").arg(id);
        const QString callWord = QStringLiteral(" CALL %1 ").arg(id);
        Rung rung{id, 0, {}};
        std::optional<qint64> rungAt;
        qint64 previousAt = 0;
        for (const QString& entry : history) {
            // "<microseconds> <direction> <line>"
            const qint64 at = entry.section(QLatin1Char(' '), 0, 0).toLongLong();
            const QString direction = entry.section(QLatin1Char(' '), 1, 1);
            const auto tagged = ApiProtocol::splitId(entry.section(QLatin1Char(' '), 2));
            if (!tagged)
                continue;
            const QString& line = tagged->body;
            if (!rungAt && direction == QLatin1String("->") && line == ringing)
                rungAt = previousAt = at;
            if (!rungAt)
                continue;
            QString label = direction + QLatin1Char(' ') + line + QLatin1Char(' ');
            label.replace(callWord, QStringLiteral(" CALL n "));
            rung.steps.emplace_back(label.trimmed(), static_cast<double>(at - previousAt));
            previousAt = at;
            if (direction == QLatin1String("<-") && line == answer) {
                rung.latencyMicros = static_cast<double>(at - *rungAt);
                return rung;
            }
        }
        return std::nullopt;
    }

    StandInProcess m_standIn;
    RecordingMessageBox m_messages;
    RecordingShellOpen m_shell;
    RecordingNotificationIcon m_tray;
    RecordingPause m_pause;
    DBusAutomationFactory m_factory;
    AppServices m_services;
    frmMain m_window;
    int m_ringsHandled = 0;
    int m_callsRung = 0;
    std::function<void()> m_ringHandled;
    std::function<void()> m_onGiveUp;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    int calls = 1000;
    const QStringList args = app.arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--calls")); i >= 0)
        calls = args.value(i + 1).toInt();
    if (calls < 2)
        BenchSupport::fail("ring_to_answer", QStringLiteral("--calls takes a number from 2 up"));

    // The program's directory: a full calls list with the caller last, and a full
    // video calls list without the caller (so no pause before video).
    QTemporaryDir programDir;
    if (!programDir.isValid() ||
        !writeFile(programDir.filePath(ListFile::CallsFileName),
                   listBytes(QStringLiteral("caller"), ListEntries, Caller)) ||
        !writeFile(programDir.filePath(ListFile::VideoCallsFileName),
                   listBytes(QStringLiteral("callee"), ListEntries, QString())))
        BenchSupport::fail("ring_to_answer", QStringLiteral("cannot write the list files"));

    RingBench bench(programDir.path());
    bench.setOnGiveUp([&] { programDir.remove(); });
    if (!bench.standIn().start())
        bench.giveUp(bench.standIn().error());

    std::vector<double> rings;
    std::vector<double> bare;
    // The steps of the measured calls whose steps are those of the first measured one.
    std::vector<std::pair<QString, double>> stepsShape;
    std::vector<std::vector<double>> stepGaps;
    double firstRing = 0;
    try {
        bench.attach();
        const Rung first = bench.ringOnce();
        firstRing = first.latencyMicros;

        // The program's own connection to the bus (the link names its connections
        // "pellorin-link-<n>"; this process has made one), already attached.
        QDBusConnection programBus(QStringLiteral("pellorin-link-0"));
        if (!programBus.isConnected())
            bench.giveUp(QStringLiteral("the program's bus connection is not there"));
        const QString command = QStringLiteral("GET CALL %1 STATUS").arg(first.id);
        for (int i = 0; i < 200; ++i)
            bench.bareRoundTrip(programBus, command); // warm up

        // Bare round trips between the rings, so both see the same machine.
        const int measured = calls - 1;
        const int barePerRing = (std::max(BareRoundTrips, measured) + measured - 1) / measured;
        rings.reserve(measured);
        bare.reserve(static_cast<size_t>(barePerRing) * measured);
        for (int n = 0; n < measured; ++n) {
            const Rung rung = bench.ringOnce();
            rings.push_back(rung.latencyMicros);
            if (stepsShape.empty()) {
                stepsShape = rung.steps;
                stepGaps.resize(stepsShape.size());
            }
            const bool sameSteps = std::equal(
                rung.steps.begin(), rung.steps.end(), stepsShape.begin(), stepsShape.end(),
                [](const auto& a, const auto& b) { return a.first == b.first; });
            for (size_t i = 0; sameSteps && i < rung.steps.size(); ++i)
                stepGaps[i].push_back(rung.steps[i].second);
            for (int i = 0; i < barePerRing; ++i)
                bare.push_back(bench.bareRoundTrip(programBus, command));
        }
    } catch (const std::exception& e) {
        bench.giveUp(QString::fromLocal8Bit(e.what()));
    }

    const Figures ringFigures = figures(rings);
    const Figures bareFigures = figures(bare);
    const double ratio = ringFigures.median / bareFigures.median;
    std::printf("Ring to answer over the session bus: the caller is entry %d of %d on the calls "
                "list, not on the video calls list of %d (microseconds)\n",
                ListEntries, ListEntries, ListEntries);
    std::printf("%-44s %10s %10s %8s\n", "", "median", "p99", "samples");
    std::printf("%-44s %10.1f %10.1f %8zu\n", "bare Invoke (GET CALL n STATUS)", bareFigures.median,
                bareFigures.p99, bare.size());
    std::printf("%-44s %10.1f %10.1f %8zu\n", "ring to answer (RINGING sent -> ANSWER in)",
                ringFigures.median, ringFigures.p99, rings.size());
    std::printf("%-44s %10.1f\n", "first ring (loads both lists)", firstRing);
    std::printf("median ratio, ring to answer / bare round trip: %.2f (target under %.0f: %s)\n",
                ratio, TargetRatio, ratio < TargetRatio ? "met" : "missed");
    std::printf("\nWhere the time goes: the stand-in's record of the %zu calls that took these "
                "steps, time before each line\n  %10s %10s\n",
                stepGaps.empty() ? size_t{0} : stepGaps.front().size(), "median", "p99");
    for (size_t i = 1; i < stepsShape.size(); ++i)
        std::printf("  %10.1f %10.1f  %s\n", figures(stepGaps[i]).median, figures(stepGaps[i]).p99,
                    qPrintable(stepsShape[i].first));
    bench.standIn().stop();
    return 0;
}
