#include "model/RibModifierCoveringStandard.h"

#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/CoveringDefinition.h"
#include "model/RibDefinition.h"
#include "model/RibListTableModel.h"
#include "model/SheetingStripList.h"

namespace {

// Appends copies of the points of the band with this part id to a covering
// list. Bands are found by id, so a band that could not be cut on this rib
// leaves its list empty instead of handing it a neighbour's band.
void copyBand(RibDefinition& rib, int id, int list)
{
    for (const IdentifiableObject* polygon : rib.getCoveringPolygons()) {
        if (polygon->getId() != id)
            continue;
        std::vector<Vector3D*>& target = rib.getCoveringCoords(list);
        // Room first: each copy is the list's the moment it is made.
        target.reserve(target.size() + polygon->getPoints().size());
        for (const Vertex* point : polygon->getPoints())
            target.push_back(new Vector3D(*point));
        return;
    }
}

} // namespace

RibModifierCoveringStandard::~RibModifierCoveringStandard() = default;

void RibModifierCoveringStandard::apply(RibDefinition& rib, int ribNumber, float frontLimit, float rearLimit,
                                        const CoveringDefinition& covering, const SheetingStripList&, float scale,
                                        const RibListTableModel& ribTable)
{
    const int ribCount = ribTable.getRibCount();
    const bool percent = covering.getPercentageSelected();
    const float length = covering.getLength();

    // The covering band from the leading edge over every rib.
    SheetingStripList strips;
    SheetingStripDefinition front(QString(), 0, 1, ribCount, length, length, covering.getThickness(),
                                  covering.getDoLower(), covering.getDoUpper(), true, false, 0.0f, 0.0f, false,
                                  false);
    for (int which = 0; which < 4; ++which)
        front.setPercentageSelected(which, which < 2 ? percent : false);
    strips.append(front);

    // Over the first ribs the covering goes on behind the band up to the
    // trailing edge: its length of 100 % reaches beyond the rear limit,
    // which then ends it.
    const int extend = covering.getExtend();
    int rearUpperId = 0;
    int rearLowerId = 0;
    if (extend != 0) {
        SheetingStripDefinition rear(QString(), 0, 1, extend, 100.0f, 100.0f, covering.getThickness(),
                                     covering.getDoLower(), covering.getDoUpper(), true, false, length + 0.001f,
                                     length + 0.001f, false, false);
        for (int which = 0; which < 4; ++which)
            rear.setPercentageSelected(which, which < 2 ? true : percent);
        rearUpperId = rear.getId(1);
        rearLowerId = rear.getId(0);
        strips.append(rear);
    }

    advanced.apply(rib, ribNumber, frontLimit, rearLimit, covering, strips, scale, ribTable);

    if (covering.getDoUpper())
        copyBand(rib, front.getId(1), 0);
    if (covering.getDoLower())
        copyBand(rib, front.getId(0), 1);
    if (extend != 0 && ribNumber <= extend) {
        if (covering.getDoUpper())
            copyBand(rib, rearUpperId, 2);
        if (covering.getDoLower())
            copyBand(rib, rearLowerId, 3);
    }
}
