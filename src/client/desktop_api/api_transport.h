#pragma once

#include "client/link_failure.h"

#include <QObject>
#include <QString>

#include <functional>

// How the desktop API's lines travel between the program and the client. The
// protocol engine (ApiSession) sees only this, so it runs over the session bus
// in the program and over memory in the tests.
class ApiTransport : public QObject {
    Q_OBJECT
public:
    using Failure = LinkFailure;
    struct Reply {
        Failure failure = Failure::None;
        QString text; // the reply line, or what went wrong
    };
    using ReplyHandler = std::function<void(const Reply&)>;

    using QObject::QObject;

    // Sends one command line. The handler runs exactly once, later, from the event
    // loop (never from inside send): with the reply, or with a failure when there
    // is none within timeoutMs.
    virtual void send(const QString& command, int timeoutMs, ReplyHandler handler) = 0;
    // Whether a client serves the API now.
    virtual bool clientPresent() = 0;

signals:
    // An unsolicited line from the client that serves the API (lines from anyone
    // else never get here).
    void notification(const QString& line);
    // The client appeared or went away (or was replaced by another).
    void clientChanged(bool present);
};
