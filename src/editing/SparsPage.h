#pragma once

#include <QModelIndex>
#include <QObject>
#include <QPoint>
#include <QString>
#include <vector>

#include "editing/FeatureRows.h"
#include "editing/PanelDialogPage.h"
#include "editing/PanelPage.h"
#include "model/SparDefinition.h"

class Panel;
class QAction;
class QMenu;
class RibListTableModel;
class SparsTableModel;
class WingPanelDialog;

namespace Ui {
class WingPanelDialog;
}

// The spar tab of the panel dialog: the spar table's context menu, the
// editor page of the selected spar, its angle and the alignment with the
// neighbouring panels. The spars it edits are the dialog's working panel's;
// every change ends in the dialog's lightweight redraw.
class SparsPage : public PanelDialogPage
{
    Q_OBJECT

public:
    SparsPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui);

    void retranslate() override;
    static std::vector<QString> sparTypeNames();

    int getEditorRow() const { return editorRow; }
    QMenu* getMenu() const { return menu; }
    FeatureRows& getRows() { return rows; }
    QMenu* getAlignPreviousMenu() const { return alignPreviousMenu; }
    QMenu* getAlignNextMenu() const { return alignNextMenu; }

    // Refills the align submenu of the previous (which 0) or next (1) panel.
    void rebuildAlignMenu(int which, const Panel* neighbour);
    void updateNeededFor90Label(int sparType, float value);
    void addAlignSparActions(QMenu* menu, const Panel* neighbour);
    void alignSparWithNeighbour(int neighbourSparIndex, int ownSparRow, int which);
    int getSelectedSparRow(bool& found);
    static float getSparVerticalAngle(SparDefinition spar, const RibListTableModel* pRibTableModel);
    void getSparRealPositions(float& firstSparPosition, float& lastSparPosition, float& firstRibPosition,
                              float& lastRibPosition, SparDefinition spar, const RibListTableModel* pRibTableModel,
                              bool considerRib2Thickness);
    float getSparAngle(SparDefinition spar, const RibListTableModel* pRibTableModel, float panelSweep,
                       float panelLength, float& neededFor90Deg, bool untilLastRib);
    void visualizeSparAngle(SparDefinition spar);

public slots:
    void sparSelectionChanged(QModelIndex selected, QModelIndex deselected);
    void sparDataChanged(QModelIndex index1, QModelIndex index2);
    void sparSpecificDataChanged();
    void btnSpar90Clicked();
    void customSparsMenuRequested(QPoint pos);
    void moveSparToMaxThickness();
    void alignSpar();

private:
    void setValidationKinds();
    void buildMenu();
    void connectFields();
    void showSpar(int row);
    void readSparPage(SparDefinition& spar, float firstChord, float lastChord);
    SparsTableModel* sparModel() const;
    // The position row of the page of a spar type with two positions.
    PanelPage::PositionRow positionRow(int type) const;
    FeatureRows::Operations rowOperations();
    // The record shown in the editor page, while there is a working panel.
    SparDefinition* editedSpar();

    int editorRow = -1;
    FeatureRows rows;

    QMenu* menu = nullptr;
    QAction* actMoveToMaxThickness = nullptr;
    QMenu* alignPreviousMenu = nullptr;
    QMenu* alignNextMenu = nullptr;
};
