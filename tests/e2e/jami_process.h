#pragma once

#include "client/jami/jami_bus.h"

#include <QDBusMessage>
#include <QProcess>
#include <QString>
#include <QStringList>

// One jamid (Jami's daemon) for a test or a benchmark, on the session bus of
// this process: its own HOME (no sound card: a null ALSA device; no camera:
// a virtual X screen of its own as the video source), the netlink library of
// the tests preloaded (see jami_netlink_shim.cpp), SIP accounts on the
// loopback address. jamid and the screen are killed when the object goes.
class JamiProcess {
public:
    explicit JamiProcess(QString baseDir);
    ~JamiProcess();
    JamiProcess(const JamiProcess&) = delete;
    JamiProcess& operator=(const JamiProcess&) = delete;

    // jamid where Debian installs it; empty when it is not installed.
    static QString program();

    // Starts the screen and jamid and waits until jamid owns its bus name.
    bool start(int timeoutMs = 20000);
    // Adds a SIP account `user` on 127.0.0.1 (a free port), plain RTP, and
    // waits until it is ready; its id, or empty (see error()).
    QString addSipAccount(const QString& user, bool autoAnswer = false);
    // Adds a Jami account `alias` that finds the other accounts' DHT nodes on
    // the local network (two such accounts make a DHT of their own, with no
    // way out), with `nameServer` as its name server when given; waits until
    // it has its ID. Its account id, or empty (see error()).
    QString addJamiAccount(const QString& alias, const QString& nameServer = QString());
    // Waits until a Jami account has its keys and is registered on its DHT
    // (see error()).
    bool waitUntilRegistered(const QString& account);
    // The Jami ID of a Jami account (its Account.username).
    static QString jamiId(const QString& account);
    // Kills jamid and starts it again (in the same HOME, so with the same
    // accounts), and waits until `accounts` are ready.
    bool restart(const QStringList& accounts, int timeoutMs = 20000);
    void kill();
    bool running() const { return m_jamid.state() != QProcess::NotRunning; }
    // jamid's process id, to stop and continue it (0 when it does not run).
    qint64 pid() const { return m_jamid.processId(); }
    // Whether jamid still runs and owns its name (looks for a while; for
    // after a failure, when the process may just have ended).
    bool alive();

    // sip:user@127.0.0.1:port of the last account added.
    QString address() const;
    // The X screen as jamid names a video source.
    QString videoSource() const;
    QString error() const { return m_error; }
    // What jamid printed (the tail).
    QString log() const;

    // Calls a method of jamid from this process's own bus connection (never
    // starting jamid).
    static QDBusMessage call(JamiBus::Manager manager, const QString& method,
                             const QVariantList& args, int timeoutMs = 5000);

private:
    bool startDisplay(int timeoutMs);
    bool startDaemon(int timeoutMs);
    // Adds an account; its id, or empty (see error()).
    QString addAccount(const JamiDetails& details);
    bool waitUntilReady(const QString& account, const QString& state = QStringLiteral("READY"),
                        int timeoutMs = 10000);

    QString m_dir;
    QString m_user;
    quint16 m_sipPort = 0;
    int m_display = -1;
    QProcess m_screen;
    QProcess m_jamid;
    QString m_error;
};
