#include <QtTest>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QTemporaryDir>
#include <qopengl.h>

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "foundation/Vector3D.h"

// Drawing an airfoil outline: read back through OpenGL feedback what the
// driver was given.
class TestAirfoilView : public QObject
{
    Q_OBJECT
private slots:
    void outlineIsOneClosedLoopInPointOrder();
};

void TestAirfoilView::outlineIsOneClosedLoopInPointOrder()
{
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    QVERIFY(context.create());
    QVERIFY(context.makeCurrent(&surface));

    WingFoils library;
    QScopedPointer<Airfoil> airfoil(library.loadAirfoilFile(
        PLANFORMIX_SOURCE_DIR "/resources/foils_v2/clarky.dat", AirfoilFileType::Dat));
    QVERIFY(airfoil);

    const int size = 1000;
    glViewport(0, 0, size, size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::vector<GLfloat> feedback(280 * 8 + 64);
    glFeedbackBuffer(GLsizei(feedback.size()), GL_3D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    airfoil->visualize();
    const GLint used = glRenderMode(GL_RENDER);
    QVERIFY(used > 0);

    // Every token is a line of two window-space vertices.
    QVector<QPointF> starts;
    QVector<QPointF> ends;
    for (GLint i = 0; i + 6 < used;) {
        const GLint token = GLint(feedback[size_t(i)]);
        QVERIFY(token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN);
        starts << QPointF(feedback[size_t(i + 1)], feedback[size_t(i + 2)]);
        ends << QPointF(feedback[size_t(i + 4)], feedback[size_t(i + 5)]);
        i += 7;
    }
    QCOMPARE(starts.size(), 280);
    auto window = [&](int index) {
        const Vector3D* p = airfoil->getPoint(index);
        return QPointF((p->getX() + 1.0) * size / 2, (p->getY() + 1.0) * size / 2);
    };
    for (int k = 0; k < 280; ++k) {
        const QPointF a = window(k);
        const QPointF b = window((k + 1) % 280);
        QVERIFY(std::fabs(starts[k].x() - a.x()) < 0.01 && std::fabs(starts[k].y() - a.y()) < 0.01);
        QVERIFY(std::fabs(ends[k].x() - b.x()) < 0.01 && std::fabs(ends[k].y() - b.y()) < 0.01);
    }
    context.doneCurrent();
}

QTEST_MAIN(TestAirfoilView)
#include "tst_airfoilview_gl.moc"
