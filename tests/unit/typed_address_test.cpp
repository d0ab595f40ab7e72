// Callers added by a typed address, per client: the list entry each address
// makes (written as the client names the caller ringing from it), or the box
// that refuses it and leaves the list as it was; also in a list loaded with the
// other client before the client in use changed.

#include "client/baresip/baresip_automation_factory.h"
#include "client/jami/jami_automation_factory.h"
#include "fakes/recorders.h"
#include "fakes/scripted_baresip.h"
#include "fakes/scripted_jami.h"
#include "lists/auto_answer_list_editor.h"
#include "lists/list_file.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(TypedAddress, PerClient) {
    const QString id = QStringLiteral("2e9f47111021dc933362e051aaf69ab84181475f");
    struct Row {
        bool jami; // else baresip
        QString typed;
        QString entry;         // empty: refused
        bool switched = false; // loaded with the other client
    };
    const Row rows[] = {
        // Jami names a SIP account's caller user@host, without the port.
        {true, "sip:alice@192.0.2.7:5072", "alice@192.0.2.7"},
        {true, " Alice <sip:alice:pw@192.0.2.7:5072;transport=udp> ", "alice@192.0.2.7"},
        {true, "sips:bob@[2001:db8::7]:5061", "bob@2001:db8::7"},
        {true, "jami:" + id.toUpper(), id},
        {true, id + "@ring.dht", id},
        {true, "rose", ""},
        {true, "sip:@192.0.2.7", ""},
        {true, "  ", ""},
        // Characters nobody sees (U+200B, U+FEFF, U+00AD) are not kept.
        {true, "\u200bsip:alice@192.0.2.7:5072", "alice@192.0.2.7"},
        {true, "jami:" + id.left(20) + "\u00ad" + id.mid(20) + "\ufeff", id},
        // baresip keeps the port.
        {false, "sip:alice@192.0.2.7:5072", "alice@192.0.2.7:5072"},
        {false, "\"Alice\" <sip:alice@192.0.2.7:5072;transport=udp>", "alice@192.0.2.7:5072"},
        {false, "alice", ""},
        {false, "a\tb@192.0.2.7", ""},
        {false, "sip:ali\u00adce@192.0.2.7:5072\u200b", "alice@192.0.2.7:5072"},
        {false, "sip:alice@192.0.2.7:5072", "alice@192.0.2.7:5072", true},
        {true, "sip:alice@192.0.2.7:5072", "alice@192.0.2.7", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed.toStdString());
        std::unique_ptr<ScriptedBaresip> baresip;
        BaresipAutomationFactory baresipLink("127.0.0.1", 4444, {.connectMs = 200}, [&] {
            auto socket = std::make_unique<MemoryControlSocket>();
            baresip = std::make_unique<ScriptedBaresip>(*socket);
            return socket;
        });
        JamiAutomationFactory jamiLink({.commandMs = 200},
                                       [] { return std::make_unique<ScriptedJami>(); });
        struct : AutomationFactory { // the client in use
            AutomationFactory* in;
            std::unique_ptr<Automation> create() override { return in->create(); }
        } link;
        const auto use = [&](bool jami) {
            link.in = jami ? static_cast<AutomationFactory*>(&jamiLink) : &baresipLink;
        };
        use(row.jami != row.switched);
        RecordingMessageBox boxes;
        AutoAnswerListEditor editor(boxes, link, QDir::tempPath(), QStringLiteral("no such list"));
        editor.load();
        use(row.jami);
        if (row.switched)
            editor.clientChanged();
        ASSERT_TRUE(editor.takesAddresses());
        editor.answerList().addItem("carol@192.0.2.9");
        EXPECT_EQ(editor.addAddress(row.typed), !row.entry.isEmpty());
        EXPECT_EQ(editor.answerList().items().join(' ').toStdString(),
                  ("carol@192.0.2.9 " + row.entry).trimmed().toStdString());
        if (row.entry.isEmpty()) {
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_TRUE(boxes.shown[0].text.contains(row.typed.trimmed()));
        } else {
            EXPECT_EQ(editor.answerList().text(), row.entry); // selected
            EXPECT_TRUE(boxes.shown.empty());
        }
    }
}
