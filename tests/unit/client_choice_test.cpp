#include "app/client_choice.h"
#include "app/settings.h"
#include "fakes/file_bytes.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ScriptedRunning : public RunningClients {
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

// The client of a start from the command line, the settings file (its bytes;
// none; a folder in its place) and the clients that run, and why; and whether the
// file says to attach by itself. Choosing saves nothing.
TEST(ClientChoice, CommandLineThenSavedThenRunningThenTheDefault) {
    const char* const folder = "<folder>";
    struct Row {
        const char* arguments;
        const char* file;
        const char* running;
        const char* chosen; // client, address, "auto" (saved), "search" (goes on looking)
        const char* why;
    };
    const Row rows[] = {
        {"", nullptr, "", "desktop-api 127.0.0.1:4444", "none found"},
        {"", nullptr, "jami", "jami 127.0.0.1:4444", "cx.ring.Ring"},
        {"", nullptr, "desktop-api", "desktop-api 127.0.0.1:4444", "com.Skype.API"},
        {"", nullptr, "baresip", "baresip 127.0.0.1:4444", "listens on 127.0.0.1:4444"},
        {"", nullptr, "jami desktop-api baresip", "jami 127.0.0.1:4444", "cx.ring.Ring"},
        // A bus name is surer than something listening on a port.
        {"", nullptr, "desktop-api baresip", "desktop-api 127.0.0.1:4444", "com.Skype.API"},
        {"", "[General]\nclient=baresip\nbaresip-control=10.0.0.1:5555\nauto-attach=true\n", "jami",
         "baresip 10.0.0.1:5555 auto", "chosen in Options"},
        {"--client jami", "[General]\nclient=baresip\n", "baresip", "jami 127.0.0.1:4444",
         "command line"},
        {"--client baresip", "[General]\nbaresip-control=\"[::1]:4000\"\n", "",
         "baresip [::1]:4000", "command line"},
        {"--client baresip --baresip-control 127.0.0.1:5000",
         "[General]\nbaresip-control=10.1.1.1:9\n", "", "baresip 127.0.0.1:5000", "command line"},
        {"", "[General]\nbaresip-control=127.0.0.1:5060\n", "baresip", "baresip 127.0.0.1:5060",
         "listens on 127.0.0.1:5060"},
        // Values the program does not know, and files it cannot read: defaults.
        {"", "[General]\nclient=skype\nauto-attach=yes\n", "jami", "jami 127.0.0.1:4444",
         "cx.ring.Ring"},
        {"", "[General]\nclient=baresip\nbaresip-control=nohost\n", "", "baresip 127.0.0.1:4444",
         "chosen in Options"},
        {"", folder, "", "desktop-api 127.0.0.1:4444", "none found"},
        // A line it cannot read costs that line alone.
        {"", "[General]\nclient=baresip\n[broken\n", "jami", "baresip 127.0.0.1:4444",
         "chosen in Options"},
        {"", "\xff[[=\n\x01=\x02\n[General\nclient", "desktop-api", "desktop-api 127.0.0.1:4444",
         "com.Skype.API"},
        // Attaching by itself with none chosen or running: the default until one runs.
        {"", "[General]\nauto-attach=true\n", "", "desktop-api 127.0.0.1:4444 auto search",
         "none found"},
        {"--auto-attach", nullptr, "", "desktop-api 127.0.0.1:4444 search", "none found"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.arguments) + " | " + (row.file ? row.file : "no file") +
                     " | " + row.running);
        QTemporaryDir dir;
        const QString path = dir.filePath("pellorin.conf");
        if (row.file == folder)
            QDir().mkdir(path);
        else if (row.file)
            FileBytes::put(path, row.file);
        const Settings settings(path);
        ScriptedRunning running;
        running.running = row.running;

        const CommandLineOptions options = std::get<CommandLineOptions>(
            parseCommandLine(QString(row.arguments).split(' ', Qt::SkipEmptyParts)));
        const ClientChoice choice = chooseClient(options, settings.saved(), running);
        QString chosen =
            clientId(choice.setup.client) + ' ' + controlAddressText(choice.setup.baresipControl);
        if (settings.saved().autoAttach)
            chosen += " auto";
        if (choice.search)
            chosen += " search";
        EXPECT_EQ(chosen, row.chosen);
        EXPECT_TRUE(choice.why.contains(row.why)) << choice.why.toStdString();
        // baresip is looked for where it would be attached to.
        for (const ControlAddress& looked : running.baresipLooks)
            EXPECT_EQ(looked, choice.setup.baresipControl);
        if (row.file != folder) {
            EXPECT_EQ(FileBytes::get(path), row.file ? QByteArray(row.file) : "<missing>");
        }
    }
}

} // namespace
