#pragma once

#include "model/BuildingTabData.h"
#include "model/CoveringDefinition.h"
#include "model/LEData.h"
#include "model/RibCombList.h"
#include "model/RibList.h"
#include "model/SheetingStripList.h"
#include "model/SparList.h"
#include "model/TEData.h"
#include "planformixdata.pb.h"

class Panel;
class PanelBaseData;

// Turns a panel into its document entry and back. Reading is split in two
// so that the records, whose spars, strips and combs draw part ids as they
// are made, can be made in wing order while the panels themselves are
// built side by side.
class PanelCodec
{
public:
    using PanelMessage = serializedPlanformixData::serializedPanelData;

    // What a panel entry holds beyond its plain values.
    struct Records {
        RibList ribs;
        SparList spars;
        LEData le;
        TEData te;
        CoveringDefinition covering;
        SheetingStripList strips;
        BuildingTabData tabs;
        RibCombList combs;
    };

    static void fill(PanelMessage* out, const Panel& panel);
    static void fill(PanelMessage* out, const PanelBaseData& data);
    static Records recordsFrom(const PanelMessage& in);
    // The panel, built; number counts from 1.
    static Panel* panelFrom(int number, const PanelMessage& in, const Records& records);
};
