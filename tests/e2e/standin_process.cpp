#include "standin_process.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QThread>

#include <stdexcept>

namespace {

constexpr auto ControlService = "org.pellorin.StandIn";
constexpr auto ControlPath = "/org/pellorin/StandIn";
constexpr auto ControlInterface = "org.pellorin.StandIn";
constexpr auto ApiService = "com.Skype.API";

bool owned(const char* name) {
    const auto reply =
        QDBusConnection::sessionBus().interface()->isServiceRegistered(QLatin1String(name));
    return reply.isValid() && reply.value();
}

} // namespace

StandInProcess::StandInProcess(QStringList arguments) : m_arguments(std::move(arguments)) {
    if (!m_arguments.contains(QStringLiteral("--no-window")))
        m_arguments << QStringLiteral("--no-window");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

StandInProcess::~StandInProcess() {
    stop();
}

QString StandInProcess::program() {
    return QStringLiteral(PELLORIN_STANDIN_PROGRAM);
}

bool StandInProcess::start(int timeoutMs) {
    m_process.start(program(), m_arguments);
    if (!m_process.waitForStarted(timeoutMs)) {
        m_error = QStringLiteral("cannot start %1: %2").arg(program(), m_process.errorString());
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (!(owned(ApiService) && owned(ControlService))) {
        if (m_process.state() == QProcess::NotRunning) {
            m_error = QStringLiteral("the stand-in ended with status %1").arg(m_process.exitCode());
            return false;
        }
        if (deadline.hasExpired()) {
            m_error = QStringLiteral("the stand-in did not take its bus names in time");
            return false;
        }
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}

void StandInProcess::stop() {
    if (!running())
        return;
    try {
        quit();
    } catch (const std::exception&) {
        // It may be past answering; it is killed below.
    }
    if (!m_process.waitForFinished(5000))
        kill();
}

void StandInProcess::kill() {
    if (!running())
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}

quint32 StandInProcess::ring(const QString& handle) {
    return call(QStringLiteral("Ring"), {handle}).value(0).toUInt();
}

quint32 StandInProcess::ringGone(quint32 count) {
    return call(QStringLiteral("RingGone"), {count}).value(0).toUInt();
}

QStringList StandInProcess::history(quint32 callId) {
    return call(QStringLiteral("History"), {callId}).value(0).toStringList();
}

void StandInProcess::setAuthorization(const QString& mode) {
    call(QStringLiteral("SetAuthorization"), {mode});
}

void StandInProcess::setAnswerOutcome(const QString& outcome) {
    call(QStringLiteral("SetAnswerOutcome"), {outcome});
}

void StandInProcess::hangup(quint32 callId) {
    call(QStringLiteral("Hangup"), {callId});
}

void StandInProcess::quit() {
    call(QStringLiteral("Quit"), {});
}

QVariantList StandInProcess::call(const QString& method, const QVariantList& arguments) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(QLatin1String(ControlService), QLatin1String(ControlPath),
                                       QLatin1String(ControlInterface), method);
    message.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(message, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage)
        throw std::runtime_error(QStringLiteral("stand-in %1 failed: %2")
                                     .arg(method, reply.errorMessage())
                                     .toStdString());
    return reply.arguments();
}
