#pragma once

class BuildingTabData;
class RibDefinition;

// Carries the rib's upper or lower edge out to a straight building line over
// a short width behind the leading edge and ahead of the trailing edge, so
// that the ribs stand at the right height on the building board. Applied to
// copies of ribs for output; the panel's own ribs never get tabs.
class RibModifierBuildingTab
{
public:
    RibModifierBuildingTab() = default;
    virtual ~RibModifierBuildingTab() = default;

    // Starts of the two tabs in mm from the leading edge: the first behind
    // the leading-edge piece, the second ending ahead of the trailing-edge
    // piece.
    static void getTabPositions(const RibDefinition& rib, const BuildingTabData& tabs,
                                float& firstStart, float& secondStart, float scale);

    // upperY and lowerY are the building lines in outline units.
    void apply(RibDefinition& rib, const BuildingTabData& tabs, float upperY, float lowerY,
               float scale);

private:
    static void applyTab(float start, const BuildingTabData& tabs, float upperY, float lowerY,
                         RibDefinition& rib, float scale);
};
