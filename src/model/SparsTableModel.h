#pragma once

#include "model/ListTableModel.h"
#include "model/SparList.h"

class RibList;

// The panel dialog's table of spars: name, type, first rib, last rib.
class SparsTableModel : public ListTableModel<SparDefinition>
{
public:
    SparsTableModel();
    ~SparsTableModel() override;

    // Checks every spar against the rib count of the panel being edited; the
    // message names the first spar that fails. The panel dialog passes its
    // rib list along; the check goes by the rib count it has set.
    bool validate(QString& message) const;
    bool validate(QString& message, const RibList& ribs) const;

    SparList& getSparList() { return spars; }
    const SparList& getSparList() const { return spars; }
    int getNumberOfSpars() const;
    // found is false (and the result must not be used) past the end.
    const SparDefinition& findSpar(int row, bool& found) const;
    SparDefinition& findEditableSpar(int row, bool& found);

    // These replace the contents without telling attached views.
    void clear();
    void setSparList(const SparList& list);

    static void setNumberOfRibs(int count);
    static int getNumberOfRibs();

    // Inserts before row (at the end when row is past it) a new spar, or a
    // copy of spar with its part ids.
    void insertSpar(int row, const SparDefinition* spar);
    void insertSpar(int row, const SparDefinition& spar);
    void removeSpar(int row);

protected:
    std::list<SparDefinition>& items() override { return spars.getEditableSpars(); }
    QString rowLabel() const override;
    bool editItem(SparDefinition& spar, int column, const QVariant& value) override;

private:
    SparList spars;
    static int numberOfRibs;
};
