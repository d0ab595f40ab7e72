#pragma once

#include "platform/run_time_error.h"
#include "client/automation.h"

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// An in-memory calling client that tests script. Every automation object made by
// FakeAutomationFactory talks to the one FakeClient; every operation is logged
// (`log`) and can be made to fail (`failOn`).
//
// Operation names, as logged and as failOn takes them:
//   create, isRunning, attach, friends, user, handle, property,
//   partnerHandle, status, answer, startVideoSend
class FakeClient;

class FakeCall : public SkypeCall {
public:
    FakeCall(FakeClient& client, int id, QString partner, int status);

    QString partnerHandle() override;
    int status() override;
    bool answer() override;
    void startVideoSend() override;

    int id() const { return m_id; }
    int currentStatus() const { return m_status; }
    void setStatus(int status) { m_status = status; }
    // The status the call takes when it is answered (default: in progress).
    void setStatusAfterAnswer(int status) { m_statusAfterAnswer = status; }

private:
    FakeClient& m_client;
    int m_id;
    QString m_partner;
    int m_status;
    int m_statusAfterAnswer = CallStatusCode::InProgress;
};

class FakeAutomation;

class FakeClient {
public:
    struct Contact {
        QString handle;
        QVariantMap properties; // FullName, Sex, ...
    };

    bool running = true;
    // Whether its objects take callers by a typed address (none is usable).
    bool takesAddresses = false;
    QList<Contact> contacts;
    // Each attach request takes the next entry and raises those statuses, in
    // order, from inside the request. With the queue empty it raises nothing.
    std::deque<std::vector<int>> attachOutcomes;
    std::vector<QString> log;

    void addContacts(const QStringList& handles);
    // Makes the named operation throw `error`, `times` times (-1: always), after
    // letting the first `after` calls through.
    void failOn(const QString& operation, const RunTimeError& error, int times = -1, int after = 0);
    // Throws when the operation is set to fail; logs it otherwise.
    void perform(const QString& operation, const QString& detail = QString());

    std::shared_ptr<FakeCall> makeCall(const QString& partner,
                                       int status = CallStatusCode::Ringing);
    // Raises CallStatus on every live automation object that is attached.
    void raiseCallStatus(const std::shared_ptr<FakeCall>& call, int status);
    // Raises AttachmentStatus on one object.
    void raiseAttachmentStatus(FakeAutomation& target, int status);

    std::vector<QPointer<FakeAutomation>> created;
    int count(const QString& logLine) const;

private:
    struct Failure {
        RunTimeError error;
        int remaining;
        int skip;
    };
    QHash<QString, std::vector<Failure>> m_failures;
    int m_nextCallId = 100;
};

class FakeAutomation : public Automation {
    Q_OBJECT
public:
    explicit FakeAutomation(FakeClient& client);

    SkypeClient& client() override { return m_clientObject; }
    void attach(int protocol, bool wait) override;
    QList<SkypeUserPtr> friends() override;
    SkypeUserPtr user(const QString& handle) override;
    bool takesAddresses() override { return m_client.takesAddresses; }

    bool attached() const { return m_attached; }
    void raiseAttachmentStatus(int status);

private:
    class ClientObject : public SkypeClient {
    public:
        explicit ClientObject(FakeClient& c) : m_client(c) {}
        bool isRunning() override;

    private:
        FakeClient& m_client;
    };

    FakeClient& m_client;
    ClientObject m_clientObject;
    bool m_attached = false;
};

class FakeAutomationFactory : public AutomationFactory {
public:
    explicit FakeAutomationFactory(FakeClient& client) : m_client(client) {}
    std::unique_ptr<Automation> create() override;

private:
    FakeClient& m_client;
};
