#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "common/TestSupport.h"
#include "document/PlaneModel.h"
#include "editing/AirfoilImportDialog.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/DialogSeam.h"
#include "foundation/FileErrorText.h"
#include "foundation/Vector3D.h"
#include "foundation/XDoubleSpinBox.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "output/DXFSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>
#include <atomic>
#include <cerrno>
#include <clocale>
#include <memory>
#include <sys/stat.h>
#include <thread>

// Importing an airfoil: the DAT file the dialog writes and the steps the
// import command takes with it, checked against a restart of the library.
namespace {

const QString ShippedFoils = QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/foils_v2");
// Out of order and in percent of a 200 mm chord, as files come.
const QByteArray Points = "200 0.3\n100 12.0\n50 11.0\n0 0\n50 -6.0\n100 -5.0\n200 -0.3\n";

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T> T* field(AirfoilImportDialog& dialog, const char* name)
{
    return dialog.findChild<T*>(name);
}

std::unique_ptr<Airfoil> readBack(const QString& path)
{
    return std::unique_ptr<Airfoil>(WingFoils::instance()->loadAirfoilFile(path, getAirfoilFileType(path)));
}

// Same stations, same y up to the six decimals of the file.
void compareOutlines(const Airfoil& actual, const Airfoil& expected, float scale = 1.0f)
{
    QCOMPARE(actual.getPointCount(), 280);
    for (int i = 0; i < 280; ++i) {
        QCOMPARE(actual.getPoint(i)->getX(), expected.getPoint(i)->getX());
        QVERIFY(qAbs(actual.getPoint(i)->getY() - expected.getPoint(i)->getY() * scale) < 2e-6f);
    }
}

// The DXF of a plane of one panel cut from the airfoil, sheeted at the
// nose and edged, as the library holds it now; empty when it fails.
QByteArray dxfOfPanelOn(const QString& airfoil, const QString& path)
{
    PanelsTableModel* panels = PlaneModel::instance()->getPanelsTableModel();
    panels->clear();
    CoveringDefinition covering(SheetingType::Standard, 25.0f, 1.5f, 0, true, true, true);
    panels->addOrUpdatePanel(PanelBaseData(1, "Imported", airfoil, QString(), 420.0f, 300.0f, 30.0f, 600.0f, 1.5f,
                                           3.0f, false, false, true, 3.0f, 6, 150.0f, 1.0f, 1.0f, nullptr,
                                           LEData(1, 8.0f), TEData(1, 20.0f, false, 20.0f, 10.0f, 2.0f), SparList(),
                                           SheetingStripList(), covering, BuildingTabData(), RibCombList()));
    QFile::remove(path);
    const bool written = PlaneModel::instance()->exportDxf(DXFSettings(false, path));
    panels->clear();
    return written ? readFile(path) : QByteArray();
}

} // namespace

class TestAirfoilImport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase() { delete WingFoils::instance(); }

    void importReadsBackScaledUnderNewName_data();
    void importReadsBackScaledUnderNewName();
    void germanLocaleWritesDecimalPoints();
    void nameKeepsItsKeyAcrossRestart_data();
    void nameKeepsItsKeyAcrossRestart();
    void targetFileIsDatInImportFolder_data();
    void targetFileIsDatInImportFolder();
    void unreadableSourceGivesNoPreview_data();
    void unreadableSourceGivesNoPreview();
    void slowReadingShowsProgressAndCancels();
    void failedWriteIsReportedAndReplacesWhole();
    void emptyAirfoilNameIsRefused();
    void writeCutShortKeepsOldFile_data();
    void writeCutShortKeepsOldFile();

private:
    QTemporaryDir sources;
    // The one setting every reader and writer takes the folder from.
    const QString importedDir = ApplicationSettings::getInstance()->getImportedFoilsDir();
};

void TestAirfoilImport::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
    QDir imported(importedDir);
    QVERIFY(imported.exists());
    for (const QString& name : imported.entryList(QDir::Files))
        imported.remove(name);
    WingFoils::createInstance(ShippedFoils, importedDir);
}

void TestAirfoilImport::importReadsBackScaledUnderNewName_data()
{
    QTest::addColumn<QString>("sourceName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<double>("scale");
    QTest::addColumn<float>("expectedScale");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("targetName");

    QTest::newRow("DAT as it is") << "wing.dat" << "Wing Section\n" + Points << 1.0 << 1.0f << "Wing Section"
                                  << "wing.dat";
    QTest::newRow("DAT thickened, renamed") << "wing.DAT" << "Wing Section\r\n" + Points << 1.5 << 1.5f
                                            << "Thick Wing" << "wing.DAT";
    QTest::newRow("COR, scale held at 2") << "plain.cor" << Points << 5.0 << 2.0f << "Plain" << "plain.dat";
    QTest::newRow("COR, scale held at 0.1") << "plain.cor" << Points << 0.0 << 0.1f << "Thin" << "plain.dat";
}

void TestAirfoilImport::importReadsBackScaledUnderNewName()
{
    QFETCH(QString, sourceName);
    QFETCH(QByteArray, content);
    QFETCH(double, scale);
    QFETCH(float, expectedScale);
    QFETCH(QString, newName);
    QFETCH(QString, targetName);

    const QString source = writeFile(sources.filePath(sourceName), content);
    const std::unique_ptr<Airfoil> original = readBack(source);
    QVERIFY(original);

    // The import command's steps, in its order.
    bool ok = false;
    AirfoilImportDialog dialog(nullptr, source, getAirfoilFileType(source), &ok);
    QVERIFY(ok);
    QCOMPARE(dialog.getScale(), 1.0f);
    QCOMPARE(field<XDoubleSpinBox>(dialog, "txtScaleFactor")->getDisplayMode(), 0);
    QCOMPARE(dialog.getAirfoilName(), original->getName());
    field<QLineEdit>(dialog, "txtAirfoilName")->setText(newName);
    field<XDoubleSpinBox>(dialog, "txtScaleFactor")->setValue(scale);
    QCOMPARE(dialog.getScale(), expectedScale);
    QTimer::singleShot(0, &dialog, &QDialog::accept);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    QCOMPARE(dialog.getTargetFileName(), targetName);
    const QString target = importedDir + "/" + dialog.getTargetFileName();
    QVERIFY(dialog.writeDatFile(target));
    Airfoil* airfoil = dialog.takeAirfoil();
    QVERIFY(airfoil);
    compareOutlines(*airfoil, *original);  // the preview scale did not touch it
    airfoil->scaleThickness(dialog.getScale());
    airfoil->setName(dialog.getAirfoilName());
    WingFoils::instance()->addAirfoil(airfoil);
    QCOMPARE(WingFoils::instance()->findAirfoil(newName, false), airfoil);
    QVERIFY(DialogSeam::calls().empty());
    const QByteArray dxfBefore = dxfOfPanelOn(newName, sources.filePath("before.dxf"));
    QVERIFY(!dxfBefore.isEmpty());

    // Plain DAT: the name, then the stations from trailing edge round to
    // trailing edge, only y scaled.
    const QList<QByteArray> lines = readFile(target).split('\n');
    QCOMPARE(lines.size(), 282);
    QCOMPARE(lines[0], newName.toLatin1());
    QVERIFY(lines[1].startsWith("0.5 "));
    QVERIFY(lines[140].startsWith("-0.5 "));
    QVERIFY(lines[280].startsWith("0.5 "));

    const std::unique_ptr<Airfoil> written = readBack(target);
    QVERIFY(written);
    QCOMPARE(written->getName(), newName);
    QCOMPARE(written->getThickness(), QString("---"));
    compareOutlines(*written, *original, expectedScale);

    // The next start finds the very airfoil the running library was given:
    // ribs built on it before and after come out the same to the bit.
    WingFoils::createInstance(ShippedFoils, importedDir);
    Airfoil* restarted = WingFoils::instance()->findAirfoil(newName, false);
    QVERIFY(restarted);
    QCOMPARE(restarted->getPointCount(), 280);
    for (int i = 0; i < 280; ++i) {
        const Vector3D* before = airfoil->getPoint(i);
        const Vector3D* after = restarted->getPoint(i);
        // Exact: QCOMPARE of floats would forgive the last digits.
        QVERIFY2(after->getX() == before->getX() && after->getY() == before->getY()
                     && after->getNormal()->getX() == before->getNormal()->getX()
                     && after->getNormal()->getY() == before->getNormal()->getY(),
                 qPrintable(QString("point %1").arg(i)));
    }
    // So is what is cut from them, to the byte.
    QVERIFY(dxfOfPanelOn(newName, sources.filePath("after.dxf")) == dxfBefore);
}

void TestAirfoilImport::germanLocaleWritesDecimalPoints()
{
    const QString source = writeFile(sources.filePath("german.dat"), "German\n" + Points);
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        QSKIP("de_DE.UTF-8 is not installed (scripts/test installs it)");
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    bool ok = false;
    AirfoilImportDialog dialog(nullptr, source, AirfoilFileType::Dat, &ok);
    field<XDoubleSpinBox>(dialog, "txtScaleFactor")->setValue(1.5);
    const QString shown = field<XDoubleSpinBox>(dialog, "txtScaleFactor")->text();
    const float scale = dialog.getScale();
    const bool written = dialog.writeDatFile(importedDir + "/german.dat");
    QLocale::setDefault(previous);
    std::setlocale(LC_ALL, saved.c_str());

    QVERIFY(ok && written);
    QCOMPARE(shown, QString("1,50"));
    QCOMPARE(scale, 1.5f);
    const QByteArray text = readFile(importedDir + "/german.dat");
    QVERIFY(!text.contains(','));
    QVERIFY(text.contains("\n0.5 ") && text.contains("\n-0.5 "));
}

void TestAirfoilImport::nameKeepsItsKeyAcrossRestart_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("key");

    // The reader escapes ampersands, so a loaded name carries them so.
    QTest::newRow("loaded with ampersand") << QString() << QByteArray("Smith & Sons") << "Smith &amp; Sons";
    QTest::newRow("typed ampersand") << "A&B" << QByteArray("A&B") << "A&amp;B";
    QTest::newRow("plain") << "Eppler 205 mod" << QByteArray("Eppler 205 mod") << "Eppler 205 mod";
    QTest::newRow("letters of any script") << QString::fromUtf8("M\u00fcller Stra\u00dfe \u041f\u0440\u043e\u0444\u0438\u043b\u044c")
                                           << QString::fromUtf8("M\u00fcller Stra\u00dfe \u041f\u0440\u043e\u0444\u0438\u043b\u044c").toUtf8()
                                           << QString::fromUtf8("M\u00fcller Stra\u00dfe \u041f\u0440\u043e\u0444\u0438\u043b\u044c");
    QTest::newRow("control characters, byte order mark") << QString::fromUtf8("\ufeff a\tb\x01" "c")
                                                         << QByteArray("a b?c") << "a b?c";
    QTest::newRow("leading blanks") << "  Padded " << QByteArray("Padded ") << "Padded ";
    QTest::newRow("extended form's marker") << "Planformix Extended DAT" << QByteArray("Planformix Extended DAT ")
                                            << "Planformix Extended DAT ";
    // Typed beyond the limit, the field keeps the longest name it allows.
    const int repeats = AirfoilImportDialog::maxNameLength / 4;
    // (With many "&" the held name outgrows the documents' bound; OK refuses
    // that, so no such file is written.)
    QTest::newRow("longest name") << QString("A+B ").repeated(repeats + 10) << QByteArray("A+B ").repeated(repeats)
                                  << QString("A+B ").repeated(repeats);
    const QString cyrillic = QString::fromUtf8("\u041f\u0440\u043e\u0444\u0438\u043b\u044c ");
    QTest::newRow("longest name, Cyrillic") << cyrillic.repeated(repeats) << cyrillic.repeated(repeats).left(AirfoilImportDialog::maxNameLength).toUtf8()
                                            << cyrillic.repeated(repeats).left(AirfoilImportDialog::maxNameLength);
}

void TestAirfoilImport::nameKeepsItsKeyAcrossRestart()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, line);
    QFETCH(QString, key);

    const QString source = writeFile(sources.filePath("named.dat"), "Smith & Sons\n" + Points);
    bool ok = false;
    AirfoilImportDialog dialog(nullptr, source, AirfoilFileType::Dat, &ok);
    QVERIFY(ok);
    if (!typed.isNull())
        field<QLineEdit>(dialog, "txtAirfoilName")->setText(typed);
    QCOMPARE(dialog.getAirfoilName(), key);

    QVERIFY(dialog.writeDatFile(importedDir + "/named.dat"));
    QCOMPARE(readFile(importedDir + "/named.dat").split('\n').first(), line);
    WingFoils::createInstance(ShippedFoils, importedDir);
    QVERIFY(WingFoils::instance()->findAirfoil(key, false));
}

void TestAirfoilImport::targetFileIsDatInImportFolder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("dat in any case kept") << "MINE.Dat" << "MINE.Dat" << true;
    QTest::newRow("no suffix") << "mine" << "mine.dat" << true;
    QTest::newRow("cor would be read as COR") << "mine.cor" << "mine.cor.dat" << true;
    QTest::newRow("folders dropped") << "../elsewhere/mine.dat" << "mine.dat" << true;
    QTest::newRow("letters of any script") << QString::fromUtf8("\u043a\u0440\u044b\u043b\u043e")
                                           << QString::fromUtf8("\u043a\u0440\u044b\u043b\u043e.dat") << true;
    // The file system keeps 255 bytes of a name; a Cyrillic letter takes two.
    const QString letter = QString::fromUtf8("\u0436");
    QTest::newRow("longest, ASCII") << QString(251, 'a') << QString(251, 'a') + ".dat" << true;
    QTest::newRow("longest, Cyrillic") << letter.repeated(125) << letter.repeated(125) + ".dat" << true;
    // Refused at OK: the next start would not read such a file.
    QTest::newRow("one byte too long") << letter.repeated(126) << letter.repeated(126) + ".dat" << false;
    QTest::newRow("300 characters") << QString(300, 'a') << QString(300, 'a') + ".dat" << false;
    QTest::newRow("empty") << "" << "" << false;
    QTest::newRow("a folder") << "elsewhere/" << "" << false;
    QTest::newRow("hidden") << ".mine.dat" << ".mine.dat" << false;
    QTest::newRow("a dot only") << "." << "..dat" << false;
    QTest::newRow("control character") << "mi\x01ne" << "mi\x01ne.dat" << false;
}

void TestAirfoilImport::targetFileIsDatInImportFolder()
{
    QFETCH(QString, typed);
    QFETCH(QString, target);
    QFETCH(bool, accepted);

    bool ok = false;
    AirfoilImportDialog dialog(nullptr, writeFile(sources.filePath("plain.cor"), Points), AirfoilFileType::Cor, &ok);
    QVERIFY(ok);
    field<QLineEdit>(dialog, "txtTargetFileName")->setText(typed);
    QCOMPARE(dialog.getTargetFileName(), target);
    dialog.accept();
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(int(DialogSeam::calls().size()), accepted ? 0 : 1);
    if (!accepted) {
        QCOMPARE(DialogSeam::calls().front().title, QString("File name not usable"));
        QVERIFY(!DialogSeam::calls().front().text.isEmpty());
        return;
    }

    // Whatever OK lets pass, the next start reads.
    QVERIFY(dialog.writeDatFile(importedDir + "/" + dialog.getTargetFileName()));
    QCOMPARE(QDir(importedDir).entryList(QDir::Files), QStringList{target});
    WingFoils::createInstance(ShippedFoils, importedDir);
    QVERIFY(WingFoils::instance()->findAirfoil(dialog.getAirfoilName(), false));
}

void TestAirfoilImport::unreadableSourceGivesNoPreview_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");  // as the import shows it
    QTest::addColumn<QString>("german");  // the same in German

    const QString tooFew = "It holds fewer than 5 distinct points.";
    const QString tooFewDe = QString::fromUtf8("Sie enthält weniger als 5 verschiedene Punkte.");
    const QString noDomain =
        "The line behind the name is neither a point nor a grid domain of four numbers around the points.";
    const QString noDomainDe =
        QString::fromUtf8("Die Zeile nach dem Namen ist weder ein Punkt noch ein Gitterbereich aus vier Zahlen um die Punkte.");
    QTest::newRow("missing file") << "missing.dat" << QByteArray()
                                  << "The file cannot be opened: " + FileErrorText::reason(ENOENT) << "";
    QTest::newRow("single point") << "one.dat" << QByteArray("One\n0.5 0.1\n") << tooFew << tooFewDe;
    QTest::newRow("text only") << "words.cor" << QByteArray("no numbers here\nnor here\n") << tooFew << tooFewDe;
    // Taken for the name line, it leaves no point.
    QTest::newRow("one huge line") << "huge.dat" << QByteArray("0.5 0.1 ").repeated(1 << 17) << tooFew << tooFewDe;
    // Files that would otherwise load as another shape than they hold.
    QTest::newRow("two elements") << "slat.dat" << "Slat\n" + Points + "999.0 999.0\n" + Points
                                  << "It holds several elements (separated by 999 999), not one section."
                                  << QString::fromUtf8("Sie enthält mehrere Elemente (getrennt durch 999 999), nicht ein einzelnes Profil.");
    QTest::newRow("domain of three numbers") << "mses.dat" << "Mses\n-2.0 3.0 -2.5\n" + Points << noDomain
                                             << noDomainDe;
    QTest::newRow("four numbers around no points") << "mses.dat" << "Mses\n0 50 0 5\n" + Points << noDomain
                                                   << noDomainDe;
    QTest::newRow("a line of two points") << "wide.dat" << QByteArray("Wide\n200 0.3\n100 12.0 50 11.0\n0 0\n")
                                          << "A line holds more than one point."
                                          << QString::fromUtf8("Eine Zeile enthält mehr als einen Punkt.");
    QTest::newRow("all points equal") << "same.dat" << "Same\n" + QByteArray("0.5 0.0\n").repeated(10) << tooFew
                                      << tooFewDe;
    QTest::newRow("two points") << "two.dat" << QByteArray("Two\n1 0\n0 0\n") << tooFew << tooFewDe;
    QTest::newRow("a point far off the chord")
        << "far.dat" << QByteArray(Points).replace("100 12.0", "100 500.0").prepend("Far\n")
        << "A point lies further off the chord line than the chord is long."
        << QString::fromUtf8("Ein Punkt liegt weiter von der Profilsehne entfernt, als die Sehne lang ist.");
    QTest::newRow("shuffled") << "shuffled.dat"
                              << QByteArray("Shuffled\n200 0.3\n0 0\n100 12.0\n200 -0.3\n50 11.0\n100 -5.0\n50 -6.0\n")
                              << "Its outline crosses itself: the points are out of order."
                              << QString::fromUtf8("Ihr Umriss kreuzt sich selbst: die Punkte stehen nicht in ihrer Reihenfolge.");
}

void TestAirfoilImport::unreadableSourceGivesNoPreview()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QFETCH(QString, german);

    const QString source = sources.filePath(name);
    if (!content.isEmpty())
        writeFile(source, content);
    bool ok = true;
    AirfoilImportDialog dialog(nullptr, source, getAirfoilFileType(source), &ok);
    QVERIFY(!ok);
    QVERIFY(!dialog.wasCancelled());
    QCOMPARE(dialog.failureReason(), reason);
    QVERIFY(!dialog.takeAirfoil());
    field<XDoubleSpinBox>(dialog, "txtScaleFactor")->setValue(1.5);  // nothing to scale, no crash
    QCOMPARE(dialog.getScale(), 1.0f);

    const QString target = importedDir + "/" + dialog.getTargetFileName();
    QVERIFY(!dialog.writeDatFile(target));
    QVERIFY(!QFile::exists(target));
    QVERIFY(DialogSeam::calls().empty());

    if (!german.isEmpty()) {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("planformix_de"), QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/lang")));
        QCoreApplication::installTranslator(&translator);
        AirfoilImportDialog translated(nullptr, source, getAirfoilFileType(source), &ok);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(translated.failureReason(), german);
    }
}

void TestAirfoilImport::slowReadingShowsProgressAndCancels()
{
    // A pipe holds the reader as long as the test likes: the points are all
    // there, but the file does not end until the writer lets go.
    const QString pipe = sources.filePath("slow.dat");
    QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
    std::atomic<bool> release{false};
    std::thread writer([&] {
        FILE* out = std::fopen(QFile::encodeName(pipe).constData(), "w");
        if (!out)
            return;
        const QByteArray bytes = "Slow\n" + Points;
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
        std::fflush(out);
        while (!release)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::fclose(out);
    });

    QElapsedTimer clock;
    qint64 shownAfter = -1;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* progress = qobject_cast<QProgressDialog*>(widget);
            if (progress && progress->isVisible() && shownAfter < 0) {
                shownAfter = clock.elapsed();
                progress->cancel();
                release = true;
            }
        }
        if (clock.elapsed() > 10000)
            release = true;
    });
    watch.start(10);
    clock.start();
    bool ok = true;
    AirfoilImportDialog dialog(nullptr, pipe, AirfoilFileType::Dat, &ok);
    watch.stop();
    release = true;
    writer.join();

    QVERIFY2(shownAfter >= 250 && shownAfter < 1000, qPrintable(QString::number(shownAfter)));
    // Cancel leaves everything as it was: no airfoil, no word, no file.
    QVERIFY(!ok);
    QVERIFY(dialog.wasCancelled());
    QVERIFY(dialog.failureReason().isEmpty());
    QVERIFY(!dialog.takeAirfoil());
    QVERIFY(DialogSeam::calls().empty());
    QVERIFY(QDir(importedDir).entryList(QDir::Files).isEmpty());
}

void TestAirfoilImport::emptyAirfoilNameIsRefused()
{
    bool ok = false;
    AirfoilImportDialog dialog(nullptr, writeFile(sources.filePath("plain.cor"), Points), AirfoilFileType::Cor, &ok);
    QVERIFY(ok);
    // Blanks alone are no name either: the file would give back "".
    field<QLineEdit>(dialog, "txtAirfoilName")->setText("   ");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(int(DialogSeam::calls().size()), 1);
    QCOMPARE(DialogSeam::calls().front().title, QString("Airfoil name missing"));
    // Each "&" is kept as "&amp;": 61 of them are a key longer than a
    // document holds, and a panel cut from it could not be saved.
    field<QLineEdit>(dialog, "txtAirfoilName")->setText(QString(61, QLatin1Char('&')));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(int(DialogSeam::calls().size()), 2);
    QCOMPARE(DialogSeam::calls().back().title, QString("Airfoil name too long"));
    QVERIFY(DialogSeam::calls().back().text.startsWith("The name is kept as 305 characters"));
    DialogSeam::clear();

    field<QLineEdit>(dialog, "txtAirfoilName")->setText("Plain");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(int(DialogSeam::calls().size()), 0);
}

void TestAirfoilImport::failedWriteIsReportedAndReplacesWhole()
{
    bool ok = false;
    AirfoilImportDialog dialog(nullptr, writeFile(sources.filePath("f.dat"), "F\n" + Points), AirfoilFileType::Dat,
                               &ok);
    QVERIFY(ok);

    const QString nowhere = sources.filePath("no/such/folder/f.dat");
    QVERIFY(!dialog.writeDatFile(nowhere));
    QCOMPARE(int(DialogSeam::calls().size()), 1);
    const DialogSeam::Call& call = DialogSeam::calls().front();
    QCOMPARE(call.icon, QMessageBox::Warning);
    QCOMPARE(call.title, QString("Import failed"));
    const QString start = "Writing the file " + nowhere + " failed: ";
    QVERIFY2(call.text.startsWith(start) && call.text.length() > start.length(), qPrintable(call.text));

    // An existing file is replaced, not appended to or mixed.
    const QString existing = writeFile(importedDir + "/f.dat", QByteArray(20000, 'x'));
    QVERIFY(dialog.writeDatFile(existing));
    QCOMPARE(readFile(existing).count('\n'), 281);
    QVERIFY(!readFile(existing).contains('x'));
}

void TestAirfoilImport::writeCutShortKeepsOldFile_data()
{
    TestSupport::addWriteFailureRows();
}

void TestAirfoilImport::writeCutShortKeepsOldFile()
{
    QFETCH(int, failAt);
    bool ok = false;
    AirfoilImportDialog dialog(nullptr, writeFile(sources.filePath("g.dat"), "G\n" + Points), AirfoilFileType::Dat,
                               &ok);
    QVERIFY(ok);
    QTemporaryDir folder;
    const QString measured = folder.filePath("measured.dat");
    QVERIFY(dialog.writeDatFile(measured));
    const qint64 size = QFileInfo(measured).size();
    QVERIFY(QFile::remove(measured));
    const QString target = writeFile(folder.filePath("g.dat"), "G as imported before\n" + Points);
    const QByteArray previous = readFile(target);
    DialogSeam::clear();

    const std::string wrong = TestSupport::runWithFileSizeLimit(TestSupport::failingLimit(failAt, size), [&] {
        std::string problems;
        if (dialog.writeDatFile(target))
            problems += "the write reported success; ";
        if (DialogSeam::calls().size() != 1 || DialogSeam::calls().front().title != "Import failed")
            problems += "no \"Import failed\" box; ";
        return problems + TestSupport::keptUntouched(target, previous);
    });
    QVERIFY2(wrong.empty(), wrong.c_str());
}

QTEST_MAIN(TestAirfoilImport)
#include "tst_airfoilimport.moc"
