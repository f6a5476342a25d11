#include <QtTest>
#include <QTemporaryDir>
#include <QThread>
#include <clocale>

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "common/TestSupport.h"
#include "foundation/Vector3D.h"

// The airfoil library: loading directories, duplicates and lookup by name.
namespace {

// The copy the build puts next to the program, which is what start-up reads.
const QString ShippedFoils = QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/foils_v2");

const QByteArray Points = "1.0 0.001\n0.5 0.06\n0.0 0.0\n0.5 -0.04\n1.0 -0.001\n";
const QByteArray ThickPoints = "1.0 0.001\n0.5 0.12\n0.0 0.0\n0.5 -0.08\n1.0 -0.001\n";

void writeFile(const QString& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir + "/" + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString outputOf(const std::function<void()>& fn, QString* err = nullptr)
{
    const auto output = TestSupport::captureOutput(fn);
    if (err)
        *err = QString::fromStdString(output.err);
    return QString::fromStdString(output.out);
}

} // namespace

class TestWingFoils : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void shippedFolderLoadsWithDefaultAirfoil();
    void germanDesktopReadsShippedFiles();
    void duplicateNamesKeepFirstInCaseInsensitiveOrder();
    void importedAirfoilCannotReplaceShippedOne();
    void unreadableFilesAreReportedOthersLoad();
    void emptyDirectoryGivesEmptyLibrary();
    void missingDirectoryIsReportedToCaller_data();
    void missingDirectoryIsReportedToCaller();
    void lookupIsCaseSensitiveWithDefaultFallback();
    void defaultFallbackMissingToo();
    void addAirfoilIgnoresNull();
    void printAirfoilsListsEntries();
};

void TestWingFoils::cleanup()
{
    delete WingFoils::instance();
    QVERIFY(!WingFoils::instance());
}

void TestWingFoils::shippedFolderLoadsWithDefaultAirfoil()
{
    QTemporaryDir imported;
    QString missing;
    WingFoils* library = nullptr;
    const QString out = outputOf(
        [&] { library = WingFoils::createInstance(ShippedFoils, imported.path(), &missing); });
    QCOMPARE(out, QString());
    QVERIFY(missing.isEmpty());
    QCOMPARE(WingFoils::instance(), library);
    QVERIFY(library->getAirfoils().size() >= 40);

    Airfoil* clarkY = library->findAirfoil("CLARK Y AIRFOIL", false);
    QVERIFY(clarkY);
    QCOMPARE(clarkY->getName(), QString("CLARK Y AIRFOIL"));
    QVERIFY(library->findAirfoil("NACA 0012", false));
    QVERIFY(library->findAirfoil("NACA 4415", false));

    // Ribs pair the points of two airfoils by index: every airfoil must sit
    // on the same stations.
    for (const auto& entry : library->getAirfoils()) {
        QCOMPARE(entry.first, entry.second->getName());
        QCOMPARE(entry.second->getPointCount(), 280);
        for (int i = 0; i < 280; ++i)
            QCOMPARE(entry.second->getPoint(i)->getX(), clarkY->getPoint(i)->getX());
    }
}

void TestWingFoils::germanDesktopReadsShippedFiles()
{
    QTemporaryDir imported;
    WingFoils::createInstance(ShippedFoils, imported.path());
    Airfoil* reference = WingFoils::instance()->findAirfoil("CLARK Y AIRFOIL", false);
    QVERIFY(reference);
    std::vector<float> expected;
    for (int i = 0; i < 280; ++i)
        expected.push_back(reference->getPoint(i)->getY());

    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        QSKIP("de_DE.UTF-8 is not installed (scripts/test installs it)");
    // Start-up loads in a thread of its own; do the same.
    QThread* loader = QThread::create(
        [&] { WingFoils::createInstance(ShippedFoils, imported.path()); });
    loader->start();
    loader->wait();
    delete loader;
    const std::string during = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_ALL, saved.c_str());

    QCOMPARE(during, std::string("de_DE.UTF-8"));  // loading left the locale alone
    Airfoil* clarkY = WingFoils::instance()->findAirfoil("CLARK Y AIRFOIL", false);
    QVERIFY(clarkY);
    QVERIFY(clarkY != reference);
    for (int i = 0; i < 280; ++i)
        QCOMPARE(clarkY->getPoint(i)->getY(), expected[size_t(i)]);
    // "0.08588" is not read as 0 or 8588 on a German desktop.
    QVERIFY(clarkY->getPoint(40)->getY() > 0.05f && clarkY->getPoint(40)->getY() < 0.1f);
}

void TestWingFoils::duplicateNamesKeepFirstInCaseInsensitiveOrder()
{
    QTemporaryDir foils;
    QTemporaryDir imported;
    // Byte order would put "B.dat" first; the listing ignores case.
    writeFile(foils.path(), "B.dat", "Twin\n" + ThickPoints);
    writeFile(foils.path(), "a.dat", "Twin\n" + Points);
    writeFile(foils.path(), "c.dat", "Other\n" + Points);
    const QString out = outputOf([&] { WingFoils::createInstance(foils.path(), imported.path()); });
    QCOMPARE(out, QString("Error adding airfoil \"Twin\": airfoil already exists!\n"));
    WingFoils* library = WingFoils::instance();
    QCOMPARE(int(library->getAirfoils().size()), 2);
    Airfoil* twin = library->findAirfoil("Twin", false);
    QVERIFY(twin);
    QVERIFY(twin->getPoint(35)->getY() < 0.07f);  // the thin one from "a.dat"
}

void TestWingFoils::importedAirfoilCannotReplaceShippedOne()
{
    QTemporaryDir foils;
    QTemporaryDir imported;
    writeFile(foils.path(), "clarky.dat", "CLARK Y AIRFOIL\n" + Points);
    writeFile(imported.path(), "mine.dat", "CLARK Y AIRFOIL\n" + ThickPoints);
    writeFile(imported.path(), "own.dat", "Own\n" + ThickPoints);
    const QString out = outputOf([&] { WingFoils::createInstance(foils.path(), imported.path()); });
    QCOMPARE(out, QString("Error adding airfoil \"CLARK Y AIRFOIL\": airfoil already exists!\n"));
    QVERIFY(WingFoils::instance()->findAirfoil("CLARK Y AIRFOIL", false)->getPoint(35)->getY() < 0.07f);
    QVERIFY(WingFoils::instance()->findAirfoil("Own", false));
}

void TestWingFoils::unreadableFilesAreReportedOthersLoad()
{
    QTemporaryDir foils;
    QTemporaryDir imported;
    writeFile(foils.path(), "a_good.dat", "Good A\n" + Points);
    writeFile(foils.path(), "b_bad.cor", "0.5 0.5\n");
    writeFile(foils.path(), "c_good.cor", Points);
    QVERIFY(QDir(foils.path()).mkdir("d_subfolder.dat"));
    writeFile(foils.path(), "e_notes.txt", "nothing here\n");
    const QString out = outputOf([&] { WingFoils::createInstance(foils.path(), imported.path()); });
    QCOMPARE(out, QString("ERROR loading airfoil b_bad\n"
                          "error loading file " + foils.path() + "/b_bad.cor\n"
                          "ERROR loading airfoil e_notes\n"
                          "error loading file " + foils.path() + "/e_notes.txt\n"));
    QCOMPARE(int(WingFoils::instance()->getAirfoils().size()), 2);
    QVERIFY(WingFoils::instance()->findAirfoil("Good A", false));
    QVERIFY(WingFoils::instance()->findAirfoil("c_good", false));
}

void TestWingFoils::emptyDirectoryGivesEmptyLibrary()
{
    QTemporaryDir foils;
    QTemporaryDir imported;
    QString missing;
    const QString out = outputOf([&] { WingFoils::createInstance(foils.path(), imported.path(), &missing); });
    QCOMPARE(out, QString());
    QVERIFY(missing.isEmpty());
    QVERIFY(WingFoils::instance());
    QVERIFY(WingFoils::instance()->getAirfoils().empty());
}

void TestWingFoils::missingDirectoryIsReportedToCaller_data()
{
    QTest::addColumn<bool>("foilsMissing");
    QTest::newRow("airfoil directory") << true;
    QTest::newRow("imported-airfoils directory") << false;
}

void TestWingFoils::missingDirectoryIsReportedToCaller()
{
    QFETCH(bool, foilsMissing);
    QTemporaryDir root;
    const QString foils = root.path() + "/foils";
    const QString imported = root.path() + "/imported";
    QVERIFY(QDir().mkpath(foilsMissing ? imported : foils));
    if (!foilsMissing)
        writeFile(foils, "a.dat", "Shipped\n" + Points);

    // The library must not end the process itself: that is start-up's call,
    // made from the thread that owns the application.
    const int status = TestSupport::runInChildProcess([&] {
        WingFoils::createInstance(foils, imported);
        std::exit(42);
    });
    QCOMPARE(status, 42);

    QString missing;
    const QString out = outputOf([&] { WingFoils::createInstance(foils, imported, &missing); });
    QCOMPARE(out, QString());
    const QString expectedMissing = foilsMissing ? foils : imported;
    QCOMPARE(missing, QDir(expectedMissing).absolutePath());
    QVERIFY(WingFoils::instance());
    QCOMPARE(WingFoils::instance()->getAirfoils().size(), size_t(foilsMissing ? 0 : 1));
    QCOMPARE(WingFoils::missingDirectoryMessage(missing),
             "Foils directory " + missing + " not found - are you in the correct directory?");
}

void TestWingFoils::lookupIsCaseSensitiveWithDefaultFallback()
{
    QTemporaryDir foils;
    QTemporaryDir imported;
    writeFile(foils.path(), "clarky.dat", "CLARK Y AIRFOIL\n" + Points);
    writeFile(foils.path(), "e205.dat", "E 205\n" + ThickPoints);
    WingFoils::createInstance(foils.path(), imported.path());
    WingFoils* library = WingFoils::instance();
    Airfoil* clarkY = library->findAirfoil("CLARK Y AIRFOIL", false);
    QVERIFY(clarkY);

    QString err;
    QString out = outputOf([&] { QCOMPARE(library->findAirfoil("E 205", true)->getName(), QString("E 205")); },
                           &err);
    QCOMPARE(out + err, QString());
    out = outputOf([&] { QVERIFY(!library->findAirfoil("e 205", false)); }, &err);
    QCOMPARE(out + err, QString());

    out = outputOf([&] {
        QCOMPARE(library->findAirfoil("e 205", true), clarkY);
        QCOMPARE(library->findAirfoil("e 205", true), clarkY);
    }, &err);
    const QString message = "ERROR in Airfoil* WingFoils::findAirfoil(QString, bool): airfoil e 205 "
                            "not found, setting default airfoil CLARK Y AIRFOIL instead!\n";
    QCOMPARE(out, QString());
    QCOMPARE(err, message + message);
    QCOMPARE(int(library->getAirfoils().size()), 2);
}

void TestWingFoils::defaultFallbackMissingToo()
{
    QTemporaryDir foils;
    QTemporaryDir imported;
    writeFile(foils.path(), "e205.dat", "E 205\n" + Points);
    WingFoils::createInstance(foils.path(), imported.path());
    Airfoil* found = reinterpret_cast<Airfoil*>(1);
    outputOf([&] { found = WingFoils::instance()->findAirfoil("Nowhere", true); });
    QVERIFY(!found);
    QCOMPARE(int(WingFoils::instance()->getAirfoils().size()), 1);
}

void TestWingFoils::addAirfoilIgnoresNull()
{
    WingFoils library;
    const QString out = outputOf([&] { library.addAirfoil(nullptr); });
    QCOMPARE(out, QString());
    QVERIFY(library.getAirfoils().empty());
}

void TestWingFoils::printAirfoilsListsEntries()
{
    QTemporaryDir foils;
    QTemporaryDir imported;
    writeFile(foils.path(), "1.dat", "Beta\n" + Points);
    writeFile(foils.path(), "2.dat", "Alpha\n" + Points);
    writeFile(foils.path(), "3.dat", "Gamma\n" + Points);
    WingFoils::createInstance(foils.path(), imported.path());
    QCOMPARE(outputOf([&] { WingFoils::instance()->printAirfoils(2); }),
             QString("Foil #0: Alpha\nFoil #1: Beta\n"));
    QCOMPARE(outputOf([&] { WingFoils::instance()->printAirfoils(-1); }),
             QString("Foil #0: Alpha\nFoil #1: Beta\nFoil #2: Gamma\n"));
}

QTEST_MAIN(TestWingFoils)
#include "tst_wingfoils.moc"
