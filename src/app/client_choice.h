#pragma once

#include "client/automation.h"

#include <memory>

struct CommandLineOptions;

// The one place that knows the backends: the client link the command line
// chose. Everything else sees only the automation interface.
std::unique_ptr<AutomationFactory> makeAutomationFactory(const CommandLineOptions& options);

// The client's name as the command line gives it ("desktop-api", "baresip", "jami").
QString clientName(const CommandLineOptions& options);
