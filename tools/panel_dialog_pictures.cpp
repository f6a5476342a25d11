// Draws the illustrations of the panel dialog's editor pages (spars, edges,
// sheeting, rib comb) and its two small tool-button icons. Run by hand after
// changing a drawing; the PNG files it writes are committed and listed in
// resources.qrc.
//
//   g++ -std=c++17 -fPIC tools/panel_dialog_pictures.cpp $(pkg-config --cflags --libs Qt5Gui) -o /tmp/pdp
//   QT_QPA_PLATFORM=offscreen /tmp/pdp .
//
// The argument is the repository root. Every picture shows one rib seen from
// the side, leading edge left, with the part the page edits in colour and its
// sizes as dimension arrows named like the fields beside the picture. Each
// picture is drawn twice from the same geometry: with the English words under
// its own name, and with the German words of the fields (the captions in
// translations/german.py, without their colons) under the name with "-de"
// that the German catalogue maps it to.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTransform>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor ink(40, 40, 45);
const QColor ribFill(235, 222, 190);
const QColor partFill(70, 120, 200);
const QColor partEdge(30, 60, 130);
const QColor sheetFill(200, 110, 50);
const QColor dimension(170, 30, 30);

// The names of the measures, as the fields beside the pictures call them.
struct Words
{
    QString position;
    QString radius;
    QString width;
    QString height;
    QString leDepth;
    QString teDepth;
    QString stripThickness;
    QString stripDepth;
    QString length;
    QString thickness;
    QString offset;
    QString extend;
    QString cutIntoRib;
};

const Words english{"Position", "Radius", "Width", "Height", "LE depth", "TE depth", "Strip thickness",
                    "Strip depth", "Length", "Thickness", "Offset", "Extend", "Cut into rib"};

const Words german{QString::fromUtf8("Abstand von NL"), "Radius", "Breite", QString::fromUtf8("Höhe"),
                   "Tiefe NL", "Tiefe EL", "Dicke der Leiste", "Tiefe der Leiste", QString::fromUtf8("Länge"),
                   "Dicke", "Versatz", QString::fromUtf8("Überstand"), "Einschnitt in Rippe"};

// The rib: a cambered section of 15 % thickness, chord laid out from
// x0 to x0 + chord pixels around the middle line y = mid.
struct Rib
{
    double x0 = 20;
    double chord = 260;
    double mid = 82;

    static double halfThickness(double x)
    {
        const double t = 0.15;
        return 5 * t * (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x - 0.1036 * x * x * x * x);
    }
    static double camber(double x)
    {
        const double m = 0.03, p = 0.4;
        return x < p ? m / (p * p) * (2 * p * x - x * x) : m / ((1 - p) * (1 - p)) * ((1 - 2 * p) + 2 * p * x - x * x);
    }
    double px(double x) const { return x0 + x * chord; }
    double upper(double x) const { return mid - (camber(x) + halfThickness(x)) * chord; }
    double lower(double x) const { return mid - (camber(x) - halfThickness(x)) * chord; }

    // Outline between two chord stations, upper side forward, lower side back.
    QPainterPath section(double from = 0, double to = 1) const
    {
        QPainterPath path;
        const int steps = 120;
        for (int i = 0; i <= steps; ++i) {
            const double x = from + (to - from) * (1 - std::cos(M_PI * i / steps)) / 2;
            const QPointF p(px(x), upper(x));
            i == 0 ? path.moveTo(p) : path.lineTo(p);
        }
        for (int i = steps; i >= 0; --i) {
            const double x = from + (to - from) * (1 - std::cos(M_PI * i / steps)) / 2;
            path.lineTo(px(x), lower(x));
        }
        path.closeSubpath();
        return path;
    }
    // A band of the given pixel thickness along the upper or lower side.
    QPainterPath skin(double from, double to, double thickness, bool top) const
    {
        QPainterPath path;
        const int steps = 60;
        const double sign = top ? 1 : -1;
        auto side = [&](double x) { return top ? upper(x) : lower(x); };
        for (int i = 0; i <= steps; ++i) {
            const double x = from + (to - from) * i / steps;
            const QPointF p(px(x), side(x));
            i == 0 ? path.moveTo(p) : path.lineTo(p);
        }
        for (int i = steps; i >= 0; --i) {
            const double x = from + (to - from) * i / steps;
            path.lineTo(px(x), side(x) + sign * thickness);
        }
        path.closeSubpath();
        return path;
    }
};

void arrowHead(QPainter& p, QPointF tip, QPointF from)
{
    const QPointF d = tip - from;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1e-9)
        return;
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    QPolygonF head;
    head << tip << tip - u * 6 + n * 2.5 << tip - u * 6 - n * 2.5;
    p.drawPolygon(head);
}

// A dimension line with arrows at both ends and its name beside it.
void measure(QPainter& p, QPointF a, QPointF b, const QString& name, bool textBelow = false)
{
    p.save();
    p.setPen(QPen(dimension, 1));
    p.setBrush(dimension);
    p.drawLine(a, b);
    arrowHead(p, a, b);
    arrowHead(p, b, a);
    QFont f = p.font();
    f.setPixelSize(10);
    p.setFont(f);
    const QPointF c = (a + b) / 2;
    const bool vertical = std::abs(a.x() - b.x()) < std::abs(a.y() - b.y());
    QRectF box;
    if (vertical)
        box = QRectF(c.x() + 3, c.y() - 7, 90, 14);
    else
        box = textBelow ? QRectF(c.x() - 60, c.y() + 1, 120, 13) : QRectF(c.x() - 60, c.y() - 14, 120, 13);
    p.drawText(box, (vertical ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter, name);
    p.restore();
}

// Thin guide line from a feature to its dimension line.
void guide(QPainter& p, QPointF a, QPointF b)
{
    p.save();
    p.setPen(QPen(dimension, 0.8, Qt::DotLine));
    p.drawLine(a, b);
    p.restore();
}

void drawRib(QPainter& p, const Rib& rib, const QPainterPath& cut = QPainterPath())
{
    p.setPen(QPen(ink, 1.4));
    p.setBrush(ribFill);
    p.drawPath(cut.isEmpty() ? rib.section() : rib.section().subtracted(cut));
}

void drawPart(QPainter& p, const QPainterPath& part, const QColor& fill = partFill)
{
    p.setPen(QPen(partEdge, 1.2));
    p.setBrush(fill);
    p.drawPath(part);
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = p.font();
    f.setPixelSize(10);
    p.setFont(f);
}

QImage canvas(int w = 300, int h = 150)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

QImage roundSpar(const Words& words)
{
    QImage image = canvas();
    QPainter p(&image);
    prepare(p);
    const Rib rib;
    const double x = 0.28;
    const QPointF c(rib.px(x), (rib.upper(x) + rib.lower(x)) / 2);
    const double r = 10;
    QPainterPath hole;
    hole.addEllipse(c, r, r);
    drawRib(p, rib, hole);
    drawPart(p, hole);
    measure(p, QPointF(rib.px(0), 130), QPointF(c.x(), 130), words.position, true);
    guide(p, c, QPointF(c.x(), 132));
    guide(p, QPointF(rib.px(0), rib.mid), QPointF(rib.px(0), 132));
    measure(p, c, c + QPointF(r * 0.71, -r * 0.71) * 3.2, "");
    p.setPen(dimension);
    p.drawText(QPointF(c.x() + 24, c.y() - 26), words.radius);
    return image;
}

QImage squareSpar(const Words& words)
{
    QImage image = canvas();
    QPainter p(&image);
    prepare(p);
    const Rib rib;
    const double x = 0.32;
    const double w = 14, h = 9, gap = 3;
    const double top = rib.upper(x);
    const QRectF spar(rib.px(x) - w / 2, top - 2, w, h + 2);
    QPainterPath slot;
    slot.addRect(spar.adjusted(-gap, -6, gap, 0));
    drawRib(p, rib, slot);
    QPainterPath part;
    part.addRect(spar);
    drawPart(p, part);
    const double bottom = rib.lower(x);
    QPainterPath lowerSpar;
    lowerSpar.addRect(QRectF(rib.px(x) - w / 2, bottom - h, w, h + 2));
    drawPart(p, lowerSpar, partFill.lighter(140));
    measure(p, QPointF(spar.left(), top - 16), QPointF(spar.right(), top - 16), words.width);
    guide(p, spar.topLeft(), QPointF(spar.left(), top - 18));
    guide(p, spar.topRight(), QPointF(spar.right(), top - 18));
    // The name stands above the rib's outline, which runs through the
    // middle of this short arrow.
    measure(p, QPointF(spar.right() + 26, spar.top()), QPointF(spar.right() + 26, spar.bottom()), "");
    p.setPen(dimension);
    p.drawText(QRectF(spar.right() + 29, spar.top() - 13, 90, 13), Qt::AlignLeft | Qt::AlignBottom, words.height);
    guide(p, spar.topRight(), QPointF(spar.right() + 28, spar.top()));
    guide(p, spar.bottomRight(), QPointF(spar.right() + 28, spar.bottom()));
    measure(p, QPointF(rib.px(0), 134), QPointF(rib.px(x), 134), words.position, true);
    guide(p, QPointF(rib.px(x), bottom), QPointF(rib.px(x), 136));
    guide(p, QPointF(rib.px(0), rib.mid), QPointF(rib.px(0), 136));
    return image;
}

QImage webbing(const Words& words)
{
    QImage image = canvas();
    QPainter p(&image);
    prepare(p);
    const Rib rib;
    const double x = 0.45, w = 8;
    QPainterPath web;
    web.addRect(QRectF(rib.px(x) - w / 2, rib.upper(x) - 1, w, rib.lower(x) - rib.upper(x) + 2));
    drawRib(p, rib, web);
    drawPart(p, web);
    const double above = rib.upper(x) - 14;
    measure(p, QPointF(rib.px(x) - w / 2, above), QPointF(rib.px(x) + w / 2, above), words.width);
    measure(p, QPointF(rib.px(0), 134), QPointF(rib.px(x), 134), words.position, true);
    guide(p, QPointF(rib.px(x), rib.lower(x)), QPointF(rib.px(x), 136));
    guide(p, QPointF(rib.px(0), rib.mid), QPointF(rib.px(0), 136));
    return image;
}

QImage cubeSpar(const Words& words)
{
    QImage image = canvas();
    QPainter p(&image);
    prepare(p);
    const Rib rib;
    const double x = 0.3, w = 12, h = 18;
    const QPointF c(rib.px(x), (rib.upper(x) + rib.lower(x)) / 2);
    QPainterPath cube;
    cube.addRect(QRectF(c.x() - w / 2, c.y() - h / 2, w, h));
    drawRib(p, rib, cube);
    drawPart(p, cube);
    measure(p, QPointF(c.x() - w / 2, rib.upper(x) - 12), QPointF(c.x() + w / 2, rib.upper(x) - 12), words.width);
    guide(p, QPointF(c.x() - w / 2, c.y() - h / 2), QPointF(c.x() - w / 2, rib.upper(x) - 14));
    guide(p, QPointF(c.x() + w / 2, c.y() - h / 2), QPointF(c.x() + w / 2, rib.upper(x) - 14));
    const double right = c.x() + w / 2 + 40;
    measure(p, QPointF(right, c.y() - h / 2), QPointF(right, c.y() + h / 2), words.height);
    guide(p, QPointF(c.x() + w / 2, c.y() - h / 2), QPointF(right + 2, c.y() - h / 2));
    guide(p, QPointF(c.x() + w / 2, c.y() + h / 2), QPointF(right + 2, c.y() + h / 2));
    measure(p, QPointF(rib.px(0), 134), QPointF(c.x(), 134), words.position, true);
    guide(p, QPointF(c.x(), c.y() + h / 2), QPointF(c.x(), 136));
    guide(p, QPointF(rib.px(0), rib.mid), QPointF(rib.px(0), 136));
    return image;
}

QImage leadingEdge(const Words& words)
{
    QImage image = canvas();
    QPainter p(&image);
    prepare(p);
    const Rib rib;
    const double depth = 0.09;
    drawRib(p, rib);
    drawPart(p, rib.section(0, depth));
    measure(p, QPointF(rib.px(0), 128), QPointF(rib.px(depth), 128), words.leDepth, true);
    guide(p, QPointF(rib.px(0), rib.mid), QPointF(rib.px(0), 130));
    guide(p, QPointF(rib.px(depth), rib.lower(depth)), QPointF(rib.px(depth), 130));
    return image;
}

QImage trailingEdge(const Words& words)
{
    QImage image = canvas();
    QPainter p(&image);
    prepare(p);
    const Rib rib;
    const double from = 0.8;
    drawRib(p, rib);
    drawPart(p, rib.section(from, 1));
    measure(p, QPointF(rib.px(from), 128), QPointF(rib.px(1), 128), words.teDepth, true);
    guide(p, QPointF(rib.px(from), rib.lower(from)), QPointF(rib.px(from), 130));
    guide(p, QPointF(rib.px(1), rib.lower(1)), QPointF(rib.px(1), 130));
    return image;
}

// The trailing edge with a strip glued on its front face, drawn larger.
QImage trailingEdgeStrip(const Words& words)
{
    QImage image = canvas();
    QPainter p(&image);
    prepare(p);
    Rib rib;
    rib.x0 = -300;
    rib.chord = 560;
    rib.mid = 70;
    const double te = 0.72, strip = 0.70;
    drawRib(p, rib);
    drawPart(p, rib.section(te, 1));
    drawPart(p, rib.section(strip, te), sheetFill);
    measure(p, QPointF(rib.px(te), 120), QPointF(rib.px(1), 120), words.teDepth, true);
    guide(p, QPointF(rib.px(te), rib.lower(te)), QPointF(rib.px(te), 122));
    guide(p, QPointF(rib.px(1), rib.lower(1)), QPointF(rib.px(1), 122));
    measure(p, QPointF(rib.px(strip), 30), QPointF(rib.px(te), 30), "");
    p.setPen(dimension);
    p.drawText(QPointF(rib.px(strip) - 40, 22), words.stripThickness);
    const double sx = rib.px(strip) - 14;
    measure(p, QPointF(sx, rib.upper(strip)), QPointF(sx, rib.lower(strip)), "");
    p.setPen(dimension);
    p.drawText(QPointF(sx - 66, rib.mid + 40), words.stripDepth);
    return image;
}

QImage sheeting(const Words& words)
{
    QImage image = canvas();
    QPainter p(&image);
    prepare(p);
    const Rib rib;
    const double length = 0.45, thickness = 4;
    drawRib(p, rib);
    drawPart(p, rib.skin(0, length, thickness, true), sheetFill);
    drawPart(p, rib.skin(0, length, thickness, false), sheetFill);
    measure(p, QPointF(rib.px(0), 132), QPointF(rib.px(length), 132), words.length, true);
    guide(p, QPointF(rib.px(length), rib.lower(length)), QPointF(rib.px(length), 134));
    guide(p, QPointF(rib.px(0), rib.mid), QPointF(rib.px(0), 134));
    const double x = 0.3;
    measure(p, QPointF(rib.px(x), rib.upper(x) - 14), QPointF(rib.px(x), rib.upper(x) + thickness), "");
    p.setPen(dimension);
    p.drawText(QPointF(rib.px(x) + 4, rib.upper(x) - 10), words.thickness);
    return image;
}

// A strip of sheeting that starts some way behind the leading edge.
QImage advancedSheeting(const Words& words)
{
    QImage image = canvas(310, 150);
    QPainter p(&image);
    prepare(p);
    Rib rib;
    rib.x0 = 25;
    const double from = 0.2, to = 0.6;
    drawRib(p, rib);
    drawPart(p, rib.skin(from, to, 4, true), sheetFill);
    const double y = 26;
    measure(p, QPointF(rib.px(0), y), QPointF(rib.px(from), y), words.offset);
    measure(p, QPointF(rib.px(from), y), QPointF(rib.px(to), y), words.length);
    guide(p, QPointF(rib.px(0), rib.mid), QPointF(rib.px(0), y - 2));
    guide(p, QPointF(rib.px(from), rib.upper(from)), QPointF(rib.px(from), y - 2));
    guide(p, QPointF(rib.px(to), rib.upper(to)), QPointF(rib.px(to), y - 2));
    return image;
}

// A comb standing through the rib: its needle sits in a slit cut into the
// rib, its bar runs above and below.
QImage ribComb(const Words& words)
{
    QImage image = canvas();
    QPainter p(&image);
    prepare(p);
    const Rib rib;
    const double x = 0.5, w = 6;
    const double top = rib.upper(x), bottom = rib.lower(x);
    const double cutDepth = (bottom - top) * 0.5;
    QPainterPath slit;
    slit.addRect(QRectF(rib.px(x) - w / 2, top - 1, w, cutDepth + 1));
    drawRib(p, rib, slit);
    QPainterPath needle, bar;
    needle.addRect(QRectF(rib.px(x) - w / 2, top - 22, w, 22 + cutDepth));
    bar.addRect(QRectF(rib.px(x) - 30, top - 22, 60, 6));
    drawPart(p, needle.united(bar));
    const double side = rib.px(x) + 38;
    measure(p, QPointF(side, top - 22), QPointF(side, top), words.extend);
    guide(p, QPointF(rib.px(x) + 30, top - 22), QPointF(side + 2, top - 22));
    guide(p, QPointF(rib.px(x) + w / 2, top), QPointF(side + 2, top));
    const double inside = rib.px(x) - 22;
    measure(p, QPointF(inside, top), QPointF(inside, top + cutDepth), "");
    p.setPen(dimension);
    // Right-aligned against its arrow, inside the rib; a name too long for
    // one line there breaks into two from the arrow's top down.
    const QRectF oneLine(inside - 80, top + cutDepth / 2 - 7, 76, 14);
    if (p.fontMetrics().horizontalAdvance(words.cutIntoRib) <= oneLine.width())
        p.drawText(oneLine, Qt::AlignRight | Qt::AlignVCenter, words.cutIntoRib);
    else
        p.drawText(QRectF(inside - 80, top + 1, 76, 26), Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap,
                   words.cutIntoRib);
    measure(p, QPointF(rib.px(x) - w / 2, 134), QPointF(rib.px(x) + w / 2, 134), words.width, true);
    guide(p, QPointF(rib.px(x) - w / 2, top + cutDepth), QPointF(rib.px(x) - w / 2, 136));
    guide(p, QPointF(rib.px(x) + w / 2, top + cutDepth), QPointF(rib.px(x) + w / 2, 136));
    return image;
}

// Tool-button icon: a spar standing square on the rib's chord line.
QImage rightAngleIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 27), QPointF(28, 27));
    p.setPen(QPen(partFill, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12, 27), QPointF(12, 4));
    p.setPen(QPen(dimension, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(12, 19, 8, 8));
    return image;
}

// Tool-button icon for "work it out for me": a gear wheel.
QImage gearIcon()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(16, 16);
    const int teeth = 8;
    QPolygonF outline;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = 2 * M_PI * i / (teeth * 4);
        const double r = (i % 4 == 0 || i % 4 == 1) ? 14.5 : 11;
        outline << c + QPointF(std::cos(a) * r, std::sin(a) * r);
    }
    QPainterPath gear;
    gear.addPolygon(outline);
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 4.5, 4.5);
    p.setPen(QPen(ink, 1.2));
    p.setBrush(QColor(120, 130, 145));
    p.drawPath(gear.subtracted(hole));
    return image;
}

bool save(const QImage& image, const QString& path)
{
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QDir root(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    root.mkpath("images");
    root.mkpath("icons");
    const QString images = root.filePath("images/");
    const QString icons = root.filePath("icons/");

    bool ok = true;
    const struct
    {
        const char* name;
        std::function<QImage(const Words&)> draw;
    } pictures[] = {
        {"SparRound", roundSpar},
        {"SparSquare", squareSpar},
        {"SparWebbing", webbing},
        {"SparCube", cubeSpar},
        {"LEStandard", leadingEdge},
        {"TEStandard", trailingEdge},
        {"TEStrip", trailingEdgeStrip},
        {"sheeting", sheeting},
        {"RibComb", ribComb},
    };
    for (const auto& picture : pictures) {
        ok &= save(picture.draw(english), images + picture.name + ".png");
        ok &= save(picture.draw(german), images + picture.name + "-de.png");
    }
    // Named by language from the start.
    ok &= save(advancedSheeting(english), images + "sheeting-advanced-v2-en.png");
    ok &= save(advancedSheeting(german), images + "sheeting-advanced-v2-de.png");
    ok &= save(rightAngleIcon(), icons + "90deg.png");
    ok &= save(gearIcon(), icons + "applications-system.png");
    return ok ? 0 : 1;
}
