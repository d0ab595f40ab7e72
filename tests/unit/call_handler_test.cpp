#include "answering/call_handler.h"
#include "fakes/fake_client.h"
#include "fakes/log_capture.h"
#include "fakes/recorders.h"
#include "platform/list_box.h"

#include <gtest/gtest.h>

namespace {

// The two lists and the video option, with every reach written into the
// client's log so that the order of reads and requests can be checked whole.
struct FakeLists : AutoAnswerLists {
    explicit FakeLists(FakeClient& c) : client(c) {}
    FakeClient& client;
    ListBox calls, video;
    bool option = true;

    ListBox& reachCallsList() override {
        client.log.push_back("reach calls");
        return calls;
    }
    ListBox& reachVideoCallsList() override {
        client.log.push_back("reach video");
        return video;
    }
    bool reachVideoOption() override {
        client.log.push_back("read option");
        return option;
    }
};

struct Row {
    const char* name;
    QStringList calls;
    QStringList video;
    QString caller;
    int status = 4;
    bool option = true;
    int statusAfterAnswer = 5;
    std::vector<QString> log; // "P" stands for the caller's partner-handle read
    int callsSelected = -1;
    int videoSelected = -1;
    QString outcome = {}; // in the record, when given
    bool hungUp = false;  // the call has ended (status 8) by the time it is looked up
};

class CallHandlerTable : public ::testing::TestWithParam<Row> {};

TEST_P(CallHandlerTable, ReadsAndRequestsInOrder) {
    const Row& row = GetParam();
    FakeClient client;
    FakeLists lists(client);
    RecordingPause pause;
    pause.during = [&] { client.log.push_back("pause"); };
    lists.calls.setItems(row.calls);
    lists.video.setItems(row.video);
    // A selection left from before must not survive a lookup.
    if (!row.calls.isEmpty())
        lists.calls.setListIndex(0);
    if (!row.video.isEmpty())
        lists.video.setListIndex(0);
    lists.option = row.option;
    auto call = client.makeCall(row.caller, row.hungUp ? 8 : row.status);
    call->setStatusAfterAnswer(row.statusAfterAnswer);
    client.log.clear();

    RecordingCallRecord record;
    CallHandler handler(lists, pause, &record);
    handler.oSkype_CallStatus(call, row.status);
    if (!row.outcome.isEmpty()) {
        ASSERT_EQ(record.calls.size(), 1u);
        EXPECT_EQ(record.calls[0].outcome, row.outcome);
    }

    std::vector<QString> expected;
    for (const QString& line : row.log)
        expected.push_back(line == "P"          ? "partnerHandle 100"
                           : line.endsWith(' ') ? line + "100"
                                                : line);
    EXPECT_EQ(client.log, expected);
    if (row.status == 4) {
        EXPECT_EQ(lists.calls.listIndex(), row.callsSelected);
        EXPECT_EQ(lists.video.listIndex(), row.videoSelected);
    }
    const int pauses = static_cast<int>(std::count(row.log.begin(), row.log.end(), "pause"));
    EXPECT_EQ(pause.pauses, std::vector<int>(pauses, 1000));
}

// Lines: "P" a partner-handle read; "answer ", "status ", "startVideoSend " on call 100.
const std::vector<QString> kCallsOnly = {"reach calls", "P", "P", "answer ",
                                         "reach video", "P", "P"};
const std::vector<QString> kNowhere = {"reach calls", "P", "P", "reach video", "P", "P"};

INSTANTIATE_TEST_SUITE_P(
    Events, CallHandlerTable,
    ::testing::Values(
        Row{"notRinging", {"bob"}, {"bob"}, "bob", 5, true, 5, {}},
        Row{"unplaced", {"bob"}, {"bob"}, "bob", 0, true, 5, {}},
        Row{"unknownStatus", {"bob"}, {"bob"}, "bob", -1, true, 5, {}},
        Row{"onNoList", {"alice", "carol"}, {"dave"}, "bob", 4, true, 5, kNowhere, -1, -1},
        Row{"callsListOnly", {"alice", "bob"}, {"dave"}, "bob", 4, true, 5, kCallsOnly, 1, -1},
        Row{"videoListOnlyInProgress",
            {},
            {"x", "bob"},
            "bob",
            4,
            true,
            5,
            {"reach calls", "P", "P", "reach video", "P", "P", "answer ", "pause", "read option",
             "status ", "startVideoSend "},
            -1,
            1},
        Row{"videoListOnlyStillRinging",
            {},
            {"bob"},
            "bob",
            4,
            true,
            4,
            {"reach calls", "P", "P", "reach video", "P", "P", "answer ", "pause", "read option",
             "status "},
            -1,
            0},
        Row{"videoListOptionNotSet",
            {},
            {"bob"},
            "bob",
            4,
            false,
            5,
            {"reach calls", "P", "P", "reach video", "P", "P", "answer ", "pause", "read option",
             "status "},
            -1,
            0},
        Row{"bothListsAnswerOnce",
            {"bob"},
            {"bob"},
            "bob",
            4,
            true,
            5,
            {"reach calls", "P", "P", "answer ", "reach video", "P", "P", "pause", "read option",
             "status ", "startVideoSend "},
            0,
            0},
        Row{"hungUpBeforeTheAnswer",
            {"bob"},
            {"bob"},
            "bob",
            4,
            true,
            5,
            kCallsOnly,
            0,
            0,
            "not answered: the call was no longer ringing",
            true},
        Row{"longerItemFirst", {"bobby", "bob"}, {}, "bob", 4, true, 5, kCallsOnly, 1, -1},
        Row{"caseVariantFirst", {"Alice", "alice"}, {}, "alice", 4, true, 5, kCallsOnly, 1, -1},
        Row{"longerItemAlone", {"bobby"}, {"bobby"}, "bob", 4, true, 5, kNowhere, -1, -1},
        Row{"caseVariantAlone", {"Alice"}, {"ALICE"}, "alice", 4, true, 5, kNowhere, -1, -1},
        Row{"repeatedItemSelectsTheFirst",
            {"x", "bob", "bob"},
            {},
            "bob",
            4,
            true,
            5,
            kCallsOnly,
            1,
            -1},
        Row{"emptyHandleNeverMatches", {"", "bob"}, {}, "", 4, true, 5, kNowhere, 0, -1},
        Row{"emptyHandleEmptyLists", {}, {}, "", 4, true, 5, kNowhere, -1, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CallHandler, OptionsOfTheCallsWindowAreNotItsBusiness) {
    // Only the video window's option is read, and only for a video-list caller.
    FakeClient client;
    FakeLists lists(client);
    RecordingPause pause;
    lists.calls.setItems({"bob"});
    lists.option = false;
    CallHandler handler(lists, pause);
    handler.oSkype_CallStatus(client.makeCall("bob"), 4);
    EXPECT_EQ(client.count("read option"), 0);
    EXPECT_EQ(client.count("answer 100"), 1);
}

TEST(CallHandler, AFailureAbandonsTheRestAndTheNextCallIsStillAnswered) {
    FakeClient client;
    FakeLists lists(client);
    RecordingPause pause;
    lists.calls.setItems({"bob"});
    lists.video.setItems({"bob"});
    CallHandler handler(lists, pause);

    client.failOn("answer", RunTimeError(559, "Action failed"), 1);
    EXPECT_THROW(handler.oSkype_CallStatus(client.makeCall("bob"), 4), RunTimeError);
    EXPECT_EQ(client.count("reach video"), 0); // abandoned at the failing answer
    EXPECT_TRUE(pause.pauses.empty());

    client.log.clear();
    handler.oSkype_CallStatus(client.makeCall("bob"), 4);
    EXPECT_EQ(client.count("answer 101"), 1);
    EXPECT_EQ(client.count("startVideoSend 101"), 1);
}

TEST(CallHandler, ACallerOnNeitherListIsOneLineInTheLogAsTheClientGaveTheHandle) {
    FakeClient client;
    FakeLists lists(client);
    RecordingPause pause;
    lists.calls.setItems({"bob"});
    lists.video.setItems({"carol"});
    CallHandler handler(lists, pause);
    LogCapture logged;
    for (const char* caller : {"bob\r", "carol", "bob", "bob\u200b"})
        handler.oSkype_CallStatus(client.makeCall(caller), 4);
    EXPECT_EQ(logged.lines.join('\n').toStdString(),
              "pellorin.calls: A call from \"bob\\x0d\" rang; the caller is on neither list.\n"
              "pellorin.calls: A call from \"bob\\u200b\" rang; the caller is on neither list.");
}

TEST(CallHandler, CallerWhoHungUpDuringThePauseGetsNoVideo) {
    FakeClient client;
    FakeLists lists(client);
    RecordingPause pause;
    lists.video.setItems({"bob"});
    auto call = client.makeCall("bob");
    pause.during = [&] { call->setStatus(7); }; // finished meanwhile
    CallHandler handler(lists, pause);
    handler.oSkype_CallStatus(call, 4);
    EXPECT_EQ(client.count("answer 100"), 1);
    EXPECT_EQ(client.count("startVideoSend 100"), 0);
}

} // namespace
