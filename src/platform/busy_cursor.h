#pragma once

// Shows the busy cursor over the program's windows for as long as it lives, on
// every way out of the scope that holds it. Nothing happens in a program without
// windows.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool m_shown = false;
};
