#pragma once

#include "foundation/CADSceneModel.h"
#include "model/PanelBaseData.h"

#include <QString>
#include <QVariant>

class PlaneVisualisationOptions;

// One wing panel as the rest of the program sees it: its base data made
// into an observable object that the views draw and the CAD rib view can
// show, plus a selection flag. The panels model owns every panel.
class Panel : public CADSceneModel
{
public:
    explicit Panel(const PanelBaseData& data);
    // The document loader's constructor: the same arguments, in the same
    // order and with the same rules, as the full PanelBaseData constructor.
    Panel(int id, const QString& panelName, const QString& airfoilName, const QString& airfoilNameTip,
          float rootChord, float tipChord, float sweep, float length, float tipTwist, float dihedralAngle,
          bool topAlign, bool bottomAlign, bool dontAlign, float ribThickness, int noOfRibs,
          float specificWeightRib, float rootAirfoilFactor, float tipAirfoilFactor, const RibList* ribList,
          const LEData& leData, const TEData& teData, const SparList& sparList,
          const SheetingStripList& stripList, const CoveringDefinition& covering,
          const BuildingTabData& tabs, const RibCombList& combList);
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;
    ~Panel() override;

    PanelBaseData& getPanelBaseData() { return data; }
    const PanelBaseData& getPanelBaseData() const { return data; }
    // Assignment rebuilds the ribs.
    void setPanelBaseData(const PanelBaseData& newData);

    int getId() const;
    QString getPanelName() const;
    // Stores only a non-empty name.
    bool setPanelName(const QString& name);
    QString getAirfoilName(AirfoilType type) const;
    bool setAirfoilName(AirfoilType type, const QString& name);

    // The length projected by angleDeg (0 gives the length itself).
    float getLength(float angleDeg = 0.0f) const;
    bool setLength(float length);
    float getRootChord() const;
    bool setRootChord(float chord);
    float getTipChord() const;
    bool setTipChord(float chord);
    float getSweep() const;
    bool setSweep(float sweep);
    float getTipTwist() const;
    bool setTipTwist(float twist);
    float getDihedralAngle() const;
    bool setDihedralAngle(float angle);
    bool getTopAlign() const;
    bool setTopAlign(bool on);
    bool getBottomAlign() const;
    bool setBottomAlign(bool on);
    bool getDontAlign() const;
    bool setDontAlign(bool on);
    float getRootAirfoilFactor() const;
    bool setRootAirfoilFactor(float factor);
    float getTipAirfoilFactor() const;
    bool setTipAirfoilFactor(float factor);
    float getRibThickness() const;
    int getNoOfRibs() const;
    float getSpecificWeightRib() const;
    float getWingRootChord() const;

    bool isSelected() const { return selected; }
    void setSelected(bool on) { selected = on; }

    // The ribs really in the list, not the stored number of ribs.
    int getRibCount() const;
    RibList& getRibList();
    const RibList& getRibList() const;
    RibDefinition& getLastRib();
    RibListTableModel& getRibListTableModel();

    SparList& getSparList();
    const SparList& getSparList() const;
    SparDefinition* findSpar(int position, bool& found);
    const SparDefinition* findSpar(int position, bool& found) const;
    SheetingStripList& getSheetingStripList();
    const SheetingStripList& getSheetingStripList() const;
    RibCombList& getCombList();
    const RibCombList& getCombList() const;

    LEData& getLEData();
    const LEData& getLEData() const;
    TEData& getTEData();
    const TEData& getTEData() const;
    BuildingTabData& getBuildingTabData();
    const BuildingTabData& getBuildingTabData() const;

    // The rib height range of the last rebuild, in mm; returns its extent.
    float getRibHeightRange(float& minY, float& maxY) const;
    // Trapezoid area projected by angleDeg, in mm².
    float getArea(float angleDeg = 0.0f) const;

    // Draws the panel into the current OpenGL context; side is 1, or -1 for
    // the mirrored wing half.
    void visualize(const PlaneVisualisationOptions& options, int side) const;
    void visualizeComb(const RibCombData& comb, const PlaneVisualisationOptions& options, int side) const;

    // Cells of the panels table; writing never rebuilds the ribs, the
    // panels model does that.
    QVariant getCellData(int column) const;
    bool setCellData(int column, const QVariant& value);

private:
    PanelBaseData data;
    bool selected = false;
};
