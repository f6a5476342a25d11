#include "airfoils/Airfoil.h"
#include "airfoils/AirfoilImportDialog.h"
#include "airfoils/WingFoils.h"
#include "editing/XDoubleSpinBox.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/DialogSeam.h"
#include "foundation/Vector3D.h"

#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <clocale>
#include <memory>

// Importing an airfoil: the dialog's preview and fields, the DAT file it
// writes, and the order of steps the import command takes with it.
namespace {

const QString ShippedFoils = QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/foils_v2");
// Points out of order and in percent of a 200 mm chord, as files come.
const QByteArray SourcePoints = "200 0.3\n100 12.0\n50 11.0\n0 0\n50 -6.0\n100 -5.0\n200 -0.3\n";

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

QLineEdit* nameField(AirfoilImportDialog& dialog)
{
    return dialog.findChild<QLineEdit*>("txtAirfoilName");
}

QLineEdit* fileField(AirfoilImportDialog& dialog)
{
    return dialog.findChild<QLineEdit*>("txtTargetFileName");
}

XDoubleSpinBox* scaleField(AirfoilImportDialog& dialog)
{
    return dialog.findChild<XDoubleSpinBox*>("txtScaleFactor");
}

std::unique_ptr<Airfoil> readBack(const QString& path)
{
    return std::unique_ptr<Airfoil>(WingFoils::instance()->loadAirfoilFile(path, getAirfoilFileType(path)));
}

// Same stations, same y up to the six decimals of the file.
void compareOutlines(const Airfoil& actual, const Airfoil& expected)
{
    QCOMPARE(actual.getPointCount(), 280);
    QCOMPARE(expected.getPointCount(), 280);
    for (int i = 0; i < 280; ++i) {
        QCOMPARE(actual.getPoint(i)->getX(), expected.getPoint(i)->getX());
        QVERIFY2(qAbs(actual.getPoint(i)->getY() - expected.getPoint(i)->getY()) < 2e-6f,
                 qPrintable(QString("point %1: %2 vs %3").arg(i).arg(actual.getPoint(i)->getY())
                                .arg(expected.getPoint(i)->getY())));
    }
}

// Switches the process and Qt locale to German for one test and back.
class GermanLocale
{
public:
    GermanLocale()
        : saved(std::setlocale(LC_ALL, nullptr))
    {
        installed = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanLocale()
    {
        QLocale::setDefault(previous);
        std::setlocale(LC_ALL, saved.c_str());
    }
    bool installed = false;

private:
    std::string saved;
    QLocale previous;
};

} // namespace

class TestAirfoilImport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase() { delete WingFoils::instance(); }

    void importedAirfoilReadsBackScaledUnderNewName_data();
    void importedAirfoilReadsBackScaledUnderNewName();
    void fileKeepsDecimalPointsUnderGermanLocale();
    void ampersandNameKeepsItsKeyAcrossRestart();
    void targetFileIsAlwaysDatInImportFolder_data();
    void targetFileIsAlwaysDatInImportFolder();
    void scaleFieldStartsAtOneWithinBounds();
    void unreadableSourceGivesNoPreview_data();
    void unreadableSourceGivesNoPreview();
    void failedWriteIsReportedAndKeepsOldFile();

private:
    QTemporaryDir sources;
    QString importedDir;
};

void TestAirfoilImport::initTestCase()
{
    importedDir = ApplicationSettings::getInstance()->getImportedFoilsDir();
    QVERIFY(QDir(importedDir).exists());
    QVERIFY(sources.isValid());
}

void TestAirfoilImport::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
    QDir imported(importedDir);
    for (const QString& name : imported.entryList(QDir::Files))
        imported.remove(name);
    QString missing;
    WingFoils::createInstance(ShippedFoils, importedDir, &missing);
    QVERIFY(missing.isEmpty());
}

void TestAirfoilImport::importedAirfoilReadsBackScaledUnderNewName_data()
{
    QTest::addColumn<QString>("sourceName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("targetName");

    QTest::newRow("DAT as it is") << "wing.dat" << QByteArray("Wing Section\n" + SourcePoints) << 1.0
                                  << "Wing Section" << "wing.dat";
    QTest::newRow("DAT thickened and renamed") << "wing.DAT" << QByteArray("Wing Section\r\n" + SourcePoints)
                                               << 1.5 << "Thick Wing" << "wing.DAT";
    QTest::newRow("COR thinned to the minimum") << "plain.cor" << SourcePoints << 0.1 << "Thin Plain"
                                                << "plain.dat";
}

void TestAirfoilImport::importedAirfoilReadsBackScaledUnderNewName()
{
    QFETCH(QString, sourceName);
    QFETCH(QByteArray, content);
    QFETCH(double, scale);
    QFETCH(QString, newName);
    QFETCH(QString, targetName);

    const QString source = writeFile(sources.filePath(sourceName), content);
    const std::unique_ptr<Airfoil> original = readBack(source);
    QVERIFY(original);

    // The import command's steps, in its order.
    bool ok = false;
    AirfoilImportDialog dialog(nullptr, source, getAirfoilFileType(source), &ok);
    QVERIFY(ok);
    QCOMPARE(fileField(dialog)->text(), targetName);
    QCOMPARE(dialog.getAirfoilName(), original->getName());
    nameField(dialog)->setText(newName);
    scaleField(dialog)->setValue(scale);
    QCOMPARE(dialog.getScale(), float(scale));
    QTimer::singleShot(0, &dialog, &QDialog::accept);
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    const QString target = importedDir + "/" + dialog.getTargetFileName();
    QCOMPARE(dialog.getTargetFileName(), targetName);
    QVERIFY(dialog.writeDatFile(target));
    Airfoil* airfoil = dialog.takeAirfoil();
    QVERIFY(airfoil);
    QVERIFY(!dialog.takeAirfoil());
    airfoil->scaleThickness(dialog.getScale());
    airfoil->setName(dialog.getAirfoilName());
    WingFoils::instance()->addAirfoil(airfoil);
    QCOMPARE(WingFoils::instance()->findAirfoil(newName, false), airfoil);
    QVERIFY(DialogSeam::calls().empty());

    // Plain DAT: the name, then the 280 stations from trailing edge round to
    // trailing edge with only y scaled.
    const QList<QByteArray> lines = readFile(target).split('\n');
    QCOMPARE(lines.size(), 282);
    QCOMPARE(lines.first(), newName.toLatin1());
    QCOMPARE(lines[1], QByteArray("0.500000 ") + QByteArray::number(original->getPoint(0)->getY() * scale, 'f', 6));
    QCOMPARE(lines[140].left(10), QByteArray("-0.500000 "));
    QCOMPARE(lines[280].left(9), QByteArray("0.500000 "));
    QVERIFY(lines.last().isEmpty());
    for (int i = 0; i < 280; i += 7) {
        const QList<QByteArray> numbers = lines[i + 1].split(' ');
        QCOMPARE(numbers.size(), 2);
        QVERIFY(qAbs(numbers[0].toDouble() - original->getPoint(i)->getX()) <= 5e-7);
        QVERIFY(qAbs(numbers[1].toDouble() - original->getPoint(i)->getY() * scale) <= 5e-7);
    }

    // Read back now and at the next start, it is the airfoil the library got.
    const std::unique_ptr<Airfoil> written = readBack(target);
    QVERIFY(written);
    QCOMPARE(written->getName(), newName);
    QCOMPARE(written->getThickness(), QString("---"));
    compareOutlines(*written, *airfoil);

    // The next start replaces the library and its airfoils.
    WingFoils::createInstance(ShippedFoils, importedDir);
    Airfoil* restarted = WingFoils::instance()->findAirfoil(newName, false);
    QVERIFY(restarted);
    compareOutlines(*restarted, *written);
}

void TestAirfoilImport::fileKeepsDecimalPointsUnderGermanLocale()
{
    const QString source = writeFile(sources.filePath("german.dat"), "German\n" + SourcePoints);
    GermanLocale german;
    if (!german.installed)
        QSKIP("de_DE.UTF-8 is not installed (scripts/test installs it)");

    bool ok = false;
    AirfoilImportDialog dialog(nullptr, source, AirfoilFileType::Dat, &ok);
    QVERIFY(ok);
    scaleField(dialog)->setValue(1.5);
    QCOMPARE(scaleField(dialog)->text(), QString("1,50"));
    QCOMPARE(dialog.getScale(), 1.5f);

    const QString target = importedDir + "/german.dat";
    QVERIFY(dialog.writeDatFile(target));
    const QByteArray text = readFile(target);
    QVERIFY(!text.contains(','));
    QVERIFY(text.contains("\n0.500000 "));
    QVERIFY(text.contains("\n-0.500000 "));

    const std::unique_ptr<Airfoil> written = readBack(target);
    QVERIFY(written);
    QVERIFY(written->getPoint(40)->getY() > 0.05f);
}

void TestAirfoilImport::ampersandNameKeepsItsKeyAcrossRestart()
{
    const QString source = writeFile(sources.filePath("amp.dat"), "Smith & Sons\n" + SourcePoints);
    bool ok = false;
    AirfoilImportDialog dialog(nullptr, source, AirfoilFileType::Dat, &ok);
    QVERIFY(ok);
    // The reader escapes ampersands; that escaped name is the library key.
    const QString key = dialog.getAirfoilName();
    QCOMPARE(key, QString("Smith &amp; Sons"));

    QVERIFY(dialog.writeDatFile(importedDir + "/amp.dat"));
    QCOMPARE(readFile(importedDir + "/amp.dat").split('\n').first(), QByteArray("Smith & Sons"));
    WingFoils::createInstance(ShippedFoils, importedDir);
    QVERIFY(WingFoils::instance()->findAirfoil(key, false));
}

void TestAirfoilImport::targetFileIsAlwaysDatInImportFolder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("target");

    QTest::newRow("dat kept") << "mine.dat" << "mine.dat";
    QTest::newRow("dat in capitals kept") << "MINE.Dat" << "MINE.Dat";
    QTest::newRow("no suffix") << "mine" << "mine.dat";
    QTest::newRow("cor would be read as COR") << "mine.cor" << "mine.cor.dat";
    QTest::newRow("folders dropped") << "../elsewhere/mine.dat" << "mine.dat";
    QTest::newRow("empty stays empty") << "" << "";
}

void TestAirfoilImport::targetFileIsAlwaysDatInImportFolder()
{
    QFETCH(QString, typed);
    QFETCH(QString, target);

    const QString source = writeFile(sources.filePath("plain.cor"), SourcePoints);
    bool ok = false;
    AirfoilImportDialog dialog(nullptr, source, AirfoilFileType::Cor, &ok);
    QVERIFY(ok);
    fileField(dialog)->setText(typed);
    QCOMPARE(dialog.getTargetFileName(), target);
}

void TestAirfoilImport::scaleFieldStartsAtOneWithinBounds()
{
    const QString source = writeFile(sources.filePath("bounds.dat"), "Bounds\n" + SourcePoints);
    bool ok = false;
    AirfoilImportDialog dialog(nullptr, source, AirfoilFileType::Dat, &ok);
    QVERIFY(ok);
    QCOMPARE(dialog.windowTitle(), QString("Airfoil Import / Modification"));
    XDoubleSpinBox* field = scaleField(dialog);
    QVERIFY(field);
    QCOMPARE(field->value(), 1.0);
    QCOMPARE(field->getDisplayMode(), 0);
    QCOMPARE(dialog.getScale(), 1.0f);

    field->stepBy(3);
    QCOMPARE(dialog.getScale(), 1.3f);
    field->setValue(5.0);
    QCOMPARE(dialog.getScale(), 2.0f);
    field->setValue(0.0);
    QCOMPARE(dialog.getScale(), 0.1f);
    // The preview scale is only shown: the airfoil stays as read.
    std::unique_ptr<Airfoil> airfoil(dialog.takeAirfoil());
    const std::unique_ptr<Airfoil> original = readBack(source);
    compareOutlines(*airfoil, *original);
}

void TestAirfoilImport::unreadableSourceGivesNoPreview_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("missing file") << "missing.dat" << QByteArray();
    QTest::newRow("single point") << "one.dat" << QByteArray("One\n0.5 0.1\n");
    QTest::newRow("text only") << "words.cor" << QByteArray("no numbers here\nnor here\n");
}

void TestAirfoilImport::unreadableSourceGivesNoPreview()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);

    const QString source = sources.filePath(name);
    if (!content.isEmpty())
        writeFile(source, content);
    bool ok = true;
    AirfoilImportDialog dialog(nullptr, source, getAirfoilFileType(source), &ok);
    QVERIFY(!ok);
    QVERIFY(!dialog.takeAirfoil());
    QCOMPARE(dialog.getScale(), 1.0f);
    scaleField(dialog)->setValue(1.5);  // no preview to scale, and no crash

    const QString target = importedDir + "/" + dialog.getTargetFileName();
    QVERIFY(!dialog.writeDatFile(target));
    QVERIFY(!QFile::exists(target));
    QVERIFY(DialogSeam::calls().empty());
}

void TestAirfoilImport::failedWriteIsReportedAndKeepsOldFile()
{
    const QString source = writeFile(sources.filePath("fail.dat"), "Fail\n" + SourcePoints);
    bool ok = false;
    AirfoilImportDialog dialog(nullptr, source, AirfoilFileType::Dat, &ok);
    QVERIFY(ok);

    const QString nowhere = sources.filePath("no/such/folder/fail.dat");
    QVERIFY(!dialog.writeDatFile(nowhere));
    QCOMPARE(int(DialogSeam::calls().size()), 1);
    const DialogSeam::Call& call = DialogSeam::calls().front();
    QCOMPARE(call.icon, QMessageBox::Warning);
    QCOMPARE(call.title, QString("Import failed"));
    QVERIFY2(call.text.startsWith("Writing the file " + nowhere + " failed: "), qPrintable(call.text));
    QVERIFY(call.text.length() > QString("Writing the file " + nowhere + " failed: ").length());

    // A file that exists is replaced whole, not appended to or mixed.
    const QString existing = writeFile(importedDir + "/fail.dat", QByteArray(20000, 'x'));
    QVERIFY(dialog.writeDatFile(existing));
    QCOMPARE(readFile(existing).count('\n'), 281);
    QVERIFY(!readFile(existing).contains('x'));
}

QTEST_MAIN(TestAirfoilImport)
#include "tst_airfoilimport.moc"
