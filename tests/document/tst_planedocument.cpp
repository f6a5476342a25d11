#include "airfoils/WingFoils.h"
#include "common/FailingAllocation.h"
#include "common/FailingConnection.h"
#include "common/TestSupport.h"
#include "document/DocumentLimits.h"
#include "document/PlaneModel.h"
#include "foundation/DialogSeam.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Observer.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "planformixdata.pb.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#ifdef PLANFORMIX_SANITIZED
#include <sanitizer/lsan_interface.h>
#endif
#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <google/protobuf/text_format.h>
#include <google/protobuf/util/message_differencer.h>
#include "document/PlaneDocumentTestSupport.h"


class TestPlaneDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // First: memory that earlier builds left mapped would be used again
    // under the limit, and no shortage would come.
    void documentOutlivesAShortageOfMemory_data();
    void documentOutlivesAShortageOfMemory();
    void roundTripKeepsEveryFeatureField();
    void savingTwiceGivesIdenticalBytes();
    void panelsAreRenumberedInFileOrder();
    void refusedDocumentLeavesPlaneUntouched_data();
    void refusedDocumentLeavesPlaneUntouched();
    void refusedFileLeavesPlaneUntouched();
    void damagedBytesNeverHalfLoad();
    void programWrittenDocumentsOfManyRibsLoad();
    void planesAtTheBoundsSaveAndOpenAgain_data();
    void planesAtTheBoundsSaveAndOpenAgain();
    void buildWithoutMemoryIsRefused_data();
    void buildWithoutMemoryIsRefused();
    void buildStoppedAtAnyAllocationLeavesNoBrokenPoint_data();
    void buildStoppedAtAnyAllocationLeavesNoBrokenPoint();
    void changesDuringABuildWaitUntilItIsOver_data();
    void changesDuringABuildWaitUntilItIsOver();
    void panelsBuiltSideBySideTakeIdsInFileOrder();
    void alignedPanelLoadsWithoutNoAlignment();
    void absentRecordsTakeClassDefaults();
    void viewRecordsReachViewsByName();
    void unknownFieldsAreIgnored();
    void savingToFileReplacesTargetOnlyWhenComplete();
    void halfSpanFollowsDihedralSetting();
    void fuselageFollowsSpanOrRootChord_data();
    void fuselageFollowsSpanOrRootChord();
    void userFuselageValuesWin();
    void clearEmptiesButKeepsIds();

private:
    void loadFeatured()
    {
        QVERIFY(plane->loadFromString(featuredDocument().SerializeAsString(), SerializeableIf::FILE_LOAD));
    }

    QTemporaryDir imported;
    QTemporaryDir* dir = nullptr;
    PlaneModel* plane = nullptr;
};

void TestPlaneDocument::initTestCase()
{
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"), imported.path()));
    QVERIFY(WingFoils::instance()->findAirfoil(QStringLiteral("NACA 2412"), false));
    DialogSeam::setScripted(true);
}

void TestPlaneDocument::init()
{
    DialogSeam::clear();
    dir = new QTemporaryDir;
    plane = PlaneModel::instance();
}

void TestPlaneDocument::cleanup()
{
    delete plane;
    plane = nullptr;
    delete dir;
}

void TestPlaneDocument::roundTripKeepsEveryFeatureField()
{
    const serializedPlanformixData featured = featuredDocument();
    QCOMPARE(featured.panels(0).sparlist(0).cubetubeheight(), 7.25f);
    QVERIFY(plane->loadFromString(featured.SerializeAsString(), SerializeableIf::FILE_LOAD));
    QCOMPARE(plane->getPanelCount(), 1);

    std::string report;
    QVERIFY2(sameMessage(decoded(encoded(plane)), featured, &report), report.c_str());
    const Panel* loaded = plane->getPanelList().front();
    QCOMPARE(loaded->getRibCount(), 8);
    QCOMPARE(loaded->getSparList().getSpars().front().getCubeTubeHeight(), 7.25f);
    QCOMPARE(loaded->getCombList().getCombs().front().getSlitAdjust(), 1.9f);

    plane->clear();
    plane->setName(QStringLiteral("Empty"), false);
    const serializedPlanformixData empty = decoded(encoded(plane));
    QCOMPARE(empty.version(), 1);
    QCOMPARE(empty.planename(), std::string("Empty"));
    QCOMPARE(empty.panels_size(), 0);
    QVERIFY(!empty.has_unitssetting());
}

void TestPlaneDocument::savingTwiceGivesIdenticalBytes()
{
    loadFeatured();
    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(2, 300.0f, 150.0f, 100.0f, 2.0f));
    const QString first = dir->filePath(QStringLiteral("first.pfz"));
    const QString second = dir->filePath(QStringLiteral("second.pfz"));
    std::string target = first.toStdString();
    QVERIFY(plane->save(target));
    target = second.toStdString();
    QVERIFY(plane->save(target));
    QFile a(first), b(second);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray bytes = a.readAll();
    QVERIFY(!bytes.isEmpty());
    QCOMPARE(bytes, b.readAll());
    QCOMPARE(bytes.toStdString(), encoded(plane));
}

void TestPlaneDocument::panelsAreRenumberedInFileOrder()
{
    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(7, 400.0f, 200.0f, 150.0f, 0.0f));
    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(3, 300.0f, 150.0f, 100.0f, 0.0f));
    const std::string bytes = encoded(plane);
    QCOMPARE(decoded(bytes).panels(0).id(), 7);
    QCOMPARE(decoded(bytes).panels(1).id(), 3);

    QVERIFY(plane->loadFromString(bytes, SerializeableIf::FILE_LOAD));
    QCOMPARE(plane->getPanelCount(), 2);
    QCOMPARE(plane->getPanelList().front()->getId(), 1);
    QCOMPARE(plane->getPanelList().back()->getId(), 2);
    QCOMPARE(plane->getPanelList().front()->getLength(), 400.0f);
}

void TestPlaneDocument::refusedDocumentLeavesPlaneUntouched_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("versionLine");

    serializedPlanformixData valid;
    valid.set_version(1);
    PanelMessage* panel = valid.add_panels();
    panel->set_id(1);
    panel->set_length(500.0f);
    panel->set_rootchord(200.0f);
    panel->set_tipchord(150.0f);
    panel->set_noofribs(5);

    auto variant = [&](const std::function<void(serializedPlanformixData&)>& change) {
        serializedPlanformixData copy = valid;
        change(copy);
        const std::string bytes = copy.SerializePartialAsString();
        return QByteArray(bytes.data(), int(bytes.size()));
    };

    const QString notADocument = QStringLiteral("The data is not a readable document\n");
    QTest::newRow("empty") << QByteArray() << notADocument;
    QTest::newRow("not a document") << QByteArray("Planformix is not a text format\n") << QString();
    // Only a version mismatch explains itself on standard output.
    QTest::newRow("version 2") << variant([](serializedPlanformixData& d) { d.set_version(2); })
                               << "data.version(): 2, model version: 1\n";
    QTest::newRow("no version") << variant([](serializedPlanformixData& d) { d.clear_version(); }) << notADocument;
    QTest::newRow("panel without id") << variant([](serializedPlanformixData& d) { d.mutable_panels(0)->clear_id(); }) << QString();
    QTest::newRow("length NaN") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->set_length(std::numeric_limits<float>::quiet_NaN());
    }) << QString();
    QTest::newRow("sweep infinite") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->set_sweep(std::numeric_limits<float>::infinity());
    }) << QString();
    QTest::newRow("rib position NaN") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->add_riblist()->set_position(std::numeric_limits<float>::quiet_NaN());
    }) << QString();
    const std::string tooLong(std::size_t(DocumentLimits::maxNameLength) + 1, 'x');
    QTest::newRow("plane name too long") << variant([&](serializedPlanformixData& d) { d.set_planename(tooLong); })
                                         << QString();
    QTest::newRow("spar name too long") << variant([&](serializedPlanformixData& d) {
        d.mutable_panels(0)->add_sparlist()->set_sparname(tooLong);
    }) << QString();
    QTest::newRow("spar radius infinite") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->add_sparlist()->set_roundsparradius(-std::numeric_limits<float>::infinity());
    }) << QString();
    QTest::newRow("length zero") << variant([](serializedPlanformixData& d) { d.mutable_panels(0)->set_length(0.0f); }) << QString();
    QTest::newRow("root chord negative") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->set_rootchord(-5.0f);
    }) << QString();
    QTest::newRow("tip chord absent") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->clear_tipchord();
    }) << QString();
    QTest::newRow("1001 ribs to generate") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->set_noofribs(1001);
    }) << QString();
    QTest::newRow("huge rib count") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->set_noofribs(2000000000);
    }) << QString();
    QTest::newRow("1001 ribs listed") << variant([](serializedPlanformixData& d) {
        for (int i = 0; i < 1001; ++i)
            d.mutable_panels(0)->add_riblist()->set_position(float(i));
    }) << QString();
    // Finite, but far enough out that span, area or rib outlines overflow.
    QTest::newRow("length near the float limit") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->set_length(3e38f);
    }) << QString();
    QTest::newRow("root chord vanishing") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->set_rootchord(1e-30f);
    }) << QString();
    QTest::newRow("rib position near the float limit") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->add_riblist()->set_position(1e30f);
    }) << QString();
    QTest::newRow("dihedral near the float limit") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->set_dihedralangle(-3e38f);
    }) << QString();
    QTest::newRow("spar height near the float limit") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->add_sparlist()->set_squaresparheight(3e38f);
    }) << QString();
    QTest::newRow("comb width near the float limit") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->add_comblist()->set_width(-3e38f);
    }) << QString();
    QTest::newRow("airfoil factor near the float limit") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->set_tipairfoilfactor(3e38f);
    }) << QString();
    // Each list within its own limit, but cutting them all into 1000 ribs
    // would keep the load busy for minutes.
    QTest::newRow("parts times ribs") << variant([](serializedPlanformixData& d) {
        PanelMessage* p = d.mutable_panels(0);
        p->set_noofribs(1000);
        for (int i = 0; i < 400; ++i) {
            p->add_sparlist();
            p->mutable_sheeting()->add_sheetingstriplist();
            p->add_comblist();
        }
    }) << QString();
    // Beyond any real wing, refused before anything is built: each of these
    // once held the program for many seconds.
    QTest::newRow("1000 ribs and 1000 square spars") << variant([](serializedPlanformixData& d) {
        PanelMessage* p = d.mutable_panels(0);
        p->set_noofribs(1000);
        for (int i = 0; i < 1000; ++i)
            p->add_sparlist()->set_type(serializedPlanformixData::serializedSparListData::Square);
    }) << QString();
    QTest::newRow("100 panels of 1000 ribs") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->set_noofribs(1000);
        for (int i = 1; i < 100; ++i)
            *d.add_panels() = d.panels(0);
    }) << QString();
    QTest::newRow("201 ribs listed") << variant([](serializedPlanformixData& d) {
        for (int i = 0; i < 201; ++i)
            d.mutable_panels(0)->add_riblist()->set_position(float(i));
    }) << QString();
    QTest::newRow("51 combs") << variant([](serializedPlanformixData& d) {
        for (int i = 0; i < 51; ++i)
            d.mutable_panels(0)->add_comblist();
    }) << QString();
    QTest::newRow("81 panels of 200 ribs") << variant([](serializedPlanformixData& d) {
        d.mutable_panels(0)->set_noofribs(200);
        for (int i = 1; i < 81; ++i)
            *d.add_panels() = d.panels(0);
    }) << QString();
    QTest::newRow("3 panels of 200 ribs and 50 of each part") << variant([](serializedPlanformixData& d) {
        PanelMessage* p = d.mutable_panels(0);
        p->set_noofribs(200);
        for (int i = 0; i < 50; ++i) {
            p->add_sparlist();
            p->mutable_sheeting()->add_sheetingstriplist();
            p->add_comblist();
        }
        for (int i = 1; i < 3; ++i)
            *d.add_panels() = d.panels(0);
    }) << QString();
    QTest::newRow("1001 panels") << variant([](serializedPlanformixData& d) {
        for (int i = 0; i < 1000; ++i)
            *d.add_panels() = d.panels(0);
    }) << QString();
}

void TestPlaneDocument::refusedDocumentLeavesPlaneUntouched()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, versionLine);
    plane->setName(QStringLiteral("Keep me"), false);
    loadFeatured();
    RecordingView view(QStringLiteral("Watcher"));
    plane->addObserver(&view);
    const std::string before = encoded(plane);

    bool loaded = true;
    const auto output = TestSupport::captureOutput(
        [&] { loaded = plane->loadFromString(bytes.toStdString(), SerializeableIf::FILE_LOAD); });
    QVERIFY(!loaded);
    if (!versionLine.isEmpty())
        QCOMPARE(QString::fromStdString(output.out), versionLine);
    if (versionLine.startsWith(QStringLiteral("The data is not")))
        QVERIFY2(plane->getLoadProblem().contains(QStringLiteral("not a document of this program")),
                 qPrintable(plane->getLoadProblem()));
    QCOMPARE(encoded(plane), before);
    QCOMPARE(view.notifications, 0);
    QVERIFY(view.loaded.empty());
    QVERIFY(DialogSeam::calls().empty());
}

void TestPlaneDocument::refusedFileLeavesPlaneUntouched()
{
    loadFeatured();
    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(2, 300.0f, 150.0f, 100.0f, 2.0f));
    const std::string document = encoded(plane);

    // Every cut of a real document is refused, wherever it falls.
    plane->setName(QStringLiteral("Other"), false);
    const std::string before = encoded(plane);
    const QString file = dir->filePath(QStringLiteral("cut.pfz"));
    for (size_t keep : {document.size() - 1, document.size() / 2, document.size() / 3, size_t(10), size_t(0)}) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(document.data(), qint64(keep));
        out.close();
        QVERIFY2(!plane->load(file.toStdString(), true, SerializeableIf::FILE_LOAD), qPrintable(QString::number(keep)));
        QCOMPARE(encoded(plane), before);
    }
    QVERIFY(!plane->load(dir->filePath(QStringLiteral("missing.pfz")).toStdString(), true,
                         SerializeableIf::FILE_LOAD));
    QCOMPARE(encoded(plane), before);
}

void TestPlaneDocument::damagedBytesNeverHalfLoad()
{
    // Every byte of a real document damaged in turn: each copy either loads
    // whole or is refused with the open plane left exactly as it was.
    const std::string document = featuredDocument().SerializeAsString();
    QVERIFY(plane->loadFromString(document, SerializeableIf::FILE_LOAD));
    const std::string before = encoded(plane);
    int refused = 0;
    for (size_t i = 0; i < document.size(); ++i) {
        for (unsigned char damage : {0xffu, 0x55u}) {
            std::string copy = document;
            copy[i] = char(damage == 0xffu ? 0xff : copy[i] ^ 0x55);
            bool loaded = true;
            TestSupport::captureOutput([&] { loaded = plane->loadFromString(copy, SerializeableIf::FILE_LOAD); });
            if (loaded) {
                QVERIFY(plane->loadFromString(document, SerializeableIf::FILE_LOAD));
            } else {
                ++refused;
                QVERIFY2(encoded(plane) == before, qPrintable(QString::number(i)));
            }
        }
    }
    QVERIFY(refused > 0);
}

void TestPlaneDocument::programWrittenDocumentsOfManyRibsLoad()
{
    // A large real wing: ten of the editor's largest panels, each with every
    // kind of spar, a strip under advanced covering and a comb.
    serializedPlanformixData wing = featuredDocument();
    PanelMessage* panel = wing.mutable_panels(0);
    panel->set_noofribs(100);
    panel->clear_riblist();
    for (int type = 0; type < 6; ++type) {
        auto* spar = panel->add_sparlist();
        spar->set_type(serializedPlanformixData::serializedSparListData::SparType(type));
        spar->set_firstrib(1);
        spar->set_lastrib(100);
    }
    for (int i = 1; i < 10; ++i)
        *wing.add_panels() = wing.panels(0);
    QVERIFY(plane->loadFromString(wing.SerializeAsString(), SerializeableIf::FILE_LOAD));
    QCOMPARE(plane->getPanelCount(), 10);
    QCOMPARE(plane->getPanelList().back()->getRibCount(), 100);

    // Every generated rib split in two is still a wing the editor makes;
    // one rib more is not, and no undo state holds more than a file.
    plane->clear();
    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(1, 1000.0f, 200.0f, 150.0f, 1.0f, 200));
    std::string bytes = encoded(plane);
    QVERIFY(plane->loadFromString(bytes, SerializeableIf::FILE_LOAD));
    QCOMPARE(plane->getPanelList().back()->getRibCount(), 200);
    plane->clear();
    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(1, 1000.0f, 200.0f, 150.0f, 1.0f, 201));
    bytes = encoded(plane);
    bool opened = true;
    TestSupport::captureOutput([&] { opened = plane->loadFromString(bytes, SerializeableIf::FILE_LOAD); });
    QVERIFY(!opened);
    TestSupport::captureOutput([&] { opened = plane->loadFromString(bytes, SerializeableIf::UNDO_REDO); });
    QVERIFY(!opened);
    // Such a plane is not written at all, and saving says why.
    QTemporaryDir dir;
    std::string file = dir.filePath(QStringLiteral("large.pfz")).toStdString();
    QVERIFY(!plane->save(file));
    QVERIFY(!QFile::exists(QString::fromStdString(file)));
    QCOMPARE(DialogSeam::calls().size(), size_t(1));
    QCOMPARE(DialogSeam::calls().back().title, QStringLiteral("Document not saved"));
    QVERIFY(DialogSeam::calls().back().text.contains(QStringLiteral("201 ribs in panel 1")));
}

void TestPlaneDocument::planesAtTheBoundsSaveAndOpenAgain_data()
{
    QTest::addColumn<int>("panels");
    QTest::addColumn<int>("ribs");
    QTest::addColumn<int>("spars");
    QTest::addColumn<int>("strips");
    QTest::addColumn<int>("combs");
    QTest::addColumn<bool>("advanced");
    // A capped panel holds as many cuts of strips under advanced covering
    // as a plane may.
    QTest::newRow("a capped panel") << 1 << 200 << 50 << 50 << 50 << true;
    QTest::newRow("as many panels as a plane has") << 1000 << 2 << 0 << 0 << 0 << false;
    QTest::newRow("as many ribs as a plane has") << 40 << 200 << 0 << 0 << 0 << false;
    QTest::newRow("as many rib cuts as a plane has") << 75 << 100 << 8 << 0 << 0 << false;
}

void TestPlaneDocument::planesAtTheBoundsSaveAndOpenAgain()
{
    QFETCH(int, panels);
    QFETCH(int, ribs);
    QFETCH(int, spars);
    QFETCH(int, strips);
    QFETCH(int, combs);
    QFETCH(bool, advanced);
    // Names as long as the editors let them be, of characters that take two
    // bytes each in the file.
    serializedPlanformixData wing = wingOf(panels, ribs, spars, strips, combs, advanced);
    const std::string longest = QString(DocumentLimits::maxNameLength, QChar(0xfc)).toStdString();
    wing.set_planename(longest);
    wing.mutable_panels(0)->set_panelname(longest);
    if (spars > 0)
        wing.mutable_panels(0)->mutable_sparlist(0)->set_sparname(longest);
    QVERIFY(plane->loadFromString(wing.SerializeAsString(), SerializeableIf::FILE_LOAD));
    QCOMPARE(plane->getPanelCount(), panels);
    QCOMPARE(plane->getPanelList().back()->getRibCount(), ribs);
    const std::string built = encoded(plane);

    std::string file = dir->filePath(QStringLiteral("bounds.pfz")).toStdString();
    QVERIFY(plane->save(file));
    QVERIFY(DialogSeam::calls().empty());
    plane->clear();
    QVERIFY(plane->load(file, true, SerializeableIf::FILE_LOAD));
    std::string report;
    QVERIFY2(sameMessage(decoded(encoded(plane)), decoded(built), &report), report.c_str());
}

void TestPlaneDocument::buildWithoutMemoryIsRefused_data()
{
    QTest::addColumn<int>("hint");
    QTest::newRow("document file") << int(SerializeableIf::FILE_LOAD);
    QTest::newRow("undo state") << int(SerializeableIf::UNDO_REDO);
}

void TestPlaneDocument::buildWithoutMemoryIsRefused()
{
    // Memory runs out in the middle of building a document: the load is
    // refused saying why, and the process goes on; the plane is as it was.
    QFETCH(int, hint);
    loadFeatured();
    const std::string before = encoded(plane);
    const std::string bytes = wingOf(4, 100, 5, 5, 5, true).SerializeAsString();
    allocationsBeforeFailure = 200000;
    const bool loaded = plane->loadFromString(bytes, SerializeableIf::hint_t(hint));
    const long long left = allocationsBeforeFailure.exchange(-1);
    QVERIFY(left < 0);
    QVERIFY(!loaded);
    QVERIFY(!plane->wasLoadStopped());
    QVERIFY2(plane->getLoadProblem().contains(QStringLiteral("not enough memory")),
             qPrintable(plane->getLoadProblem()));
    QVERIFY(plane->getDocumentState() == PlaneModel::DocumentState::Shown);
    QVERIFY(encoded(plane) == before);
    QVERIFY(plane->loadFromString(bytes, SerializeableIf::hint_t(hint)));
    QCOMPARE(plane->getPanelCount(), 4);
}

void TestPlaneDocument::buildStoppedAtAnyAllocationLeavesNoBrokenPoint_data()
{
    // The undo state built while the plane shows it with its first panel
    // renamed, then again over itself; one allocation of the build workers
    // (new, malloc or realloc) fails in each build: every one of a rib's
    // worth of them from where the rib pipeline begins (`fineRibs` ribs),
    // and `spread` more evenly over the whole build.
    QTest::addColumn<bool>("largest");
    QTest::addColumn<int>("fineRibs");
    QTest::addColumn<int>("spread");
    QTest::newRow("panel of 200 ribs, 3 square spars, edge pieces") << false << 1 << 200;
    // Each build of the largest plane that fails builds the plane given up
    // for it again: a few are all the sanitizers' minutes allow.
#ifdef PLANFORMIX_SANITIZED
    QTest::newRow("largest plane's undo") << true << 0 << 2;
#else
    QTest::newRow("largest plane's undo") << true << 0 << 4;
#endif
}

void TestPlaneDocument::buildStoppedAtAnyAllocationLeavesNoBrokenPoint()
{
    // Wherever memory runs out in the build, what was made of it goes
    // again without a point freed twice or a normal left dangling (the
    // points come from the recycler here): the build is refused or done,
    // the document is the user's, and Save writes it.
    QFETCH(bool, largest);
    QFETCH(int, fineRibs);
    QFETCH(int, spread);
    const QString file = dir->filePath(QStringLiteral("kept.pfz"));
    const auto savesAs = [&](const std::string& expected) {
        std::string target = file.toStdString();
        QFile saved(file);
        return plane->save(target) && saved.open(QIODevice::ReadOnly) && saved.readAll().toStdString() == expected;
    };
    const std::string result = TestSupport::resultOfChildProcess([&]() -> std::string {
        serializedPlanformixData undoState = wingOf(0, 0, 0, 0, 0);
        if (largest)
            undoState = largestPlane();
        else
            *undoState.add_panels() = featuredPanel(1, 200, 3, 0, 0);
        serializedPlanformixData renamed = undoState;
        renamed.mutable_panels(0)->set_panelname("renamed in its cell");
        const std::string undo = undoState.SerializeAsString();
        if (!plane->loadFromString(renamed.SerializeAsString(), SerializeableIf::FILE_LOAD))
            return "the plane did not open";
        // As in the window: the workers build, the caller waits.
        plane->setLoadProgress([](long long, long long) { return true; });
        const long long never = std::numeric_limits<long long>::max() / 2;
        recyclingFromAllocation = -1;
        workerAllocationsBeforeFailure = never;
        if (!plane->loadFromString(undo, SerializeableIf::UNDO_REDO))
            return "the undo state was refused with memory to spare";
        const long long total = never - workerAllocationsBeforeFailure.exchange(-1);
        const long long pipeline = never - recyclingFromAllocation.load();
        const std::string applied = encoded(plane);
        std::vector<long long> failing;
        const long long ribs = undoState.panels(0).noofribs();
        const long long fine = ribs > 0 ? (total - pipeline) * fineRibs / ribs : 0;
        for (long long n = pipeline; n < pipeline + fine; ++n)
            failing.push_back(n);
        for (int k = 0; k < spread; ++k)
            failing.push_back(total * k / spread);
        int kept = 0;
        int held = 0;
        int done = 0;
        for (long long n : failing) {
            workerAllocationsBeforeFailure = n;
            const bool loaded = plane->loadFromString(undo, SerializeableIf::UNDO_REDO);
            const std::string at = " with allocation " + std::to_string(n) + " of " + std::to_string(total) + " failed";
            if (workerAllocationsBeforeFailure.exchange(-1) >= 0)
                return "no allocation failed" + at;
            if (!loaded && !plane->getLoadProblem().contains(QStringLiteral("not enough memory")))
                return "refused for another reason" + at + ": " + plane->getLoadProblem().toStdString();
            const bool isHeld = plane->getDocumentState() == PlaneModel::DocumentState::HeldNotBuilt;
            if (isHeld == (plane->getPanelCount() > 0) || (loaded && isHeld))
                return "the plane is shown and held at once, or neither" + at;
            // Refused or done, it is the undo state: the plane built over it.
            if (isHeld ? !savesAs(applied) : encoded(plane) != applied)
                return "another document" + at;
            ++(loaded ? done : isHeld ? held : kept);
        }
        if (!savesAs(applied))
            return "Save wrote another document";
#ifdef PLANFORMIX_SANITIZED
        // What each stopped build made and no one holds any more was freed.
        if (__lsan_do_recoverable_leak_check() != 0)
            return "a stopped build left memory no one frees (the leak report above names it)";
#endif
        return "kept " + std::to_string(kept) + ", held " + std::to_string(held) + ", applied "
               + std::to_string(done) + "; " + std::to_string(fine) + " in a row from allocation "
               + std::to_string(pipeline) + " of " + std::to_string(total);
    });
    QVERIFY2(result.rfind("kept ", 0) == 0 && result.find("status") == std::string::npos, result.c_str());
    qInfo("%s", result.c_str());
}

void TestPlaneDocument::documentOutlivesAShortageOfMemory_data()
{
    // Megabytes the process may take beyond what it holds with the large
    // plane shown; the plane it is to become needs more than a gigabyte.
    // An edit adds a copy of the last panel, as OK in the panel dialog
    // does, and runs out half way.
    // Where Qt's connection lists find no memory on the build's worker
    // threads, a worker that connects ends the program.
    QTest::addColumn<int>("spareMb");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("connectionsFailOnWorkers");
    QTest::newRow("undo, none to spare") << 0 << "undo" << false;
    QTest::newRow("undo, 60 MB to spare") << 60 << "undo" << false;
    QTest::newRow("undo, 30 MB to spare, no connection on a worker") << 30 << "undo" << true;
    QTest::newRow("open, none to spare") << 0 << "open" << false;
    QTest::newRow("open, 60 MB to spare") << 60 << "open" << false;
    QTest::newRow("added panel, none to spare") << 0 << "edit" << false;
}

void TestPlaneDocument::documentOutlivesAShortageOfMemory()
{
    // A plane over the size that is given up while its replacement is
    // built, and a limit on the process's data that stays in place: the
    // replacement fails, and whether or not the plane can be built again,
    // the document is the user's, and Save writes exactly that.
    QFETCH(int, spareMb);
    QFETCH(QString, command);
    QFETCH(bool, connectionsFailOnWorkers);
    if (connectionsFailOnWorkers && !connectionFailureAvailable)
        QSKIP("The sanitizer owns malloc here.");
    // Views whose settings are document content: the summary's unit and
    // dihedral setting, the 3D view's axes.
    SettingsView summary(QStringLiteral("PlaneSummaryArea"));
    SettingsView wingView(QStringLiteral("MainWingGLWidget"));
    plane->addObserver(&summary);
    plane->addObserver(&wingView);
    const std::string large = wingOf(10, 100, 0, 0, 0).SerializeAsString();
    const std::string larger = wingOf(40, 200, 5, 1, 1, true).SerializeAsString();
    const QString file = dir->filePath(QStringLiteral("kept.pfz"));
    const auto loadLarge = [&] {
        if (!plane->loadFromString(large, SerializeableIf::FILE_LOAD))
            std::exit(10);
        PanelBaseData added = plane->getPanelList().back()->getPanelBaseData();
        added.setId(plane->getPanelsTableModel()->getNextFreeId());
        return added;
    };
    // The document the edit makes, found without a limit in a process of
    // its own, whose freed plane would otherwise leave room for the edit.
    std::string edited;
    if (command == QLatin1String("edit")) {
        edited = TestSupport::runWithFileSizeLimit(std::numeric_limits<int>::max(), [&] {
            plane->getPanelsTableModel()->addOrUpdatePanel(loadLarge());
            return encoded(plane);
        });
        QVERIFY(decoded(edited).panels_size() == 11);
    }
    const int status = TestSupport::runInChildProcess([&] {
        const PanelBaseData added = loadLarge();
        PanelsTableModel* panels = plane->getPanelsTableModel();
        std::string before = encoded(plane);
#ifdef __GLIBC__
        malloc_trim(0);
#endif
        if (!TestSupport::limitDataTo(spareMb * 1024LL * 1024))
            std::exit(12);
        if (connectionsFailOnWorkers && !failConnectionsOffMainThread())
            std::exit(11);
        std::string expected = before;
        bool tookEdit = false;
        if (command == QLatin1String("edit")) {
            // As the panels table guards an edit: what ran out half way is
            // put back from the document before it.
            bool outOfMemory = false;
            try {
                panels->addOrUpdatePanel(added);
            } catch (const std::bad_alloc&) {
                outOfMemory = true;
            }
            if (outOfMemory)
                plane->recoverDocument(std::move(before));
            else
                expected.swap(edited);
            tookEdit = !outOfMemory;
        } else {
            const SerializeableIf::hint_t hint =
                command == QLatin1String("open") ? SerializeableIf::FILE_LOAD : SerializeableIf::UNDO_REDO;
            if (plane->loadFromString(larger, hint))
                std::exit(13);
            if (!plane->getLoadProblem().contains(QStringLiteral("not enough memory")))
                std::exit(14);
        }
        if (encoded(plane) != expected)
            std::exit(15);
        // Held unbuilt, the plane still takes a new name and what the views
        // set into its document.
        if (plane->getDocumentState() == PlaneModel::DocumentState::HeldNotBuilt) {
            plane->setName(QStringLiteral("renamed while held"), false);
            plane->setUnits(2);
            plane->setConsiderDihedral(false);
            wingView.axes = false;
            serializedPlanformixData renamed = decoded(expected);
            renamed.set_planename("renamed while held");
            for (auto& view : *renamed.mutable_views()) {
                if (view.observername() == "PlaneSummaryArea")
                    summary.saveInto(view, plane);
                else
                    wingView.saveInto(view, plane);
            }
            expected = renamed.SerializeAsString();
        }
        std::string target = file.toStdString();
        if (!plane->save(target))
            std::exit(16);
        QFile saved(file);
        if (!saved.open(QIODevice::ReadOnly) || saved.readAll().toStdString() != expected)
            std::exit(17);
        // The shown plane is the document; a held one shows nothing.
        const bool held = plane->getDocumentState() == PlaneModel::DocumentState::HeldNotBuilt;
        if (held != (plane->getPanelCount() == 0))
            std::exit(18);
        std::exit(held ? 1 : tookEdit ? 2 : 0);
    });
    QVERIFY2(status == 0 || status == 1 || status == 2, qPrintable(QString::number(status)));
    qInfo("%s", status == 2 ? "the edit took" : status == 1 ? "the plane was held unbuilt" : "the plane was built again");
}

void TestPlaneDocument::changesDuringABuildWaitUntilItIsOver_data()
{
    QTest::addColumn<int>("hint");
    QTest::addColumn<float>("rootChordAfter");
    // A file replaces the plane the change was made on: the change goes
    // with that plane.
    QTest::newRow("document file") << int(SerializeableIf::FILE_LOAD) << 200.0f;
    QTest::newRow("undo state") << int(SerializeableIf::UNDO_REDO) << 300.0f;
}

void TestPlaneDocument::changesDuringABuildWaitUntilItIsOver()
{
    // An event handled while the panels are built (the window is kept alive
    // meanwhile) makes the first panel wider: the change waits until the
    // new plane is in place, and then every panel follows it.
    QFETCH(int, hint);
    QFETCH(float, rootChordAfter);
    PanelsTableModel* panels = plane->getPanelsTableModel();
    int reports = 0;
    int panelsSeen = -1;
    plane->setLoadProgress([&](long long, long long) {
        if (reports++ == 0) {
            panels->addOrUpdatePanel(plainPanel(1, 500.0f, 300.0f, 150.0f, 0.0f, 20));
            panelsSeen = plane->getPanelCount();
        }
        return true;
    });
    // Strips under advanced covering make each panel's build take its time.
    QVERIFY(plane->loadFromString(wingOf(8, 200, 0, 6, 0, true).SerializeAsString(),
                                  SerializeableIf::hint_t(hint)));
    plane->setLoadProgress(nullptr);
    QVERIFY(reports > 0);
    QCOMPARE(panelsSeen, 0);
    QCOMPARE(plane->getRootChord(), 200.0f);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(plane->getPanelCount(), 8);
    QCOMPARE(plane->getRootChord(), rootChordAfter);
    for (Panel* panel : {plane->getPanelsTableModel()->getPanel(1), plane->getPanelList().back()}) {
        const float height = panel->getPanelBaseData().getRibHeight();
        panel->getPanelBaseData().rebuildRibs();
        QCOMPARE(panel->getPanelBaseData().getRibHeight(), height);
    }
}

void TestPlaneDocument::panelsBuiltSideBySideTakeIdsInFileOrder()
{
    // Under standard covering a panel draws fresh ids for its bands while it
    // is built; its spar and comb parts carry ids drawn before.
    // Panels of many ribs, so that every thread gets one of them to build.
    serializedPlanformixData wing = featuredDocument();
    PanelMessage* first = wing.mutable_panels(0);
    first->mutable_sheeting()->set_sheetingtype(PanelMessage::sheetingDefinition::Standard);
    first->set_noofribs(80);
    first->clear_riblist();
    for (int i = 1; i < 5; ++i)
        *wing.add_panels() = wing.panels(0);
    QVERIFY(plane->loadFromString(wing.SerializeAsString(), SerializeableIf::FILE_LOAD));
    QCOMPARE(plane->getPanelCount(), 5);
    int lastId = -1;
    for (const Panel* panel : plane->getPanelList()) {
        // The views attach to a panel's tables from this thread.
        QCOMPARE(panel->getPanelBaseData().getSparsTableModel().thread(), QThread::currentThread());
        int first = std::numeric_limits<int>::max();
        int last = -1;
        for (const RibDefinition& rib : panel->getRibList().getRibs()) {
            for (const auto* parts : {&rib.getSquareSparParts(), &rib.getCoveringPolygons(), &rib.getCombParts()}) {
                for (const IdentifiableObject* part : *parts) {
                    first = std::min(first, part->getId());
                    last = std::max(last, part->getId());
                }
            }
        }
        // As when the panels are built one after the other.
        QVERIFY2(first > lastId, qPrintable(QStringLiteral("panel %1").arg(panel->getId())));
        lastId = last;
    }
}

void TestPlaneDocument::alignedPanelLoadsWithoutNoAlignment()
{
    serializedPlanformixData data;
    data.set_version(1);
    for (int i = 0; i < 3; ++i) {
        PanelMessage* panel = data.add_panels();
        panel->set_id(i);
        panel->set_length(300.0f);
        panel->set_rootchord(200.0f);
        panel->set_tipchord(180.0f);
        panel->set_airfoilname("NACA 2412");
        panel->set_noofribs(4);
        panel->set_dontalign(true);
    }
    data.mutable_panels(0)->set_topalign(true);
    data.mutable_panels(1)->set_bottomalign(true);
    QVERIFY(plane->loadFromString(data.SerializeAsString(), SerializeableIf::FILE_LOAD));
    auto it = plane->getPanelList().begin();
    QVERIFY(!(*it)->getDontAlign());
    QVERIFY((*it)->getTopAlign());
    QVERIFY(!(*++it)->getDontAlign());
    QVERIFY((*++it)->getDontAlign());
}

void TestPlaneDocument::absentRecordsTakeClassDefaults()
{
    serializedPlanformixData data;
    data.set_version(1);
    PanelMessage* panel = data.add_panels();
    panel->set_id(1);
    panel->set_length(300.0f);
    panel->set_rootchord(200.0f);
    panel->set_tipchord(180.0f);
    panel->set_ribthickness(2.0f);
    panel->set_noofribs(6);
    QVERIFY(plane->loadFromString(data.SerializeAsString(), SerializeableIf::FILE_LOAD));
    const Panel* loaded = plane->getPanelList().front();
    // No rib list: ribs come from the stored count.
    QCOMPARE(loaded->getRibCount(), 6);
    const CoveringDefinition defaults;
    QCOMPARE(loaded->getPanelBaseData().getCoveringDefinition().getThickness(), defaults.getThickness());
    QCOMPARE(loaded->getTEData().getStandardTEDepth(1.0f), TEData().getStandardTEDepth(1.0f));
}

void TestPlaneDocument::viewRecordsReachViewsByName()
{
    RecordingView summary(QStringLiteral("PlaneSummaryArea"));
    RecordingView hidden(QStringLiteral("Hidden"));
    hidden.setPersistent(false);
    plane->addObserver(&summary);
    plane->addObserver(&hidden);

    serializedPlanformixData saved = decoded(encoded(plane));
    QCOMPARE(saved.views_size(), 1);
    QCOMPARE(saved.views(0).observername(), std::string("PlaneSummaryArea"));

    saved.add_views()->set_observername("NoSuchView");
    *saved.add_views() = saved.views(0);
    QVERIFY(plane->loadFromString(saved.SerializeAsString(), SerializeableIf::UNDO_REDO));
    QCOMPARE(int(summary.loaded.size()), 2);
    QVERIFY(summary.loaded[0] && summary.loaded[1]);
    QCOMPARE(summary.hints[0], SerializeableIf::UNDO_REDO);
    QVERIFY(hidden.loaded.empty());
}

void TestPlaneDocument::unknownFieldsAreIgnored()
{
    loadFeatured();
    const std::string document = encoded(plane);
    // Field 99 as a varint, as a later program version might add one.
    const std::string extended = document + std::string("\x98\x06\x01", 3);
    plane->clear();
    QVERIFY(plane->loadFromString(extended, SerializeableIf::FILE_LOAD));
    QCOMPARE(plane->getPanelCount(), 1);
    QCOMPARE(encoded(plane), document);
}

void TestPlaneDocument::savingToFileReplacesTargetOnlyWhenComplete()
{
    const QString file = dir->filePath(QStringLiteral("plane.pfz"));
    plane->setName(QStringLiteral("First"), false);
    std::string target = file.toStdString();
    QVERIFY(plane->save(target));
    plane->setName(QStringLiteral("Second"), false);
    QVERIFY(plane->save(target));
    QVERIFY(DialogSeam::calls().empty());
    // Nothing but the finished file is left behind.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("plane.pfz")});

    const QString nowhere = dir->filePath(QStringLiteral("no such folder/plane.pfz"));
    target = nowhere.toStdString();
    QVERIFY(!plane->save(target));
    QCOMPARE(int(DialogSeam::calls().size()), 1);
    QCOMPARE(DialogSeam::calls().front().icon, QMessageBox::Warning);
    QCOMPARE(DialogSeam::calls().front().title, QStringLiteral("Can't create file"));
    QVERIFY(DialogSeam::calls().front().text.startsWith(
        QStringLiteral("Can't create file '%1' for writing: ").arg(nowhere)));

    QVERIFY(plane->load(file.toStdString(), true, SerializeableIf::FILE_LOAD));
    QCOMPARE(plane->getName(), QStringLiteral("Second"));
}

void TestPlaneDocument::halfSpanFollowsDihedralSetting()
{
    PanelsTableModel* panels = plane->getPanelsTableModel();
    panels->addOrUpdatePanel(plainPanel(0, 500.0f, 200.0f, 180.0f, 4.0f));
    panels->addOrUpdatePanel(plainPanel(1, 300.0f, 180.0f, 120.0f, 2.0f));
    QVERIFY(qAbs(panels->getWingHalfSpan(true) - 798.965f) < 0.001f);
    QCOMPARE(panels->getWingHalfSpan(false), 800.0f);

    // Observers are told after the span already follows the new setting.
    RecordingView view(QStringLiteral("Summary"));
    plane->addObserver(&view);
    plane->setConsiderDihedral(false);
    QCOMPARE(view.notifications, 1);
    QCOMPARE(view.spanSeen, 1600.0f);
    plane->setConsiderDihedral(true);
    QVERIFY(qAbs(view.spanSeen - 2.0f * 798.965f) < 0.002f);
    QVERIFY(qAbs(plane->getSpan() - 2.0f * 798.965f) < 0.002f);
    QVERIFY(qAbs(plane->getArea() - 2.0f * panels->getWingHalfArea(true)) < 0.01f);
}

void TestPlaneDocument::fuselageFollowsSpanOrRootChord_data()
{
    QTest::addColumn<float>("length");
    QTest::addColumn<float>("rootChord");
    QTest::addColumn<float>("fuselage");
    QTest::newRow("span decides") << 500.0f << 200.0f << 800.0f;
    QTest::newRow("root chord decides") << 100.0f << 300.0f << 420.0f;
}

void TestPlaneDocument::fuselageFollowsSpanOrRootChord()
{
    QFETCH(float, length);
    QFETCH(float, rootChord);
    QFETCH(float, fuselage);
    bool userDefined = true;
    QCOMPARE(plane->getFuselageLength(&userDefined), 0.0f);
    QCOMPARE(plane->getWingPosition(&userDefined), 0.0f);
    QCOMPARE(plane->getRootChord(), -1.0f);

    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(0, length, rootChord, rootChord, 0.0f));
    QCOMPARE(plane->getSpan(), 2.0f * length);
    QVERIFY(qAbs(plane->getFuselageLength(&userDefined) - fuselage) < 0.001f);
    QVERIFY(!userDefined);
    QVERIFY(qAbs(plane->getWingPosition(&userDefined) - 0.2f * fuselage) < 0.001f);
    QVERIFY(!userDefined);
}

void TestPlaneDocument::userFuselageValuesWin()
{
    plane->getPanelsTableModel()->addOrUpdatePanel(plainPanel(0, 500.0f, 200.0f, 200.0f, 0.0f));
    plane->setFuselageLength(900.0f);
    bool userDefined = false;
    QCOMPARE(plane->getFuselageLength(&userDefined), 900.0f);
    QVERIFY(userDefined);
    QCOMPARE(plane->getWingPosition(&userDefined), 180.0f);
    QVERIFY(!userDefined);
    plane->setWingPosition(250.0f);
    QCOMPARE(plane->getWingPosition(&userDefined), 250.0f);
    QVERIFY(userDefined);
}

void TestPlaneDocument::clearEmptiesButKeepsIds()
{
    loadFeatured();
    plane->setUnits(2);
    plane->setConsiderDihedral(false);
    const int idBefore = plane->getNextId();
    plane->clear();
    QCOMPARE(plane->getPanelCount(), 0);
    QCOMPARE(plane->getName(), QString());
    QCOMPARE(plane->getUnits(), 0);
    QVERIFY(plane->getConsiderDihedral());
    QCOMPARE(plane->getSpan(), 0.0f);
    QCOMPARE(plane->getNextId(), idBefore + 1);
    plane->resetName();
    QCOMPARE(plane->getName(), QStringLiteral("New Plane"));
}

QTEST_MAIN(TestPlaneDocument)
#include "tst_planedocument.moc"
