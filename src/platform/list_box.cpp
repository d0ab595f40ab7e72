#include "list_box.h"

#include "run_time_error.h"

#include <QAbstractItemView>
#include <QListView>
#include <QStyledItemDelegate>

namespace {
constexpr int InvalidPropertyValue = 380;

// Shows at most the first ShownChars characters of an item: laying out and painting
// a line of millions of characters would stall the window, and nobody reads that far.
// The item itself keeps its whole text.
class ShortTextDelegate : public QStyledItemDelegate {
public:
    static constexpr int ShownChars = 256;
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->text.size() > ShownChars)
            option->text = option->text.left(ShownChars) + QChar(0x2026);
    }
};

[[noreturn]] void invalidIndex(int index) {
    throw RunTimeError(
        InvalidPropertyValue,
        UiText("ListBox", QT_TRANSLATE_NOOP("ListBox", "Invalid property value (list index %1)"))
            .arg(index));
}
} // namespace

ListBox::ListBox(QObject* parent) : QObject(parent), m_selection(&m_model) {
    // Every way the items can change, whoever changes them, drops the index.
    const auto dropIndex = [this] {
        m_firstIndexValid = false;
        m_firstIndex.clear();
    };
    connect(&m_model, &QAbstractItemModel::rowsInserted, this, dropIndex);
    connect(&m_model, &QAbstractItemModel::rowsRemoved, this, dropIndex);
    connect(&m_model, &QAbstractItemModel::rowsMoved, this, dropIndex);
    connect(&m_model, &QAbstractItemModel::dataChanged, this,
            [dropIndex](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles != QList<int>{Qt::DisplayRole}) // not only what is shown
                    dropIndex();
            });
    connect(&m_model, &QAbstractItemModel::modelReset, this, dropIndex);
    connect(&m_model, &QAbstractItemModel::layoutChanged, this, dropIndex);
}

void ListBox::bindView(QListView* view) {
    view->setModel(&m_model);
    view->setSelectionModel(&m_selection);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setUniformItemSizes(true);
    view->setItemDelegate(new ShortTextDelegate(view));
}

int ListBox::listCount() const {
    return m_model.rowCount();
}

QString ListBox::list(int index) const {
    if (index < 0 || index >= listCount())
        invalidIndex(index);
    return m_model.index(index).data(Qt::EditRole).toString();
}

QStringList ListBox::items() const {
    return m_model.stringList();
}

void ListBox::addItem(const QString& text) {
    const int row = listCount();
    if (row >= MaxItems)
        throw RunTimeError(
            ErrorNumber::ListFull,
            UiText("ListBox",
                   QT_TRANSLATE_NOOP("ListBox", "The list is full: it holds at most %1 entries."))
                .arg(MaxItems));
    m_model.insertRows(row, 1);
    m_model.setData(m_model.index(row), text);
    emit changed();
}

int ListBox::setItems(const QStringList& items) {
    m_selection.clear();
    m_model.setStringList(items.size() > MaxItems ? items.mid(0, MaxItems) : items);
    emit changed();
    return listCount();
}

void ListBox::removeItem(int index) {
    if (index < 0 || index >= listCount())
        invalidIndex(index);
    m_model.removeRows(index, 1);
    emit changed();
}

void ListBox::clear() {
    m_selection.clear();
    m_model.setStringList({});
    emit changed();
}

int ListBox::listIndex() const {
    const QModelIndexList rows = m_selection.selectedRows();
    return rows.isEmpty() ? None : rows.first().row();
}

void ListBox::setListIndex(int index) {
    if (index == None) {
        m_selection.clear();
        return;
    }
    if (index < 0 || index >= listCount())
        invalidIndex(index);
    const QModelIndex item = m_model.index(index);
    m_selection.setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
}

QString ListBox::text() const {
    const int index = listIndex();
    return index == None ? QString() : list(index);
}

int ListBox::findStringExact(const QString& text) const {
    // A full list is searched on every ringing call; comparing with each item in
    // turn costs more than a bus round trip, so the first index of every text is
    // kept until the items change.
    if (!m_firstIndexValid) {
        const QStringList all = m_model.stringList();
        m_firstIndex.clear();
        m_firstIndex.reserve(all.size());
        for (qsizetype i = all.size() - 1; i >= 0; --i)
            m_firstIndex.insert(all.at(i), static_cast<int>(i)); // the first one wins
        m_firstIndexValid = true;
    }
    return m_firstIndex.value(text, None);
}

QVariant ListBox::Model::data(const QModelIndex& index, int role) const {
    if (role == Qt::DisplayRole && shown && index.isValid())
        return shown(QStringListModel::data(index, Qt::EditRole).toString());
    return QStringListModel::data(index, role);
}

void ListBox::setShownText(ShownText shown) {
    m_model.shown = std::move(shown);
    refreshShown();
}

void ListBox::refreshShown() {
    if (listCount() > 0)
        emit m_model.dataChanged(m_model.index(0), m_model.index(listCount() - 1),
                                 {Qt::DisplayRole});
}

QString ListBox::shown(int index) const {
    if (index < 0 || index >= listCount())
        invalidIndex(index);
    return m_model.index(index).data(Qt::DisplayRole).toString();
}
