#include "airfoils/WingFoils.h"
#include "document/DocumentLimits.h"
#include "document/FileManager.h"
#include "document/PlaneModel.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/DialogSeam.h"
#include "foundation/ModalProgress.h"
#include "foundation/Observable.h"
#include "planformixdata.pb.h"
#include "common/TestSupport.h"

#include <QAction>
#include <QFile>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// A document whose snapshots can be made to fail, for the paths the plane
// model never takes. Its whole state is one number.
class FlakyDocument : public Observable, public SerializeableIf
{
public:
    int state = 0;
    bool failLoads = false;
    bool failSaves = false;

    void change(int value)
    {
        state = value;
        notifyObservers();
    }
    bool savesRunOutOfMemory = false;

    bool save(std::string& target) override
    {
        if (savesRunOutOfMemory)
            throw std::bad_alloc();
        if (failSaves || !target.empty())
            return false;
        target = std::to_string(state);
        return true;
    }
    bool writeToStream(std::fstream&) override { return false; }
    bool serializeToString(std::string* output) override { return output && save(*output); }
    bool load(const std::string& source, bool sourceIsFile, hint_t hint) override
    {
        return !sourceIsFile && loadFromString(source, hint);
    }
    bool loadFromStream(std::fstream&, hint_t) override { return false; }
    bool loadFromString(const std::string& data, hint_t) override
    {
        if (failLoads)
            return false;
        state = std::stoi(data);
        return true;
    }
};

const QString baseTitle = QStringLiteral("Planformix 1.2.3");

// Writes a document of panels of generated ribs, each with square spars.
void writeWing(const QString& file, int panels, int ribs, int spars, int coveredStrips = 0)
{
    serializedPlanformixData data;
    data.set_version(1);
    for (int i = 0; i < panels; ++i) {
        serializedPlanformixData::serializedPanelData* panel = data.add_panels();
        panel->set_id(i + 1);
        panel->set_length(500.0f);
        panel->set_rootchord(200.0f);
        panel->set_tipchord(150.0f);
        panel->set_noofribs(ribs);
        for (int s = 0; s < spars; ++s)
            panel->add_sparlist()->set_type(serializedPlanformixData::serializedSparListData::Square);
        if (coveredStrips > 0)
            panel->mutable_sheeting()->set_sheetingtype(
                serializedPlanformixData::serializedPanelData::sheetingDefinition::Advanced);
        for (int s = 0; s < coveredStrips; ++s)
            panel->mutable_sheeting()->add_sheetingstriplist();
    }
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(QByteArray::fromStdString(data.SerializeAsString()));
}

// A wing whose first panel carries 50 sheeting strips under advanced
// covering on 200 ribs: a build of well over the moment after which its
// progress shows, however many cores build it, since one panel's ribs are
// built one after the other. Each test takes a wing of its own length, so
// that none is built from memory another one has just given back.
void withStripsAcross(const QString& file, float length);

void writeSlowWing(const QString& file, float length)
{
    writeWing(file, 20, 100, 0);
    withStripsAcross(file, length);
}

// Sets every panel's length and gives the first panel 200 ribs and 50
// sheeting strips under advanced covering across all of them.
void withStripsAcross(const QString& file, float length)
{
    QFile in(file);
    in.open(QIODevice::ReadOnly);
    serializedPlanformixData data;
    data.ParseFromString(in.readAll().toStdString());
    in.close();
    for (int p = 0; p < data.panels_size(); ++p)
        data.mutable_panels(p)->set_length(length);
    data.mutable_panels(0)->set_noofribs(200);
    TestSupport::coverWithFiftyStrips(*data.mutable_panels(0));
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(QByteArray::fromStdString(data.SerializeAsString()));
}

// Counts the progress dialogs that are shown, follows the event loop every
// 10 ms while it runs (the longest pause between two turns is the longest
// time the window could not be painted) and records the progress shown;
// cancels the progress dialog once it has shown the given value.
class ProgressWatch : public QObject
{
public:
    explicit ProgressWatch(QWidget* window, int cancelAt = -1) : window(window), cancelAt(cancelAt)
    {
        qApp->installEventFilter(this);
        connect(&beat, &QTimer::timeout, this, [this] { tick(); });
        beat.start(10);
        clock.start();
    }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }

    int shown = 0;
    qint64 longestPause = 0;
    std::vector<int> values;
    // Started when the watch pressed Cancel, with the processor time the
    // program's workers had used by then.
    QElapsedTimer cancelled;
    double workersAtCancel = 0;
    // Whether the bar was shown full, and with a Cancel to click then.
    bool endShown = false;
    bool cancelAtEnd = false;

    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QProgressDialog*>(object))
            seen(object);
        return false;
    }

private:
    void tick()
    {
        longestPause = std::max(longestPause, clock.restart());
        auto* dialog = window->findChild<QProgressDialog*>();
        if (!dialog || !dialog->isVisible())
            return;
        seen(dialog);
        if (values.empty() || values.back() != dialog->value())
            values.push_back(dialog->value());
        if (cancelAt >= 0 && dialog->value() >= cancelAt && !cancelled.isValid()) {
            workersAtCancel = TestSupport::workerCpuMs();
            dialog->cancel();
            cancelled.start();
        }
    }

    void seen(QObject* dialog)
    {
        if (!dialogs.contains(dialog)) {
            dialogs.insert(dialog);
            ++shown;
            // The moment the bar is full, as the user sees it.
            if (auto* bar = dialog->findChild<QProgressBar*>())
                connect(bar, &QProgressBar::valueChanged, this, [this, bar, dialog](int value) {
                    if (value < bar->maximum())
                        return;
                    endShown = true;
                    cancelAtEnd = cancelAtEnd || dialog->findChild<QPushButton*>();
                });
        }
    }

    QWidget* window;
    int cancelAt;
    QSet<QObject*> dialogs;
    QTimer beat;
    QElapsedTimer clock;
};

} // namespace

class TestFileManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // First: a process that has built no plane before gives back what a
    // plane frees, so that a plane given up cannot be built again under a
    // limit below what it held.
    void heldPlaneNamesTheWayBackThatIsLeft();
    void titleFollowsSaveChangeAndUndo();
    void saveDisablesSaveAndUndo();
    void untrackedChangeIsRecordedButNotMarked();
    void ringOfTwentyAllowsEighteenUndos();
    void changeAfterUndoDisablesRedo();
    void undoAndRedoMarkModifiedWithoutOwnSnapshot();
    void undoRedoRestoreWithNotificationsOffLeavesThemOff();
    void saveFirstThenCancelledSaveAbandonsOpen();
    void cancelledOpenKeepsModifiedMark_data();
    void cancelledOpenKeepsModifiedMark();
    void versionTwoFileShowsErrorAndKeepsDocument();
    void openedFileRestoresPlaneAndResetsHistory();
    void refusedFileAfterAGoodOneChangesNothing_data();
    void refusedFileAfterAGoodOneChangesNothing();
    void wingBeyondBoundsIsRefusedAtOnceSayingWhy_data();
    void wingBeyondBoundsIsRefusedAtOnceSayingWhy();
    void longOpenShowsProgress();
    void cancelledBuildKeepsDocumentAndFile_data();
    void cancelledBuildKeepsDocumentAndFile();
    void cancelledUndoKeepsStateBefore();
    void savedNameGetsExtension_data();
    void savedNameGetsExtension();
    void completedNameAsksBeforeOverwriting();
    void unicodeFileNameRoundTrips();
    void saveWithFileNameAsksNothing();
    void failedWriteKeepsFileAndModifiedMark_data();
    void failedWriteKeepsFileAndModifiedMark();
    void failedSnapshotLeavesRingInPlace();
    void closeFileEmptiesPlaneUnlessSaveFirstFails();

private:
    QString path(const QString& name) const { return dir->filePath(name); }
    void change(const QString& name) { plane->setName(name, true); }

    QTemporaryDir imported;
    QTemporaryDir* dir = nullptr;
    QMainWindow* window = nullptr;
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
    PlaneModel* plane = nullptr;
    FileManager* files = nullptr;
};

void TestFileManager::initTestCase()
{
    // Real airfoils, so that building a large plane takes as long as it does
    // for the user.
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"), imported.path()));
}

void TestFileManager::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
    dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
    window = new QMainWindow;
    save = new QAction(QStringLiteral("&Save"), window);
    saveAs = new QAction(QStringLiteral("Save &As"), window);
    undo = new QAction(QStringLiteral("&Undo"), window);
    redo = new QAction(QStringLiteral("&Redo"), window);
    plane = PlaneModel::instance();
    files = new FileManager(window, QStringLiteral("Planformix"), save, saveAs, undo, redo,
                            QStringLiteral("Planformix files (*.pfz)"), QStringLiteral(".pfz"), plane);
    plane->addObserver(files);
}

void TestFileManager::cleanup()
{
    delete files;
    files = nullptr;
    // Observers cannot be unregistered; a fresh plane per test keeps the
    // deleted file manager out of later notifications.
    delete plane;
    plane = nullptr;
    delete window;
    delete dir;
    DialogSeam::clear();
}

void TestFileManager::titleFollowsSaveChangeAndUndo()
{
    QCOMPARE(window->windowTitle(), baseTitle);
    change(QStringLiteral("Glider"));
    QCOMPARE(window->windowTitle(), baseTitle + QStringLiteral("*"));

    const QString file = path(QStringLiteral("glider.pfz"));
    DialogSeam::queueFileName(file);
    QVERIFY(files->saveFile(false));
    QCOMPARE(window->windowTitle(), baseTitle + QStringLiteral(" - ") + file);

    change(QStringLiteral("Glider 2"));
    QCOMPARE(window->windowTitle(), baseTitle + QStringLiteral(" - ") + file + QStringLiteral("*"));

    files->undo();
    QCOMPARE(plane->getName(), QStringLiteral("Glider"));
    QCOMPARE(window->windowTitle(), baseTitle + QStringLiteral(" - ") + file + QStringLiteral("*"));
}

void TestFileManager::saveDisablesSaveAndUndo()
{
    QVERIFY(!save->isEnabled());
    QVERIFY(!saveAs->isEnabled());
    change(QStringLiteral("A"));
    QVERIFY(save->isEnabled());
    QVERIFY(saveAs->isEnabled());
    QVERIFY(undo->isEnabled());

    DialogSeam::queueFileName(path(QStringLiteral("a.pfz")));
    QVERIFY(files->saveFile(true));
    QVERIFY(!files->isModified());
    QVERIFY(!save->isEnabled());
    QVERIFY(saveAs->isEnabled());
    QVERIFY(!undo->isEnabled());
    QVERIFY(!redo->isEnabled());
}

void TestFileManager::untrackedChangeIsRecordedButNotMarked()
{
    plane->setModificationTrackingEnabled(false);
    change(QStringLiteral("A"));
    QVERIFY(!files->isModified());
    QCOMPARE(window->windowTitle(), baseTitle);
    QVERIFY(!save->isEnabled());
    QVERIFY(!saveAs->isEnabled());
    QVERIFY(undo->isEnabled());

    plane->setModificationTrackingEnabled(true);
    change(QStringLiteral("B"));
    QVERIFY(files->isModified());
    // A mark set while tracking stays through an untracked change.
    plane->setModificationTrackingEnabled(false);
    change(QStringLiteral("C"));
    QVERIFY(files->isModified());
    QCOMPARE(window->windowTitle(), baseTitle + QStringLiteral("*"));
    QVERIFY(save->isEnabled());
    QVERIFY(saveAs->isEnabled());
    plane->setModificationTrackingEnabled(true);
}

void TestFileManager::ringOfTwentyAllowsEighteenUndos()
{
    for (int i = 1; i <= 25; ++i)
        change(QStringLiteral("n%1").arg(i));

    int undone = 0;
    while (undo->isEnabled() && undone < 30) {
        files->undo();
        ++undone;
    }
    QCOMPARE(undone, 18);
    QCOMPARE(plane->getName(), QStringLiteral("n7"));
    files->undo();
    QCOMPARE(plane->getName(), QStringLiteral("n7"));

    // Every step comes back, in order.
    for (int i = 8; i <= 25; ++i) {
        QVERIFY(redo->isEnabled());
        files->redo();
        QCOMPARE(plane->getName(), QStringLiteral("n%1").arg(i));
    }
    QVERIFY(!redo->isEnabled());
}

void TestFileManager::changeAfterUndoDisablesRedo()
{
    change(QStringLiteral("one"));
    change(QStringLiteral("two"));
    files->undo();
    QVERIFY(redo->isEnabled());
    change(QStringLiteral("three"));
    QVERIFY(!redo->isEnabled());
    files->redo();
    QCOMPARE(plane->getName(), QStringLiteral("three"));
    files->undo();
    QCOMPARE(plane->getName(), QStringLiteral("one"));
}

void TestFileManager::undoAndRedoMarkModifiedWithoutOwnSnapshot()
{
    change(QStringLiteral("saved"));
    DialogSeam::queueFileName(path(QStringLiteral("s.pfz")));
    QVERIFY(files->saveFile(false));
    change(QStringLiteral("edited"));
    // As the main window clears the mark: without an undo state of its own.
    plane->setHistoryRecordingEnabled(false);
    files->setModified(false);
    plane->setHistoryRecordingEnabled(true);
    QVERIFY(!files->isModified());

    files->undo();
    QCOMPARE(plane->getName(), QStringLiteral("saved"));
    QVERIFY(files->isModified());
    QVERIFY(window->windowTitle().endsWith(QLatin1Char('*')));
    // A snapshot stored by the undo itself would have cut off redo.
    QVERIFY(redo->isEnabled());
    QVERIFY(plane->getHistoryRecordingEnabled());
    QVERIFY(plane->getNotificationsEnabled());

    files->redo();
    QCOMPARE(plane->getName(), QStringLiteral("edited"));
    QVERIFY(!redo->isEnabled());
    QVERIFY(undo->isEnabled());
}

void TestFileManager::undoRedoRestoreWithNotificationsOffLeavesThemOff()
{
    change(QStringLiteral("one"));
    change(QStringLiteral("two"));
    plane->setNotificationsEnabled(false);
    files->undo();
    QCOMPARE(plane->getName(), QStringLiteral("one"));
    QVERIFY(!plane->getNotificationsEnabled());
    QVERIFY(plane->getHistoryRecordingEnabled());
    plane->setHistoryRecordingEnabled(false);
    files->redo();
    QCOMPARE(plane->getName(), QStringLiteral("two"));
    QVERIFY(!plane->getHistoryRecordingEnabled());
}

void TestFileManager::saveFirstThenCancelledSaveAbandonsOpen()
{
    change(QStringLiteral("unsaved"));
    const QString before = window->windowTitle();
    DialogSeam::clear();
    DialogSeam::queueChoice(1); // "&No, save first!"; the save dialog is then cancelled

    QVERIFY(!files->openFile(QString()));
    QCOMPARE(plane->getName(), QStringLiteral("unsaved"));
    QVERIFY(files->isModified());
    QCOMPARE(window->windowTitle(), before);

    const auto& calls = DialogSeam::calls();
    QCOMPARE(int(calls.size()), 2);
    QCOMPARE(calls[0].kind, DialogSeam::Kind::Choice);
    QCOMPARE(calls[0].title, QStringLiteral("Unsaved changes detected"));
    QCOMPARE(calls[0].buttons, (QStringList{QStringLiteral("&Yes, do it!"), QStringLiteral("&No, save first!")}));
    QCOMPARE(calls[1].kind, DialogSeam::Kind::SaveFile);
    QCOMPARE(calls[1].title, QStringLiteral("Save file"));
}

void TestFileManager::cancelledOpenKeepsModifiedMark_data()
{
    QTest::addColumn<long long>("spare");
    QTest::newRow("dialog cancelled") << (1LL << 30);
    QTest::newRow("no room for the dialog, said in a box") << (1LL << 20);
}

void TestFileManager::cancelledOpenKeepsModifiedMark()
{
    QFETCH(long long, spare);
#ifdef PLANFORMIX_SANITIZED
    if (spare < (1LL << 30))
        QSKIP("A sanitizer's allocator ends the process at so tight a limit instead of failing the allocation.");
#endif
    change(QStringLiteral("work"));
    DialogSeam::queueChoice(0); // "&Yes, do it!", then the open dialog is cancelled or not shown
    const std::string wrong = TestSupport::runWithDataLimit(spare, [&] {
        const bool kept = !files->openFile(QString()) && files->isModified() && plane->getName() == "work";
        const QString shown = DialogSeam::calls().back().title; // after the question, and nothing more
        const bool told = DialogSeam::calls().size() == 2
                          && shown == (spare < (1LL << 30) ? "Not enough memory" : "Open file");
        return std::string(kept ? "" : "the document changed; ") + (told ? "" : "shown: " + shown.toStdString());
    });
    QVERIFY2(wrong.empty(), wrong.c_str());
}

void TestFileManager::versionTwoFileShowsErrorAndKeepsDocument()
{
    serializedPlanformixData future;
    future.set_version(2);
    future.set_planename("From the future");
    const QString file = path(QStringLiteral("future.pfz"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    const std::string bytes = future.SerializeAsString();
    out.write(bytes.data(), qint64(bytes.size()));
    out.close();

    change(QStringLiteral("mine"));
    const QString before = window->windowTitle();
    DialogSeam::clear();
    DialogSeam::queueChoice(0);
    QVERIFY(!files->openFile(file));

    QCOMPARE(plane->getName(), QStringLiteral("mine"));
    QCOMPARE(window->windowTitle(), before);
    QVERIFY(files->isModified());
    const DialogSeam::Call& box = DialogSeam::calls().back();
    QCOMPARE(box.kind, DialogSeam::Kind::Message);
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.title, QStringLiteral("Error loading file"));
    QCOMPARE(box.text, QStringLiteral("Error loading file '%1'\n\nThe document is of version 2; this program reads "
                                      "version 1.").arg(file));
}

void TestFileManager::openedFileRestoresPlaneAndResetsHistory()
{
    change(QStringLiteral("stored"));
    const QString file = path(QStringLiteral("stored.pfz"));
    DialogSeam::queueFileName(file);
    QVERIFY(files->saveFile(false));
    QVERIFY(files->closeFile(true));
    QCOMPARE(plane->getName(), QString());
    change(QStringLiteral("scratch"));

    DialogSeam::queueChoice(0);
    DialogSeam::queueFileName(file);
    QVERIFY(files->openFile(QString()));
    QCOMPARE(plane->getName(), QStringLiteral("stored"));
    QVERIFY(!files->isModified());
    QCOMPARE(window->windowTitle(), baseTitle + QStringLiteral(" - ") + file);
    QVERIFY(!undo->isEnabled());
    QCOMPARE(ApplicationSettings::getInstance()->getLastDirectory(), QFileInfo(file).absoluteFilePath());
}

void TestFileManager::refusedFileAfterAGoodOneChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("empty") << QStringLiteral("empty");
    QTest::newRow("damaged") << QStringLiteral("damaged");
    QTest::newRow("cut off") << QStringLiteral("cut off");
    QTest::newRow("over the bounds") << QStringLiteral("over the bounds");
    QTest::newRow("missing") << QStringLiteral("missing");
}

void TestFileManager::refusedFileAfterAGoodOneChangesNothing()
{
    // A successful open must leave nothing behind that makes a later
    // refusal give up the document it opened.
    QFETCH(QString, kind);
    const QString good = path(QStringLiteral("good.pfz"));
    writeWing(good, 3, 10, 1);
    QVERIFY(files->openFile(good));
    change(QStringLiteral("edited"));
    std::string edited;
    QVERIFY(plane->save(edited));
    const QString title = window->windowTitle();
    QVERIFY(title.endsWith(QLatin1Char('*')));

    QFile goodFile(good);
    QVERIFY(goodFile.open(QIODevice::ReadOnly));
    const QByteArray goodBytes = goodFile.readAll();
    goodFile.close();
    const QString bad = path(QStringLiteral("bad.pfz"));
    QByteArray badBytes;
    if (kind == QLatin1String("damaged"))
        badBytes = QByteArray(64, '\xff');
    else if (kind == QLatin1String("cut off"))
        badBytes = goodBytes.left(goodBytes.size() / 2);
    if (kind == QLatin1String("over the bounds")) {
        writeWing(bad, DocumentLimits::maxPanels + 1, 1, 0);
    } else if (kind != QLatin1String("missing")) {
        QFile out(bad);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(badBytes);
    }

    DialogSeam::queueChoice(0);
    QVERIFY(!files->openFile(bad));
    QCOMPARE(DialogSeam::calls().back().title, QStringLiteral("Error loading file"));
    std::string after;
    QVERIFY(plane->save(after));
    QVERIFY(after == edited);
    QCOMPARE(plane->getPanelCount(), 3);
    QVERIFY(files->isModified());
    QCOMPARE(window->windowTitle(), title);
    QVERIFY(undo->isEnabled());
    files->undo();
    QCOMPARE(plane->getName(), QString());
    QCOMPARE(plane->getPanelCount(), 3);
}

void TestFileManager::wingBeyondBoundsIsRefusedAtOnceSayingWhy_data()
{
    QTest::addColumn<int>("panels");
    QTest::addColumn<int>("ribs");
    QTest::addColumn<int>("spars");
    QTest::addColumn<int>("coveredStrips");
    QTest::addColumn<QString>("why");
    QTest::newRow("ribs of a panel") << 1 << 1000 << 1000 << 0
                                     << "1000 ribs in panel 1, where a panel may have at most 200, since the ribs "
                                        "of one panel are built one after the other.";
    QTest::newRow("spars of a panel") << 2 << 10 << 51 << 0
                                      << "51 spars, 0 sheeting strips and 0 rib combs in panel 1, where a panel may "
                                         "have at most 50 of each, since each is cut into every rib of the panel "
                                         "one after the other.";
    QTest::newRow("panels") << 1001 << 2 << 0 << 0
                            << "1001 panels, where a plane may have at most 1000 so that it opens within a few "
                               "seconds.";
    QTest::newRow("ribs") << 41 << 200 << 0 << 0
                          << "8200 ribs in all panels, where a plane may have at most 8000 so that it opens "
                             "within a few seconds and fits in memory.";
    QTest::newRow("rib cuts") << 13 << 100 << 50 << 0
                              << "65000 rib cuts (each spar, sheeting strip and rib comb cut into each rib of its "
                                 "panel), where a plane may have at most 60000 so that it opens within a few "
                                 "seconds.";
    QTest::newRow("strips under advanced covering")
        << 2 << 200 << 0 << 30
        << "12000 rib cuts of sheeting strips under advanced covering, where a plane may have at most 10000, since "
           "each takes several times the time and memory of another cut.";
}

void TestFileManager::wingBeyondBoundsIsRefusedAtOnceSayingWhy()
{
    QFETCH(int, panels);
    QFETCH(int, ribs);
    QFETCH(int, spars);
    QFETCH(int, coveredStrips);
    QFETCH(QString, why);
    const QString file = path(QStringLiteral("heavy.pfz"));
    writeWing(file, panels, ribs, spars, coveredStrips);
    change(QStringLiteral("mine"));
    DialogSeam::clear();
    DialogSeam::queueChoice(0);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!files->openFile(file));
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(plane->getName(), QStringLiteral("mine"));
    QCOMPARE(DialogSeam::calls().back().text, QStringLiteral("Error loading file '%1'\n\n%2").arg(file, why));

    // Every refusal says why.
    QVERIFY(!files->openFile(path(QStringLiteral("missing.pfz"))));
    QVERIFY(DialogSeam::calls().back().text.startsWith(
        QStringLiteral("Error loading file '%1'\n\nThe file cannot be read: ").arg(path("missing.pfz"))));
}

void TestFileManager::longOpenShowsProgress()
{
    const QString small = path(QStringLiteral("small.pfz"));
    const QString large = path(QStringLiteral("large.pfz"));
    writeWing(small, 3, 100, 2);
    writeSlowWing(large, 510.0f);
    {
        // A progress window comes only once an open has run for a while; on
        // a machine slowed by sanitizers or parallel tests even a small
        // open may get there, and then showing it is right.
        ProgressWatch watch(window);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(files->openFile(small));
        if (clock.elapsed() < ModalProgress::shownAfterMs)
            QCOMPARE(watch.shown, 0);
    }
    ProgressWatch watch(window);
    QVERIFY(files->openFile(large));
    QCOMPARE(plane->getPanelCount(), 20);
    QCOMPARE(watch.shown, 1);
    // The progress shows what is done while the panels are built, and the
    // window is never left alone for half a second.
    QVERIFY(!watch.values.empty());
    QVERIFY(std::is_sorted(watch.values.begin(), watch.values.end()));
    QVERIFY2(watch.longestPause < 500, qPrintable(QString::number(watch.longestPause)));
    QVERIFY(!window->findChild<QProgressDialog*>());
    // Once every panel is built nothing can be stopped: no Cancel is
    // offered that would be ignored.
    QVERIFY(watch.endShown);
    QVERIFY(!watch.cancelAtEnd);
}

void TestFileManager::cancelledBuildKeepsDocumentAndFile_data()
{
    QTest::addColumn<int>("panels");
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<int>("stopsWithinMs");
    // The built panels are freed before it ends.
    QTest::newRow("twenty panels") << 20 << 0 << 2000;
    // Its progress runs rib by rib, and a Cancel ends it within a rib or
    // two, not at the end of the panel.
    QTest::newRow("one capped panel") << 1 << 300 << 200;
}

void TestFileManager::cancelledBuildKeepsDocumentAndFile()
{
    QFETCH(int, panels);
    QFETCH(int, cancelAt);
    QFETCH(int, stopsWithinMs);
    const QString large = path(QStringLiteral("large.pfz"));
    if (panels > 1) {
        writeSlowWing(large, 520.0f);
    } else {
        writeWing(large, 1, 200, 0);
        withStripsAcross(large, 525.0f);
    }
    QFile file(large);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    change(QStringLiteral("mine"));
    std::string mine;
    QVERIFY(plane->save(mine));
    const QString title = window->windowTitle();
    DialogSeam::queueChoice(0);
    ProgressWatch watch(window, cancelAt);
    // The open document stays the user's, as it was.
    QVERIFY(!files->openFile(large));
    QCOMPARE(watch.shown, 1);
    QVERIFY(watch.cancelled.isValid());
    const qint64 stoppedAfterMs = watch.cancelled.elapsed();
    const double stoppedAfterCpu = TestSupport::workerCpuMs() - watch.workersAtCancel;
    QVERIFY(watch.values.back() >= cancelAt);
    std::string after;
    QVERIFY(plane->save(after));
    QVERIFY(after == mine);
    QVERIFY(files->isModified());
    QCOMPARE(window->windowTitle(), title);
    QVERIFY(undo->isEnabled());
    QVERIFY(DialogSeam::calls().back().kind == DialogSeam::Kind::Choice);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    file.close();
    if (stoppedAfterMs >= stopsWithinMs) {
        // Parallel tests and sanitizers slow every step, the stop included.
        // What must hold there too is that Cancel ends the build long before
        // it would end, in the workers' processor time, which a load that
        // comes and goes does not change as it changes the clock. The panels
        // under way still give their ribs their airfoils before they look at
        // the Cancel, near a third of a build here; one they ignored, all.
        const double before = TestSupport::workerCpuMs();
        QVERIFY(files->openFile(large));
        const double wholeCpu = TestSupport::workerCpuMs() - before;
        QVERIFY2(stoppedAfterCpu * 2 < wholeCpu,
                 qPrintable(QStringLiteral("workers ran %1 ms after Cancel (%2 ms on the clock), whole build %3 ms")
                                .arg(stoppedAfterCpu).arg(stoppedAfterMs).arg(wholeCpu)));
    }
}

void TestFileManager::cancelledUndoKeepsStateBefore()
{
    const QString large = path(QStringLiteral("large.pfz"));
    writeSlowWing(large, 530.0f);
    QVERIFY(files->openFile(large));
    change(QStringLiteral("after"));
    const std::string before = [this] { std::string b; plane->save(b); return b; }();
    ProgressWatch watch(window, 0);
    files->undo();
    QCOMPARE(watch.shown, 1);
    std::string after;
    QVERIFY(plane->save(after));
    QVERIFY(after == before);
    QCOMPARE(plane->getName(), QStringLiteral("after"));
    QVERIFY(files->isModified());
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
}

void TestFileManager::savedNameGetsExtension_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("bare name") << "plane" << "plane.pfz";
    QTest::newRow("own extension") << "plane.pfz" << "plane.pfz";
    QTest::newRow("extension compared by case") << "plane.PFZ" << "plane.PFZ.pfz";
}

void TestFileManager::savedNameGetsExtension()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    DialogSeam::queueFileName(path(typed));
    QVERIFY(files->saveFile(true));
    QVERIFY(QFile::exists(path(written)));
    QCOMPARE(files->getFileName(), path(written));
    QCOMPARE(DialogSeam::calls().back().title, QStringLiteral("Save file as..."));
    QCOMPARE(DialogSeam::calls().back().defaultSuffix, QStringLiteral("pfz"));
}

void TestFileManager::completedNameAsksBeforeOverwriting()
{
    const QString existing = path(QStringLiteral("plane.v2.pfz"));
    QFile keep(existing);
    QVERIFY(keep.open(QIODevice::WriteOnly));
    keep.write("keep me");
    keep.close();

    DialogSeam::queueFileName(path(QStringLiteral("plane.v2")));
    DialogSeam::queueButton(QMessageBox::No);
    QVERIFY(!files->saveFile(true));
    QVERIFY(keep.open(QIODevice::ReadOnly));
    QCOMPARE(keep.readAll(), QByteArray("keep me"));
    keep.close();

    DialogSeam::queueFileName(path(QStringLiteral("plane.v2")));
    DialogSeam::queueButton(QMessageBox::Yes);
    QVERIFY(files->saveFile(true));
    QVERIFY(keep.open(QIODevice::ReadOnly));
    QVERIFY(keep.readAll() != QByteArray("keep me"));
}

void TestFileManager::unicodeFileNameRoundTrips()
{
    change(QStringLiteral("Möwe"));
    const QString file = path(QStringLiteral("Flügel Ω 翼.pfz"));
    DialogSeam::queueFileName(file);
    QVERIFY(files->saveFile(false));
    QVERIFY(QFile::exists(file));
    change(QStringLiteral("other"));
    DialogSeam::queueChoice(0);
    QVERIFY(files->openFile(file));
    QCOMPARE(plane->getName(), QStringLiteral("Möwe"));
}

void TestFileManager::saveWithFileNameAsksNothing()
{
    const QString file = path(QStringLiteral("named.pfz"));
    DialogSeam::queueFileName(file);
    QVERIFY(files->saveFile(false));
    change(QStringLiteral("again"));
    DialogSeam::clear();
    QVERIFY(files->saveFile(false));
    QVERIFY(DialogSeam::calls().empty());

    QVERIFY(!files->saveFile(true)); // Save as always asks; cancelled here
    QCOMPARE(int(DialogSeam::calls().size()), 1);
    QCOMPARE(DialogSeam::calls().front().kind, DialogSeam::Kind::SaveFile);
}

void TestFileManager::failedWriteKeepsFileAndModifiedMark_data()
{
    TestSupport::addWriteFailureRows();
}

void TestFileManager::failedWriteKeepsFileAndModifiedMark()
{
    QFETCH(int, failAt);
    const QString file = path(QStringLiteral("kept.pfz"));
    DialogSeam::queueFileName(file);
    QVERIFY(files->saveFile(false));
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray previous = saved.readAll();
    change(QStringLiteral("A glider whose longer name makes a longer document"));
    std::string content;
    QVERIFY(plane->serializeToString(&content));
    DialogSeam::clear();

    // The disk fills up while the document is written.
    const std::string wrong = TestSupport::runWithFileSizeLimit(
        TestSupport::failingLimit(failAt, static_cast<long long>(content.size())), [&] {
            std::string problems;
            if (files->saveFile(false))
                problems += "the save reported success; ";
            if (!files->isModified() || !window->windowTitle().endsWith('*'))
                problems += "the document lost its modified mark; ";
            const auto& calls = DialogSeam::calls();
            if (calls.size() != 1 || calls[0].title != "Can't write file"
                || calls[0].text != "Can't write into specified file: " + QString::fromLocal8Bit(std::strerror(EFBIG)))
                problems += "no \"Can't write file\" box naming the reason; ";
            return problems + TestSupport::keptUntouched(file, previous);
        });
    QVERIFY2(wrong.empty(), wrong.c_str());
}

void TestFileManager::failedSnapshotLeavesRingInPlace()
{
    FlakyDocument document;
    QMainWindow otherWindow;
    QAction undoFlaky(&otherWindow);
    QAction redoFlaky(&otherWindow);
    FileManager flakyFiles(&otherWindow, QStringLiteral("Planformix"), nullptr, nullptr, &undoFlaky, &redoFlaky,
                           QString(), QStringLiteral(".pfz"), &document);
    document.addObserver(&flakyFiles);
    document.change(1);
    document.change(2);

    document.setHistoryRecordingEnabled(false);
    flakyFiles.setModified(false);
    document.setHistoryRecordingEnabled(true);

    document.failLoads = true;
    flakyFiles.undo();
    QCOMPARE(document.state, 2);
    QVERIFY(!flakyFiles.isModified());
    QVERIFY(undoFlaky.isEnabled());
    QVERIFY(!redoFlaky.isEnabled());

    document.failLoads = false;
    flakyFiles.undo();
    QCOMPARE(document.state, 1);
    flakyFiles.undo();
    QCOMPARE(document.state, 0);
    QVERIFY(!undoFlaky.isEnabled());

    // A snapshot that cannot be taken is told, and the change stands
    // without an undo step: no undo skips it, no redo loses it. The history
    // starts afresh from the next change.
    flakyFiles.redo();
    flakyFiles.redo();
    QCOMPARE(document.state, 2);
    DialogSeam::clear();
    document.savesRunOutOfMemory = true;
    document.change(3);
    document.savesRunOutOfMemory = false;
    QCOMPARE(int(DialogSeam::calls().size()), 1);
    QVERIFY(DialogSeam::calls().front().text.contains(QStringLiteral("not enough memory to record this change")));
    QVERIFY(!undoFlaky.isEnabled());
    QVERIFY(!redoFlaky.isEnabled());
    flakyFiles.undo();
    QCOMPARE(document.state, 3);
    document.change(4);
    document.change(5);
    flakyFiles.undo();
    QCOMPARE(document.state, 4);
    QVERIFY(!undoFlaky.isEnabled());
    flakyFiles.redo();
    QCOMPARE(document.state, 5);
}

void TestFileManager::heldPlaneNamesTheWayBackThatIsLeft()
{
    // A large plane is given up while a larger file is opened; neither can
    // be built under a limit that stays in place, so the first is held. The
    // boxes and the table say how to show it again from where the user is:
    // the file it came from (not the refused one), Undo and Redo only while
    // the history has a step, the file again once Save has reset it.
#ifdef PLANFORMIX_SANITIZED
    QSKIP("A sanitizer's allocator ends the process at the limit instead of failing the allocation.");
#endif
    const QString shown = path(QStringLiteral("shown.pfz"));
    const QString refused = path(QStringLiteral("larger.pfz"));
    writeWing(shown, 10, 100, 0);
    writeWing(refused, 40, 200, 5, 1);
    const int status = TestSupport::runInChildProcess([&] {
        if (!files->openFile(shown))
            std::exit(10);
#ifdef __GLIBC__
        malloc_trim(0);
#endif
        // Less than the plane holds now: once given up, it cannot come back.
        if (!TestSupport::limitDataTo(-30LL * 1024 * 1024))
            std::exit(11);
        DialogSeam::clear();
        if (files->openFile(refused) || plane->getDocumentState() != PlaneModel::DocumentState::HeldNotBuilt)
            std::exit(12);
        const QString openAgain = QStringLiteral("open the file '%1' again").arg(shown);
        const QString opened = DialogSeam::calls().empty() ? QString() : DialogSeam::calls().back().text;
        if (!opened.startsWith(QStringLiteral("Error loading file '%1'").arg(refused)) || !opened.contains(openAgain)
            || opened.contains(QStringLiteral("Undo"))) {
            qWarning("%s", qPrintable(opened));
            std::exit(13);
        }
        // A new name is an undo step, and the file no longer holds the plane.
        change(QStringLiteral("renamed"));
        const QString renamed = PlaneModel::notShownProblem();
        if (!renamed.contains(QStringLiteral("use Undo and Redo.")) || renamed.contains(QStringLiteral("open the file")))
            std::exit(14);
        if (!files->saveFile(false))
            std::exit(15);
        if (!PlaneModel::notShownProblem().contains(openAgain)
            || PlaneModel::notShownProblem().contains(QStringLiteral("Undo")))
            std::exit(16);
        std::exit(0);
    });
    QCOMPARE(status, 0);
}

void TestFileManager::closeFileEmptiesPlaneUnlessSaveFirstFails()
{
    change(QStringLiteral("keep"));
    DialogSeam::queueChoice(1); // save first; the save dialog is cancelled
    QVERIFY(!files->closeFile(false));
    QCOMPARE(plane->getName(), QStringLiteral("keep"));
    QVERIFY(files->isModified());

    DialogSeam::queueChoice(0);
    QVERIFY(files->closeFile(false));
    QCOMPARE(plane->getName(), QString());
    QVERIFY(!files->isModified());
    QCOMPARE(window->windowTitle(), baseTitle);
    QVERIFY(!undo->isEnabled());
}

QTEST_MAIN(TestFileManager)
#include "tst_filemanager.moc"
