// Draws the pictures of the application shell: the splash screen, the small
// window icon and the icons of the wing panel buttons (the New and Exit
// pictures, which the buttons share with the main window, come from
// tools/make_icons.cpp). Run by hand after changing a drawing; the PNG files
// it writes are committed and listed in resources.qrc.
//
//   g++ -std=c++17 -fPIC tools/shell_pictures.cpp $(pkg-config --cflags --libs Qt5Gui) -o /tmp/shell_pictures
//   QT_QPA_PLATFORM=offscreen /tmp/shell_pictures .
//
// The argument is the repository root; pictures go to its images/ and icons/
// folders.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// One wing half seen from above, root at x = 0, span along +x, leading edge
// up: a straight inner panel and a swept, tapered outer panel. Scaled to
// span x chord.
QPolygonF wingHalf(double span, double chord)
{
    return QPolygonF({QPointF(0, 0), QPointF(0.55 * span, 0.02 * chord), QPointF(span, 0.22 * chord),
                      QPointF(span, 0.62 * chord), QPointF(0.55 * span, chord), QPointF(0, chord)});
}

void drawWing(QPainter& p, const QPointF& centre, double halfSpan, double chord, const QColor& fill,
              const QColor& outline, double ribStep)
{
    p.save();
    p.translate(centre.x(), centre.y() - chord / 2);
    for (int side : {1, -1}) {
        p.save();
        p.scale(side, 1);
        const QPolygonF half = wingHalf(halfSpan, chord);
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPolygon(half);
        if (ribStep > 0) {
            // Ribs as thin lines between the edges, clipped to the outline.
            QPainterPath clip;
            clip.addPolygon(half);
            p.setClipPath(clip);
            p.setPen(QPen(outline.lighter(160), 1));
            for (double x = ribStep; x < halfSpan; x += ribStep)
                p.drawLine(QPointF(x, 0), QPointF(x, chord));
            p.setClipping(false);
        }
        p.setPen(QPen(outline, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(half);
        p.restore();
    }
    p.restore();
}

QImage splash()
{
    QImage image = blank(520, 300);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setColorAt(0, QColor(32, 74, 135));
    sky.setColorAt(1, QColor(114, 159, 207));
    p.fillRect(image.rect(), sky);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1));
    for (int x = 0; x < 520; x += 20)
        p.drawLine(x, 0, x, 300);
    for (int y = 0; y < 300; y += 20)
        p.drawLine(0, y, 520, y);
    drawWing(p, QPointF(260, 110), 230, 70, QColor(238, 238, 236), QColor(46, 52, 54), 14);
    p.setPen(Qt::white);
    QFont title(QStringLiteral("DejaVu Sans"), 34, QFont::Bold);
    p.setFont(title);
    p.drawText(QRect(0, 170, 520, 60), Qt::AlignCenter, QStringLiteral("Planformix"));
    QFont line(QStringLiteral("DejaVu Sans"), 11);
    p.setFont(line);
    p.drawText(QRect(0, 228, 520, 30), Qt::AlignCenter, QStringLiteral("Wings for model aircraft"));
    p.drawText(QRect(0, 262, 510, 30), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Loading airfoils..."));
    p.setPen(QPen(QColor(255, 255, 255, 160), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 518, 298));
    return image;
}

QImage windowIcon()
{
    QImage image = blank(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawWing(p, QPointF(8, 8), 7.5, 6, QColor(114, 159, 207), QColor(32, 74, 135), 0);
    return image;
}

// The panel button icons share one size and one outline colour.
const int IconSize = 22;
const QColor Ink(46, 52, 54);

QImage editPanel()
{
    QImage image = blank(IconSize, IconSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // A sheet with lines of text and a pencil across it.
    p.setPen(QPen(Ink, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 2.5, 13, 17));
    p.setPen(QPen(QColor(136, 138, 133), 1));
    for (int y = 6; y <= 16; y += 3)
        p.drawLine(QPointF(6, y + 0.5), QPointF(14, y + 0.5));
    p.save();
    p.translate(12, 13);
    p.rotate(-45);
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(252, 175, 62));
    p.drawRect(QRectF(-2, -9, 4, 12));
    p.setBrush(QColor(233, 185, 110));
    p.drawPolygon(QPolygonF({QPointF(-2, 3), QPointF(2, 3), QPointF(0, 7)}));
    p.restore();
    return image;
}

// A blue arrow pointing up; the down arrow is its mirror image.
QImage arrow(bool up)
{
    QImage image = blank(IconSize, IconSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (!up) {
        p.translate(0, IconSize);
        p.scale(1, -1);
    }
    QPolygonF shape({QPointF(11, 2), QPointF(20, 11), QPointF(15, 11), QPointF(15, 20), QPointF(7, 20),
                     QPointF(7, 11), QPointF(2, 11)});
    p.setPen(QPen(QColor(32, 74, 135), 1));
    p.setBrush(QColor(114, 159, 207));
    p.drawPolygon(shape);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <repository root>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    root.mkpath(QStringLiteral("images"));
    root.mkpath(QStringLiteral("icons"));
    const std::vector<std::pair<QString, std::function<QImage()>>> pictures = {
        {QStringLiteral("images/splash.png"), splash},
        {QStringLiteral("images/icon_16x16.png"), windowIcon},
        {QStringLiteral("icons/accessories-text-editor.png"), editPanel},
        {QStringLiteral("icons/go-up.png"), [] { return arrow(true); }},
        {QStringLiteral("icons/go-down.png"), [] { return arrow(false); }},
    };
    int failures = 0;
    for (const auto& picture : pictures) {
        const QString path = root.filePath(picture.first);
        if (!picture.second().save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
