#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTranslator>
#include <QtTest>
#include <memory>

#include "airfoils/WingFoils.h"
#include "editing/PanelDialogTestSupport.h"
#include "editing/WingPanelDialog.h"
#include "editing/XSparTypeEditDelegate.h"
#include "foundation/DialogSeam.h"

// The panel dialog's layout: every text whole in both languages on the
// smallest screen, each hint in sight when its page opens, a new language
// taken by every text, and a reopened dialog at the top of its first page.
class TestPanelDialogLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void languageChangeRenamesMenusTypesAndPictures();
    void dialogFitsTheScreenWithWholeTabs_data();
    void dialogFitsTheScreenWithWholeTabs();
    void hintIsInSightOnOpeningItsPage_data();
    void hintIsInSightOnOpeningItsPage();
    void reopeningStartsAtTheTopWithoutFilter();

private:
    void loadDefault() { dialog->loadPanelIntoDialog(makePanelData()); }
    template <typename T>
    T* widget(const char* name) const
    {
        return childNamed<T>(dialog.get(), name);
    }

    QTemporaryDir importedFoils;
    std::unique_ptr<WingPanelDialog> dialog;
};

void TestPanelDialogLayout::initTestCase()
{
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"),
                                      importedFoils.path()));
}

void TestPanelDialogLayout::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
    dialog = std::make_unique<WingPanelDialog>(nullptr);
}

void TestPanelDialogLayout::cleanup()
{
    dialog.reset();
    DialogSeam::clear();
}

namespace {

// Marks every text it translates, so a test can see which texts were set
// again after the language changed.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override
    {
        if (qstrcmp(context, "WingPanelDialog") == 0 && qstrcmp(source, "SparRound.png") == 0)
            return QStringLiteral("SparRound-de.png");
        return QStringLiteral("~") + QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

void TestPanelDialogLayout::languageChangeRenamesMenusTypesAndPictures()
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    const QString spar = dialog->getSparMenu()->actions().first()->text();
    const QString alignNext = dialog->getAlignNextMenu()->title();
    auto* types = qobject_cast<XSparTypeEditDelegate*>(widget<QTableView>("tableViewSpars")->itemDelegateForColumn(1));
    const QString firstType = types ? types->getTypeNames().front() : QString();
    const QString picture = widget<QWidget>("widget_RoundSpar")->styleSheet();
    const QString tabText = widget<QTabWidget>("panelDialogTabWidget")->tabText(0);
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

    QCOMPARE(spar, QStringLiteral("~Add spar in front"));
    QCOMPARE(alignNext, QStringLiteral("~Align with next..."));
    QCOMPARE(firstType, QStringLiteral("~Round"));
    QCOMPARE(picture, QStringLiteral("image: url(:/images/images/SparRound-de.png);"));
    QVERIFY(tabText.startsWith(QLatin1Char('~')));
    // And back.
    QCOMPARE(dialog->getSparMenu()->actions().first()->text(), QStringLiteral("Add spar in front"));
}

void TestPanelDialogLayout::dialogFitsTheScreenWithWholeTabs_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QString();
    QTest::newRow("German") << QStringLiteral("planformix_de");
}

void TestPanelDialogLayout::dialogFitsTheScreenWithWholeTabs()
{
    QFETCH(QString, language);
    // The language changes while the dialog exists, as from the main menu.
    loadDefault();
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load(language, QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/lang")));
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    QStringList cut;
    auto checkHeaders = [&](QTableView* table) {
        for (int c = 0; c < table->model()->columnCount(); ++c)
            if (table->columnWidth(c) < table->horizontalHeader()->sectionSizeHint(c))
                cut << table->model()->headerData(c, Qt::Horizontal).toString();
    };
    checkHeaders(widget<QTableView>("tableViewCombs"));
    dialog->insertNewComb(0);
    dialog->insertNewStrip(0);
    dialog->setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    const QRect screen = dialog->screen()->availableGeometry();
    auto* tabs = widget<QTabWidget>("panelDialogTabWidget");
    auto* pane = widget<QScrollArea>("scrollArea_PanelData");
    for (int i = 0; i < tabs->count(); ++i) {
        QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(i).center());
        QCoreApplication::processEvents();
        if (pane->horizontalScrollBar()->isVisible() || tabs->tabBar()->width() < tabs->tabBar()->sizeHint().width())
            cut << tabs->tabText(i);
        // Nothing on a page hides behind a sideways scroll bar either: the
        // rib table shows both its columns whole.
        for (QAbstractScrollArea* area : tabs->currentWidget()->findChildren<QAbstractScrollArea*>())
            if (area->isVisible() && area->horizontalScrollBar()->isVisible())
                cut << area->objectName();
    }
    checkHeaders(widget<QTableView>("tableViewRibs"));
    // Every explaining picture at its own size, 300 x 150 (the advanced
    // sheeting's 310 x 150), on its page brought to the front; scaled down
    // its labels cannot be read.
    for (QWidget* picture : dialog->findChildren<QWidget*>()) {
        if (!picture->styleSheet().startsWith(QLatin1String("image: url(")))
            continue;
        for (QWidget* page = picture; page->parentWidget(); page = page->parentWidget()) {
            auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
            if (auto* tabPages = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr)
                tabPages->setCurrentWidget(page);
            else if (stack)
                stack->setCurrentWidget(page);
        }
        QCoreApplication::processEvents();
        const QSize drawn = QImage(picture->styleSheet().section('(', 1).section(')', 0, 0)).size();
        if (picture->width() < qMax(300, drawn.width()) || picture->height() < 150 || pane->horizontalScrollBar()->isVisible())
            cut << picture->objectName();
        // In German each shows its drawing with the fields' German words.
        if (!language.isEmpty() && !picture->styleSheet().contains(QLatin1String("-de.png")))
            cut << picture->styleSheet();
    }
    // Room enough on a 1280 x 800 screen, less a panel and a title bar.
    QVERIFY(dialog->minimumSizeHint().width() <= 1280);
    QVERIFY(dialog->minimumSizeHint().height() <= 720);
    // A new comb and strip show their whole name, and the headers their
    // whole (translated) titles.
    for (const char* name : {"tableViewCombs", "tableViewSheetingStrips"}) {
        auto* table = widget<QTableView>(name);
        const QString text = table->model()->index(0, 0).data().toString();
        if (table->columnWidth(0) < table->fontMetrics().horizontalAdvance(text))
            cut << text;
        checkHeaders(table);
    }
    dialog->setVisible(false);
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QVERIFY(dialog->width() <= screen.width());
    QVERIFY(dialog->height() <= screen.height());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
}

void TestPanelDialogLayout::hintIsInSightOnOpeningItsPage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("hint");
    const struct
    {
        const char* name;
        int tab;
        const char* type;
        const char* hint;
    } hints[] = {
        {"spar", 2, "", "label_3"},
        {"round LE", 3, "rbLERound", "label_50"},
        {"strip LE", 3, "rbLEStrip", "label_51"},
        {"diamond LE", 3, "rbLEDiamond", "label_53"},
        {"sheeting strip", 5, "rbSheetingAdvanced", "label_34"},
        {"comb", 6, "", "label_71"},
    };
    for (const QString& language : {QString(), QStringLiteral("planformix_de")})
        for (const auto& h : hints)
            QTest::addRow("%s %s", language.isEmpty() ? "English" : "German", h.name)
                << language << h.tab << QString::fromLatin1(h.type) << QString::fromLatin1(h.hint);
}

// A panel without spars, strips or combs: the page tells how to add one, and
// the leading-edge types that are built from spars say so. The dialog keeps
// its own height (594) on a 1280 x 800 screen, as on the test screen.
void TestPanelDialogLayout::hintIsInSightOnOpeningItsPage()
{
    QFETCH(QString, language);
    QFETCH(int, tab);
    QFETCH(QString, type);
    QFETCH(QString, hint);
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load(language, QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/lang")));
        QCoreApplication::installTranslator(&translator);
    }
    loadDefault();
    dialog->setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(dialog->height() <= 800);
    auto* tabs = widget<QTabWidget>("panelDialogTabWidget");
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(tab).center());
    if (!type.isEmpty())
        QTest::mouseClick(widget<QRadioButton>(type.toLatin1().constData()), Qt::LeftButton);
    QCoreApplication::processEvents();

    auto* label = widget<QLabel>(hint.toLatin1().constData());
    QVERIFY(label->isVisible());
    // Where the label's alignment puts its wrapped text, and its first line.
    const QRect inside = label->contentsRect();
    const int textHeight = std::min(label->heightForWidth(inside.width()), inside.height());
    int top = inside.top();
    if (label->alignment() & Qt::AlignVCenter)
        top += (inside.height() - textHeight) / 2;
    else if (label->alignment() & Qt::AlignBottom)
        top += inside.height() - textHeight;
    const QRect firstLine(inside.left(), top, inside.width(), label->fontMetrics().height());
    QWidget* viewport = widget<QScrollArea>("scrollArea_PanelData")->viewport();
    const QRect seen(label->mapTo(viewport, firstLine.topLeft()), firstLine.size());
    const bool inSight = viewport->rect().contains(seen);
    dialog->setVisible(false);
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(inSight, qPrintable(QStringLiteral("first line at y %1..%2, viewport 0..%3")
                                     .arg(seen.top()).arg(seen.bottom()).arg(viewport->height())));
}

void TestPanelDialogLayout::reopeningStartsAtTheTopWithoutFilter()
{
    loadDefault();
    dialog->setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto* tabs = widget<QTabWidget>("panelDialogTabWidget");
    auto* pane = widget<QScrollArea>("scrollArea_PanelData");
    auto* filter = widget<QLineEdit>("txtFoilFilter");
    filter->setText(QStringLiteral("NACA"));
    tabs->setCurrentIndex(tabs->count() - 1);
    QCoreApplication::processEvents();
    pane->verticalScrollBar()->setValue(pane->verticalScrollBar()->maximum());
    QVERIFY(pane->verticalScrollBar()->value() > 0);
    dialog->setVisible(false);

    // Another panel, whose airfoil the old filter would hide.
    PanelBaseData other = makePanelData();
    other.setAirfoilName(RootAirfoil, QStringLiteral("CLARK Y AIRFOIL"));
    dialog->loadPanelIntoDialog(other);
    dialog->setVisible(true);
    QCoreApplication::processEvents();
    QCOMPARE(pane->verticalScrollBar()->value(), 0);
    QVERIFY(tabs->tabBar()->visibleRegion().boundingRect().height() == tabs->tabBar()->height());
    QVERIFY(filter->text().isEmpty());
    auto* list = widget<QListView>("listViewPanelFoils");
    QCOMPARE(list->model()->rowCount(), int(WingFoils::instance()->getAirfoils().size()));
    QCOMPARE(list->currentIndex().data().toString(), QStringLiteral("CLARK Y AIRFOIL"));
    dialog->setVisible(false);
}

QTEST_MAIN(TestPanelDialogLayout)
#include "tst_paneldialoglayout_gl.moc"
