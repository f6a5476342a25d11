#pragma once

#include <QAbstractTableModel>

#include "model/RibCombList.h"

// The panel dialog's table of rib combs: name, type and rib range of each
// comb, edited in place and checked against the rib count of the panel
// being edited.
class CombListTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    CombListTableModel() = default;
    ~CombListTableModel() override = default;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // found is false for a row beyond the list; the result must not be used then.
    const RibCombData& getComb(int row, bool& found) const;
    RibCombData& getComb(int row, bool& found);
    int getCombCount() const;
    RibCombList& getCombList() { return combList; }
    const RibCombList& getCombList() const { return combList; }

    bool validate(QString& message) const;
    void deleteComb(int row);
    void insertComb(int row, const RibCombData* source);

    static int getNumberOfRibs();
    static void setNumberOfRibs(int count);

    // None of these tells attached views; the caller resets them.
    void clear();
    void setCombList(const RibCombList& list);
    void appendComb(const RibCombData& comb);

private:
    void deselectAll();

    RibCombList combList;
    static int numberOfRibs;
};
