// Draws the main window's tool-bar and menu icons and the window icon. Run
// by hand after changing a drawing; the PNG files it writes are committed
// and listed in resources.qrc.
//
//   g++ -std=c++17 -fPIC tools/make_icons.cpp $(pkg-config --cflags --libs Qt5Gui) -o /tmp/make_icons
//   QT_QPA_PLATFORM=offscreen /tmp/make_icons .
//
// The argument is the repository root. Action icons are 32 x 32 pixels, the
// window icon 64 x 64 and the About box's logo 128 x 128; everything is
// drawn on a 32-unit grid and scaled.

#include <QColor>
#include <QFont>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QVector>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor ink(45, 45, 50);
const QColor paper(250, 250, 245);
const QColor blue(60, 110, 190);
const QColor green(60, 150, 70);
const QColor red(200, 50, 45);
const QColor amber(230, 170, 40);

using Drawing = std::function<void(QPainter&)>;

QImage render(int size, const Drawing& draw)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    draw(painter);
    return image;
}

// A floppy disk, the base of the save icons.
void disk(QPainter& p)
{
    p.setPen(QPen(ink, 1.2));
    p.setBrush(blue);
    p.drawPolygon(QPolygonF({{4, 4}, {24, 4}, {28, 8}, {28, 28}, {4, 28}}));
    p.setBrush(paper);
    p.drawRect(QRectF(9, 4, 13, 9));
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(QRectF(8, 18, 16, 10));
    p.setBrush(ink);
    p.drawRect(QRectF(17, 6, 3, 5));
}

// A curved arrow; mirrored gives redo from undo.
void turnArrow(QPainter& p, bool mirrored)
{
    p.save();
    if (mirrored) {
        p.translate(32, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(9, 13);
    arc.cubicTo(16, 6, 28, 9, 27, 19);
    arc.cubicTo(26, 25, 20, 27, 14, 26);
    p.setPen(QPen(blue, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(QPen(ink, 1.0));
    p.setBrush(blue);
    p.drawPolygon(QPolygonF({{3, 8}, {14, 7}, {7, 18}}));
    p.restore();
}

void drawOpen(QPainter& p)
{
    p.setPen(QPen(ink, 1.2));
    p.setBrush(amber.darker(115));
    p.drawPolygon(QPolygonF({{3, 8}, {11, 8}, {13, 10}, {27, 10}, {27, 27}, {3, 27}}));
    p.setBrush(amber);
    p.drawPolygon(QPolygonF({{3, 27}, {8, 15}, {31, 15}, {27, 27}}));
}

void drawSave(QPainter& p) { disk(p); }

void drawSaveAs(QPainter& p)
{
    disk(p);
    // A pencil across the disk: saving under a new name.
    p.setPen(QPen(ink, 1.0));
    p.setBrush(amber);
    p.drawPolygon(QPolygonF({{15, 27}, {27, 15}, {31, 19}, {19, 31}}));
    p.setBrush(ink);
    p.drawPolygon(QPolygonF({{15, 27}, {19, 31}, {13, 32}}));
}

void drawHelp(QPainter& p)
{
    p.setPen(QPen(ink, 1.2));
    p.setBrush(blue);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    QFont font;
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
}

void drawError(QPainter& p)
{
    p.setPen(QPen(ink, 1.2));
    p.setBrush(red);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
}

void drawPrint(QPainter& p)
{
    p.setPen(QPen(ink, 1.2));
    p.setBrush(paper);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(150, 150, 155));
    p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
    p.setBrush(paper);
    p.drawRect(QRectF(9, 20, 14, 10));
    p.setBrush(green);
    p.drawEllipse(QPointF(25, 16), 1.3, 1.3);
}

// A sheet with a folded corner and a green plus; the panel buttons show it
// too, scaled down.
void drawNew(QPainter& p)
{
    p.setPen(QPen(ink, 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{6, 3}, {20, 3}, {26, 9}, {26, 29}, {6, 29}}));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{20, 3}, {20, 9}, {26, 9}}));
    p.setPen(QPen(green, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 14), QPointF(16, 24));
    p.drawLine(QPointF(11, 19), QPointF(21, 19));
}

// A red octagon with a white cross.
void drawStop(QPainter& p)
{
    const double c = 16, r = 14, a = r * 0.4142;
    p.setPen(QPen(red.darker(130), 1.2));
    p.setBrush(red);
    p.drawPolygon(QPolygonF({{c - a, c - r}, {c + a, c - r}, {c + r, c - a}, {c + r, c + a},
                             {c + a, c + r}, {c - a, c + r}, {c - r, c + a}, {c - r, c - a}}));
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c - 6, c - 6), QPointF(c + 6, c + 6));
    p.drawLine(QPointF(c + 6, c - 6), QPointF(c - 6, c + 6));
}

void drawUndo(QPainter& p) { turnArrow(p, false); }
void drawRedo(QPainter& p) { turnArrow(p, true); }

// The window icon: a tapered wing seen from above, with its ribs.
void drawWing(QPainter& p)
{
    const QPolygonF wing({{2, 12}, {30, 8}, {30, 17}, {2, 24}});
    p.setPen(QPen(ink, 1.0));
    p.setBrush(blue);
    p.drawPolygon(wing);
    p.setPen(QPen(paper, 0.8));
    for (int i = 1; i < 7; ++i) {
        const double x = 2 + i * 4.0;
        const double t = (x - 2) / 28.0;
        p.drawLine(QPointF(x, 12 - 4 * t), QPointF(x, 24 - 7 * t));
    }
    p.setPen(QPen(amber, 1.2));
    p.drawLine(QPointF(2, 16.5), QPointF(30, 11.5));
}

bool save(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir(root).mkpath(QStringLiteral("images"));
    QDir(root).mkpath(QStringLiteral("icons"));

    struct Picture
    {
        const char* path;
        int size;
        Drawing draw;
    };
    const QVector<Picture> pictures = {
        {"icons/document-new.png", 32, drawNew},
        {"icons/document-open.png", 32, drawOpen},
        {"icons/document-save.png", 32, drawSave},
        {"icons/document-save-as.png", 32, drawSaveAs},
        {"icons/document-print.png", 32, drawPrint},
        {"icons/help-browser.png", 32, drawHelp},
        {"icons/edit-undo.png", 32, drawUndo},
        {"icons/edit-redo.png", 32, drawRedo},
        {"icons/dialog-error.png", 32, drawError},
        {"icons/process-stop.png", 32, drawStop},
        {"images/icon_64x64.png", 64, drawWing},
        {"images/icon_128x128.png", 128, drawWing},
    };

    bool ok = true;
    for (const Picture& picture : pictures)
        ok = save(render(picture.size, picture.draw), QDir(root).filePath(QString::fromLatin1(picture.path))) && ok;
    return ok ? 0 : 1;
}
