#include "call_log_reader.h"

#include <QFile>
#include <QStringList>

#include <algorithm>

namespace {

void appendLines(const QString& path, std::vector<CallLogEntry>& entries) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        entries.push_back(CallLogReader::parse(line.toString()));
}

} // namespace

QString CallLogEntry::plainHandle() const {
    QString plain;
    plain.reserve(handle.size());
    for (qsizetype i = 0; i < handle.size(); ++i) {
        bool ok = false;
        const uint code =
            handle.mid(i, 2) == QLatin1String("\\x") ? handle.mid(i + 2, 2).toUInt(&ok, 16) : 0;
        if (ok) {
            plain += QChar(char16_t(code));
            i += 3;
        } else {
            plain += handle[i];
        }
    }
    return plain;
}

CallLogEntry CallLogReader::parse(const QString& line) {
    CallLogEntry entry;
    entry.line = line;
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != 5)
        return entry;
    const QDateTime when = QDateTime::fromString(fields[0], Qt::ISODate);
    if (!when.isValid())
        return entry;
    entry.readable = true;
    entry.when = when.toLocalTime();
    entry.client = fields[1];
    entry.handle = fields[2];
    entry.lists = fields[3];
    entry.outcome = fields[4];
    return entry;
}

std::vector<CallLogEntry> CallLogReader::read(const QString& path) {
    std::vector<CallLogEntry> entries;
    appendLines(path + QStringLiteral(".1"), entries);
    appendLines(path, entries);
    std::reverse(entries.begin(), entries.end());
    return entries;
}
