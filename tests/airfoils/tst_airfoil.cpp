#include <QtTest>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>

#include "airfoils/Airfoil.h"
#include "airfoils/AirfoilFile.h"
#include "airfoils/WingFoils.h"
#include "common/TestSupport.h"
#include "foundation/Vector3D.h"

// Reading one airfoil file and resampling it to the fixed stations.
namespace {

const QString ShippedFoils = QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2");
const QByteArray Points = "1.0 0.001\n0.5 0.06\n0.0 0.0\n0.5 -0.04\n1.0 -0.001\n";

QByteArray shipped(const QString& fileName)
{
    QFile file(ShippedFoils + "/" + fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the bytes to a file of that name and reads it; stdout goes to *out.
Airfoil* load(const QByteArray& bytes, const QString& fileName = "foil.dat", std::string* out = nullptr,
              AirfoilReading* reading = nullptr)
{
    QTemporaryDir dir;
    QFile file(dir.path() + "/" + fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return nullptr;
    file.close();
    WingFoils library;
    Airfoil* airfoil = nullptr;
    const auto output = TestSupport::captureOutput(
        [&] { airfoil = library.loadAirfoilFile(file.fileName(), getAirfoilFileType(fileName), reading); });
    if (out)
        *out = output.out;
    return airfoil;
}

// Rewrites the point lines of a DAT file through fn (which may reorder them).
QByteArray transformed(const QByteArray& dat, const std::function<void(QList<QPointF>&)>& fn)
{
    QList<QByteArray> lines = dat.split('\n');
    QList<QPointF> points;
    for (int i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() == 2)
            points << QPointF(fields[0].toDouble(), fields[1].toDouble());
    }
    fn(points);
    QByteArray text = lines[0] + "\n";
    for (const QPointF& p : points)
        text += QByteArray::number(p.x(), 'g', 12) + " " + QByteArray::number(p.y(), 'g', 12) + "\n";
    return text;
}

// The same points in the two-surface layout: a line of the two counts, then
// each side from the nose back to the trailing edge, blank lines between.
QByteArray twoSurfaces(const QByteArray& dat)
{
    QList<QByteArray> lines = dat.trimmed().split('\n');
    const QByteArray name = lines.takeFirst();
    const int nose = lines.size() / 2;
    QByteArray upper;
    QByteArray lower;
    for (int i = nose; i >= 0; --i)
        upper += lines[i] + "\n";
    for (int i = nose; i < lines.size(); ++i)
        lower += lines[i] + "\n";
    return name + "\n" + QByteArray::number(nose + 1) + ". " + QByteArray::number(lines.size() - nose) + ".\n\n"
           + upper + "\n" + lower;
}

} // namespace

class TestAirfoil : public QObject
{
    Q_OBJECT
private slots:
    void lineReaderCleansLinesOfAnyLength_data();
    void lineReaderCleansLinesOfAnyLength();
    void pointLinesReadAsTwoLeadingNumbers_data();
    void pointLinesReadAsTwoLeadingNumbers();
    void nameAndMetadataFromHeader_data();
    void nameAndMetadataFromHeader();
    void stationsAndNormalsAreFixed();
    void sameOutlineWhateverTheFileForm_data();
    void sameOutlineWhateverTheFileForm();
    void separateTrailingEdgePointsGoToTheirSides();
    void outlineThatCannotBeBuiltFails_data();
    void outlineThatCannotBeBuiltFails();
    void thickestPlaceIsTheFirstLargestGap_data();
    void thickestPlaceIsTheFirstLargestGap();
    void shippedNacaSectionsReadBackAsTheirDigits_data();
    void shippedNacaSectionsReadBackAsTheirDigits();
};

void TestAirfoil::lineReaderCleansLinesOfAnyLength_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");  // the last is what a read at the end gives
    QTest::newRow("LF") << QByteArray("a b\n1 2\n") << QStringList{"a b\n", "1 2\n", "\n", ""};
    QTest::newRow("CR LF") << QByteArray("a b\r\n1 2\r\n") << QStringList{"a b\n", "1 2\n", "\n", ""};
    QTest::newRow("no final break") << QByteArray("a\n1 2") << QStringList{"a\n", "1 2\n", ""};
    QTest::newRow("blanks, tabs, &, bytes above 0x7F kept")
        << QByteArray("  \tR&D\t1\xe9x\n") << QStringList{QString::fromLatin1("R&amp;D 1\xe9x\n"), "\n", ""};
    QTest::newRow("control characters end a line")
        << QByteArray("a\x01" "b\x7f" "c\n") << QStringList{"a\n", "b\n", "c\n", "\n", ""};
    QTest::newRow("600 characters") << QByteArray(600, 'x') + "\n"
                                    << QStringList{QString(600, 'x') + "\n", "\n", ""};
    QTest::newRow("escaped to five times its length")
        << QByteArray(600, '&') + "\n" << QStringList{QString("&amp;").repeated(600) + "\n", "\n", ""};
    // A huge line is read past, not held: only its start is kept.
    QTest::newRow("longer than kept") << QByteArray(3 * AirfoilLineKept, 'x') + "\nnext\n"
                                      << QStringList{QString(AirfoilLineKept, 'x') + "\n", "next\n", "\n", ""};
}

void TestAirfoil::lineReaderCleansLinesOfAnyLength()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(bytes);
    file.close();
    FILE* stream = std::fopen(QFile::encodeName(file.fileName()).constData(), "r");
    QVERIFY(stream);
    QStringList read;
    while (read.size() < 10) {
        const bool atEnd = std::feof(stream);
        char* line = nullptr;
        unsigned length = 0;
        readAirfoilLine(&line, &length, stream);
        read << QString::fromLatin1(line, int(length));
        std::free(line);
        if (atEnd)
            break;
    }
    std::fclose(stream);
    QCOMPARE(read, lines);
}

void TestAirfoil::pointLinesReadAsTwoLeadingNumbers_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("kind");  // AirfoilPointLine
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    const int point = int(AirfoilPointLine::Point);
    const int none = int(AirfoilPointLine::NotAPoint);
    const int nonFinite = int(AirfoilPointLine::NonFinite);
    QTest::newRow("two numbers") << QByteArray("0.5 0.1\n") << point << 0.5f << 0.1f;
    QTest::newRow("signs, blanks, a third column")
        << QByteArray("  +0.25  -0.125 0.0 upper\n") << point << 0.25f << -0.125f;
    QTest::newRow("text behind the second number") << QByteArray("1.0 0.0,\n") << point << 1.0f << 0.0f;
    QTest::newRow("columns run together") << QByteArray("0.5-0.0125\n") << point << 0.5f << -0.0125f;
    QTest::newRow("comma-separated") << QByteArray("1.0,0.0\n") << none << 0.f << 0.f;
    QTest::newRow("comma and blank") << QByteArray("1.0, 0.0\n") << none << 0.f << 0.f;
    QTest::newRow("text behind the first number") << QByteArray("0.5abc 0.1\n") << none << 0.f << 0.f;
    QTest::newRow("a count") << QByteArray("61\n") << none << 0.f << 0.f;
    QTest::newRow("a name") << QByteArray("NACA 2412\n") << none << 0.f << 0.f;
    QTest::newRow("German decimal comma") << QByteArray("0,5 0,1\n") << none << 0.f << 0.f;
    QTest::newRow("not a number") << QByteArray("nan 0.1\n") << nonFinite << 0.f << 0.f;
    QTest::newRow("beyond float") << QByteArray("0.5 1e39\n") << nonFinite << 0.f << 0.f;
    QTest::newRow("two points") << QByteArray("1.0 0.0 0.5 0.06\n") << int(AirfoilPointLine::SeveralPoints) << 0.f << 0.f;
}

void TestAirfoil::pointLinesReadAsTwoLeadingNumbers()
{
    QFETCH(QByteArray, line);
    QFETCH(int, kind);
    QFETCH(float, x);
    QFETCH(float, y);
    float readX = -7.0f, readY = -7.0f;
    QCOMPARE(int(parseAirfoilPointLine(line.constData(), readX, readY)), kind);
    if (kind == int(AirfoilPointLine::Point)) {
        QCOMPARE(readX, x);
        QCOMPARE(readY, y);
    }
}

void TestAirfoil::nameAndMetadataFromHeader_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("metadata");  // first, second, third and last value
    const QStringList none{"---", "---", "---", "---"};
    const QByteArray longToken(40, 'L');
    QTest::newRow("DAT") << "x.DAT" << "  Smith\t& Jones  \n" + Points << "Smith &amp; Jones  " << none;
    QTest::newRow("extended DAT")
        << "x.dat" << "Planformix Extended DAT\r\nMy Foil\r\n12.1% 3.2% " + longToken + " 4 5 6 7 -3.1\r\n" + Points
        << "My Foil" << QStringList{"12.1%", "3.2%", QString(longToken), "-3.1"};
    QTest::newRow("extended DAT, short metadata")
        << "x.dat" << "Planformix Extended DAT\nShort\n7 8\n" + Points << "Short"
        << QStringList{"7", "8", "---", "---"};
    QTest::newRow("marker with a trailing blank is a name")
        << "x.dat" << "Planformix Extended DAT \nMy Foil\n" + Points << "Planformix Extended DAT " << none;
    // A document names its sections, within its bound of names.
    QTest::newRow("DAT, name of 600 characters") << "x.dat" << QByteArray(600, 'N') + "\n" + Points
                                                 << QString(AirfoilNameKept, 'N') << none;
    QTest::newRow("name cut before an & it cannot hold whole")
        << "x.dat" << QByteArray(AirfoilNameKept - 2, 'N') + "&\n" + Points << QString(AirfoilNameKept - 2, 'N')
        << none;
    QTest::newRow("DAT with byte order mark") << "x.dat" << "\xEF\xBB\xBFRG 15\n" + Points << "RG 15" << none;
    QTest::newRow("UTF-8 name") << "x.dat" << QByteArray("\xD0\x9F\xD1\x80\xD0\xBE\xD1\x84\xD0\xB8\xD0\xBB\xD1\x8C 7 & M\xC3\xBCller\n") + Points
                                << QString::fromUtf8("Профиль 7 &amp; Müller") << none;
    QTest::newRow("Latin-1 name") << "x.dat" << "M\xFCller\n" + Points << QString::fromUtf8("Müller") << none;
    QTest::newRow("name longer than kept, cut between letters")
        << "x.dat" << QByteArray("x") + QByteArray("\xC3\xBC").repeated(AirfoilLineKept) + "\n" + Points
        << "x" + QString::fromUtf8("ü").repeated(AirfoilNameKept - 1) << none;
    QTest::newRow("COR") << "e374.Cor" << Points << "e374" << none;
    QTest::newRow("COR with two dots") << "a.b.cor" << Points << "a" << none;
    QTest::newRow("backup of a DAT reads like COR") << "naca.dat.bak" << "NACA\n" + Points << "naca" << none;
}

void TestAirfoil::nameAndMetadataFromHeader()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QStringList, metadata);
    QScopedPointer<Airfoil> airfoil(load(bytes, fileName));
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getName(), name);
    QCOMPARE((QStringList{airfoil->getThickness(), airfoil->getCamber(), airfoil->getMaxCL(),
                          airfoil->getZeroLiftAngle()}),
             metadata);
    // Neither header line was taken for a point: the outline is Points'.
    QCOMPARE(airfoil->getPoint(0)->getY(), 0.001f);
}

void TestAirfoil::stationsAndNormalsAreFixed()
{
    QScopedPointer<Airfoil> airfoil(load(shipped("clarky.dat")));
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getName(), QString("CLARK Y AIRFOIL"));
    QCOMPARE(airfoil->getPointCount(), 280);
    const struct { int index; double x; } table[] = {
        {0, 0.5}, {1, 0.48695653676986694}, {69, -0.3999999761581421}, {70, -0.4010000228881836},
        {71, -0.4024347960948944}, {138, -0.4985652267932892}, {139, -0.5}, {140, -0.5}, {279, 0.5},
    };
    for (const auto& row : table)
        QCOMPARE(double(airfoil->getPoint(row.index)->getX()), row.x);
    for (int i = 0; i < 280; ++i) {
        const Vector3D* p = airfoil->getPoint(i);
        QCOMPARE(p->getX(), airfoil->getPoint(279 - i)->getX());
        const Vector3D* n = p->getNormal();
        QVERIFY(n);
        QVERIFY(std::fabs(n->length() - 1.0f) < 1e-5f);
        // Upper normals point up, lower ones down, the nose ones forward.
        if (i == 139 || i == 140)
            QVERIFY(n->getX() == -1.0f && n->getY() == 0.0f);
        else
            QVERIFY2((n->getY() > 0.0f) == (i < 140), qPrintable(QString::number(i)));
    }
    // Thickest at about 30 % of the chord (stations there are 1.3 % apart).
    QVERIFY(std::fabs(airfoil->getMaxThicknessPosition() - 29.0f) < 2.0f);
}

void TestAirfoil::sameOutlineWhateverTheFileForm_data()
{
    QTest::addColumn<QByteArray>("reference");
    QTest::addColumn<QByteArray>("variant");
    const QByteArray naca = shipped("naca2412.dat");
    const QByteArray clarkY = shipped("clarky.dat");
    QVERIFY(clarkY.endsWith("1.00000 -0.00060\n"));  // a point only the lower side has
    QTest::newRow("reversed") << naca << transformed(naca, [](QList<QPointF>& p) {
        std::reverse(p.begin(), p.end());
    });
    QTest::newRow("both sides from the nose") << naca << transformed(naca, [](QList<QPointF>& p) {
        const int nose = p.size() / 2;
        QList<QPointF> fromNose;
        for (int i = nose; i >= 0; --i)
            fromNose << p[i];
        p = fromNose + p.mid(nose);
    });
    // A lower surface that rises above the chord line lies above the line
    // from the end of the first surface back to the start of the second.
    const QByteArray cambered = shipped("naca6412.dat");
    QTest::newRow("both sides from the nose, cambered") << cambered << transformed(cambered, [](QList<QPointF>& p) {
        const int nose = p.size() / 2;
        QList<QPointF> fromNose;
        for (int i = nose; i >= 0; --i)
            fromNose << p[i];
        p = fromNose + p.mid(nose);
    });
    QTest::newRow("both sides from the trailing edge, cambered")
        << cambered << transformed(cambered, [](QList<QPointF>& p) {
               const int nose = p.size() / 2;
               QList<QPointF> lower = p.mid(nose);
               std::reverse(lower.begin(), lower.end());
               p = p.mid(0, nose + 1) + lower;
           });
    QTest::newRow("percent of chord") << naca << transformed(naca, [](QList<QPointF>& p) {
        for (QPointF& q : p)
            q *= 100.0;
    });
    QTest::newRow("percent, shifted") << naca << transformed(naca, [](QList<QPointF>& p) {
        for (QPointF& q : p)
            q = q * 100.0 + QPointF(50.0, 0.0);
    });
    const QByteArray naca0012 = shipped("naca0012.dat");
    QVERIFY(twoSurfaces(naca0012).contains("\n61. 61.\n\n0.000000 0.000000\n"));
    QTest::newRow("two surfaces after their counts") << naca0012 << twoSurfaces(naca0012);
    QTest::newRow("two surfaces, miscounted") << cambered << twoSurfaces(cambered).replace("\n61. 61.\n", "\n62. 61.\n");
    const QByteArray lednicer = twoSurfaces(naca0012);
    const int lednicerNameEnd = lednicer.indexOf('\n') + 1;
    QByteArray lednicerAsSaved = lednicer.mid(lednicerNameEnd);
    QTest::newRow("two surfaces, CR LF, blanks behind the numbers")
        << naca0012 << lednicer.left(lednicerNameEnd) + lednicerAsSaved.replace("\n", "   \r\n");
    const int clarkNameEnd = clarkY.indexOf('\n') + 1;
    QByteArray spaced = clarkY.mid(clarkNameEnd);
    QTest::newRow("remark behind the name, tabs and blanks around the numbers")
        << clarkY
        << clarkY.left(clarkNameEnd) + "Smoothed ordinates, 121 points\n\t" + spaced.replace(" ", " \t ").replace("\n", "  \n\t");
    QByteArray eNotation = clarkY.left(clarkNameEnd);
    for (const QByteArray& line : clarkY.mid(clarkNameEnd).split('\n')) {
        const QList<QByteArray> xy = line.simplified().split(' ');
        if (xy.size() == 2)
            eNotation += QByteArray::number(xy[0].toDouble(), 'E', 5) + " " + QByteArray::number(xy[1].toDouble(), 'E', 5) + "\n";
    }
    QTest::newRow("E notation") << clarkY << eNotation;
    QByteArray crlf = clarkY;
    QTest::newRow("CR LF") << clarkY << crlf.replace("\n", "\r\n");
    QTest::newRow("no break after the last point") << clarkY << clarkY.left(clarkY.size() - 1);
    const QByteArray remark = "Smoothed from the published ordinates; 1 remark line, "
                              + QByteArray("read as text, never as a point. ").repeated(18) + "\n";
    QVERIFY(remark.size() > 600);
    QTest::newRow("long remark behind the points") << clarkY << clarkY + remark;
    const int lineStart = clarkY.indexOf('\n', 200) + 1;
    QTest::newRow("remark of a megabyte amid the points")
        << clarkY << clarkY.left(lineStart) + QByteArray("remark ").repeated(150000) + "\n" + clarkY.mid(lineStart);
    // MSES form: the grid domain "xmin xmax ymin ymax" right behind the name.
    QByteArray mses = naca;
    QTest::newRow("MSES grid domain behind the name") << naca << mses.insert(naca.indexOf('\n') + 1, " -2.0  3.0 -2.5 2.5\n");
    const int nameEnd = naca.indexOf('\n') + 1;
    QByteArray threeColumns = naca.mid(nameEnd);
    QTest::newRow("a third column on every line") << naca << naca.left(nameEnd) + threeColumns.replace("\n", " 0.0\n");
    // The surfaces of a thin trailing edge printed with few digits touch
    // and cross by a hair.
    QTest::newRow("trailing edge crossed by a hair")
        << transformed(naca, [](QList<QPointF>& p) { p.first().setY(p.last().y() - 2e-5); })
        << transformed(naca, [](QList<QPointF>& p) { p.first().setY(p.last().y() - 2e-5); });
}

void TestAirfoil::sameOutlineWhateverTheFileForm()
{
    QFETCH(QByteArray, reference);
    QFETCH(QByteArray, variant);
    QScopedPointer<Airfoil> expected(load(reference));
    QScopedPointer<Airfoil> airfoil(load(variant));
    QVERIFY(expected);
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getName(), expected->getName());
    for (int i = 0; i < 280; ++i) {
        const Vector3D* a = airfoil->getPoint(i);
        const Vector3D* e = expected->getPoint(i);
        QCOMPARE(a->getX(), e->getX());
        QVERIFY2(std::fabs(a->getY() - e->getY()) < 1e-6f, qPrintable(QString("point %1").arg(i)));
        QVERIFY(std::fabs(a->getNormal()->getY() - e->getNormal()->getY()) < 1e-4f);
    }
}

void TestAirfoil::separateTrailingEdgePointsGoToTheirSides()
{
    QScopedPointer<Airfoil> airfoil(load("TE\n1.0 0.004\n0.5 0.06\n0.0 0.0\n0.5 -0.04\n1.0 -0.003\n"));
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getPoint(0)->getY(), 0.004f);
    QCOMPARE(airfoil->getPoint(279)->getY(), -0.003f);
}

void TestAirfoil::outlineThatCannotBeBuiltFails_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("failure");  // AirfoilReadFailure
    const int tooFew = int(AirfoilReadFailure::TooFewPoints);
    const int notFinite = int(AirfoilReadFailure::NotFinite);
    const int several = int(AirfoilReadFailure::SeveralPoints);
    const int noDomain = int(AirfoilReadFailure::NoGridDomain);
    QTest::newRow("name only") << QByteArray("Lonely\n") << tooFew;
    QTest::newRow("one point") << QByteArray("Lonely\n0.5 0.1\n") << tooFew;
    QTest::newRow("NaN") << QByteArray("Lonely\n1 0\nnan 0.1\n0 0\n") << notFinite;
    QTest::newRow("infinity") << QByteArray("Lonely\n1 0\n0.5 -inf\n0 0\n") << notFinite;
    QTest::newRow("beyond float, long token") << "Lonely\n1 0\n" + QByteArray(300, '1') + " 0\n0 0\n" << notFinite;
    // Read as their first points alone, such lines would make another airfoil.
    QTest::newRow("all points on one line")
        << "Lonely\n" + QByteArray("1.000000 0.001260 0.500000 0.060000 ").repeated(28) + "\n" << several;
    QTest::newRow("each side on one line")
        << QByteArray("Lonely\n1.0 0.001 0.5 0.06 0.0 0.0\n0.0 0.0 0.5 -0.04 1.0 -0.001\n") << several;
    QTest::newRow("two points on the line behind the name, nothing else")
        << QByteArray("Lonely\n1.0 0.001 0.0 0.0\n") << noDomain;
    QTest::newRow("two points on a line further down")
        << QByteArray("Lonely\n1.0 0.001\n0.5 0.06 0.0 0.0\n0.5 -0.04\n") << several;
    QTest::newRow("one huge line of points") << "Lonely\n" + QByteArray("0.5 0.06 ").repeated(100000) + "\n" << several;
    // Every number fits a float, but the outline built from them would not.
    QTest::newRow("slope beyond float") << QByteArray("Lonely\n1 3e38\n0.5 -3e38\n0 0\n") << tooFew;
    QTest::newRow("chord too short for its height") << QByteArray("Lonely\n1e-40 1\n0 0\n1e-40 -1\n") << tooFew;

    // Files that would load as another shape than they hold.
    const QByteArray naca = shipped("naca2412.dat");
    const QByteArray points = naca.mid(naca.indexOf('\n') + 1);
    const QByteArray lonely = "Lonely\n";
    QTest::newRow("two elements, MSES") << lonely + "-2.0 3.0 -2.5 2.5\n" + points + "999.0 999.0\n"
                                               + transformed("x\n" + points, [](QList<QPointF>& p) {
                                                     for (QPointF& q : p)
                                                         q = q * 0.3 + QPointF(1.05, -0.08);
                                                 }).mid(2)
                                        << int(AirfoilReadFailure::SeveralElements);
    QTest::newRow("domain of three numbers") << lonely + "-2.0 3.0 -2.5\n" + points << noDomain;
    QTest::newRow("four numbers around no points") << lonely + "0.0 0.5 0.0 0.02\n" + points << noDomain;
    QTest::newRow("all points equal") << lonely + QByteArray("0.5 0.0\n").repeated(40) << tooFew;
    QTest::newRow("four distinct points") << QByteArray("Lonely\n1 0\n0.5 0.06\n0 0\n0.5 -0.04\n1 0\n") << tooFew;
    QTest::newRow("a point at y = 500") << transformed(lonely + points, [](QList<QPointF>& p) { p[20].setY(500.0); })
                                        << int(AirfoilReadFailure::FarOffChord);
    QTest::newRow("shuffled") << transformed(lonely + points, [](QList<QPointF>& p) {
        QList<QPointF> shuffled;
        for (int i = 0; i < p.size(); ++i)
            shuffled << p[(i * 37) % p.size()];
        p = shuffled;
    }) << int(AirfoilReadFailure::CrossesItself);
}

void TestAirfoil::outlineThatCannotBeBuiltFails()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, failure);
    std::string out;
    AirfoilReading reading;
    QVERIFY(!load(bytes, "foil.dat", &out, &reading));
    QCOMPARE(out, std::string("ERROR loading airfoil Lonely\n"));
    QCOMPARE(int(reading.failure), failure);
}

void TestAirfoil::thickestPlaceIsTheFirstLargestGap_data()
{
    // Upper y from the trailing edge to the nose at x = 0.5, 0.25, 0, -0.25;
    // the lower side comes back over the same stations.
    QTest::addColumn<QVector<float>>("upper");
    QTest::addColumn<QVector<float>>("lower");
    QTest::addColumn<float>("offset");
    QTest::addColumn<float>("position");
    QTest::newRow("thickest mid-chord")
        << QVector<float>{0, 0.1f, 0.2f, 0.1f} << QVector<float>{0, -0.1f, -0.2f, -0.1f} << 0.5f << 50.0f;
    QTest::newRow("offset shifts the answer")
        << QVector<float>{0, 0.1f, 0.2f, 0.1f} << QVector<float>{0, -0.1f, -0.2f, -0.1f} << 0.0f << 0.0f;
    QTest::newRow("equal gaps: the one nearer the trailing edge")
        << QVector<float>{0, 0.2f, 0.2f, 0.1f} << QVector<float>{0, -0.1f, -0.1f, -0.1f} << 0.5f << 75.0f;
    QTest::newRow("surfaces crossed everywhere")
        << QVector<float>{0, -0.1f, -0.1f, 0} << QVector<float>{0, 0.1f, 0.1f, 0} << 0.5f << 0.0f;
    QTest::newRow("one point") << QVector<float>{0.3f} << QVector<float>{} << 0.5f << 0.0f;
}

void TestAirfoil::thickestPlaceIsTheFirstLargestGap()
{
    QFETCH(QVector<float>, upper);
    QFETCH(QVector<float>, lower);
    QFETCH(float, offset);
    QFETCH(float, position);
    const float stations[] = {0.5f, 0.25f, 0.0f, -0.25f};
    std::vector<Vector3D*> outline;
    for (int i = 0; i < upper.size(); ++i)
        outline.push_back(new Vector3D(stations[i], upper[i], 0));
    for (int i = lower.size() - 1; i >= 0; --i)
        outline.push_back(new Vector3D(stations[i], lower[i], 0));
    const float found = findMaxThicknessPosition(outline, offset);
    Vector3D::clearList(outline);
    QCOMPARE(found, position);
}

void TestAirfoil::shippedNacaSectionsReadBackAsTheirDigits_data()
{
    QTest::addColumn<QString>("fileName");
    const QStringList files = QDir(ShippedFoils).entryList({"naca????.dat"}, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 30);
    for (const QString& file : files)
        QTest::newRow(qPrintable(file)) << file;
}

// A NACA 4-digit name promises its maximum camber (first digit, percent of
// chord), where it lies (second digit, tenths of chord) and its thickness
// (last two digits, percent). What the program reads from the shipped file
// has to keep those promises, whatever the generator did.
void TestAirfoil::shippedNacaSectionsReadBackAsTheirDigits()
{
    QFETCH(QString, fileName);
    const QString digits = fileName.mid(4, 4);
    const double camber = digits.mid(0, 1).toInt() / 100.0;
    const double camberAt = digits.mid(1, 1).toInt() / 10.0;
    const double thickness = digits.mid(2, 2).toInt() / 100.0;

    QScopedPointer<Airfoil> airfoil(load(shipped(fileName)));
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getName(), "NACA " + digits);

    double thickest = 0.0, thickestAt = 0.0, highest = -1.0, highestAt = 0.0;
    for (int i = 0; i < 140; ++i) {
        const Vector3D* upper = airfoil->getPoint(i);
        const Vector3D* lower = airfoil->getPoint(279 - i);
        const double station = upper->getX() + 0.5;
        const double t = upper->getY() - lower->getY();
        const double c = 0.5 * (upper->getY() + lower->getY());
        QVERIFY2(t >= -1e-6, qPrintable(QString("surfaces cross at %1").arg(station)));
        if (t > thickest) {
            thickest = t;
            thickestAt = station;
        }
        if (c > highest) {
            highest = c;
            highestAt = station;
        }
    }
    // Thickness is laid off perpendicular to the mean line, so measured
    // straight up it is a little more than t on a cambered section.
    QVERIFY2(std::fabs(thickest - thickness) < 0.01 * thickness + 2e-4,
             qPrintable(QString("thickness %1").arg(thickest)));
    QVERIFY2(std::fabs(thickestAt - 0.3) < 0.03, qPrintable(QString("thickest at %1").arg(thickestAt)));
    QVERIFY2(std::fabs(highest - camber) < 1e-3, qPrintable(QString("camber %1").arg(highest)));
    if (camber > 0.0)
        QVERIFY2(std::fabs(highestAt - camberAt) < 0.03, qPrintable(QString("camber at %1").arg(highestAt)));
    QVERIFY(std::fabs(airfoil->getPoint(139)->getY() - airfoil->getPoint(140)->getY()) < 1e-6f);
    // The 4-digit trailing edge is open by 0.021 t, centred on the chord
    // line; each surface has to keep its own trailing-edge point.
    const double upperEnd = airfoil->getPoint(0)->getY();
    const double lowerEnd = airfoil->getPoint(279)->getY();
    QVERIFY2(std::fabs(upperEnd - lowerEnd - 0.021 * thickness) < 2e-4,
             qPrintable(QString("trailing edge %1 over %2").arg(upperEnd).arg(lowerEnd)));
    QVERIFY(std::fabs(upperEnd + lowerEnd) < 2e-4);
}

QTEST_MAIN(TestAirfoil)
#include "tst_airfoil.moc"
