#pragma once

#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>

// One baresip instance for a test or a benchmark: its own configuration folder
// (written into `baseDir`), SIP and control ports on the loopback address
// chosen when it starts, no devices (audio from ausine, video from fakevideo),
// the menu and ctrl_tcp modules, and one account user@127.0.0.1:port. The
// process is killed when the object goes.
class BaresipProcess {
public:
    // `answerMode`: manual, or auto for baresip's own immediate auto-answer.
    BaresipProcess(QString user, QString baseDir, QString answerMode = QStringLiteral("manual"));
    ~BaresipProcess();
    BaresipProcess(const BaresipProcess&) = delete;
    BaresipProcess& operator=(const BaresipProcess&) = delete;

    // The baresip program on the PATH; empty when there is none.
    static QString program();

    // Contacts (display name, SIP address), written before it starts.
    void setContacts(const QList<QPair<QString, QString>>& contacts) { m_contacts = contacts; }

    // Starts it and waits until its control socket takes connections. False
    // (see error()) when it does not within the timeout. Whatever happens to
    // this process, baresip ends by itself after `lifetimeSeconds`.
    bool start(int timeoutMs = 15000, int lifetimeSeconds = 600);
    // After kill(): starts it again on the same ports, as a restarted client.
    bool restart(int timeoutMs = 15000, int lifetimeSeconds = 600);
    void kill();
    bool running() const { return m_process.state() != QProcess::NotRunning; }
    // Its process id, to stop and continue it (0 when it does not run).
    qint64 pid() const { return m_process.processId(); }

    QString error() const { return m_error; }
    // What it printed (the tail).
    QString log() const;

    quint16 sipPort() const { return m_sipPort; }
    quint16 controlPort() const { return m_controlPort; }
    // sip:user@127.0.0.1:port
    QString address() const;
    // user@127.0.0.1:port, as Pellorin writes it
    QString handle() const;

private:
    bool startOnce(int timeoutMs, int lifetimeSeconds, bool choosePorts = true);
    void writeConfig() const;

    QString m_user;
    QString m_dir;
    QString m_answerMode;
    QList<QPair<QString, QString>> m_contacts;
    quint16 m_sipPort = 0;
    quint16 m_controlPort = 0;
    QProcess m_process;
    QString m_error;
};
