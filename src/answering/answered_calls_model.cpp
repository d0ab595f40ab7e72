#include "answered_calls_model.h"

AnsweredCallsModel::AnsweredCallsModel(ShownName shownName, QObject* parent)
    : QAbstractTableModel(parent), m_shownName(std::move(shownName)) {}

void AnsweredCallsModel::setEntries(std::vector<CallLogEntry> entries) {
    beginResetModel();
    m_entries = std::move(entries);
    endResetModel();
}

void AnsweredCallsModel::refreshNames() {
    if (!m_entries.empty())
        emit dataChanged(index(0, Caller), index(rowCount() - 1, Caller), {Qt::DisplayRole});
}

int AnsweredCallsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_entries.size());
}

int AnsweredCallsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AnsweredCallsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CallLogEntry& entry = m_entries[size_t(index.row())];
    if (!entry.readable) {
        if (index.column() != Time)
            return {};
        if (role == Qt::DisplayRole)
            return entry.line;
        if (role == Qt::ToolTipRole)
            return tr("Pellorin cannot read this line of the record.");
        return {};
    }
    if (role == Qt::ToolTipRole && index.column() == Caller)
        return entry.handle;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Time:
        return entry.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case Caller:
        return m_shownName ? m_shownName(entry.plainHandle()) : entry.handle;
    case Lists:
        return shownLists(entry.lists);
    case Outcome:
        return shownOutcome(entry.outcome);
    }
    return {};
}

QString AnsweredCallsModel::shownLists(const QString& lists) {
    static const char* const names[] = {QT_TR_NOOP("calls"), QT_TR_NOOP("video calls")};
    QStringList shown = lists.split(QStringLiteral(", "));
    for (QString& list : shown)
        for (const char* name : names)
            if (list == QLatin1String(name))
                list = tr(name);
    return shown.join(QStringLiteral(", "));
}

QString AnsweredCallsModel::shownOutcome(const QString& outcome) {
    static const char* const whole[] = {QT_TR_NOOP("answered"),
                                        QT_TR_NOOP("answered, video started"),
                                        QT_TR_NOOP("not answered: the call was no longer ringing")};
    for (const char* text : whole)
        if (outcome == QLatin1String(text))
            return tr(text);
    // The client's words or the call's status after these stay as written.
    static const char* const starts[] = {QT_TR_NOOP("answer failed: "),
                                         QT_TR_NOOP("answered, video failed: "),
                                         QT_TR_NOOP("answered, video not started ")};
    for (const char* text : starts)
        if (outcome.startsWith(QLatin1String(text)))
            return tr(text) + outcome.mid(qsizetype(qstrlen(text)));
    return outcome;
}

QVariant AnsweredCallsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char* const captions[] = {QT_TR_NOOP("Time"), QT_TR_NOOP("Caller"),
                                           QT_TR_NOOP("Lists"), QT_TR_NOOP("What was done")};
    return section >= 0 && section < ColumnCount ? tr(captions[section]) : QVariant();
}
