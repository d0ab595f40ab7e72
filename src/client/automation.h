#pragma once

#include "client/client_texts.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariant>

#include <QCoreApplication>
#include <memory>

// The client link: exactly what the program uses of the calling client's
// automation interface. Every operation may throw RunTimeError (a number and a
// description).

// Attachment statuses raised by AttachmentStatus.
namespace AttachStatus {
inline constexpr int Unknown = -1;
inline constexpr int Success = 0;
inline constexpr int PendingAuthorization = 1;
inline constexpr int Refused = 2;
inline constexpr int NotAvailable = 3;
inline constexpr int Available = 4;
} // namespace AttachStatus

// Call statuses raised by CallStatus and read from a call.
namespace CallStatusCode {
inline constexpr int Unknown = -1;
inline constexpr int Ringing = 4;
inline constexpr int InProgress = 5;
} // namespace CallStatusCode

class SkypeClient {
public:
    virtual ~SkypeClient() = default;
    virtual bool isRunning() = 0;
};

class SkypeUser {
public:
    virtual ~SkypeUser() = default;
    virtual QString handle() = 0;
    // A profile property by name: FullName, Sex, Country, City, Birthday, About,
    // PhoneMobile, PhoneHome, PhoneOffice, DisplayName. Text properties come as
    // text, Sex as a number (-1 unknown, 0 male, 1 female), Birthday as a date
    // (null when unset).
    virtual QVariant property(const QString& name) = 0;
};

class SkypeCall {
public:
    virtual ~SkypeCall() = default;
    virtual QString partnerHandle() = 0;
    virtual int status() = 0;
    // Answers the call. False when there was nothing to answer: the call no
    // longer rings (the caller gave up, or it was answered already).
    virtual bool answer() = 0;
    virtual void startVideoSend() = 0;
};

// An address the user typed for a caller who is not among the client's contacts,
// as the client names that caller.
struct TypedAddress {
    // What a call from that address rings with; empty when the client cannot
    // take the address.
    QString handle;
    // Why not, in words for the user.
    QString problem;
};

using SkypeUserPtr = std::shared_ptr<SkypeUser>;
using SkypeCallPtr = std::shared_ptr<SkypeCall>;

// One automation object. A new one is unattached; only an attached one raises
// events.
class Automation : public QObject {
    Q_OBJECT
public:
    static constexpr int Protocol = 5;

    using QObject::QObject;

    virtual SkypeClient& client() = 0;
    virtual void attach(int protocol, bool wait) = 0;
    // The client's contact list, in the client's own order.
    virtual QList<SkypeUserPtr> friends() = 0;
    virtual SkypeUserPtr user(const QString& handle) = 0;

    // What the windows show for a contact or a listed caller: the handle, or,
    // with a client whose handles are not the names people know, the name the
    // user knows them by. Never waits for the client: a name it has to ask for
    // follows with NamesChanged. Lists and matching keep the handles.
    virtual QString shownName(const QString& handle) { return handle; }
    // Whether a caller who is not among the contacts can be added by typing
    // their address (clients whose callers need not be contacts).
    virtual bool takesAddresses() { return false; }
    // What the typed address comes to, as the client names the caller; only
    // asked when takesAddresses().
    virtual TypedAddress callerAddress(const QString& /*typed*/) {
        return {QString(), QCoreApplication::translate(
                               "CallerAddress", "This calling client takes no typed addresses.")};
    }

    // Raised by the backend that made the object, from the event loop.
    void raiseAttachmentStatus(int status) { emit AttachmentStatus(status); }
    void raiseCallStatus(SkypeCallPtr call, int status) {
        emit CallStatus(std::move(call), status);
    }
    void raiseClientAvailable() { emit ClientAvailable(); }
    void raiseNamesChanged() { emit NamesChanged(); }

signals:
    void AttachmentStatus(int status);
    void CallStatus(SkypeCallPtr call, int status);
    // The client that went (status 3) is there again, for backends that can tell
    // cheaply (a bus name coming back); the others raise nothing and are asked.
    void ClientAvailable();
    // Names of contacts came in: what shownName() gives may have changed. Raised
    // on every object of the client, attached or not.
    void NamesChanged();
};

class AutomationFactory {
public:
    virtual ~AutomationFactory() = default;
    // A new, unattached automation object. Throws when none can be made.
    virtual std::unique_ptr<Automation> create() = 0;
    // The client's name in the program's texts (see ClientTexts); each backend
    // but the desktop API's names its own.
    virtual QString clientName() const { return ClientTexts::DesktopApiName; }
};

Q_DECLARE_METATYPE(SkypeCallPtr)
