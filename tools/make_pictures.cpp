// Draws the program's compiled-in pictures. Run by hand after changing a
// drawing; the PNG files it writes are committed and listed in resources.qrc.
//
//   g++ -std=c++17 -fPIC tools/make_pictures.cpp $(pkg-config --cflags --libs Qt5Gui) -o /tmp/make_pictures
//   QT_QPA_PLATFORM=offscreen /tmp/make_pictures .
//
// The argument is the repository root; pictures go to its images/ and icons/
// folders. To add a picture, write a function drawing into a QImage and add
// a line to the table in main().

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QVector3D>
#include <QVector>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

// --- The view-direction buttons: a box seen from each side ---------------
//
// Every face keeps its colour in every picture, so the user learns the box
// once: top light blue, bottom slate, front orange, back brown, left green,
// right teal. The box is long like a wing (x along the chord, y up, z along
// the span) and is seen slightly off the named direction, so the faces next
// to the one in front show as slivers and tell which way the box lies.

struct Face
{
    std::array<int, 4> corners;
    QColor colour;
};

const std::array<QVector3D, 8> boxCorners = {
    QVector3D(-0.6f, -0.3f, -1.0f), QVector3D(0.6f, -0.3f, -1.0f), QVector3D(0.6f, 0.3f, -1.0f),
    QVector3D(-0.6f, 0.3f, -1.0f),  QVector3D(-0.6f, -0.3f, 1.0f), QVector3D(0.6f, -0.3f, 1.0f),
    QVector3D(0.6f, 0.3f, 1.0f),    QVector3D(-0.6f, 0.3f, 1.0f)};

// Corners clockwise seen from outside.
const std::array<Face, 6> boxFaces = {{
    {{3, 2, 6, 7}, QColor(140, 190, 240)}, // top (+y)
    {{0, 4, 5, 1}, QColor(90, 100, 120)},  // bottom (-y)
    {{0, 3, 7, 4}, QColor(245, 150, 40)},  // front (-x, leading edge)
    {{1, 5, 6, 2}, QColor(150, 95, 60)},   // back (+x, trailing edge)
    {{4, 7, 6, 5}, QColor(40, 150, 150)},  // right (+z, the right wing's tip)
    {{0, 1, 2, 3}, QColor(80, 170, 80)},   // left (-z)
}};

// Turns the box by yaw about y, then pitch about x; the viewer looks along -z.
QVector3D turned(const QVector3D& p, float yawDeg, float pitchDeg)
{
    const float yaw = yawDeg * float(M_PI) / 180.0f;
    const float pitch = pitchDeg * float(M_PI) / 180.0f;
    const float x1 = p.x() * std::cos(yaw) + p.z() * std::sin(yaw);
    const float z1 = -p.x() * std::sin(yaw) + p.z() * std::cos(yaw);
    const float y2 = p.y() * std::cos(pitch) - z1 * std::sin(pitch);
    const float z2 = p.y() * std::sin(pitch) + z1 * std::cos(pitch);
    return QVector3D(x1, y2, z2);
}

QImage drawBox(float yawDeg, float pitchDeg)
{
    const int size = 64;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    std::array<QVector3D, 8> p;
    for (size_t i = 0; i < p.size(); ++i)
        p[i] = turned(boxCorners[i], yawDeg, pitchDeg);

    // Every view fills the picture, so an end view is as easy to see as a side view.
    float reach = 0.0f;
    for (const QVector3D& v : p)
        reach = std::max({reach, std::abs(v.x()), std::abs(v.y())});
    const float scale = size * 0.44f / reach;
    auto screen = [&](const QVector3D& v) { return QPointF(size / 2.0 + v.x() * scale, size / 2.0 - v.y() * scale); };

    // Only faces turned toward the viewer; a convex box needs no sorting.
    for (const Face& face : boxFaces) {
        const QVector3D a = p[size_t(face.corners[0])];
        const QVector3D b = p[size_t(face.corners[1])];
        const QVector3D c = p[size_t(face.corners[2])];
        const QVector3D normal = QVector3D::crossProduct(c - a, b - a);
        if (normal.z() <= 1e-4f)
            continue;
        QPolygonF outline;
        for (int corner : face.corners)
            outline << screen(p[size_t(corner)]);
        // Faces seen at a grazing angle are darker, as under a light from the viewer.
        const float light = 0.55f + 0.45f * std::min(1.0f, normal.normalized().z());
        const QColor shaded = QColor::fromRgbF(face.colour.redF() * light, face.colour.greenF() * light,
                                               face.colour.blueF() * light);
        painter.setBrush(shaded);
        painter.setPen(QPen(QColor(40, 40, 40), 1.5));
        painter.drawPolygon(outline);
    }
    return image;
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
        std::function<QImage()> draw;
    };
    // Yaw and pitch that bring the named face to the viewer, a few degrees off.
    const QVector<Picture> pictures = {
        {"images/box-top.png", [] { return drawBox(-100.0f, 78.0f); }},
        {"images/box-bottom.png", [] { return drawBox(-100.0f, -78.0f); }},
        {"images/box-front.png", [] { return drawBox(78.0f, 10.0f); }},
        {"images/box-back.png", [] { return drawBox(-102.0f, 10.0f); }},
        {"images/box-left.png", [] { return drawBox(168.0f, 10.0f); }},
        {"images/box-right.png", [] { return drawBox(12.0f, 10.0f); }},
        {"images/box-45.png", [] { return drawBox(50.0f, 30.0f); }},
    };

    bool ok = true;
    for (const Picture& picture : pictures)
        ok = save(picture.draw(), QDir(root).filePath(QString::fromLatin1(picture.path))) && ok;
    return ok ? 0 : 1;
}
