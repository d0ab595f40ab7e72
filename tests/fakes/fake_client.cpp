#include "fake_client.h"

namespace {

class FakeUser : public SkypeUser {
public:
    FakeUser(FakeClient& client, FakeClient::Contact contact)
        : m_client(client), m_contact(std::move(contact)) {}
    QString handle() override {
        m_client.perform(QStringLiteral("handle"), m_contact.handle);
        return m_contact.handle;
    }
    QVariant property(const QString& name) override {
        m_client.perform(QStringLiteral("property"), m_contact.handle + QLatin1Char(' ') + name);
        return m_contact.properties.value(name, QString());
    }

private:
    FakeClient& m_client;
    FakeClient::Contact m_contact;
};

} // namespace

FakeCall::FakeCall(FakeClient& client, int id, QString partner, int status)
    : m_client(client), m_id(id), m_partner(std::move(partner)), m_status(status) {}

QString FakeCall::partnerHandle() {
    m_client.perform(QStringLiteral("partnerHandle"), QString::number(m_id));
    return m_partner;
}

int FakeCall::status() {
    m_client.perform(QStringLiteral("status"), QString::number(m_id));
    return m_status;
}

bool FakeCall::answer() {
    m_client.perform(QStringLiteral("answer"), QString::number(m_id));
    if (m_status != CallStatusCode::Ringing)
        return false; // as the clients do: nothing to answer
    m_status = m_statusAfterAnswer;
    return true;
}

void FakeCall::startVideoSend() {
    m_client.perform(QStringLiteral("startVideoSend"), QString::number(m_id));
}

void FakeClient::addContacts(const QStringList& handles) {
    for (const QString& handle : handles)
        contacts.append({handle, {}});
}

void FakeClient::failOn(const QString& operation, const RunTimeError& error, int times, int after) {
    m_failures[operation].push_back({error, times, after});
}

void FakeClient::perform(const QString& operation, const QString& detail) {
    auto it = m_failures.find(operation);
    if (it != m_failures.end() && !it->empty()) {
        Failure& failure = it->front();
        if (failure.skip > 0) {
            --failure.skip;
            log.push_back(detail.isEmpty() ? operation : operation + QLatin1Char(' ') + detail);
            return;
        }
        const RunTimeError error = failure.error;
        if (failure.remaining > 0 && --failure.remaining == 0)
            it->erase(it->begin());
        log.push_back(QStringLiteral("FAILED ") + operation +
                      (detail.isEmpty() ? QString() : QLatin1Char(' ') + detail));
        throw error;
    }
    log.push_back(detail.isEmpty() ? operation : operation + QLatin1Char(' ') + detail);
}

std::shared_ptr<FakeCall> FakeClient::makeCall(const QString& partner, int status) {
    return std::make_shared<FakeCall>(*this, m_nextCallId++, partner, status);
}

void FakeClient::raiseCallStatus(const std::shared_ptr<FakeCall>& call, int status) {
    call->setStatus(status);
    const auto targets = created;
    for (const QPointer<FakeAutomation>& object : targets)
        if (object && object->attached())
            object->raiseCallStatus(call, status);
}

void FakeClient::raiseAttachmentStatus(FakeAutomation& target, int status) {
    target.raiseAttachmentStatus(status);
}

int FakeClient::count(const QString& logLine) const {
    return static_cast<int>(std::count(log.begin(), log.end(), logLine));
}

FakeAutomation::FakeAutomation(FakeClient& client) : m_client(client), m_clientObject(client) {}

bool FakeAutomation::ClientObject::isRunning() {
    m_client.perform(QStringLiteral("isRunning"));
    return m_client.running;
}

void FakeAutomation::attach(int protocol, bool wait) {
    m_client.perform(QStringLiteral("attach"),
                     QStringLiteral("%1 %2").arg(protocol).arg(wait ? 1 : 0));
    // As every client does: a try that waits for nothing, with no client there,
    // is told so.
    if (!wait && !m_client.running) {
        raiseAttachmentStatus(AttachStatus::NotAvailable);
        return;
    }
    if (m_client.attachOutcomes.empty())
        return;
    const std::vector<int> statuses = m_client.attachOutcomes.front();
    m_client.attachOutcomes.pop_front();
    for (int status : statuses)
        raiseAttachmentStatus(status);
}

void FakeAutomation::raiseAttachmentStatus(int status) {
    if (status == AttachStatus::Success)
        m_attached = true;
    emit AttachmentStatus(status);
}

QList<SkypeUserPtr> FakeAutomation::friends() {
    m_client.perform(QStringLiteral("friends"));
    QList<SkypeUserPtr> users;
    for (const FakeClient::Contact& contact : m_client.contacts)
        users.append(std::make_shared<FakeUser>(m_client, contact));
    return users;
}

SkypeUserPtr FakeAutomation::user(const QString& handle) {
    m_client.perform(QStringLiteral("user"), handle);
    for (const FakeClient::Contact& contact : m_client.contacts)
        if (contact.handle == handle)
            return std::make_shared<FakeUser>(m_client, contact);
    return std::make_shared<FakeUser>(m_client, FakeClient::Contact{handle, {}});
}

std::unique_ptr<Automation> FakeAutomationFactory::create() {
    m_client.perform(QStringLiteral("create"));
    auto object = std::make_unique<FakeAutomation>(m_client);
    m_client.created.emplace_back(object.get());
    return object;
}
