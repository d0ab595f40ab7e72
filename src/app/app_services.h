#pragma once

#include <QString>

class AutomationFactory;
class MessageBoxService;
class NotificationIcon;
class Pause;
class ShellOpen;

// The outside services the windows use, handed in by main() (or by a test).
struct AppServices {
    MessageBoxService& messages;
    ShellOpen& shell;
    Pause& pause;
    AutomationFactory& automation;
    // The main window's icon in the desktop's notification area.
    NotificationIcon& trayIcon;
    // The directory that holds the program (where the list files live).
    QString programDir;
};
