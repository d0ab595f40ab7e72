#pragma once

#include <QString>

// What became of a call the program acted on, read from the outcome that the
// call handler writes into the record (see AnsweredCall::outcome).
struct CallOutcome {
    enum class Result {
        AnsweredWithVideo, // answered, and the video is on
        Answered,          // answered; the video, if it was asked for, is not on
        NotAnswered,       // the call stopped ringing first
        Failed,            // the client refused the answer
    };
    Result result;
    // A few words for a status line, in the user's language: "answered with
    // video", "answered", ...
    QString words;
    // For a failed answer, the client's words; else empty.
    QString why;

    static CallOutcome of(const QString& outcome);
};
