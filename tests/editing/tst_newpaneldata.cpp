#include "common/TestSupport.h"
#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "editing/NewPanelData.h"
#include "editing/PanelCreationSelector.h"
#include "foundation/DialogSeam.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

const QString rootFoil = QStringLiteral("NACA 2412");
const QString tipFoil = QStringLiteral("NACA 0012");

// Ten ribs over 450 mm; spar "tip" and strip "tip" reach the tip rib from
// rib 3, spar "root" and strip "root" end at rib 5.
PanelBaseData previousPanel(float rootChord, float tipChord, const QString& tipAirfoil,
                            int teType = TEData::None, int noOfRibs = 10)
{
    SparList spars;
    spars.addSpar(SparDefinition(QStringLiteral("tip"), SparType::Round, 3, 10, 30.0f, 30.0f, true, false));
    spars.addSpar(SparDefinition(QStringLiteral("root"), SparType::Round, 1, 5, 60.0f, 60.0f, true, false));
    SheetingStripList strips;
    strips.append(SheetingStripDefinition(QStringLiteral("tip"), 0, 3, 10, 20.0f, 20.0f, 1.5f, true, false, true,
                                          false, 0.0f, 0.0f, false, false));
    strips.append(SheetingStripDefinition(QStringLiteral("root"), 0, 1, 5, 40.0f, 40.0f, 1.5f, true, false, true,
                                          false, 0.0f, 0.0f, false, false));
    const TEData te(teType, 12.0f, false, 10.0f, 5.0f, 1.0f);
    return PanelBaseData(4, QStringLiteral("Outer"), rootFoil, tipAirfoil, rootChord, tipChord, 35.0f, 450.0f,
                         -1.5f, 3.0f, false, false, true, 3.0f, noOfRibs, 120.0f, 1.0f, 0.9f, nullptr, LEData(),
                         te, spars, strips, CoveringDefinition(), BuildingTabData(), RibCombList());
}

QStringList names(const SparList& spars)
{
    QStringList result;
    for (const SparDefinition& spar : spars.getSpars())
        result << QStringLiteral("%1:%2").arg(spar.getSparName()).arg(spar.getFirstRib());
    return result;
}

QStringList names(const SheetingStripList& strips)
{
    QStringList result;
    for (const SheetingStripDefinition& strip : strips.getStrips())
        result << QStringLiteral("%1:%2").arg(strip.getName()).arg(strip.getFirstRib());
    return result;
}

// Picks a copy method in the selector as soon as it is up, then closes it.
void chooseCopyMethodWhenAsked(const QString& radioButton)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, radioButton] {
        auto* selector = qobject_cast<PanelCreationSelector*>(QApplication::activeModalWidget());
        if (!selector)
            return;
        poll->stop();
        poll->deleteLater();
        selector->findChild<QRadioButton*>(radioButton)->click();
        selector->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    poll->start(10);
}

} // namespace

class TestNewPanelData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstPanelIsBlankWithoutQuestion();
    void continuedTipChordKeepsTaper_data();
    void continuedTipChordKeepsTaper();
    void declinedCopyCarriesOnFromLastPanel_data();
    void declinedCopyCarriesOnFromLastPanel();
    void copyFollowsChosenMethod_data();
    void copyFollowsChosenMethod();
    void copyStartsEdgeAsDeepAsLastRibEnds();
    void copyOfPanelWithoutRibsKeepsEdgeDepth();
    void unknownCopyMethodIsReportedAndChangesNothing();

private:
    QTemporaryDir imported;
    PlaneModel* plane = nullptr;
};

void TestNewPanelData::initTestCase()
{
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"), imported.path()));
}

void TestNewPanelData::init()
{
    plane = PlaneModel::instance();
    DialogSeam::setScripted(true);
    DialogSeam::clear();
}

void TestNewPanelData::cleanup()
{
    DialogSeam::clear();
    delete plane;
}

void TestNewPanelData::firstPanelIsBlankWithoutQuestion()
{
    std::unique_ptr<PanelBaseData> data = NewPanelData::create(*plane->getTableModel());
    QVERIFY(DialogSeam::calls().empty());
    QCOMPARE(data->getId(), 0);
    QCOMPARE(data->getPanelName(), QString("New Panel"));
    QCOMPARE(data->getAirfoilName(RootAirfoil), QString("CLARK Y AIRFOIL"));
    QVERIFY(data->getAirfoilName(TipAirfoil).isEmpty());
    QCOMPARE(data->getRootChord(), 220.0f);
    QCOMPARE(data->getTipChord(), 180.0f);
    QCOMPARE(data->getSweep(), 0.0f);
    QCOMPARE(data->getLength(), 362.0f);
    QCOMPARE(data->getRibList().getRibCount(), 10);
    QCOMPARE(data->getRibThickness(), 2.0f);
    QVERIFY(data->getDontAlign());
}

void TestNewPanelData::continuedTipChordKeepsTaper_data()
{
    QTest::addColumn<float>("root");
    QTest::addColumn<float>("tip");
    QTest::addColumn<float>("continued");
    QTest::newRow("linear") << 200.0f << 180.0f << 160.0f;
    QTest::newRow("linear would reach 0") << 200.0f << 100.0f << 50.0f;
    QTest::newRow("linear just 20") << 100.0f << 60.0f << 36.0f;
    QTest::newRow("linear just above 20") << 100.0f << 61.0f << 22.0f;
}

void TestNewPanelData::continuedTipChordKeepsTaper()
{
    QFETCH(float, root);
    QFETCH(float, tip);
    QFETCH(float, continued);
    QCOMPARE(NewPanelData::continuedTipChord(root, tip), continued);
}

void TestNewPanelData::declinedCopyCarriesOnFromLastPanel_data()
{
    QTest::addColumn<QString>("previousTipFoil");
    QTest::addColumn<QString>("expectedRootFoil");
    QTest::addColumn<int>("answer");
    QTest::newRow("no, own tip airfoil") << tipFoil << tipFoil << int(QMessageBox::No);
    QTest::newRow("no, tip same as root") << QString() << rootFoil << int(QMessageBox::No);
    QTest::newRow("box closed") << tipFoil << tipFoil << int(QMessageBox::Escape);
}

void TestNewPanelData::declinedCopyCarriesOnFromLastPanel()
{
    QFETCH(QString, previousTipFoil);
    QFETCH(QString, expectedRootFoil);
    QFETCH(int, answer);
    PanelsTableModel* model = plane->getTableModel();
    model->addOrUpdatePanel(previousPanel(200.0f, 100.0f, previousTipFoil));
    DialogSeam::queueButton(QMessageBox::StandardButton(answer));

    std::unique_ptr<PanelBaseData> data = NewPanelData::create(*model);

    QCOMPARE(DialogSeam::calls().size(), size_t(1));
    const DialogSeam::Call& question = DialogSeam::calls().front();
    QCOMPARE(question.icon, QMessageBox::Question);
    QCOMPARE(question.title, QString("Add new panel"));
    QVERIFY(question.text.contains("copy all settings"));

    QCOMPARE(data->getId(), 5);
    QCOMPARE(data->getPanelName(), QString("New Panel"));
    QCOMPARE(data->getRootChord(), 100.0f);
    QCOMPARE(data->getTipChord(), 50.0f);
    QCOMPARE(data->getSweep(), 35.0f);
    QCOMPARE(data->getAirfoilName(RootAirfoil), expectedRootFoil);
    QVERIFY(data->getAirfoilName(TipAirfoil).isEmpty());
    // Everything else is a fresh panel's.
    QCOMPARE(data->getLength(), 362.0f);
    QCOMPARE(data->getTipTwist(), 0.0f);
    QCOMPARE(data->getSparList().getNumberOfSpars(), 0);
    // Nothing enters the plane before the panel dialog commits it.
    QCOMPARE(model->getNoOfPanels(), 1);
}

void TestNewPanelData::copyFollowsChosenMethod_data()
{
    QTest::addColumn<QString>("radioButton");
    QTest::addColumn<QStringList>("spars");
    QTest::addColumn<QStringList>("strips");
    QTest::newRow("direct") << "btnVerbatimCopy" << QStringList{"tip:3", "root:1"} << QStringList{"tip:3", "root:1"};
    QTest::newRow("mirror") << "btnMirrorCopy" << QStringList{"tip:1"} << QStringList{"tip:1"};
    QTest::newRow("smart") << "btnSmartCopy" << QStringList{"tip:1", "root:1"} << QStringList{"tip:1", "root:1"};
}

void TestNewPanelData::copyFollowsChosenMethod()
{
    QFETCH(QString, radioButton);
    QFETCH(QStringList, spars);
    QFETCH(QStringList, strips);
    PanelsTableModel* model = plane->getTableModel();
    model->addOrUpdatePanel(previousPanel(200.0f, 180.0f, tipFoil));
    DialogSeam::queueButton(QMessageBox::Yes);
    chooseCopyMethodWhenAsked(radioButton);

    std::unique_ptr<PanelBaseData> data = NewPanelData::create(*model);

    QCOMPARE(names(data->getSparList()), spars);
    QCOMPARE(names(data->getSheetingStripList()), strips);
    QCOMPARE(data->getId(), 5);
    QCOMPARE(data->getPanelName(), QString("New Panel"));
    QCOMPARE(data->getRootChord(), 180.0f);
    QCOMPARE(data->getTipChord(), 160.0f);
    QCOMPARE(data->getSweep(), 35.0f);
    QCOMPARE(data->getAirfoilName(RootAirfoil), tipFoil);
    QVERIFY(data->getAirfoilName(TipAirfoil).isEmpty());
    QCOMPARE(data->getRootAirfoilFactor(), 0.9f);
    QCOMPARE(data->getTipAirfoilFactor(), 0.9f);
    // The rest is the last panel's.
    QCOMPARE(data->getLength(), 450.0f);
    QCOMPARE(data->getTipTwist(), -1.5f);
    QCOMPARE(data->getDihedralAngle(), 3.0f);
    QCOMPARE(data->getRibThickness(), 3.0f);
    QCOMPARE(data->getRibList().getRibCount(), 10);
    QCOMPARE(data->getSpecificWeightRib(), 120.0f);
    // The last panel itself is untouched.
    const Panel* previous = model->getPanel(0);
    QCOMPARE(names(previous->getSparList()), (QStringList{"tip:3", "root:1"}));
    QCOMPARE(previous->getPanelName(), QString("Outer"));
}

void TestNewPanelData::copyStartsEdgeAsDeepAsLastRibEnds()
{
    PanelsTableModel* model = plane->getTableModel();
    model->addOrUpdatePanel(previousPanel(200.0f, 180.0f, tipFoil, TEData::Standard));
    const RibDefinition& lastRib = model->getPanel(0)->getRibList().getLastRib();
    const float lastRibDepth = lastRib.getTEDepth(200.0f);
    QVERIFY(lastRibDepth > 0.0f);
    QVERIFY(std::abs(lastRibDepth - 12.0f) > 0.01f);
    DialogSeam::queueButton(QMessageBox::Yes);
    chooseCopyMethodWhenAsked("btnVerbatimCopy");

    std::unique_ptr<PanelBaseData> data = NewPanelData::create(*model);

    QCOMPARE(data->getTEData().getType(), int(TEData::Standard));
    QVERIFY(std::abs(data->getTEData().getStandardTEDepth(1.0f) - lastRibDepth) < 0.01f);
}

void TestNewPanelData::copyOfPanelWithoutRibsKeepsEdgeDepth()
{
    PanelsTableModel* model = plane->getTableModel();
    model->addOrUpdatePanel(previousPanel(200.0f, 180.0f, tipFoil, TEData::Standard, 1));
    QCOMPARE(model->getPanel(0)->getRibList().getRibCount(), 0);
    DialogSeam::queueButton(QMessageBox::Yes);
    chooseCopyMethodWhenAsked("btnSmartCopy");

    std::unique_ptr<PanelBaseData> data = NewPanelData::create(*model);

    QCOMPARE(data->getTEData().getStandardTEDepth(1.0f), 12.0f);
    QCOMPARE(data->getRootChord(), 180.0f);
}

void TestNewPanelData::unknownCopyMethodIsReportedAndChangesNothing()
{
    PanelBaseData data = previousPanel(200.0f, 180.0f, tipFoil);
    const TestSupport::CapturedOutput output =
        TestSupport::captureOutput([&] { NewPanelData::applyCopyMethod(data, 7); });
    QCOMPARE(QString::fromStdString(output.out),
             QString("Unknown copy method in void PanelsTable::btnAddPressed(): 7\n"));
    QCOMPARE(names(data.getSparList()), (QStringList{"tip:3", "root:1"}));
    QCOMPARE(names(data.getSheetingStripList()), (QStringList{"tip:3", "root:1"}));
}

QTEST_MAIN(TestNewPanelData)
#include "tst_newpaneldata.moc"
