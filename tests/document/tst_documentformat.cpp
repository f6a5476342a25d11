#include "planformixdata.pb.h"

#include <QStringList>
#include <QtTest>
#include <map>

// The generated schema against the document format as written down: field
// numbers, types, labels and defaults decide how every existing file reads,
// so a slip here silently corrupts documents.
class TestDocumentFormat : public QObject
{
    Q_OBJECT

private slots:
    void schemaMatchesFormatTable_data();
    void schemaMatchesFormatTable();
    void enumerationsMatchFormatTable_data();
    void enumerationsMatchFormatTable();
};

namespace {

using google::protobuf::Descriptor;
using google::protobuf::EnumDescriptor;
using google::protobuf::FieldDescriptor;

// Reached through the root message, which also links the schema in.
const google::protobuf::DescriptorPool* schemaPool()
{
    return serializedPlanformixData::descriptor()->file()->pool();
}

const Descriptor* findMessage(const QString& name)
{
    return schemaPool()->FindMessageTypeByName(name.toStdString());
}

QString typeText(const FieldDescriptor* field)
{
    if (field->type() == FieldDescriptor::TYPE_ENUM)
        return QString::fromStdString(field->enum_type()->name());
    if (field->type() == FieldDescriptor::TYPE_MESSAGE)
        return QString::fromStdString(field->message_type()->name());
    return QString::fromLatin1(field->type_name());
}

QString labelText(const FieldDescriptor* field)
{
    switch (field->label()) {
    case FieldDescriptor::LABEL_REQUIRED:
        return QStringLiteral("required");
    case FieldDescriptor::LABEL_REPEATED:
        return QStringLiteral("repeated");
    default:
        return QStringLiteral("optional");
    }
}

// The value an absent field reads as; "-" for repeated and message fields
// and for fields that declare no default.
QString defaultText(const FieldDescriptor* field)
{
    if (field->is_repeated() || field->type() == FieldDescriptor::TYPE_MESSAGE || !field->has_default_value())
        return QStringLiteral("-");
    switch (field->cpp_type()) {
    case FieldDescriptor::CPPTYPE_FLOAT:
        return QString::number(double(field->default_value_float()));
    case FieldDescriptor::CPPTYPE_INT32:
        return QString::number(field->default_value_int32());
    case FieldDescriptor::CPPTYPE_BOOL:
        return field->default_value_bool() ? QStringLiteral("true") : QStringLiteral("false");
    case FieldDescriptor::CPPTYPE_STRING:
        return QStringLiteral("\"") + QString::fromStdString(field->default_value_string()) + QStringLiteral("\"");
    case FieldDescriptor::CPPTYPE_ENUM:
        return QString::fromStdString(field->default_value_enum()->name());
    default:
        return QStringLiteral("?");
    }
}

// number name type label default, one field per line.
const std::map<QString, QString>& formatTable()
{
    static const std::map<QString, QString> table = {
        {"serializedPlanformixData", R"(
1 version int32 required -
2 planeName string optional ""
3 panels serializedPanelData repeated -
4 views serializedViewData repeated -
5 unitsSetting int32 optional 0)"},
        {"serializedPlanformixData.serializedRibListData", R"(
2 position float optional 0
3 thickness float optional 0)"},
        {"serializedPlanformixData.serializedSparListData", R"(
1 sparName string optional ""
2 type SparType optional Round
3 firstRib int32 optional 0
4 lastRib int32 optional 0
5 position float optional 25
17 lastPosition float optional 25
12 percentageSelected bool optional true
18 percentageSelectedLast bool optional true
19 separateLastPosition bool optional false
15 measureFromLE bool optional true
27 sparOffsetYStart float optional 0
28 sparOffsetYEnd float optional 0
6 roundSparRadius float optional 5
7 squareSparWidth float optional 2
16 squareSparAutoAdjustWidth bool optional false
8 squareSparHeight float optional 1
9 squareSparTop bool optional true
10 squareSparBottom bool optional true
29 squareSparWebbingInside bool optional false
31 squareSparWidthAdjustFront float optional 0
32 squareSparWidthAdjustBehind float optional 0
33 squareSparVerticalCut bool optional false
11 webbingWidth float optional 2
13 squareWebbingType SquareWebbingType optional None
14 squareWebbingWidth float optional 2
21 squareWebbingFrom int32 optional 1
22 squareWebbingTo int32 optional 0
20 tubeRadius float optional 6
23 cubeSparWidth float optional 4
24 cubeSparHeight float optional 6
30 cubeSparRotation float optional 0
25 cubeTubeWidth float optional 4
26 cubeTubeHeight float optional 6)"},
        {"serializedPlanformixData.serializedPanelData", R"(
1 id int32 required -
2 panelName string optional ""
3 airfoilName string optional ""
4 length float optional 0
5 rootChord float optional 0
6 tipChord float optional 0
7 sweep float optional 0
8 tipTwist float optional 0
9 dihedralAngle float optional 0
19 topAlign bool optional false
20 bottomAlign bool optional false
21 dontAlign bool optional true
10 ribThickness float optional 0
11 noOfRibs int32 optional 0
12 specificWeightRib float optional 0
18 airfoilNameTip string optional ""
23 rootAirfoilFactor float optional 1
24 tipAirfoilFactor float optional 1
13 ribList serializedRibListData repeated -
14 leData leadingEdge optional -
15 teData trailingEdge optional -
16 sparList serializedSparListData repeated -
17 sheeting sheetingDefinition optional -
25 tabs buildingTabsDefinition optional -
26 ribComb ribCombDefinition optional -
27 combList serializedCombListData repeated -)"},
        {"serializedPlanformixData.serializedPanelData.leadingEdge", R"(
1 type LEType optional None
2 standardLEDepth float optional 8)"},
        {"serializedPlanformixData.serializedPanelData.trailingEdge", R"(
1 type TEType optional None
2 standardTEDepth float optional 20
6 standardTEAutoAdjustDepth bool optional false
3 stripTEDepth float optional 20
4 stripTEStripDepth float optional 10
5 stripTEStripThickness float optional 2)"},
        {"serializedPlanformixData.serializedPanelData.sheetingStripDefinition", R"(
1 stripName string optional ""
2 stripType SheetingStripType optional Normal
3 firstRib int32 optional 0
4 lastRib int32 optional 0
5 position float optional 25
6 lastPosition float optional 25
7 percentageSelected bool optional true
8 percentageSelectedLast bool optional true
9 separateLastPosition bool optional false
10 measureFromLE bool optional true
11 thickness float optional 1.5
12 side SheetingStripSide optional Both
13 lower bool optional true
14 upper bool optional true
15 percentageSelectedOffsetStart bool optional true
16 percentageSelectedOffsetEnd bool optional true
17 offsetStart float optional 0
18 offsetEnd float optional 0
19 offsetSeparateEnd bool optional false
20 capStrip bool optional false)"},
        {"serializedPlanformixData.serializedPanelData.sheetingDefinition", R"(
1 sheetingType SheetingType optional None
2 length float optional 25
3 thickness float optional 1.5
4 extend int32 optional 0
5 percentageSelected bool optional true
6 doUpper bool optional true
7 doLower bool optional true
8 sheetingStripList sheetingStripDefinition repeated -)"},
        {"serializedPlanformixData.serializedPanelData.buildingTabsDefinition", R"(
1 doUpper bool optional false
2 doLower bool optional false
3 offsetLE float optional 10
4 offsetTE float optional 20
5 width float optional 10)"},
        {"serializedPlanformixData.serializedPanelData.ribCombDefinition", R"(
1 position float optional 25
2 width float optional 2
3 extendAbove float optional 10
4 extendSides float optional 10
5 cutIntoRib float optional 0
6 type RibCombType optional None)"},
        {"serializedPlanformixData.serializedPanelData.serializedCombListData", R"(
1 name string optional ""
2 type RibCombType optional Below
3 firstRib int32 optional 1
4 lastRib int32 optional 2
5 position float optional 50
13 positionLast float optional 50
14 percentageSelected bool optional true
15 percentageSelectedLast bool optional true
16 separateLastPosition bool optional false
17 measureFromLE bool optional true
6 width float optional 2
7 extend float optional 10
8 extendSides float optional 10
9 cutIntoRib float optional 0
18 cutoutGapFore float optional 0
19 cutoutGapAft float optional 0
20 gapNeedle float optional 0
10 extendToBuildingTabs bool optional true
11 slitHeight float optional 2
12 slitAdjust float optional 2)"},
        {"serializedPlanformixData.serializedViewData", R"(
1 observerName string required -
2 positionData mainGLWidgetData optional -
3 planeSummaryViewData planeSummaryView optional -)"},
        {"serializedPlanformixData.serializedViewData.mainGLWidgetData", R"(
4 posX float required -
5 posY float required -
6 posZ float required -
7 showRibs bool optional -
8 showSpars bool optional -
9 showCovering bool optional -
10 showTE bool optional -
11 showLE bool optional -
12 showAxes bool optional -
13 transparency int32 optional -
14 wingHalvesDistance float optional 0
15 showCombs bool optional false)"},
        {"serializedPlanformixData.serializedViewData.planeSummaryView", R"(
1 units UnitsSetting optional mm
2 considerDihedral bool optional true)"},
    };
    return table;
}

} // namespace

void TestDocumentFormat::schemaMatchesFormatTable_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("fields");
    for (const auto& entry : formatTable())
        QTest::newRow(qPrintable(entry.first)) << entry.first << entry.second;
}

void TestDocumentFormat::schemaMatchesFormatTable()
{
    QFETCH(QString, message);
    QFETCH(QString, fields);
    const Descriptor* descriptor = findMessage(message);
    QVERIFY2(descriptor, qPrintable(message));

    const QStringList lines = fields.trimmed().split(QLatin1Char('\n'));
    // Declaration order is part of the table (it is not number order).
    QCOMPARE(descriptor->field_count(), lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList expected = lines[i].split(QLatin1Char(' '));
        QCOMPARE(expected.size(), 5);
        const FieldDescriptor* field = descriptor->field(i);
        const QString where = message + QLatin1Char('.') + expected[1];
        QVERIFY2(QString::fromStdString(field->name()) == expected[1], qPrintable(where));
        QVERIFY2(QString::number(field->number()) == expected[0], qPrintable(where));
        QVERIFY2(typeText(field) == expected[2], qPrintable(where + " type " + typeText(field)));
        QVERIFY2(labelText(field) == expected[3], qPrintable(where + " label " + labelText(field)));
        QVERIFY2(defaultText(field) == expected[4], qPrintable(where + " default " + defaultText(field)));
    }
}

void TestDocumentFormat::enumerationsMatchFormatTable_data()
{
    QTest::addColumn<QString>("enumeration");
    QTest::addColumn<QString>("values");
    const QString panel = QStringLiteral("serializedPlanformixData.serializedPanelData.");
    QTest::newRow("SparType") << "serializedPlanformixData.serializedSparListData.SparType"
                              << "Round Square Webbing Tube Cube CubeTube";
    QTest::newRow("SquareWebbingType") << "serializedPlanformixData.serializedSparListData.SquareWebbingType"
                                       << "None Middle Before After Box";
    QTest::newRow("LEType") << panel + "leadingEdge.LEType" << "None Standard Cylinder Strip Diamond Round";
    QTest::newRow("TEType") << panel + "trailingEdge.TEType" << "None Standard StandardWithStrip";
    QTest::newRow("SheetingStripType") << panel + "sheetingStripDefinition.SheetingStripType" << "Normal";
    QTest::newRow("SheetingStripSide") << panel + "sheetingStripDefinition.SheetingStripSide" << "Lower Upper Both";
    QTest::newRow("SheetingType") << panel + "sheetingDefinition.SheetingType" << "None Standard Advanced";
    QTest::newRow("old RibCombType") << panel + "ribCombDefinition.RibCombType" << "None Standard";
    QTest::newRow("comb RibCombType") << panel + "serializedCombListData.RibCombType" << "Above Below";
    QTest::newRow("UnitsSetting") << "serializedPlanformixData.serializedViewData.planeSummaryView.UnitsSetting"
                                  << "mm dm inch";
}

void TestDocumentFormat::enumerationsMatchFormatTable()
{
    QFETCH(QString, enumeration);
    QFETCH(QString, values);
    const EnumDescriptor* descriptor =
        schemaPool()->FindEnumTypeByName(enumeration.toStdString());
    QVERIFY2(descriptor, qPrintable(enumeration));
    const QStringList names = values.split(QLatin1Char(' '));
    QCOMPARE(descriptor->value_count(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(QString::fromStdString(descriptor->value(i)->name()), names[i]);
        QCOMPARE(descriptor->value(i)->number(), i);
    }
}

QTEST_MAIN(TestDocumentFormat)
#include "tst_documentformat.moc"
