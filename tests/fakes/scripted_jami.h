#pragma once

#include "client/jami/jami_bus.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

// A bus peer that behaves as jamid 20230206 does, as far as the program uses
// it: accounts with contacts, calls that ring with an offered media list,
// acceptWithMedia (refused unless the list has as many media as the offer),
// muteLocalMedia, getCallDetails ({} for a call it does not have),
// lookupAddress over a scripted name server, and its signals, in its order.
// Replies and signals come from the event loop.
class ScriptedJami : public JamiBus {
    Q_OBJECT
public:
    struct Account {
        QString id;
        bool enabled = true;
        JamiDetailsList contacts;
        bool jami = false; // a Jami account (else SIP)
    };
    struct Call {
        QString account;
        QString id;
        QString peer; // PEER_NUMBER
        JamiDetailsList offer;
        QString state = QStringLiteral("INCOMING");
        std::optional<JamiDetailsList> accepted; // the media of the answer
        bool videoUnmuted = false;
    };
    struct MethodCall {
        QString method;
        QVariantList args;
    };

    QList<Account> accounts;
    bool present = true;
    // The name server: the names of IDs (others are not found). When it does
    // not answer, lookupAddress brings no registeredNameFound.
    QHash<QString, QString> registeredNames;
    bool nameServerAnswers = true;
    // Where jamid keeps its accounts (dataDirectory()).
    QString dataDir;
    // Replies to give before the scripted ones. A reply with no values and no
    // failure: the call is never answered.
    std::function<std::optional<Reply>(const MethodCall&)> overrides;
    // Every method call, in order.
    std::vector<MethodCall> methodCalls;

    void call(Manager manager, const QString& method, const QVariantList& args, int timeoutMs,
              ReplyHandler handler) override;
    bool daemonPresent() override { return present; }
    QString dataDirectory() override { return dataDir; }

    // A call rings on `account` from `peer` (`from` as the signal says it,
    // by default the peer); audio, and video when `video`. Returns its id.
    QString ring(const QString& account, const QString& peer, bool video = true,
                 const std::optional<QString>& from = std::nullopt);
    // The caller hangs up; with `tell` false jamid forgets the call first and
    // says so later.
    void hangUp(const QString& id, bool tell = true);
    // Emits a signal as jamid would (from the event loop).
    void signal(const QString& name, const QVariantList& args);
    // jamid quits: calls not answered yet fail as the bus fails them.
    void quit();
    // jamid runs again.
    void start();
    const Call* find(const QString& id) const;
    // The method calls named `method`.
    std::vector<MethodCall> calls(const QString& method) const;

private:
    std::optional<Reply> respond(const MethodCall& call);
    Call* findCall(const QVariantList& args);

    QList<Call> m_calls;
    std::vector<ReplyHandler> m_unanswered;
    int m_nextId = 1000;
};
