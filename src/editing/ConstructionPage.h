#pragma once

#include <QModelIndex>
#include <QObject>
#include <QPoint>
#include <QString>
#include <vector>

#include "editing/FeatureRows.h"
#include "editing/PanelDialogPage.h"
#include "editing/PanelPage.h"
#include "model/RibCombData.h"

class CombListTableModel;
class QMenu;
class RibListTableModel;
class WingPanelDialog;

namespace Ui {
class WingPanelDialog;
}

// The construction tab of the panel dialog: the building tabs of the ribs
// and the rib combs with their table menu, editor page and angle. The
// combs it edits are the working panel's; the building tabs go into the
// dialog's working copy.
class ConstructionPage : public PanelDialogPage
{
    Q_OBJECT

public:
    ConstructionPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui);

    void fill(const PanelBaseData& data) override;
    void addFieldsToCheck(std::vector<XLineEdit*>& texts, std::vector<XDoubleSpinBox*>& numbers) const override;
    void retranslate() override;
    static std::vector<QString> combTypeNames();
    int getEditorRow() const { return editorRow; }
    QMenu* getMenu() const { return menu; }
    FeatureRows& getRows() { return rows; }
    float getCombAngle(RibCombData comb, const RibListTableModel* pRibTableModel, float panelSweep, float panelLength,
                       float& neededFor90Deg, bool untilLastRib);
    void visualizeCombAngle(RibCombData comb);
    // Shows the working building tabs in the single-rib view.
    void notifyBuildingTabs();

public slots:
    void buildingTabDataChanged();
    void combSelectionChanged(QModelIndex selected, QModelIndex deselected);
    void combDataChanged(QModelIndex index1, QModelIndex index2);
    void combSpecificDataChanged();
    void btnComb90Clicked();
    void customCombsMenuRequested(QPoint pos);

private:
    void showComb(int row);
    void readCombPage(RibCombData& comb, float firstChord, float lastChord);
    CombListTableModel* combModel() const;
    PanelPage::PositionRow positionRow() const;
    FeatureRows::Operations rowOperations();
    // The record shown in the editor page, while there is a working panel.
    RibCombData* editedComb();

    int editorRow = -1;
    FeatureRows rows;
    QMenu* menu = nullptr;
};
