#include "views/PlaneSummaryArea.h"

#include "document/DocumentLimits.h"
#include "document/PlaneModel.h"
#include "foundation/CLocale.h"
#include "model/PlaneVisualisationOptions.h"
#include "planformixdata.pb.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <iostream>

using SummaryViewMessage = serializedPlanformixData::serializedViewData::planeSummaryView;

PlaneSummaryArea::PlaneSummaryArea(const Widgets& widgets, const PlaneVisualisationOptions* options)
    : QObject(nullptr)
    , Observer(QStringLiteral("PlaneSummaryArea"), true)
    , txtPlaneName(widgets.txtPlaneName)
    , lblWingSpanValue(widgets.lblWingSpanValue)
    , lblWingAreaValue(widgets.lblWingAreaValue)
    , lblChorLenValue(widgets.lblChorLenValue)
    , lblTailVolumeValue(widgets.lblTailVolumeValue)
    , lblFuselageLenValue(widgets.lblFuselageLenValue)
    , lblWingPositionValue(widgets.lblWingPositionValue)
    , options(options)
    , rbtnMM(widgets.rbtnMM)
    , rbtnDM(widgets.rbtnDM)
    , rbtnIN(widgets.rbtnIN)
    , chkConsiderDihedral(widgets.chkConsiderDihedral)
    , model(PlaneModel::instance())
{
    rbtnMM->setChecked(true);
    chkConsiderDihedral->setChecked(true);
    txtPlaneName->setMaxLength(DocumentLimits::maxNameLength);
    for (const QLabel* label : {lblWingSpanValue, lblWingAreaValue, lblChorLenValue, lblTailVolumeValue,
                                lblFuselageLenValue, lblWingPositionValue})
        formMinimumWidths.insert(label, label->minimumWidth());
    // The plane says when it comes to be held unbuilt, or shown again,
    // through its panels table, not to its observers.
    if (model)
        connect(model->getPanelsTableModel(), &QAbstractItemModel::layoutChanged, this, &PlaneSummaryArea::refresh);
}

void PlaneSummaryArea::connectSignals()
{
    connect(rbtnMM, SIGNAL(toggled(bool)), this, SLOT(onRadioButtonToggled(bool)));
    connect(rbtnDM, SIGNAL(toggled(bool)), this, SLOT(onRadioButtonToggled(bool)));
    connect(rbtnIN, SIGNAL(toggled(bool)), this, SLOT(onRadioButtonToggled(bool)));
    connect(chkConsiderDihedral, SIGNAL(toggled(bool)), this, SLOT(onConsiderDihedralToggled(bool)));
    connect(txtPlaneName, SIGNAL(textEdited(const QString&)), this,
            SLOT(on_txtPlaneName_textEdited(const QString&)));
}

void PlaneSummaryArea::observedObjectChanged(Observable*)
{
    if (model == nullptr)
        return;
    {
        // The widgets only mirror the plane here. Letting their change
        // signals through would write the same values back into the plane
        // and notify every observer again from inside this notification.
        const QSignalBlocker blockBox(chkConsiderDihedral);
        const QSignalBlocker blockMM(rbtnMM);
        const QSignalBlocker blockDM(rbtnDM);
        const QSignalBlocker blockIN(rbtnIN);
        chkConsiderDihedral->setChecked(model->getConsiderDihedral());
        selectUnitButton(model->getUnits());
    }
    refresh();
}

void PlaneSummaryArea::selectUnitButton(int units)
{
    switch (units) {
    case Millimetres:
        rbtnMM->setChecked(true);
        return;
    case Decimetres:
        rbtnDM->setChecked(true);
        return;
    case Inches:
        rbtnIN->setChecked(true);
        return;
    default:
        break;
    }
    // An exclusive group refuses to uncheck its checked button; lift the
    // exclusivity while none is selected.
    QButtonGroup* group = rbtnMM->group();
    const bool groupExclusive = group && group->exclusive();
    if (group)
        group->setExclusive(false);
    for (QRadioButton* button : {rbtnMM, rbtnDM, rbtnIN}) {
        const bool autoExclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(autoExclusive);
    }
    if (group)
        group->setExclusive(groupExclusive);
}

int PlaneSummaryArea::selectedUnitButton() const
{
    if (rbtnMM->isChecked())
        return Millimetres;
    if (rbtnDM->isChecked())
        return Decimetres;
    if (rbtnIN->isChecked())
        return Inches;
    return -1;
}

void PlaneSummaryArea::refresh()
{
    if (model == nullptr)
        return;

    // Only a differing name is written back: replacing equal text would
    // move the cursor while the user types.
    const QString name = model->getName();
    if (txtPlaneName->text() != name)
        txtPlaneName->setText(name);

    // Held unbuilt, the plane has figures nobody has worked out: an empty
    // plane's would mislead. Each says why, as the panels table does.
    const bool held = model->getDocumentState() == PlaneModel::DocumentState::HeldNotBuilt;
    const QString notShown = held ? PlaneModel::notShownProblem() : QString();
    for (QLabel* label :
         {lblWingSpanValue, lblWingAreaValue, lblChorLenValue, lblFuselageLenValue, lblWingPositionValue}) {
        label->setToolTip(notShown);
        if (held)
            showValue(label, QStringLiteral("\u2013"));
    }
    showValue(lblTailVolumeValue, tr("N/A"));
    if (held)
        return;

    const int units = model->getUnits();
    const float halvesDistance = options ? options->getWingHalvesDistance() : 0.0f;
    showValue(lblWingSpanValue, formatValue(convertLength(model->getSpan() + halvesDistance, units)));
    showValue(lblWingAreaValue, formatValue(convertArea(model->getArea(), selectedUnitButton())));

    const float rootChord = model->getRootChord();
    showValue(lblChorLenValue, rootChord > 0.0f ? formatValue(convertLength(rootChord, units)) : QStringLiteral("?"));

    // "(*)" marks what the plane worked out itself rather than took from
    // the user.
    bool userFuselage = false;
    const float fuselage = model->getFuselageLength(&userFuselage);
    showValue(lblFuselageLenValue, formatValue(convertLength(fuselage, units)) + QLatin1Char(' ') +
                                       (userFuselage ? QString() : QStringLiteral("(*)")));
    bool userPosition = false;
    const float position = model->getWingPosition(&userPosition);
    showValue(lblWingPositionValue, formatValue(convertLength(position, units)) + QLatin1Char(' ') +
                                        (userPosition ? QString() : QStringLiteral("(*)")));
}

void PlaneSummaryArea::showValue(QLabel* label, const QString& text)
{
    label->setText(text);
    // The form gives the labels a fixed least width, which lets a narrow
    // page cut a long value on its left; the text's own width is the least.
    label->setMinimumWidth(qMax(formMinimumWidths.value(label), label->sizeHint().width()));
}

float PlaneSummaryArea::convertLength(float millimetres, int units)
{
    switch (units) {
    case Millimetres:
        return millimetres;
    case Decimetres:
        return millimetres / 100.0f;
    case Inches:
        return static_cast<float>(static_cast<double>(millimetres) / 25.4);
    default:
        return 0.0f;
    }
}

float PlaneSummaryArea::convertArea(float squareMillimetres, int units)
{
    switch (units) {
    case Millimetres:
        return squareMillimetres;
    case Decimetres:
        return squareMillimetres / 10000.0f;
    case Inches:
        return static_cast<float>(static_cast<double>(squareMillimetres) / 645.16);
    default:
        return 0.0f;
    }
}

QString PlaneSummaryArea::formatValue(float value)
{
    return CLocale::format(value, 'f', 2);
}

void PlaneSummaryArea::onRadioButtonToggled(bool)
{
    if (model == nullptr)
        return;
    // Runs once for each button whose state changes; both runs see the
    // group as it ends up.
    const int units = rbtnMM->isChecked() ? Millimetres : rbtnDM->isChecked() ? Decimetres : Inches;
    model->setUnits(units);
    refresh();
}

void PlaneSummaryArea::onConsiderDihedralToggled(bool checked)
{
    if (model == nullptr)
        return;
    // The plane works out span and area for the new setting before it
    // tells its observers.
    model->setConsiderDihedral(checked);
    refresh();
}

void PlaneSummaryArea::on_txtPlaneName_textEdited(const QString& text)
{
    if (model == nullptr) {
        std::cout << "Warning: pModel == nullptr in PlaneSummaryArea::on_txtPlaneName_textEdited" << std::endl;
        return;
    }
    model->setName(text, true);
}

void PlaneSummaryArea::saveViewData(serializedPlanformixData& data)
{
    serializedPlanformixData::serializedViewData* view = data.add_views();
    view->set_observername(getName().toUtf8().toStdString());
    SummaryViewMessage* summary = view->mutable_planesummaryviewdata();
    summary->set_considerdihedral(model ? model->getConsiderDihedral() : true);
    const int units = model ? model->getUnits() : Millimetres;
    // A code the schema does not know would be dropped on reading anyway.
    summary->set_units(SummaryViewMessage::UnitsSetting_IsValid(units)
                           ? static_cast<SummaryViewMessage::UnitsSetting>(units)
                           : SummaryViewMessage::mm);
}

void PlaneSummaryArea::loadViewData(const google::protobuf::Message* data, SerializeableIf::hint_t)
{
    const auto* view = dynamic_cast<const serializedPlanformixData::serializedViewData*>(data);
    if (model == nullptr || view == nullptr)
        return;
    // Undo and redo restore the record exactly as a file load does.
    if (!view->has_planesummaryviewdata()) {
        model->setUnits(Millimetres);
        model->setConsiderDihedral(true);
        return;
    }
    const SummaryViewMessage& summary = view->planesummaryviewdata();
    model->setUnits(summary.units());
    model->setConsiderDihedral(summary.considerdihedral());
}
