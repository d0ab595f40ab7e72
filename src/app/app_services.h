#pragma once

#include <QString>

class AutomationFactory;
class MessageBoxService;
class Pause;
class ShellOpen;

// The outside services the windows use, handed in by main() (or by a test).
struct AppServices {
    MessageBoxService& messages;
    ShellOpen& shell;
    Pause& pause;
    AutomationFactory& automation;
    // The directory that holds the program (where the list files live).
    QString programDir;
};
