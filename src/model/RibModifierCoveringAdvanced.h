#pragma once

#include "foundation/OutlineClip.h"
#include "model/RibModifierCoveringBase.h"

#include <vector>

class RibDefinition;
class Vertex;

// Cuts each sheeting strip that spans the rib into its outline: the outline
// between the strip's two chord stations sinks by the sheeting thickness, and
// the band of sheeting is kept as a polygon with the strip's part id.
class RibModifierCoveringAdvanced : public RibModifierCoveringBase
{
public:
    ~RibModifierCoveringAdvanced() override;

    void apply(RibDefinition& rib, int ribNumber, float frontLimit, float rearLimit,
               const CoveringDefinition& covering, const SheetingStripList& strips, float scale,
               const RibListTableModel& ribTable) override;

    // Sinks the outline between start and end (mm from the leading edge) by
    // thickness on the chosen sides and returns the sheeting bands as closed
    // point lists (outer surface, then inner surface backwards). start and
    // end are kept within frontLimit and chord - rearLimit. Returns false,
    // leaving the rib as it was, when a station lies outside the chord or the
    // band has no length left. A clip handed in keeps its index of the
    // rib's camber line for the next strip of the same rib.
    static bool cutCovering(RibDefinition& rib, std::vector<Vertex*>& upperStrip, std::vector<Vertex*>& lowerStrip,
                            float start, bool doUpper, bool doLower, float thickness, float end, float frontLimit,
                            float rearLimit, float scale, bool fromTE, OutlineClip* camberClip = nullptr);

private:
    // The rib of a 0-based row of ribTable. A strip's end ribs are looked
    // up for every rib it spans, and the list walk to a row made a pass over
    // a long panel grow with the square of its ribs; the rows are indexed
    // once per table instead. A modifier serves one pass, during which the
    // panel's rib list keeps its ribs.
    const RibDefinition* ribAt(const RibListTableModel& ribTable, int row);
    // Hands a band's points to a new covering polygon of the rib.
    static void addCoveringPolygon(RibDefinition& rib, std::vector<Vertex*>& points, int id);

    const RibListTableModel* indexedTable = nullptr;
    std::vector<const RibDefinition*> ribIndex;
    // The sunk points are kept off the camber line, and the strips of a rib
    // share the one line.
    OutlineClip camberClip;
};
