#include "app/client_choice.h"
#include "app/settings.h"
#include "fakes/file_bytes.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

using Client = CommandLineOptions::Client;

class ScriptedRunning : public RunningClients {
public:
    bool jamiRuns = false, desktopApiRuns = false, baresipRuns = false;
    std::vector<ControlAddress> baresipLooks;
    bool jami() override { return jamiRuns; }
    bool desktopApi() override { return desktopApiRuns; }
    bool baresip(const ControlAddress& control) override {
        baresipLooks.push_back(control);
        return baresipRuns;
    }
};

// The client of a start, from the command line, the settings file (as its bytes,
// or none, or a folder in its place) and the clients that run; and what the
// settings file says of attaching by itself.
TEST(ClientChoice, CommandLineThenSavedThenRunningThenTheDefault) {
    const QByteArray folder = "<folder>";
    struct Row {
        const char* name;
        QStringList arguments;
        std::optional<QByteArray> file;
        bool jami, desktopApi, baresip; // running
        Client client;
        ControlAddress control;
        const char* why;
        bool autoAttach = false;
    };
    const ControlAddress standard{"127.0.0.1", 4444};
    const Row rows[] = {
        {"noneRunning", {}, {}, false, false, false, Client::DesktopApi, standard, "none found"},
        {"jamiRunning", {}, {}, true, false, false, Client::Jami, standard, "cx.ring.Ring"},
        {"desktopApiRunning",
         {},
         {},
         false,
         true,
         false,
         Client::DesktopApi,
         standard,
         "com.Skype.API"},
        {"baresipRunning", {}, {}, false, false, true, Client::Baresip, standard, "listens"},
        {"allRunning", {}, {}, true, true, true, Client::Jami, standard, "cx.ring.Ring"},
        // A bus name is surer than something on a port.
        {"desktopApiAndBaresip",
         {},
         {},
         false,
         true,
         true,
         Client::DesktopApi,
         standard,
         "com.Skype.API"},
        {"savedBeatsRunning",
         {},
         "[General]\nclient=baresip\nbaresip-control=10.0.0.1:5555\nauto-attach=true\n",
         true,
         true,
         false,
         Client::Baresip,
         {"10.0.0.1", 5555},
         "chosen in Options",
         true},
        {"commandLineBeatsSaved",
         {"--client", "jami"},
         "[General]\nclient=baresip\n",
         false,
         false,
         true,
         Client::Jami,
         standard,
         "command line"},
        {"commandLineBaresipAtTheSavedAddress",
         {"--client", "baresip"},
         "[General]\nbaresip-control=\"[::1]:4000\"\n",
         false,
         false,
         false,
         Client::Baresip,
         {"::1", 4000},
         "command line"},
        {"commandLineAddressBeatsSaved",
         {"--client", "baresip", "--baresip-control", "127.0.0.1:5000"},
         "[General]\nbaresip-control=10.1.1.1:9\n",
         false,
         false,
         false,
         Client::Baresip,
         {"127.0.0.1", 5000},
         "command line"},
        {"baresipLookedForAtTheSavedAddress",
         {},
         "[General]\nbaresip-control=127.0.0.1:5060\n",
         false,
         false,
         true,
         Client::Baresip,
         {"127.0.0.1", 5060},
         "listens"},
        // Values the program does not know: their defaults.
        {"unknownClientSaved",
         {},
         "[General]\nclient=skype\nauto-attach=yes\n",
         true,
         false,
         false,
         Client::Jami,
         standard,
         "cx.ring.Ring"},
        {"badAddressSaved",
         {},
         "[General]\nclient=baresip\nbaresip-control=nohost\n",
         false,
         false,
         false,
         Client::Baresip,
         standard,
         "chosen in Options"},
        {"unreadableFile",
         {},
         folder,
         false,
         false,
         false,
         Client::DesktopApi,
         standard,
         "none found"},
        {"junk",
         {},
         QByteArray("\0\xff[[=\n\x01=\x02\n[General\nclient", 24),
         false,
         true,
         false,
         Client::DesktopApi,
         standard,
         "com.Skype.API"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("pellorin.conf");
        if (row.file == folder) {
            ASSERT_TRUE(QDir().mkdir(path));
        } else if (row.file) {
            ASSERT_TRUE(FileBytes::put(path, *row.file));
        }
        const Settings settings(path);
        ScriptedRunning running;
        running.jamiRuns = row.jami;
        running.desktopApiRuns = row.desktopApi;
        running.baresipRuns = row.baresip;

        const auto& options = std::get<CommandLineOptions>(parseCommandLine(row.arguments));
        const ClientChoice choice = chooseClient(options, settings.saved(), running);
        EXPECT_EQ(choice.setup.client, row.client);
        EXPECT_EQ(choice.setup.baresipControl.host, row.control.host);
        EXPECT_EQ(choice.setup.baresipControl.port, row.control.port);
        EXPECT_TRUE(choice.why.contains(row.why)) << choice.why.toStdString();
        EXPECT_EQ(settings.saved().autoAttach, row.autoAttach);
        // baresip is looked for where it would be attached to.
        for (const ControlAddress& looked : running.baresipLooks)
            EXPECT_EQ(looked, choice.setup.baresipControl);
        // Choosing saves nothing.
        if (!row.file) {
            EXPECT_FALSE(QFile::exists(path));
        } else if (row.file != folder) {
            EXPECT_EQ(FileBytes::get(path), *row.file);
        }
    }
}

} // namespace
