#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "app/InitializerThread.h"
#include "app/Planformix.h"
#include "app/SplashScreen.h"
#include "common/TestSupport.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/CompiledResources.h"

// The splash screen that covers start-up, and the airfoil loading that runs
// behind it on its own thread.
namespace {

void writeAirfoil(const QString& path, const QByteArray& name)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(name + "\n1.0 0.001\n0.5 0.06\n0.0 0.0\n0.5 -0.04\n1.0 -0.001\n");
}

// The foils directory setting is read relative to the program's directory.
QString relativeToProgram(const QString& path)
{
    return QDir(QCoreApplication::applicationDirPath()).relativeFilePath(path);
}

// As start-up shows it, with the compiled-in picture.
void showPicture(SplashScreen& splash)
{
    CompiledResources::ensureLoaded();
    const QPixmap picture(QStringLiteral(":/images/images/splash.png"));
    QVERIFY(!picture.isNull());
    splash.setPixmap(picture);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
}

} // namespace

class TestSplashAndLoading : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void staysOnTopWithoutFrameAndIgnoresClicks();
    void closesOnlyAfterItsDelay_data();
    void closesOnlyAfterItsDelay();
    void directCloseClosesAtOnceAndTells();

    void loadsBothDirectoriesOnItsThread();
    void missingDirectoryIsHandedToStartUp_data();
    void missingDirectoryIsHandedToStartUp();
    void endingDuringLoadWaitsForTheThread();

private:
    QString savedFoilsDir;
    QString savedImportedDir;
};

void TestSplashAndLoading::init()
{
    ApplicationSettings* settings = ApplicationSettings::getInstance();
    savedFoilsDir = settings->getFoilsDir();
    savedImportedDir = settings->getImportedFoilsDir();
}

void TestSplashAndLoading::cleanup()
{
    ApplicationSettings* settings = ApplicationSettings::getInstance();
    settings->setFoilsDir(savedFoilsDir);
    settings->setImportedFoilsDir(savedImportedDir);
    delete WingFoils::instance();
}

void TestSplashAndLoading::staysOnTopWithoutFrameAndIgnoresClicks()
{
    SplashScreen splash(1500);
    // No splash-screen window type: a plain window kept on top.
    QCOMPARE(splash.windowType(), Qt::Window);
    QCOMPARE(splash.windowFlags() & ~Qt::WindowType_Mask, Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint);
    showPicture(splash);
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QTest::mouseClick(&splash, Qt::LeftButton);
    QTest::qWait(20);
    QVERIFY(splash.isVisible());
}

void TestSplashAndLoading::closesOnlyAfterItsDelay_data()
{
    QTest::addColumn<bool>("defaultConstructed");
    QTest::addColumn<int>("delay");
    QTest::newRow("default: next pass of the event loop") << true << 0;
    QTest::newRow("300 ms") << false << 300;
}

void TestSplashAndLoading::closesOnlyAfterItsDelay()
{
    QFETCH(bool, defaultConstructed);
    QFETCH(int, delay);
    std::unique_ptr<SplashScreen> splash(defaultConstructed ? new SplashScreen() : new SplashScreen(delay));
    QCOMPARE(splash->getDelay(), delay);
    QSignalSpy closed(splash.get(), &SplashScreen::splashScreenClosed);
    showPicture(*splash);

    QElapsedTimer clock;
    clock.start();
    splash->closeSplashScreen();
    QVERIFY(splash->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 5000);
    QVERIFY(clock.elapsed() >= delay);
    QVERIFY(!splash->isVisible());
}

void TestSplashAndLoading::directCloseClosesAtOnceAndTells()
{
    SplashScreen splash(1500);
    QSignalSpy closed(&splash, &SplashScreen::splashScreenClosed);
    showPicture(splash);
    splash.close();
    QVERIFY(!splash.isVisible());
    QCOMPARE(closed.count(), 1);
}

void TestSplashAndLoading::loadsBothDirectoriesOnItsThread()
{
    QTemporaryDir foils;
    QTemporaryDir imported;
    writeAirfoil(foils.filePath("a.dat"), "SHIPPED FOIL");
    writeAirfoil(foils.filePath("same.dat"), "SAME NAME");
    QDir(foils.path()).mkdir("subfolder");
    writeAirfoil(imported.filePath("b.dat"), "IMPORTED FOIL");
    writeAirfoil(imported.filePath("same.dat"), "SAME NAME");
    QFile::copy(imported.filePath("b.dat"), foils.filePath("subfolder/c.dat"));
    ApplicationSettings::getInstance()->setFoilsDir(relativeToProgram(foils.path()));
    ApplicationSettings::getInstance()->setImportedFoilsDir(imported.path());

    Planformix central;
    InitializerThread thread(&central);
    QSignalSpy finished(&thread, &QThread::finished);
    const auto output = TestSupport::captureOutput([&] {
        thread.start(QThread::InheritPriority);
        QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 10000);
    });

    QVERIFY(thread.getMissingDirectory().isEmpty());
    WingFoils* library = WingFoils::instance();
    QVERIFY(library);
    QStringList names;
    for (const auto& entry : library->getAirfoils())
        names << entry.first;
    // Subfolders are passed over; a name taken by the shipped folder keeps
    // the shipped airfoil.
    QCOMPARE(names, QStringList({"IMPORTED FOIL", "SAME NAME", "SHIPPED FOIL"}));
    QVERIFY(QString::fromStdString(output.out).contains("\"SAME NAME\": airfoil already exists!"));
}

void TestSplashAndLoading::missingDirectoryIsHandedToStartUp_data()
{
    QTest::addColumn<bool>("foilsMissing");
    QTest::newRow("shipped airfoils") << true;
    QTest::newRow("imported airfoils") << false;
}

void TestSplashAndLoading::missingDirectoryIsHandedToStartUp()
{
    QFETCH(bool, foilsMissing);
    QTemporaryDir existing;
    const QString missing = existing.filePath(QStringLiteral("not-there"));
    ApplicationSettings* settings = ApplicationSettings::getInstance();
    settings->setFoilsDir(relativeToProgram(foilsMissing ? missing : existing.path()));
    settings->setImportedFoilsDir(foilsMissing ? existing.path() : missing);

    Planformix central;
    InitializerThread thread(&central);
    QSignalSpy finished(&thread, &QThread::finished);
    // Reaching the checks at all shows that the thread left the process alone.
    // A thread that finds a folder missing ends at once, often before the
    // spy would start to wait for its signal: what it counted is asked.
    thread.start();
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), 10000);

    QCOMPARE(thread.getMissingDirectory(), QDir(missing).absolutePath());
    QCOMPARE(thread.missingDirectoryMessage(), "Foils directory " + QDir(missing).absolutePath()
                                                   + " not found - are you in the correct directory?");
}

void TestSplashAndLoading::endingDuringLoadWaitsForTheThread()
{
    // Enough files that the thread is still reading when its object goes.
    QTemporaryDir foils;
    QTemporaryDir imported;
    for (int i = 0; i < 400; ++i)
        writeAirfoil(foils.filePath(QStringLiteral("foil%1.dat").arg(i)), "FOIL " + QByteArray::number(i));
    ApplicationSettings::getInstance()->setFoilsDir(relativeToProgram(foils.path()));
    ApplicationSettings::getInstance()->setImportedFoilsDir(imported.path());

    const int status = TestSupport::runInChildProcess([&] {
        Planformix central;
        {
            InitializerThread thread(&central);
            thread.start();
        }
        std::exit(WingFoils::instance()->getAirfoils().size() == 400 ? 0 : 1);
    });
    QCOMPARE(status, 0);
}

QTEST_MAIN(TestSplashAndLoading)
#include "tst_splashandloading.moc"
