#include "editing/BaseDataPage.h"

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "document/DocumentLimits.h"
#include "editing/LengthCalculator.h"
#include "editing/PanelPage.h"
#include "editing/WingPanelDialog.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/CLocale.h"
#include "foundation/XDoubleSpinBox.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "ui_WingPanelDialog.h"

#include <QRegExp>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

BaseDataPage::BaseDataPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui) : PanelDialogPage(dialog, ui)
{
    for (XDoubleSpinBox* field : {ui->txtLength, ui->txtRootChord, ui->txtTipChord, ui->txtTipTwist,
                                  ui->txtRootRibFoilFactor, ui->txtTipRibFoilFactor, ui->txtSweep, ui->txtDihedral})
        field->setTabPage(ui->tabAirfoilAndBaseData);
    ui->txtName->setMaxLength(DocumentLimits::maxNameLength);
    PanelPage::setRanges({{ui->txtLength, 10, 5000, false},
                          {ui->txtRootChord, 10, 2000, false},
                          {ui->txtTipChord, 1, 2000, false},
                          {ui->txtTipTwist, -7, 7, true},
                          {ui->txtSweep, -2500, 2500, false},
                          {ui->txtDihedral, -90, 90, true},
                          {ui->txtRootRibFoilFactor, 0.1, 2, true},
                          {ui->txtTipRibFoilFactor, 0.1, 2, true}});
    connect(ui->btnLengthCalculator, SIGNAL(clicked()), this, SLOT(btnCalculateLengthClicked()));
    connect(ui->btnStraightenLE, SIGNAL(clicked()), this, SLOT(btnStraightenLEClicked()));
    connect(ui->btnRemoveTipFoilSelection, SIGNAL(clicked()), this, SLOT(removeTipFoilSelection()));
    connect(ui->txtRootRibFoilFactor, SIGNAL(valueChanged(const QString&)), this, SLOT(rootFoilFactorChanged()));
    connect(ui->txtFoilFilter, SIGNAL(textChanged(const QString&)), this, SLOT(updateFoilFilter(QString)));
}

void BaseDataPage::fill(const PanelBaseData& data)
{
    ui->txtID->setText(QStringLiteral("%1").arg(data.getId()));
    ui->txtName->setText(data.getPanelName());

    ui->txtLength->setValue(data.getLength(), true);
    ui->txtRootChord->setValue(data.getRootChord(), true);
    ui->txtTipChord->setValue(data.getTipChord(), true);
    ui->txtTipTwist->setValue(data.getTipTwist(), true);
    ui->txtSweep->setValue(data.getSweep(), true);
    ui->txtDihedral->setValue(data.getDihedralAngle(), true);

    ui->btnTopAlign->setChecked(data.getTopAlign());
    ui->btnBottomAlign->setChecked(data.getBottomAlign());
    ui->btnDontAlign->setChecked(data.getDontAlign());
    ui->txtRootRibFoilFactor->setValue(data.getRootAirfoilFactor(), true);
    ui->txtTipRibFoilFactor->setValue(data.getTipAirfoilFactor(), true);
}

void BaseDataPage::fillAirfoils(const PanelBaseData& data)
{
    dialog.rootAirfoilName = data.getAirfoilName(RootAirfoil);
    dialog.tipAirfoilName = data.getAirfoilName(TipAirfoil);
    // What was typed for another panel would hide this panel's airfoil.
    ui->txtFoilFilter->clear();
    showRootFoilField();
    showTipFoilField();
    ui->rbRootRibFoil->setChecked(true);
    if (WingFoils* library = WingFoils::instance()) {
        Airfoil* airfoil = library->findAirfoil(dialog.rootAirfoilName, true);
        // The list entry is selected without its slot, so the data group
        // would otherwise keep the airfoil of an earlier opening or click.
        if (airfoil)
            showAirfoilData(*airfoil);
        // The list holds each name once, in the library's order.
        const QList<QStandardItem*> rows =
            airfoil ? dialog.airfoilItemModel->findItems(airfoil->getName(), Qt::MatchExactly)
                    : QList<QStandardItem*>();
        if (!rows.isEmpty()) {
            const QModelIndex source = rows.first()->index();
            const QModelIndex shown = dialog.airfoilFilterModel->mapFromSource(source);
            QItemSelectionModel* selection = ui->listViewPanelFoils->selectionModel();
            // Pointing the list at the stored airfoil is no choice of the
            // user: the slot would replace a missing name by the default.
            const bool wasBlocked = selection->blockSignals(true);
            selection->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect);
            selection->blockSignals(wasBlocked);
            if (shown.isValid())
                ui->listViewPanelFoils->scrollTo(shown);
            ui->listViewPanelFoils->viewport()->update();
        }
    }
}

void BaseDataPage::writeInto(PanelBaseData& data) const
{
    bool ok = false;
    const int id = ui->txtID->text().toInt(&ok);
    if (ok)
        data.setId(id);
    if (!ui->txtName->text().isEmpty())
        data.setPanelName(ui->txtName->text());

    const float length = static_cast<float>(ui->txtLength->value());
    const float rootChord = static_cast<float>(ui->txtRootChord->value());
    const float tipChord = static_cast<float>(ui->txtTipChord->value());
    if (length > 0.0f)
        data.setLength(length);
    if (rootChord > 0.0f)
        data.setRootChord(rootChord);
    if (tipChord > 0.0f)
        data.setTipChord(tipChord);
    data.setTipTwist(static_cast<float>(ui->txtTipTwist->value()));
    data.setSweep(static_cast<float>(ui->txtSweep->value()));
    data.setDihedralAngle(static_cast<float>(ui->txtDihedral->value()));

    data.setTopAlign(ui->btnTopAlign->isChecked());
    data.setBottomAlign(ui->btnBottomAlign->isChecked());
    data.setDontAlign(ui->btnDontAlign->isChecked());

    data.setRootAirfoilFactor(static_cast<float>(ui->txtRootRibFoilFactor->value()));
    data.setTipAirfoilFactor(static_cast<float>(ui->txtTipRibFoilFactor->value()));
}

void BaseDataPage::addFieldsToCheck(std::vector<XLineEdit*>&, std::vector<XDoubleSpinBox*>& numbers) const
{
    numbers.insert(numbers.end(), {ui->txtLength, ui->txtRootChord, ui->txtTipChord, ui->txtTipTwist, ui->txtSweep,
                                   ui->txtDihedral, ui->txtRootRibFoilFactor, ui->txtTipRibFoilFactor});
}

namespace {

// The airfoil the ribs are cut from for a name of the panel (*found tells
// whether the library holds that name): a name the library lacks is cut as
// the default airfoil at the root and as the root's section at the tip, as
// the panel builds its ribs. Asked without a message: the console had one
// when the panel was built.
const Airfoil* sectionCutFor(const QString& name, const Airfoil* root, bool* found = nullptr)
{
    WingFoils* library = WingFoils::instance();
    const Airfoil* airfoil = library ? library->findAirfoil(name, false) : nullptr;
    if (found)
        *found = airfoil != nullptr;
    if (airfoil || !library)
        return airfoil;
    return root ? root : library->findAirfoil(ApplicationSettings::defaultAirfoilName(), false);
}

} // namespace

// The field shows the section the ribs are cut from, under its full name
// also where an earlier build saved it cut short. The panel keeps the name
// its document gave (Save writes it back, so that the document is cut from
// that airfoil again once the library holds it); for a name the library
// lacks, the field says for which name the section stands.
void BaseDataPage::showFoilField(QLineEdit* field, const QString& name, const Airfoil* root)
{
    // No panel loaded yet.
    if (name.isEmpty()) {
        field->clear();
        field->setToolTip(QString());
        return;
    }
    bool found = false;
    const Airfoil* section = sectionCutFor(name, root, &found);
    const QString sectionName = section ? section->getName() : WingPanelDialog::tr("no section");
    if (found) {
        field->setText(sectionName);
        field->setToolTip(sectionName);
    } else {
        field->setText(WingPanelDialog::tr("%1 (for '%2', not in the airfoil library)").arg(sectionName, name));
        field->setToolTip(WingPanelDialog::tr("The airfoil library lacks the airfoil '%1' that this panel names; "
                                              "its ribs are cut from %2 until it is added.")
                              .arg(name, sectionName));
    }
    field->setCursorPosition(0);
}

void BaseDataPage::retranslate()
{
    showRootFoilField();
    showTipFoilField();
}

void BaseDataPage::showRootFoilField()
{
    showFoilField(ui->txtRootRibFoil, dialog.rootAirfoilName, nullptr);
}

void BaseDataPage::showTipFoilField()
{
    if (!dialog.tipAirfoilName.isEmpty()) {
        showFoilField(ui->txtTipRibFoil, dialog.tipAirfoilName, sectionCutFor(dialog.rootAirfoilName, nullptr));
        ui->txtTipRibFoilFactor->setEnabled(true);
    } else {
        ui->txtTipRibFoil->setText(WingPanelDialog::tr("<same as root>"));
        ui->txtTipRibFoil->setToolTip(WingPanelDialog::tr("Tip rib and root rib profiles will be the same."));
        ui->txtTipRibFoilFactor->setValue(ui->txtRootRibFoilFactor->value(), true);
        ui->txtTipRibFoilFactor->setEnabled(false);
    }
    ui->txtTipRibFoil->setCursorPosition(0);
}

void BaseDataPage::fillFoilListModel()
{
    dialog.airfoilItemModel->clear();
    WingFoils* library = WingFoils::instance();
    if (!library)
        return;
    // A copy: the library may grow while the list is being built.
    const std::map<QString, Airfoil*> airfoils = library->getAirfoils();
    for (const auto& entry : airfoils)
        dialog.airfoilItemModel->appendRow(new QStandardItem(entry.second->getName()));
}

void BaseDataPage::updateFoilFilter(QString filter)
{
    ui->listViewPanelFoils->selectionModel()->clearCurrentIndex();
    // The typed text is a name prefix, not a pattern of the user's.
    dialog.airfoilFilterModel->setFilterRegExp(
        QRegExp(QStringLiteral("^") + QRegExp::escape(filter), Qt::CaseInsensitive, QRegExp::RegExp));
}

void BaseDataPage::foilListRowChangedSlot(QItemSelection selected, QItemSelection)
{
    const bool usable = dialog.airfoilFilterModel->sourceModel() == dialog.airfoilItemModel && !selected.isEmpty() &&
                        selected.first().isValid() && selected.first().model() == dialog.airfoilFilterModel;
    if (usable) {
        const QItemSelection source = dialog.airfoilFilterModel->mapSelectionToSource(selected);
        const QModelIndexList indexes = source.indexes();
        const int row = indexes.isEmpty() ? -1 : indexes.first().row();
        if (row >= 0) {
            const QString name = dialog.airfoilItemModel->item(row, 0)->text();
            Airfoil* airfoil = WingFoils::instance() ? WingFoils::instance()->findAirfoil(name, false) : nullptr;
            if (airfoil) {
                if (ui->rbRootRibFoil->isChecked()) {
                    ui->wingFoilGLWidget->setAirfoil(airfoil);
                    dialog.rootAirfoilName = airfoil->getName();
                    showRootFoilField();
                    // A tip the library lacks is cut from the root's section.
                    if (!dialog.tipAirfoilName.isEmpty())
                        showTipFoilField();
                } else {
                    dialog.tipAirfoilName = airfoil->getName();
                    showTipFoilField();
                }
                showAirfoilData(*airfoil);
            }
        }
    }
    dialog.redrawWindow(false);
}

void BaseDataPage::showAirfoilData(const Airfoil& airfoil)
{
    ui->lblThicknessValue->setText(airfoil.getThickness());
    ui->lblCamberValue->setText(airfoil.getCamber());
    ui->lblMaxCLValue->setText(airfoil.getMaxCL());
    ui->lblMaxCLAngleValue->setText(airfoil.getMaxCLAngle());
    ui->lblMaxLDValue->setText(airfoil.getMaxLD());
    ui->lblMaxLDAngleValue->setText(airfoil.getMaxLDAngle());
    ui->lblStallAngleValue->setText(airfoil.getStallAngle());
    ui->lblZeroLiftAngleValue->setText(airfoil.getZeroLiftAngle());
    ui->lblMaxThicknessAt->setText(CLocale::display(airfoil.getMaxThicknessPosition()) + QStringLiteral("%"));
}

void BaseDataPage::removeTipFoilSelection()
{
    dialog.tipAirfoilName.clear();
    showTipFoilField();
    dialog.redrawWindow(true);
    QItemSelectionModel* selection = ui->listViewPanelFoils->selectionModel();
    const bool wasBlocked = selection->blockSignals(true);
    selection->reset();
    selection->blockSignals(wasBlocked);
    ui->listViewPanelFoils->viewport()->update();
}

void BaseDataPage::rootFoilFactorChanged()
{
    if (dialog.tipAirfoilName.isEmpty())
        ui->txtTipRibFoilFactor->setValue(ui->txtRootRibFoilFactor->value(), true);
    dialog.redrawWindow(true);
}

void BaseDataPage::btnStraightenLEClicked()
{
    if (!dialog.previousPanel)
        return;
    const float previousLength = dialog.previousPanel->getLength(0.0f);
    if (previousLength == 0.0f)
        return;
    ui->txtSweep->setValue(ui->txtLength->value() * (dialog.previousPanel->getSweep() / previousLength));
}

void BaseDataPage::btnCalculateLengthClicked()
{
    int ribs = 10;
    float thickness = 1.0f;
    float distance = 40.0f;
    if (ui->txtNoOfRibs->isValid())
        ribs = static_cast<int>(ui->txtNoOfRibs->value());
    if (ui->txtRibThickness->isValid()) {
        thickness = static_cast<float>(ui->txtRibThickness->value());
        if (ui->txtLength->isValid() && ribs > 1)
            distance = (static_cast<float>(ui->txtLength->value()) - thickness) / static_cast<float>(ribs - 1);
    }
    dialog.lengthCalculator->setValues(ribs, thickness, distance);
    if (dialog.lengthCalculator->exec() == QDialog::Accepted) {
        ui->txtLength->setValue(dialog.lengthCalculator->getLength(), true);
        ui->txtNoOfRibs->setValue(dialog.lengthCalculator->getNoRibs(), true);
        ui->txtRibThickness->setValue(dialog.lengthCalculator->getRibThickness(), true);
    }
}
