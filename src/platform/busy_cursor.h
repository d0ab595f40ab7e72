#pragma once

// Shows the busy cursor over the program's windows for as long as it lives, on
// every way out of the scope that holds it. Nothing happens in a program without
// windows, nor while a Quiet lives (work the user did not ask for and need not
// wait for, such as attaching again in the background).
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    class Quiet {
    public:
        Quiet() { ++s_quiet; }
        ~Quiet() { --s_quiet; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;
    };

private:
    static inline int s_quiet = 0;
    bool m_shown = false;
};
