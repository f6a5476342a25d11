#include "editing/AirfoilImportDialog.h"

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "foundation/AtomicFileWriter.h"
#include "foundation/CLocale.h"
#include "foundation/DialogSeam.h"
#include "foundation/Vector3D.h"
#include "foundation/XDoubleSpinBox.h"
#include "ui_AirfoilImportDialog.h"
#include "views/AirfoilDrawingArea.h"

#include <QFileInfo>

namespace {

Airfoil* readAirfoil(const QString& path, AirfoilFileType type)
{
    // Reading a file uses nothing of the library; without one (a dialog
    // opened before the airfoils are loaded) a passing reader does as well.
    if (WingFoils* library = WingFoils::instance())
        return library->loadAirfoilFile(path, type);
    WingFoils reader;
    return reader.loadAirfoilFile(path, type);
}

// The name line as written. The reader ends a line at the first character
// outside printable ASCII, drops leading blanks and turns every "&" into
// "&amp;"; a name it cannot give back unchanged would come back at the next
// start under another key than the one the library holds now, and panels
// naming it would lose their airfoil. So accents are dropped ("Müller"
// becomes "Muller"), what is left outside ASCII becomes "?", and loaded
// names, whose ampersands are already escaped, are written unescaped.
QString writtenName(const QString& text)
{
    QString name = text;
    name.replace(QLatin1String("&amp;"), QLatin1String("&"));
    QString written;
    for (const QChar c : name.normalized(QString::NormalizationForm_KD)) {
        if (c.isMark())
            continue;
        if (c == QLatin1Char('\t'))
            written += QLatin1Char(' ');
        else if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            written += QLatin1Char('?');
        else
            written += c;
    }
    int blanks = 0;
    while (blanks < written.size() && written[blanks] == QLatin1Char(' '))
        ++blanks;
    written = written.mid(blanks);
    // Alone on the first line, the marker of the extended form would be
    // read as that marker and the first point as the name; with a blank
    // behind it the line is a name.
    if (written == QLatin1String(ExtendedDatMarker))
        written += QLatin1Char(' ');
    return written;
}

// The name the written file gives back when it is read.
QString readBackName(const QString& text)
{
    return writtenName(text).replace(QLatin1String("&"), QLatin1String("&amp;"));
}

// The file is always written as DAT and read as such at the next start
// only under a ".dat" name: kept as "x.cor" it would be read as COR, named
// after the file instead of its name line. Only a plain file name counts,
// as only files directly in the imported-airfoils folder are loaded.
QString datFileName(const QString& text)
{
    const QString name = QFileInfo(text.trimmed()).fileName();
    if (name.isEmpty() || getAirfoilFileType(name) == AirfoilFileType::Dat)
        return name;
    return name + QLatin1String(".dat");
}

} // namespace

AirfoilImportDialog::AirfoilImportDialog(QWidget* parent, const QString& path, AirfoilFileType type,
                                         bool* ok)
    : QDialog(parent), ui(new Ui::AirfoilImportDialog)
{
    ui->setupUi(this);
    // Before the loaded name is filled in, which the limit then cuts.
    ui->txtAirfoilName->setMaxLength(maxNameLength);
    ui->txtScaleFactor->setValue(1.0, true);
    const QFileInfo source(path);
    ui->txtTargetFileName->setText(getAirfoilFileType(source.fileName()) == AirfoilFileType::Dat
                                       ? source.fileName()
                                       : datFileName(source.completeBaseName()));

    Airfoil* airfoil = readAirfoil(path, type);
    if (airfoil != nullptr) {
        ui->txtAirfoilName->setText(airfoil->getName());
        preview = new AirfoilDrawingArea(nullptr, airfoil);
        ui->grphAirfoilView->setScene(preview);
    }
    if (ok != nullptr)
        *ok = airfoil != nullptr;

    connect(ui->txtScaleFactor, SIGNAL(valueChanged(const QString&)), this, SLOT(scaleChanged()));
    ui->txtScaleFactor->setDisplayMode(0, 1.0f);
}

AirfoilImportDialog::~AirfoilImportDialog()
{
    delete ui;
    delete preview;
}

QString AirfoilImportDialog::getTargetFileName() const
{
    return datFileName(ui->txtTargetFileName->text());
}

QString AirfoilImportDialog::getAirfoilName() const
{
    return readBackName(ui->txtAirfoilName->text());
}

float AirfoilImportDialog::getScale() const
{
    return preview != nullptr ? preview->getScale() : 1.0f;
}

Airfoil* AirfoilImportDialog::takeAirfoil()
{
    return preview != nullptr ? preview->takeAirfoil() : nullptr;
}

void AirfoilImportDialog::scaleChanged()
{
    if (preview == nullptr)
        return;
    // The field's own text follows the user's locale ("1,5"); its C-locale
    // form is what a number conversion understands.
    float scale = 1.0f;
    if (!CLocale::parseFloat(ui->txtScaleFactor->valueText(), scale))
        return;
    preview->setScale(scale);
    preview->update();
}

void AirfoilImportDialog::accept()
{
    if (getAirfoilName().isEmpty()) {
        DialogSeam::warning(this, tr("Airfoil name missing"), tr("Please enter a name for the airfoil."));
        ui->txtAirfoilName->setFocus();
        return;
    }
    QDialog::accept();
}

bool AirfoilImportDialog::writeDatFile(const QString& path)
{
    if (preview == nullptr || preview->getAirfoil() == nullptr)
        return false;

    const float scale = preview->getScale();
    QByteArray content = writtenName(ui->txtAirfoilName->text()).toLatin1() + '\n';
    for (const Vector3D* point : preview->getAirfoil()->getCoords()) {
        content += CLocale::format(point->getX(), 'f', 6).toLatin1();
        content += ' ';
        content += CLocale::format(point->getY() * scale, 'f', 6).toLatin1();
        content += '\n';
    }

    // Written whole or not at all: a half-written file in the imported
    // folder would be read at every start as a broken airfoil.
    QString reason;
    if (!AtomicFileWriter::writeFile(path, content, &reason)) {
        DialogSeam::warning(this, tr("Import failed"),
                            tr("Writing the file %1 failed: %2").arg(path, reason));
        return false;
    }
    return true;
}
