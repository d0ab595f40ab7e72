#include "standin_engine.h"

#include "client/desktop_api/api_protocol.h"

namespace {

// The call a command line is about: "GET CALL 3 ...", "ALTER CALL 3 ...".
std::optional<quint32> callOf(const QString& body) {
    const QStringList words = body.split(QLatin1Char(' '));
    if (words.size() < 3 || words[1] != QLatin1String("CALL"))
        return std::nullopt;
    const auto id = ApiProtocol::parseCallId(words[2]);
    if (!id)
        return std::nullopt;
    return static_cast<quint32>(*id);
}

} // namespace

StandInEngine::StandInEngine(ContactBook contacts, QObject* parent)
    : QObject(parent), m_contacts(std::move(contacts)) {
    m_clock.start();
}

std::optional<StandInEngine::Authorization> StandInEngine::authorizationFrom(const QString& text) {
    if (text == QLatin1String("allow"))
        return Authorization::Allow;
    if (text == QLatin1String("ask"))
        return Authorization::Ask;
    if (text == QLatin1String("refuse"))
        return Authorization::Refuse;
    return std::nullopt;
}

std::optional<StandInEngine::AnswerOutcome> StandInEngine::answerOutcomeFrom(const QString& text) {
    if (text == QLatin1String("inprogress"))
        return AnswerOutcome::InProgress;
    if (text == QLatin1String("ringing"))
        return AnswerOutcome::Ringing;
    if (text == QLatin1String("fail"))
        return AnswerOutcome::Fail;
    return std::nullopt;
}

std::optional<QString> StandInEngine::handle(const QString& peer, const QString& line,
                                             quint64 token) {
    const auto tagged = ApiProtocol::splitId(line);
    if (!tagged)
        return QStringLiteral("ERROR 1 Invalid command id");
    const QString prefix = tagged->id ? QStringLiteral("#%1 ").arg(*tagged->id) : QString();
    const QString& body = tagged->body;

    if (body.startsWith(QLatin1String("NAME "))) {
        if (m_authorization == Authorization::Ask) {
            m_pendingNames.append({peer, token, prefix});
            emit changed();
            return std::nullopt;
        }
        return prefix + nameAnswer(peer);
    }
    const auto call = callOf(body);
    if (call)
        record(*call, QStringLiteral("<-"), line);
    const QString answer = prefix + reply(peer, body);
    if (call)
        record(*call, QStringLiteral("->"), answer);
    return answer;
}

QString StandInEngine::nameAnswer(const QString& peer) {
    if (m_authorization == Authorization::Refuse)
        return QStringLiteral("ERROR 68");
    m_attached.insert(peer);
    emit changed();
    return QStringLiteral("OK");
}

QString StandInEngine::reply(const QString& peer, const QString& body) {
    if (!m_attached.contains(peer))
        return QStringLiteral("ERROR 68 Not attached");
    const QStringList words = body.split(QLatin1Char(' '));
    if (words.size() == 2 && words[0] == QLatin1String("PROTOCOL")) {
        const auto requested = ApiProtocol::parseProtocol(body);
        if (!requested)
            return QStringLiteral("ERROR 2 Invalid protocol");
        return QStringLiteral("PROTOCOL %1").arg(std::min(*requested, 5));
    }
    if (body == QLatin1String("SEARCH FRIENDS")) {
        QStringList handles;
        for (const ContactBook::Contact& contact : m_contacts.contacts())
            handles << contact.handle;
        return QStringLiteral("USERS ") + handles.join(QStringLiteral(", "));
    }
    if (words.size() >= 2 && words[0] == QLatin1String("GET") && words[1] == QLatin1String("USER"))
        return getUser(words);
    if (words.size() >= 2 && words[0] == QLatin1String("GET") && words[1] == QLatin1String("CALL"))
        return getCall(words);
    if (words.size() >= 2 && words[0] == QLatin1String("ALTER") &&
        words[1] == QLatin1String("CALL"))
        return alterCall(words, body);
    return QStringLiteral("ERROR 2 Unknown command");
}

QString StandInEngine::getUser(const QStringList& words) {
    if (words.size() != 4)
        return QStringLiteral("ERROR 9 Invalid user handle");
    const ContactBook::Contact* contact = m_contacts.find(words[2]);
    if (!contact)
        return QStringLiteral("ERROR 26 Invalid user handle");
    if (!ContactBook::keys().contains(words[3]))
        return QStringLiteral("ERROR 10 Invalid property");
    return QStringLiteral("USER %1 %2 %3")
        .arg(contact->handle, words[3], m_contacts.value(*contact, words[3]));
}

QString StandInEngine::getCall(const QStringList& words) {
    if (words.size() != 4)
        return QStringLiteral("ERROR 7 Invalid WHAT");
    QString error;
    const Call* call = findCall(words[2], &error);
    if (!call)
        return error;
    if (words[3] == QLatin1String("STATUS"))
        return QStringLiteral("CALL %1 STATUS %2").arg(call->id).arg(call->status);
    if (words[3] == QLatin1String("PARTNER_HANDLE"))
        return QStringLiteral("CALL %1 PARTNER_HANDLE %2").arg(call->id).arg(call->partner);
    return QStringLiteral("ERROR 7 Invalid property");
}

QString StandInEngine::alterCall(const QStringList& words, const QString& body) {
    if (words.size() != 4)
        return QStringLiteral("ERROR 2 Unknown command");
    QString error;
    Call* call = findCall(words[2], &error);
    if (!call)
        return error;
    if (words[3] == QLatin1String("ANSWER")) {
        if (call->status != QLatin1String("RINGING"))
            return QStringLiteral("ERROR 559 Cannot answer: the call is not ringing");
        if (m_answerOutcome == AnswerOutcome::Fail)
            return QStringLiteral("ERROR 559 Action failed");
        ++call->answers;
        if (m_answerOutcome == AnswerOutcome::InProgress)
            setStatus(*call, QStringLiteral("INPROGRESS"));
        emit changed();
        return body;
    }
    if (words[3] == QLatin1String("START_VIDEO_SEND")) {
        if (call->status != QLatin1String("INPROGRESS"))
            return QStringLiteral("ERROR 559 Cannot send video: the call is not in progress");
        call->videoSending = true;
        emit changed();
        return body;
    }
    return QStringLiteral("ERROR 2 Unknown command");
}

StandInEngine::Call* StandInEngine::findCall(const QString& idText, QString* error) {
    const auto id = ApiProtocol::parseCallId(idText);
    if (!id) {
        *error = QStringLiteral("ERROR 11 Invalid call id");
        return nullptr;
    }
    const auto it = m_calls.find(static_cast<quint32>(*id));
    if (it == m_calls.end()) {
        *error = QStringLiteral("ERROR 12 Unknown call");
        return nullptr;
    }
    return &*it;
}

void StandInEngine::peerGone(const QString& peer) {
    m_attached.remove(peer);
    m_pendingNames.removeIf([&](const PendingName& pending) { return pending.peer == peer; });
    emit changed();
}

quint32 StandInEngine::ring(const QString& partner) {
    const quint32 id = m_nextCallId++;
    Call& call = m_calls[id];
    call.id = id;
    call.partner = partner;
    setStatus(call, QStringLiteral("RINGING"));
    emit changed();
    return id;
}

quint32 StandInEngine::ringGone(int count) {
    const quint32 first = m_nextCallId;
    for (int i = 0; i < count; ++i) {
        const QString line = QStringLiteral("CALL %1 STATUS RINGING").arg(m_nextCallId++);
        for (const QString& peer : std::as_const(m_attached))
            emit notify(peer, line);
    }
    return first;
}

bool StandInEngine::hangup(quint32 id) {
    const auto it = m_calls.find(id);
    if (it == m_calls.end())
        return false;
    if (it->status == QLatin1String("INPROGRESS"))
        setStatus(*it, QStringLiteral("FINISHED"));
    else if (it->status == QLatin1String("RINGING"))
        setStatus(*it, QStringLiteral("MISSED"));
    else
        return false;
    emit changed();
    return true;
}

void StandInEngine::setAuthorization(Authorization mode) {
    m_authorization = mode;
    if (mode != Authorization::Ask) {
        const QList<PendingName> pending = std::exchange(m_pendingNames, {});
        for (const PendingName& name : pending)
            emit deferredReply(name.token, name.prefix + nameAnswer(name.peer));
    }
    emit changed();
}

const StandInEngine::Call* StandInEngine::call(quint32 id) const {
    const auto it = m_calls.find(id);
    return it == m_calls.end() ? nullptr : &*it;
}

void StandInEngine::setStatus(Call& call, const QString& status) {
    call.status = status;
    const QString line = QStringLiteral("CALL %1 STATUS %2").arg(call.id).arg(status);
    for (const QString& peer : std::as_const(m_attached)) {
        record(call.id, QStringLiteral("->"), line);
        emit notify(peer, line);
    }
}

void StandInEngine::record(quint32 id, const QString& direction, const QString& line) {
    const auto it = m_calls.find(id);
    if (it == m_calls.end())
        return;
    it->history
        << QStringLiteral("%1 %2 %3").arg(m_clock.nsecsElapsed() / 1000).arg(direction, line);
}
