#include "output/PrintJob.h"

#include "document/PlaneModel.h"
#include "foundation/AtomicFileWriter.h"
#include "foundation/DialogSeam.h"
#include "foundation/FileErrorText.h"
#include "foundation/MemoryReserve.h"
#include "model/Panel.h"
#include "output/ConsumedRibs.h"
#include "output/DihedralTablePrinter.h"
#include "output/OutputProgress.h"
#include "output/PlanformPrinter.h"
#include "output/PrintDialog.h"
#include "output/PrintPage.h"
#include "output/RibSheetPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <cerrno>
#include <cmath>
#include <new>
#include <fcntl.h>
#include <unistd.h>

namespace {

// What a page of the PDF engine may take at most, with room to spare;
// printouts begun with less crashed under a limit on the data.
constexpr std::size_t printingRoom = 32 * 1024 * 1024;

QString tr(const char* text)
{
    return QCoreApplication::translate("PrintJob", text);
}

// The box that tells the user the PDF file or the printer could not be
// used; it names the output so the user knows what to fix.
void reportOutputError(QWidget* parent, const QString& output, const QString& reason)
{
    const QString text = QCoreApplication::translate("MainWindow", "<p align='center'>Error creating file ")
                         + output + ": " + reason + "</p>";
    DialogSeam::choice(parent, QMessageBox::Critical, QCoreApplication::translate("MainWindow", "Error exporting to PDF"),
                       text, {QCoreApplication::translate("MainWindow", "Ok")}, 0, 0);
}

QString outputName(const QPrinter* printer)
{
    if (printer->outputFormat() == QPrinter::PdfFormat)
        return QDir::toNativeSeparators(printer->outputFileName());
    return printer->printerName();
}

// The PDF engine keeps quiet about the write that cut its file short.
// Writing on at the end of that file meets the same limit again (a full
// disk, a quota, the largest file allowed) and learns its reason; the file
// is thrown away in any case.
QString reasonWriteStopped(const QString& drawnFile)
{
    const int fd = ::open(QFile::encodeName(drawnFile).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return FileErrorText::reason(errno);
    static const char block[64 * 1024] = {};
    int error = 0;
    // A write that the limit cuts short takes what fits; the next one fails.
    for (int attempt = 0; attempt < 16 && error == 0; ++attempt) {
        if (::write(fd, block, sizeof block) < 0)
            error = errno;
    }
    ::close(fd);
    return error != 0 ? FileErrorText::reason(error) : tr("the file could not be written completely");
}

} // namespace

bool PrintJob::isUsableArea(int pageWidth, int pageHeight)
{
    return pageWidth >= minimumPageWidth && pageHeight >= minimumPageHeight;
}

bool PrintJob::acceptsArea(int pageWidth, int pageHeight, QWidget* parent)
{
    if (isUsableArea(pageWidth, pageHeight))
        return true;
    DialogSeam::warning(parent, tr("Can't print"),
                        tr("<p align='center'>The paper leaves a printable area of %1 x %2 mm after the "
                           "margins.<br>At least %3 x %4 mm are needed; please choose smaller margins "
                           "or a larger paper size.</p>")
                            .arg(pageWidth)
                            .arg(pageHeight)
                            .arg(minimumPageWidth)
                            .arg(minimumPageHeight));
    return false;
}

void PrintJob::setMillimetreUnits(QPainter* painter, const QPaintDevice* device, int pageWidth, int pageHeight)
{
    // The viewport comes from the resolution, not from the device's pixel
    // size: the printable area is rarely a whole number of millimetres, and
    // mapping the truncated millimetres onto the whole area would stretch
    // every template a little, and differently across and along the paper.
    const double dotsPerMmX = device->logicalDpiX() / 25.4;
    const double dotsPerMmY = device->logicalDpiY() / 25.4;
    painter->setWindow(0, 0, pageWidth, pageHeight);
    painter->setViewport(0, 0, static_cast<int>(std::lround(pageWidth * dotsPerMmX)),
                         static_cast<int>(std::lround(pageHeight * dotsPerMmY)));
}

bool PrintJob::printPlane(QPrinter* printer, int pageWidth, int pageHeight, QWidget* parent)
{
    PlaneModel& plane = *PlaneModel::instance();
    if (plane.getDocumentState() == PlaneModel::DocumentState::HeldNotBuilt) {
        DialogSeam::warning(parent, tr("Print / Export to PDF"), PlaneModel::notShownProblem());
        return false;
    }
    OutputProgress progress(parent, tr("Print / Export to PDF"), tr("Printing the pages..."),
                            workOf(plane.getPanelList()));
    const bool printed = printPages(
        printer, pageWidth, pageHeight, parent,
        [&](QPainter* painter, int width, int height, QPrinter* device) {
            print(plane, painter, width, height, device, &progress);
        },
        &progress);
    const QStringList consumed = ConsumedRibs::planeNotes(plane.getPanelList());
    const QStringList parted = ConsumedRibs::partedPlaneNotes(plane.getPanelList());
    QStringList told;
    if (!consumed.isEmpty())
        told << tr("These ribs get no template in the printout:") + "\n\n" + consumed.join("\n");
    if (!parted.isEmpty())
        told << tr("These ribs get a template for each of their pieces:") + "\n\n" + parted.join("\n");
    if (printed && !told.isEmpty())
        DialogSeam::message(parent, QMessageBox::Information, tr("Print / Export to PDF"), told.join("\n\n"));
    return printed;
}

bool PrintJob::printPages(QPrinter* printer, int pageWidth, int pageHeight, QWidget* parent,
                          const PageDrawer& drawPages, OutputProgress* progress)
{
    if (!acceptsArea(pageWidth, pageHeight, parent))
        return false;

    // A PDF is drawn into a file beside the target and put in its place only
    // once it is known to be complete: a full disk must not cost the user
    // the printout that was there before.
    const bool toFile = printer->outputFormat() == QPrinter::PdfFormat;
    const QString target = printer->outputFileName();
    AtomicFileWriter pdf(target);
    QString drawnFile;
    if (toFile) {
        AtomicFileWriter::createDocumentsFolderFor(target);
        drawnFile = pdf.openForProducer();
        if (drawnFile.isEmpty()) {
            reportOutputError(parent, outputName(printer), pdf.errorString());
            return false;
        }
        printer->setOutputFileName(drawnFile);
    }

    // The PDF engine goes on with a failed compression and crashes later:
    // a printout is not begun without room to spare.
    if (!MemoryReserve::hasRoomFor(printingRoom)) {
        if (toFile)
            printer->setOutputFileName(target);
        pdf.cancel();
        reportOutputError(parent, outputName(printer), tr("there is not enough memory for the printout"));
        return false;
    }
    QPainter painter;
    errno = 0;
    bool begun = false;
    int error = 0;
    bool outOfMemory = false;
    try {
        begun = painter.begin(printer);
        error = errno;
        if (begun) {
            setMillimetreUnits(&painter, printer, pageWidth, pageHeight);
            drawPages(&painter, pageWidth, pageHeight, printer);
        }
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (outOfMemory) {
        // No page of it goes out, and the file that was there stays.
        MemoryReserve::release();
        try {
            if (painter.isActive()) {
                if (!toFile)
                    printer->abort();
                painter.end();
            }
        } catch (const std::bad_alloc&) {
        }
        if (toFile)
            printer->setOutputFileName(target);
        if (progress)
            progress->finish();
        pdf.cancel();
        reportOutputError(parent, outputName(printer), tr("there is not enough memory for the printout"));
        MemoryReserve::keep();
        return false;
    }
    const bool cancelled = progress != nullptr && progress->isCancelled();
    // A job the printer system has already taken pages of must not go out
    // half; a PDF is drawn to its temporary file and simply not used.
    if (begun && cancelled && !toFile)
        printer->abort();
    const bool ended = begun && painter.end();
    if (toFile)
        printer->setOutputFileName(target);
    if (cancelled) {
        progress->finish();
        pdf.cancel();
        return false;
    }

    // The PDF engine does not report failed writes, so a file cut short (a
    // full disk, a removed medium) is recognised by its missing tail.
    const bool complete = ended && (!toFile || isCompletePdf(drawnFile));
    // A large file takes a while to reach the disk.
    const auto commit = [&pdf] { return pdf.commit(); };
    bool committed = false;
    try {
        committed = complete && toFile && (progress ? progress->finishAside(commit) : commit());
    } catch (const std::bad_alloc&) {
        committed = false;
    }
    // Messages below must not wait behind the progress.
    if (progress)
        progress->finish();

    if (!begun) {
        reportOutputError(parent, outputName(printer),
                          error != 0 ? FileErrorText::reason(error) : tr("the output cannot be opened"));
        return false;
    }
    if (!complete) {
        reportOutputError(parent, outputName(printer),
                          toFile ? reasonWriteStopped(drawnFile) : tr("the file could not be written completely"));
        pdf.cancel();
        return false;
    }
    if (toFile && !committed) {
        reportOutputError(parent, outputName(printer), pdf.errorString());
        return false;
    }
    if (toFile)
        DialogSeam::status(tr("PDF written to %1").arg(outputName(printer)));
    return true;
}

bool PrintJob::isCompletePdf(const QString& path)
{
    // A finished file ends with its cross-reference table's offset and the
    // end mark; the offset must lead to that table, which it only does when
    // no part before it went missing.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    const qint64 tailSize = qMin<qint64>(size, 64);
    if (!file.seek(size - tailSize))
        return false;
    const QByteArray tail = file.read(tailSize);
    static const QByteArray endMark = "%%EOF\n";
    static const QByteArray startMark = "startxref\n";
    const int start = tail.lastIndexOf(startMark);
    if (!tail.endsWith(endMark) || start < 0)
        return false;
    bool ok = false;
    const qint64 offset =
        tail.mid(start + startMark.size(), tail.size() - endMark.size() - start - startMark.size()).trimmed().toLongLong(&ok);
    if (!ok || offset < 0 || offset >= size - tailSize + start || !file.seek(offset))
        return false;
    return file.read(4) == "xref";
}

bool PrintJob::runPrintCommand(PrintSettings* settings, QWidget* parent, const QString& directory,
                               const QString& fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    int printableHeight = 0;
    int printableWidth = 0;
    PrintDialog* dialog = new PrintDialog(&printer, settings, directory, fileName, &printableHeight, &printableWidth);
    printer.setDocName("Planformix printing " + PlaneModel::instance()->getName());
    bool printed = false;
    if (dialog->exec() == QDialog::Accepted) {
        printed = printPlane(&printer, printableWidth, printableHeight, parent);
    }
    delete dialog;
    return printed;
}

long long PrintJob::workOf(const std::list<Panel*>& panels)
{
    // Each panel's ribs go on the rib sheets and on both wing halves; the
    // dihedral table is one unit.
    long long units = 1;
    for (const Panel* panel : panels)
        units += 3 * (static_cast<long long>(panel->getRibList().getRibs().size()) + 1);
    return units;
}

void PrintJob::print(PlaneModel& plane, QPainter* painter, int pageWidth, int pageHeight, QPrinter* printer,
                     OutputProgress* progress)
{
    // Callers that skip printPages still must not reach the page loops
    // with an area they cannot fill.
    if (!acceptsArea(pageWidth, pageHeight, nullptr))
        return;
    // Templates are cut along their lines, so the scale is not left to the
    // caller: a viewport spanning the whole printable area would stretch the
    // truncated millimetres over it.
    if (painter->device() != nullptr)
        setMillimetreUnits(painter, painter->device(), pageWidth, pageHeight);
    painter->setFont(PrintPage::makeFont());
    const QPen entryPen = painter->pen();
    const QPen textPen = PrintPage::makeTextPen(entryPen);
    const QPen gridPen = PrintPage::makeGridPen(entryPen);
    painter->setPen(textPen);
    painter->setBrush(Qt::NoBrush);

    PrintPage page(painter, printer, gridPen, textPen, pageWidth, pageHeight, plane.getName());
    page.setProgress(progress);
    const std::list<Panel*>& panels = plane.getPanelList();
    const float scale = plane.getRootChord();

    RibSheetPrinter(page, scale).print(panels);
    painter->setPen(textPen);

    page.startNewPage();
    if (page.isCancelled())
        return;
    DihedralTablePrinter::print(gridPen, textPen, pageWidth, painter, DihedralTablePrinter::jointsOf(panels));
    page.step(1);

    page.startNewPage();
    painter->setPen(textPen);
    PlanformPrinter(page, scale).print(panels);

    page.startNewPage();
    if (page.isCancelled())
        return;
    painter->setPen(textPen);
    // The left wing is the right one seen in a mirror: every x is drawn at
    // pageWidth - x, while texts use the transform from before.
    const QTransform unmirrored = painter->transform();
    painter->scale(-1, 1);
    painter->translate(-pageWidth, 0);
    page.setUnmirrored(&unmirrored);
    PlanformPrinter(page, scale).print(panels);
    page.setUnmirrored(nullptr);
}
