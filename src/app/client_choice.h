#pragma once

#include "app/command_line.h"
#include "client/automation.h"

#include <memory>
#include <optional>

struct SavedSettings;

// A calling client and, for baresip, where its control socket listens.
struct ClientSetup {
    using Client = CommandLineOptions::Client;
    Client client = Client::DesktopApi;
    ControlAddress baresipControl{QLatin1String(CommandLineOptions::DefaultBaresipHost),
                                  CommandLineOptions::DefaultBaresipPort};
    bool operator==(const ClientSetup&) const = default;
};

// Which clients run now, as a start with no client chosen looks for them.
class RunningClients {
public:
    virtual ~RunningClients() = default;
    // Jami's daemon owns its bus name.
    virtual bool jami() = 0;
    // The desktop API's client owns its bus name.
    virtual bool desktopApi() = 0;
    // Something listens on baresip's control address.
    virtual bool baresip(const ControlAddress& control) = 0;
};

// The real look: the session bus's names, and a connection to the address
// (closed at once).
class SessionRunningClients : public RunningClients {
public:
    bool jami() override;
    bool desktopApi() override;
    bool baresip(const ControlAddress& control) override;
};

struct ClientChoice {
    ClientSetup setup;
    // Why this client, for the log.
    QString why;
    // None was chosen or found running, and the program attaches by itself: the
    // default is in use only until a client runs (see Preferences::searchForClient).
    bool search = false;
};

// The client of this run: the command line's; else the one saved in Options;
// else the first found running of Jami, the desktop API's client and baresip
// (at the saved control address, or the default one); else the desktop API's
// client, to be searched for when attaching by itself (--auto-attach or saved).
// baresip's address is the command line's, else the saved one, else the
// default. Writes the choice and why to the log.
ClientChoice chooseClient(const CommandLineOptions& options, const SavedSettings& saved,
                          RunningClients& running);

// The first of Jami, the desktop API's client and baresip (at `setup`'s control
// address) that runs, as `setup` with that client; none when none runs.
std::optional<ClientChoice> findRunningClient(const ClientSetup& setup, RunningClients& running);

// The log's line for the client of `choice`.
void logClientChoice(const ClientChoice& choice);

// The one place that knows the backends: a client link to `setup`'s client.
// Everything else sees only the automation interface.
std::unique_ptr<AutomationFactory> makeAutomationFactory(const ClientSetup& setup);

// The client's name in the program's texts: the desktop API's client as the
// texts name it, "baresip", "Jami".
QString clientTextName(CommandLineOptions::Client client);
