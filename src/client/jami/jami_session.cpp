#include "jami_session.h"

#include "client/caller_address.h"
#include "client/jami/jami_call.h"
#include "client/link_error.h"
#include "client/link_request.h"

#include <QFile>
#include <QLoggingCategory>
#include <QSet>
#include <QTimer>

#include <algorithm>

Q_LOGGING_CATEGORY(lcJami, "pellorin.jami", QtInfoMsg)

using LinkError::quoted;
using LinkError::seconds;

namespace {

const QString VideoType = QStringLiteral("MEDIA_TYPE_VIDEO");

template <class T> bool hasType(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<T>();
}

// The values of a signal, when they are of the types given.
template <class... T> bool readable(const QVariantList& args) {
    if (args.size() != static_cast<qsizetype>(sizeof...(T)))
        return false;
    qsizetype i = 0;
    return (hasType<T>(args[i++]) && ...);
}

bool isVideo(const JamiDetails& medium) {
    return medium.value(QStringLiteral("MEDIA_TYPE")) == VideoType;
}

// The name in the vCard at `path`; empty when there is none (or no such file).
QString nameInProfile(const QString& path) {
    constexpr qint64 LargestProfile = qint64(8) << 20; // photos included
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > LargestProfile)
        return {};
    return JamiNames::nameInVCard(file.readAll());
}

} // namespace

QString jamiHandle(const QString& peer) {
    QString handle = peer.trimmed();
    const qsizetype open = handle.indexOf(QLatin1Char('<'));
    if (open >= 0) {
        const qsizetype close = handle.indexOf(QLatin1Char('>'), open);
        handle = handle.mid(open + 1, close < 0 ? -1 : close - open - 1);
    }
    const qsizetype colon = handle.indexOf(QLatin1Char(':'));
    const qsizetype at = handle.indexOf(QLatin1Char('@'));
    // A scheme comes before the user part (not the port after the host).
    if (colon > 0 && (at < 0 || colon < at)) {
        const QString scheme = handle.left(colon).toLower();
        if (scheme == QLatin1String("sip") || scheme == QLatin1String("sips") ||
            scheme == QLatin1String("ring") || scheme == QLatin1String("jami") ||
            scheme == QLatin1String("swarm"))
            handle = handle.mid(colon + 1);
    }
    const qsizetype parameters = handle.indexOf(QLatin1Char(';'));
    if (parameters >= 0)
        handle.truncate(parameters);
    // A Jami account's caller comes as ID@ring.dht; its contact entry is the ID.
    if (handle.endsWith(QLatin1String("@ring.dht"), Qt::CaseInsensitive))
        handle.chop(9);
    return handle.trimmed();
}

QString jamiCallerHandle(const QString& typed) {
    const QString handle = jamiHandle(typed);
    if (JamiNames::isJamiId(handle))
        return handle.toLower();
    if (!CallerAddress::isUserAtHost(handle))
        return {};
    // jamid writes the user without a password and the host without its port
    // (an IPv6 address without its brackets).
    const qsizetype at = handle.indexOf(QLatin1Char('@'));
    QString user = handle.left(at);
    if (const qsizetype password = user.indexOf(QLatin1Char(':')); password >= 0)
        user.truncate(password);
    QString host = handle.mid(at + 1);
    if (host.startsWith(QLatin1Char('['))) {
        const qsizetype close = host.indexOf(QLatin1Char(']'));
        host = close < 0 ? QString() : host.mid(1, close - 1);
    } else if (const qsizetype port = host.indexOf(QLatin1Char(':')); port >= 0) {
        host.truncate(port);
    }
    if (user.isEmpty() || host.isEmpty())
        return {};
    return user + QLatin1Char('@') + host;
}

JamiSession::JamiSession(std::unique_ptr<JamiBus> bus, JamiTimeouts timeouts, QString videoSource)
    : m_bus(std::move(bus)), m_timeouts(timeouts), m_videoSource(std::move(videoSource)),
      m_listeners(m_events, this) {
    connect(m_bus.get(), &JamiBus::signalled, this, &JamiSession::onSignal);
    connect(m_bus.get(), &JamiBus::daemonChanged, this, &JamiSession::onDaemonChanged);
}

JamiSession::~JamiSession() = default;

RunTimeError JamiSession::notRunning() const {
    return RunTimeError(
        LinkError::NotRunning,
        UiText("LinkError",
               QT_TRANSLATE_NOOP("LinkError",
                                 "Jami's daemon (jamid) is not running on the session bus: "
                                 "nothing owns the name cx.ring.Ring. Start Jami first.")));
}

bool JamiSession::clientRunning() {
    return m_bus->daemonPresent();
}

void JamiSession::attach(Automation* object, int /*protocol*/, bool wait) {
    const auto keepAlive = shared_from_this();
    if (!m_bus->daemonPresent()) {
        forget(object);
        m_listeners.raiseAttachment(object, AttachStatus::NotAvailable);
        if (wait)
            throw notRunning();
        return;
    }
    m_listeners.add(object);
    m_listeners.raiseAttachment(object, AttachStatus::Success);
}

void JamiSession::forget(Automation* object) {
    m_listeners.forget(object);
}

QVariantList JamiSession::invoke(JamiBus::Manager manager, const QString& method,
                                 const QVariantList& args, int replyValues) {
    const auto keepAlive = shared_from_this();
    const quint64 daemon = m_daemonGeneration;
    const std::optional<JamiBus::Reply> reply = awaitReply<JamiBus::Reply>(
        m_events,
        [&](JamiBus::ReplyHandler handler) {
            m_bus->call(manager, method, args, m_timeouts.commandMs, std::move(handler));
        },
        m_timeouts.commandMs, [&] { return m_daemonGeneration != daemon; });
    const QString what = quoted(method);
    if (!reply || reply->failure == JamiBus::Failure::Disconnected) {
        if (m_daemonGeneration != daemon || !m_bus->daemonPresent())
            throw RunTimeError(
                LinkError::ClientQuit,
                UiText("LinkError",
                       QT_TRANSLATE_NOOP("LinkError",
                                         "Jami's daemon (jamid) quit before it answered %1. "
                                         "Give the attach command again once Jami runs."))
                    .arg(what));
        throw RunTimeError(LinkError::Timeout,
                           QStringLiteral("Jami's daemon (jamid) did not answer %1 within %2.")
                               .arg(what, seconds(m_timeouts.commandMs)));
    }
    const JamiBus::Reply& r = *reply;
    switch (r.failure) {
    case JamiBus::Failure::None:
    case JamiBus::Failure::Disconnected:
        break;
    case JamiBus::Failure::NotRunning:
        throw notRunning();
    case JamiBus::Failure::Timeout:
        throw RunTimeError(LinkError::Timeout,
                           QStringLiteral("Jami's daemon (jamid) did not answer %1 within %2.")
                               .arg(what, seconds(m_timeouts.commandMs)));
    case JamiBus::Failure::Other:
        throw RunTimeError(
            LinkError::Failed,
            QStringLiteral("Jami's daemon (jamid) refused %1: %2").arg(what, quoted(r.error)));
    }
    if (r.values.size() < replyValues)
        throw RunTimeError(LinkError::BadReply,
                           QStringLiteral("Jami's daemon (jamid) answered %1 with %2 values where "
                                          "Pellorin expects %3.")
                               .arg(what)
                               .arg(r.values.size())
                               .arg(replyValues));
    return r.values;
}

template <class T>
T JamiSession::invokeFor(JamiBus::Manager manager, const QString& method,
                         const QVariantList& args) {
    const QVariant value = invoke(manager, method, args).front();
    if (!hasType<T>(value))
        throw RunTimeError(
            LinkError::BadReply,
            QStringLiteral("Jami's daemon (jamid) answered %1 with a value of type "
                           "%2, which Pellorin cannot read (it expects %3).")
                .arg(quoted(method),
                     QString::fromLatin1(value.metaType().name() ? value.metaType().name()
                                                                 : "nothing"),
                     QString::fromLatin1(QMetaType::fromType<T>().name())));
    return value.value<T>();
}

void JamiSession::onSignal(const QString& name, const QVariantList& args) {
    const auto keepAlive = shared_from_this();
    if (name == QLatin1String("incomingCallWithMedia"))
        onIncoming(args);
    else if (name == QLatin1String("callStateChanged"))
        onStateChanged(args);
    else if (name == QLatin1String("registeredNameFound"))
        onNameFound(args);
    else if (name == QLatin1String("profileReceived"))
        onProfile(args);
    m_events.progressed();
}

void JamiSession::onIncoming(const QVariantList& args) {
    if (!readable<QString, QString, QString, JamiDetailsList>(args)) {
        qCWarning(lcJami) << "Ignored an incomingCallWithMedia signal that Pellorin cannot read:"
                          << args;
        return;
    }
    const JamiCallKey key{args[0].toString(), args[1].toString()};
    if (m_calls.contains(key))
        return;
    CallEntry added;
    added.handle = jamiHandle(args[2].toString());
    added.offer = args[3].value<JamiDetailsList>();
    m_calls.insert(key, added);
    m_callAges.add(key);
    m_callAges.trim([](const JamiCallKey&) { return false; },
                    [this](const JamiCallKey& old) { m_calls.remove(old); });
    raiseCallStatus(key, CallStatusCode::Ringing);
}

void JamiSession::onStateChanged(const QVariantList& args) {
    if (!readable<QString, QString, QString, int>(args)) {
        qCWarning(lcJami) << "Ignored a callStateChanged signal that Pellorin cannot read:" << args;
        return;
    }
    const JamiCallKey key{args[0].toString(), args[1].toString()};
    const auto it = m_calls.find(key);
    if (it == m_calls.end() || ended(key))
        return; // not a call that rang here (or it has ended already)
    const QString state = args[2].toString();
    if (state == QLatin1String("CURRENT")) {
        if (it->status == CallStatusCode::InProgress)
            return;
        it->status = CallStatusCode::InProgress;
    } else if (state == QLatin1String("HUNGUP") || state == QLatin1String("OVER") ||
               state == QLatin1String("FAILURE") || state == QLatin1String("BUSY")) {
        it->status = it->status == CallStatusCode::InProgress ? JamiCallStatus::Finished
                                                              : JamiCallStatus::Missed;
    } else {
        return; // INCOMING, CONNECTING, INACTIVE, ...: nothing this program follows
    }
    raiseCallStatus(key, it->status);
}

void JamiSession::onDaemonChanged(bool present) {
    const auto keepAlive = shared_from_this();
    ++m_daemonGeneration;
    if (!present) {
        // The calls went with that jamid.
        if (!m_calls.isEmpty() || !m_listeners.empty())
            qCWarning(lcJami) << "Jami's daemon (jamid) has quit";
        m_calls.clear();
        m_callAges.clear();
        m_listeners.detachAll(AttachStatus::NotAvailable);
    } else {
        m_listeners.clientBack();
    }
    m_events.progressed();
}

const JamiSession::CallEntry& JamiSession::entry(const JamiCallKey& key) {
    const auto it = m_calls.constFind(key);
    if (it == m_calls.constEnd())
        throw RunTimeError(LinkError::BadArgument,
                           QStringLiteral("Jami's call %1 of the account %2 is not known to "
                                          "Pellorin (it has ended long ago, or Jami has quit "
                                          "since).")
                               .arg(quoted(key.second), quoted(key.first)));
    return *it;
}

bool JamiSession::ended(const JamiCallKey& key) const {
    const auto it = m_calls.constFind(key);
    return it == m_calls.constEnd() || it->status == JamiCallStatus::Finished ||
           it->status == JamiCallStatus::Missed;
}

QString JamiSession::callerText(const JamiCallKey& key) const {
    const auto it = m_calls.constFind(key);
    if (it == m_calls.constEnd())
        return QStringLiteral("an unknown caller");
    return it->handle.isEmpty() ? QStringLiteral("an unknown caller") : quoted(it->handle);
}

QString JamiSession::partnerHandle(const JamiCallKey& key) {
    const auto keepAlive = shared_from_this();
    if (const QString known = entry(key).handle; !known.isEmpty())
        return known;
    // The ring named no caller: ask jamid.
    const JamiDetails details = invokeFor<JamiDetails>(
        JamiBus::Manager::Call, QStringLiteral("getCallDetails"), {key.first, key.second});
    if (details.isEmpty())
        throw RunTimeError(LinkError::Failed,
                           QStringLiteral("Jami no longer has the call %1, and its ring did not "
                                          "say who called.")
                               .arg(quoted(key.second)));
    const auto peer = details.constFind(QStringLiteral("PEER_NUMBER"));
    if (peer == details.constEnd() || jamiHandle(*peer).isEmpty())
        throw RunTimeError(LinkError::BadReply,
                           QStringLiteral("Jami's daemon (jamid) gave the details of the call %1 "
                                          "without its PEER_NUMBER.")
                               .arg(quoted(key.second)));
    const QString handle = jamiHandle(*peer);
    // Looked up again: the wait may have changed the table.
    if (const auto it = m_calls.find(key); it != m_calls.end())
        it->handle = handle;
    return handle;
}

int JamiSession::callStatus(const JamiCallKey& key) {
    const auto keepAlive = shared_from_this();
    if (!m_calls.contains(key))
        return CallStatusCode::Unknown;
    // The event loop may not have run for a while (the call handler pauses): a
    // round trip to jamid brings in the signals it sent before its reply.
    invoke(JamiBus::Manager::Call, QStringLiteral("getCallDetails"), {key.first, key.second});
    const auto it = m_calls.constFind(key);
    return it == m_calls.constEnd() ? CallStatusCode::Unknown : it->status;
}

bool JamiSession::answer(const JamiCallKey& key) {
    const auto keepAlive = shared_from_this();
    if (entry(key).status != CallStatusCode::Ringing)
        return false; // answered already, or the caller gave up: nothing to answer
    // The offered media, as many as offered (jamid refuses fewer), the user's
    // video muted: the caller gets none of it until video is started.
    JamiDetailsList media = entry(key).offer;
    for (JamiDetails& medium : media) {
        if (!isVideo(medium))
            continue;
        medium[QStringLiteral("MUTED")] = QStringLiteral("true");
        if (!m_videoSource.isEmpty())
            medium[QStringLiteral("SOURCE")] = m_videoSource;
    }
    if (invokeFor<bool>(JamiBus::Manager::Call, QStringLiteral("acceptWithMedia"),
                        {key.first, key.second, QVariant::fromValue(media)}))
        return true;
    if (ended(key))
        return false; // the caller gave up meanwhile
    const JamiDetails details = invokeFor<JamiDetails>(
        JamiBus::Manager::Call, QStringLiteral("getCallDetails"), {key.first, key.second});
    if (details.isEmpty() || ended(key))
        return false; // jamid no longer has the call
    throw RunTimeError(
        LinkError::Failed,
        UiText("LinkError", QT_TRANSLATE_NOOP("LinkError", "Jami did not answer the call from %1."))
            .arg(callerText(key)));
}

void JamiSession::startVideo(const JamiCallKey& key) {
    const auto keepAlive = shared_from_this();
    const bool offeredVideo = [&] {
        const JamiDetailsList& offer = entry(key).offer;
        return std::any_of(offer.begin(), offer.end(), isVideo);
    }();
    if (ended(key))
        throw LinkError::callEnded(callerText(key));
    if (!offeredVideo)
        throw LinkError::noVideoOffered(callerText(key));
    if (!invokeFor<bool>(JamiBus::Manager::Call, QStringLiteral("muteLocalMedia"),
                         {key.first, key.second, VideoType, false}))
        throw RunTimeError(
            LinkError::Failed,
            UiText("LinkError",
                   QT_TRANSLATE_NOOP("LinkError",
                                     "Jami could not start sending your video into the call "
                                     "from %1."))
                .arg(callerText(key)));
}

QStringList JamiSession::contacts() {
    const auto keepAlive = shared_from_this();
    using Manager = JamiBus::Manager;
    const QStringList accounts =
        invokeFor<QStringList>(Manager::Configuration, QStringLiteral("getAccountList"), {});
    QStringList contacts;
    QSet<QString> seen;
    QString nameAccount;
    for (const QString& account : accounts) {
        const JamiDetails details = invokeFor<JamiDetails>(
            Manager::Configuration, QStringLiteral("getAccountDetails"), {account});
        if (details.value(QStringLiteral("Account.enable")) != QLatin1String("true"))
            continue;
        const bool jami = details.value(QStringLiteral("Account.type")) == QLatin1String("RING");
        if (jami && nameAccount.isEmpty())
            nameAccount = account;
        const JamiDetailsList list = invokeFor<JamiDetailsList>(
            Manager::Configuration, QStringLiteral("getContacts"), {account});
        for (const JamiDetails& contact : list) {
            const QString handle = jamiHandle(contact.value(QStringLiteral("id")));
            if (handle.isEmpty() ||
                contact.value(QStringLiteral("banned")) == QLatin1String("true") ||
                seen.contains(handle))
                continue;
            seen.insert(handle);
            contacts.append(handle);
            m_contactAccount.insert(handle.toLower(), account);
        }
    }
    m_nameAccount = nameAccount;
    // Names not answered yet are asked for again as they are shown next.
    m_askedNames.intersect(m_answeredNames);
    return contacts;
}

QString JamiSession::shownName(const QString& handle) {
    if (JamiNames::isJamiId(handle) && !m_askedNames.contains(handle.toLower()))
        lookUpName(handle.toLower());
    return m_names.shown(handle);
}

void JamiSession::lookUpName(const QString& id) {
    const QString account = m_contactAccount.value(id, m_nameAccount);
    if (account.isEmpty())
        return; // no Jami account known (yet) to ask with
    m_askedNames.insert(id);
    readStoredProfile(account, id);
    // Asked without waiting: the name comes with registeredNameFound, or never.
    m_bus->call(JamiBus::Manager::Configuration, QStringLiteral("lookupAddress"),
                {account, QString(), id}, m_timeouts.commandMs, [id](const JamiBus::Reply& reply) {
                    if (reply.failure != JamiBus::Failure::None || reply.values.isEmpty() ||
                        !reply.values.front().toBool())
                        qCInfo(lcJami) << "Could not ask for the name of" << id << reply.error;
                });
}

void JamiSession::readStoredProfile(const QString& account, const QString& id) {
    if (m_bus->dataDirectory().isEmpty() || m_readProfiles.contains(id))
        return;
    m_readProfiles.insert(id);
    // Read from the event loop, not from inside the window that asked (a list
    // painting its rows): a profile may be megabytes with its photo, and a name
    // that changes must not change the rows being painted.
    if (m_profilesToRead.isEmpty())
        QTimer::singleShot(0, this, &JamiSession::readProfilesAsked);
    m_profilesToRead.append({account, id});
}

void JamiSession::readProfilesAsked() {
    const QString data = m_bus->dataDirectory();
    bool changed = false;
    for (const auto& [account, id] : std::exchange(m_profilesToRead, {})) {
        // jamid keeps the profile a contact sent as profiles/<the ID in base64>.vcf
        // in the account's folder.
        const QString path = QStringLiteral("%1/%2/profiles/%3.vcf")
                                 .arg(data, account, QString::fromLatin1(id.toUtf8().toBase64()));
        changed |= m_names.setProfile(id, nameInProfile(path));
    }
    if (changed)
        emit namesChanged();
}

void JamiSession::onNameFound(const QVariantList& args) {
    if (!readable<QString, int, QString, QString>(args)) {
        qCWarning(lcJami) << "Ignored a registeredNameFound signal that Pellorin cannot read:"
                          << args;
        return;
    }
    const QString id = jamiHandle(args[2].toString()).toLower();
    constexpr int Found = 0;
    constexpr int NotFound = 2;
    const int status = args[1].toInt();
    if (!JamiNames::isJamiId(id) || (status != Found && status != NotFound))
        return; // not an ID's name; or the name server failed: asked again later
    m_answeredNames.insert(id);
    if (status == Found && m_names.setRegistered(id, args[3].toString()))
        emit namesChanged();
}

void JamiSession::onProfile(const QVariantList& args) {
    if (!readable<QString, QString, QString>(args)) {
        qCWarning(lcJami) << "Ignored a profileReceived signal that Pellorin cannot read:" << args;
        return;
    }
    if (m_names.setProfile(jamiHandle(args[1].toString()), nameInProfile(args[2].toString())))
        emit namesChanged();
}

void JamiSession::raiseCallStatus(const JamiCallKey& key, int status) {
    CallEntry& record = m_calls[key];
    std::shared_ptr<JamiCall> call = record.call.lock();
    if (!call) {
        call = std::make_shared<JamiCall>(shared_from_this(), key);
        record.call = call;
    }
    m_listeners.raiseCall(call, status);
}
