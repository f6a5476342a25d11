#pragma once

#include "model/TableEditRule.h"

#include <QAbstractTableModel>

#include <iterator>
#include <list>
#include <optional>
#include <type_traits>

// What the panel dialog's list tables (ribs, spars, sheeting strips, combs)
// have in common: one row per item of a std::list, the item's own columns,
// row headers "<kind> #n", editable cells under the shared edit rule, and the
// row announcements around inserts and removals. Each table names its list,
// its row header, how a cell edit is checked and what is left of its rows.
template <class Item>
class ListTableModel : public QAbstractTableModel
{
public:
    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(items().size());
    }

    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : Item::getColumnCount();
    }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        const Item* item = itemAt(index.row());
        return item ? item->getCellData(index.column()) : QVariant();
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override
    {
        if (!TableEditRule::isEditRole(role, editWhere))
            return false;
        Item* item = itemAt(index.row());
        if (!item)
            return false;
        const bool kept = editItem(*item, index.column(), value);
        if (kept || announceRefusedEdits)
            emit dataChanged(index, index);
        return kept;
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        if (orientation == Qt::Horizontal)
            return Item::getColumnName(section);
        return rowLabel() + QString::number(section + 1);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
    }

protected:
    // where names the table in the report of an unknown edit role; a table
    // whose refused edits are announced too lets a view show the value that
    // stayed.
    ListTableModel(const char* where, bool announceRefused)
        : QAbstractTableModel(nullptr), editWhere(where), announceRefusedEdits(announceRefused)
    {
    }

    virtual std::list<Item>& items() = 0;
    const std::list<Item>& items() const { return const_cast<ListTableModel*>(this)->items(); }
    // "Rib #" and the like, translated in the table's own context.
    virtual QString rowLabel() const = 0;
    // Writes value into the item's column under the table's checks; returns
    // whether the edit stayed.
    virtual bool editItem(Item& item, int column, const QVariant& value) = 0;

    // The item of row, nothing past either end.
    Item* itemAt(int row)
    {
        std::list<Item>& list = items();
        return row >= 0 && row < int(list.size()) ? &*std::next(list.begin(), row) : nullptr;
    }
    const Item* itemAt(int row) const { return const_cast<ListTableModel*>(this)->itemAt(row); }

    // For the lookups that hand out references: past the end found is false
    // and the result is a blank that callers must not use. Read-only lookups
    // share one blank; writable ones get this table's own spare, made blank
    // again on every miss, so a careless write reaches no later lookup.
    const Item& itemOrBlank(int row, bool& found) const
    {
        const Item* item = itemAt(row);
        found = item != nullptr;
        return item ? *item : blank();
    }
    Item& itemOrSpare(int row, bool& found)
    {
        Item* item = itemAt(row);
        found = item != nullptr;
        if (item)
            return *item;
        spare.emplace(blank());
        return *spare;
    }

    // Inserts item as row at (0 up to the row count).
    void insertItemAt(int at, const Item& item)
    {
        std::list<Item>& list = items();
        beginInsertRows(QModelIndex(), at, at);
        list.insert(std::next(list.begin(), at), item);
        endInsertRows();
    }

    // Removes row; false (and nothing announced) when there is no such row.
    bool removeItemAt(int row)
    {
        std::list<Item>& list = items();
        if (row < 0 || row >= int(list.size()))
            return false;
        beginRemoveRows(QModelIndex(), row, row);
        list.erase(std::next(list.begin(), row));
        endRemoveRows();
        return true;
    }

    void announceRows(int first, int last) { emit dataChanged(index(first, 0), index(last, columnCount() - 1)); }

    // After a removal: the item that moved up into row is announced; a row
    // that is gone is not.
    void announceMovedUp(int row)
    {
        if (row < int(items().size()))
            announceRows(row, row);
    }

    void deselectAll()
    {
        for (Item& item : items())
            item.setSelected(false);
    }

private:
    static const Item& blank()
    {
        // A rib has no default; one at 0 without thickness stands in. Made
        // once: a new spar, strip or comb draws part ids.
        static const Item item = [] {
            if constexpr (std::is_default_constructible_v<Item>)
                return Item();
            else
                return Item(0.0f, 0.0f);
        }();
        return item;
    }

    const char* editWhere;
    bool announceRefusedEdits;
    std::optional<Item> spare;
};
