#pragma once

#include "model/ListTableModel.h"
#include "model/RibCombList.h"

// The panel dialog's table of rib combs: name, type and rib range of each
// comb, edited in place and checked against the rib count of the panel
// being edited.
class CombListTableModel : public ListTableModel<RibCombData>
{
    Q_OBJECT
public:
    CombListTableModel();
    ~CombListTableModel() override;

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

protected:
    std::list<RibCombData>& items() override { return combList.getCombs(); }
    QString rowLabel() const override;
    bool editItem(RibCombData& comb, int column, const QVariant& value) override;

private:
    RibCombList combList;
    static int numberOfRibs;
};
