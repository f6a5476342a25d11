#include "document/DocumentLimits.h"

#include "foundation/DialogSeam.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"

DocumentLimits::Size& DocumentLimits::Size::operator+=(const Size& other)
{
    panels += other.panels;
    ribs += other.ribs;
    ribCuts += other.ribCuts;
    coveredStripCuts += other.coveredStripCuts;
    return *this;
}

DocumentLimits::Size DocumentLimits::panelSize(long long ribs, long long spars, long long strips, long long combs,
                                               bool stripsCovered)
{
    Size size;
    size.panels = 1;
    size.ribs = ribs;
    size.ribCuts = ribs * (spars + strips + combs);
    size.coveredStripCuts = stripsCovered ? ribs * strips : 0;
    return size;
}

DocumentLimits::Size DocumentLimits::panelSize(const PanelBaseData& data)
{
    return panelSize(data.getRibList().getRibCount(), (long long)data.getSparList().getSpars().size(),
                     (long long)data.getSheetingStripList().getStrips().size(),
                     (long long)data.getCombList().getCombs().size(),
                     data.getCoveringDefinition().getSheetingType() == SheetingType::Advanced);
}

DocumentLimits::Size DocumentLimits::planeSize(const std::list<Panel*>& panels, int leftOutId)
{
    Size size;
    for (const Panel* panel : panels)
        if (panel && panel->getId() != leftOutId)
            size += panelSize(panel->getPanelBaseData());
    return size;
}

QString DocumentLimits::planeProblem(const Size& plane)
{
    if (plane.panels > maxPanels)
        return tr("%1 panels, where a plane may have at most %2 so that it opens within a few seconds.")
            .arg(plane.panels).arg(maxPanels);
    if (plane.ribs > maxRibs)
        return tr("%1 ribs in all panels, where a plane may have at most %2 so that it opens within a few seconds "
                  "and fits in memory.")
            .arg(plane.ribs).arg(maxRibs);
    if (plane.ribCuts > maxRibCuts)
        return tr("%1 rib cuts (each spar, sheeting strip and rib comb cut into each rib of its panel), where a "
                  "plane may have at most %2 so that it opens within a few seconds.")
            .arg(plane.ribCuts).arg(maxRibCuts);
    if (plane.coveredStripCuts > maxCoveredStripCuts)
        return tr("%1 rib cuts of sheeting strips under advanced covering, where a plane may have at most %2, "
                  "since each takes several times the time and memory of another cut.")
            .arg(plane.coveredStripCuts).arg(maxCoveredStripCuts);
    return QString();
}

QString DocumentLimits::panelProblem(int number, long long ribs, long long spars, long long strips, long long combs)
{
    if (ribs > maxRibsPerPanel)
        return tr("%2 ribs in panel %1, where a panel may have at most %3, since the ribs of one panel are built one "
                  "after the other.")
            .arg(number).arg(ribs).arg(maxRibsPerPanel);
    if (spars > maxPartsPerList || strips > maxPartsPerList || combs > maxPartsPerList)
        return tr("%2 spars, %3 sheeting strips and %4 rib combs in panel %1, where a panel may have at most %5 of "
                  "each, since each is cut into every rib of the panel one after the other.")
            .arg(number).arg(spars).arg(strips).arg(combs).arg(maxPartsPerList);
    return QString();
}

bool DocumentLimits::refuse(QWidget* parent, const QString& problem)
{
    if (problem.isEmpty())
        return false;
    DialogSeam::warning(parent, tr("Plane too large"), tr("This would make the plane too large: %1").arg(problem));
    return true;
}
