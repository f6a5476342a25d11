#pragma once

#include <QString>
#include <memory>

class PanelBaseData;
class PanelsTableModel;

// Builds the base data of a panel added at the wing tip: a blank panel that
// carries on from the last one, or, when the user agrees, a copy of the last
// panel whose spars and strips follow the chosen copy method. The panel does
// not enter the model here; the panel dialog commits it.
class NewPanelData
{
public:
    // Asks whether to copy the last panel (and how) when the wing has one.
    static std::unique_ptr<PanelBaseData> create(const PanelsTableModel& model);

    // The tip chord that continues the taper of a panel from rootChord to
    // tipChord for one more panel; rootChord must not be 0.
    static float continuedTipChord(float rootChord, float tipChord);

    // 0 keeps the copied spars and strips, 1 keeps only those reaching the
    // tip rib and moves them to the root rib, 2 moves those reaching the tip
    // rib and keeps the others as they are.
    static void applyCopyMethod(PanelBaseData& data, int method);

private:
    static std::unique_ptr<PanelBaseData> blankPanel(int id, const QString& rootAirfoil, float rootChord,
                                                     float tipChord, float sweep);
};
