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

struct Address {
    QString host;
    quint16 port;
};

// "HOST:PORT": a host name or IPv4 address, or an IPv6 address in brackets;
// a port from 1 to 65535.
std::optional<Address> parseAddress(const QString& text) {
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
        return Address{host, static_cast<quint16>(port)};
    }
    // A name: letters, digits, '-' and '.', not starting or ending with '.' or '-'.
    if (host.startsWith(QLatin1Char('.')) || host.endsWith(QLatin1Char('.')) ||
        host.startsWith(QLatin1Char('-')) || host.endsWith(QLatin1Char('-')))
        return std::nullopt;
    for (QChar c : host)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-') &&
            c != QLatin1Char('.'))
            return std::nullopt;
    return Address{host, static_cast<quint16>(port)};
}

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

QString commandLineUsage() {
    return QStringLiteral("usage: pellorin [--client desktop-api|baresip|jami] "
                          "[--baresip-control HOST:PORT] [--auto-attach]");
}

CommandLine parseCommandLine(const QStringList& allArguments) {
    const QStringList arguments = withoutToolkitOptions(allArguments);
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h")))
        return UsageWanted{};
    CommandLineOptions options;
    bool controlGiven = false;
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
            if (*value == QLatin1String("desktop-api"))
                options.client = CommandLineOptions::Client::DesktopApi;
            else if (*value == QLatin1String("baresip"))
                options.client = CommandLineOptions::Client::Baresip;
            else if (*value == QLatin1String("jami"))
                options.client = CommandLineOptions::Client::Jami;
            else
                return UsageError{QStringLiteral("unknown client \"%1\"").arg(*value)};
        } else {
            const std::optional<Address> address = parseAddress(*value);
            if (!address)
                return UsageError{QStringLiteral("\"%1\" is not an address HOST:PORT").arg(*value)};
            options.baresipHost = address->host;
            options.baresipPort = address->port;
            controlGiven = true;
        }
    }
    if (controlGiven && options.client != CommandLineOptions::Client::Baresip)
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
