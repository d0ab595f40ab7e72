#pragma once

#include "client/link_failure.h"

#include <QList>
#include <QMap>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <functional>

// The values jamid's API passes besides strings, booleans and string lists.
using JamiDetails = QMap<QString, QString>; // a{ss}: a call's details, a medium, a contact
using JamiDetailsList = QList<JamiDetails>; // aa{ss}: a media list, a contact list

Q_DECLARE_METATYPE(JamiDetails)
Q_DECLARE_METATYPE(JamiDetailsList)

// How the program reaches jamid, Jami's daemon: its method calls and its
// signals. The session (JamiSession) sees only this, so it runs over the
// session bus in the program and over a scripted peer in the tests.
//
// Arguments and replies are plain values: QString, bool, int, QStringList,
// JamiDetails, JamiDetailsList. A reply of any other type comes as it came.
class JamiBus : public QObject {
    Q_OBJECT
public:
    // jamid's interfaces that the program uses.
    enum class Manager { Call, Configuration };

    using Failure = LinkFailure;
    struct Reply {
        Failure failure = Failure::None;
        QVariantList values; // the reply's values
        QString error;       // what went wrong
    };
    using ReplyHandler = std::function<void(const Reply&)>;

    using QObject::QObject;

    // Calls a method of jamid. The handler runs exactly once, later, from the
    // event loop (never from inside call): with the reply, or with a failure
    // when there is none within timeoutMs. Never starts jamid.
    virtual void call(Manager manager, const QString& method, const QVariantList& args,
                      int timeoutMs, ReplyHandler handler) = 0;
    // Whether jamid's name has an owner now (asked of the bus, not of jamid).
    virtual bool daemonPresent() = 0;
    // The folder where jamid keeps its accounts (one folder each, named by the
    // account's id); empty when not known.
    virtual QString dataDirectory() { return {}; }

signals:
    // A signal of the jamid that owns the name now (signals from anyone else
    // never get here): incomingCallWithMedia, callStateChanged,
    // registeredNameFound, profileReceived.
    void signalled(const QString& name, const QVariantList& args);
    // jamid's name got an owner, or lost it (or was taken over by another).
    void daemonChanged(bool present);
};
