#include "output/DXFExportDialog.h"

#include "foundation/DialogSeam.h"
#include "foundation/XLineEdit.h"
#include "output/DXFSettings.h"
#include "ui_DXFExportDialog.h"

#include <QPushButton>

namespace {

// "wing.DXF" already names a DXF file: Windows ignores the case of suffixes
// and CAD programs write ".DXF" as often as ".dxf". Only a name without the
// suffix is completed.
QString withDxfSuffix(const QString& name)
{
    if (name.isEmpty() || name.endsWith(QLatin1String(".dxf"), Qt::CaseInsensitive))
        return name;
    return name + QLatin1String(".dxf");
}

} // namespace

DXFExportDialog::DXFExportDialog(DXFSettings* settings)
    : QDialog(nullptr), ui(new Ui::DXFExportDialog), settings(settings)
{
    buildForm();
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    connect(ui->txtFileForDxfExport, SIGNAL(textEdited(const QString&)), this, SLOT(textEdited(const QString&)));
    connect(ui->btnFileForDxfExport, SIGNAL(clicked()), this, SLOT(dxfFileDialog()));
    connect(okButton(), SIGNAL(clicked()), this, SLOT(OKPressed()));

    if (settings != nullptr) {
        ui->txtFileForDxfExport->setText(settings->getFileName());
        ui->chkDrawBox->setChecked(settings->getDrawBox());
    }
    // An empty name could only be "completed" to ".dxf" in whatever folder the
    // program runs in, so OK follows the same rule from the start.
    textEdited(ui->txtFileForDxfExport->text());
}

DXFExportDialog::DXFExportDialog(QWidget* parent)
    : QDialog(parent), ui(new Ui::DXFExportDialog)
{
    buildForm();
}

DXFExportDialog::~DXFExportDialog()
{
    delete ui;
}

void DXFExportDialog::buildForm()
{
    ui->setupUi(this);
}

QAbstractButton* DXFExportDialog::okButton() const
{
    return ui->buttonBox->button(QDialogButtonBox::Ok);
}

void DXFExportDialog::textEdited(const QString& /*text*/)
{
    okButton()->setEnabled(ui->txtFileForDxfExport->isValid() && !ui->txtFileForDxfExport->text().isEmpty());
}

void DXFExportDialog::dxfFileDialog()
{
    if (settings == nullptr)
        return;
    const QString chosen = DialogSeam::saveFileName(nullptr, tr("Export to DXF"), settings->getFileName(),
                                                    QStringLiteral("*.dxf"));
    if (chosen.isEmpty())
        return;
    const QString name = withDxfSuffix(chosen);
    settings->setFileName(name);
    ui->txtFileForDxfExport->setText(name);
    textEdited(name);
}

void DXFExportDialog::OKPressed()
{
    if (settings == nullptr)
        return;
    settings->setFileName(ui->txtFileForDxfExport->text());
    if (ui->txtFileForDxfExport->isValid()) {
        const QString name = withDxfSuffix(ui->txtFileForDxfExport->text());
        ui->txtFileForDxfExport->setText(name);
        settings->setFileName(name);
    }
    settings->setDrawBox(ui->chkDrawBox->isChecked());
}
