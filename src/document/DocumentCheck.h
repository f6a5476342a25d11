#pragma once

#include <QString>

#include "planformixdata.pb.h"

// Whether a decoded document can be turned into a plane without harm, and
// within the bounds the editor keeps, before anything of the open plane is
// touched.
class DocumentCheck
{
public:
    using PanelMessage = serializedPlanformixData::serializedPanelData;

    // False, with why in words for the user, when the document is beyond
    // the bounds or holds a number or name no editor makes.
    static bool isBuildable(const serializedPlanformixData& document, QString& problem);
    // The ribs a panel entry builds: its rib list, or as many as it asks to
    // generate; none when the count does not allow ribs at all.
    static long long ribsBuilt(const PanelMessage& panel);
};
