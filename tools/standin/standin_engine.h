#pragma once

#include "contact_book.h"

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// The stand-in client's behaviour: it serves the desktop API to programs on the
// bus (peers, by their bus names), rings calls, and keeps every protocol line
// about each call. Transport-free: the bus layer hands lines in and sends what
// comes out.
class StandInEngine : public QObject {
    Q_OBJECT
public:
    enum class Authorization { Allow, Ask, Refuse };
    enum class AnswerOutcome { InProgress, Ringing, Fail };

    struct Call {
        quint32 id = 0;
        QString partner;
        QString status;
        int answers = 0; // answer requests accepted
        bool videoSending = false;
        QStringList history;
    };

    explicit StandInEngine(ContactBook contacts, QObject* parent = nullptr);

    // A command line from `peer`. Returns the reply, or nothing when the reply
    // is deferred (NAME while the user is asked); it comes later as deferredReply.
    std::optional<QString> handle(const QString& peer, const QString& line, quint64 token);
    void peerGone(const QString& peer);

    quint32 ring(const QString& partner);
    // Tells the attached programs that `count` calls ring, which are gone by the time
    // anyone asks about them (each question gets the unknown-call error): a burst
    // of failing calls. Returns the first of their ids.
    quint32 ringGone(int count);
    // Ends a call: FINISHED when it was in progress, MISSED otherwise. False when
    // there is no such call or it has ended already.
    bool hangup(quint32 id);
    void setAuthorization(Authorization mode);
    void setAnswerOutcome(AnswerOutcome outcome) { m_answerOutcome = outcome; }

    static std::optional<Authorization> authorizationFrom(const QString& text);
    static std::optional<AnswerOutcome> answerOutcomeFrom(const QString& text);

    Authorization authorization() const { return m_authorization; }
    bool asking() const { return !m_pendingNames.isEmpty(); }
    const ContactBook& contacts() const { return m_contacts; }
    const QMap<quint32, Call>& calls() const { return m_calls; }
    const Call* call(quint32 id) const;

signals:
    // Send `line` to `peer` as a notification.
    void notify(const QString& peer, const QString& line);
    // The reply of a deferred command.
    void deferredReply(quint64 token, const QString& line);
    // Something the window shows changed.
    void changed();

private:
    struct PendingName {
        QString peer;
        quint64 token;
        QString prefix; // "#n " or empty
    };

    QString reply(const QString& peer, const QString& body);
    QString nameAnswer(const QString& peer);
    QString getUser(const QStringList& words);
    QString getCall(const QStringList& words);
    QString alterCall(const QStringList& words, const QString& body);
    Call* findCall(const QString& idText, QString* error);
    void setStatus(Call& call, const QString& status);
    void record(quint32 id, const QString& direction, const QString& line);

    ContactBook m_contacts;
    Authorization m_authorization = Authorization::Allow;
    AnswerOutcome m_answerOutcome = AnswerOutcome::InProgress;
    QSet<QString> m_attached;
    QList<PendingName> m_pendingNames;
    QMap<quint32, Call> m_calls;
    quint32 m_nextCallId = 1;
    QElapsedTimer m_clock;
};
