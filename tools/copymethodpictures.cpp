// Draws the three pictures of the copy-method dialog: two adjoining wing
// panels seen at a slant, the second panel's spars as each method makes
// them. Run by hand; the output is committed.
//
//   g++ -std=c++17 -fPIC tools/copymethodpictures.cpp $(pkg-config --cflags --libs Qt5Gui) -o /tmp/cmp
//   QT_QPA_PLATFORM=offscreen /tmp/cmp images

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <cmath>
#include <vector>

namespace {

constexpr int Width = 886;
constexpr int Height = 371;
constexpr int RibsPerPanel = 6;
constexpr double PanelSpan = 360.0;
constexpr double Chord = 230.0;

// A spar of the first panel: chord-wise place (0..1) and its rib range.
struct Spar
{
    double station;
    int firstRib;
    int lastRib;
};

// The spar that runs into the connection rib, and one that stops short.
const Spar ReachingSpar{0.30, 2, RibsPerPanel - 1};
const Spar ShortSpar{0.62, 0, 3};

// Seen from above and a little from the side: span s to the right, chord c
// downwards, height h tilted to the right so the rib sections show.
QPointF project(double s, double c, double h)
{
    return QPointF(70.0 + s + 1.3 * h, 50.0 + 1.1 * c - 0.2 * h);
}

double thickness(double x)
{
    // A plain symmetric section, thick enough to read at this size.
    return 0.12 / 0.2 * (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x
                         - 0.1015 * x * x * x * x)
           * Chord;
}

double ribSpan(int panel, int rib)
{
    return panel * PanelSpan + rib * PanelSpan / (RibsPerPanel - 1);
}

void drawRib(QPainter& p, double s)
{
    QPainterPath outline;
    const int n = 40;
    for (int i = 0; i <= n; ++i) {
        const double x = 0.5 - 0.5 * std::cos(M_PI * i / n);
        const QPointF pt = project(s, x * Chord, thickness(x) + 0.03 * Chord * std::sin(M_PI * x));
        i == 0 ? outline.moveTo(pt) : outline.lineTo(pt);
    }
    for (int i = n; i >= 0; --i) {
        const double x = 0.5 - 0.5 * std::cos(M_PI * i / n);
        outline.lineTo(project(s, x * Chord, -thickness(x) + 0.03 * Chord * std::sin(M_PI * x)));
    }
    p.setPen(QPen(QColor(90, 90, 90), 1.5));
    p.setBrush(QColor(225, 215, 190, 200));
    p.drawPath(outline);
}

void drawEdges(QPainter& p)
{
    p.setPen(QPen(QColor(40, 40, 40), 2.5));
    const double end = 2 * PanelSpan;
    p.drawLine(project(0, 0, 0), project(end, 0, 0));
    p.drawLine(project(0, Chord, 0), project(end, Chord, 0));
}

void drawSpar(QPainter& p, int panel, int firstRib, int lastRib, double station, const QColor& colour)
{
    const double c = station * Chord;
    const double halfWidth = 0.035 * Chord;
    const double h = 0.03 * Chord * std::sin(M_PI * station) + thickness(station);
    const double s0 = ribSpan(panel, firstRib);
    const double s1 = ribSpan(panel, lastRib);
    p.setPen(QPen(colour.darker(140), 1.5));
    p.setBrush(colour);
    QPolygonF strip;
    strip << project(s0, c - halfWidth, h) << project(s1, c - halfWidth, h) << project(s1, c + halfWidth, h)
          << project(s0, c + halfWidth, h);
    p.drawPolygon(strip);
}

// How the second panel takes over the first panel's spars.
enum class Method { Verbatim, Mirror, VerbatimPlusMirror };

void drawPicture(QPainter& p, Method method)
{
    p.fillRect(0, 0, Width, Height, Qt::white);
    p.setRenderHint(QPainter::Antialiasing);

    for (int panel = 0; panel < 2; ++panel)
        for (int rib = (panel == 0 ? 0 : 1); rib < RibsPerPanel; ++rib)
            drawRib(p, ribSpan(panel, rib));

    const QColor original(50, 90, 200);
    const QColor copied(40, 160, 70);
    drawSpar(p, 0, ReachingSpar.firstRib, ReachingSpar.lastRib, ReachingSpar.station, original);
    drawSpar(p, 0, ShortSpar.firstRib, ShortSpar.lastRib, ShortSpar.station, original);

    const int last = RibsPerPanel - 1;
    const bool mirror = method != Method::Verbatim;
    const bool verbatim = method != Method::Mirror;
    if (mirror) {
        // Mirrored about the connection rib: the spar's end at the joint
        // becomes its start in the next panel.
        drawSpar(p, 1, last - ReachingSpar.lastRib, last - ReachingSpar.firstRib, ReachingSpar.station, copied);
    } else {
        drawSpar(p, 1, ReachingSpar.firstRib, ReachingSpar.lastRib, ReachingSpar.station, copied);
    }
    if (verbatim)
        drawSpar(p, 1, ShortSpar.firstRib, ShortSpar.lastRib, ShortSpar.station, copied);

    drawEdges(p);

    // The connection rib.
    p.setPen(QPen(QColor(220, 0, 0), 3));
    const double x = project(PanelSpan, 0, 0).x();
    p.drawLine(QPointF(x, 12), QPointF(x, Height - 12));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("images"));
    const struct
    {
        Method method;
        const char* file;
    } pictures[] = {
        {Method::Verbatim, "panel_copy_verbatim.png"},
        {Method::Mirror, "panel_copy_mirror.png"},
        {Method::VerbatimPlusMirror, "panel_copy_verbatim_plus_mirror.png"},
    };
    for (const auto& picture : pictures) {
        QImage image(Width, Height, QImage::Format_RGB32);
        QPainter painter(&image);
        drawPicture(painter, picture.method);
        painter.end();
        if (!image.save(out.filePath(picture.file)))
            return 1;
    }
    return 0;
}
