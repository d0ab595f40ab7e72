#pragma once

#include "client/automation.h"

#include <QObject>

#include <memory>

class MessageBoxService;

// Attaching to the client: the attach command and the attachment-status
// handler of the main window, and the main window's automation object oSkype,
// the only one that is attached and whose events are handled.
class Attachment : public QObject {
    Q_OBJECT
public:
    Attachment(AutomationFactory& factory, MessageBoxService& messages, QObject* parent = nullptr);
    ~Attachment() override;

    // Creates a new automation object in oSkype (the old one's events no longer
    // arrive), and attaches it when the client is running. Traps nothing: a
    // failure throws RunTimeError.
    void mnuAttach_Click();
    // Reports the outcome; attaches again while authorisation is pending.
    // Traps and reports its own failures.
    void oSkype_AttachmentStatus(int status);

    // Null until the first attach command.
    Automation* oSkype() const { return m_oSkype.get(); }
    // Drops oSkype at the program's end: its events no longer arrive.
    void release() { m_oSkype.reset(); }

signals:
    // The current oSkype's CallStatus event.
    void callStatus(SkypeCallPtr call, int status);

private:
    struct DeleteLater {
        void operator()(QObject* object) const;
    };

    AutomationFactory& m_factory;
    MessageBoxService& m_messages;
    std::unique_ptr<Automation, DeleteLater> m_oSkype;
};
