#include "editing/NewPanelData.h"

#include "document/PlaneModel.h"
#include "editing/PanelCreationSelector.h"
#include "foundation/DialogSeam.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"

#include <QCoreApplication>
#include <iostream>

namespace {

const char* const defaultAirfoil = "CLARK Y AIRFOIL";

// A blank panel's root airfoil continues the previous panel's tip, which is
// its root airfoil when the tip is left "same as root".
QString continuedAirfoil(const PanelBaseData& previous)
{
    const QString tip = previous.getAirfoilName(TipAirfoil);
    return tip.isEmpty() ? previous.getAirfoilName(RootAirfoil) : tip;
}

} // namespace

float NewPanelData::continuedTipChord(float rootChord, float tipChord)
{
    const float linear = 2.0f * tipChord - rootChord;
    // A short, strongly tapered panel would reach a stub or even a negative
    // chord when continued linearly; keep the taper ratio instead.
    if (linear > 20.0f)
        return linear;
    return tipChord * tipChord / rootChord;
}

void NewPanelData::applyCopyMethod(PanelBaseData& data, int method)
{
    switch (method) {
    case PanelCreationSelector::VerbatimCopy:
        break;
    case PanelCreationSelector::MirrorCopy:
        data.removeSparsNotReachingTipRib();
        data.removeSheetingStripsNotReachingTipRib();
        data.mirrorSparsAtConnectionRib();
        data.mirrorSheetingStripsAtConnectionRib();
        break;
    case PanelCreationSelector::SmartCopy:
        data.mirrorSparsAtConnectionRib();
        data.mirrorSheetingStripsAtConnectionRib();
        break;
    default:
        std::cout << "Unknown copy method in " << "void PanelsTable::btnAddPressed()" << ": " << method
                  << std::endl;
        break;
    }
}

std::unique_ptr<PanelBaseData> NewPanelData::blankPanel(int id, const QString& rootAirfoil, float rootChord,
                                                        float tipChord, float sweep)
{
    return std::make_unique<PanelBaseData>(
        id, QStringLiteral("New Panel"), rootAirfoil, QString(), rootChord, tipChord, sweep, 362.0f, 0.0f, 0.0f,
        false, false, true, 2.0f, 10, 150.0f, 1.0f, 1.0f, nullptr, LEData(), TEData(), SparList(),
        SheetingStripList(), CoveringDefinition(), BuildingTabData(), RibCombList());
}

std::unique_ptr<PanelBaseData> NewPanelData::create(const PanelsTableModel& model)
{
    const int id = model.getNextFreeId();
    if (model.getNoOfPanels() == 0)
        return blankPanel(id, QString::fromLatin1(defaultAirfoil), 220.0f, 180.0f, 0.0f);

    const Panel* last = model.getPanels().back();
    const PanelBaseData& previous = last->getPanelBaseData();
    const float previousRoot = previous.getRootChord();
    const float previousTip = previous.getTipChord();
    const float sweep = previous.getSweep();

    // The panel table asks; its texts are looked up under its name, spelt
    // out so that the catalogue's collector files them there too.
    const QMessageBox::StandardButton answer = DialogSeam::message(
        nullptr, QMessageBox::Question, QCoreApplication::translate("PanelsTable", "Add new panel"),
        QCoreApplication::translate(
            "PanelsTable",
            "<html><body><p>Would you like me to automatically copy all settings (including ribs, spars, etc.) "
            "from the previous panel into the new panel?</p><p>Please note, that this could lead to spars being "
            "outside of the panel and similar other errors! It is necesssary to make sure that the spar data is "
            "also correct for the new panel after the creation.</p></body></html>"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);

    if (answer != QMessageBox::Yes) {
        const float tipChord = previousRoot != 0.0f ? continuedTipChord(previousRoot, previousTip) : 180.0f;
        return blankPanel(id, continuedAirfoil(previous), previousTip, tipChord, sweep);
    }

    int method = PanelCreationSelector::SmartCopy;
    {
        PanelCreationSelector selector;
        method = selector.exec();
    }

    // The new edge starts as deep as the old one ended. A panel read from a
    // document may have no ribs at all; it keeps its stored depth.
    TEData teData = previous.getTEData();
    if (teData.getType() == TEData::Standard && previous.getRibList().getRibCount() > 0) {
        const float wingRootChord = PlaneModel::instance()->getRootChord();
        teData.setStandardTEDepth(previous.getRibList().getLastRib().getTEDepth(wingRootChord));
    }
    // Built whole rather than copied and changed: the airfoil setters refuse
    // an empty tip name, which is how "same as root" is stored.
    auto data = std::make_unique<PanelBaseData>(
        id, QStringLiteral("New Panel"), continuedAirfoil(previous), QString(),
        previousTip > 0.0f ? previousTip : previousRoot, previousTip, sweep, previous.getLength(),
        previous.getTipTwist(), previous.getDihedralAngle(), previous.getTopAlign(), previous.getBottomAlign(),
        previous.getDontAlign(), previous.getRibThickness(), previous.getNoOfRibs(),
        previous.getSpecificWeightRib(), previous.getTipAirfoilFactor(), previous.getTipAirfoilFactor(),
        &previous.getRibList(), previous.getLEData(), teData, previous.getSparList(),
        previous.getSheetingStripList(), previous.getCoveringDefinition(), previous.getBuildingTabData(),
        previous.getCombList());
    applyCopyMethod(*data, method);
    if (previousRoot != 0.0f) {
        const float tipChord = continuedTipChord(previousRoot, previousTip);
        if (tipChord > 0.0f)
            data->setTipChord(tipChord);
    }
    return data;
}
