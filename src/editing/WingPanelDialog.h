#pragma once

#include <QDialog>
#include <QItemSelection>
#include <QModelIndex>
#include <QPoint>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "editing/PanelPreviewBuild.h"
#include "model/BuildingTabData.h"
#include "model/RibCombData.h"
#include "model/RibCombList.h"
#include "model/RibList.h"
#include "model/SheetingStripList.h"
#include "model/SparDefinition.h"
#include "model/SparList.h"

class Airfoil;
class LengthCalculator;
class Panel;
class PanelBaseData;
class QAction;
class QMenu;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTabWidget;
class RibDefinition;
class RibListTableModel;
class BaseDataPage;
class EdgesPage;
class PanelDialogPage;
class PanelViewPane;
class RibsPage;
class SparsPage;
class SheetingPage;
class ConstructionPage;
class SparsTableModel;
class SheetingStripTableModel;
class CombListTableModel;

namespace Ui {
class WingPanelDialog;
}

// The editor of one wing panel. It works on a panel of its own, rebuilt from
// its fields on every change so the 3D and rib views preview the edit, and
// hands the result to the plane only when OK passes every check. The panel
// table creates it once and shows and hides it for every edit; the working
// panel lives only while the dialog is open.
class WingPanelDialog : public QDialog
{
    Q_OBJECT

public:
    explicit WingPanelDialog(QWidget* parent = nullptr);
    ~WingPanelDialog() override;

    // Fills every field and the working lists from data, then rebuilds the
    // working panel. The data is only read. False when the user cancelled
    // the build of the working panel.
    bool loadPanelIntoDialog(const PanelBaseData& data);
    // Writes the dialog's values into data; a value that is not usable
    // leaves the field of data as it was.
    void fillPanelFromDialog(PanelBaseData& data);
    // Rebuilds the airfoil list from the airfoil library.
    void fillFoilListModel();
    // Remembers the previous (which 0) or next (which 1) panel of the plane
    // and refills the matching align submenu of the spar table.
    void rebuildAlignSparMenu(int which, Panel* neighbour);

    // True when every field of the walk is valid; otherwise *firstInvalidPage
    // (when given) receives the tab page of the first invalid one.
    bool allFieldsValid(QWidget** firstInvalidPage = nullptr);
    // Asks whether to leave the dialog; true to leave.
    bool confirmLeaveDialog();

    // What the dialog currently works on (for the panel table and tests).
    Panel* getWorkingPanel() const { return workingPanel; }
    // The working panel's build when it was built from exactly these values
    // (as fillPanelFromDialog gives them), with nothing selected; otherwise
    // null. Its ribs can be taken over without building them again.
    const PanelBaseData* builtPanelOf(const PanelBaseData& values) const;
    // Hands over the build of these values (null when there is none), for
    // the plane to take; the working panel shares its ribs until
    // deleteOldPanel.
    std::unique_ptr<PanelBaseData> takeBuiltPanelOf(const PanelBaseData& values);
    // PanelPreviewBuild::rebuildAsWingRoot in this window, with its progress.
    bool rebuildAsWingRoot(PanelBaseData& panel) { return preview.rebuildAsWingRoot(this, panel, windowTitle()); }
    // Takes the build of values over into leading (see takeBuiltPanelOf),
    // lets go of the working panel and builds leading again as the root
    // panel of the wing (rebuildAsWingRoot); the views show the panel as
    // last built all the while. False where that build was cancelled.
    bool rebuildBuiltAsWingRoot(const PanelBaseData& values, std::unique_ptr<PanelBaseData>& leading);
    // Told by the receiver of baseDataChanged when the plane did not take
    // the panel (a Cancel, a refusal): the dialog stays open.
    void keepOpen() { commitRefused = true; }
    Panel* getPreviousPanel() const { return previousPanel; }
    Panel* getNextPanel() const { return nextPanel; }
    const QString& getRootAirfoilName() const { return rootAirfoilName; }
    const QString& getTipAirfoilName() const { return tipAirfoilName; }
    const RibList& getWorkingRibList() const { return workingRibs; }
    const SparList& getWorkingSparList() const { return workingSpars; }
    const SheetingStripList& getWorkingStripList() const { return workingStrips; }
    const RibCombList& getWorkingCombList() const { return workingCombs; }
    const BuildingTabData& getWorkingBuildingTabData() const { return workingTabs; }
    int getSparEditorRow() const;
    int getStripEditorRow() const;
    int getCombEditorRow() const;
    QMenu* getAlignPreviousMenu() const;
    QMenu* getAlignNextMenu() const;
    QMenu* getRibMenu() const;
    QMenu* getSparMenu() const;
    QMenu* getStripMenu() const;
    QMenu* getCombMenu() const;
    QStandardItemModel* getAirfoilItemModel() const { return airfoilItemModel; }
    QSortFilterProxyModel* getAirfoilFilterModel() const { return airfoilFilterModel; }
    LengthCalculator* getLengthCalculator() const { return lengthCalculator; }

    void updateNeededFor90Label(int sparType, float value);
    void addAlignSparActions(QMenu* menu, const Panel* neighbour);
    void alignSparWithNeighbour(int neighbourSparIndex, int ownSparRow, int which);
    int getSelectedSparRow(bool& found);
    static float getSparVerticalAngle(SparDefinition spar, const RibListTableModel* pRibTableModel);
    // Whether the panel may have so many ribs, spars, strips and combs (-1:
    // as many as it has) within the plane; otherwise says which bound it
    // would pass and returns true.
    bool refuseBeyondLimits(int ribs, int spars = -1, int strips = -1, int combs = -1);
    void insertNewSpar(int row);
    void insertNewStrip(int row);
    void insertNewComb(int row);

    void setVisible(bool visible) override;

signals:
    void baseDataChanged();

protected:
    void changeEvent(QEvent* event) override;

public slots:
    void reject() override;

    void foilListRowChangedSlot(QItemSelection selected, QItemSelection deselected);
    void removeTipFoilSelection();

    void sparSelectionChanged(QModelIndex selected, QModelIndex deselected);
    void sheetingStripSelectionChanged(QModelIndex selected, QModelIndex deselected);
    void combSelectionChanged(QModelIndex selected, QModelIndex deselected);

    void btnPanelEditAccepted();
    void btnPanelEditRejected();
    void btnGenerateRibsClicked();
    void btnCalculateLengthClicked();
    void btnStraightenLEClicked();
    void standardSheetingMeasureUnitChanged();
    void rootFoilFactorChanged();

    void redrawWindow(bool lightweight = false);
    // Hands the working panel, its neighbours and the view options to the 3D
    // preview, which paints them at its next frame. View options change
    // only the picture, so they come this way without a rebuild.
    void showPreview();
    void adjustSweepAngleLabel();
    void deleteOldPanel();
    void deselectAll(int items = 13, bool redraw = true);
    void redrawWindowLightweight();
    void buildingTabDataChanged();
    void updateFoilFilter(QString filter);

    void topView();
    void frontView();
    void leftView();
    void bottomView();
    void rearView();
    void rightView();
    void view45();

    void updateSingleRibView(int ribNo);
    void updateVisualRepresentation();

    void ribDataChanged(QModelIndex index1, QModelIndex index2);
    void sparDataChanged(QModelIndex index1, QModelIndex index2);
    void sheetingStripDataChanged(QModelIndex index1, QModelIndex index2);
    void combDataChanged(QModelIndex index1, QModelIndex index2);

    void sparSpecificDataChanged();
    void combSpecificDataChanged();
    void btnSpar90Clicked();
    void btnComb90Clicked();
    void sheetingStripSpecificDataChanged();

    void getSparRealPositions(float& firstSparPosition, float& lastSparPosition, float& firstRibPosition,
                              float& lastRibPosition, SparDefinition spar, const RibListTableModel* pRibTableModel,
                              bool considerRib2Thickness);
    float getCombAngle(RibCombData comb, const RibListTableModel* pRibTableModel, float panelSweep,
                       float panelLength, float& neededFor90Deg, bool untilLastRib);
    float getSparAngle(SparDefinition spar, const RibListTableModel* pRibTableModel, float panelSweep,
                       float panelLength, float& neededFor90Deg, bool untilLastRib);
    void getAngleText(float angle, QString& text);
    void visualizeCombAngle(RibCombData comb);
    void visualizeSparAngle(SparDefinition spar);
    const RibDefinition* getRibInTableRow(int row, bool& found);
    const RibDefinition* getRibNoDefinition(int number, bool& found);

    void ribSelectionChanged(QModelIndex selected, QModelIndex deselected);
    void chkBoxToggled(bool state);
    void chkGhostBoxToggled(bool state);
    void hsliderTransparencyValueChanged(int value);
    void hsliderGhostTransparencyValueChanged(int value);
    int getSelectedRibNo();

    void rbLETypeToggled(bool state);
    void rbTETypeToggled(bool state);
    void rbSheetingTypeToggled(bool state);

    void customRibsMenuRequested(QPoint pos);
    void addRibBefore();
    void addRibAfter();
    void splitRib();
    void deleteRib();
    void adjustNumberOfRibsInTableModels();

    void customSparsMenuRequested(QPoint pos);
    void addSparBefore();
    void addSparAfter();
    void deleteSpar();
    void copySpar();
    void moveSparToMaxThickness();
    void alignSpar();

    void customStripsMenuRequested(QPoint pos);
    void addStripBefore();
    void addStripAfter();
    void deleteStrip();
    void copyStrip();

    void customCombsMenuRequested(QPoint pos);
    void addCombBefore();
    void addCombAfter();
    void deleteComb();
    void copyComb();

private:
    // The pages work on the dialog's working copy.
    friend class BaseDataPage;
    friend class RibsPage;
    friend class SparsPage;
    friend class EdgesPage;
    friend class PanelViewPane;
    friend class SheetingPage;
    friend class ConstructionPage;
    // The checks read the fields and the working copy.
    friend class PanelChecks;

    void connectSignals();

    void fitIntoScreen();
    // The working panel built anew from the fields, or in place of the one
    // there; false when the build was cancelled, which leaves the panel as
    // it was. With yieldToInput a build gives way to what the user types
    // meanwhile and runs again once it has reached the fields.
    bool buildWorkingPanel(bool inPlace = false, bool yieldToInput = false);
    // Runs the redraw asked for while a build ran.
    void finishRedraw();
    void installTableModels();
    bool ribChords(int firstRib, int lastRib, float& firstChord, float& lastChord);

    RibListTableModel* ribModel() const;

    QString rootAirfoilName;
    QString tipAirfoilName;

    QStandardItemModel* airfoilItemModel = nullptr;
    QSortFilterProxyModel* airfoilFilterModel = nullptr;

    RibList workingRibs;
    SparList workingSpars;
    SheetingStripList workingStrips;
    BuildingTabData workingTabs;
    RibCombList workingCombs;

    Panel* workingPanel = nullptr;
    // The last build of the working panel, sharing its ribs' geometry; while
    // a panel is loaded, that panel, which can lend its ribs.
    PanelPreviewBuild preview;
    const PanelBaseData* loadedFrom = nullptr;
    // A redraw asked for while a build keeps the window painting runs after
    // it: 1 lightweight, 2 full.
    bool buildRunning = false;
    int redrawAgain = 0;
    bool rebuildAfterInput = false;
    bool commitRefused = false;
    Panel* previousPanel = nullptr;
    Panel* nextPanel = nullptr;

    float generatedRibThickness = 0.0f;
    float generatedPanelLength = 0.0f;

    std::vector<PanelDialogPage*> pages;
    PanelViewPane* viewPane = nullptr;
    BaseDataPage* baseDataPage = nullptr;
    RibsPage* ribsPage = nullptr;
    SparsPage* sparsPage = nullptr;
    EdgesPage* edgesPage = nullptr;
    SheetingPage* sheetingPage = nullptr;
    ConstructionPage* constructionPage = nullptr;
    LengthCalculator* lengthCalculator = nullptr;
    Ui::WingPanelDialog* ui = nullptr;
};
