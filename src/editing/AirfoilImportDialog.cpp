#include "editing/AirfoilImportDialog.h"

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "document/DocumentLimits.h"
#include "foundation/AtomicFileWriter.h"
#include "foundation/CLocale.h"
#include "foundation/DialogSeam.h"
#include "foundation/FileErrorText.h"
#include "foundation/ModalProgress.h"
#include "foundation/Vector3D.h"
#include "foundation/XDoubleSpinBox.h"
#include "ui_AirfoilImportDialog.h"
#include "views/AirfoilDrawingArea.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// Reading a file uses nothing of the library, so a passing reader of its
// own serves the worker thread.
Airfoil* readAirfoil(const QString& path, AirfoilFileType type, AirfoilReading& reading)
{
    WingFoils reader;
    return reader.loadAirfoilFile(path, type, &reading);
}

// Reads the file on a worker thread while the GUI thread keeps the window
// painted; once the reading has taken a moment its progress shows in a
// dialog whose Cancel stops it. *cancelled tells whether the user stopped it;
// the airfoil read regardless is dropped then.
Airfoil* readAirfoilShowingProgress(QWidget* parent, const QString& path, AirfoilFileType type,
                                    AirfoilReading& reading, const QString& title, const QString& label,
                                    const QString& cancelText, bool* cancelled)
{
    *cancelled = false;
    Airfoil* airfoil = nullptr;
    std::mutex mutex;
    std::condition_variable finishedChanged;
    bool finished = false;
    std::thread worker;
    try {
        worker = std::thread([&] {
            Airfoil* read = readAirfoil(path, type, reading);
            const std::lock_guard<std::mutex> lock(mutex);
            airfoil = read;
            finished = true;
            finishedChanged.notify_one();
        });
    } catch (const std::system_error&) {
        // No thread to be had: read here, as before there were workers.
        return readAirfoil(path, type, reading);
    }

    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> progress;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex);
            if (finishedChanged.wait_for(lock, std::chrono::milliseconds(20), [&] { return finished; }))
                break;
        }
        if (!progress && clock.elapsed() >= ModalProgress::shownAfterMs)
            progress = ModalProgress::open(parent, title, label, cancelText);
        if (!progress || progress->wasCanceled()) {
            // Nothing to click yet, or waiting for the reader to notice the
            // Cancel: paint, but take no input.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            continue;
        }
        progress->setValue(reading.permille());
        QCoreApplication::processEvents();
        if (progress->wasCanceled())
            reading.cancel();
    }
    worker.join();
    if (progress && progress->wasCanceled()) {
        *cancelled = true;
        delete airfoil;
        airfoil = nullptr;
    }
    return airfoil;
}

// The name line as written. The reader ends a line at a control character,
// drops leading blanks (and a byte order mark at the start of the file) and
// turns every "&" into "&amp;"; a name it cannot give back unchanged would
// come back at the next start under another key than the one the library
// holds now, and panels naming it would lose their airfoil. So control
// characters become "?" and loaded names, whose ampersands are already
// escaped, are written unescaped. Letters of any script are written as
// UTF-8, which the reader gives back as they were.
QString writtenName(const QString& text)
{
    QString name = text;
    name.replace(QLatin1String("&amp;"), QLatin1String("&"));
    QString written;
    for (const QChar c : name) {
        if (c == QLatin1Char('\t'))
            written += QLatin1Char(' ');
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            written += QLatin1Char('?');
        else
            written += c;
    }
    int leading = 0;
    while (leading < written.size()
           && (written[leading] == QLatin1Char(' ') || written[leading] == QChar(QChar::ByteOrderMark)))
        ++leading;
    written = written.mid(leading);
    // Alone on the first line, the marker of the extended form would be
    // read as that marker and the first point as the name; with a blank
    // behind it the line is a name.
    if (written == QLatin1String(ExtendedDatMarker))
        written += QLatin1Char(' ');
    // A lone half of a surrogate pair has no UTF-8 form; what the file
    // holds for it is what the name is.
    return QString::fromUtf8(written.toUtf8());
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

// The longest file name the file systems we run on store, in bytes.
const int MaxFileNameBytes = 255;

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

    AirfoilReading reading;
    Airfoil* airfoil = readAirfoilShowingProgress(parent, path, type, reading, windowTitle(),
                                                  tr("Reading the airfoil file..."), tr("Cancel"), &cancelled);
    if (airfoil != nullptr) {
        ui->txtAirfoilName->setText(airfoil->getName());
        preview = new AirfoilDrawingArea(nullptr, airfoil);
        ui->grphAirfoilView->setScene(preview);
    } else if (!cancelled) {
        reason = describeFailure(reading);
        shortOfMemory = reading.failure == AirfoilReadFailure::NotEnoughMemory;
    }
    if (ok != nullptr)
        *ok = airfoil != nullptr;

    connect(ui->txtScaleFactor, SIGNAL(valueChanged(const QString&)), this, SLOT(scaleChanged()));
    ui->txtScaleFactor->setDisplayMode(0, 1.0f);
}

QString AirfoilImportDialog::describeFailure(const AirfoilReading& reading)
{
    switch (reading.failure) {
    case AirfoilReadFailure::CannotOpen:
        return tr("The file cannot be opened: %1").arg(FileErrorText::reason(reading.systemError));
    case AirfoilReadFailure::NotEnoughMemory:
        return tr("There is not enough memory to read the airfoil file.");
    case AirfoilReadFailure::SeveralPoints:
        return tr("A line holds more than one point.");
    case AirfoilReadFailure::NotFinite:
        return tr("A coordinate is not a finite number.");
    case AirfoilReadFailure::TooFewPoints:
        return tr("It holds fewer than %1 distinct points.").arg(AirfoilMinimumPoints);
    case AirfoilReadFailure::NoOutline:
        return tr("Its points give no outline.");
    case AirfoilReadFailure::SeveralElements:
        return tr("It holds several elements (separated by 999 999), not one section.");
    case AirfoilReadFailure::NoGridDomain:
        return tr("The line behind the name is neither a point nor a grid domain of four numbers around the points.");
    case AirfoilReadFailure::FarOffChord:
        return tr("A point lies further off the chord line than the chord is long.");
    case AirfoilReadFailure::CrossesItself:
        return tr("Its outline crosses itself: the points are out of order.");
    case AirfoilReadFailure::None:
    case AirfoilReadFailure::Cancelled:
        break;
    }
    return QString();
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
    // The library keeps every "&" of a name as "&amp;", and panels name
    // their airfoil by that key: a longer key than a document holds would
    // leave every document with a panel cut from this airfoil unsaveable.
    if (getAirfoilName().size() > DocumentLimits::maxNameLength) {
        DialogSeam::warning(this, tr("Airfoil name too long"),
                            tr("The name is kept as %1 characters (each \"&\" as five), where a document holds names of "
                               "at most %2. Please shorten the name.")
                                .arg(getAirfoilName().size())
                                .arg(DocumentLimits::maxNameLength));
        ui->txtAirfoilName->setFocus();
        return;
    }
    const QString problem = targetFileNameProblem();
    if (!problem.isEmpty()) {
        DialogSeam::warning(this, tr("File name not usable"), problem);
        ui->txtTargetFileName->setFocus();
        return;
    }
    QDialog::accept();
}

QString AirfoilImportDialog::targetFileNameProblem() const
{
    // The next start reads every plain file of the imported-airfoils folder
    // and nothing else; a file it does not read takes the airfoil with it.
    const QString name = getTargetFileName();
    if (name.isEmpty())
        return tr("Please enter a file name for the airfoil.");
    if (name.startsWith(QLatin1Char('.')))
        return tr("A file name that starts with a dot is hidden, and the airfoil would not be loaded at the next start.");
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return tr("The file name must not hold control characters.");
    const QByteArray encoded = QFile::encodeName(name);
    if (QFile::decodeName(encoded) != name)
        return tr("The file name holds characters that this system cannot store in a file name.");
    if (encoded.size() > MaxFileNameBytes)
        return tr("The file name is too long: the file system stores at most %1 bytes, this name takes %2.")
            .arg(MaxFileNameBytes)
            .arg(encoded.size());
    return QString();
}

bool AirfoilImportDialog::writeDatFile(const QString& path)
{
    if (preview == nullptr || preview->getAirfoil() == nullptr)
        return false;

    const float scale = preview->getScale();
    QByteArray content = writtenName(ui->txtAirfoilName->text()).toUtf8() + '\n';
    // Every number as the float it is, so that the next start reads the
    // very outline the library holds now (the stations read back exactly
    // and are not sampled again).
    for (const Vector3D* point : preview->getAirfoil()->getCoords()) {
        const float y = point->getY() * scale;
        content += CLocale::toStdString(double(point->getX())).c_str();
        content += ' ';
        content += CLocale::toStdString(double(y)).c_str();
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
