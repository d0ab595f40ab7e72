#pragma once

#include <QString>

// Opens an address with the user's default program (the home page command).
class ShellOpen {
public:
    virtual ~ShellOpen() = default;
    // `maximised` asks for a maximised window where the platform can do that.
    // The result is not examined by the program, so there is none.
    virtual void open(const QString& address, bool maximised) = 0;
};

class DesktopShellOpen : public ShellOpen {
public:
    void open(const QString& address, bool maximised) override;
};
