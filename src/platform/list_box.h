#pragma once

#include <QHash>
#include <QItemSelectionModel>
#include <QObject>
#include <QStringList>
#include <QStringListModel>

#include <functional>

class QListView;

// The list control the program's windows use: unsorted, single selection, items
// counted and indexed as signed 16-bit numbers (so at most 32767 items). Its text
// is the selected item's text, or empty when nothing is selected; its selected
// index is -1 when nothing is selected.
//
// The items and the selection live here, not in a widget, so the logic that reads
// and writes lists runs without a window; a QListView shows them (bindView).
//
// A view shows each item as it is, or as a text of its own (setShownText): a
// handle by the name people know. The items, the text and the searches stay
// the items.
class ListBox : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxItems = 32767;
    static constexpr int None = -1;
    using ShownText = std::function<QString(const QString& item)>;

    explicit ListBox(QObject* parent = nullptr);

    // Shows this list in `view`: single selection, not editable.
    void bindView(QListView* view);

    int listCount() const;
    QString list(int index) const;
    QStringList items() const;

    // Appends an item at the end. Throws RunTimeError when the list is full.
    void addItem(const QString& text);
    // Replaces every item, keeping at most MaxItems; returns how many were kept.
    int setItems(const QStringList& items);
    // Throws RunTimeError when index is out of range.
    void removeItem(int index);
    void clear();

    int listIndex() const;
    // -1 clears the selection; anything else out of range throws RunTimeError.
    void setListIndex(int index);
    QString text() const;

    // First item whose text equals `text` exactly (letter case counts); -1 when none.
    int findStringExact(const QString& text) const;

    // What a view shows for an item, asked as it is shown; empty: the item.
    void setShownText(ShownText shown);
    // The shown texts may have changed: the views ask again.
    void refreshShown();
    // What a view shows for the item at `index`.
    QString shown(int index) const;

signals:
    void changed();

private:
    class Model : public QStringListModel {
    public:
        using QStringListModel::QStringListModel;
        QVariant data(const QModelIndex& index, int role) const override;
        ShownText shown;
    };

    Model m_model;
    QItemSelectionModel m_selection;
    // Where each text first occurs, for findStringExact: built on the first exact
    // search after the items changed, dropped by any change to the model.
    mutable QHash<QString, int> m_firstIndex;
    mutable bool m_firstIndexValid = false;
};
