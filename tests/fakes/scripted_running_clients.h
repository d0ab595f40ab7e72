#pragma once

#include "app/client_choice.h"

#include <vector>

// The clients that run, as the test says, and where baresip was looked for.
class ScriptedRunningClients : public RunningClients {
public:
    QString running; // the ids of the clients that run
    std::vector<ControlAddress> baresipLooks;
    bool jami() override { return running.contains("jami"); }
    bool desktopApi() override { return running.contains("desktop-api"); }
    bool baresip(const ControlAddress& control) override {
        baresipLooks.push_back(control);
        return running.contains("baresip");
    }
};
