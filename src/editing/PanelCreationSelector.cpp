#include "editing/PanelCreationSelector.h"

#include "foundation/CompiledResources.h"
#include "ui_PanelCreationSelector.h"

PanelCreationSelector::PanelCreationSelector(QWidget* parent)
    : QDialog(parent), ui(new Ui::PanelCreationSelector)
{
    CompiledResources::ensureLoaded();
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

PanelCreationSelector::~PanelCreationSelector()
{
    delete ui;
}

int PanelCreationSelector::exec()
{
    QDialog::exec();
    if (ui->btnSmartCopy->isChecked())
        return SmartCopy;
    if (ui->btnMirrorCopy->isChecked())
        return MirrorCopy;
    return VerbatimCopy;
}
