#pragma once

#include "answering/attach_state.h"
#include "client/automation.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <memory>

class MessageBoxService;
class ShownBox;

// Attaching to the client: the attach command and the attachment-status
// handler of the main window, and the main window's automation object oSkype,
// the only one that is attached and whose events are handled.
//
// Left to itself (auto-attach), it attaches at start and again whenever the
// attachment ends, without the busy cursor: at once when the client says it is
// back and otherwise every few seconds. A try sends the attach request and
// returns; its outcome comes later as a status event, so it never waits for the
// client and never runs inside a wait of the user's. Its successes are said by
// the state and the log alone (nobody may be there to close a box); the first
// refusal is shown in a box, the rest goes to the log. After a refusal it asks
// again no sooner than half a minute later.
//
// Its state (state(), stateChanged) is the one word on where things stand.
class Attachment : public QObject {
    Q_OBJECT
public:
    struct AutoAttachTimes {
        int retryMs = 2000;
        int afterRefusalMs = 30000;
    };

    Attachment(AutomationFactory& factory, MessageBoxService& messages, QObject* parent = nullptr);
    ~Attachment() override;

    // Creates a new automation object in oSkype (the old one's events no longer
    // arrive), and attaches it when the client is running. Traps nothing: a
    // failure throws RunTimeError.
    void mnuAttach_Click();
    // Reports the outcome; attaches again while authorisation is pending.
    // Traps and reports its own failures.
    void oSkype_AttachmentStatus(int status);

    // Attaches now, and from now on again by itself whenever the attachment ends.
    void startAutoAttach(AutoAttachTimes times);
    void startAutoAttach() { startAutoAttach(AutoAttachTimes{}); }

    // Stops attaching by itself; the current attachment stays.
    void stopAutoAttach();
    // The client in use has changed (the factory now makes another client's
    // objects): oSkype goes, and its events no longer arrive. Auto-attaching, it
    // starts a try at the new client, and its first success and refusal are
    // shown again.
    void clientChanged();

    const AttachState& state() const { return m_state; }

    // Null until the first attach command.
    Automation* oSkype() const { return m_oSkype.get(); }
    // Drops oSkype at the program's end: its events no longer arrive, and no
    // attaching follows.
    void release() {
        m_auto = false;
        m_retry.stop();
        m_oSkype.reset();
    }

signals:
    // The current oSkype's CallStatus event.
    void callStatus(SkypeCallPtr call, int status);
    void stateChanged();

private:
    struct DeleteLater {
        void operator()(QObject* object) const;
    };

    // The auto-attach side of the status handler.
    void autoStatus(int status);
    void tryAttach();
    void retryIn(int ms);
    void replaceObject(std::unique_ptr<Automation> fresh);
    void setState(AttachState::Kind kind, QDateTime askAgainAt = {});
    // The box that says the client refused.
    std::shared_ptr<ShownBox> showRefused();

    AutomationFactory& m_factory;
    MessageBoxService& m_messages;
    std::unique_ptr<Automation, DeleteLater> m_oSkype;

    bool m_auto = false;
    AutoAttachTimes m_times;
    // oSkype's attachment holds (its last status was a success), whoever asked.
    bool m_attached = false;
    AttachState m_state;
    bool m_attachedBefore = false;
    bool m_refusalShown = false;
    // The refusal box attaching by itself put up: while it is open no other
    // comes (switching clients back and forth shows the refusal once more).
    std::shared_ptr<ShownBox> m_refusalBox;
    // No attach request before this (after a refusal).
    QDeadlineTimer m_notBefore;
    QTimer m_retry;
};
