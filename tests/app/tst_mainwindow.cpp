#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "app/MainWindow.h"
#include "app/Planformix.h"
#include "document/PlaneModel.h"
#include "model/Panel.h"
#include "model/PanelsTableModel.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/DialogSeam.h"
#include "foundation/XDoubleSpinBox.h"
#include "foundation/Observer.h"
#include "foundation/Vector3D.h"
#include "planformixdata.pb.h"
#include "common/TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QToolBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace {

const QString baseTitle = QStringLiteral("Planformix 1.2.3");

// Answers the modal dialogs that are not behind DialogSeam (our own
// QDialogs run with exec()): each queued step runs on the next modal
// window that appears, in order.
class ModalScript : public QObject
{
public:
    using Step = std::function<void(QDialog*)>;

    ModalScript()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            // Each step closes its dialog, so a dialog seen again is being
            // run again. A progress window that a slow machine shows in
            // between is not one the script answers.
            if (!dialog || steps.empty() || qobject_cast<QProgressDialog*>(dialog))
                return;
            Step step = steps.front();
            steps.pop_front();
            ++served;
            step(dialog);
        });
        timer.start(10);
    }
    void add(const Step& step) { steps.push_back(step); }
    int served = 0;

private:
    QTimer timer;
    std::deque<Step> steps;
};

QAction* action(MainWindow& window, const char* name)
{
    auto* found = window.findChild<QAction*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no action %s", name);
    return found;
}

// Whether QCoreApplication::quit() was called since the last reset: a
// quit request makes every event loop started afterwards return at once.
bool quitRequested()
{
    QEventLoop probe;
    QTimer::singleShot(50, &probe, [&probe] { probe.exit(1); });
    return probe.exec() != 1;
}

// Running the application's own loop clears a pending quit request, which
// would otherwise end every later modal dialog at once.
void clearQuitRequest()
{
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

QString lastCallTitle()
{
    const auto& calls = DialogSeam::calls();
    return calls.empty() ? QString() : calls.back().title;
}

int countCalls(DialogSeam::Kind kind)
{
    int n = 0;
    for (const auto& call : DialogSeam::calls())
        n += call.kind == kind;
    return n;
}

// A plain symmetric section, enough for the reader to accept.
void writeAirfoilFile(const QString& path, const QString& name, bool withNameLine)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Text));
    QTextStream out(&file);
    if (withNameLine)
        out << name << "\n";
    const int n = 30;
    for (int i = n; i >= 0; --i) {
        const double x = double(i) / n;
        out << x << " " << 0.06 * std::sqrt(x) * (1.0 - x) << "\n";
    }
    for (int i = 1; i <= n; ++i) {
        const double x = double(i) / n;
        out << x << " " << -0.06 * std::sqrt(x) * (1.0 - x) << "\n";
    }
}

// A document of plain panels of generated ribs cut from the test's section;
// slow: the first panel at its heaviest, so that its build shows progress.
QByteArray wingDocument(int panels, int ribs, bool slow)
{
    serializedPlanformixData data;
    data.set_version(1);
    data.set_planename("Opened");
    for (int i = 0; i < panels; ++i) {
        serializedPlanformixData::serializedPanelData* panel = data.add_panels();
        panel->set_id(i + 1);
        panel->set_airfoilname("BASE SECTION");
        panel->set_airfoilnametip("BASE SECTION");
        panel->set_length(500.0f);
        panel->set_rootchord(200.0f);
        panel->set_tipchord(150.0f);
        panel->set_noofribs(ribs);
    }
    if (slow) {
        data.mutable_panels(0)->set_noofribs(200);
        TestSupport::coverWithFiftyStrips(*data.mutable_panels(0));
    }
    return QByteArray::fromStdString(data.SerializeAsString());
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formShowsCompiledInIcons();
    void startsWithEmptyDocumentTitleAndDisabledDocumentActions();
    void antiAliasActionShowsStoredSettingWithoutMessage();
    void newNamesThePlaneAndCanBeUndone();
    void savesAndLoadsThroughTheMenuActions();
    void documentDialogsStartInAnExistingFolder_data();
    void documentDialogsStartInAnExistingFolder();
    void failedOrCancelledLoadKeepsTheModifiedMark_data();
    void failedOrCancelledLoadKeepsTheModifiedMark();
    void rememberedDocumentNameIsOpenedOnlyOnce();
    void finishedLoadingOpensCommandLineDocumentBeforeShowing();
    void closeAsksAboutUnsavedChanges_data();
    void closeAsksAboutUnsavedChanges();
    void windowMenuNamesTheFullScreenState();
    void dxfExportAsksAgainWhenOverwriteIsRefused();
    void printCommandProposesPdfInDocumentsAndCancelPrintsNothing();
    void importRefusesUnknownAndInvalidFiles();
    void importAddsScaledAirfoilAndRefusesTakenName();
    void importThatCannotBeWrittenAddsNothing();
    void openTellsWhichPanelsAreCutFromAnotherSection();
    void commandEndsTheEditInProgress_data();
    void commandEndsTheEditInProgress();

private:
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(dir.isValid());
    DialogSeam::setScripted(true);
    ApplicationSettings::getInstance();
    QDir().mkpath(ApplicationSettings::getInstance()->getSettings()->getImportedFoilsDir());
    const QString foils = dir.filePath(QStringLiteral("foils"));
    QVERIFY(QDir().mkpath(foils));
    writeAirfoilFile(foils + QStringLiteral("/base.dat"), QStringLiteral("BASE SECTION"), true);
    WingFoils::createInstance(foils, ApplicationSettings::getInstance()->getSettings()->getImportedFoilsDir());
    QVERIFY(WingFoils::instance()->getAirfoils().count(QStringLiteral("BASE SECTION")) == 1);
}

void TestMainWindow::init()
{
    DialogSeam::clear();
    window.reset(new MainWindow(QString()));
}

void TestMainWindow::cleanup()
{
    window.reset();
    // Without a central widget nothing else deletes the model; the next
    // test starts from a fresh one.
    delete PlaneModel::instance();
    DialogSeam::clear();
    clearQuitRequest();
}

void TestMainWindow::formShowsCompiledInIcons()
{
    // A picture missing from the compiled-in resources gives a null icon;
    // one drawn smaller than 32 x 32 blurs when the style scales it up.
    for (const char* name : {"actionNew", "actionLoad", "actionSave", "actionSaveAs", "actionPrintDialog",
                             "actionUndo", "actionRedo", "actionAbout", "actionClose", "actionExit"}) {
        QVERIFY2(!action(*window, name)->icon().pixmap(24, 24).isNull(), name);
        QVERIFY2(action(*window, name)->icon().availableSizes() == QList<QSize>({QSize(32, 32)}), name);
    }
    QVERIFY(!window->windowIcon().pixmap(64, 64).isNull());
    QVERIFY(!(window->windowFlags() & Qt::WindowContextHelpButtonHint));
}

void TestMainWindow::startsWithEmptyDocumentTitleAndDisabledDocumentActions()
{
    QCOMPARE(window->windowTitle(), baseTitle);
    for (const char* name : {"actionSave", "actionSaveAs", "actionUndo", "actionRedo"})
        QVERIFY2(!action(*window, name)->isEnabled(), name);
    QVERIFY(action(*window, "actionLoad")->isEnabled());
    QVERIFY(!window->isVisible());
}

void TestMainWindow::antiAliasActionShowsStoredSettingWithoutMessage()
{
    for (bool stored : {false, true}) {
        window.reset();
        delete PlaneModel::instance();
        ApplicationSettings::getInstance()->getSettings()->setAntiAlias(stored);
        window.reset(new MainWindow(QString()));
        QCOMPARE(action(*window, "actionAnti_Alias")->isChecked(), stored);
    }
    QVERIFY(DialogSeam::calls().empty());
}

void TestMainWindow::newNamesThePlaneAndCanBeUndone()
{
    action(*window, "actionNew")->trigger();
    QCOMPARE(PlaneModel::instance()->getName(), QStringLiteral("New Plane"));
    QCOMPARE(window->windowTitle(), baseTitle + "*");
    QVERIFY(action(*window, "actionSave")->isEnabled());
    QVERIFY(action(*window, "actionUndo")->isEnabled());
    QVERIFY(DialogSeam::calls().empty());

    action(*window, "actionUndo")->trigger();
    QCOMPARE(PlaneModel::instance()->getName(), QString());
    QVERIFY(!action(*window, "actionUndo")->isEnabled());
    QVERIFY(action(*window, "actionRedo")->isEnabled());
    action(*window, "actionRedo")->trigger();
    QCOMPARE(PlaneModel::instance()->getName(), QStringLiteral("New Plane"));
}

void TestMainWindow::savesAndLoadsThroughTheMenuActions()
{
    action(*window, "actionNew")->trigger();
    PlaneModel::instance()->setName(QStringLiteral("Thermal Glider"), true);

    const QString path = dir.filePath(QStringLiteral("glider.pfz"));
    DialogSeam::queueFileName(path);
    action(*window, "actionSaveAs")->trigger();
    QVERIFY(QFile::exists(path));
    QCOMPARE(window->windowTitle(), baseTitle + " - " + path);
    QVERIFY(!action(*window, "actionSave")->isEnabled());
    QVERIFY(!action(*window, "actionUndo")->isEnabled());

    // Save of a named document writes without asking.
    PlaneModel::instance()->setName(QStringLiteral("Thermal Glider 2"), true);
    QCOMPARE(window->windowTitle(), baseTitle + " - " + path + "*");
    DialogSeam::clear();
    action(*window, "actionSave")->trigger();
    QCOMPARE(countCalls(DialogSeam::Kind::SaveFile), 0);
    QCOMPARE(window->windowTitle(), baseTitle + " - " + path);

    action(*window, "actionNew")->trigger();
    QCOMPARE(PlaneModel::instance()->getName(), QStringLiteral("New Plane"));
    // The new plane is unsaved: discard it, then pick the file.
    DialogSeam::queueChoice(0);
    DialogSeam::queueFileName(path);
    action(*window, "actionLoad")->trigger();
    QCOMPARE(PlaneModel::instance()->getName(), QStringLiteral("Thermal Glider 2"));
    QCOMPARE(window->windowTitle(), baseTitle + " - " + path);
    QVERIFY(!action(*window, "actionSave")->isEnabled());
    QVERIFY(!action(*window, "actionUndo")->isEnabled());
    QVERIFY(PlaneModel::instance()->getNotificationsEnabled());
    QVERIFY(PlaneModel::instance()->getHistoryRecordingEnabled());

    // A change after loading is one undo step again.
    PlaneModel::instance()->setName(QStringLiteral("Changed"), true);
    QVERIFY(action(*window, "actionUndo")->isEnabled());
}

void TestMainWindow::documentDialogsStartInAnExistingFolder_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Save") << "actionSave";
    QTest::newRow("Save as") << "actionSaveAs";
    QTest::newRow("Load") << "actionLoad";
}

// On a new account the remembered folder is a documents folder that does
// not exist yet; a dialog started there would offer "Documents" as the
// file name. Every dialog starts in a folder that exists, naming no file.
void TestMainWindow::documentDialogsStartInAnExistingFolder()
{
    QFETCH(QString, command);
    const TestSupport::FreshHome home;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QVERIFY(!QFileInfo::exists(documents));
    ApplicationSettings* settings = ApplicationSettings::getInstance()->getSettings();
    settings->setLastDirectory(documents);
    const auto startedIn = [](const QString& folder) {
        const QString directory = DialogSeam::calls().back().directory;
        QVERIFY2(QFileInfo(directory).isDir(), qPrintable(directory));
        QCOMPARE(QDir(directory).canonicalPath(), QDir(folder).canonicalPath());
    };

    PlaneModel::instance()->setName(QStringLiteral("Glider"), true);
    DialogSeam::queueChoice(0);  // Load: discard the unsaved name
    action(*window, command.toLatin1().constData())->trigger();
    QVERIFY(!DialogSeam::calls().empty());
    startedIn(documents);
    QVERIFY(!QFileInfo::exists(home.path() + QStringLiteral("/Documents.pfz")));

    // Afterwards the dialogs start where the last document lies.
    const QString planes = home.path() + QStringLiteral("/planes");
    QVERIFY(QDir().mkpath(planes));
    DialogSeam::clear();
    PlaneModel::instance()->setName(QStringLiteral("Glider"), true);
    DialogSeam::queueFileName(planes + QStringLiteral("/glider.pfz"));
    action(*window, "actionSaveAs")->trigger();
    QCOMPARE(settings->getLastDirectory(), planes + QStringLiteral("/glider.pfz"));
    action(*window, command == QLatin1String("actionLoad") ? "actionLoad" : "actionSaveAs")->trigger();
    startedIn(planes);
}

void TestMainWindow::failedOrCancelledLoadKeepsTheModifiedMark_data()
{
    QTest::addColumn<bool>("modifiedBefore");
    QTest::addColumn<QString>("kind");
    QTest::newRow("untouched, unreadable file") << false << "garbage";
    QTest::newRow("unsaved, unreadable file") << true << "garbage";
    QTest::newRow("untouched, cancelled dialog") << false << "cancelled dialog";
    QTest::newRow("unsaved, cancelled dialog") << true << "cancelled dialog";
    for (const char* kind : {"empty", "damaged", "cut off", "over the bounds", "missing", "cancelled build"})
        QTest::newRow(qPrintable(QStringLiteral("unsaved, %1").arg(QLatin1String(kind)))) << true << kind;
}

// A refused, missing or stopped open after a good one leaves the good
// document as it was: its bytes, its title with the mark, Save, and the
// undo history that leads back to the file.
void TestMainWindow::failedOrCancelledLoadKeepsTheModifiedMark()
{
    QFETCH(bool, modifiedBefore);
    QFETCH(QString, kind);

    const QString path = dir.filePath(QStringLiteral("plane.pfz"));
    const QByteArray good = wingDocument(3, 10, false);
    QFile goodFile(path);
    QVERIFY(goodFile.open(QIODevice::WriteOnly));
    goodFile.write(good);
    goodFile.close();
    DialogSeam::queueFileName(path);
    action(*window, "actionLoad")->trigger();
    PlaneModel* plane = PlaneModel::instance();
    QCOMPARE(plane->getPanelCount(), 3);
    QCOMPARE(window->windowTitle(), baseTitle + " - " + path);
    if (modifiedBefore)
        plane->setName(QStringLiteral("Kept, edited"), true);
    std::string bytesBefore;
    QVERIFY(plane->save(bytesBefore));
    const QString titleBefore = window->windowTitle();
    const bool saveBefore = action(*window, "actionSave")->isEnabled();
    const bool undoBefore = action(*window, "actionUndo")->isEnabled();
    QCOMPARE(undoBefore, modifiedBefore);

    const QString bad = dir.filePath(QStringLiteral("bad.pfz"));
    QFile::remove(bad);
    QByteArray badBytes;
    if (kind == QLatin1String("garbage"))
        badBytes = "this is no plane";
    else if (kind == QLatin1String("damaged"))
        badBytes = QByteArray(64, '\xff');
    else if (kind == QLatin1String("cut off"))
        badBytes = good.left(good.size() / 2);
    else if (kind == QLatin1String("over the bounds"))
        badBytes = wingDocument(1001, 2, false);
    else if (kind == QLatin1String("cancelled build"))
        badBytes = wingDocument(20, 100, true);
    if (kind != QLatin1String("missing") && kind != QLatin1String("cancelled dialog")) {
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(badBytes);
    }

    // Cancels the build's progress as soon as it shows.
    QTimer canceller;
    connect(&canceller, &QTimer::timeout, [&canceller] {
        if (auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
            progress->cancel();
            canceller.stop();
        }
    });
    if (kind == QLatin1String("cancelled build"))
        canceller.start(10);
    DialogSeam::clear();
    if (modifiedBefore)
        DialogSeam::queueChoice(0);  // discard, then the open does not happen
    DialogSeam::queueFileName(kind == QLatin1String("cancelled dialog") ? QString() : bad);
    action(*window, "actionLoad")->trigger();
    if (kind == QLatin1String("cancelled build"))
        QVERIFY(!canceller.isActive());

    const bool toldWhy = kind != QLatin1String("cancelled dialog") && kind != QLatin1String("cancelled build");
    QCOMPARE(lastCallTitle() == QStringLiteral("Error loading file"), toldWhy);
    std::string bytesAfter;
    QVERIFY(plane->save(bytesAfter));
    QVERIFY(bytesAfter == bytesBefore);
    QCOMPARE(plane->getPanelCount(), 3);
    QCOMPARE(window->windowTitle(), titleBefore);
    QCOMPARE(action(*window, "actionSave")->isEnabled(), saveBefore);
    QCOMPARE(action(*window, "actionUndo")->isEnabled(), undoBefore);
    QVERIFY(plane->getNotificationsEnabled());
    QVERIFY(plane->getHistoryRecordingEnabled());
    if (modifiedBefore) {
        // The history still leads back to the file as it was opened.
        action(*window, "actionUndo")->trigger();
        std::string undone;
        QVERIFY(plane->save(undone));
        QVERIFY(undone != bytesBefore);
        QCOMPARE(plane->getPanelCount(), 3);
        QVERIFY(!action(*window, "actionUndo")->isEnabled());
    }
}

void TestMainWindow::rememberedDocumentNameIsOpenedOnlyOnce()
{
    PlaneModel::instance()->setName(QStringLiteral("On the command line"), true);
    const QString path = dir.filePath(QStringLiteral("cmdline.pfz"));
    DialogSeam::queueFileName(path);
    action(*window, "actionSaveAs")->trigger();
    window.reset();
    delete PlaneModel::instance();

    window.reset(new MainWindow(path));
    QVERIFY(PlaneModel::instance()->getName() != QStringLiteral("On the command line"));
    DialogSeam::clear();
    action(*window, "actionLoad")->trigger();
    QCOMPARE(PlaneModel::instance()->getName(), QStringLiteral("On the command line"));
    QCOMPARE(countCalls(DialogSeam::Kind::OpenFile), 0);

    action(*window, "actionLoad")->trigger();
    QCOMPARE(countCalls(DialogSeam::Kind::OpenFile), 1);

    QString later = path;
    window->loadFileEventHandler(later);
    action(*window, "actionLoad")->trigger();
    QCOMPARE(countCalls(DialogSeam::Kind::OpenFile), 1);
}

void TestMainWindow::finishedLoadingOpensCommandLineDocumentBeforeShowing()
{
    PlaneModel::instance()->setName(QStringLiteral("Loaded at start"), true);
    const QString path = dir.filePath(QStringLiteral("start.pfz"));
    DialogSeam::queueFileName(path);
    action(*window, "actionSaveAs")->trigger();
    window.reset();
    delete PlaneModel::instance();

    window.reset(new MainWindow(path));
    bool visibleWhenLoaded = true;
    struct Probe : Observer
    {
        Probe(MainWindow* w, bool* seen) : Observer("Probe", false), window(w), seen(seen) {}
        void observedObjectChanged(Observable*) override { *seen = window->isVisible(); }
        void saveViewData(serializedPlanformixData&) override {}
        void loadViewData(const google::protobuf::Message*, SerializeableIf::hint_t) override {}
        MainWindow* window;
        bool* seen;
    } probe(window.get(), &visibleWhenLoaded);
    PlaneModel::instance()->addObserver(&probe);
    DialogSeam::clear();
    window->foilsLoaded();

    QVERIFY(window->isVisible());
    QVERIFY(!visibleWhenLoaded);
    QCOMPARE(PlaneModel::instance()->getName(), QStringLiteral("Loaded at start"));
    QCOMPARE(window->windowTitle(), baseTitle + " - " + path);
    QVERIFY(DialogSeam::calls().empty());
}

void TestMainWindow::closeAsksAboutUnsavedChanges_data()
{
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<int>("answer");  // 0 discard, 1 save first (dialog cancelled)
    QTest::addColumn<bool>("closes");
    QTest::newRow("nothing unsaved") << false << -1 << true;
    QTest::newRow("unsaved, discarded") << true << 0 << true;
    QTest::newRow("unsaved, save cancelled") << true << 1 << false;
}

void TestMainWindow::closeAsksAboutUnsavedChanges()
{
    QFETCH(bool, unsaved);
    QFETCH(int, answer);
    QFETCH(bool, closes);

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    if (unsaved)
        action(*window, "actionNew")->trigger();
    DialogSeam::clear();
    if (answer >= 0)
        DialogSeam::queueChoice(answer);
    DialogSeam::queueFileName(QString());

    QVERIFY(window->close());
    QCOMPARE(window->isVisible(), !closes);
    QCOMPARE(quitRequested(), closes);
    QCOMPARE(countCalls(DialogSeam::Kind::Choice), unsaved ? 1 : 0);
    if (!closes) {
        QCOMPARE(window->windowTitle(), baseTitle + "*");
        QCOMPARE(PlaneModel::instance()->getName(), QStringLiteral("New Plane"));
    }

    // The close box takes the same way.
    if (!closes) {
        DialogSeam::queueChoice(0);
        QCloseEvent event;
        QApplication::sendEvent(window.get(), &event);
        QVERIFY(event.isAccepted());
        QVERIFY(!window->isVisible());
    }
}

void TestMainWindow::windowMenuNamesTheFullScreenState()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QAction* fullScreen = action(*window, "actionEnter_Full_Screen");
    QMenu* menu = window->findChild<QMenu*>("menuWindow");

    fullScreen->trigger();
    QVERIFY(window->windowState() & Qt::WindowFullScreen);
    emit menu->aboutToShow();
    QCOMPARE(fullScreen->text(), QStringLiteral("Exit &Full Screen"));

    fullScreen->trigger();
    QVERIFY(!(window->windowState() & Qt::WindowFullScreen));
    emit menu->aboutToShow();
    QCOMPARE(fullScreen->text(), QStringLiteral("Enter &Full Screen"));

    fullScreen->trigger();
    action(*window, "actionZoom")->trigger();
    QVERIFY(window->windowState() & Qt::WindowMaximized);
    emit menu->aboutToShow();
    QCOMPARE(fullScreen->text(), QStringLiteral("Enter &Full Screen"));
}

void TestMainWindow::dxfExportAsksAgainWhenOverwriteIsRefused()
{
    const QString target = dir.filePath(QStringLiteral("ribs.dxf"));
    QFile existing(target);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();

    QStringList proposed;
    ModalScript script;
    auto typeAndAccept = [&](QDialog* dialog) {
        auto* field = dialog->findChild<QLineEdit*>(QStringLiteral("txtFileForDxfExport"));
        proposed << field->text();
        field->setText(dir.filePath(QStringLiteral("ribs")));
        dialog->findChild<QCheckBox*>(QStringLiteral("chkDrawBox"))->setChecked(true);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    };
    script.add(typeAndAccept);
    script.add(typeAndAccept);
    DialogSeam::queueButton(QMessageBox::Cancel);  // keep the old file
    DialogSeam::queueButton(QMessageBox::Ok);      // overwrite it
    action(*window, "actionExport_to_DXF")->trigger();

    QCOMPARE(script.served, 2);
    QCOMPARE(proposed.size(), 2);
    QCOMPARE(proposed.at(0), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                                 QDir::separator() + QStringLiteral("Planformix.dxf"));
    QCOMPARE(proposed.at(1), target);  // the name just chosen comes back
    QCOMPARE(countCalls(DialogSeam::Kind::Message), 2);
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll() != "old");

    // The next run proposes the last accepted name; cancelling ends it.
    ModalScript again;
    QString shown;
    again.add([&](QDialog* dialog) {
        shown = dialog->findChild<QLineEdit*>(QStringLiteral("txtFileForDxfExport"))->text();
        dialog->reject();
    });
    action(*window, "actionExport_to_DXF")->trigger();
    QCOMPARE(shown, target);
}

void TestMainWindow::printCommandProposesPdfInDocumentsAndCancelPrintsNothing()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString proposed;
    ModalScript script;
    script.add([&](QDialog* dialog) {
        proposed = dialog->findChild<QLineEdit*>(QStringLiteral("txtFileForPrinting"))->text();
        dialog->reject();
    });
    action(*window, "actionPrintDialog")->trigger();
    QCOMPARE(script.served, 1);
    QCOMPARE(QDir::cleanPath(proposed), QDir::cleanPath(documents + QStringLiteral("/Planformix.pdf")));
    QVERIFY(!QFile::exists(documents + QStringLiteral("/Planformix.pdf")));
}

void TestMainWindow::importRefusesUnknownAndInvalidFiles()
{
    const QString odd = dir.filePath(QStringLiteral("section.txt"));
    writeAirfoilFile(odd, QStringLiteral("ODD"), true);
    const QString noDot = dir.filePath(QStringLiteral("section"));
    writeAirfoilFile(noDot, QStringLiteral("ODD"), true);
    const QString empty = dir.filePath(QStringLiteral("empty.DAT"));
    QFile file(empty);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("NOTHING HERE\n");
    file.close();

    QSignalSpy changed(window.get(), &MainWindow::airfoilListChanged);
    DialogSeam::queueFileName(odd);
    window->importAirfoilDialog();
    QCOMPARE(lastCallTitle(), QStringLiteral("Unknown file type"));
    QCOMPARE(DialogSeam::calls().back().text, QStringLiteral("Selected file is of unknown type 'txt'"));

    DialogSeam::queueFileName(noDot);
    window->importAirfoilDialog();
    QCOMPARE(DialogSeam::calls().back().text, QStringLiteral("Selected file is of unknown type ''"));

    // Upper-case suffix is a DAT file; this one holds no outline.
    DialogSeam::queueFileName(empty);
    window->importAirfoilDialog();
    QCOMPARE(lastCallTitle(), QStringLiteral("Invalid file"));
    // The next file dialog starts where the last file was chosen.
    DialogSeam::clear();
    window->importAirfoilDialog();
    QCOMPARE(DialogSeam::calls().front().directory, QDir(dir.path()).absolutePath());
    QCOMPARE(changed.count(), 0);
}

void TestMainWindow::importAddsScaledAirfoilAndRefusesTakenName()
{
    const QString source = dir.filePath(QStringLiteral("thin.cor"));
    writeAirfoilFile(source, QString(), false);
    const QString importedDir = ApplicationSettings::getInstance()->getSettings()->getImportedFoilsDir();
    QSignalSpy changed(window.get(), &MainWindow::airfoilListChanged);

    // First try a name that is taken: the same dialog comes back, nothing
    // written, then the user renames and scales.
    ModalScript script;
    script.add([](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("txtAirfoilName"))->setText(QStringLiteral("BASE SECTION"));
        dialog->accept();
    });
    script.add([](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("txtAirfoilName"))->setText(QStringLiteral("Thin Section"));
        dialog->findChild<QDoubleSpinBox*>(QStringLiteral("txtScaleFactor"))->setValue(2.0);
        dialog->accept();
    });
    DialogSeam::queueFileName(source);
    window->importAirfoilDialog();

    QCOMPARE(script.served, 2);
    const auto& calls = DialogSeam::calls();
    QCOMPARE(calls.back().title, QStringLiteral("Airfoil exists"));
    QCOMPARE(calls.back().text,
             QStringLiteral("Airfoil with the name 'BASE SECTION' already exists! Please choose a different name."));
    QCOMPARE(changed.count(), 1);
    QVERIFY(QFile::exists(importedDir + QStringLiteral("/thin.dat")));

    const auto& airfoils = WingFoils::instance()->getAirfoils();
    QCOMPARE(int(airfoils.count(QStringLiteral("Thin Section"))), 1);
    // The original outline is 12 % thick at most; scaled by two, the
    // library's copy must reach well beyond it.
    float maxY = 0.0f;
    for (const Vector3D* point : airfoils.at(QStringLiteral("Thin Section"))->getCoords())
        maxY = std::max(maxY, float(point->getY()));
    const Airfoil* base = airfoils.at(QStringLiteral("BASE SECTION"));
    float baseMax = 0.0f;
    for (const Vector3D* point : base->getCoords())
        baseMax = std::max(baseMax, float(point->getY()));
    QVERIFY(std::fabs(maxY - 2.0f * baseMax) < 1e-3f);

    // Importing again under the same file name would take the first
    // import's file: refused, naming it; under another file name it goes in.
    ModalScript again;
    again.add([](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("txtAirfoilName"))->setText(QStringLiteral("Thin Section 2"));
        dialog->accept();
    });
    again.add([](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("txtTargetFileName"))->setText(QStringLiteral("thin2.dat"));
        dialog->accept();
    });
    DialogSeam::clear();
    DialogSeam::queueFileName(source);
    window->importAirfoilDialog();
    QCOMPARE(again.served, 2);
    QCOMPARE(DialogSeam::calls().back().title, QStringLiteral("File in use"));
    QCOMPARE(DialogSeam::calls().back().text,
             QStringLiteral("The file thin.dat holds the airfoil 'Thin Section' of the library, which would be lost "
                            "at the next start. Please choose a different file name."));
    QCOMPARE(changed.count(), 2);

    // A file of the folder that gave the library nothing (its name was
    // taken) is named in the question; Cancel brings the dialog back.
    writeAirfoilFile(importedDir + QStringLiteral("/spare.dat"), QStringLiteral("BASE SECTION"), true);
    ModalScript third;
    third.add([](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("txtAirfoilName"))->setText(QStringLiteral("Thin Section 3"));
        dialog->findChild<QLineEdit*>(QStringLiteral("txtTargetFileName"))->setText(QStringLiteral("spare.dat"));
        dialog->accept();
    });
    third.add([](QDialog* dialog) { dialog->reject(); });
    DialogSeam::clear();
    DialogSeam::queueFileName(source);
    DialogSeam::queueButton(QMessageBox::Cancel);
    window->importAirfoilDialog();
    QCOMPARE(third.served, 2);
    QCOMPARE(lastCallTitle(), QStringLiteral("File exists"));
    QCOMPARE(DialogSeam::calls().back().text,
             QStringLiteral("File spare.dat already exists and holds the airfoil 'BASE SECTION', which is not in the "
                            "library and would be lost - overwrite?"));
    QVERIFY(QFile::remove(importedDir + QStringLiteral("/spare.dat")));

    // Every import accepted is there after a restart, with the outline it
    // had: the second import under the first one's file name took none of
    // the first one's points.
    std::map<QString, std::vector<float>> outlines;
    const auto outlineOf = [](const Airfoil* airfoil) {
        std::vector<float> points;
        for (const Vector3D* point : airfoil->getCoords()) {
            points.push_back(float(point->getX()));
            points.push_back(float(point->getY()));
        }
        return points;
    };
    for (const auto& entry : WingFoils::instance()->getAirfoils())
        outlines[entry.first] = outlineOf(entry.second);
    QVERIFY(outlines[QStringLiteral("Thin Section")] != outlines[QStringLiteral("Thin Section 2")]);
    WingFoils::createInstance(dir.filePath(QStringLiteral("foils")), importedDir);
    for (const char* name : {"BASE SECTION", "Thin Section", "Thin Section 2"}) {
        const Airfoil* restarted = WingFoils::instance()->findAirfoil(QString::fromLatin1(name), false);
        QVERIFY2(restarted, name);
        QVERIFY2(outlineOf(restarted) == outlines[QString::fromLatin1(name)], name);
    }
    QCOMPARE(int(WingFoils::instance()->getAirfoils().size()), 3);
}

void TestMainWindow::importThatCannotBeWrittenAddsNothing()
{
    const QString source = dir.filePath(QStringLiteral("blocked.cor"));
    writeAirfoilFile(source, QString(), false);
    // A folder where the file should go: the write fails whatever the user.
    const QString importedDir = ApplicationSettings::getInstance()->getSettings()->getImportedFoilsDir();
    QVERIFY(QDir().mkpath(importedDir + QStringLiteral("/blocked.dat")));
    QSignalSpy changed(window.get(), &MainWindow::airfoilListChanged);

    ModalScript script;
    script.add([](QDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("txtAirfoilName"))->setText(QStringLiteral("Blocked"));
        dialog->accept();
    });
    script.add([](QDialog* dialog) { dialog->reject(); });
    DialogSeam::queueFileName(source);
    DialogSeam::queueButton(QMessageBox::Ok);  // overwrite
    window->importAirfoilDialog();
    QDir(importedDir).rmdir(QStringLiteral("blocked.dat"));

    // The failure was shown, the dialog came back, and the airfoil that
    // would be gone at the next start never entered the library.
    QCOMPARE(script.served, 2);
    QCOMPARE(lastCallTitle(), QStringLiteral("Import failed"));
    QCOMPARE(int(WingFoils::instance()->getAirfoils().count(QStringLiteral("Blocked"))), 0);
    QCOMPARE(changed.count(), 0);
}

void TestMainWindow::openTellsWhichPanelsAreCutFromAnotherSection()
{
    // A library with the default section and an airfoil whose Latin-1 name
    // an earlier build saved cut at its umlaut ("Profil M").
    QTemporaryDir foils;
    writeAirfoilFile(foils.filePath(QStringLiteral("base.dat")), QStringLiteral("BASE SECTION"), true);
    writeAirfoilFile(foils.filePath(QStringLiteral("clarky.dat")), QStringLiteral("CLARK Y AIRFOIL"), true);
    const QString latin = foils.filePath(QStringLiteral("latin.dat"));
    writeAirfoilFile(latin, QStringLiteral("LATIN"), true);
    QFile file(latin);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray points = file.readAll().mid(6);
    file.close();
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Profil M\xFC 12\n" + points);
    file.close();
    const QString importedDir = ApplicationSettings::getInstance()->getSettings()->getImportedFoilsDir();
    WingFoils::createInstance(foils.path(), importedDir);
    const Airfoil* umlaut = WingFoils::instance()->findAirfoil(QString::fromUtf8("Profil Mü 12"), false);
    QVERIFY(umlaut);

    const auto panel = [](int id, const QString& name, const QString& root, const QString& tip) {
        return PanelBaseData(id, name, root, tip, 200.0f, 150.0f, 0.0f, 400.0f, 0.0f, 0.0f, false, false, true,
                             3.0f, 4, 150.0f, 1.0f, 1.0f, nullptr, LEData(), TEData(), SparList(),
                             SheetingStripList(), CoveringDefinition(), BuildingTabData(), RibCombList());
    };
    PlaneModel::instance()->getPanelsTableModel()->addOrUpdatePanel(
        panel(1, QStringLiteral("Inner"), QStringLiteral("Gone Root"), QStringLiteral("BASE SECTION")));
    PlaneModel::instance()->getPanelsTableModel()->addOrUpdatePanel(
        panel(2, QStringLiteral("Outer"), QStringLiteral("Profil M"), QStringLiteral("Gone Tip")));
    const QString path = dir.filePath(QStringLiteral("missing.pfz"));
    DialogSeam::queueFileName(path);
    action(*window, "actionSaveAs")->trigger();
    window.reset();
    delete PlaneModel::instance();

    window.reset(new MainWindow(QString()));
    DialogSeam::clear();
    DialogSeam::queueFileName(path);
    action(*window, "actionLoad")->trigger();
    QCOMPARE(countCalls(DialogSeam::Kind::Message), 1);
    QCOMPARE(lastCallTitle(), QStringLiteral("Airfoils not found"));
    QVERIFY(DialogSeam::calls().back().text.endsWith(
        QString::fromUtf8("\n\nPanel 'Inner', root: 'Gone Root' is cut as 'CLARK Y AIRFOIL'\n"
                          "Panel 'Outer', tip: 'Gone Tip' is cut as 'Profil Mü 12'")));

    // The cut name is cut from its airfoil and shows it; the missing ones
    // stay in the document for Save.
    const Panel* outer = PlaneModel::instance()->getPanelsTableModel()->getPanel(1);
    QCOMPARE(outer->getRibList().getRibs().front().getRootAirfoil(), umlaut);
    QCOMPARE(outer->getCellData(1).toString(), QString::fromUtf8("Profil Mü 12"));
    QCOMPARE(PlaneModel::instance()->getPanelsTableModel()->getPanel(0)->getAirfoilName(RootAirfoil),
             QStringLiteral("Gone Root"));

    // Once per open: undo and redo of an edit tell nothing again.
    PlaneModel::instance()->setName(QStringLiteral("Renamed"), true);
    action(*window, "actionUndo")->trigger();
    action(*window, "actionRedo")->trigger();
    QCOMPARE(countCalls(DialogSeam::Kind::Message), 1);
}

void TestMainWindow::commandEndsTheEditInProgress_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("command");
    for (const char* edit : {"wing halves distance", "panel name cell"})
        for (const char* command : {"Ctrl+S", "toolbar Save", "Save As", "Ctrl+Q", "window close", "Close", "New",
                                    "Open", "Undo", "Print", "DXF"})
            QTest::addRow("%s, %s", edit, command) << edit << command;
}

void TestMainWindow::commandEndsTheEditInProgress()
{
    QFETCH(QString, edit);
    QFETCH(QString, command);

    // A plane of one panel, saved and open in the real window.
    auto* central = new Planformix;
    window->setCentralWidget(central);
    window->foilsLoaded();
    PlaneModel::instance()->getPanelsTableModel()->addOrUpdatePanel(
        PanelBaseData(1, QStringLiteral("Inner"), QStringLiteral("BASE SECTION"), QStringLiteral("BASE SECTION"),
                      200.0f, 150.0f, 0.0f, 400.0f, 0.0f, 0.0f, false, false, true, 3.0f, 4, 150.0f, 1.0f, 1.0f,
                      nullptr, LEData(), TEData(), SparList(), SheetingStripList(), CoveringDefinition(),
                      BuildingTabData(), RibCombList()));
    const QString path = dir.filePath(QStringLiteral("typed.pfz"));
    DialogSeam::queueFileName(path);
    action(*window, "actionSaveAs")->trigger();
    QCOMPARE(window->windowTitle(), baseTitle + " - " + path);
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    // Typed and not left: a shortcut, a tool button or a menu leaves the
    // focus where it is.
    const bool distance = edit == "wing halves distance";
    if (distance) {
        auto* field = central->findChild<XDoubleSpinBox*>(QStringLiteral("txtWingHalvesDistance"));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("250"));
    } else {
        auto* table = central->findChild<QTableView*>(QStringLiteral("tableViewPanels"));
        table->setFocus();
        table->setCurrentIndex(table->model()->index(0, 0));
        // The table opens its editor on the first key typed.
        QTest::keyClicks(table, QStringLiteral("T"));
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(editor));
        qobject_cast<QLineEdit*>(editor)->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Typed Tip"));
    }
    // What a document holds of the edit.
    const auto typedIn = [distance](const std::string& bytes) {
        serializedPlanformixData document;
        if (!document.ParseFromString(bytes) || document.panels_size() != 1)
            return false;
        if (!distance)
            return document.panels(0).panelname() == "Typed Tip";
        for (const auto& view : document.views())
            if (view.observername() == "MainWingGLWidget")
                return view.positiondata().winghalvesdistance() == 250.0f;
        return false;
    };
    const auto savedTyped = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && typedIn(file.readAll().toStdString());
    };
    const auto modelTyped = [&] {
        std::string bytes;
        return PlaneModel::instance()->save(bytes) && typedIn(bytes);
    };
    QVERIFY(!savedTyped());

    DialogSeam::clear();
    bool heldWhenAsked = false;
    ModalScript script;
    script.add([&](QDialog* dialog) {
        heldWhenAsked = modelTyped();
        dialog->reject();
    });
    QWidget* focus = QApplication::focusWidget();
    const std::map<QString, QKeySequence> shortcuts{
        {"Ctrl+S", QKeySequence("Ctrl+S")}, {"Save As", QKeySequence("Ctrl+Shift+S")},
        {"Ctrl+Q", QKeySequence("Ctrl+Q")}, {"Close", QKeySequence("Ctrl+W")},
        {"New", QKeySequence("Ctrl+N")},    {"Open", QKeySequence("Ctrl+L")}};
    const bool asks = command == "Ctrl+Q" || command == "window close" || command == "Close" || command == "New"
                      || command == "Open";
    if (asks)
        DialogSeam::queueChoice(1);  // save first
    if (command == "Save As" || command == "Open")
        DialogSeam::queueFileName(command == "Save As" ? path : QString());
    if (shortcuts.count(command)) {
        const int key = shortcuts.at(command)[0];
        QTest::keyClick(focus, Qt::Key(key & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    } else if (command == "toolbar Save") {
        QWidget* button = window->findChild<QToolBar*>()->widgetForAction(action(*window, "actionSave"));
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (command == "window close") {
        static_cast<QWidget*>(window.get())->close();
    } else if (command == "Undo") {
        action(*window, "actionUndo")->trigger();
    } else {
        action(*window, command == "Print" ? "actionPrintDialog" : "actionExport_to_DXF")->trigger();
    }

    if (asks)
        QCOMPARE(countCalls(DialogSeam::Kind::Choice), 1);
    if (command == "Print" || command == "DXF") {
        QCOMPARE(script.served, 1);
        QVERIFY(heldWhenAsked);
    } else if (command == "Undo") {
        // The typed value was a step of its own: Undo takes just that, and
        // the field or cell shows the value from before, not the typed text.
        QVERIFY(!modelTyped());
        QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        action(*window, "actionRedo")->trigger();
        QVERIFY(modelTyped());
    } else {
        QVERIFY(savedTyped());
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
