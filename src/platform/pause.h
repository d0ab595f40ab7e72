#pragma once

// A blocking pause of the GUI thread: nothing is handled while it lasts.
class Pause {
public:
    virtual ~Pause() = default;
    virtual void sleep(int milliseconds) = 0;
};

class ThreadPause : public Pause {
public:
    void sleep(int milliseconds) override;
};
