// Left running: the real program with --auto-attach beside the stand-in client,
// rung by listed and unlisted callers in turn, with the stand-in quitting and
// starting again every so many rings. Reports the listed callers missed, the time
// from the client's return (its bus name back) to the program attached again
// beside the time the client takes to answer a bare attach request, and the
// program's resident memory at the start, once the first rings have loaded the
// list windows, and at the end. First it times the program's start-up, to its
// main window shown, with no settings file (and --auto-attach) beside a start
// with a settings file that holds the client and attaching by itself.
// Run under a session bus: starts the stand-in and the program itself.
//
//   auto_attach_soak [--rings N] [--restart-every M] [--starts K]

#include "bench_support.h"
#include "standin_process.h"

#include <QCoreApplication>
#include <QDBusServiceWatcher>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <functional>
#include <optional>

using BenchSupport::figures;
using BenchSupport::spin;

namespace {

[[noreturn]] void fail(const QString& why) {
    BenchSupport::fail("auto_attach_soak", why);
}

// Milliseconds on the clock the program's log lines carry (%{time boot}).
double nowMs() {
    return static_cast<double>(QDeadlineTimer::current().deadline());
}

long residentKb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// The program's log, each line with the time it was written.
class ProgramLog {
public:
    explicit ProgramLog(QProcess& process) : m_process(process) {}
    // The time of the first line containing `text` after the last one taken.
    std::optional<double> take(const QString& text) {
        m_buffer += m_process.readAllStandardError();
        while (true) {
            const qsizetype end = m_buffer.indexOf('\n');
            if (end < 0)
                return std::nullopt;
            const QString line = QString::fromUtf8(m_buffer.left(end));
            m_buffer.remove(0, end + 1);
            const qsizetype bar = line.indexOf(QLatin1Char('|'));
            if (bar > 0 && line.mid(bar + 1).contains(text))
                return line.left(bar).trimmed().toDouble() * 1000.0;
        }
    }

private:
    QProcess& m_process;
    QByteArray m_buffer;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int rings = 2000;
    int restartEvery = 200;
    const QStringList args = app.arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--rings")); i >= 0)
        rings = args.value(i + 1).toInt();
    if (const qsizetype i = args.indexOf(QStringLiteral("--restart-every")); i >= 0)
        restartEvery = args.value(i + 1).toInt();
    int starts = 20;
    if (const qsizetype i = args.indexOf(QStringLiteral("--starts")); i >= 0)
        starts = args.value(i + 1).toInt();
    if (rings <= 0 || restartEvery <= 0 || starts <= 0)
        fail(QStringLiteral("--rings, --restart-every and --starts take positive numbers"));

    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("pellorin"));
    if (!QFile::copy(QStringLiteral(PELLORIN_PROGRAM), program))
        fail(QStringLiteral("cannot copy the program"));
    QFile list(dir.filePath(QStringLiteral("qvcalllist.ini")));
    if (!list.open(QIODevice::WriteOnly) || list.write("bob\r\nalice\r\n") < 0)
        fail(QStringLiteral("cannot write the calls list"));
    list.close();

    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusServiceWatcher watcher(QLatin1String(DBusTransport::ServiceName), bus,
                                QDBusServiceWatcher::WatchForRegistration);
    QDBusConnection bare =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("soak-bare"));
    std::optional<double> clientBack;
    std::vector<double> bareAttach;
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered, [&] {
        clientBack = nowMs();
        QString reply, error;
        if (BenchSupport::invoke(bare, QStringLiteral("NAME bench"), &reply, &error))
            bareAttach.push_back(nowMs() - *clientBack);
    });

    StandInProcess standIn;
    const auto startClient = [&] {
        clientBack.reset();
        standIn.process().start(StandInProcess::program(), {QStringLiteral("--no-window")});
        if (!spin([&] { return clientBack.has_value(); }, 10000))
            fail(QStringLiteral("the stand-in did not come on the bus"));
    };
    startClient();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_STATE_HOME"), dir.filePath(QStringLiteral("state")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{time boot}|%{message}"));

    // Start-up to the main window (no notice at start either way), the program
    // ended after each.
    const auto startUp = [&](const QString& config, const QStringList& arguments) {
        QProcessEnvironment startEnv = env;
        startEnv.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        startEnv.insert(QStringLiteral("QT_LOGGING_RULES"),
                        QStringLiteral("pellorin.start.debug=true"));
        std::vector<double> ms;
        for (int i = 0; i < starts; ++i) {
            QProcess process;
            process.setProcessEnvironment(startEnv);
            ProgramLog startLog(process);
            const double begun = nowMs();
            process.start(program, arguments);
            std::optional<double> shown;
            if (!spin(
                    [&] {
                        shown = startLog.take(QStringLiteral("The main window is shown."));
                        return shown.has_value();
                    },
                    10000))
                fail(QStringLiteral("the program showed no main window"));
            ms.push_back(*shown - begun);
            process.kill();
            process.waitForFinished(5000);
        }
        return figures(ms);
    };
    const QString settingsDir = dir.filePath(QStringLiteral("saved"));
    if (!QDir().mkpath(settingsDir + QStringLiteral("/pellorin")))
        fail(QStringLiteral("cannot make the settings folder"));
    QFile settings(settingsDir + QStringLiteral("/pellorin/pellorin.conf"));
    if (!settings.open(QIODevice::WriteOnly) ||
        settings.write("[General]\nclient=desktop-api\nauto-attach=true\n") < 0)
        fail(QStringLiteral("cannot write the settings file"));
    settings.close();
    const auto noSettings =
        startUp(dir.filePath(QStringLiteral("config")), {QStringLiteral("--auto-attach")});
    const auto saved = startUp(settingsDir, {});

    QProcess pellorin;
    pellorin.setProcessEnvironment(env);
    pellorin.start(program, {QStringLiteral("--auto-attach")});
    ProgramLog log(pellorin);
    if (!spin(
            [&] { return log.take(QStringLiteral("Attached to the calling client.")).has_value(); },
            10000))
        fail(QStringLiteral("the program did not attach at start"));
    const long rssStart = residentKb(pellorin.processId());

    // Only the ones after a restart count: the bench's own NAME at start is not one.
    bareAttach.clear();
    std::vector<double> reattach;
    long rssWarm = -1;
    int listed = 0, missed = 0, unlisted = 0;
    const QStringList callers = {QStringLiteral("bob"), QStringLiteral("alice"),
                                 QStringLiteral("carol")};
    for (int i = 0; i < rings; ++i) {
        if (i > 0 && i % restartEvery == 0) {
            if (rssWarm < 0) // the list windows are loaded by now
                rssWarm = residentKb(pellorin.processId());
            standIn.stop();
            startClient();
            std::optional<double> attached;
            if (!spin(
                    [&] {
                        attached =
                            log.take(QStringLiteral("Attached to the calling client again."));
                        return attached.has_value();
                    },
                    10000))
                fail(QStringLiteral("the program did not attach again"));
            reattach.push_back(*attached - *clientBack);
        }
        const QString caller = callers[i % callers.size()];
        const bool onList = caller != QLatin1String("carol");
        const quint32 id = standIn.ring(caller);
        const QString answer = QStringLiteral("ALTER CALL %1 ANSWER").arg(id);
        if (onList) {
            ++listed;
            if (!spin([&] { return standIn.history(id).join('\n').contains(answer); }, 5000))
                ++missed;
        } else {
            ++unlisted;
            // Looked up in both lists (four handle reads), then left alone.
            spin(
                [&] {
                    return standIn.history(id).filter(QStringLiteral("PARTNER_HANDLE")).size() >= 4;
                },
                2000);
        }
        standIn.hangup(id);
    }
    spin([] { return false; }, 300); // the last record lines are written
    const long rssEnd = residentKb(pellorin.processId());
    QFile record(dir.filePath(QStringLiteral("state/pellorin/calls.log")));
    const qsizetype recorded = record.open(QIODevice::ReadOnly) ? record.readAll().count('\n') : -1;
    pellorin.kill();
    pellorin.waitForFinished(5000);
    standIn.stop();

    std::printf("start-up to the main window, %d starts each (ms)   %10s %10s\n", starts, "median",
                "p99");
    std::printf("  %-46s %10.1f %10.1f\n", "no settings file, --auto-attach", noSettings.median,
                noSettings.p99);
    std::printf("  %-46s %10.1f %10.1f\n", "a settings file (client, auto-attach)", saved.median,
                saved.p99);
    std::printf("Soak: %d rings (%d listed, %d unlisted), the client restarted every %d rings\n",
                rings, listed, unlisted, restartEvery);
    std::printf("listed callers missed: %d; lines in the record: %lld\n", missed,
                static_cast<long long>(recorded));
    if (!reattach.empty()) {
        const auto program = figures(reattach);
        const auto floor = figures(bareAttach);
        std::printf("from the client's return, %zu returns (ms)   %10s %10s\n", reattach.size(),
                    "median", "p99");
        std::printf("  %-40s %10.1f %10.1f\n", "the program attached again", program.median,
                    program.p99);
        std::printf("  %-40s %10.1f %10.1f\n", "baseline: a bare NAME answered", floor.median,
                    floor.p99);
    }
    std::printf("program resident memory (kB): %ld at start, %ld after the first %d rings, %ld at "
                "the end (%+ld since the first %d rings)\n",
                rssStart, rssWarm, restartEvery, rssEnd, rssEnd - rssWarm, restartEvery);
    return missed == 0 ? 0 : 1;
}
