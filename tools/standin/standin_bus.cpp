#include "standin_bus.h"

#include "standin_engine.h"

#include "client/desktop_api/dbus_transport.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusServiceWatcher>
#include <QTimer>

namespace {

// The desktop API's names on the bus, as the program uses them.
constexpr auto ApiService = DBusTransport::ServiceName;
constexpr auto ApiPath = DBusTransport::ServicePath;
constexpr auto ClientPath = DBusTransport::ClientPath;
constexpr auto ClientInterface = DBusTransport::ClientInterface;

bool isHandle(const QString& text) {
    return !text.isEmpty() && text.size() <= 256 &&
           std::none_of(text.begin(), text.end(),
                        [](QChar c) { return c.isSpace() || c == QLatin1Char(','); });
}

} // namespace

// The desktop API as the client serves it.
class StandInApi : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.Skype.API")
public:
    explicit StandInApi(StandInBus& bus) : m_bus(bus) {}

public slots:
    QString Invoke(const QString& command) {
        const auto reply = m_bus.invoke(message(), command);
        if (!reply) {
            setDelayedReply(true);
            return QString();
        }
        return *reply;
    }

private:
    StandInBus& m_bus;
};

// The control interface for the tests and the demo.
class StandInControl : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.pellorin.StandIn")
public:
    explicit StandInControl(StandInBus& bus) : m_bus(bus) {}

public slots:
    uint Ring(const QString& handle) {
        if (!isHandle(handle))
            return fail(QStringLiteral("\"%1\" is not a handle").arg(handle.left(64))), 0;
        return m_bus.engine().ring(handle);
    }
    uint RingGone(uint count) {
        if (count > 1000000)
            return fail(QStringLiteral("at most 1000000 calls at a time")), 0;
        return m_bus.engine().ringGone(static_cast<int>(count));
    }
    QStringList History(uint id) {
        const StandInEngine::Call* call = m_bus.engine().call(id);
        if (!call)
            return fail(QStringLiteral("there is no call %1").arg(id)), QStringList();
        return call->history;
    }
    void SetAuthorization(const QString& mode) {
        const auto value = StandInEngine::authorizationFrom(mode);
        if (!value)
            return fail(QStringLiteral("authorization is allow, ask or refuse, not \"%1\"")
                            .arg(mode.left(64)));
        m_bus.engine().setAuthorization(*value);
    }
    void SetAnswerOutcome(const QString& outcome) {
        const auto value = StandInEngine::answerOutcomeFrom(outcome);
        if (!value)
            return fail(QStringLiteral("answer outcome is inprogress, ringing or fail, not \"%1\"")
                            .arg(outcome.left(64)));
        m_bus.engine().setAnswerOutcome(*value);
    }
    void Hangup(uint id) {
        if (!m_bus.engine().hangup(id))
            fail(QStringLiteral("there is no call %1 going on").arg(id));
    }
    void Quit() { QTimer::singleShot(0, &m_bus, &StandInBus::quitRequested); }

private:
    void fail(const QString& why) { sendErrorReply(QDBusError::InvalidArgs, why); }

    StandInBus& m_bus;
};

StandInBus::StandInBus(StandInEngine& engine, QDBusConnection bus)
    : m_engine(engine), m_bus(std::move(bus)) {
    connect(&m_engine, &StandInEngine::notify, this, &StandInBus::sendNotification);
    connect(&m_engine, &StandInEngine::deferredReply, this, &StandInBus::sendDeferred);
}

StandInBus::~StandInBus() = default;

bool StandInBus::start(QString* error) {
    if (!m_bus.isConnected()) {
        *error = QStringLiteral("the session bus is not reachable: ") + m_bus.lastError().message();
        return false;
    }
    m_api = std::make_unique<StandInApi>(*this);
    m_control = std::make_unique<StandInControl>(*this);
    m_peers = std::make_unique<QDBusServiceWatcher>();
    m_peers->setConnection(m_bus);
    m_peers->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(m_peers.get(), &QDBusServiceWatcher::serviceUnregistered, this,
            &StandInBus::onPeerGone);
    if (!m_bus.registerObject(QLatin1String(ApiPath), m_api.get(),
                              QDBusConnection::ExportAllSlots) ||
        !m_bus.registerObject(QLatin1String(ControlPath), m_control.get(),
                              QDBusConnection::ExportAllSlots)) {
        *error = QStringLiteral("cannot serve the stand-in's objects on the bus");
        return false;
    }
    for (const char* name : {ApiService, ControlService}) {
        if (!m_bus.registerService(QLatin1String(name))) {
            *error = QStringLiteral("cannot own the bus name %1 (is another client running?)")
                         .arg(QLatin1String(name));
            return false;
        }
    }
    return true;
}

std::optional<QString> StandInBus::invoke(const QDBusMessage& message, const QString& line) {
    const QString peer = message.service();
    if (!m_peers->watchedServices().contains(peer))
        m_peers->addWatchedService(peer);
    const quint64 token = ++m_nextToken;
    auto reply = m_engine.handle(peer, line, token);
    if (!reply)
        m_deferred.insert(token, message);
    return reply;
}

void StandInBus::sendNotification(const QString& peer, const QString& line) {
    QDBusMessage notification = QDBusMessage::createMethodCall(
        peer, QLatin1String(ClientPath), QLatin1String(ClientInterface), QStringLiteral("Notify"));
    notification << line;
    // Sent without waiting: the client does not wait for the program.
    m_bus.send(notification);
}

void StandInBus::sendDeferred(quint64 token, const QString& line) {
    const auto it = m_deferred.find(token);
    if (it == m_deferred.end())
        return;
    m_bus.send(it->createReply(line));
    m_deferred.erase(it);
}

void StandInBus::onPeerGone(const QString& peer) {
    m_peers->removeWatchedService(peer);
    m_deferred.removeIf([&](const auto& entry) { return entry.value().service() == peer; });
    m_engine.peerGone(peer);
}

#include "standin_bus.moc"
