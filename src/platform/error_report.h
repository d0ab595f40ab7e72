#pragma once

#include <QString>

#include <functional>

class MessageBoxService;
class RunTimeError;

// The text of the run-time error box: "Run-time error 'N':" CRLF CRLF description.
QString runTimeErrorText(const RunTimeError& error);

// Default error handling for a handler that traps nothing: run it; if it fails,
// the rest of it is abandoned (what it already did stays done), the failure is
// reported in the run-time error box (style 48, titled with the product name) and
// the program keeps running. Returns false when the handler failed.
bool runHandler(MessageBoxService& messages, const std::function<void()>& handler);
