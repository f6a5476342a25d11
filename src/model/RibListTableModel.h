#pragma once

#include "model/ListTableModel.h"
#include "model/RibList.h"

class Airfoil;

// The panel's ribs as the panel dialog's rib table shows them: one row per
// rib, root first, with its position and thickness. Every edit is checked
// against the panel length; the whole list can be checked strictly before a
// panel is accepted.
class RibListTableModel : public ListTableModel<RibDefinition>
{
    Q_OBJECT
public:
    RibListTableModel();
    ~RibListTableModel() override;

    void setPanelLength(float length) { panelLength = length; }
    float getPanelLength() const { return panelLength; }

    RibList& getRibList() { return ribs; }
    const RibList& getRibList() const { return ribs; }
    int getRibCount() const;

    void setAirfoil(AirfoilType type, Airfoil* airfoil, float rootFactor, float tipFactor);
    void setAirfoils(Airfoil* root, Airfoil* tip, float rootFactor, float tipFactor);
    void generateRibs(float length, int count, float thickness);
    void copyPositionsFrom(const RibList& other);
    void assign(const RibList& other);
    void clear();

    // The rib of a 0-based row; found is false (and the result must not be
    // used) for a row outside the list.
    const RibDefinition& findRib(int row, bool& found) const;
    RibDefinition& getRib(int row, bool& found);
    // Chord of the row's rib in mm, 0 when there is no such row.
    float getRibChord(int row, bool& found) const;

    // Without strict only the last rib is checked: it must end within the
    // panel. With strict the first rib must sit at 0, no rib may overlap the
    // next and the last must end exactly at the panel length. Returns false
    // with the collected messages when any rule fails.
    bool validate(QString& message, bool strict) const;

    // A rib midway between row and the next one (none after the last row).
    void insertRib(int row);
    // Halves the row's rib and puts the other half right behind it.
    void splitRib(int row);
    void deleteRib(int row);

protected:
    std::list<RibDefinition>& items() override { return ribs.getRibs(); }
    QString rowLabel() const override;
    bool editItem(RibDefinition& rib, int column, const QVariant& value) override;

private:
    RibList ribs;
    float panelLength = 0.0f;
};
