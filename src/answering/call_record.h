#pragma once

#include <QString>

// One call the program acted on: whose, which list it matched, what was done.
struct AnsweredCall {
    QString handle;
    // "calls", "video calls", or "calls, video calls" for a caller on both.
    QString lists;
    // "answered", "answered, video started", "answered, video not started
    // (status N)", "answered, video failed: ..." or "answer failed: ...".
    QString outcome;
};

// Where the calls the program acts on are kept. Adding never throws and never
// stops the answering: a failure goes to the log.
class CallRecord {
public:
    virtual ~CallRecord() = default;
    virtual void add(const AnsweredCall& call) = 0;
};
