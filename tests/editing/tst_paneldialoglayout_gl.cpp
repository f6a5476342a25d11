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
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

#include "airfoils/WingFoils.h"
#include "editing/PanelDialogTestSupport.h"
#include "editing/PanelPreviewBuild.h"
#include "editing/WingPanelDialog.h"
#include "editing/XSparTypeEditDelegate.h"
#include "foundation/DialogSeam.h"
#include "model/Panel.h"
#include "foundation/XDoubleSpinBox.h"
#include "views/CADGraphicsScene.h"
#include "views/CADWidgetRibView.h"
#include "views/WingFoilGLWidget.h"

#include <QDialogButtonBox>
#include <QProgressBar>
#include <QSemaphore>
#include <atomic>
#include <functional>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWindow>

// The panel dialog's layout: every text whole in both languages on the
// smallest screen, each hint in sight when its page opens, a new language
// taken by every text, and a reopened dialog at the top of its first page;
// and the shown dialog under the user's typing while its panel builds.
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
    void keysTypedWhileThePanelBuildsReachTheField_data();
    void keysTypedWhileThePanelBuildsReachTheField();
    void clickOnTheBuildsCancelEndsItAtOnce();
    void previewShowsTheLastWholePanelWhileItBuilds();
    void ribViewKeepsItsRibWhileThePanelIsBuiltAnew();
    void buildProgressCoversNothing_data();
    void buildProgressCoversNothing();
    void keyShowsWhileTheBuildItEndsWindsDown();

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

namespace {

// A panel of 200 ribs whose build takes long: covered by 20 sheeting
// strips, or at every bound a panel may reach (50 square spars, 50 strips,
// 50 combs).
PanelBaseData heavyPanel(bool capped)
{
    const int count = capped ? 50 : 20;
    SparList spars;
    SheetingStripList strips;
    RibCombList combs;
    for (int i = 0; i < count; ++i) {
        const float at = 10.0f + 80.0f * float(i) / float(count);
        strips.append(SheetingStripDefinition(QStringLiteral("Strip"), 0, 1, 200, at, at, 1.5f, true, true, true,
                                              false, 0.0f, 0.0f, false, false));
        if (!capped)
            continue;
        spars.addSpar(SparDefinition(QStringLiteral("Spar"), SparType::Square, 1, 200, at, at, true, false));
        combs.append(RibCombData(QStringLiteral("Comb"), 0, at, at, true, true, false, true, 3.0f, 5.0f, 2.0f, 1.0f,
                                 1.0f, 1.0f, 1, 200, false, 2.0f, 5.0f));
    }
    return PanelBaseData(7, QStringLiteral("Heavy"), QStringLiteral("NACA 2412"), QString(), 200.0f, 180.0f, 0.0f,
                         2000.0f, 0.0f, 0.0f, false, false, true, 2.0f, 200, 150.0f, 1.0f, 1.0f, nullptr, LEData(),
                         TEData(), spars, strips,
                         CoveringDefinition(SheetingType::Advanced, 25.0f, 1.5f, 0, true, true, true),
                         BuildingTabData(), combs);
}

// Counts the keys its window was given, once it was given them.
class KeyCount : public QObject
{
public:
    int released = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        released += event->type() == QEvent::KeyRelease ? 1 : 0;
        return false;
    }
};

} // namespace

void TestPanelDialogLayout::keysTypedWhileThePanelBuildsReachTheField_data()
{
    QTest::addColumn<bool>("capped");
    QTest::addColumn<int>("pace");
#ifdef PLANFORMIX_SANITIZED
    // Under the sanitizers every build takes many times as long: one pace,
    // keys still coming while builds run, looks for the faults of memory.
    const std::vector<int> paces{150};
#else
    const std::vector<int> paces{30, 150, 1500};
#endif
    for (const int pace : paces) {
        QTest::addRow("20 strips, %d ms a key", pace) << false << pace;
        QTest::addRow("at every bound, %d ms a key", pace) << true << pace;
    }
}

void TestPanelDialogLayout::keysTypedWhileThePanelBuildsReachTheField()
{
    // Every key changes the field, and every change builds the panel anew:
    // the keys that come while it builds reach the field all the same, in
    // the order they were typed. They come as from the window system, to
    // the dialog's window, paced by a timer that runs while the builds do.
    QFETCH(bool, capped);
    QFETCH(int, pace);
    QScopedValueRollback<int> atOnce(PanelPreviewBuild::shownAfterMs, 0);
    const PanelBaseData panel = heavyPanel(capped);
    QVERIFY(dialog->loadPanelIntoDialog(panel));
    dialog->setVisible(true);
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    auto* sweep = widget<XDoubleSpinBox>("txtSweep");
    sweep->setFocus(Qt::TabFocusReason);
    QVERIFY(sweep->hasFocus());

    // How often a build's progress showed while the keys came.
    int shown = 0;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&] {
        for (auto* progress : dialog->findChildren<QProgressDialog*>())
            shown += progress->isVisible() ? 1 : 0;
        if (auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
            shown += progress->isVisible() ? 1 : 0;
    });
    watch.start(0);
    const std::vector<std::pair<int, QString>> keys = {{Qt::Key_1, QStringLiteral("1")},
                                                       {Qt::Key_2, QStringLiteral("2")},
                                                       {Qt::Key_Period, QStringLiteral(".")},
                                                       {Qt::Key_5, QStringLiteral("5")},
                                                       {Qt::Key_Tab, QString()}};
    std::size_t typed = 0;
    KeyCount given;
    dialog->windowHandle()->installEventFilter(&given);
    QTimer typist;
    connect(&typist, &QTimer::timeout, [&] {
        if (typed == keys.size())
            return;
        const auto& key = keys[typed++];
        QWindow* window = dialog->windowHandle();
        QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, key.first, Qt::NoModifier, key.second));
        QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyRelease, key.first, Qt::NoModifier, key.second));
    });
    typist.start(pace);
    // Once the keys are typed, the working panel is built of what the field
    // holds, whatever that is.
    const auto settled = [&] {
        if (given.released < int(keys.size()) || !dialog->getWorkingPanel())
            return false;
        for (auto* progress : dialog->findChildren<QProgressDialog*>())
            if (progress->isVisible())
                return false;
        PanelBaseData values;
        dialog->fillPanelFromDialog(values);
        return dialog->builtPanelOf(values) != nullptr;
    };
    QVERIFY(QTest::qWaitFor(settled, 120000));
    typist.stop();
    watch.stop();
    QVERIFY(shown > 0);
    QCOMPARE(sweep->value(), 12.5);
    QVERIFY(!sweep->hasFocus());
    QCOMPARE(dialog->getWorkingPanel()->getSweep(), 12.5f);

    // OK hands the typed sweep on, with the build of it.
    float stored = 0.0f;
    bool builtForIt = false;
    connect(dialog.get(), &WingPanelDialog::baseDataChanged, this, [&] {
        PanelBaseData values;
        dialog->fillPanelFromDialog(values);
        stored = values.getSweep();
        builtForIt = dialog->builtPanelOf(values) != nullptr;
    });
    widget<QDialogButtonBox>("buttonBoxEditPanel")->button(QDialogButtonBox::Ok)->click();
    QVERIFY2(DialogSeam::calls().empty(),
             qPrintable(DialogSeam::calls().empty() ? QString() : DialogSeam::calls()[0].text));
    QCOMPARE(stored, 12.5f);
    QVERIFY(builtForIt);
    QVERIFY(!dialog->isVisible());
}

void TestPanelDialogLayout::clickOnTheBuildsCancelEndsItAtOnce()
{
    // The dialog's input waits while its panel builds, but for a click on
    // the Cancel of the progress the build shows: that ends the build, and
    // the working panel stays as it was; no build follows.
    QScopedValueRollback<int> atOnce(PanelPreviewBuild::shownAfterMs, 0);
    QVERIFY(dialog->loadPanelIntoDialog(heavyPanel(true)));
    dialog->setVisible(true);
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    auto* progress = widget<QProgressDialog>("panelBuildProgress");
    bool clicked = false;
    QTimer clicker;
    connect(&clicker, &QTimer::timeout, [&] {
        auto* cancel = progress->findChild<QPushButton*>();
        if (clicked || !progress->isVisible() || !cancel)
            return;
        // Clicked where it shows, once the column has made room for it.
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        const QPoint inside = cancel->rect().center();
        const QPoint at = cancel->mapTo(dialog.get(), inside);
        const QPoint global = cancel->mapToGlobal(inside);
        if (QApplication::widgetAt(global) != cancel)
            return;
        // Sent from within the build's own turn of the event loop: it lands
        // while the build runs, however fast the build is.
        clicked = true;
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, at, at, global, Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(dialog->windowHandle(), &click);
        }
    });
    clicker.start(0);
    widget<XDoubleSpinBox>("txtSweep")->setValue(40.0);
    clicker.stop();
    QVERIFY(clicked);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
    QVERIFY(!progress->isVisible());
    QCOMPARE(dialog->getWorkingPanel()->getSweep(), 0.0f);
}

namespace {

// What the 3D preview shows on the screen, as the window system has it.
QImage shownBy(WingFoilGLWidget* view)
{
    return view->screen()->grabWindow(view->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Draws what the view has begun, slice after slice, until it is shown whole.
void finishPicture(WingFoilGLWidget* view)
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    while (!view->drawNextSlice()) {
    }
}

// Holds the panel's build on its worker after every stride-th step, and
// calls look on the window's thread while it is held there, from within the
// build's own turns of the event loop.
class BuildStepper : public QObject
{
public:
    BuildStepper(int stride, std::function<void()> look) : look(std::move(look))
    {
        PanelPreviewBuild::afterStep = [this, stride] {
            if (steps++ % stride == 0) {
                held.release();
                goOn.acquire();
            }
        };
        connect(&timer, &QTimer::timeout, this, [this] {
            if (!held.tryAcquire())
                return;
            ++looks;
            this->look();
            goOn.release();
        });
        timer.start(0);
    }
    // Only once the build is over: the worker reads the hook.
    ~BuildStepper() override { PanelPreviewBuild::afterStep = nullptr; }

    int looks = 0;

private:
    std::function<void()> look;
    std::atomic<int> steps{0};
    QSemaphore held;
    QSemaphore goOn;
    QTimer timer;
};

} // namespace

void TestPanelDialogLayout::previewShowsTheLastWholePanelWhileItBuilds()
{
    // A key in a field of the capped panel builds it anew for seconds; all
    // that while the preview shows the panel as it was, whole, and the new
    // one only once it is built and drawn in full.
    QScopedValueRollback<int> atOnce(PanelPreviewBuild::shownAfterMs, 0);
    QVERIFY(dialog->loadPanelIntoDialog(heavyPanel(true)));
    dialog->setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto* view = widget<WingFoilGLWidget>("wingFoilGLWidget");
    auto* progress = widget<QProgressDialog>("panelBuildProgress");
    // Every picture goes in slices, as the capped panel's do on a slow
    // renderer.
    view->setFrameSlicing(0.0, 100.0);
    view->update();
    finishPicture(view);
    const QImage whole = shownBy(view);
    QVERIFY(whole.pixel(whole.width() / 2, 0) != whole.pixel(whole.width() / 2, whole.height() / 2));

    auto* sweep = widget<XDoubleSpinBox>("txtSweep");
    sweep->setFocus(Qt::TabFocusReason);
    sweep->selectAll();
    int partial = 0;
    int shownProgress = 0;
    {
        BuildStepper stepper(20, [&] {
            QCoreApplication::sendPostedEvents();
            shownProgress += progress->isVisible() ? 1 : 0;
            partial += shownBy(view) != whole ? 1 : 0;
        });
        QTest::keyClick(sweep, Qt::Key_9);
        QVERIFY(stepper.looks >= 10);
    }
    QCOMPARE(dialog->getWorkingPanel()->getSweep(), 9.0f);
    QCOMPARE(partial, 0);
    QVERIFY(shownProgress >= 10);
    // Built, the new panel is drawn in slices; the old one stands until
    // the last is drawn.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(!view->drawNextSlice());
    QCOMPARE(shownBy(view), whole);
    finishPicture(view);
    QVERIFY(shownBy(view) != whole);
}

void TestPanelDialogLayout::ribViewKeepsItsRibWhileThePanelIsBuiltAnew()
{
    // Generating the ribs builds a new working panel in place of the one
    // let go of: until it is there, the rib view shows the rib it showed.
    QScopedValueRollback<int> atOnce(PanelPreviewBuild::shownAfterMs, 0);
    loadDefault();
    dialog->setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    auto* ribs = widget<QTableView>("tableViewRibs");
    auto* ribView = widget<CADWidgetRibView>("singleRibDrawingArea");
    ribs->selectionModel()->setCurrentIndex(ribs->model()->index(2, 0),
                                            QItemSelectionModel::SelectCurrent | QItemSelectionModel::Rows);
    const std::size_t drawn = ribView->getScene()->getElements().size();
    QVERIFY(drawn > 1);
    int looks = 0;
    int kept = 0;
    {
        BuildStepper stepper(1, [&] {
            ++looks;
            kept += ribView->getModel() == nullptr && ribView->getScene()->getElements().size() == drawn ? 1 : 0;
        });
        widget<QPushButton>("btnGenerateRibs")->click();
    }
    QVERIFY(looks > 0);
    QCOMPARE(kept, looks);
    QCOMPARE(ribView->getModel(), static_cast<CADSceneModel*>(dialog->getWorkingPanel()));
}

void TestPanelDialogLayout::buildProgressCoversNothing_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("smallest");
    for (const bool smallest : {false, true}) {
        const char* size = smallest ? "smallest" : "default";
        QTest::addRow("English, %s", size) << QString() << smallest;
        QTest::addRow("German, %s", size) << QStringLiteral("planformix_de") << smallest;
    }
}

void TestPanelDialogLayout::buildProgressCoversNothing()
{
    // The progress of a build shows in a room of its own: it covers no
    // other part of the dialog, its text shows whole, and the preview keeps
    // its place and size as it comes and goes.
    QFETCH(QString, language);
    QFETCH(bool, smallest);
    QScopedValueRollback<int> atOnce(PanelPreviewBuild::shownAfterMs, 0);
    QTranslator translator;
    if (!language.isEmpty()) {
        QVERIFY(translator.load(language, QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/lang")));
        QCoreApplication::installTranslator(&translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    loadDefault();
    dialog->setVisible(true);
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    if (smallest)
        dialog->resize(dialog->minimumSizeHint());
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
    auto* view = widget<WingFoilGLWidget>("wingFoilGLWidget");
    auto* progress = widget<QProgressDialog>("panelBuildProgress");
    const QRect viewPlace(view->mapTo(dialog.get(), QPoint()), view->size());
    const auto placeOf = [&](const QWidget* w) { return QRect(w->mapTo(dialog.get(), QPoint()), w->size()); };

    QStringList covered;
    QString textCut;
    bool viewMoved = false;
    bool seen = false;
    {
        BuildStepper stepper(1, [&] {
            if (seen || !progress->isVisible())
                return;
            seen = true;
            for (int pass = 0; pass < 3; ++pass)
                QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            viewMoved = placeOf(view) != viewPlace;
            const QRect strip = placeOf(progress);
            for (QWidget* other : dialog->findChildren<QWidget*>()) {
                if (!other->isVisible() || other == progress || other->isAncestorOf(progress)
                    || progress->isAncestorOf(other))
                    continue;
                if (placeOf(other).intersects(strip))
                    covered << other->objectName() + QLatin1Char(' ') + other->metaObject()->className();
            }
            // Its own parts lie within it, the text whole.
            for (QWidget* part : progress->findChildren<QWidget*>())
                if (part->isVisible() && !strip.contains(placeOf(part)))
                    covered << QStringLiteral("part ") + part->metaObject()->className();
            auto* label = progress->findChild<QLabel*>();
            if (!label || label->width() < label->sizeHint().width() || label->text().isEmpty())
                textCut = label ? label->text() : QStringLiteral("no label");
        });
        widget<XDoubleSpinBox>("txtSweep")->setValue(12.0);
    }
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QVERIFY(seen);
    QVERIFY2(covered.isEmpty(), qPrintable(covered.join(QStringLiteral(", "))));
    QVERIFY2(textCut.isEmpty(), qPrintable(textCut));
    QVERIFY(!viewMoved);
    QCOMPARE(placeOf(view), viewPlace);
}

void TestPanelDialogLayout::keyShowsWhileTheBuildItEndsWindsDown()
{
    // A key typed while the panel builds ends the build, and shows in its
    // field (painted) while the worker still holds what it half built: the
    // worker is held at a step of the build until the key shows, or until
    // the window has turned many times without it.
    QScopedValueRollback<int> atOnce(PanelPreviewBuild::shownAfterMs, 0);
    QVERIFY(dialog->loadPanelIntoDialog(makePanelData()));
    dialog->setVisible(true);
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    auto* sweep = widget<XDoubleSpinBox>("txtSweep");
    sweep->setFocus(Qt::TabFocusReason);
    auto* text = sweep->findChild<QLineEdit*>();
    QVERIFY(text);

    std::mutex mutex;
    std::condition_variable change;
    bool held = false;
    bool heldOnce = false;
    bool goOn = false;
    QScopedValueRollback<std::function<void()>> stepHold(PanelPreviewBuild::afterStep, [&] {
        std::unique_lock<std::mutex> lock(mutex);
        if (heldOnce)
            return;
        heldOnce = held = true;
        change.notify_all();
        change.wait(lock, [&] { return goOn; });
        held = false;
    });
    const auto release = [&] {
        std::lock_guard<std::mutex> lock(mutex);
        goOn = true;
        change.notify_all();
    };

    // Whether the field has been painted since the key reached it.
    struct FieldPaint : QObject {
        bool keyIn = false;
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            keyIn = keyIn || event->type() == QEvent::KeyPress;
            painted = painted || (keyIn && event->type() == QEvent::Paint);
            return false;
        }
    } paint;
    sweep->installEventFilter(&paint);
    text->installEventFilter(&paint);

    bool typed = false;
    bool shownWhileHeld = false;
    int turns = 0;
    QTimer typist;
    connect(&typist, &QTimer::timeout, [&] {
        bool workerHeld = false;
        {
            std::lock_guard<std::mutex> lock(mutex);
            workerHeld = held;
        }
        if (!workerHeld || goOn)
            return;
        if (!typed) {
            typed = true;
            sweep->selectAll();
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
                QCoreApplication::postEvent(dialog->windowHandle(),
                                            new QKeyEvent(type, Qt::Key_7, Qt::NoModifier, QStringLiteral("7")));
            return;
        }
        shownWhileHeld = paint.painted && text->text().startsWith(QLatin1Char('7'));
        if (shownWhileHeld || ++turns == 100)
            release();
    });
    typist.start(0);
    sweep->setValue(40.0);
    typist.stop();
    release();
    QVERIFY(typed);
    QVERIFY(shownWhileHeld);
    QCOMPARE(sweep->value(), 7.0);
    // The panel is then built of what the field holds.
    QVERIFY(QTest::qWaitFor([&] { return dialog->getWorkingPanel()->getSweep() == 7.0f; }));
}

QTEST_MAIN(TestPanelDialogLayout)
#include "tst_paneldialoglayout_gl.moc"
