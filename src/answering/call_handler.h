#pragma once

#include "client/automation.h"

class CallRecord;
class ListBox;
class Pause;

// What the call handler needs of the two list windows. Reaching a list loads its
// window first when it is not loaded (which reads its list file and displays it).
class AutoAnswerLists {
public:
    virtual ~AutoAnswerLists() = default;
    // The calls list (answer).
    virtual ListBox& reachCallsList() = 0;
    // The video calls list (answer, then start video).
    virtual ListBox& reachVideoCallsList() = 0;
    // Whether "Auto answer incoming calls with video" is chosen in the video
    // calls list window.
    virtual bool reachVideoOption() = 0;
};

// Answers a ringing call when the caller is on the calls list or the video calls
// list, and starts sending video a second later for a caller on the video calls
// list when the option is chosen and the call is in progress by then.
//
// It keeps no state between events and traps nothing: a failure throws
// RunTimeError and abandons the rest (what was done stays done). Every call it
// acts on (a caller on a list) goes into the record, if one is given, with what
// was done, failures included; a ringing call from a caller on neither list is
// one line in the log.
class CallHandler {
public:
    static constexpr int VideoPauseMs = 1000;

    CallHandler(AutoAnswerLists& lists, Pause& pause, CallRecord* record = nullptr)
        : m_lists(lists), m_pause(pause), m_record(record) {}

    void oSkype_CallStatus(const SkypeCallPtr& call, int status);

private:
    struct Match {
        QString handle; // as the client gave it
        bool onList;
    };
    // Selects the caller's item in `list` (or clears the selection).
    static Match lookUp(SkypeCall& call, ListBox& list);

    AutoAnswerLists& m_lists;
    Pause& m_pause;
    CallRecord* m_record;
};
