#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The stand-in client as a separate process on the current session bus, for
// end-to-end tests: starts it, waits until it serves the desktop API and its
// control interface, drives it through that interface, and stops it. Control
// calls that fail throw std::runtime_error.
class StandInProcess {
public:
    // `arguments` as on the stand-in's command line; --no-window is added.
    explicit StandInProcess(QStringList arguments = {});
    ~StandInProcess();
    StandInProcess(const StandInProcess&) = delete;
    StandInProcess& operator=(const StandInProcess&) = delete;

    // The stand-in program built with this tree.
    static QString program();

    // Starts it and waits until it owns both its bus names. False (see error())
    // when it does not within the timeout.
    bool start(int timeoutMs = 10000);
    // Asks it to quit and waits; kills it when it does not go.
    void stop();
    // Ends it at once, as a crash would.
    void kill();
    bool running() const { return m_process.state() != QProcess::NotRunning; }
    QString error() const { return m_error; }
    QProcess& process() { return m_process; }

    quint32 ring(const QString& handle);
    // `count` ringing calls that are gone when the program asks about them.
    quint32 ringGone(quint32 count);
    QStringList history(quint32 callId);
    void setAuthorization(const QString& mode);
    void setAnswerOutcome(const QString& outcome);
    void hangup(quint32 callId);
    void quit();

private:
    QVariantList call(const QString& method, const QVariantList& arguments);

    QStringList m_arguments;
    QProcess m_process;
    QString m_error;
};
