#pragma once

#include "platform/run_time_error.h"

#include <QString>

// The client link's own failures, whichever backend reports them (the client's
// errors keep the client's codes), and how their messages quote what was sent.
namespace LinkError {
inline constexpr int NotRunning = 1001;
inline constexpr int ClientQuit = 1002;
inline constexpr int Timeout = 1003;
inline constexpr int BadReply = 1004;
inline constexpr int Offline = 1005;
inline constexpr int BadArgument = 1006;
inline constexpr int Failed = 1007;
inline constexpr int Refused = 68;

// The error for a reply that cannot be read.
RunTimeError unreadableReply(const QString& command, const QString& reply);
// The errors for a call (named by its caller) that ended before the program
// could act on it, and for one whose caller offered no video to start.
RunTimeError callEnded(const QString& caller);
RunTimeError noVideoOffered(const QString& caller);

// A text as it may be quoted in a message or a log: one line, not too long.
QString quoted(const QString& text);
// A wait in words: "2.5 seconds".
QString seconds(int ms);
// The same in the user's language beside English, for a UiText.
UiText shownSeconds(int ms);
} // namespace LinkError
