#pragma once

#include <QString>

#include "model/BuildingTabData.h"
#include "model/CombListTableModel.h"
#include "model/CoveringDefinition.h"
#include "model/LEData.h"
#include "model/RibDefinition.h"
#include "model/RibList.h"
#include "model/RibListTableModel.h"
#include "model/SheetingStripTableModel.h"
#include "model/SparsTableModel.h"
#include "model/TEData.h"

class QThread;

// Everything that defines one wing panel: its values, its edge, covering
// and tab records and its four list models. Every constructor that takes
// values, the copy and the assignment end with finished ribs: rebuilt, or,
// when the source's ribs are what a rebuild would make, sharing the source's
// rib geometry until either panel changes it.
class PanelBaseData
{
public:
    PanelBaseData();
    PanelBaseData(int id, const QString& panelName, const QString& airfoilName, const QString& airfoilNameTip,
                  float rootChord, float tipChord, float sweep, float length, float tipTwist, float dihedralAngle,
                  bool topAlign, bool bottomAlign, bool dontAlign, float ribThickness, int noOfRibs,
                  float specificWeightRib, float rootAirfoilFactor, float tipAirfoilFactor, const RibList* ribList,
                  const LEData& leData, const TEData& teData, const SparList& spars,
                  const SheetingStripList& sheetingStrips, const CoveringDefinition& sheeting,
                  const BuildingTabData& tabs, const RibCombList& combs);
    PanelBaseData(const PanelBaseData& other);
    PanelBaseData& operator=(const PanelBaseData& other);
    ~PanelBaseData();

    // Fills the rib list (generated, or copied from ribList) and gives every
    // rib the panel's airfoils.
    void generateRibs(const RibList* ribList);

    QString getAirfoilName(AirfoilType type) const;
    // Refuses (returns false) a name the airfoil library cannot resolve; a
    // root name resolves to the default airfoil when it is unknown.
    bool setAirfoilName(AirfoilType type, const QString& name);
    // Stores a name as the panel's document gave it, also one the library
    // lacks (it is cut from a stand-in meanwhile): Save writes it back, so
    // that the panel is cut from it again once the airfoil is added.
    void keepAirfoilName(AirfoilType type, const QString& name);

    // The length all rib geometry is divided by: the root chord of the
    // plane's first panel, or this panel's own while the plane has none.
    float getWingRootChord() const;

    // --- the rib pipeline ---
    void applyModificationsToPanelRibs(float wingRootChord, float length, float rootChord, float tipChord,
                                       float tipTwist, float sweep, bool topAlign, bool bottomAlign, bool dontAlign,
                                       float rootAirfoilFactor, float tipAirfoilFactor, const LEData& leData,
                                       const TEData& teData, const SparList& spars,
                                       const SheetingStripList& sheetingStrips, const CoveringDefinition& sheeting,
                                       const RibCombList& combs);
    // typeMask: one bit per spar type, 1 Square, 2 Round, 4 Webbing, 8 Tube,
    // 16 Cube, 32 CubeTube.
    void applySparsToRibs(const SparList& spars, int typeMask);
    void calculateRibHeightRange(float& minY, float& maxY) const;
    float getRibHeightRange(float& minY, float& maxY) const;
    void rebuildRibs();

    // --- values ---
    // The name, the number of ribs to generate and the specific weight feed
    // no rebuild: setting them leaves the ribs as current as they were.
    int getId() const { return id; }
    void setId(int value)
    {
        id = value;
        geometryChanged();
    }
    QString getPanelName() const { return panelName; }
    void setPanelName(const QString& value) { panelName = value; }
    float getLength() const { return length; }
    void setLength(float value)
    {
        length = value;
        geometryChanged();
    }
    float getRootChord() const { return rootChord; }
    void setRootChord(float value)
    {
        rootChord = value;
        geometryChanged();
    }
    float getTipChord() const { return tipChord; }
    void setTipChord(float value)
    {
        tipChord = value;
        geometryChanged();
    }
    float getSweep() const { return sweep; }
    void setSweep(float value)
    {
        sweep = value;
        geometryChanged();
    }
    float getTipTwist() const { return tipTwist; }
    void setTipTwist(float value)
    {
        tipTwist = value;
        geometryChanged();
    }
    float getDihedralAngle() const { return dihedralAngle; }
    void setDihedralAngle(float value)
    {
        dihedralAngle = value;
        geometryChanged();
    }
    bool getTopAlign() const { return topAlign; }
    void setTopAlign(bool value)
    {
        topAlign = value;
        geometryChanged();
    }
    bool getBottomAlign() const { return bottomAlign; }
    void setBottomAlign(bool value)
    {
        bottomAlign = value;
        geometryChanged();
    }
    bool getDontAlign() const { return dontAlign; }
    void setDontAlign(bool value)
    {
        dontAlign = value;
        geometryChanged();
    }
    float getRibThickness() const { return ribThickness; }
    void setRibThickness(float value)
    {
        ribThickness = value;
        geometryChanged();
    }
    int getNoOfRibs() const { return noOfRibs; }
    void setNoOfRibs(int value) { noOfRibs = value; }
    float getSpecificWeightRib() const { return specificWeightRib; }
    void setSpecificWeightRib(float value) { specificWeightRib = value; }
    float getRootAirfoilFactor() const { return rootAirfoilFactor; }
    void setRootAirfoilFactor(float value)
    {
        rootAirfoilFactor = value;
        geometryChanged();
    }
    float getTipAirfoilFactor() const { return tipAirfoilFactor; }
    void setTipAirfoilFactor(float value)
    {
        tipAirfoilFactor = value;
        geometryChanged();
    }

    // --- records ---
    BuildingTabData& getBuildingTabData() { return tabs; }
    const BuildingTabData& getBuildingTabData() const { return tabs; }
    void setBuildingTabData(const BuildingTabData& value);
    LEData& getLEData()
    {
        referenceHandedOut();
        return leData;
    }
    const LEData& getLEData() const { return leData; }
    void setLEData(const LEData& value)
    {
        leData = value;
        geometryChanged();
    }
    TEData& getTEData()
    {
        referenceHandedOut();
        return teData;
    }
    const TEData& getTEData() const { return teData; }
    void setTEData(const TEData& value)
    {
        teData = value;
        geometryChanged();
    }
    CoveringDefinition& getCoveringDefinition()
    {
        referenceHandedOut();
        return sheeting;
    }
    const CoveringDefinition& getCoveringDefinition() const { return sheeting; }
    void setCoveringDefinition(const CoveringDefinition& value);

    // --- lists and their table models ---
    RibListTableModel& getRibListTableModel()
    {
        referenceHandedOut();
        return ribListTableModel;
    }
    const RibListTableModel& getRibListTableModel() const { return ribListTableModel; }
    SparsTableModel& getSparsTableModel()
    {
        referenceHandedOut();
        return sparsTableModel;
    }
    const SparsTableModel& getSparsTableModel() const { return sparsTableModel; }
    SheetingStripTableModel& getSheetingStripTableModel()
    {
        referenceHandedOut();
        return sheetingStripTableModel;
    }
    const SheetingStripTableModel& getSheetingStripTableModel() const { return sheetingStripTableModel; }
    CombListTableModel& getCombListTableModel()
    {
        referenceHandedOut();
        return combListTableModel;
    }
    const CombListTableModel& getCombListTableModel() const { return combListTableModel; }

    RibList& getRibList();
    const RibList& getRibList() const;
    SparList& getSparList();
    const SparList& getSparList() const;
    SheetingStripList& getSheetingStripList();
    const SheetingStripList& getSheetingStripList() const;
    RibCombList& getCombList();
    const RibCombList& getCombList() const;

    void setRibList(const RibList& ribs);
    void setSparList(const SparList& spars);
    void setSheetingStripList(const SheetingStripList& strips);
    void setCombList(const RibCombList& combs);

    const SparDefinition* findSpar(int row, bool& found) const;
    SparDefinition* findEditableSpar(int row, bool& found);

    // --- plan measurements for printing and DXF export ---
    // The planform outline of one spar or comb in mm: z along the span, x
    // along the chord from the wing root leading edge. False, with nothing
    // written, when the first or last rib number is not a rib of the panel.
    bool getSparRealPositions(const SparDefinition& spar, float& zStart, float& xStart, float& zEnd, float& xEnd,
                              float& widthStart, float& widthEnd) const;
    bool getCombRealPositions(const RibCombData& comb, float& zStart, float& xStart, float& zEnd, float& xEnd,
                              float& width) const;

    // --- deriving a new panel from its neighbour ---
    void removeSparsNotReachingTipRib();
    void removeSheetingStripsNotReachingTipRib();
    // Moves every spar (strip) that reaches the tip rib so that it starts at
    // the root rib of the panel built on from here.
    void mirrorSparsAtConnectionRib();
    void mirrorSheetingStripsAtConnectionRib();

    // The rib height range of the last rebuild, in mm.
    float getRibMinY() const { return ribMinY; }
    void setRibMinY(float value)
    {
        ribMinY = value;
        geometryChanged();
    }
    float getRibMaxY() const { return ribMaxY; }
    void setRibMaxY(float value)
    {
        ribMaxY = value;
        geometryChanged();
    }
    float getRibHeight() const { return ribMaxY - ribMinY; }

    // A panel made on a worker thread hands its table models to the thread
    // that will show them; call it on the thread that made the panel.
    void moveToThread(QThread* thread);
    // Lets edits made through the table models mark the ribs as stale. A
    // panel made in a piece of concurrent work has its models unwatched
    // until this is called on the thread that will show it: Qt grows a
    // model's connection list with a plain malloc, which cannot fail safely
    // (it bypasses the reserve and the bad_alloc every other allocation
    // gives). Throws std::bad_alloc, with nothing watched yet, where there
    // is no room for the connections; watching twice is harmless.
    void watchTableModels();

private:
    // Ribs built from the current values stay valid until something that
    // feeds the rebuild may have changed: a setter, a modifiable accessor or
    // an edit through one of the table models.
    void geometryChanged() { geometryCurrent = false; }
    // A modifiable reference to a record, list or table model may be kept
    // and written through after any later rebuild, unheard. From the first
    // one on, a copy never takes this panel's ribs over but builds its own.
    void referenceHandedOut()
    {
        geometryChanged();
        editableElsewhere = true;
    }
    void geometryBuilt(float wingRootChord);
    // True when the ribs (geometry included) were copied rather than left
    // for a rebuild.
    bool copyFrom(const PanelBaseData& other);
    bool canCopyGeometryOf(const PanelBaseData& other, const Airfoil* root, const Airfoil* tip) const;
    void copyValues(const PanelBaseData& other);
    float rebuildScale() const;
    bool isFirstPanelOfPlane() const;
    float rootJoinerTilt() const;

    int id;
    QString panelName;
    QString airfoilName;
    QString airfoilNameTip;
    float length;
    float rootChord;
    float tipChord;
    float sweep;
    float tipTwist;
    float dihedralAngle;
    bool topAlign;
    bool bottomAlign;
    bool dontAlign;
    float ribThickness;
    int noOfRibs;
    float specificWeightRib;
    float rootAirfoilFactor;
    float tipAirfoilFactor;
    BuildingTabData tabs;
    LEData leData;
    TEData teData;
    CoveringDefinition sheeting;
    RibListTableModel ribListTableModel;
    SparsTableModel sparsTableModel;
    SheetingStripTableModel sheetingStripTableModel;
    CombListTableModel combListTableModel;
    float ribMinY;
    float ribMaxY;
    // What the last full rebuild depended on beyond the panel's own data.
    bool geometryCurrent = false;
    float builtWingRootChord = 0.0f;
    bool builtAsFirstPanel = false;
    bool editableElsewhere = false;
    // The table models' edits reach geometryChanged (see watchTableModels).
    bool watched = false;
};
