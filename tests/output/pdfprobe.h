#pragma once

// Reads PDF files back with poppler's command-line tools, so that tests
// judge the printout as a reader of the file would see it.

#include <QImage>
#include <algorithm>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace PdfProbe {

inline bool succeeds(QProcess& process, const QString& program, const QStringList& arguments)
{
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitCode() == 0;
}

// What the tool wrote to standard output; empty when it failed.
inline QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    if (!succeeds(process, program, arguments))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pageCount(const QString& pdf)
{
    const QRegularExpressionMatch m =
        QRegularExpression("^Pages:\\s+(\\d+)", QRegularExpression::MultilineOption).match(run("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Page size in millimetres.
inline QSizeF pageSize(const QString& pdf, int page = 1)
{
    const QString info = run("pdfinfo", {"-f", QString::number(page), "-l", QString::number(page), pdf});
    const QRegularExpressionMatch m =
        QRegularExpression("Page\\s+\\d*\\s*size:\\s+([0-9.]+) x ([0-9.]+) pts").match(info);
    if (!m.hasMatch())
        return QSizeF();
    return QSizeF(m.captured(1).toDouble() * 25.4 / 72.0, m.captured(2).toDouble() * 25.4 / 72.0);
}

// The text of one page with runs of spaces reduced to one, so that rows of
// a table compare as plain words.
inline QString pageText(const QString& pdf, int page)
{
    QString text = run("pdftotext", {"-layout", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    return text.replace(QRegularExpression("[ \\t]+"), " ");
}

inline QStringList pageTexts(const QString& pdf)
{
    QStringList pages;
    const int n = pageCount(pdf);
    for (int p = 1; p <= n; ++p)
        pages << pageText(pdf, p);
    return pages;
}

// One page rendered in grey at the given resolution; white is 255.
inline QImage render(const QString& pdf, int page, int dpi)
{
    QTemporaryDir dir;
    const QString base = dir.path() + "/page";
    QProcess process;
    if (!succeeds(process, "pdftoppm",
                  {"-gray", "-r", QString::number(dpi), "-f", QString::number(page), "-l", QString::number(page),
                   "-singlefile", pdf, base}))
        return QImage();
    return QImage(base + ".pgm");
}

// Darkness of a pixel, 0 for white and 1 for black.
inline double ink(const QImage& image, int x, int y)
{
    return (255 - qGray(image.pixel(x, y))) / 255.0;
}

// Length in pixels of the ink along one axis within a band across it: for
// every pixel along, the darkest pixel of the band counts, so partly
// covered end pixels count in part.
inline double inkLength(const QImage& image, bool alongX, int bandFrom, int bandTo)
{
    const int length = alongX ? image.width() : image.height();
    double sum = 0.0;
    for (int along = 0; along < length; ++along) {
        double darkest = 0.0;
        for (int across = bandFrom; across <= bandTo; ++across)
            darkest = std::max(darkest, alongX ? ink(image, along, across) : ink(image, across, along));
        sum += darkest;
    }
    return sum;
}

inline double inkLengthAlongX(const QImage& image, int y0, int y1)
{
    return inkLength(image, true, y0, y1);
}

inline double inkLengthAlongY(const QImage& image, int x0, int x1)
{
    return inkLength(image, false, x0, x1);
}

// First column with ink in a row band, or -1.
inline int firstInkColumn(const QImage& image, int y0, int y1)
{
    for (int x = 0; x < image.width(); ++x)
        for (int y = y0; y <= y1; ++y)
            if (ink(image, x, y) > 0.5)
                return x;
    return -1;
}

} // namespace PdfProbe
