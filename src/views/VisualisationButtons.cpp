#include "views/VisualisationButtons.h"

#include <QEvent>

#include "foundation/CompiledResources.h"
#include "ui_VisualisationButtons.h"

VisualisationButtons::VisualisationButtons(QWidget* parent) : QWidget(parent), ui(nullptr)
{
    // The button icons come from the compiled-in pictures.
    CompiledResources::ensureLoaded();
    ui = new Ui_VisualisationButtons;
    ui->setupUi(this);

    connect(ui->btnFront, SIGNAL(clicked()), this, SLOT(btnFrontPressed()));
    connect(ui->btnTop, SIGNAL(clicked()), this, SLOT(btnTopPressed()));
    connect(ui->btnLeft, SIGNAL(clicked()), this, SLOT(btnLeftPressed()));
    connect(ui->btnRear, SIGNAL(clicked()), this, SLOT(btnRearPressed()));
    connect(ui->btnBottom, SIGNAL(clicked()), this, SLOT(btnBottomPressed()));
    connect(ui->btnRight, SIGNAL(clicked()), this, SLOT(btnRightPressed()));
    connect(ui->btn45, SIGNAL(clicked()), this, SLOT(btn45Pressed()));
}

VisualisationButtons::~VisualisationButtons()
{
    delete ui;
}

void VisualisationButtons::btnFrontPressed()
{
    emit frontView();
}

void VisualisationButtons::btnRearPressed()
{
    emit rearView();
}

void VisualisationButtons::btnTopPressed()
{
    emit topView();
}

void VisualisationButtons::btnBottomPressed()
{
    emit bottomView();
}

void VisualisationButtons::btnLeftPressed()
{
    emit leftView();
}

void VisualisationButtons::btnRightPressed()
{
    emit rightView();
}

void VisualisationButtons::btn45Pressed()
{
    emit view45();
}

void VisualisationButtons::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
