#include "app/command_line.h"

#include <gtest/gtest.h>

TEST(CommandLine, OptionsAndUsageErrors) {
    using Client = CommandLineOptions::Client;
    struct Case {
        QStringList arguments;
        bool usageError;
        Client client = Client::DesktopApi;
        QString host = "127.0.0.1";
        quint16 port = 4444;
        bool autoAttach = false;
    };
    const Case cases[] = {
        {{}, false},
        {{"--client", "desktop-api"}, false},
        {{"--client", "baresip"}, false, Client::Baresip},
        {{"--client=jami"}, false, Client::Jami},
        {{"--client=baresip", "--baresip-control=localhost:5555"},
         false,
         Client::Baresip,
         "localhost",
         5555},
        {{"--baresip-control", "[::1]:4444", "--client", "baresip"}, false, Client::Baresip, "::1"},
        {{"--client", "baresip", "--auto-attach"}, false, Client::Baresip, "127.0.0.1", 4444, true},
        {{"--auto-attach=yes"}, true},
        {{"--client", "skype"}, true},
        {{"--client"}, true},
        {{"--verbose"}, true},
        {{"baresip"}, true},
        {{"--baresip-control", "127.0.0.1:4444"}, true}, // without --client baresip
        {{"--client", "jami", "--baresip-control", "127.0.0.1:4444"}, true},
        {{"--client", "baresip", "--baresip-control", "127.0.0.1"}, true},
        {{"--client", "baresip", "--baresip-control", "127.0.0.1:0"}, true},
        {{"--client", "baresip", "--baresip-control", "127.0.0.1:65536"}, true},
        {{"--client", "baresip", "--baresip-control", "host:+80"}, true},
        {{"--client", "baresip", "--baresip-control", ":4444"}, true},
        {{"--client", "baresip", "--baresip-control", "::1:4444"}, true},
        {{"--client", "baresip", "--baresip-control", "[nohost]:4444"}, true},
        {{"--client", "baresip", "--baresip-control", "bad host:4444"}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandLine parsed = parseCommandLine(c.arguments);
        if (c.usageError) {
            ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
            EXPECT_FALSE(std::get<UsageError>(parsed).message.isEmpty());
            EXPECT_EQ(usageExitStatus(parsed), 2);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<CommandLineOptions>(parsed));
        const auto& options = std::get<CommandLineOptions>(parsed);
        EXPECT_EQ(options.client, c.client);
        EXPECT_EQ(options.baresipHost, c.host);
        EXPECT_EQ(options.baresipPort, c.port);
        EXPECT_EQ(options.autoAttach, c.autoAttach);
        EXPECT_EQ(usageExitStatus(parsed), std::nullopt);
    }
    EXPECT_TRUE(std::holds_alternative<UsageWanted>(parseCommandLine({"--client", "x", "--help"})));
}
