#include "client/baresip/ctrl_protocol.h"
#include "client/baresip/netstring_reader.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace CtrlProtocol;

TEST(NetstringReader, CutsTheStreamIntoFrames) {
    struct Case {
        const char* name;
        QList<QByteArray> chunks; // as they arrive
        QList<QByteArray> frames;
        NetstringReader::Error error;
        bool midFrame;
    };
    const Case cases[] = {
        {"two in one chunk", {"3:abc,0:,"}, {"abc", ""}, NetstringReader::Error::None, false},
        {"split everywhere",
         {"1", "1:hello", " world", ",2:x"},
         {"hello world"},
         NetstringReader::Error::None,
         true},
        {"leading zero", {"03:abc,"}, {}, NetstringReader::Error::BadLength, false},
        {"no length", {":abc,"}, {}, NetstringReader::Error::BadLength, false},
        {"not a digit", {"3x:abc,"}, {}, NetstringReader::Error::BadLength, false},
        {"frames before a break are kept",
         {"1:a,1:bc"},
         {"a"},
         NetstringReader::Error::NoComma,
         false},
        {"exactly 1 MiB announced", {"1048576:"}, {}, NetstringReader::Error::None, true},
        {"over 1 MiB announced", {"1048577:"}, {}, NetstringReader::Error::TooLong, false},
        {"endless digits", {"99999999"}, {}, NetstringReader::Error::TooLong, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NetstringReader reader;
        for (const QByteArray& chunk : c.chunks)
            reader.feed(chunk);
        QList<QByteArray> frames;
        while (const auto frame = reader.next())
            frames << *frame;
        EXPECT_EQ(frames, c.frames);
        EXPECT_EQ(reader.error(), c.error);
        EXPECT_EQ(reader.midFrame(), c.midFrame);
        EXPECT_EQ(reader.errorText().isEmpty(), c.error == NetstringReader::Error::None);
        if (c.error != NetstringReader::Error::None) {
            EXPECT_FALSE(reader.feed("1:z,")); // a broken stream stays broken
        }
    }
}

TEST(CtrlProtocol, CommandsAreFramedJson) {
    const QByteArray framed = encodeCommand("callfind", "4b1c", "pellorin-7");
    NetstringReader reader;
    reader.feed(framed);
    const QJsonObject object = QJsonDocument::fromJson(*reader.next()).object();
    EXPECT_EQ(object.value("command").toString(), "callfind");
    EXPECT_EQ(object.value("params").toString(), "4b1c");
    EXPECT_EQ(object.value("token").toString(), "pellorin-7");
    EXPECT_FALSE(QJsonDocument::fromJson(encodeCommand("accept", "", "t").mid(2).chopped(1))
                     .object()
                     .contains("params"));
}

TEST(CtrlProtocol, Messages) {
    // As baresip 1.0.0 sends them.
    const auto reply = parseMessage(
        R"({"response":true,"ok":false,"data":"command not found (x)\n","token":"pellorin-3"})");
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->kind, Message::Kind::Response);
    EXPECT_FALSE(reply->response.ok);
    EXPECT_EQ(reply->response.token, "pellorin-3");
    const auto event = parseMessage(
        R"({"event":true,"type":"CALL_INCOMING","class":"call","accountaor":"sip:b@127.0.0.1:15081",)"
        R"("direction":"incoming","peeruri":"sip:a@127.0.0.1:15071","id":"54b654adf80eea8c",)"
        R"("param":"sip:a@127.0.0.1:15071"})");
    ASSERT_TRUE(event);
    EXPECT_EQ(event->kind, Message::Kind::Event);
    EXPECT_EQ(event->event.type, "CALL_INCOMING");
    EXPECT_EQ(event->event.callId, "54b654adf80eea8c");
    EXPECT_EQ(event->event.peerUri, "sip:a@127.0.0.1:15071");
    EXPECT_EQ(event->event.accountAor, "sip:b@127.0.0.1:15081");
    EXPECT_EQ(parseMessage(R"({"hello":1})")->kind, Message::Kind::Other);
    EXPECT_FALSE(parseMessage("[1,2]"));
    EXPECT_FALSE(parseMessage("{\"response\":tru"));
}

TEST(CtrlProtocol, HandlesFromAddresses) {
    const std::pair<const char*, const char*> cases[] = {
        {"sip:alice@127.0.0.1:15071", "alice@127.0.0.1:15071"},
        {"sips:alice@example.org", "alice@example.org"},
        {"\"Alice A\" <sip:alice@example.org:5070;transport=tcp>", "alice@example.org:5070"},
        {"<sip:alice:secret@example.org?subject=hi>", "alice@example.org"},
        {"sip:alice;day=tue@example.org", "alice@example.org"},
        {"sip:bob@[::1]:5070", "bob@[::1]:5070"},
        {"sip:example.org;lr", "example.org"},
        {"tel:+4930123", "+4930123"},
        {"alice@example.org", "alice@example.org"},
        {"", ""},
    };
    for (const auto& [uri, handle] : cases)
        EXPECT_EQ(handleFromUri(uri), handle) << uri;
}

TEST(CtrlProtocol, RepliesOfTheMenuCommands) {
    // baresip 1.0.0's "contacts", with contacts without a display name.
    const auto contacts = parseContacts("\n--- Contacts (3) ---\n"
                                        "> Alice A <sip:a@127.0.0.1:15071>\n"
                                        "   <sip:nodisplay@example.org>\n"
                                        "  Quote \\\"x\\\" <sips:q@[::1]:5070>\n\n");
    ASSERT_EQ(contacts.size(), 3);
    EXPECT_EQ(contacts[0].displayName, "Alice A");
    EXPECT_EQ(contacts[0].uri, "sip:a@127.0.0.1:15071");
    EXPECT_EQ(contacts[1].displayName, "");
    EXPECT_EQ(contacts[2].displayName, "Quote \"x\"");

    const QString calls = "\n--- Active calls (2) ---\n"
                          "  [line 1]  0:00:01  ESTABLISHED  (on hold)  sip:a@127.0.0.1:15071\n"
                          "> [line 2]  0:00:00   INCOMING  (on hold)  sip:c@127.0.0.1:15091\n\n";
    EXPECT_EQ(currentCallOnHold(calls), true);
    EXPECT_EQ(currentCallOnHold(QString(calls).replace("> [line 2]", "  [line 2]")), std::nullopt);
    EXPECT_EQ(currentCallOnHold("> [line 1]  0:00:00  ESTABLISHED             sip:a@b\n"), false);

    EXPECT_TRUE(selectedCall("setting current call: 4b1c\n", "4b1c"));
    EXPECT_FALSE(selectedCall("setting current call: 4b1c2\n", "4b1c"));
    EXPECT_TRUE(noSuchCall("call not found (id=4b1c)\n"));
    EXPECT_TRUE(noSuchCall("command not found (callfind)\n"));
    EXPECT_TRUE(videoStarted("\n--- Video stream ---\n started: yes\n tx: ...\n"));
    EXPECT_FALSE(videoStarted("\n--- Video stream ---\n started: no\n"));
}
