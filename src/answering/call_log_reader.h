#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

// One line of the record of answered calls (see CallLogFile) as read back. A
// line that is not five fields with a time first is kept as it stands
// (`readable` false, the other fields empty).
struct CallLogEntry {
    QString line;
    bool readable = false;
    QDateTime when;
    QString client;
    // As written: an invisible character stays visible as its escape.
    QString handle;
    QString lists;
    QString outcome;

    // The handle itself, the escapes undone (for asking the client its name).
    QString plainHandle() const;
};

// Reads the record: the file and, behind it, the older one that rotation left
// (the same name with ".1"). Newest first, in the order the lines were written
// (not by their times, which a clock change can disorder). A file that is not
// there holds no lines; bytes that are not UTF-8 are read as replacement characters.
class CallLogReader {
public:
    static std::vector<CallLogEntry> read(const QString& path);
    static CallLogEntry parse(const QString& line);
};
