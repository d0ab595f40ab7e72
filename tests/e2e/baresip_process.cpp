#include "baresip_process.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QUdpSocket>

#include <algorithm>

namespace {

bool write(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

// A free port; with `sip`, the port after it is free too (baresip listens for
// SIP over TLS there), for TCP and UDP alike.
quint16 freePort(bool sip) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        QTcpServer first;
        if (!first.listen(QHostAddress::LocalHost, 0))
            continue;
        const quint16 port = first.serverPort();
        if (!sip)
            return port;
        if (port == 65535)
            continue;
        QTcpServer second;
        QUdpSocket udp[2];
        if (second.listen(QHostAddress::LocalHost, port + 1) &&
            udp[0].bind(QHostAddress::LocalHost, port) &&
            udp[1].bind(QHostAddress::LocalHost, port + 1))
            return port;
    }
    return 0;
}

} // namespace

BaresipProcess::BaresipProcess(QString user, QString baseDir, QString answerMode)
    : m_user(std::move(user)), m_dir(QDir(baseDir).filePath(m_user)),
      m_answerMode(std::move(answerMode)) {
    m_process.setProcessChannelMode(QProcess::MergedChannels);
}

BaresipProcess::~BaresipProcess() {
    kill();
}

QString BaresipProcess::program() {
    return QStandardPaths::findExecutable(QStringLiteral("baresip"));
}

QString BaresipProcess::address() const {
    return QStringLiteral("sip:%1@127.0.0.1:%2").arg(m_user).arg(m_sipPort);
}

QString BaresipProcess::handle() const {
    return QStringLiteral("%1@127.0.0.1:%2").arg(m_user).arg(m_sipPort);
}

QString BaresipProcess::log() const {
    QFile file(QDir(m_dir).filePath(QStringLiteral("baresip.log")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = file.readAll();
    return QString::fromUtf8(all.right(4000));
}

void BaresipProcess::writeConfig() const {
    QDir().mkpath(m_dir);
    // No devices: audio from a sine source (which in 1.0.0 needs 48 kHz stereo),
    // video from a test pattern, both played into nothing. Everything on the
    // loopback address.
    const QString config = QStringLiteral(R"(poll_method		epoll
sip_listen		127.0.0.1:%1
net_interface		127.0.0.1
call_local_timeout	120
call_max_calls		8
audio_player		aubridge,nil
audio_source		ausine,440
audio_alert		aubridge,nil
ausrc_srate		48000
ausrc_channels		2
video_source		fakevideo,nil
video_display		fakevideo,nil
video_size		352x288
video_fps		25.00
module_path		/usr/lib/baresip/modules
module			g711.so
module			ausine.so
module			aubridge.so
module			fakevideo.so
module			vp8.so
module_tmp		account.so
module_app		contact.so
module_app		menu.so
module_app		ctrl_tcp.so
ctrl_tcp_listen		127.0.0.1:%2
)")
                               .arg(m_sipPort)
                               .arg(m_controlPort);
    write(QDir(m_dir).filePath(QStringLiteral("config")), config);
    write(QDir(m_dir).filePath(QStringLiteral("accounts")),
          QStringLiteral("<%1>;answermode=%2;regint=0\n").arg(address(), m_answerMode));
    QString contacts;
    for (const auto& [name, address] : m_contacts)
        contacts += QStringLiteral("\"%1\" <%2>\n").arg(name, address);
    write(QDir(m_dir).filePath(QStringLiteral("contacts")), contacts);
}

bool BaresipProcess::start(int timeoutMs, int lifetimeSeconds) {
    if (program().isEmpty()) {
        m_error = QStringLiteral("baresip is not installed (scripts/install-deps.sh installs "
                                 "baresip-core)");
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    // A port taken between choosing it and baresip binding it makes baresip
    // end at once: choose again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (startOnce(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1000)),
                      lifetimeSeconds))
            return true;
        kill();
        if (deadline.hasExpired())
            break;
    }
    return false;
}

bool BaresipProcess::restart(int timeoutMs, int lifetimeSeconds) {
    kill();
    return startOnce(timeoutMs, lifetimeSeconds, false);
}

bool BaresipProcess::startOnce(int timeoutMs, int lifetimeSeconds, bool choosePorts) {
    if (choosePorts) {
        m_sipPort = freePort(true);
        m_controlPort = freePort(false);
    }
    if (m_sipPort == 0 || m_controlPort == 0 || m_sipPort + 1 == m_controlPort) {
        m_error = QStringLiteral("no free ports");
        return false;
    }
    writeConfig();
    m_process.setStandardOutputFile(QDir(m_dir).filePath(QStringLiteral("baresip.log")));
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.start(program(), {QStringLiteral("-f"), m_dir, QStringLiteral("-t"),
                                QString::number(lifetimeSeconds)});
    if (!m_process.waitForStarted(timeoutMs)) {
        m_error = QStringLiteral("cannot start baresip: %1").arg(m_process.errorString());
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (m_process.state() == QProcess::NotRunning) {
            m_error = QStringLiteral("baresip ended at start: %1").arg(log());
            return false;
        }
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_controlPort);
        if (probe.waitForConnected(200)) {
            probe.disconnectFromHost();
            return true;
        }
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
    m_error = QStringLiteral("baresip's control socket did not open in time: %1").arg(log());
    return false;
}

void BaresipProcess::kill() {
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}
