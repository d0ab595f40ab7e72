#include "jami_process.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QUdpSocket>

namespace {

constexpr auto Service = "cx.ring.Ring";

bool jamidOwnsItsName() {
    const QDBusReply<bool> owned =
        QDBusConnection::sessionBus().interface()->isServiceRegistered(QLatin1String(Service));
    return owned.isValid() && owned.value();
}

void pause(int ms) {
    QCoreApplication::processEvents();
    QThread::msleep(static_cast<unsigned long>(ms));
}

JamiDetails detailsOf(const QDBusMessage& reply) {
    return reply.arguments().isEmpty()
               ? JamiDetails{}
               : qdbus_cast<JamiDetails>(reply.arguments().front().value<QDBusArgument>());
}

quint16 freeUdpPort() {
    QUdpSocket probe;
    return probe.bind(QHostAddress::LocalHost, 0) ? probe.localPort() : 0;
}

} // namespace

JamiProcess::JamiProcess(QString baseDir) : m_dir(QDir(baseDir).filePath(QStringLiteral("jami"))) {
    qDBusRegisterMetaType<JamiDetails>();
    qDBusRegisterMetaType<JamiDetailsList>();
    m_jamid.setProcessChannelMode(QProcess::MergedChannels);
}

JamiProcess::~JamiProcess() {
    kill();
    if (m_screen.state() != QProcess::NotRunning) {
        m_screen.kill();
        m_screen.waitForFinished(5000);
    }
}

QString JamiProcess::program() {
    const QString jamid = QStringLiteral("/usr/libexec/jamid");
    return QFileInfo(jamid).isExecutable() ? jamid : QString();
}

QString JamiProcess::address() const {
    return QStringLiteral("sip:%1@127.0.0.1:%2").arg(m_user).arg(m_sipPort);
}

QString JamiProcess::videoSource() const {
    return QStringLiteral("display://:%1+0,0 352x288").arg(m_display);
}

QString JamiProcess::log() const {
    QFile file(QDir(m_dir).filePath(QStringLiteral("jamid.log")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll().right(4000));
}

bool JamiProcess::startDisplay(int timeoutMs) {
    // Xvfb picks a free display number and writes it to its standard output.
    // -noreset: by default the X server resets whenever its last client leaves,
    // and a reset drops every client still in its connection setup. jamid opens
    // the screen twice when a call's video starts, once to learn its format and
    // once to capture: when the first connection closes before the second has
    // finished connecting, the second is dropped ("Cannot open display") and
    // that call sends no video at all.
    m_screen.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("640x480x24"), QStringLiteral("-nolisten"),
                    QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!m_screen.waitForStarted(timeoutMs))
        return false;
    QByteArray number;
    const QDeadlineTimer deadline(timeoutMs);
    while (!number.contains('\n') && !deadline.hasExpired() &&
           m_screen.state() == QProcess::Running) {
        m_screen.waitForReadyRead(100);
        number += m_screen.readAllStandardOutput();
    }
    bool ok = false;
    m_display = number.trimmed().toInt(&ok);
    return ok;
}

bool JamiProcess::start(int timeoutMs) {
    if (program().isEmpty()) {
        m_error = QStringLiteral("jamid is not installed (scripts/install-deps.sh installs "
                                 "jami-daemon)");
        return false;
    }
    if (jamidOwnsItsName()) {
        m_error = QStringLiteral("a jamid runs on this bus already");
        return false;
    }
    if (!startDisplay(timeoutMs)) {
        m_error = QStringLiteral("cannot start Xvfb: %1").arg(m_screen.errorString());
        return false;
    }
    const QString home = QDir(m_dir).filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    QFile asoundrc(QDir(home).filePath(QStringLiteral(".asoundrc")));
    if (!asoundrc.open(QIODevice::WriteOnly) || asoundrc.write("pcm.!default { type null }\n") < 0) {
        m_error = QStringLiteral("cannot write %1").arg(asoundrc.fileName());
        return false;
    }
    asoundrc.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(PELLORIN_JAMI_NETLINK_SHIM));
    m_jamid.setProcessEnvironment(environment);
    return startDaemon(timeoutMs);
}

bool JamiProcess::startDaemon(int timeoutMs) {
    m_jamid.setStandardOutputFile(QDir(m_dir).filePath(QStringLiteral("jamid.log")),
                                  QIODevice::Append);
    m_jamid.setStandardInputFile(QProcess::nullDevice());
    m_jamid.start(program(), {QStringLiteral("-c"), QStringLiteral("-p")});
    if (!m_jamid.waitForStarted(timeoutMs)) {
        m_error = QStringLiteral("cannot start jamid: %1").arg(m_jamid.errorString());
        return false;
    }
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (!running()) {
            m_error = QStringLiteral("jamid ended at start: %1").arg(log());
            return false;
        }
        if (jamidOwnsItsName())
            return true;
        pause(50);
    }
    m_error = QStringLiteral("jamid did not take its bus name in time: %1").arg(log());
    return false;
}

QDBusMessage JamiProcess::call(JamiBus::Manager manager, const QString& method,
                               const QVariantList& args, int timeoutMs) {
    const bool calls = manager == JamiBus::Manager::Call;
    QDBusMessage message = QDBusMessage::createMethodCall(
        QLatin1String(Service),
        calls ? QStringLiteral("/cx/ring/Ring/CallManager")
              : QStringLiteral("/cx/ring/Ring/ConfigurationManager"),
        calls ? QStringLiteral("cx.ring.Ring.CallManager")
              : QStringLiteral("cx.ring.Ring.ConfigurationManager"),
        method);
    message.setAutoStartService(false);
    message.setArguments(args);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, timeoutMs);
}

QString JamiProcess::addSipAccount(const QString& user, bool autoAnswer) {
    m_user = user;
    m_sipPort = freeUdpPort();
    const JamiDetails details{
        {"Account.type", "SIP"},
        {"Account.alias", user},
        {"Account.username", user},
        {"Account.hostname", ""},
        {"Account.localInterface", "lo"},
        {"Account.localPort", QString::number(m_sipPort)},
        {"Account.publishedAddress", "127.0.0.1"},
        {"Account.upnpEnabled", "false"},
        {"Account.autoAnswer", autoAnswer ? "true" : "false"},
        {"Account.videoEnabled", "true"},
        // A plain-RTP caller: no SDES keys, and RTP when the caller offers no
        // SRTP (otherwise the call is set up with both media on port 0).
        {"SRTP.keyExchange", ""},
        {"SRTP.rtpFallback", "true"},
    };
    const QString id = addAccount(details);
    return !id.isEmpty() && waitUntilReady(id) ? id : QString();
}

QString JamiProcess::addAccount(const JamiDetails& details) {
    const QDBusMessage added = call(JamiBus::Manager::Configuration, QStringLiteral("addAccount"),
                                    {QVariant::fromValue(details)});
    if (added.type() != QDBusMessage::ReplyMessage || added.arguments().isEmpty()) {
        m_error = QStringLiteral("addAccount failed: %1").arg(added.errorMessage());
        return {};
    }
    return added.arguments().front().toString();
}

bool JamiProcess::waitUntilReady(const QString& id, const QString& state, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (detailsOf(call(JamiBus::Manager::Configuration,
                           QStringLiteral("getVolatileAccountDetails"), {id}))
                .value(QStringLiteral("Account.registrationStatus")) == state)
            return true;
        pause(50);
    }
    m_error = QStringLiteral("the account %1 did not get %2: %3").arg(id, state, log());
    return false;
}

QString JamiProcess::addJamiAccount(const QString& alias, const QString& nameServer) {
    JamiDetails details{
        {"Account.type", "RING"},
        {"Account.alias", alias},
        {"Account.upnpEnabled", "false"},
        // No bootstrap node to reach: the nodes find each other.
        {"Account.hostname", ""},
        {"Account.peerDiscovery", "true"},
        {"Account.accountDiscovery", "true"},
        {"Account.accountPublish", "true"},
        {"TURN.enable", "false"},
        {"STUN.enable", "false"},
    };
    if (!nameServer.isEmpty())
        details.insert(QStringLiteral("RingNS.uri"), nameServer);
    return addAccount(details);
}

bool JamiProcess::waitUntilRegistered(const QString& account) {
    return waitUntilReady(account, QStringLiteral("REGISTERED"), 60000);
}

QString JamiProcess::jamiId(const QString& account) {
    return detailsOf(call(JamiBus::Manager::Configuration, QStringLiteral("getAccountDetails"),
                          {account}))
        .value(QStringLiteral("Account.username"));
}

bool JamiProcess::restart(const QStringList& accounts, int timeoutMs) {
    kill();
    const QDeadlineTimer gone(5000);
    while (jamidOwnsItsName() && !gone.hasExpired())
        pause(20);
    if (!startDaemon(timeoutMs))
        return false;
    for (const QString& id : accounts)
        if (!waitUntilReady(id))
            return false;
    return true;
}

bool JamiProcess::alive() {
    return running() && !m_jamid.waitForFinished(300) && jamidOwnsItsName();
}

void JamiProcess::kill() {
    if (!running())
        return;
    m_jamid.kill();
    m_jamid.waitForFinished(5000);
}
