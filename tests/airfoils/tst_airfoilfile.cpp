#include <QtTest>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "airfoils/Airfoil.h"
#include "airfoils/AirfoilFile.h"
#include "airfoils/WingFoils.h"
#include "common/TestSupport.h"
#include "foundation/Vector3D.h"

// Reading airfoil files: the line reader, the file type, the header lines
// and what counts as a point.
namespace {

const QByteArray Points = "1.0 0.001\n0.5 0.06\n0.0 0.0\n0.5 -0.04\n1.0 -0.001\n";

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.path() + "/" + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return path;
}

QStringList readAllLines(const QByteArray& bytes)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "lines.txt", bytes);
    FILE* stream = std::fopen(QFile::encodeName(path).constData(), "r");
    QStringList lines;
    for (int guard = 0; guard < 100; ++guard) {
        char* line = nullptr;
        unsigned length = 0;
        const bool atEnd = std::feof(stream);
        readAirfoilLine(&line, &length, stream);
        if (length != std::strlen(line))
            lines << "LENGTH MISMATCH";
        lines << QString::fromLatin1(line);
        std::free(line);
        if (atEnd)
            break;
    }
    std::fclose(stream);
    return lines;
}

} // namespace

class TestAirfoilFile : public QObject
{
    Q_OBJECT
private slots:
    void lineReaderSplitsAndCleansLines_data();
    void lineReaderSplitsAndCleansLines();
    void fileTypeFollowsSuffix_data();
    void fileTypeFollowsSuffix();
    void pointLinesAreTwoNumbers_data();
    void pointLinesAreTwoNumbers();
    void nameLineIsCleaned_data();
    void nameLineIsCleaned();
    void extendedDatReadsMetadata();
    void markerWithTrailingBlankIsAName();
    void corAndUnknownFilesAreNamedByFileName_data();
    void corAndUnknownFilesAreNamedByFileName();
    void unreadableFileIsReported();
};

void TestAirfoilFile::lineReaderSplitsAndCleansLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    // The last entry is what reading once more at the end returns.
    QTest::newRow("LF") << QByteArray("a b\n1 2\n") << QStringList{"a b\n", "1 2\n", "\n", ""};
    QTest::newRow("CR LF reads like LF") << QByteArray("a b\r\n1 2\r\n")
                                          << QStringList{"a b\n", "1 2\n", "\n", ""};
    QTest::newRow("no final line break") << QByteArray("a\n1 2") << QStringList{"a\n", "1 2\n", ""};
    QTest::newRow("leading blanks and tabs") << QByteArray("  \tx\ty \n")
                                             << QStringList{"x y \n", "\n", ""};
    QTest::newRow("ampersand") << QByteArray("R&D&\n") << QStringList{"R&amp;D&amp;\n", "\n", ""};
    QTest::newRow("control and 8-bit bytes end a line")
        << QByteArray("ab\x01" "cd\xe9" "ef\n") << QStringList{"ab\n", "cd\n", "ef\n", "\n", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{"\n", ""};

    const QByteArray longLine(600, 'x');
    QTest::newRow("600 characters") << longLine + "\n"
                                    << QStringList{QString(498, 'x'), QString(102, 'x') + "\n", "\n", ""};
    // Escaping may push a line past the buffer; it is kept whole.
    const QByteArray ampersands(498, '&');
    QTest::newRow("escaped beyond the buffer")
        << ampersands + "\n" << QStringList{QString("&amp;").repeated(498), "\n", "\n", ""};
}

void TestAirfoilFile::lineReaderSplitsAndCleansLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(readAllLines(bytes), lines);
}

void TestAirfoilFile::fileTypeFollowsSuffix_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("type");
    QTest::newRow("dat") << "clarky.dat" << int(AirfoilFileType::Dat);
    QTest::newRow("DAT") << "CLARKY.DAT" << int(AirfoilFileType::Dat);
    QTest::newRow("Dat in a path") << "/some/dir.cor/foil.Dat" << int(AirfoilFileType::Dat);
    QTest::newRow("cor") << "e374.cor" << int(AirfoilFileType::Cor);
    QTest::newRow("COR") << "E374.COR" << int(AirfoilFileType::Cor);
    QTest::newRow("backup of a dat") << "foil.dat.bak" << int(AirfoilFileType::Unknown);
    QTest::newRow("text") << "readme.txt" << int(AirfoilFileType::Unknown);
    QTest::newRow("no suffix") << "foil" << int(AirfoilFileType::Unknown);
}

void TestAirfoilFile::fileTypeFollowsSuffix()
{
    QFETCH(QString, fileName);
    QFETCH(int, type);
    QCOMPARE(int(getAirfoilFileType(fileName)), type);
}

void TestAirfoilFile::pointLinesAreTwoNumbers_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("kind");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    const int point = int(AirfoilPointLine::Point);
    const int none = int(AirfoilPointLine::NotAPoint);
    const int nonFinite = int(AirfoilPointLine::NonFinite);
    QTest::newRow("pair") << "0.5 -0.025\n" << point << 0.5f << -0.025f;
    QTest::newRow("blanks around") << "   1   2   \n" << point << 1.0f << 2.0f;
    QTest::newRow("exponent and plus") << "+1e-2 5E-1\n" << point << 0.01f << 0.5f;
    QTest::newRow("text after the pair") << "0.25 0.125 upper\n" << point << 0.25f << 0.125f;
    QTest::newRow("comma separated") << "0.5,0.25\n" << none << 0.0f << 0.0f;
    QTest::newRow("decimal comma") << "0,5 0,25\n" << none << 0.0f << 0.0f;
    QTest::newRow("one number") << "61\n" << none << 0.0f << 0.0f;
    QTest::newRow("name") << "NACA 2412\n" << none << 0.0f << 0.0f;
    QTest::newRow("empty") << "\n" << none << 0.0f << 0.0f;
    QTest::newRow("nan") << "nan 0.1\n" << nonFinite << 0.0f << 0.0f;
    QTest::newRow("inf") << "0.5 -inf\n" << nonFinite << 0.0f << 0.0f;
    QTest::newRow("beyond double") << "1e999 0\n" << nonFinite << 0.0f << 0.0f;
    QTest::newRow("beyond float") << "0 1e300\n" << nonFinite << 0.0f << 0.0f;
    QTest::newRow("long token") << QString(300, '1') + " 0\n" << nonFinite << 0.0f << 0.0f;
}

void TestAirfoilFile::pointLinesAreTwoNumbers()
{
    QFETCH(QString, line);
    QFETCH(int, kind);
    QFETCH(float, x);
    QFETCH(float, y);
    float gotX = -99.0f;
    float gotY = -99.0f;
    const QByteArray bytes = line.toLatin1();
    QCOMPARE(int(parseAirfoilPointLine(bytes.constData(), gotX, gotY)), kind);
    if (kind == int(AirfoilPointLine::Point)) {
        QCOMPARE(gotX, x);
        QCOMPARE(gotY, y);
    }
}

void TestAirfoilFile::nameLineIsCleaned_data()
{
    QTest::addColumn<QByteArray>("nameLine");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << QByteArray("CLARK Y AIRFOIL\n") << "CLARK Y AIRFOIL";
    QTest::newRow("leading blanks") << QByteArray("  E 205\n") << "E 205";
    QTest::newRow("tab inside") << QByteArray("SD\t7037\n") << "SD 7037";
    QTest::newRow("ampersand") << QByteArray("Smith & Jones\n") << "Smith &amp; Jones";
    QTest::newRow("trailing blanks stay") << QByteArray("MH 32  \n") << "MH 32  ";
    QTest::newRow("CR LF") << QByteArray("RG 15\r\n") << "RG 15";
}

void TestAirfoilFile::nameLineIsCleaned()
{
    QFETCH(QByteArray, nameLine);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = writeFile(dir, "foil.dat", nameLine + Points);
    WingFoils library;
    Airfoil* airfoil = library.loadAirfoilFile(path, AirfoilFileType::Dat);
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getName(), name);
    QCOMPARE(airfoil->getThickness(), QString("---"));
    QCOMPARE(airfoil->getZeroLiftAngle(), QString("---"));
    delete airfoil;
}

void TestAirfoilFile::extendedDatReadsMetadata()
{
    QTemporaryDir dir;
    const QByteArray longToken(40, 'L');
    const QString path = writeFile(
        dir, "ext.dat",
        "Planformix Extended DAT\nMy Foil\n12.1% 3.2% 1.35 14.5 "
            + longToken + " 5.0 16 -3.1\n" + Points);
    WingFoils library;
    Airfoil* airfoil = library.loadAirfoilFile(path, AirfoilFileType::Dat);
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getName(), QString("My Foil"));
    QCOMPARE(airfoil->getThickness(), QString("12.1%"));
    QCOMPARE(airfoil->getCamber(), QString("3.2%"));
    QCOMPARE(airfoil->getMaxCL(), QString("1.35"));
    QCOMPARE(airfoil->getMaxCLAngle(), QString("14.5"));
    QCOMPARE(airfoil->getMaxLD(), QString(longToken));
    QCOMPARE(airfoil->getMaxLDAngle(), QString("5.0"));
    QCOMPARE(airfoil->getStallAngle(), QString("16"));
    QCOMPARE(airfoil->getZeroLiftAngle(), QString("-3.1"));
    delete airfoil;

    // A short metadata line leaves the rest unknown; a line of eight numbers
    // would also read as a point if it were taken for one.
    const QString shortPath = writeFile(
        dir, "short.dat", "Planformix Extended DAT\nShort\n7 8\n" + Points);
    airfoil = library.loadAirfoilFile(shortPath, AirfoilFileType::Dat);
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getThickness(), QString("7"));
    QCOMPARE(airfoil->getCamber(), QString("8"));
    QCOMPARE(airfoil->getMaxCL(), QString("---"));
    QCOMPARE(airfoil->getPoint(0)->getY(), 0.001f);
    delete airfoil;
}

void TestAirfoilFile::markerWithTrailingBlankIsAName()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "notext.dat",
                                   "Planformix Extended DAT \nMy Foil\n" + Points);
    WingFoils library;
    Airfoil* airfoil = library.loadAirfoilFile(path, AirfoilFileType::Dat);
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getName(), QString("Planformix Extended DAT "));
    QCOMPARE(airfoil->getThickness(), QString("---"));
    delete airfoil;
}

void TestAirfoilFile::corAndUnknownFilesAreNamedByFileName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::newRow("cor") << "e374.cor" << Points << "e374";
    QTest::newRow("two dots") << "a.b.cor" << Points << "a";
    QTest::newRow("unknown suffix") << "foil.txt" << Points << "foil";
    QTest::newRow("unknown without points") << "notes.txt" << QByteArray("some notes\n1 2\n")
                                            << QString();
}

void TestAirfoilFile::corAndUnknownFilesAreNamedByFileName()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = writeFile(dir, fileName, bytes);
    WingFoils library;
    Airfoil* airfoil = nullptr;
    const auto output = TestSupport::captureOutput(
        [&] { airfoil = library.loadAirfoilFile(path, getAirfoilFileType(fileName)); });
    if (name.isEmpty()) {
        QVERIFY(!airfoil);
        QCOMPARE(output.out, std::string("ERROR loading airfoil notes\n"));
        return;
    }
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getName(), name);
    QCOMPARE(airfoil->getPointCount(), 280);
    delete airfoil;
}

void TestAirfoilFile::unreadableFileIsReported()
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/missing.dat";
    WingFoils library;
    Airfoil* airfoil = nullptr;
    const auto output = TestSupport::captureOutput(
        [&] { airfoil = library.loadAirfoilFile(path, AirfoilFileType::Dat); });
    QVERIFY(!airfoil);
    QCOMPARE(QString::fromStdString(output.err),
             path + ": Error opening file for read: " + QString::fromLocal8Bit(std::strerror(ENOENT))
                 + "\n");
}

QTEST_MAIN(TestAirfoilFile)
#include "tst_airfoilfile.moc"
