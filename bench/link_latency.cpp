// Round trips over the session bus to the stand-in client: a bare Invoke call
// beside the client link's GET CALL (call->status()), measured in the same run.
// Run under a session bus: starts the stand-in itself.
//
//   link_latency [--iterations N]

#include "bench_support.h"
#include "client/desktop_api/dbus_automation.h"
#include "standin_process.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

using BenchSupport::Figures;
using BenchSupport::figures;
using BenchSupport::measure;

namespace {

[[noreturn]] void fail(const QString& why) {
    BenchSupport::fail("link_latency", why);
}

QString invoke(QDBusConnection& bus, const QString& command) {
    QString reply;
    QString error;
    if (!BenchSupport::invoke(bus, command, &reply, &error))
        fail(error);
    return reply;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int iterations = 10000;
    const QStringList args = app.arguments();
    if (const qsizetype i = args.indexOf(QStringLiteral("--iterations")); i >= 0)
        iterations = args.value(i + 1).toInt();
    if (iterations <= 0)
        fail(QStringLiteral("--iterations takes a positive number"));

    StandInProcess standIn;
    if (!standIn.start())
        fail(standIn.error());

    // The program's side: attach, have a call rung, read its status.
    DBusAutomationFactory factory;
    const std::unique_ptr<Automation> automation = factory.create();
    SkypeCallPtr call;
    QObject::connect(automation.get(), &Automation::CallStatus,
                     [&](SkypeCallPtr c, int) { call = std::move(c); });
    automation->attach(Automation::Protocol, true);
    const quint32 id = standIn.ring(QStringLiteral("bob"));
    QElapsedTimer waited;
    waited.start();
    while (!call && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (!call)
        fail(QStringLiteral("the rung call did not arrive"));

    // The bare bus: a connection of its own, attached the same way.
    QDBusConnection bare = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                         QStringLiteral("link-latency-bare"));
    if (invoke(bare, QStringLiteral("NAME bench")) != QLatin1String("OK"))
        fail(QStringLiteral("the stand-in did not let the benchmark attach"));
    const QString command = QStringLiteral("#1 GET CALL %1 STATUS").arg(id);

    const Figures bareFigures = figures(measure(iterations, [&] { invoke(bare, command); }));
    const Figures linkFigures = figures(measure(iterations, [&] { call->status(); }));

    std::printf("Round trip to the stand-in over the session bus, %d calls each (microseconds)\n",
                iterations);
    std::printf("%-34s %10s %10s\n", "", "median", "p99");
    std::printf("%-34s %10.1f %10.1f\n", "bare Invoke (GET CALL n STATUS)", bareFigures.median,
                bareFigures.p99);
    std::printf("%-34s %10.1f %10.1f\n", "client link call->status()", linkFigures.median,
                linkFigures.p99);
    standIn.stop();
    return 0;
}
