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
const QByteArray Thin = "1.0 0.001\n0.5 0.06\n0.0 0.0\n0.5 -0.04\n1.0 -0.001\n";
const QByteArray Thick = "1.0 0.001\n0.5 0.12\n0.0 0.0\n0.5 -0.08\n1.0 -0.001\n";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QString stdoutOf(const std::function<void()>& fn, QString* err = nullptr)
{
    const auto output = TestSupport::captureOutput(fn);
    if (err)
        *err = QString::fromStdString(output.err);
    return QString::fromStdString(output.out);
}

bool isThin(Airfoil* airfoil)
{
    return airfoil && airfoil->getPoint(35)->getY() < 0.07f;
}

} // namespace

class TestWingFoils : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { delete WingFoils::instance(); }

    void shippedFolderLoadsOnCommonStations();
    void germanDesktopReadsShippedFiles();
    void firstNameWinsInCaseInsensitiveFileOrder();
    void unreadableFilesAreReportedOthersLoad();
    void missingDirectoryIsReportedToCaller_data();
    void missingDirectoryIsReportedToCaller();
    void lookupIsCaseSensitiveWithDefaultFallback();
    void replacedLibraryKeepsItsAirfoils();
    void nameCutAtItsFirstLetterBeyondAsciiFindsTheAirfoil_data();
    void nameCutAtItsFirstLetterBeyondAsciiFindsTheAirfoil();
};

void TestWingFoils::shippedFolderLoadsOnCommonStations()
{
    QTemporaryDir imported;
    QString missing;
    WingFoils* library = nullptr;
    QCOMPARE(stdoutOf([&] { library = WingFoils::createInstance(ShippedFoils, imported.path(), &missing); }),
             QString());
    QVERIFY(missing.isEmpty());
    QCOMPARE(WingFoils::instance(), library);
    QVERIFY(library->getAirfoils().size() >= 40);
    Airfoil* clarkY = library->findAirfoil("CLARK Y AIRFOIL", false);
    QVERIFY(clarkY);
    QVERIFY(library->findAirfoil("NACA 0012", false));
    // Ribs pair two airfoils point by point, so all share one station table.
    for (const auto& entry : library->getAirfoils()) {
        QCOMPARE(entry.second->getName(), entry.first);
        for (int i = 0; i < 280; ++i)
            QCOMPARE(entry.second->getPoint(i)->getX(), clarkY->getPoint(i)->getX());
    }
}

void TestWingFoils::germanDesktopReadsShippedFiles()
{
    QTemporaryDir imported;
    WingFoils::createInstance(ShippedFoils, imported.path());
    std::vector<float> expected;
    for (const Vector3D* p : WingFoils::instance()->findAirfoil("CLARK Y AIRFOIL", false)->getCoords())
        expected.push_back(p->getY());

    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        QSKIP("de_DE.UTF-8 is not installed (scripts/test installs it)");
    // Start-up loads in a thread of its own.
    QScopedPointer<QThread> loader(QThread::create([&] { WingFoils::createInstance(ShippedFoils, imported.path()); }));
    loader->start();
    loader->wait();
    const std::string after = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_ALL, saved.c_str());

    QCOMPARE(after, std::string("de_DE.UTF-8"));  // the loader left the locale alone
    Airfoil* clarkY = WingFoils::instance()->findAirfoil("CLARK Y AIRFOIL", false);
    QVERIFY(clarkY);
    for (int i = 0; i < 280; ++i)
        QCOMPARE(clarkY->getPoint(i)->getY(), expected[size_t(i)]);
    QVERIFY(clarkY->getPoint(40)->getY() > 0.05f);  // "0.08588" is not read as 0
}

void TestWingFoils::firstNameWinsInCaseInsensitiveFileOrder()
{
    QTemporaryDir foils;
    QTemporaryDir imported;
    // Byte order would put "B.dat" first; the listing ignores case.
    writeFile(foils.path() + "/B.dat", "Twin\n" + Thick);
    writeFile(foils.path() + "/a.dat", "Twin\n" + Thin);
    writeFile(foils.path() + "/c.dat", "CLARK Y AIRFOIL\n" + Thin);
    // An imported airfoil cannot replace a shipped one.
    writeFile(imported.path() + "/mine.dat", "CLARK Y AIRFOIL\n" + Thick);
    QCOMPARE(stdoutOf([&] { WingFoils::createInstance(foils.path(), imported.path()); }),
             QString("Error adding airfoil \"Twin\": airfoil already exists!\n"
                     "Error adding airfoil \"CLARK Y AIRFOIL\": airfoil already exists!\n"));
    QCOMPARE(int(WingFoils::instance()->getAirfoils().size()), 2);
    QVERIFY(isThin(WingFoils::instance()->findAirfoil("Twin", false)));
    QVERIFY(isThin(WingFoils::instance()->findAirfoil("CLARK Y AIRFOIL", false)));
}

void TestWingFoils::unreadableFilesAreReportedOthersLoad()
{
    QTemporaryDir foils;
    QTemporaryDir imported;
    writeFile(foils.path() + "/a_good.dat", "Good A\n" + Thin);
    writeFile(foils.path() + "/b_bad.cor", "0.5 0.5\n");
    writeFile(foils.path() + "/b_nameless.dat", "\n" + Thin);
    writeFile(foils.path() + "/c_good.cor", Thin);
    QVERIFY(QDir(foils.path()).mkdir("d_folder.dat"));
    QCOMPARE(stdoutOf([&] { WingFoils::createInstance(foils.path(), imported.path()); }),
             "ERROR loading airfoil b_bad\nerror loading file " + foils.path()
                 + "/b_bad.cor: it holds fewer than five distinct points\n"
             "error loading file " + foils.path() + "/b_nameless.dat\n");
    QCOMPARE(int(WingFoils::instance()->getAirfoils().size()), 2);
    QVERIFY(WingFoils::instance()->findAirfoil("c_good", false));
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
        writeFile(foils + "/a.dat", "Shipped\n" + Thin);

    // Ending the process is start-up's decision, taken on the thread that
    // owns the application; the loader only returns.
    QCOMPARE(TestSupport::runInChildProcess([&] {
                 WingFoils::createInstance(foils, imported);
                 std::exit(42);
             }),
             42);
    QString missing;
    QCOMPARE(stdoutOf([&] { WingFoils::createInstance(foils, imported, &missing); }), QString());
    QCOMPARE(missing, foilsMissing ? foils : imported);
    QCOMPARE(WingFoils::instance()->getAirfoils().size(), size_t(foilsMissing ? 0 : 1));
    QCOMPARE(WingFoils::missingDirectoryMessage(missing),
             "Foils directory " + missing + " not found - are you in the correct directory?");
}

void TestWingFoils::lookupIsCaseSensitiveWithDefaultFallback()
{
    QTemporaryDir foils;
    QTemporaryDir imported;
    writeFile(foils.path() + "/e205.dat", "E 205\n" + Thick);
    WingFoils::createInstance(foils.path(), imported.path());
    WingFoils* library = WingFoils::instance();
    Airfoil* found[4] = {};
    QString err;
    QCOMPARE(stdoutOf([&] { found[0] = library->findAirfoil("e 205", true); }, &err), QString());
    QVERIFY(!found[0]);  // no default airfoil to fall back to
    QVERIFY(err.contains("not found"));

    writeFile(foils.path() + "/clarky.dat", "CLARK Y AIRFOIL\n" + Thin);
    WingFoils::createInstance(foils.path(), imported.path());
    library = WingFoils::instance();
    Airfoil* clarkY = library->findAirfoil("CLARK Y AIRFOIL", false);
    QVERIFY(clarkY);
    stdoutOf([&] {
        found[0] = library->findAirfoil("E 205", true);
        found[1] = library->findAirfoil("e 205", false);
    }, &err);
    QVERIFY(found[0] && found[0] != clarkY);
    QVERIFY(!found[1]);
    QCOMPARE(err, QString());

    stdoutOf([&] {
        found[2] = library->findAirfoil("e 205", true);
        found[3] = library->findAirfoil("e 205", true);
    }, &err);
    QCOMPARE(found[2], clarkY);
    QCOMPARE(found[3], clarkY);
    const QString message = "ERROR in Airfoil* WingFoils::findAirfoil(QString, bool): airfoil e 205 "
                            "not found, setting default airfoil CLARK Y AIRFOIL instead!\n";
    QCOMPARE(err, message + message);
    QCOMPARE(int(library->getAirfoils().size()), 2);
}

void TestWingFoils::replacedLibraryKeepsItsAirfoils()
{
    QTemporaryDir imported;
    WingFoils::createInstance(ShippedFoils, imported.path());
    // What a rib of a panel built before holds.
    const Airfoil* held = WingFoils::instance()->findAirfoil("NACA 0012", false);
    QVERIFY(held);
    const float nose = held->getPoint(140)->getY();
    WingFoils::createInstance(ShippedFoils, imported.path());
    QVERIFY(WingFoils::instance()->findAirfoil("NACA 0012", false) != held);
    QCOMPARE(held->getName(), QString("NACA 0012"));
    QCOMPARE(held->getPoint(140)->getY(), nose);
}

void TestWingFoils::nameCutAtItsFirstLetterBeyondAsciiFindsTheAirfoil_data()
{
    QTest::addColumn<QString>("saved");  // as an earlier build kept it
    QTest::addColumn<QString>("found");  // empty: none
    QTest::newRow("Latin-1 file, cut at its umlaut") << "Profil M" << QString::fromUtf8("Profil Mü 12");
    QTest::newRow("cut at its first letter") << "" << "";
    QTest::newRow("name going on in ASCII") << "Profil" << "";
    QTest::newRow("two names going on beyond ASCII") << "Eppler " << "";
}

void TestWingFoils::nameCutAtItsFirstLetterBeyondAsciiFindsTheAirfoil()
{
    QFETCH(QString, saved);
    QFETCH(QString, found);
    QTemporaryDir foils;
    QTemporaryDir imported;
    writeFile(foils.path() + "/m.dat", "Profil M\xFC 12\n" + Thin);
    writeFile(foils.path() + "/e1.dat", QString::fromUtf8("Eppler ä").toUtf8() + "\n" + Thin);
    writeFile(foils.path() + "/e2.dat", QString::fromUtf8("Eppler ö").toUtf8() + "\n" + Thin);
    WingFoils::createInstance(foils.path(), imported.path());
    QString err;
    Airfoil* airfoil = nullptr;
    stdoutOf([&] { airfoil = WingFoils::instance()->findAirfoil(saved, false); }, &err);
    QCOMPARE(airfoil ? airfoil->getName() : QString(), found);
    QCOMPARE(err, QString());
}

QTEST_MAIN(TestWingFoils)
#include "tst_wingfoils.moc"
