#include "document/PlaneSummaryVisualisationOptions.h"

PlaneSummaryVisualisationOptions::PlaneSummaryVisualisationOptions(int units, bool considerDihedral)
    : units(units)
    , considerDihedral(considerDihedral)
{
}

PlaneSummaryVisualisationOptions::~PlaneSummaryVisualisationOptions() = default;
