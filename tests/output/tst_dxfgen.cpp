#include "output/XDxfGen.h"
#include "tst_dxfreader.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <cmath>
#include <limits>

namespace {

const std::vector<std::string> ExportLayers = {"L0",       "Layer_TEXT",        "Layer_RIB",    "Layer_BOX",
                                               "Layer_LE_Template", "Layer_Webbing", "Layer_Combs"};

QStringList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).split('\n');
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The value lines that follow each occurrence of a group code inside the
// entity section (codes and values alternate line by line).
QStringList entityValues(const QStringList& lines, const QString& code)
{
    QStringList values;
    const int start = lines.indexOf("ENTITIES");
    for (int i = start + 1; i + 1 < lines.size(); i += 2)
        if (lines[i] == code)
            values << lines[i + 1];
    return values;
}

} // namespace

class TestDxfGen : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void drawingReadsBackInIndependentReader();
    void writesNumbersInCConventionToAMillionth_data();
    void writesNumbersInCConventionToAMillionth();
    void rectangleRunsCounterClockwise();
    void polylineWithMismatchedOrEmptyListsLeavesNoTrace();
    void polylineLeavesOutRepeatedPoints();
    void refusesEntitiesWithNonFiniteNumbers();
    void replacesLineBreaksInsideTexts();
    void nonAsciiTextsReadBackUnchanged();
    void secondBeginIsIgnored();
    void destructorFinishesAnOpenDrawing();
    void beginReportsFileThatCannotBeCreated();
    void targetKeepsOldContentUntilDrawingIsComplete();
    void failedReplaceIsReported();

private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

void TestDxfGen::init()
{
    QVERIFY(dir.isValid());
}

void TestDxfGen::drawingReadsBackInIndependentReader()
{
    const QString file = path("all.dxf");
    {
        XDxfGen dxf(ExportLayers);
        std::string error;
        QVERIFY(dxf.begin(file, error, 5000, 8000));
        dxf.point(1, 2, 0);
        dxf.circle(2.5f, 10, 20, 0, 2);
        dxf.text(30, -40, 5, "P1_R1, thickness: 2mm", 0, 1);
        dxf.line(0, 0, 100, 50, 0, 5);
        dxf.rectangle(0, 0, 110, -31, 0, 3);
        dxf.polyline({0, 10, 10}, {0, 0, 5}, 0, 6);
        dxf.arc(5, 5, 3, 0, 90, 0, 4);
        QVERIFY(dxf.end());
    }

    const DxfReadBack dxf = readDxfBack(file);
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    QCOMPARE(dxf.summary.value("acadver").toString(), QString("AC1009"));
    QCOMPARE(dxf.layers(), QStringList({"L0", "Layer_TEXT", "Layer_RIB", "Layer_BOX", "Layer_LE_Template",
                                        "Layer_Webbing", "Layer_Combs"}));
    const QJsonArray extMax = dxf.summary.value("extmax").toArray();
    QCOMPARE(extMax.at(0).toDouble(), 5000.0);
    QCOMPARE(extMax.at(1).toDouble(), 8000.0);

    QCOMPARE(dxf.entities("POINT", "L0").size(), 1);
    const auto circles = dxf.entities("CIRCLE", "Layer_RIB");
    QCOMPARE(circles.size(), 1);
    QCOMPARE(circles[0].value("radius").toDouble(), 2.5);
    QCOMPARE(circles[0].value("center").toArray().at(1).toDouble(), 20.0);
    const auto texts = dxf.entities("TEXT", "Layer_TEXT");
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts[0].value("text").toString(), QString("P1_R1, thickness: 2mm"));
    QCOMPARE(texts[0].value("insert").toArray().at(1).toDouble(), -40.0);
    QCOMPARE(dxf.entities("LINE", "Layer_Webbing").size(), 1);
    QCOMPARE(dxf.entities("LINE", "Layer_BOX").size(), 4);
    const auto polylines = dxf.entities("POLYLINE", "Layer_Combs");
    QCOMPARE(polylines.size(), 1);
    QVERIFY(polylines[0].value("closed").toBool());
    QCOMPARE(polylines[0].value("points").toArray().size(), 3);
    const auto arcs = dxf.entities("ARC", "Layer_LE_Template");
    QCOMPARE(arcs.size(), 1);
    QCOMPARE(arcs[0].value("end_angle").toDouble(), 90.0);
}

void TestDxfGen::writesNumbersInCConventionToAMillionth_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("written");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("whole") << 5000.0 << "5000";
    QTest::newRow("half") << 12.5 << "12.5";
    QTest::newRow("rounded to a millionth") << 123.4567891 << "123.456789";
    QTest::newRow("tenth") << 0.1 << "0.1";
    QTest::newRow("negative") << -42.25 << "-42.25";
    QTest::newRow("tiny") << 2.5e-5 << "0.000025";
    QTest::newRow("below a millionth, negative") << -4e-7 << "0";
    QTest::newRow("large") << 1234567.0 << "1234567";
    // Rows stack downwards: a part 100 m down the sheet keeps its micrometre.
    QTest::newRow("far down the sheet") << -123456.789012 << "-123456.789012";
}

void TestDxfGen::writesNumbersInCConventionToAMillionth()
{
    QFETCH(double, value);
    QFETCH(QString, written);
    // A German desktop writes "12,5" through printf and QLocale(); a cutter
    // would read that as two numbers or none.
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const QString file = path("numbers.dxf");
    {
        XDxfGen dxf(ExportLayers);
        std::string error;
        QVERIFY(dxf.begin(file, error, 5000, 8000));
        dxf.point(value, 0, 0);
        QVERIFY(dxf.end());
    }
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(previous);
    QCOMPARE(entityValues(fileLines(file), "10").value(0), written);
}

void TestDxfGen::rectangleRunsCounterClockwise()
{
    const QString file = path("rect.dxf");
    {
        XDxfGen dxf(ExportLayers);
        std::string error;
        QVERIFY(dxf.begin(file, error, 5000, 8000));
        dxf.rectangle(10, 20, 30, 40, 0, 3);
    }
    const QStringList lines = fileLines(file);
    QCOMPARE(entityValues(lines, "0").count("LINE"), 4);
    QCOMPARE(entityValues(lines, "10"), QStringList({"10", "40", "40", "10"}));
    QCOMPARE(entityValues(lines, "20"), QStringList({"20", "20", "60", "60"}));
    QCOMPARE(entityValues(lines, "11"), QStringList({"40", "40", "10", "10"}));
    QCOMPARE(entityValues(lines, "21"), QStringList({"20", "60", "60", "20"}));
}

void TestDxfGen::polylineWithMismatchedOrEmptyListsLeavesNoTrace()
{
    const QString file = path("poly.dxf");
    {
        XDxfGen dxf(ExportLayers);
        std::string error;
        QVERIFY(dxf.begin(file, error, 5000, 8000));
        dxf.polyline({1, 2, 3}, {1, 2}, 0, 2);
        dxf.polyline({}, {}, 0, 2);
        dxf.polyline({0, 1, 0}, {0, 0, 1}, 0, 2);
    }
    const QStringList entities = entityValues(fileLines(file), "0");
    QCOMPARE(entities, QStringList({"POLYLINE", "VERTEX", "VERTEX", "VERTEX", "SEQEND", "ENDSEC", "EOF"}));
}

void TestDxfGen::polylineLeavesOutRepeatedPoints()
{
    // Repeats: the same point twice, one less than a millionth of a
    // millimetre off, and the last point back on the first. Points 0.01 mm
    // and a ten-thousandth of a millimetre off stay, and so do two points
    // far down the sheet that six significant digits would write alike.
    const QString file = path("repeats.dxf");
    {
        XDxfGen dxf(ExportLayers);
        std::string error;
        QVERIFY(dxf.begin(file, error, 5000, 8000));
        dxf.polyline({0, 0, 10, 10.0000005, 1000, 1000.0001, 0.01, 0.01, 0.01, 0},
                     {0, 0, 0, 0, 10, 10, 10, -100000.2, -100000.4, 0}, 0, 2);
    }
    const QStringList lines = fileLines(file);
    // The polyline's own base point comes first.
    QCOMPARE(entityValues(lines, "10"), QStringList({"0", "0", "10", "1000", "1000.0001", "0.01", "0.01", "0.01"}));
    QCOMPARE(entityValues(lines, "20"), QStringList({"0", "0", "0", "10", "10", "10", "-100000.2", "-100000.4"}));
}

void TestDxfGen::refusesEntitiesWithNonFiniteNumbers()
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const QString file = path("nonfinite.dxf");
    {
        XDxfGen dxf(ExportLayers);
        std::string error;
        QVERIFY(dxf.begin(file, error, 5000, 8000));
        dxf.point(nan, 0, 0);
        dxf.circle(inf, 0, 0, 0, 2);
        dxf.text(0, nan, 5, "x", 0, 1);
        dxf.line(0, 0, 0, -inf, 0, 2);
        dxf.rectangle(0, 0, inf, 1, 0, 3);
        dxf.polyline({0, nan, 1}, {0, 1, 1}, 0, 2);
        dxf.arc(0, 0, 1, 0, nan, 0, 2);
        dxf.line(0, 0, 1, 1, 0, 2);
        QCOMPARE(dxf.skippedEntityCount(), 7);
        QVERIFY(dxf.end());
    }
    const QByteArray bytes = fileBytes(file).toLower();
    QVERIFY(!bytes.contains("nan"));
    QVERIFY(!bytes.contains("inf"));
    const DxfReadBack dxf = readDxfBack(file);
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    QCOMPARE(dxf.entities().size(), 1);
}

void TestDxfGen::replacesLineBreaksInsideTexts()
{
    const QString file = path("text.dxf");
    {
        XDxfGen dxf(ExportLayers);
        std::string error;
        QVERIFY(dxf.begin(file, error, 5000, 8000));
        dxf.text(0, 0, 5, "Panel 'left\nouter'\r", 0, 1);
        dxf.point(1, 1, 0);
    }
    const DxfReadBack dxf = readDxfBack(file);
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    const auto texts = dxf.entities("TEXT");
    QCOMPARE(texts.size(), 1);
    QCOMPARE(texts[0].value("text").toString(), QString("Panel 'left outer' "));
    QCOMPARE(dxf.entities("POINT").size(), 1);
}

void TestDxfGen::nonAsciiTextsReadBackUnchanged()
{
    // A release 12 drawing has no UTF-8: its texts are read in the Windows
    // code page, and anything beyond it as \U+ escapes.
    const QString file = path("umlauts.dxf");
    const QString label = QString::fromUtf8("Panel 'Au\u00dfenfl\u00fcgel', Spar name: '\u00c9pic\u00e9a'");
    {
        XDxfGen dxf(ExportLayers);
        std::string error;
        QVERIFY(dxf.begin(file, error, 5000, 8000));
        dxf.text(0, 0, 5, label.toUtf8().constData(), 0, 1);
        dxf.text(0, 10, 5, QString::fromUtf8("5 \u20ac").toUtf8().constData(), 0, 1);
    }
    const DxfReadBack dxf = readDxfBack(file);
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    const auto texts = dxf.entities("TEXT");
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[0].value("text").toString(), label);
    QVERIFY(entityValues(fileLines(file), "1").contains("5 \\U+20AC"));
}

void TestDxfGen::secondBeginIsIgnored()
{
    const QString first = path("first.dxf");
    const QString second = path("second.dxf");
    XDxfGen dxf(ExportLayers);
    std::string error = "untouched";
    QVERIFY(dxf.begin(first, error, 5000, 8000));
    QVERIFY(dxf.begin(second, error, 1, 1));
    QCOMPARE(error, std::string("untouched"));
    dxf.point(7, 7, 0);
    QVERIFY(dxf.end());
    QVERIFY(!QFile::exists(second));
    QCOMPARE(entityValues(fileLines(first), "0").count("POINT"), 1);

    // After end the same writer can make another drawing.
    QVERIFY(dxf.begin(second, error, 5000, 8000));
    QVERIFY(dxf.end());
    QVERIFY(QFile::exists(second));
}


void TestDxfGen::destructorFinishesAnOpenDrawing()
{
    const QString file = path("scope.dxf");
    {
        XDxfGen dxf(ExportLayers);
        std::string error;
        QVERIFY(dxf.begin(file, error, 5000, 8000));
        dxf.line(0, 0, 1, 1, 0, 2);
    }
    const QByteArray bytes = fileBytes(file);
    QVERIFY(bytes.endsWith("ENDSEC\n0\nEOF"));
    const DxfReadBack dxf = readDxfBack(file);
    QVERIFY2(dxf.loaded, qPrintable(dxf.diagnostics));
    QCOMPARE(dxf.entities("LINE").size(), 1);
}

void TestDxfGen::beginReportsFileThatCannotBeCreated()
{
    XDxfGen dxf(ExportLayers);
    std::string error;
    QVERIFY(!dxf.begin(path("missing/folder/x.dxf"), error, 5000, 8000));
    QVERIFY(!error.empty());
    QVERIFY(dxf.end());

    // A later begin may try again.
    QVERIFY(dxf.begin(path("x.dxf"), error, 5000, 8000));
    QVERIFY(dxf.end());
    QVERIFY(QFile::exists(path("x.dxf")));
}

void TestDxfGen::targetKeepsOldContentUntilDrawingIsComplete()
{
    const QString file = path("keep.dxf");
    {
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("previous drawing");
    }
    XDxfGen dxf(ExportLayers);
    std::string error;
    QVERIFY(dxf.begin(file, error, 5000, 8000));
    for (int i = 0; i < 5000; ++i)
        dxf.line(0, i, 100, i, 0, 2);
    QCOMPARE(fileBytes(file), QByteArray("previous drawing"));
    QVERIFY(dxf.end());
    QVERIFY(fileBytes(file).endsWith("0\nEOF"));
}

void TestDxfGen::failedReplaceIsReported()
{
    QTemporaryDir gone;
    const QString file = gone.filePath("lost.dxf");
    XDxfGen dxf(ExportLayers);
    std::string error;
    QVERIFY(dxf.begin(file, error, 5000, 8000));
    dxf.line(0, 0, 1, 1, 0, 2);
    // The folder disappears while the drawing is written (a removed USB stick).
    QVERIFY(gone.remove());
    QVERIFY(!dxf.end());
    QVERIFY(!dxf.errorString().isEmpty());
    QVERIFY(!QFile::exists(file));
}

QTEST_MAIN(TestDxfGen)
#include "tst_dxfgen.moc"
