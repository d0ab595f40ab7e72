#pragma once

#include <QString>

#include <functional>
#include <memory>

class MessageBoxService;
class RunTimeError;
class ShownBox;

// The text of the run-time error box: "Run-time error 'N':" CRLF CRLF description.
QString runTimeErrorText(const RunTimeError& error);

// The run-time error box, which reports a failure that its handler did not trap
// (style 48, titled with the product name). At most one is open at a time: a
// failure while it is open goes to the log, and the open box says how many more
// failures there were since the one it shows. Closing it makes room for the next.
class ErrorReport {
public:
    explicit ErrorReport(MessageBoxService& boxes);
    ~ErrorReport();
    ErrorReport(const ErrorReport&) = delete;
    ErrorReport& operator=(const ErrorReport&) = delete;

    void report(const RunTimeError& error);
    // Failures reported while the open box was open (0 when none is open).
    int moreFailures() const;

private:
    MessageBoxService& m_boxes;
    std::shared_ptr<ShownBox> m_open;
    QString m_text;
    int m_more = 0;
};

// Default error handling for a handler that traps nothing: run it; if it fails,
// the rest of it is abandoned (what it already did stays done), the failure is
// reported through `errors`, and the program keeps running. Returns false when
// the handler failed.
bool runHandler(ErrorReport& errors, const std::function<void()>& handler);
