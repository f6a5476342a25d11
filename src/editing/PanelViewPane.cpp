#include "editing/PanelViewPane.h"

#include "editing/BuildProgressStrip.h"
#include "editing/WingPanelDialog.h"
#include "foundation/XDoubleSpinBox.h"
#include "model/PanelBaseData.h"
#include "ui_WingPanelDialog.h"

#include <QBoxLayout>
#include <QProgressDialog>
#include <algorithm>

PanelViewPane::PanelViewPane(WingPanelDialog& dialog, Ui::WingPanelDialog* ui)
    : QObject(&dialog), dialog(dialog), ui(ui)
{
    connect(ui->visualisationButtons, SIGNAL(topView()), this, SLOT(topView()));
    connect(ui->visualisationButtons, SIGNAL(frontView()), this, SLOT(frontView()));
    connect(ui->visualisationButtons, SIGNAL(leftView()), this, SLOT(leftView()));
    connect(ui->visualisationButtons, SIGNAL(bottomView()), this, SLOT(bottomView()));
    connect(ui->visualisationButtons, SIGNAL(rearView()), this, SLOT(rearView()));
    connect(ui->visualisationButtons, SIGNAL(rightView()), this, SLOT(rightView()));
    connect(ui->visualisationButtons, SIGNAL(view45()), this, SLOT(view45()));
    connect(ui->chkBoxGhostPanels, SIGNAL(toggled(bool)), this, SLOT(chkGhostBoxToggled(bool)));

    // The progress has a room of its own beside OK and Cancel, kept while
    // it is hidden: the preview above keeps its size as it comes and goes.
    auto* room = new QWidget(ui->groupBoxPanelView);
    room->setObjectName(QStringLiteral("panelBuildProgressRoom"));
    auto* strip = new BuildProgressStrip(room);
    room->setMinimumHeight(strip->neededHeight());
    progress = strip;
    if (auto* column = qobject_cast<QBoxLayout*>(ui->groupBoxPanelView->layout())) {
        const int at = column->indexOf(ui->buttonBoxEditPanel);
        column->removeWidget(ui->buttonBoxEditPanel);
        auto* row = new QHBoxLayout;
        row->addWidget(ui->buttonBoxEditPanel, 0, Qt::AlignTop);
        row->addWidget(room, 1, Qt::AlignTop);
        column->insertLayout(at, row);
    }
}

PanelViewPane::PictureHold::PictureHold(PanelViewPane& pane) : pane(pane)
{
    ++pane.holds;
    pane.ui->wingFoilGLWidget->holdPicture(true);
}

PanelViewPane::PictureHold::~PictureHold()
{
    if (--pane.holds == 0 && pane.ribLetGo) {
        pane.ribLetGo = false;
        if (!pane.ui->singleRibDrawingArea->getModel())
            pane.ui->singleRibDrawingArea->setModel(nullptr, pane.ribScale);
    }
    pane.ui->wingFoilGLWidget->holdPicture(false);
}

void PanelViewPane::letGoOfPanel(float scale)
{
    // Neither view may paint a panel that is gone: the 3D view's held
    // picture and the rib view's drawing are their own.
    ui->wingFoilGLWidget->setPanel(nullptr);
    if (holds > 0) {
        ui->singleRibDrawingArea->CADWidget::setModel(nullptr);
        ribLetGo = true;
        ribScale = scale;
    } else {
        ui->singleRibDrawingArea->setModel(nullptr, scale);
    }
}

PlaneVisualisationOptions PanelViewPane::options() const
{
    return PlaneVisualisationOptions(
        ui->chkBoxRibs->isChecked(), ui->chkBoxSpars->isChecked(), ui->chkBoxCovering->isChecked(),
        ui->chkBoxTE->isChecked(), ui->chkBoxLE->isChecked(), ui->chkBoxAxes->isChecked(),
        ui->chkBoxGhostPanels->isChecked(), ui->chkBoxGrayGhosts->isChecked(), ui->hsliderTransparency->value(),
        ui->hsliderGhostTransparency->value(), 0.0f, ui->chkBoxDihedral->isChecked(), ui->chkBoxComb->isChecked());
}

void PanelViewPane::chkGhostBoxToggled(bool state)
{
    ui->chkBoxGrayGhosts->setEnabled(state);
    ui->hsliderGhostTransparency->setEnabled(state);
    dialog.showPreview();
}

#define PRESET_INPUTS                                                                                                  \
    PanelBaseData data;                                                                                                \
    dialog.fillPanelFromDialog(data);                                                                                  \
    const float L = data.getLength();                                                                                  \
    const float R = data.getRootChord();                                                                               \
    const float T = data.getTipChord();                                                                                \
    const float S = data.getSweep();                                                                                   \
    const float W = data.getWingRootChord();                                                                           \
    const float m = std::max(R, L);                                                                                    \
    Q_UNUSED(L)                                                                                                        \
    Q_UNUSED(R)                                                                                                        \
    Q_UNUSED(T)                                                                                                        \
    Q_UNUSED(S)                                                                                                        \
    Q_UNUSED(m)

void PanelViewPane::topView()
{
    PRESET_INPUTS;
    if (W == 0.0f || m == 0.0f || R == 0.0f)
        return;
    ui->wingFoilGLWidget->setModelviewMatrix(WingFoilGLWidget::TopView);
    ui->wingFoilGLWidget->setTranslation(-0.5f * m / W, -0.5f * R / W, -m / W);
}

void PanelViewPane::frontView()
{
    PRESET_INPUTS;
    if (W == 0.0f || m == 0.0f)
        return;
    ui->wingFoilGLWidget->setModelviewMatrix(WingFoilGLWidget::FrontView);
    ui->wingFoilGLWidget->setTranslation(-0.5f * m / W, 0.0f, -m / W);
}

void PanelViewPane::leftView()
{
    PRESET_INPUTS;
    if (W == 0.0f || R == 0.0f)
        return;
    ui->wingFoilGLWidget->setModelviewMatrix(WingFoilGLWidget::LeftView);
    ui->wingFoilGLWidget->setTranslation(0.5f * R / W, 0.0f, -150.0f / W);
}

void PanelViewPane::bottomView()
{
    PRESET_INPUTS;
    if (W == 0.0f || m == 0.0f || R == 0.0f)
        return;
    ui->wingFoilGLWidget->setModelviewMatrix(WingFoilGLWidget::BottomView);
    ui->wingFoilGLWidget->setTranslation(0.5f * m / W, -0.5f * R / W, -m / W);
}

void PanelViewPane::rearView()
{
    PRESET_INPUTS;
    if (W == 0.0f || m == 0.0f)
        return;
    ui->wingFoilGLWidget->setModelviewMatrix(WingFoilGLWidget::RearView);
    ui->wingFoilGLWidget->setTranslation(0.5f * m / W, 0.0f, -(R + m) / W);
}

void PanelViewPane::rightView()
{
    PRESET_INPUTS;
    if (W == 0.0f)
        return;
    ui->wingFoilGLWidget->setModelviewMatrix(WingFoilGLWidget::RightView);
    ui->wingFoilGLWidget->setTranslation(-(0.5f * T + S) / W, 0.0f, -(150.0f + L) / W);
}

#undef PRESET_INPUTS

void PanelViewPane::view45()
{
    ui->wingFoilGLWidget->setDefaultView();
    ui->wingFoilGLWidget->update();
}
