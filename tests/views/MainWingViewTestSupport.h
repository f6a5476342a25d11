#pragma once

// What the wing view tests share: the panels they show, the camera read back
// from the view, and the pixels of its pictures measured.

#include <QAction>
#include <QCheckBox>
#include <QMainWindow>
#include <QSlider>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QtTest>
#include <cmath>
#include <limits>
#include "airfoils/WingFoils.h"
#include "common/TestSupport.h"
#include "document/FileManager.h"
#include "document/PlaneModel.h"
#include "foundation/InputValueType.h"
#include "foundation/XDoubleSpinBox.h"
#include "foundation/DialogSeam.h"
#include "foundation/Mathematics.h"
#include "model/BuildingTabData.h"
#include "model/CoveringDefinition.h"
#include "model/LEData.h"
#include "model/Panel.h"
#include "model/RibCombData.h"
#include "model/RibDefinition.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "model/RibCombList.h"
#include "model/SheetingStripList.h"
#include "model/SparList.h"
#include "model/TEData.h"
#include "planformixdata.pb.h"
#include "views/FrameScheduler.h"
#include "views/MainWingGLWidget.h"
#include "views/WingFrame.h"

namespace {

using Matrix = QVector<float>;

PanelBaseData plainPanel(int id, float length, float rootChord, float tipChord, float dihedral, int ribs = 6)
{
    return PanelBaseData(id, QStringLiteral("Panel %1").arg(id), QStringLiteral("NACA 2412"),
                         QStringLiteral("NACA 2412"), rootChord, tipChord, 0.0f, length, 0.0f, dihedral, false,
                         false, true, 3.0f, ribs, 150.0f, 1.0f, 1.0f, nullptr, LEData(), TEData(), SparList(),
                         SheetingStripList(), CoveringDefinition(), BuildingTabData(), RibCombList());
}

// Every part the view can show: edges, a round and a square spar with
// webbing, sheeting and a rib comb.
PanelBaseData featuredPanel(int id, float length, float rootChord, float tipChord, int ribs)
{
    SparList spars;
    spars.addSpar(SparDefinition(QStringLiteral("round"), SparType::Round, 1, ribs, 20.0f, 20.0f, true, false));
    SparDefinition square(QStringLiteral("square"), SparType::Square, 1, ribs, 35.0f, 35.0f, true, true);
    square.setSquareWebbingType(SquareWebbingType::Middle);
    spars.addSpar(square);
    RibCombList combs;
    RibCombData comb;
    comb.setFirstRib(1);
    comb.setLastRib(ribs);
    combs.append(comb);
    return PanelBaseData(id, QStringLiteral("Panel %1").arg(id), QStringLiteral("NACA 2412"), QStringLiteral("NACA 2412"), rootChord,
                         tipChord, 20.0f, length, -1.0f, 3.0f, false, false, true, 3.0f, ribs, 150.0f, 1.0f, 1.0f,
                         nullptr, LEData(1, 6.0f), TEData(1, 15.0f, false, 20.0f, 10.0f, 2.0f), spars,
                         SheetingStripList(),
                         CoveringDefinition(SheetingType::Standard, 25.0f, 1.5f, 0, true, true, true),
                         BuildingTabData(), combs);
}

Matrix rotationOf(const MainWingGLWidget& view)
{
    return Matrix(view.getRotation(), view.getRotation() + 16);
}

QVector3D cameraOf(const MainWingGLWidget& view)
{
    return QVector3D(view.getCameraX(), view.getCameraY(), view.getCameraZ());
}

const Matrix defaultRotation = {-0.75f, 0.31f, -0.57f, 0, 0, 0.88f, 0.47f, 0, 0.65f, 0.36f, -0.66f, 0, 0, 0, 0, 1};

// Degrees between the model's chord axis (column 0) in two rotations; for a
// turn about the model's own vertical axis, which column 0 stands square to,
// that is the turn itself.
double chordAxisTurn(const Matrix& a, const Matrix& b)
{
    const QVector3D u = QVector3D(a[0], a[1], a[2]).normalized();
    const QVector3D v = QVector3D(b[0], b[1], b[2]).normalized();
    const double c = std::max(-1.0, std::min(1.0, double(QVector3D::dotProduct(u, v))));
    return std::acos(c) * 180.0 / M_PI;
}

// Degrees the model's vertical axis (column 1) turned about the screen's x axis.
double tiltAboutScreenX(const Matrix& a, const Matrix& b)
{
    const double before = std::atan2(double(a[6]), double(a[5]));
    const double after = std::atan2(double(b[6]), double(b[5]));
    return std::abs(after - before) * 180.0 / M_PI;
}

// The view with the buffer swap in reach, so that a test can read back the
// frame it has just drawn.
class ReadableView : public MainWingGLWidget
{
public:
    using MainWingGLWidget::MainWingGLWidget;
    using QGLWidget::setAutoBufferSwap;
    int frames = 0;

protected:
    void paintGL() override
    {
        MainWingGLWidget::paintGL();
        ++frames;
    }
};

// Counts notifications of the plane and whether each would store an undo state.
class Listener : public Observer
{
public:
    Listener() : Observer(QStringLiteral("Listener"), false) {}
    void observedObjectChanged(Observable* o) override { withHistory.push_back(o->getHistoryRecordingEnabled()); }
    void saveViewData(serializedPlanformixData&) override {}
    void loadViewData(const google::protobuf::Message*, SerializeableIf::hint_t) override {}
    std::vector<bool> withHistory;
};

bool isColoured(QRgb p)
{
    return !(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
}

int colouredPixels(const QImage& image, int x0, int x1)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1; ++x)
            count += isColoured(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// The box around everything drawn in colour (the grid is grey).
QRect wingBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isColoured(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

// Nothing of the wing is cut off at an edge, and it is not lost in the middle.
bool wingFillsTheView(const QImage& image)
{
    const QRect box = wingBox(image);
    const bool inside = image.rect().adjusted(2, 2, -2, -2).contains(box);
    const bool large = box.width() > image.width() / 2 || box.height() > image.height() / 2;
    if (!inside || !large)
        qWarning() << "wing drawn in" << box << "of" << image.size();
    return inside && large;
}

} // namespace
