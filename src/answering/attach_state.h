#pragma once

#include <QDateTime>
#include <QString>

// Where the attachment to the client stands, as the status bar and the tray
// icon's tip say it. The attachment keeps it; nothing else guesses it.
struct AttachState {
    enum class Kind {
        Off,        // never attached, and not attaching by itself
        Attaching,  // asked, no answer yet
        Attached,
        NotRunning, // the client is not there (or does not answer)
        Refused,
    };
    Kind kind = Kind::Off;
    // After a refusal, attaching by itself: when it asks again.
    QDateTime askAgainAt;

    bool attached() const { return kind == Kind::Attached; }
    bool operator==(const AttachState&) const = default;
};

// The state in words, naming the client as the menus do: "Attached to Jami",
// "Not attached: baresip refused; asking again at 18:42".
QString attachStateText(const AttachState& state, const QString& clientName);
