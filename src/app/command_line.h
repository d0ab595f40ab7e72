#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// What the command line chooses: which calling client to attach to, and where
// baresip's control socket is.
struct CommandLineOptions {
    enum class Client { DesktopApi, Baresip, Jami };

    static constexpr auto DefaultBaresipHost = "127.0.0.1";
    static constexpr quint16 DefaultBaresipPort = 4444;

    Client client = Client::DesktopApi;
    QString baresipHost = QLatin1String(DefaultBaresipHost);
    quint16 baresipPort = DefaultBaresipPort;
    // No notice at start: attach at once and again whenever the attachment ends.
    bool autoAttach = false;
    // Whether --client and --baresip-control were given (they win over the
    // settings for this run).
    bool clientGiven = false;
    bool controlGiven = false;
};

// baresip's control address.
struct ControlAddress {
    QString host;
    quint16 port;
    bool operator==(const ControlAddress&) const = default;
};

// "HOST:PORT": a host name or IPv4 address, or an IPv6 address in brackets; a
// port from 1 to 65535. Nothing for anything else.
std::optional<ControlAddress> parseControlAddress(const QString& text);
// The address as parseControlAddress reads it.
QString controlAddressText(const ControlAddress& address);

// A client's name on the command line and in the settings file: "desktop-api",
// "baresip", "jami"; and back (nothing for a name that is none of these).
QString clientId(CommandLineOptions::Client client);
std::optional<CommandLineOptions::Client> clientFromId(const QString& id);

// The command line is not one the program takes: what is wrong with it.
struct UsageError {
    QString message;
};
// --help: the usage is wanted.
struct UsageWanted {};

using CommandLine = std::variant<CommandLineOptions, UsageError, UsageWanted>;

// The usage line.
QString commandLineUsage();

// Reads the arguments that follow the program's name:
//   [--client desktop-api|baresip|jami] [--baresip-control HOST:PORT] [--auto-attach]
// (each option with a value also as --name=value). An unknown option, a missing
// or bad value, or a control address without --client baresip is a usage error.
// Qt's own options (-platform NAME, -style=NAME, -reverse, ...) are left out,
// for Qt to take.
CommandLine parseCommandLine(const QStringList& arguments);

// For --help, prints the usage line and gives exit status 0; for a usage error,
// prints what is wrong and the usage line to standard error and gives 2;
// nothing when the command line chooses options.
std::optional<int> usageExitStatus(const CommandLine& commandLine);
