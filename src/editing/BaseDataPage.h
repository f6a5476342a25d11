#pragma once

#include <QItemSelection>
#include <QString>

#include "editing/PanelDialogPage.h"

class Airfoil;

// The base-data tab of the panel dialog: id, name and the panel's measures,
// the rib alignment, and the root and tip airfoil chosen from the library's
// list with their factors and data.
class BaseDataPage : public PanelDialogPage
{
    Q_OBJECT

public:
    BaseDataPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui);

    void fill(const PanelBaseData& data) override;
    // Takes the airfoil names and points the list at the root airfoil;
    // last of the loading, when every other field is filled.
    void fillAirfoils(const PanelBaseData& data);
    void writeInto(PanelBaseData& data) const override;
    void addFieldsToCheck(std::vector<XLineEdit*>& texts, std::vector<XDoubleSpinBox*>& numbers) const override;

    void fillFoilListModel();

public slots:
    void foilListRowChangedSlot(QItemSelection selected, QItemSelection deselected);
    void updateFoilFilter(QString filter);
    void removeTipFoilSelection();
    void rootFoilFactorChanged();
    void btnStraightenLEClicked();
    void btnCalculateLengthClicked();

private:
    void showRootFoilField();
    void showTipFoilField();
    void showAirfoilData(const Airfoil& airfoil);
};
