#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "foundation/GLUtils.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/Panel.h"
#include "views/CADGraphicsScene.h"
#include "views/CADSceneControlPoint.h"
#include "views/CADSceneEventBuildingTabDataChanged.h"
#include "views/CADSceneEventSelectionChanged.h"
#include "views/CADSceneLine.h"
#include "views/CADSceneText.h"
#include "views/CADWidgetRibView.h"
#include "views/QCADGraphicView.h"

#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <cmath>
#include <memory>

// The panel editor's view of one rib: the rib where the panel puts it, its
// cut-outs and camber line, and the building tabs drawn on the view's own
// copy of the rib.
namespace {

const int ViewWidth = 400;
const int ViewHeight = 300;
const float RootChord = 200.0f;
const float Scale = 1.0f / RootChord;

PanelBaseData panelData(const SparList& spars = SparList())
{
    return PanelBaseData(0, QStringLiteral("Panel 0"), QStringLiteral("NACA 2412"), QStringLiteral("NACA 0012"),
                         RootChord, 160.0f, 0.0f, 400.0f, 0.0f, 2.0f, false, false, true, 3.0f, 5, 150.0f, 1.0f,
                         1.0f, nullptr, LEData(), TEData(), spars, SheetingStripList(), CoveringDefinition(),
                         BuildingTabData(), RibCombList());
}

SparList everyCutOutKind()
{
    SparList spars;
    spars.addSpar(SparDefinition(QStringLiteral("Round"), SparType::Round, 1, 5, 25.0f, 25.0f, true, false));
    spars.addSpar(SparDefinition(QStringLiteral("Joiner"), SparType::Tube, 1, 2, 70.0f, 70.0f, true, false));
    spars.addSpar(SparDefinition(QStringLiteral("Cuboid"), SparType::Cube, 1, 5, 95.0f, 95.0f, true, false));
    spars.addSpar(SparDefinition(QStringLiteral("Box joiner"), SparType::CubeTube, 1, 2, 45.0f, 45.0f, true, false));
    return spars;
}

std::vector<const CADSceneLine*> linesOf(const CADGraphicsScene* scene)
{
    std::vector<const CADSceneLine*> lines;
    for (const CADSceneElement* element : scene->getElements())
        if (auto* line = dynamic_cast<const CADSceneLine*>(element))
            lines.push_back(line);
    return lines;
}

QVector<QPointF> pointsOf(const CADSceneLine* line)
{
    QVector<QPointF> points;
    for (const CADSceneControlPoint* p : line->getPoints())
        points.append(QPointF(p->getPoint().getX(), p->getPoint().getY()));
    return points;
}

bool sameColour(const float* a, const float* b)
{
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

bool isOrange(QRgb p)  // the outline, also where anti-aliasing lightens it
{
    return qRed(p) - qBlue(p) > 120 && qGreen(p) - qBlue(p) > 40 && qRed(p) - qGreen(p) > 40;
}

// Anything painted on the white background. The camber line runs over the
// thin trailing edge and mixes with the outline there.
bool isDrawn(QRgb p)
{
    return qMin(qRed(p), qMin(qGreen(p), qBlue(p))) < 235;
}

bool isTextRed(QRgb p)
{
    return qRed(p) - qGreen(p) > 60 && qAbs(qGreen(p) - qBlue(p)) < 20;
}

QRect boxOf(const QImage& image, bool (*kind)(QRgb))
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (kind(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

std::vector<Vertex> snapshot(const RibDefinition& rib)
{
    std::vector<Vertex> points;
    for (const Vector3D* p : rib.getRibCoords())
        points.emplace_back(p->getX(), p->getY(), p->getZ());
    return points;
}

} // namespace

class TestRibView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void asksForARibUntilOneIsSelected();
    void selectedRibIsDrawnWhereThePanelPutsIt_data();
    void selectedRibIsDrawnWhereThePanelPutsIt();
    void drawsOutlineCutOutsAndCamberLineInOrder();
    void missingRibOrModelKeepsTheDrawing();
    void ribTheSheetsConsumeIsNamedNotDrawn();
    void ribTheSheetsPartIsDrawnAsItsPieces_data();
    void ribTheSheetsPartIsDrawnAsItsPieces();
    void buildingTabRectangles_data();
    void buildingTabRectangles();
    void buildingTabsAreCutIntoTheViewsCopyOnly();
    void unusableScaleShowsTheRibWithoutTabs();

private:
    void showPanel(const PanelBaseData& data);
    const RibDefinition& rib(int number);

    QTemporaryDir imported;
    std::unique_ptr<CADWidgetRibView> view;
    std::unique_ptr<Panel> panel;
};

void TestRibView::initTestCase()
{
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"), imported.path()));
}

void TestRibView::init()
{
    GLUtils::greyMode = false;
    view = std::make_unique<CADWidgetRibView>();
    view->resize(ViewWidth, ViewHeight);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

void TestRibView::cleanup()
{
    view.reset();
    panel.reset();
    delete PlaneModel::instance();
}

void TestRibView::showPanel(const PanelBaseData& data)
{
    panel = std::make_unique<Panel>(data);
    QCOMPARE(panel->getRibCount(), 5);
    view->setModel(panel.get(), 1.0f / panel->getWingRootChord());
}

const RibDefinition& TestRibView::rib(int number)
{
    bool found = false;
    const RibDefinition* r = panel->getRibList().getRib(number, found);
    Q_ASSERT(found);
    return *r;
}

void TestRibView::asksForARibUntilOneIsSelected()
{
    CADGraphicsScene* scene = view->getScene();
    QCOMPARE(scene->getName(), QStringLiteral("SingleRibView"));
    QVERIFY(!scene->isPersistent());
    QVERIFY(scene->getElements().empty());

    view->setModel(nullptr, Scale);
    QCOMPARE(int(scene->getElements().size()), 1);
    auto* text = dynamic_cast<const CADSceneText*>(scene->getElements().front());
    QVERIFY(text != nullptr);
    QCOMPARE(text->getText(), QStringLiteral("Please select a rib in the ribs table"));

    // In the scene's red pen, starting 1 % of the width from the left, on
    // the middle line (the text has no descenders).
    const QRect red = boxOf(view->grab().toImage(), isTextRed);
    QVERIFY(!red.isEmpty());
    QVERIFY2(red.left() >= 4 - 1 && red.left() <= 4 + 3, qPrintable(QString::number(red.left())));
    QVERIFY2(qAbs(red.bottom() + 1 - ViewHeight / 2) <= 1, qPrintable(QString::number(red.bottom())));
    QVERIFY(red.top() < ViewHeight / 2 - 5);
}

void TestRibView::selectedRibIsDrawnWhereThePanelPutsIt_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("chord");
    QTest::addColumn<bool>("cambered");
    QTest::newRow("root rib, cambered airfoil") << 0 << 200.0f << true;
    QTest::newRow("tip rib, symmetric airfoil") << 4 << 160.0f << false;
}

void TestRibView::selectedRibIsDrawnWhereThePanelPutsIt()
{
    QFETCH(int, index);
    QFETCH(float, chord);
    QFETCH(bool, cambered);
    showPanel(panelData());
    view->notify(CADSceneEventSelectionChanged(index));
    QCOMPARE(view->getRibNumber(), index + 1);

    const RibDefinition& shown = rib(index + 1);
    QCOMPARE(shown.getChord(), chord);
    // Inside the view's frame.
    const QImage image = view->grab().toImage().copy(3, 3, ViewWidth - 6, ViewHeight - 6);
    const QRect orange = boxOf(image, isOrange).translated(3, 3);
    const QRect drawn = boxOf(image, isDrawn).translated(3, 3);
    QVERIFY(!orange.isEmpty());
    QVERIFY(drawn.contains(orange));

    // One chord unit is 98 % of the view's width; the leading edge is 1 %
    // from the left edge and y = 0 on the middle line, upper side up.
    const double s = 0.98 * ViewWidth;
    const double left = 0.01 * ViewWidth;
    const double right = left + chord / RootChord * s;
    const double top = ViewHeight / 2.0 - shown.getMaxY() * s;
    const double bottom = ViewHeight / 2.0 - shown.getMinY() * s;
    const auto near = [](double a, double b) { return qAbs(a - b) <= 2.0; };
    QVERIFY2(near(drawn.left(), left), qPrintable(QString("%1 vs %2").arg(drawn.left()).arg(left)));
    QVERIFY2(near(drawn.right() + 1, right), qPrintable(QString("%1 vs %2").arg(drawn.right()).arg(right)));
    QVERIFY2(near(drawn.top(), top), qPrintable(QString("%1 vs %2").arg(drawn.top()).arg(top)));
    QVERIFY2(near(drawn.bottom() + 1, bottom), qPrintable(QString("%1 vs %2").arg(drawn.bottom()).arg(bottom)));
    // A cambered rib shows more of itself above the chord line than below.
    const int above = ViewHeight / 2 - drawn.top();
    const int below = drawn.bottom() + 1 - ViewHeight / 2;
    QCOMPARE(above > below + 3, cambered);
}

void TestRibView::drawsOutlineCutOutsAndCamberLineInOrder()
{
    showPanel(panelData(everyCutOutKind()));
    view->notify(CADSceneEventSelectionChanged(0));
    const RibDefinition& shown = rib(1);
    QCOMPARE(int(shown.getRoundSparParts().size()), 1);
    QCOMPARE(int(shown.getTubeSparParts().size()), 1);
    QCOMPARE(int(shown.getCubeSparParts().size()), 1);
    QCOMPARE(int(shown.getCubeTubeParts().size()), 1);

    const std::vector<const CADSceneLine*> lines = linesOf(view->getScene());
    QCOMPARE(int(lines.size()), 6);
    QCOMPARE(int(view->getScene()->getElements().size()), 6);
    const float* colours[] = {GLUtils::colorCombPart2, GLUtils::colorRoundSpar, GLUtils::colorTube,
                              GLUtils::colorCubeSpar,  GLUtils::colorCubeTube,  GLUtils::colorRibViewOutline};
    for (int i = 0; i < 6; ++i) {
        QVERIFY2(sameColour(lines[i]->getColour(), colours[i]), qPrintable(QString::number(i)));
        QCOMPARE(lines[i]->isClosed(), i < 5);
    }
    QCOMPARE(view->getScene()->getPaintFlags(), 0);

    // Every point moved so that the leading edge is at x = 0, y negated.
    const auto samePoints = [&](const CADSceneLine* line, const auto& source) {
        const QVector<QPointF> drawn = pointsOf(line);
        if (drawn.size() != int(source.size()))
            return false;
        for (int i = 0; i < drawn.size(); ++i)
            if (qAbs(drawn[i].x() - (source[i]->getX() - shown.getOffsetX())) > 1e-6
                || qAbs(drawn[i].y() + source[i]->getY()) > 1e-6)
                return false;
        return true;
    };
    QVERIFY(samePoints(lines[0], shown.getRibCoords()));
    QVERIFY(samePoints(lines[1], shown.getRoundSparParts().front()->getPoints()));
    QVERIFY(samePoints(lines[5], shown.getCamberLineCoords()));
}

void TestRibView::missingRibOrModelKeepsTheDrawing()
{
    showPanel(panelData());
    view->notify(CADSceneEventSelectionChanged(1));
    const std::vector<CADSceneElement*> drawn = view->getScene()->getElements();
    QVERIFY(!drawn.empty());

    view->notify(CADSceneEventSelectionChanged(5));
    QCOMPARE(view->getScene()->getElements(), drawn);

    // A model that is not a panel has no ribs to show.
    CADSceneModel notAPanel;
    view->setModel(&notAPanel, Scale);
    view->notify(CADSceneEventSelectionChanged(0));
    QCOMPARE(int(view->getScene()->getElements().size()), 1);
    QVERIFY(dynamic_cast<const CADSceneText*>(view->getScene()->getElements().front()) != nullptr);
}

void TestRibView::ribTheSheetsConsumeIsNamedNotDrawn()
{
    // A thin tip under 2.5 mm sheets on both sides over the whole chord: the
    // sheets leave nothing of the tip rib, which still has its round spar's
    // hole, its camber line and the tabs of the panel to mark.
    SheetingStripList strips;
    strips.append(SheetingStripDefinition("sheet", 0, 1, 5, 100.0f, 100.0f, 2.5f, true, true, true, false, 0.0f, 0.0f,
                                          false, false));
    SparList spars;
    spars.addSpar(SparDefinition(QStringLiteral("Round"), SparType::Round, 1, 5, 25.0f, 25.0f, true, false));
    showPanel(PanelBaseData(0, QStringLiteral("Tip"), QStringLiteral("NACA 2412"), QStringLiteral("NACA 0005"), 150.0f,
                            50.0f, 0.0f, 400.0f, 0.0f, 2.0f, false, false, true, 3.0f, 5, 150.0f, 1.0f, 1.0f, nullptr,
                            LEData(), TEData(), spars, strips,
                            CoveringDefinition(SheetingType::Advanced, 25.0f, 1.5f, 0, true, true, true),
                            BuildingTabData(), RibCombList()));
    QVERIFY(rib(5).consumedBySheets());
    view->notify(CADSceneEventSelectionChanged(4));
    view->notify(CADSceneEventBuildingTabDataChanged(BuildingTabData(true, true, 10.0f, 20.0f, 10.0f), -10.0f, 25.0f));
    const std::vector<CADSceneElement*>& shown = view->getScene()->getElements();
    QCOMPARE(int(shown.size()), 1);
    auto* text = dynamic_cast<const CADSceneText*>(shown.front());
    QVERIFY(text != nullptr);
    QCOMPARE(text->getText(), QStringLiteral("Rib 5: the sheeting leaves nothing to build."));
}

void TestRibView::ribTheSheetsPartIsDrawnAsItsPieces_data()
{
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("note");
    QTest::newRow("English") << false << "Rib 5 is parted by the sheeting and cut as 2 pieces.";
    QTest::newRow("German") << true
                            << QString::fromUtf8("Rippe 5 wird von der Beplankung geteilt und als 2 St\u00fccke "
                                                 "ausgeschnitten.");
}

void TestRibView::ribTheSheetsPartIsDrawnAsItsPieces()
{
    QFETCH(bool, german);
    QFETCH(QString, note);
    QTranslator translator;
    if (german) {
        QVERIFY(translator.load(QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/lang/planformix_de.qm")));
        QCoreApplication::installTranslator(&translator);
    }
    // A mid-chord band of 2.5 mm sheets on both sides of a thin tip parts
    // the tip rib: the bare wood behind the band is a piece of its own.
    SheetingStripList strips;
    strips.append(SheetingStripDefinition("band", 0, 1, 5, 25.0f, 25.0f, 2.5f, true, true, true, false, 35.0f, 35.0f,
                                          false, false));
    showPanel(PanelBaseData(0, QStringLiteral("Tip"), QStringLiteral("NACA 2412"), QStringLiteral("NACA 0005"), 150.0f,
                            50.0f, 0.0f, 400.0f, 0.0f, 2.0f, false, false, true, 3.0f, 5, 150.0f, 1.0f, 1.0f, nullptr,
                            LEData(), TEData(), SparList(), strips,
                            CoveringDefinition(SheetingType::Advanced, 25.0f, 1.5f, 0, true, true, true),
                            BuildingTabData(), RibCombList()));
    QCOMPARE(int(rib(5).getFurtherPieces().size()), 1);
    view->notify(CADSceneEventSelectionChanged(4));
    int closedOutlines = 0;
    QStringList texts;
    for (const CADSceneElement* element : view->getScene()->getElements()) {
        if (auto* line = dynamic_cast<const CADSceneLine*>(element))
            closedOutlines += line->isClosed() && line->getPoints().size() == rib(5).getRibCoords().size() ? 1 : 0;
        if (auto* text = dynamic_cast<const CADSceneText*>(element))
            texts << text->getText();
    }
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(closedOutlines, 2);
    QCOMPARE(texts, QStringList{note});
}

void TestRibView::buildingTabRectangles_data()
{
    QTest::addColumn<bool>("upper");
    QTest::addColumn<bool>("lower");
    QTest::newRow("no tabs") << false << false;
    QTest::newRow("upper tabs") << true << false;
    QTest::newRow("lower tabs") << false << true;
    QTest::newRow("both") << true << true;
}

void TestRibView::buildingTabRectangles()
{
    QFETCH(bool, upper);
    QFETCH(bool, lower);
    showPanel(panelData());
    view->notify(CADSceneEventSelectionChanged(0));
    QCOMPARE(rib(1).getChord(), 200.0f);
    QCOMPARE(rib(1).getLEDepth(RootChord), 0.0f);
    QCOMPARE(rib(1).getTEDepth(RootChord), 0.0f);

    BuildingTabData tabs;
    tabs.setDoUpper(upper);
    tabs.setDoLower(lower);
    view->notify(CADSceneEventBuildingTabDataChanged(tabs, -10.0f, 25.0f));
    QCOMPARE(view->getRibNumber(), 1);

    const std::vector<const CADSceneLine*> lines = linesOf(view->getScene());
    if (!upper && !lower) {
        QCOMPARE(int(lines.size()), 2);  // outline and camber line
        return;
    }
    QCOMPARE(int(lines.size()), 4);
    // 10 mm behind the leading edge and 20 mm ahead of the trailing edge,
    // 10 mm wide, from 15.5 mm below to 30.5 mm above the chord line.
    const float s = Scale;
    const float y1 = 15.5f * s, y2 = -30.5f * s;
    const QVector<QPointF> expected[] = {
        {{10 * s, y1}, {10 * s, y2}, {20 * s, y2}, {20 * s, y1}},
        {{170 * s, y1}, {170 * s, y2}, {180 * s, y2}, {180 * s, y1}},
    };
    for (int i = 0; i < 2; ++i) {
        const CADSceneLine* tab = lines[2 + i];
        QVERIFY(tab->isClosed());
        QVERIFY(sameColour(tab->getColour(), GLUtils::colorRibView));
        const QVector<QPointF> drawn = pointsOf(tab);
        QCOMPARE(drawn.size(), 4);
        for (int k = 0; k < 4; ++k)
            QVERIFY2((drawn[k] - expected[i][k]).manhattanLength() < 1e-5,
                     qPrintable(QString("tab %1 corner %2").arg(i).arg(k)));
    }
}

void TestRibView::buildingTabsAreCutIntoTheViewsCopyOnly()
{
    showPanel(panelData(everyCutOutKind()));
    const RibDefinition& shown = rib(2);
    const std::vector<Vertex> before = snapshot(shown);
    float minY = 0.0f, maxY = 0.0f;
    panel->getRibHeightRange(minY, maxY);
    QVERIFY(maxY > minY);

    view->notify(CADSceneEventSelectionChanged(1));
    view->notify(CADSceneEventBuildingTabDataChanged(BuildingTabData(true, true, 10.0f, 20.0f, 10.0f), minY, maxY));

    QVERIFY(snapshot(shown) == before);
    QCOMPARE(shown.getRibCoords().size(), before.size());

    // The drawn outline runs flat along both building lines over the first
    // tab (10 to 20 mm behind the leading edge) and drops back to the rib.
    const QVector<QPointF> outline = pointsOf(linesOf(view->getScene()).front());
    QVERIFY(outline.size() > int(before.size()));
    const double top = -(maxY + 5.5) * Scale, bottom = -(minY - 5.5) * Scale;
    int onTop = 0, onBottom = 0;
    for (const QPointF& p : outline) {
        const bool inFirstTab = p.x() > 10 * Scale - 1e-4 && p.x() < 20 * Scale + 1e-4;
        if (qAbs(p.y() - top) < 1e-5) {
            ++onTop;
            QVERIFY(inFirstTab || (p.x() > 0.5 && p.x() < shown.getChord() * Scale));
        }
        if (qAbs(p.y() - bottom) < 1e-5 && inFirstTab)
            ++onBottom;
    }
    QVERIFY(onTop >= 4);
    QVERIFY(onBottom >= 2);
}

void TestRibView::unusableScaleShowsTheRibWithoutTabs()
{
    showPanel(panelData());
    view->setModel(panel.get(), 0.0f);
    view->notify(CADSceneEventSelectionChanged(0));
    view->notify(CADSceneEventBuildingTabDataChanged(BuildingTabData(true, true, 10.0f, 20.0f, 10.0f), -10.0f, 25.0f));

    const std::vector<const CADSceneLine*> lines = linesOf(view->getScene());
    QCOMPARE(int(lines.size()), 2);
    for (const CADSceneLine* line : lines)
        for (const QPointF& p : pointsOf(line))
            QVERIFY(std::isfinite(p.x()) && std::isfinite(p.y()));
    QCOMPARE(int(lines.front()->getPoints().size()), int(rib(1).getRibCoords().size()));
}


QTEST_MAIN(TestRibView)
#include "tst_ribview.moc"
