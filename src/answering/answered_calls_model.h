#pragma once

#include "call_log_reader.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

// The record's lines as a table: time, caller (by the name the client shows,
// the handle in the tool tip), lists matched, what was done. A line that could
// not be read is given whole in the first column. The record is kept in
// English; the lists and what was done are shown in the user's language (a
// client's own words, after "answer failed: ", as they are).
class AnsweredCallsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Time, Caller, Lists, Outcome, ColumnCount };
    using ShownName = std::function<QString(const QString& handle)>;

    explicit AnsweredCallsModel(ShownName shownName, QObject* parent = nullptr);

    void setEntries(std::vector<CallLogEntry> entries);
    const std::vector<CallLogEntry>& entries() const { return m_entries; }
    // The client's names changed: the callers are shown anew.
    void refreshNames();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static QString shownLists(const QString& lists);
    static QString shownOutcome(const QString& outcome);

    ShownName m_shownName;
    std::vector<CallLogEntry> m_entries;
};
