#include "scripted_jami.h"

#include <QTimer>

namespace {

JamiDetails medium(const QString& type, const QString& label) {
    return {{"MEDIA_TYPE", type}, {"LABEL", label},     {"ENABLED", "true"},
            {"MUTED", "false"},   {"ON_HOLD", "false"}, {"SOURCE", ""}};
}

JamiBus::Reply value(const QVariant& v) {
    return {JamiBus::Failure::None, {v}, {}};
}

} // namespace

void ScriptedJami::call(Manager, const QString& method, const QVariantList& args, int,
                        ReplyHandler handler) {
    methodCalls.push_back({method, args});
    if (!present) {
        QTimer::singleShot(0, this, [handler] {
            handler({Failure::NotRunning, {}, QStringLiteral("no owner")});
        });
        return;
    }
    std::optional<Reply> reply = overrides ? overrides(methodCalls.back()) : std::nullopt;
    if (!reply)
        reply = respond(methodCalls.back());
    if (reply->failure == Failure::None && reply->values.isEmpty()) {
        m_unanswered.push_back(std::move(handler));
        return;
    }
    QTimer::singleShot(0, this, [handler, r = *reply] { handler(r); });
}

std::optional<JamiBus::Reply> ScriptedJami::respond(const MethodCall& call) {
    const QString& m = call.method;
    if (m == QLatin1String("getAccountList")) {
        QStringList ids;
        for (const Account& account : accounts)
            ids << account.id;
        return value(ids);
    }
    for (const Account& account : accounts) {
        if (call.args.value(0).toString() != account.id)
            continue;
        if (m == QLatin1String("getAccountDetails"))
            return value(QVariant::fromValue(
                JamiDetails{{"Account.enable", account.enabled ? "true" : "false"},
                            {"Account.type", account.jami ? "RING" : "SIP"}}));
        if (m == QLatin1String("getContacts"))
            return value(QVariant::fromValue(account.contacts));
    }
    if (m == QLatin1String("getAccountDetails"))
        return value(QVariant::fromValue(JamiDetails{}));
    if (m == QLatin1String("getContacts"))
        return value(QVariant::fromValue(JamiDetailsList{}));

    if (m == QLatin1String("lookupAddress")) {
        const QString address = call.args.value(2).toString();
        if (nameServerAnswers) {
            const auto name = registeredNames.constFind(address);
            signal(QStringLiteral("registeredNameFound"),
                   {call.args.value(0), name == registeredNames.constEnd() ? 2 : 0, address,
                    name == registeredNames.constEnd() ? QString() : *name});
        }
        return value(true);
    }

    Call* c = findCall(call.args);
    if (m == QLatin1String("getCallDetails")) {
        if (!c)
            return value(QVariant::fromValue(JamiDetails{}));
        return value(QVariant::fromValue(
            JamiDetails{{"PEER_NUMBER", c->peer}, {"CALL_STATE", c->state}, {"ACCOUNTID", c->account}}));
    }
    if (m == QLatin1String("acceptWithMedia")) {
        const auto media = call.args.value(2).value<JamiDetailsList>();
        if (!c || c->state != QLatin1String("INCOMING") || media.size() != c->offer.size())
            return value(false);
        c->accepted = media;
        c->state = QStringLiteral("CURRENT");
        signal(QStringLiteral("callStateChanged"), {c->account, c->id, c->state, 0});
        return value(true);
    }
    if (m == QLatin1String("muteLocalMedia")) {
        if (!c || c->state != QLatin1String("CURRENT"))
            return value(false);
        c->videoUnmuted = !call.args.value(3).toBool();
        return value(true);
    }
    return Reply{Failure::Other, {}, QStringLiteral("No such method ") + m};
}

ScriptedJami::Call* ScriptedJami::findCall(const QVariantList& args) {
    for (Call& c : m_calls)
        if (c.account == args.value(0).toString() && c.id == args.value(1).toString())
            return &c;
    return nullptr;
}

QString ScriptedJami::ring(const QString& account, const QString& peer, bool video,
                           const std::optional<QString>& from) {
    Call c;
    c.account = account;
    c.id = QString::number(++m_nextId);
    c.peer = peer;
    c.offer = {medium("MEDIA_TYPE_AUDIO", "audio_0")};
    if (video)
        c.offer.append(medium("MEDIA_TYPE_VIDEO", "video_0"));
    m_calls.append(c);
    signal(QStringLiteral("callStateChanged"), {account, c.id, c.state, 0});
    signal(QStringLiteral("incomingCallWithMedia"),
           {account, c.id, from.value_or(peer), QVariant::fromValue(c.offer)});
    return c.id;
}

void ScriptedJami::hangUp(const QString& id, bool tell) {
    for (qsizetype i = 0; i < m_calls.size(); ++i) {
        if (m_calls[i].id != id)
            continue;
        const Call c = m_calls.takeAt(i);
        if (tell) {
            signal(QStringLiteral("callStateChanged"), {c.account, c.id, "HUNGUP", 0});
            signal(QStringLiteral("callStateChanged"), {c.account, c.id, "OVER", 0});
        }
        return;
    }
}

void ScriptedJami::signal(const QString& name, const QVariantList& args) {
    QTimer::singleShot(0, this, [this, name, args] { emit signalled(name, args); });
}

void ScriptedJami::quit() {
    present = false;
    m_calls.clear();
    for (const ReplyHandler& handler : m_unanswered)
        QTimer::singleShot(0, this, [handler] {
            handler({Failure::Disconnected, {}, QStringLiteral("jamid left")});
        });
    m_unanswered.clear();
    QTimer::singleShot(0, this, [this] { emit daemonChanged(false); });
}

void ScriptedJami::start() {
    present = true;
    QTimer::singleShot(0, this, [this] { emit daemonChanged(true); });
}

const ScriptedJami::Call* ScriptedJami::find(const QString& id) const {
    for (const Call& c : m_calls)
        if (c.id == id)
            return &c;
    return nullptr;
}

std::vector<ScriptedJami::MethodCall> ScriptedJami::calls(const QString& method) const {
    std::vector<MethodCall> found;
    for (const MethodCall& c : methodCalls)
        if (c.method == method)
            found.push_back(c);
    return found;
}
