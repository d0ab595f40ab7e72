// Callers added by a typed address, per client: what the list window's editor
// makes of each address (the entry, written as the client names the caller
// that rings from it) or the box that refuses it.

#include "client/baresip/baresip_automation_factory.h"
#include "client/jami/jami_automation_factory.h"
#include "fakes/fake_client.h"
#include "fakes/recorders.h"
#include "fakes/scripted_baresip.h"
#include "fakes/scripted_jami.h"
#include "lists/auto_answer_list_editor.h"
#include "lists/list_file.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

enum class Client { DesktopApi, Baresip, Jami };

// A factory of each client, over its scripted peer.
struct Clients {
    FakeClient desktop;
    FakeAutomationFactory desktopApi{desktop};
    std::unique_ptr<ScriptedBaresip> baresipPeer;
    BaresipAutomationFactory baresip{
        "127.0.0.1", 4444, {.connectMs = 200, .commandMs = 200, .callSetupMs = 300}, [this] {
            auto socket = std::make_unique<MemoryControlSocket>();
            baresipPeer = std::make_unique<ScriptedBaresip>(*socket);
            return socket;
        }};
    JamiAutomationFactory jami{{.commandMs = 200}, [] { return std::make_unique<ScriptedJami>(); }};

    AutomationFactory& of(Client client) {
        switch (client) {
        case Client::Baresip:
            return baresip;
        case Client::Jami:
            return jami;
        case Client::DesktopApi:
            break;
        }
        return desktopApi;
    }
};

const QString JamiId = QStringLiteral("2e9f47111021dc933362e051aaf69ab84181475f");

} // namespace

TEST(TypedAddress, PerClient) {
    struct Row {
        Client client;
        QString typed;
        QString entry; // empty: refused, with a box
    };
    const Row rows[] = {
        // Jami names a SIP account's caller user@host, without the port.
        {Client::Jami, "sip:alice@192.0.2.7:5072", "alice@192.0.2.7"},
        {Client::Jami, " Alice <sip:alice:secret@192.0.2.7:5072;transport=udp> ",
         "alice@192.0.2.7"},
        {Client::Jami, "sips:bob@[2001:db8::7]:5061", "bob@2001:db8::7"},
        {Client::Jami, "alice@127.0.0.1", "alice@127.0.0.1"},
        {Client::Jami, "jami:" + JamiId.toUpper(), JamiId},
        {Client::Jami, JamiId + "@ring.dht", JamiId},
        {Client::Jami, "rose", ""},
        {Client::Jami, "sip:@192.0.2.7", ""},
        {Client::Jami, "alice @192.0.2.7", ""},
        {Client::Jami, "2e9f4711", ""},
        // baresip keeps the port.
        {Client::Baresip, "sip:alice@192.0.2.7:5072", "alice@192.0.2.7:5072"},
        {Client::Baresip, "\"Alice\" <sip:alice@192.0.2.7:5072;transport=udp>",
         "alice@192.0.2.7:5072"},
        {Client::Baresip, "alice@127.0.0.1", "alice@127.0.0.1"},
        {Client::Baresip, "alice", ""},
        {Client::Baresip, "sip:alice@", ""},
        {Client::Baresip, "a\tb@192.0.2.7", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        QTemporaryDir dir;
        Clients clients;
        RecordingMessageBox boxes;
        AutoAnswerListEditor editor(boxes, clients.of(row.client), dir.path(),
                                    ListFile::CallsFileName);
        editor.load();
        ASSERT_TRUE(editor.takesAddresses());
        editor.answerList().addItem("carol@192.0.2.9");
        EXPECT_EQ(editor.addAddress(row.typed), !row.entry.isEmpty());
        if (row.entry.isEmpty()) {
            EXPECT_EQ(editor.answerList().items(), QStringList{"carol@192.0.2.9"});
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_TRUE(boxes.shown[0].text.contains(row.typed.trimmed()))
                << boxes.shown[0].text.toStdString();
            continue;
        }
        EXPECT_EQ(editor.answerList().items().join(' ').toStdString(),
                  ("carol@192.0.2.9 " + row.entry).toStdString());
        EXPECT_EQ(editor.answerList().text(), row.entry); // selected
        EXPECT_TRUE(boxes.shown.empty());
    }

    // Nothing typed: the same box with every client; the desktop API's client
    // takes no addresses at all.
    for (const Client client : {Client::Baresip, Client::Jami}) {
        Clients clients;
        RecordingMessageBox boxes;
        AutoAnswerListEditor editor(boxes, clients.of(client), QDir::tempPath(),
                                    ListFile::CallsFileName);
        editor.load();
        EXPECT_FALSE(editor.addAddress("  "));
        ASSERT_EQ(boxes.texts(), QStringList{AutoAnswerListEditor::NoAddressTyped});
        EXPECT_EQ(editor.answerList().listCount(), 0);
    }
    Clients clients;
    RecordingMessageBox boxes;
    AutoAnswerListEditor editor(boxes, clients.of(Client::DesktopApi), QDir::tempPath(),
                                ListFile::CallsFileName);
    editor.load();
    EXPECT_FALSE(editor.takesAddresses());
}
