#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QHash>
#include <QObject>

#include <memory>

class QDBusServiceWatcher;
class StandInEngine;

// Puts the stand-in on the bus: it owns `com.Skype.API` and serves Invoke at
// /com/Skype, sends notifications to the attached programs' Notify, and serves
// its control interface `org.pellorin.StandIn` at /org/pellorin/StandIn.
class StandInBus : public QObject {
    Q_OBJECT
public:
    static constexpr auto ControlService = "org.pellorin.StandIn";
    static constexpr auto ControlPath = "/org/pellorin/StandIn";

    StandInBus(StandInEngine& engine, QDBusConnection bus);
    ~StandInBus() override;

    // Serves the objects and takes the names; false (with the reason) when that fails.
    bool start(QString* error);

    // Used by the served objects.
    std::optional<QString> invoke(const QDBusMessage& message, const QString& line);
    StandInEngine& engine() { return m_engine; }

signals:
    void quitRequested();

private:
    void sendNotification(const QString& peer, const QString& line);
    void sendDeferred(quint64 token, const QString& line);
    void onPeerGone(const QString& peer);

    StandInEngine& m_engine;
    QDBusConnection m_bus;
    std::unique_ptr<QObject> m_api;
    std::unique_ptr<QObject> m_control;
    std::unique_ptr<QDBusServiceWatcher> m_peers;
    QHash<quint64, QDBusMessage> m_deferred;
    quint64 m_nextToken = 0;
};
