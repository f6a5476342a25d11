#include "editing/XCombTypeEdit.h"
#include "editing/XCombTypeEditDelegate.h"
#include "editing/XSparTypeEdit.h"
#include "editing/XSparTypeEditDelegate.h"
#include "foundation/DialogSeam.h"
#include "model/CombListTableModel.h"
#include "model/SparsTableModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>
#include <memory>

namespace {

// Remembers the text of every item-view cell the style is asked to draw.
class RecordingStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_ItemViewItem)
            if (auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option))
                drawnTexts.append(item->text);
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    mutable QStringList drawnTexts;
};

std::vector<QString> sparNames()
{
    std::vector<QString> names;
    for (int i = 0; i < SparDefinition::getNumberOfTypes(); ++i)
        names.push_back(SparDefinition::getTypeName(i));
    return names;
}

std::vector<QString> combNames()
{
    std::vector<QString> names;
    for (int i = 0; i < RibCombData::getCombTypeCount(); ++i)
        names.push_back(RibCombData::getCombTypeName(i));
    return names;
}

// One table with a single record of the given type in row 0, and the type
// column's delegate, as the panel dialog sets them up.
struct TypeTable
{
    std::unique_ptr<QAbstractItemModel> model;
    std::unique_ptr<XTypeEditDelegate> delegate;

    QModelIndex typeCell() const { return model->index(0, 1); }
    int storedType() const { return model->data(typeCell(), Qt::DisplayRole).toInt(); }
};

TypeTable makeTable(const QString& kind, int type)
{
    TypeTable table;
    if (kind == "spar") {
        auto* spars = new SparsTableModel;
        spars->insertSpar(0, SparDefinition("S", static_cast<SparType>(type), 1, 5, 25, 25, true, false));
        table.model.reset(spars);
        table.delegate.reset(new XSparTypeEditDelegate(sparNames()));
    } else {
        auto* combs = new CombListTableModel;
        RibCombData comb;
        comb.setType(type);
        combs->insertComb(0, &comb);
        table.model.reset(combs);
        table.delegate.reset(new XCombTypeEditDelegate(combNames()));
    }
    return table;
}

QComboBox* popupOwner(QWidget* editor)
{
    return qobject_cast<QComboBox*>(editor);
}

} // namespace

class TestTypeEditDelegates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void cellShowsTypeByName_data();
    void cellShowsTypeByName();
    void cellFollowsNewlyTranslatedNames();

    void editorStartsOnRowTypeWithListOpen_data();
    void editorStartsOnRowTypeWithListOpen();
    void closingWithoutChoiceKeepsType_data();
    void closingWithoutChoiceKeepsType();
    void pickedTypeIsWrittenBackThroughTable_data();
    void pickedTypeIsWrittenBackThroughTable();
    void editorOnForeignModelStartsOnCellValue();

private:
    RecordingStyle* style = nullptr;
};

void TestTypeEditDelegates::initTestCase()
{
    style = new RecordingStyle;
    QApplication::setStyle(style);
}

void TestTypeEditDelegates::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
    SparsTableModel::setNumberOfRibs(5);
    CombListTableModel::setNumberOfRibs(5);
    style->drawnTexts.clear();
}

void TestTypeEditDelegates::cellShowsTypeByName_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("name");
    QTest::newRow("round spar") << "spar" << 0 << "Round";
    QTest::newRow("rectangular spar") << "spar" << 1 << "Rectangle";
    QTest::newRow("webbing") << "spar" << 2 << "Webbing";
    QTest::newRow("round joiner") << "spar" << 3 << "Round joiner";
    QTest::newRow("cuboid spar") << "spar" << 4 << "Cuboid";
    QTest::newRow("cuboid joiner") << "spar" << 5 << "Cuboid joiner";
    QTest::newRow("comb above") << "comb" << 0 << "Above";
    QTest::newRow("comb below") << "comb" << 1 << "Below";
}

void TestTypeEditDelegates::cellShowsTypeByName()
{
    QFETCH(QString, kind);
    QFETCH(int, type);
    QFETCH(QString, name);
    TypeTable table = makeTable(kind, type);
    QCOMPARE(table.storedType(), type);

    QImage image(200, 30, QImage::Format_ARGB32);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 200, 30);
    option.text = "left over from the model";
    table.delegate->paint(&painter, option, table.typeCell());
    QCOMPARE(style->drawnTexts, QStringList{name});
}

void TestTypeEditDelegates::cellFollowsNewlyTranslatedNames()
{
    TypeTable table = makeTable("spar", 3);
    table.delegate->setTypeNames({"Rund", "Rechteck", "Steg", "Rundverbinder", "Quader", "Quaderverbinder"});
    QImage image(200, 30, QImage::Format_ARGB32);
    QPainter painter(&image);
    table.delegate->paint(&painter, QStyleOptionViewItem(), table.typeCell());
    QCOMPARE(style->drawnTexts, QStringList{"Rundverbinder"});

    QTableView view;
    view.setModel(table.model.get());
    std::unique_ptr<QWidget> editor(
        table.delegate->createEditor(view.viewport(), QStyleOptionViewItem(), table.typeCell()));
    QCOMPARE(popupOwner(editor.get())->itemText(3), QString("Rundverbinder"));
}

void TestTypeEditDelegates::editorStartsOnRowTypeWithListOpen_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("names");
    QTest::newRow("round joiner") << "spar" << 3 << 6;
    QTest::newRow("cuboid joiner") << "spar" << 5 << 6;
    QTest::newRow("comb below") << "comb" << 1 << 2;
}

void TestTypeEditDelegates::editorStartsOnRowTypeWithListOpen()
{
    QFETCH(QString, kind);
    QFETCH(int, type);
    QFETCH(int, names);
    TypeTable table = makeTable(kind, type);
    QTableView view;
    view.setModel(table.model.get());
    view.show();

    std::unique_ptr<QWidget> editor(
        table.delegate->createEditor(view.viewport(), QStyleOptionViewItem(), table.typeCell()));
    QComboBox* edit = popupOwner(editor.get());
    QVERIFY(edit);
    if (kind == "spar")
        QVERIFY(qobject_cast<XSparTypeEdit*>(edit));
    else
        QVERIFY(qobject_cast<XCombTypeEdit*>(edit));
    QCOMPARE(edit->count(), names);
    QCOMPARE(edit->currentIndex(), type);
    QCOMPARE(edit->minimumWidth(), 150);
    QCOMPARE(edit->sizeAdjustPolicy(), QComboBox::AdjustToContents);

    edit->setCurrentIndex(0);
    table.delegate->setEditorData(edit, table.typeCell());
    QCOMPARE(edit->currentIndex(), type);
    QVERIFY(edit->view()->isVisible());
    edit->hidePopup();
}

void TestTypeEditDelegates::closingWithoutChoiceKeepsType_data()
{
    editorStartsOnRowTypeWithListOpen_data();
}

void TestTypeEditDelegates::closingWithoutChoiceKeepsType()
{
    QFETCH(QString, kind);
    QFETCH(int, type);
    TypeTable table = makeTable(kind, type);
    QTableView view;
    view.setModel(table.model.get());
    std::unique_ptr<QWidget> editor(
        table.delegate->createEditor(view.viewport(), QStyleOptionViewItem(), table.typeCell()));
    table.delegate->setEditorData(editor.get(), table.typeCell());
    popupOwner(editor.get())->hidePopup();
    table.delegate->setModelData(editor.get(), table.model.get(), table.typeCell());
    QCOMPARE(table.storedType(), type);
}

void TestTypeEditDelegates::pickedTypeIsWrittenBackThroughTable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("picked");
    QTest::newRow("round joiner to rectangle") << "spar" << 3 << 1;
    QTest::newRow("round to cuboid") << "spar" << 0 << 4;
    QTest::newRow("comb below to above") << "comb" << 1 << 0;
    QTest::newRow("comb above to below") << "comb" << 0 << 1;
}

void TestTypeEditDelegates::pickedTypeIsWrittenBackThroughTable()
{
    QFETCH(QString, kind);
    QFETCH(int, type);
    QFETCH(int, picked);
    TypeTable table = makeTable(kind, type);
    QTableView view;
    view.setModel(table.model.get());
    view.setItemDelegateForColumn(1, table.delegate.get());
    view.setEditTriggers(QAbstractItemView::DoubleClicked);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QRect cell = view.visualRect(table.typeCell());
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    auto* edit = view.viewport()->findChild<QComboBox*>();
    QVERIFY(edit);
    QTRY_VERIFY(edit->view()->isVisible());
    QCOMPARE(edit->currentIndex(), type);

    edit->hidePopup();
    edit->setCurrentIndex(picked);
    // Leaving the cell commits the editor.
    emit table.delegate->commitData(edit);
    emit table.delegate->closeEditor(edit);
    QCOMPARE(table.storedType(), picked);
    QVERIFY(DialogSeam::calls().empty());
}

void TestTypeEditDelegates::editorOnForeignModelStartsOnCellValue()
{
    QStandardItemModel model(1, 2);
    XSparTypeEditDelegate delegate(sparNames());
    // Only a foreign model can hold a number beyond the names; the cell
    // must not read past the list for it.
    model.setData(model.index(0, 1), 9);
    QImage image(200, 30, QImage::Format_ARGB32);
    QPainter painter(&image);
    delegate.paint(&painter, QStyleOptionViewItem(), model.index(0, 1));
    QCOMPARE(style->drawnTexts, QStringList{"9"});

    model.setData(model.index(0, 1), 1);
    QWidget parent;
    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 1)));
    QComboBox* edit = popupOwner(editor.get());
    QCOMPARE(edit->currentIndex(), 0);
    delegate.setEditorData(edit, model.index(0, 1));
    QCOMPARE(edit->currentIndex(), 1);
    edit->hidePopup();
    edit->setCurrentIndex(2);
    delegate.setModelData(edit, &model, model.index(0, 1));
    QCOMPARE(model.data(model.index(0, 1)).toInt(), 2);
}

QTEST_MAIN(TestTypeEditDelegates)
#include "tst_typeeditdelegates.moc"
