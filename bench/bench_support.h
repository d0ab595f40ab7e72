#pragma once

// What the bus benchmarks share: the figures of a series of samples, timing a
// round trip, and a bare Invoke call to the client.

#include "client/desktop_api/dbus_transport.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace BenchSupport {

// Runs the event loop until `done` holds; false after `timeoutMs`.
inline bool spin(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(300);
    }
    return true;
}

struct Figures {
    double median;
    double p99;
};

inline Figures figures(std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) {
        return micros[std::min(micros.size() - 1, static_cast<size_t>(q * micros.size()))];
    };
    return {at(0.5), at(0.99)};
}

// The figures of one field (`&Call::total`, say) over a series of calls.
template <class Call> Figures part(const std::vector<Call>& calls, double Call::*field) {
    std::vector<double> values;
    values.reserve(calls.size());
    for (const Call& call : calls)
        values.push_back(call.*field);
    return figures(values);
}

// A full list file: `count` entries, each `entry` with its number (5 digits)
// for %1, `last` the last of them, each line ending in CR LF.
inline QByteArray listBytes(int count, const QString& entry, const QString& last) {
    QByteArray bytes;
    for (int i = 0; i < count - 1; ++i)
        bytes += entry.arg(i, 5, 10, QLatin1Char('0')).toUtf8() + "\r\n";
    return bytes + last.toUtf8() + "\r\n";
}

// Milliseconds from `from` to `to`.
inline double ms(std::chrono::steady_clock::time_point from,
                 std::chrono::steady_clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// How long `action` takes, in microseconds.
template <typename F> double timeMicros(F&& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
        .count();
}

// `iterations` timed runs of `roundTrip` after a warm-up, in microseconds.
template <typename F> std::vector<double> measure(int iterations, F&& roundTrip) {
    for (int i = 0; i < std::min(iterations, 200); ++i)
        roundTrip(); // warm up
    std::vector<double> micros;
    micros.reserve(iterations);
    for (int i = 0; i < iterations; ++i)
        micros.push_back(timeMicros(roundTrip));
    return micros;
}

// Says why the benchmark `program` cannot go on, and ends it with status 1.
[[noreturn]] inline void fail(const char* program, const QString& why) {
    std::fprintf(stderr, "%s: %s\n", program, qPrintable(why));
    std::fflush(stdout);
    std::exit(1);
}

// The number after --calls (`fallback` without it); ends `program` when it is
// below 1.
inline int callsOption(const QStringList& args, const char* program, int fallback) {
    int calls = fallback;
    if (const qsizetype i = args.indexOf(QStringLiteral("--calls")); i >= 0)
        calls = args.value(i + 1).toInt();
    if (calls < 1)
        fail(program, QStringLiteral("--calls takes a number from 1 up"));
    return calls;
}

// One Invoke call to the client on `bus`, waiting for its reply: the reply line,
// or false with the error in *error.
inline bool invoke(QDBusConnection& bus, const QString& command, QString* reply, QString* error) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(DBusTransport::ServiceName), QLatin1String(DBusTransport::ServicePath),
        QLatin1String(DBusTransport::ServiceInterface), QStringLiteral("Invoke"));
    call << command;
    const QDBusMessage answer = bus.call(call, QDBus::Block, 5000);
    if (answer.type() != QDBusMessage::ReplyMessage) {
        *error = QStringLiteral("Invoke failed: ") + answer.errorMessage();
        return false;
    }
    *reply = answer.arguments().value(0).toString();
    return true;
}

} // namespace BenchSupport
