#pragma once

// What the plane summary shows: the unit of its lengths (0 mm, 1 dm,
// 2 inch, the codes the document uses) and whether span and area follow
// the dihedral.
class PlaneSummaryVisualisationOptions
{
public:
    PlaneSummaryVisualisationOptions(int units, bool considerDihedral);
    virtual ~PlaneSummaryVisualisationOptions();

    int getUnits() const { return units; }
    void setUnits(int value) { units = value; }
    bool getConsiderDihedral() const { return considerDihedral; }
    void setConsiderDihedral(bool on) { considerDihedral = on; }

private:
    int units;
    bool considerDihedral;
};
