#pragma once

#include "call_record.h"

#include <QDateTime>
#include <QLoggingCategory>
#include <QString>

// The log's lines about calls (standard error).
Q_DECLARE_LOGGING_CATEGORY(lcCalls)

// The record of answered calls as a text file, one line per call, appended and
// also written to the log (standard error):
//
//   2026-05-04T18:30:02+02:00<TAB>baresip<TAB>alice@example.org<TAB>video calls<TAB>answered
//
// local time with its offset, the client, the caller's handle, the lists and the
// outcome. Characters in a field that would break the line or not show (control
// and format characters, line separators) are written as \xNN up to U+00FF,
// \uNNNN up to U+FFFF and \UNNNNNNNN above, so a line is always one line of five
// fields and a difference nobody could see shows. The file's folder is made on first use. A file
// past the size limit is renamed to its name with ".1" (replacing the older one) and a new one
// begun; nothing is ever rewritten in place. When that renaming fails the file grows on (the log
// says so once).
class CallLogFile : public CallRecord {
public:
    static constexpr qint64 RotateAfterBytes = 1024 * 1024;

    CallLogFile(QString path, QString client, qint64 rotateAfterBytes = RotateAfterBytes);

    // $XDG_STATE_HOME/pellorin/calls.log, or ~/.local/state/pellorin/calls.log
    // when that is unset or not an absolute path.
    static QString defaultPath();
    static QString line(const QDateTime& when, const QString& client, const AnsweredCall& call);
    // Text as one field of a line: the characters above, and the backslash that
    // marks an escape, written as escapes.
    static QString field(const QString& text);

    void add(const AnsweredCall& call) override;
    // The client the next lines name (after the client in use changed).
    void setClient(QString client) { m_client = std::move(client); }
    QString path() const { return m_path; }

private:
    bool append(const QByteArray& bytes, QString& why);

    QString m_path;
    QString m_client;
    qint64 m_rotateAfter;
    bool m_rotationFailed = false; // and said so in the log
};
