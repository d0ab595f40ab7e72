#pragma once

#include <QString>

class AutomationFactory;
class CallRecord;
class DesktopNotifications;
class MessageBoxService;
class NotificationIcon;
class Pause;
class Preferences;
class ShellOpen;

// The outside services the windows use, handed in by main() (or by a test).
struct AppServices {
    MessageBoxService& messages;
    ShellOpen& shell;
    Pause& pause;
    AutomationFactory& automation;
    // The main window's icon in the desktop's notification area.
    NotificationIcon& trayIcon;
    // Where the list files live: the program's directory, or the user's
    // configuration directory for an installed program (see ListLocation).
    QString programDir;
    // Where the calls the program acts on are kept; nowhere when null.
    CallRecord* callRecord = nullptr;
    // No notice at start: attach at once, and again whenever the attachment ends.
    bool autoAttach = false;
    // What Options changes beside the lists and the logo (the client in use,
    // attaching by itself, starting at login); without it Options offers none of
    // that. `automation` is then the client link it switches.
    Preferences* preferences = nullptr;
    // The record's file, which View > Answered Calls reads; none when empty.
    QString callLogPath = {};
    // Where the program tells the user that it answered a call; nowhere when null.
    DesktopNotifications* notifications = nullptr;
};
