#include "editing/SparsPage.h"

#include "airfoils/Airfoil.h"
#include "foundation/InputValueType.h"
#include "editing/PanelPage.h"
#include "editing/WingPanelDialog.h"
#include "editing/XSparTypeEditDelegate.h"
#include "foundation/XDoubleSpinBox.h"
#include "foundation/DialogSeam.h"
#include "foundation/Mathematics.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/RibDefinition.h"
#include "model/RibListTableModel.h"
#include "model/SparsTableModel.h"
#include "ui_WingPanelDialog.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>
#include <cmath>
#include <iostream>

SparsPage::SparsPage(WingPanelDialog& dialog, Ui::WingPanelDialog* ui)
    : PanelDialogPage(dialog, ui), rows(ui->tableViewSpars, ui->stackedWidgetSpar, ui->pageSparNone, rowOperations())
{
    setValidationKinds();
    PanelPage::setLineEditor(ui->tableViewSpars, 0, 1, &dialog);
    PanelPage::setCellEditor(ui->tableViewSpars, 1, new XSparTypeEditDelegate(sparTypeNames()), &dialog);
    PanelPage::setLineEditor(ui->tableViewSpars, 2, 3, &dialog);
    PanelPage::setLineEditor(ui->tableViewSpars, 3, 3, &dialog);
    buildMenu();
    connectFields();
}

void SparsPage::setValidationKinds()
{
    struct Kind
    {
        XDoubleSpinBox* field;
        int kind;
        bool noPopup;
    };
    const Kind kinds[] = {
        {ui->txtRoundSparRadius, 6, false},
        {ui->txtRoundSparPosition, 5, false},
        {ui->txtRoundSparLastPosition, 5, false},
    };
    for (const Kind& k : kinds)
        k.field->setInputValueType(new InputValueType(k.kind));
    ui->txtRoundSparOffsetYStart->setInputValueType(new InputValueType(9, -75.0, 75.0));
    ui->txtRoundSparOffsetYEnd->setInputValueType(new InputValueType(9, -75.0, 75.0));

    const Kind sparKinds[] = {
        {ui->txtSquareSparWidth, 6, false},
        {ui->txtSquareSparWidthAdjustFront, 5, false},
        {ui->txtSquareSparWidthAdjustBehind, 5, false},
        {ui->txtSquareSparHeight, 6, false},
        {ui->txtSquareSparPosition, 5, false},
        {ui->txtSquareSparLastPosition, 5, false},
        {ui->txtSquareSparWebbingWidth, 6, false},
        {ui->txtSquareSparWebbingFromRib, 3, true},
        {ui->txtSquareSparWebbingToRib, 2, true},
        {ui->txtWebbingPosition, 5, false},
        {ui->txtWebbingLastPosition, 5, false},
        {ui->txtWebbingWidth, 6, false},
        {ui->txtTubeSparPosition, 5, false},
        {ui->txtTubeRadius, 6, false},
        {ui->txtCubePosition, 5, false},
        {ui->txtCubeLastPosition, 5, false},
        {ui->txtCubeSparWidth, 5, false},
        {ui->txtCubeSparHeight, 5, false},
        {ui->txtCubeTubePosition, 5, false},
        {ui->txtCubeTubeWidth, 5, false},
        {ui->txtCubeTubeHeight, 5, false},
    };
    for (const Kind& k : sparKinds) {
        k.field->setInputValueType(new InputValueType(k.kind));
        if (k.noPopup)
            k.field->setDisplayMode(0, 1.0f);
    }
    ui->txtCubeSparOffsetYStart->setInputValueType(new InputValueType(9, -75.0, 75.0));
    ui->txtCubeSparOffsetYEnd->setInputValueType(new InputValueType(9, -75.0, 75.0));
    ui->txtCubeSparRotation->setInputValueType(new InputValueType(9, -180.0, 180.0));
    ui->txtCubeSparRotation->setDisplayMode(0, 1.0f);
}

void SparsPage::buildMenu()
{
    ui->tableViewSpars->setContextMenuPolicy(Qt::CustomContextMenu);
    menu = new QMenu(&dialog);
    rows.addMenuActions(menu);
    actMoveToMaxThickness = menu->addAction(QString(), this, &SparsPage::moveSparToMaxThickness);
    alignPreviousMenu = new QMenu(menu);
    alignNextMenu = new QMenu(menu);
    menu->addMenu(alignPreviousMenu);
    menu->addMenu(alignNextMenu);
    addAlignSparActions(alignPreviousMenu, nullptr);
    addAlignSparActions(alignNextMenu, nullptr);

    retranslate();
}

void SparsPage::retranslate()
{
    PanelPage::showPicture(ui->widget_RoundSpar, QT_TRANSLATE_NOOP("WingPanelDialog", "SparRound.png"));
    PanelPage::showPicture(ui->widget_TubeSpar, QT_TRANSLATE_NOOP("WingPanelDialog", "SparRound.png"));
    PanelPage::showPicture(ui->widget_CubeSpar, QT_TRANSLATE_NOOP("WingPanelDialog", "SparCube.png"));
    PanelPage::showPicture(ui->widget_CubeTube, QT_TRANSLATE_NOOP("WingPanelDialog", "SparCube.png"));
    PanelPage::showPicture(ui->widget_SquareSpar, QT_TRANSLATE_NOOP("WingPanelDialog", "SparSquare.png"));
    PanelPage::showPicture(ui->widget_SparWebbing, QT_TRANSLATE_NOOP("WingPanelDialog", "SparWebbing.png"));
    if (auto* d = qobject_cast<XSparTypeEditDelegate*>(ui->tableViewSpars->itemDelegateForColumn(1)))
        d->setTypeNames(sparTypeNames());
    rows.setMenuTexts(WingPanelDialog::tr("Add spar in front"), WingPanelDialog::tr("Add spar behind"),
                      WingPanelDialog::tr("Delete spar"), WingPanelDialog::tr("Copy spar"));
    actMoveToMaxThickness->setText(WingPanelDialog::tr("Move to max. thickness"));
    alignNextMenu->setTitle(WingPanelDialog::tr("Align with next..."));
    alignPreviousMenu->setTitle(WingPanelDialog::tr("Align with previous..."));
}

void SparsPage::connectFields()
{
    connect(ui->tableViewSpars, SIGNAL(customContextMenuRequested(QPoint)), this,
            SLOT(customSparsMenuRequested(QPoint)));
    // Every field and choice of the spar pages feeds the spar in the editor;
    // the tool buttons are the "90 degrees" buttons.
    for (XDoubleSpinBox* f : ui->stackedWidgetSpar->findChildren<XDoubleSpinBox*>())
        connect(f, SIGNAL(valueChanged(const QString&)), this, SLOT(sparSpecificDataChanged()));
    for (QAbstractButton* b : ui->stackedWidgetSpar->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QToolButton*>(b))
            connect(b, SIGNAL(clicked()), this, SLOT(btnSpar90Clicked()));
        else
            connect(b, SIGNAL(clicked(bool)), this, SLOT(sparSpecificDataChanged()));
    }
}

void SparsPage::rebuildAlignMenu(int which, const Panel* neighbour)
{
    QMenu* target = which == 0 ? alignPreviousMenu : alignNextMenu;
    // The actions are the menu's children, so clearing deletes them.
    target->clear();
    addAlignSparActions(target, neighbour);
}

void SparsPage::showSpar(int row)
{
    editorRow = row;
    SparsTableModel* model = sparModel();
    SparDefinition* spar = model ? PanelPage::deselectAllAndFind<SparDefinition>(
                                       [model](int i, bool& found) -> SparDefinition& {
                                           return model->findEditableSpar(i, found);
                                       },
                                       row)
                                 : nullptr;
    if (row == -1) {
        ui->stackedWidgetSpar->setCurrentWidget(ui->pageSparNone);
        ui->wingFoilGLWidget->update();
        return;
    }
    if (!spar) {
        ui->wingFoilGLWidget->update();
        return;
    }
    float c1 = 0.0f;
    float c2 = 0.0f;
    dialog.ribChords(spar->getFirstRib(), spar->getLastRib(), c1, c2);
    visualizeSparAngle(*spar);
    spar->setSelected(true);

    // Joiners (tubes) have one position only.
    auto showJoiner = [&](XDoubleSpinBox* position, QRadioButton* percent, QRadioButton* mm, QRadioButton* fromLE,
                          QRadioButton* fromTE) {
        PanelPage::updateSinglePosition(position, spar->getPercentageSelected(0), c1, spar->getPosition(0));
        percent->setChecked(spar->getPercentageSelected(0));
        mm->setChecked(!spar->getPercentageSelected(0));
        if (spar->getMeasureFromLE())
            fromLE->setChecked(true);
        else
            fromTE->setChecked(true);
    };
    const int type = static_cast<int>(spar->getType());
    switch (type) {
    case 0:
        ui->stackedWidgetSpar->setCurrentWidget(ui->pageSparRound);
        PanelPage::showPositionRow(positionRow(type), *spar, c1, c2);
        ui->txtRoundSparRadius->setValue(spar->getRoundSparRadius(), true);
        ui->txtRoundSparOffsetYStart->setValue(spar->getSparOffsetYStart(), true);
        ui->txtRoundSparOffsetYEnd->setValue(spar->getSparOffsetYEnd(), true);
        break;
    case 1: {
        ui->stackedWidgetSpar->setCurrentWidget(ui->pageSparSquare);
        PanelPage::showPositionRow(positionRow(type), *spar, c1, c2);
        ui->txtSquareSparWidth->setValue(spar->getSquareSparWidth(), true);
        ui->txtSquareSparHeight->setValue(spar->getSquareSparHeight(), true);
        ui->chkAutoAdjustSquareSparWidth->setChecked(spar->getSquareSparAutoAdjustWidth() != 0.0f);
        ui->txtSquareSparWidthAdjustFront->setValue(spar->getSquareSparWidthAdjustFront(), true);
        ui->txtSquareSparWidthAdjustBehind->setValue(spar->getSquareSparWidthAdjustBehind(), true);
        ui->chkSquareSparTop->setChecked(spar->getSquareSparTop());
        ui->chkSquareSparBottom->setChecked(spar->getSquareSparBottom());
        ui->chkSquareSparVerticalCut->setChecked(spar->getSquareSparVerticalCut());
        ui->txtSquareSparWebbingWidth->setValue(spar->getSquareWebbingWidth(), true);
        QRadioButton* webbing[] = {ui->rbSquareSparWebbingNone, ui->rbSquareSparWebbingMiddle,
                                   ui->rbSquareSparWebbingBefore, ui->rbSquareSparWebbingAfter,
                                   ui->rbSquareSparWebbingBox};
        const int webbingType = static_cast<int>(spar->getSquareWebbingType());
        if (webbingType >= 0 && webbingType < 5)
            webbing[webbingType]->setChecked(true);
        ui->txtSquareSparWebbingFromRib->setValue(spar->getSquareWebbingFrom(), true);
        ui->txtSquareSparWebbingToRib->setValue(spar->getSquareWebbingTo(), true);
        ui->chkSquareSparWebbingInside->setChecked(spar->getSquareSparWebbingInside());
        break;
    }
    case 2:
        ui->stackedWidgetSpar->setCurrentWidget(ui->pageSparWebbing);
        PanelPage::showPositionRow(positionRow(type), *spar, c1, c2);
        ui->txtWebbingWidth->setValue(spar->getWebbingWidth(), true);
        break;
    case 3:
        ui->stackedWidgetSpar->setCurrentWidget(ui->pageSparTube);
        showJoiner(ui->txtTubeSparPosition, ui->rbTubePositionPercentage, ui->rbTubePositionMM,
                   ui->rbTubeSparDistanceFromLE, ui->rbTubeSparDistanceFromTE);
        ui->txtTubeRadius->setValue(spar->getTubeRadius(), true);
        break;
    case 4:
        ui->stackedWidgetSpar->setCurrentWidget(ui->pageSparCube);
        PanelPage::showPositionRow(positionRow(type), *spar, c1, c2);
        ui->txtCubeSparWidth->setValue(spar->getCubeSparWidth(), true);
        ui->txtCubeSparHeight->setValue(spar->getCubeSparHeight(), true);
        ui->txtCubeSparOffsetYStart->setValue(spar->getSparOffsetYStart(), true);
        ui->txtCubeSparOffsetYEnd->setValue(spar->getSparOffsetYEnd(), true);
        ui->txtCubeSparRotation->setValue(spar->getCubeSparRotation(), true);
        break;
    case 5:
        ui->stackedWidgetSpar->setCurrentWidget(ui->pageCubeTube);
        showJoiner(ui->txtCubeTubePosition, ui->rbCubeTubePositionPercentage, ui->rbCubeTubePositionMM,
                   ui->rbCubeTubeDistanceFromLE, ui->rbCubeTubeDistanceFromTE);
        ui->txtCubeTubeWidth->setValue(spar->getCubeTubeWidth(), true);
        ui->txtCubeTubeHeight->setValue(spar->getCubeTubeHeight(), true);
        break;
    default:
        std::cout << "Invalid Spar type: " << type << " for spar " << spar->getSparName().toUtf8().constData()
                  << std::endl;
    }
    ui->wingFoilGLWidget->update();
}

void SparsPage::sparSelectionChanged(QModelIndex selected, QModelIndex)
{
    showSpar(selected.row());
}

void SparsPage::readSparPage(SparDefinition& spar, float c1, float c2)
{
    auto size = [](XDoubleSpinBox* field, auto setter) {
        if (field->isValid())
            setter(static_cast<float>(field->value()));
    };

    const int type = static_cast<int>(spar.getType());
    switch (type) {
    case 0: {
        PanelPage::readPositionRow(positionRow(type), spar, c1, c2);
        size(ui->txtRoundSparRadius, [&](float v) { spar.setRoundSparRadius(v); });
        size(ui->txtRoundSparOffsetYStart, [&](float v) { spar.setSparOffsetYStart(v); });
        size(ui->txtRoundSparOffsetYEnd, [&](float v) { spar.setSparOffsetYEnd(v); });
        break;
    }
    case 1: {
        PanelPage::readPositionRow(positionRow(type), spar, c1, c2);
        size(ui->txtSquareSparHeight, [&](float v) { spar.setSquareSparHeight(v); });
        size(ui->txtSquareSparWidth, [&](float v) { spar.setSquareSparWidth(v); });
        size(ui->txtSquareSparWidthAdjustFront, [&](float v) { spar.setSquareSparWidthAdjustFront(v); });
        size(ui->txtSquareSparWidthAdjustBehind, [&](float v) { spar.setSquareSparWidthAdjustBehind(v); });
        size(ui->txtSquareSparWebbingWidth, [&](float v) { spar.setSquareWebbingWidth(v); });
        if (ui->txtSquareSparWebbingFromRib->isValid())
            spar.setSquareWebbingFrom(static_cast<int>(ui->txtSquareSparWebbingFromRib->value()));
        if (ui->txtSquareSparWebbingToRib->isValid())
            spar.setSquareWebbingTo(static_cast<int>(ui->txtSquareSparWebbingToRib->value()));
        spar.setSquareSparVerticalCut(ui->chkSquareSparVerticalCut->isChecked());
        spar.setSquareSparTop(ui->chkSquareSparTop->isChecked());
        spar.setSquareSparBottom(ui->chkSquareSparBottom->isChecked());
        spar.setSquareSparAutoAdjustWidth(ui->chkAutoAdjustSquareSparWidth->isChecked() ? 1.0f : 0.0f);
        if (ui->rbSquareSparWebbingNone->isChecked())
            spar.setSquareWebbingType(SquareWebbingType::None);
        else if (ui->rbSquareSparWebbingBefore->isChecked())
            spar.setSquareWebbingType(SquareWebbingType::Before);
        else if (ui->rbSquareSparWebbingMiddle->isChecked())
            spar.setSquareWebbingType(SquareWebbingType::Middle);
        else if (ui->rbSquareSparWebbingAfter->isChecked())
            spar.setSquareWebbingType(SquareWebbingType::After);
        else
            spar.setSquareWebbingType(SquareWebbingType::Box);
        spar.setSquareSparWebbingInside(ui->chkSquareSparWebbingInside->isChecked());
        break;
    }
    case 2: {
        PanelPage::readPositionRow(positionRow(type), spar, c1, c2);
        size(ui->txtWebbingWidth, [&](float v) { spar.setWebbingWidth(v); });
        break;
    }
    case 3:
        if (ui->txtTubeSparPosition->isValid()) {
            spar.setPosition(0, static_cast<float>(ui->txtTubeSparPosition->value()));
            ui->txtTubeSparPosition->setValueInPercent(ui->rbTubePositionPercentage->isChecked(),
                                                       PanelPage::usableChord(c1));
        }
        size(ui->txtTubeRadius, [&](float v) { spar.setTubeRadius(v); });
        spar.setPercentageSelected(0, ui->rbTubePositionPercentage->isChecked());
        spar.setMeasureFromLE(ui->rbTubeSparDistanceFromLE->isChecked());
        break;
    case 4: {
        PanelPage::readPositionRow(positionRow(type), spar, c1, c2);
        size(ui->txtCubeSparWidth, [&](float v) { spar.setCubeSparWidth(v); });
        size(ui->txtCubeSparHeight, [&](float v) { spar.setCubeSparHeight(v); });
        size(ui->txtCubeSparOffsetYStart, [&](float v) { spar.setSparOffsetYStart(v); });
        size(ui->txtCubeSparOffsetYEnd, [&](float v) { spar.setSparOffsetYEnd(v); });
        size(ui->txtCubeSparRotation, [&](float v) { spar.setCubeSparRotation(v); });
        break;
    }
    case 5:
        if (ui->txtCubeTubePosition->isValid()) {
            spar.setPosition(0, static_cast<float>(ui->txtCubeTubePosition->value()));
            ui->txtCubeTubePosition->setValueInPercent(ui->rbCubeTubePositionPercentage->isChecked(),
                                                       PanelPage::usableChord(c1));
        }
        size(ui->txtCubeTubeWidth, [&](float v) { spar.setCubeTubeWidth(v); });
        size(ui->txtCubeTubeHeight, [&](float v) { spar.setCubeTubeHeight(v); });
        spar.setPercentageSelected(0, ui->rbCubeTubePositionPercentage->isChecked());
        spar.setMeasureFromLE(ui->rbCubeTubeDistanceFromLE->isChecked());
        break;
    default: std::cout << "Unknown spar type: " << static_cast<int>(spar.getType()) << std::endl;
    }
}

void SparsPage::sparSpecificDataChanged()
{
    SparDefinition* edited = editedSpar();
    if (!edited)
        return;
    SparDefinition& spar = *edited;
    float c1 = 0.0f;
    float c2 = 0.0f;
    dialog.ribChords(spar.getFirstRib(), spar.getLastRib(), c1, c2);
    readSparPage(spar, c1, c2);
    dialog.workingSpars = dialog.workingPanel->getSparList();
    visualizeSparAngle(spar);
    dialog.redrawWindow(true);
}

void SparsPage::sparDataChanged(QModelIndex index1, QModelIndex)
{
    showSpar(index1.row());
    if (dialog.workingPanel)
        dialog.workingSpars = dialog.workingPanel->getSparList();
    dialog.redrawWindow(true);
}

void SparsPage::getSparRealPositions(float& firstSparPosition, float& lastSparPosition, float& firstRibPosition,
                                     float& lastRibPosition, SparDefinition spar,
                                     const RibListTableModel* pRibTableModel, bool considerRib2Thickness)
{
    firstSparPosition = lastSparPosition = firstRibPosition = lastRibPosition = 0.0f;
    if (!pRibTableModel)
        return;
    bool foundFirst = false;
    bool foundLast = false;
    const RibDefinition& first = pRibTableModel->findRib(spar.getFirstRib() - 1, foundFirst);
    const RibDefinition& last = pRibTableModel->findRib(spar.getLastRib() - 1, foundLast);
    if (!foundFirst || !foundLast)
        return;
    spar.getRealPosition(firstSparPosition, 0, first, false);
    spar.getRealPosition(lastSparPosition, 1, last, false);
    firstRibPosition = first.position;
    lastRibPosition = last.position + (considerRib2Thickness ? last.thickness : 0.0f);
}

float SparsPage::getSparAngle(SparDefinition spar, const RibListTableModel* pRibTableModel, float panelSweep,
                              float panelLength, float& neededFor90Deg, bool untilLastRib)
{
    if (spar.getType() == SparType::Tube || spar.getType() == SparType::CubeTube)
        return 90.0f;
    const RibDefinition* first = nullptr;
    const RibDefinition* last = nullptr;
    if (!PanelPage::featureRibs(pRibTableModel, spar.getFirstRib(), spar.getLastRib(), first, last) ||
        !(panelLength > 0.0f))
        return PanelPage::NoAngle;
    float p1 = 0.0f;
    float p2 = 0.0f;
    spar.getRealPosition(p1, 0, *first, false);
    spar.getRealPosition(p2, 1, *last, false);
    const float y1 = first->position;
    const float y2 = last->position + (untilLastRib ? last->thickness : 0.0f);
    if (y1 == y2)
        return PanelPage::NoAngle;
    const float k = panelSweep / panelLength;
    const float x1 = k * y1 + p1;
    const float x2 = k * y2 + p2;
    const float angle = Mathematics::radToDeg(std::atan((x1 - x2) / (y2 - y1))) + 90.0f;
    neededFor90Deg = k * y1 + p1 - k * y2;
    if (!spar.getMeasureFromLE())
        neededFor90Deg = last->getChord() - neededFor90Deg;
    updateNeededFor90Label(static_cast<int>(spar.getType()), neededFor90Deg);
    return angle;
}

void SparsPage::updateNeededFor90Label(int sparType, float value)
{
    QLabel* label = nullptr;
    switch (sparType) {
    case 0: label = ui->lblRoundSparNeededFor90; break;
    case 1: label = ui->lblSquareSparNeededFor90; break;
    case 2: label = ui->lblWebbingNeededFor90; break;
    case 4: label = ui->lblCubeSparNeededFor90; break;
    case 3:
    case 5: return;
    default:
        std::cout << "Implement "
                  << "updateNeededFor90Label"
                  << " for spar type " << SparDefinition::getTypeName(sparType).toUtf8().constData() << std::endl;
        return;
    }
    label->setText(PanelPage::neededFor90Text(value));
}

void SparsPage::visualizeSparAngle(SparDefinition spar)
{
    if (!dialog.workingPanel)
        return;
    const bool untilLastRib = spar.getLastRib() == dialog.workingPanel->getRibCount();
    float needed = 0.0f;
    const float angle = getSparAngle(spar, dialog.ribModel(), dialog.workingPanel->getSweep(),
                                     dialog.workingPanel->getLength(), needed, untilLastRib);
    QString text;
    dialog.getAngleText(angle, text);
    switch (static_cast<int>(spar.getType())) {
    case 0: ui->lblRoundSparAngle->setText(text); break;
    case 1: ui->lblSquareSparAngle->setText(text); break;
    case 2: ui->lblWebbingAngle->setText(text); break;
    case 3: ui->lblTubeAngle->setText(text); break;
    case 4: ui->lblCubeAngle->setText(text); break;
    case 5: ui->lblCubeTubeAngle->setText(text); break;
    default: break;
    }
}

void SparsPage::btnSpar90Clicked()
{
    SparDefinition* edited = editedSpar();
    if (!edited)
        return;
    SparDefinition& spar = *edited;
    float needed = 0.0f;
    const float angle =
        getSparAngle(spar, &dialog.workingPanel->getRibListTableModel(), dialog.workingPanel->getSweep(),
                     dialog.workingPanel->getLength(), needed, spar.getLastRib() == dialog.workingPanel->getRibCount());
    // Without an angle there is no needed value to store.
    if (angle != PanelPage::NoAngle && !spar.isJoiner()) {
        spar.setSeparateLastPosition(true);
        spar.setPercentageSelected(1, false);
        spar.setPosition(1, needed);
    }
    SparsTableModel* model = sparModel();
    emit model->dataChanged(model->index(editorRow, 0), model->index(editorRow, model->columnCount() - 1));
}

int SparsPage::getSelectedSparRow(bool& found)
{
    found = false;
    SparsTableModel* model = sparModel();
    const int row = PanelPage::selectedRow(ui->tableViewSpars);
    if (!model || row < 0 || model->getNumberOfSpars() == 0)
        return -1;
    found = true;
    return row;
}

void SparsPage::moveSparToMaxThickness()
{
    bool found = false;
    const int row = getSelectedSparRow(found);
    if (!found || !dialog.workingPanel)
        return;
    SparsTableModel* model = sparModel();
    SparDefinition& spar = model->findEditableSpar(row, found);
    if (!found)
        return;
    bool foundFirst = false;
    bool foundLast = false;
    const RibDefinition* first = dialog.workingPanel->getRibList().getRib(spar.getFirstRib(), foundFirst);
    const RibDefinition* last = dialog.workingPanel->getRibList().getRib(spar.getLastRib(), foundLast);
    if (!foundFirst || !foundLast)
        return;
    RibDefinition firstCopy(*first);
    RibDefinition lastCopy(*last);
    const float length = dialog.workingPanel->getLength();
    firstCopy.updateAirfoil(length, dialog.workingPanel->getRootAirfoilFactor(),
                            dialog.workingPanel->getTipAirfoilFactor());
    lastCopy.updateAirfoil(length, dialog.workingPanel->getRootAirfoilFactor(),
                           dialog.workingPanel->getTipAirfoilFactor());
    const float firstMax = findMaxThicknessPosition(firstCopy.getRibCoords(), 0.0f);
    const float lastMax = findMaxThicknessPosition(lastCopy.getRibCoords(), 0.0f);
    spar.setPercentageSelected(0, true);
    spar.setSeparateLastPosition(true);
    spar.setPercentageSelected(1, true);
    spar.setPosition(0, firstMax);
    spar.setPosition(1, lastMax);
    emit model->dataChanged(model->index(row, 0), model->index(row, model->columnCount() - 1));
}

void SparsPage::addAlignSparActions(QMenu* menu, const Panel* neighbour)
{
    if (!neighbour || neighbour->getSparList().getNumberOfSpars() == 0) {
        menu->setEnabled(false);
        return;
    }
    menu->setEnabled(true);
    int index = 0;
    for (const SparDefinition& spar : neighbour->getSparList().getSpars()) {
        QAction* action = new QAction(spar.getSparName(), menu);
        action->setData(index++);
        menu->addAction(action);
        connect(action, SIGNAL(triggered()), this, SLOT(alignSpar()));
    }
}

void SparsPage::alignSpar()
{
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    const int which = action->parent() == alignPreviousMenu ? 0 : 1;
    bool ok = false;
    const int index = action->data().toInt(&ok);
    if (!ok)
        return;
    const int row = PanelPage::selectedRow(ui->tableViewSpars);
    if (row < 0)
        return;
    alignSparWithNeighbour(index, row, which);
}

float SparsPage::getSparVerticalAngle(SparDefinition spar, const RibListTableModel* pRibTableModel)
{
    if (!spar.hasYOffset())
        return 0.0f;
    const RibDefinition* first = nullptr;
    const RibDefinition* last = nullptr;
    if (!PanelPage::featureRibs(pRibTableModel, spar.getFirstRib(), spar.getLastRib(), first, last))
        return 0.0f;
    const float y1 = first->position;
    const float y2 = last->position + last->thickness;
    if (y1 == y2)
        return 0.0f;
    const float ratio = (spar.getSparOffsetYEnd() - spar.getSparOffsetYStart()) / (y2 - y1);
    // A drop steeper than the spar is long has no angle; keep it vertical.
    return Mathematics::radToDeg(std::asin(std::max(-1.0f, std::min(1.0f, ratio))));
}

void SparsPage::alignSparWithNeighbour(int neighbourSparIndex, int ownSparRow, int which)
{
    Panel* neighbour = which == 0 ? dialog.previousPanel : dialog.nextPanel;
    if (!neighbour)
        return;
    bool foundOther = false;
    const SparDefinition* other = neighbour->findSpar(neighbourSparIndex, foundOther);
    if (!foundOther)
        return;
    SparsTableModel* model = sparModel();
    if (!model)
        return;
    bool foundOwn = false;
    SparDefinition& own = model->findEditableSpar(ownSparRow, foundOwn);
    auto announce = [&]() {
        emit model->dataChanged(model->index(ownSparRow, 0), model->index(ownSparRow, model->columnCount() - 1));
    };
    if (!foundOwn) {
        announce();
        return;
    }

    own.setMeasureFromLE(other->getMeasureFromLE());
    if (own.isJoiner() != other->isJoiner()) {
        DialogSeam::warning(&dialog, WingPanelDialog::tr("Spar Alignment issue"),
                            WingPanelDialog::tr("Joiners can only be aligned to other joiners"));
        announce();
        return;
    }
    if (own.isJoiner()) {
        own.setPosition(0, other->getPosition(0));
        own.setPercentageSelected(0, other->getPercentageSelected(0));
        announce();
        return;
    }

    if (which == 0) {
        own.setPosition(0, other->getPosition(1));
        own.setPercentageSelected(0, other->getPercentageSelected(1));
    } else {
        own.setSeparateLastPosition(true);
        own.setPosition(1, other->getPosition(0));
        own.setPercentageSelected(1, other->getPercentageSelected(0));
    }

    RibListTableModel* ribs = dialog.ribModel();
    const RibDefinition* first = nullptr;
    const RibDefinition* last = nullptr;
    if (dialog.workingPanel && PanelPage::featureRibs(ribs, own.getFirstRib(), own.getLastRib(), first, last)) {
        float p1 = 0.0f;
        float p2 = 0.0f;
        own.getRealPosition(p1, 0, *first, false);
        own.getRealPosition(p2, 1, *last, false);
        const float y1 = first->position;
        const float y2 = last->position + last->thickness;
        float needed = 0.0f;
        const float otherAngle =
            getSparAngle(*other, &neighbour->getRibListTableModel(), neighbour->getSweep(), neighbour->getLength(),
                         needed, other->getLastRib() == neighbour->getRibCount());
        if (otherAngle != PanelPage::NoAngle)
            own.setPositionFromAngle(which == 0 ? 1 : 0, otherAngle, p1, p2, dialog.workingPanel->getLength(),
                                     dialog.workingPanel->getSweep(), y1, first->getChord(), y2, last->getChord());

        if (own.hasYOffset() && other->hasYOffset()) {
            if (which == 0)
                own.setSparOffsetYStart(other->getSparOffsetYEnd());
            else
                own.setSparOffsetYEnd(other->getSparOffsetYStart());
            if (own.getType() == other->getType()) {
                const float a = getSparVerticalAngle(*other, &neighbour->getRibListTableModel());
                if (which == 0)
                    own.setYOffsetFromAngle(1, a - dialog.workingPanel->getDihedralAngle(), y1, y2);
                else
                    own.setYOffsetFromAngle(0, a + neighbour->getDihedralAngle(), y1, y2);
            }
        }
    }
    announce();
}

void SparsPage::customSparsMenuRequested(QPoint pos)
{
    rows.popupMenu(menu, pos, dialog.workingSpars.getNumberOfSpars(), actMoveToMaxThickness);
}

FeatureRows::Operations SparsPage::rowOperations()
{
    FeatureRows::Operations ops;
    ops.refuse = [this](int n) { return dialog.refuseBeyondLimits(-1, n, -1, -1); };
    ops.count = [this]() {
        SparsTableModel* model = sparModel();
        return model ? model->getNumberOfSpars() : -1;
    };
    ops.insertFresh = [this](int row) {
        SparsTableModel* model = sparModel();
        if (!model || !dialog.workingPanel)
            return false;
        SparDefinition spar;
        spar.setFirstRib(1);
        spar.setLastRib(dialog.workingPanel->getRibCount());
        model->insertSpar(row, spar);
        return true;
    };
    ops.insertCopy = [this](int row) {
        SparsTableModel* model = sparModel();
        bool found = false;
        const SparDefinition& source = model->findSpar(row, found);
        if (!found)
            return false;
        SparDefinition copy(source);
        copy.assignNewIds();
        copy.setSparName(source.getSparName() + QStringLiteral(" ") + WingPanelDialog::tr("(copy)"));
        copy.setPosition(0, copy.getPosition(0) + 2.0f);
        copy.setPosition(1, copy.getPosition(1) + 2.0f);
        model->insertSpar(row + 1, copy);
        return true;
    };
    ops.remove = [this](int row) { sparModel()->removeSpar(row); };
    return ops;
}

SparsTableModel* SparsPage::sparModel() const
{
    return dynamic_cast<SparsTableModel*>(ui->tableViewSpars->model());
}

std::vector<QString> SparsPage::sparTypeNames()
{
    std::vector<QString> names;
    for (int i = 0; i < SparDefinition::getNumberOfTypes(); ++i)
        names.push_back(SparDefinition::getTypeName(i));
    return names;
}

SparDefinition* SparsPage::editedSpar()
{
    SparsTableModel* model = sparModel();
    if (!model || !dialog.workingPanel)
        return nullptr;
    bool found = false;
    SparDefinition& record = model->findEditableSpar(editorRow, found);
    return found ? &record : nullptr;
}

PanelPage::PositionRow SparsPage::positionRow(int type) const
{
    switch (type) {
    case 0:
        return {ui->txtRoundSparPosition,    ui->txtRoundSparLastPosition,          ui->rbRoundSparPositionPercentage,
                ui->rbRoundSparPositionMM,   ui->rbRoundSparLastPositionPercentage, ui->rbRoundSparLastPositionMM,
                ui->chkRoundSparSeparateEnd, ui->rbRoundSparDistanceFromLE,         ui->rbRoundSparDistanceFromTE};
    case 1:
        return {ui->txtSquareSparPosition,
                ui->txtSquareSparLastPosition,
                ui->rbSquareSparPositionPercentage,
                ui->rbSquareSparPositionMM,
                ui->rbSquareSparLastPositionPercentage,
                ui->rbSquareSparLastPositionMM,
                ui->chkSquareSparSeparateEnd,
                ui->rbSqSparDistanceFromLE,
                ui->rbSqSparDistanceFromTE};
    case 2:
        return {ui->txtWebbingPosition,        ui->txtWebbingLastPosition,          ui->rbWebbingPositionPercentage,
                ui->rbWebbingPositionMM,       ui->rbWebbingLastPositionPercentage, ui->rbWebbingLastPositionMM,
                ui->chkWebbingSparSeparateEnd, ui->rbWebbingSparDistanceFromLE,     ui->rbWebbingSparDistanceFromTE};
    default:
        return {ui->txtCubePosition,        ui->txtCubeLastPosition,          ui->rbCubePositionPercentage,
                ui->rbCubePositionMM,       ui->rbLastCubePositionPercentage, ui->rbLastCubePositionMM,
                ui->chkCubeSparSeparateEnd, ui->rbCubeSparDistanceFromLE,     ui->rbCubeSparDistanceFromTE};
    }
}
