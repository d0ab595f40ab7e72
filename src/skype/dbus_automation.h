#pragma once

#include "automation.h"

// The client link over the session bus. Until the bus backend is in place, every
// object reports the client as not running.
class DBusAutomationFactory : public AutomationFactory {
public:
    std::unique_ptr<Automation> create() override;
};
