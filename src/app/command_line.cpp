#include "command_line.h"

#include <QHostAddress>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>

namespace {

constexpr auto ClientOption = "--client";
constexpr auto ControlOption = "--baresip-control";
constexpr auto AutoAttachOption = "--auto-attach";

} // namespace

std::optional<ControlAddress> parseControlAddress(const QString& text) {
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    QString host = text.left(colon);
    const QString portText = text.mid(colon + 1);
    bool numeric = !portText.isEmpty() && portText.size() <= 5;
    for (QChar c : portText)
        numeric = numeric && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const uint port = numeric ? portText.toUInt() : 0;
    if (port == 0 || port > 65535)
        return std::nullopt;
    if (host.startsWith(QLatin1Char('['))) {
        if (!host.endsWith(QLatin1Char(']')))
            return std::nullopt;
        host = host.mid(1, host.size() - 2);
        if (QHostAddress(host).protocol() != QAbstractSocket::IPv6Protocol)
            return std::nullopt;
        return ControlAddress{host, static_cast<quint16>(port)};
    }
    // A name: letters, digits, '-' and '.', not starting or ending with '.' or '-'.
    if (host.startsWith(QLatin1Char('.')) || host.endsWith(QLatin1Char('.')) ||
        host.startsWith(QLatin1Char('-')) || host.endsWith(QLatin1Char('-')))
        return std::nullopt;
    for (QChar c : host)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-') &&
            c != QLatin1Char('.'))
            return std::nullopt;
    return ControlAddress{host, static_cast<quint16>(port)};
}

QString controlAddressText(const ControlAddress& address) {
    const bool ipv6 = address.host.contains(QLatin1Char(':'));
    return (ipv6 ? QStringLiteral("[%1]:%2") : QStringLiteral("%1:%2"))
        .arg(address.host)
        .arg(address.port);
}

namespace {

// The options of Qt itself, which the application object takes out of the command
// line when it is made, written with one dash or two: those followed by a value,
// those that may carry one after '=', and those without one.
const char* const ToolkitOptionsWithValue[] = {
    "platform",     "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "geometry",     "qwindowicon",        "icon",          "qwindowtitle", "title",
    "session",      "display",            "name",          "style",   "stylesheet",
    "qmljsdebugger"};
const char* const ToolkitOptionsWithInlineValue[] = {"style", "stylesheet", "qmljsdebugger"};
const char* const ToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync",
                                    "testability"};

template <size_t N> bool isOneOf(const QString& name, const char* const (&options)[N]) {
    return std::any_of(std::begin(options), std::end(options),
                       [&name](const char* option) { return name == QLatin1String(option); });
}

// The arguments without Qt's own options (and their values).
QStringList withoutToolkitOptions(const QStringList& arguments) {
    QStringList ours;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString name = argument.startsWith(QLatin1String("--")) ? argument.mid(2)
                       : argument.startsWith(QLatin1Char('-'))  ? argument.mid(1)
                                                                : QString();
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        const bool inlineValue = equals >= 0;
        if (inlineValue)
            name.truncate(equals);
        if (inlineValue ? isOneOf(name, ToolkitOptionsWithInlineValue)
                        : isOneOf(name, ToolkitFlags))
            continue;
        if (!inlineValue && isOneOf(name, ToolkitOptionsWithValue) && i + 1 < arguments.size()) {
            ++i; // and its value
            continue;
        }
        ours << argument;
    }
    return ours;
}

} // namespace

QString clientId(CommandLineOptions::Client client) {
    switch (client) {
    case CommandLineOptions::Client::Baresip:
        return QStringLiteral("baresip");
    case CommandLineOptions::Client::Jami:
        return QStringLiteral("jami");
    case CommandLineOptions::Client::DesktopApi:
        break;
    }
    return QStringLiteral("desktop-api");
}

std::optional<CommandLineOptions::Client> clientFromId(const QString& id) {
    for (auto client : {CommandLineOptions::Client::DesktopApi, CommandLineOptions::Client::Baresip,
                        CommandLineOptions::Client::Jami})
        if (id == clientId(client))
            return client;
    return std::nullopt;
}

QString commandLineUsage() {
    return QStringLiteral("usage: pellorin [--client desktop-api|baresip|jami] "
                          "[--baresip-control HOST:PORT] [--auto-attach]");
}

CommandLine parseCommandLine(const QStringList& allArguments) {
    const QStringList arguments = withoutToolkitOptions(allArguments);
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h")))
        return UsageWanted{};
    CommandLineOptions options;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String(AutoAttachOption)) {
            options.autoAttach = true;
            continue;
        }
        QString name = arguments[i];
        std::optional<QString> value;
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (name.startsWith(QLatin1String("--")) && equals > 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        if (name != QLatin1String(ClientOption) && name != QLatin1String(ControlOption))
            return UsageError{QStringLiteral("unknown option \"%1\"").arg(arguments[i])};
        if (!value) {
            if (i + 1 >= arguments.size())
                return UsageError{QStringLiteral("%1 needs a value").arg(name)};
            value = arguments[++i];
        }
        if (name == QLatin1String(ClientOption)) {
            const std::optional<CommandLineOptions::Client> client = clientFromId(*value);
            if (!client)
                return UsageError{QStringLiteral("unknown client \"%1\"").arg(*value)};
            options.client = *client;
            options.clientGiven = true;
        } else {
            const std::optional<ControlAddress> address = parseControlAddress(*value);
            if (!address)
                return UsageError{QStringLiteral("\"%1\" is not an address HOST:PORT").arg(*value)};
            options.baresipHost = address->host;
            options.baresipPort = address->port;
            options.controlGiven = true;
        }
    }
    if (options.controlGiven && options.client != CommandLineOptions::Client::Baresip)
        return UsageError{QStringLiteral("%1 goes with --client baresip").arg(ControlOption)};
    return options;
}

std::optional<int> usageExitStatus(const CommandLine& commandLine) {
    if (std::holds_alternative<UsageWanted>(commandLine)) {
        std::printf("%s\n", qPrintable(commandLineUsage()));
        return 0;
    }
    if (const auto* bad = std::get_if<UsageError>(&commandLine)) {
        std::fprintf(stderr, "pellorin: %s\n%s\n", qPrintable(bad->message),
                     qPrintable(commandLineUsage()));
        return 2;
    }
    return std::nullopt;
}
