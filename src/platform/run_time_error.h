#pragma once

#include "ui_text.h"

#include <QString>

#include <stdexcept>

// The one error type of the program: a number and a description. Every failing
// operation (the client link, a list file, loading a window) throws it; the
// handler that started the work reports it (see error_report.h). The description
// is in English, for the log and the record of calls; a box shows shown(), which
// is in the user's language when the description was made from a UiText.
class RunTimeError : public std::runtime_error {
public:
    RunTimeError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), m_number(number),
          m_description(description), m_shown(description) {}
    RunTimeError(int number, const UiText& text)
        : std::runtime_error(text.english().toStdString()), m_number(number),
          m_description(text.english()), m_shown(text.shown()) {}

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const QString& shown() const { return m_shown; }

private:
    int m_number;
    QString m_description;
    QString m_shown;
};

// Error numbers the program raises itself (the client link uses the client's own
// codes).
namespace ErrorNumber {
inline constexpr int Internal = 51;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int ListFull = 7;
} // namespace ErrorNumber
