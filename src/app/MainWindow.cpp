#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "app/AboutDialog.h"
#include "app/Planformix.h"
#include "document/FileManager.h"
#include "document/PlaneModel.h"
#include "model/Panel.h"
#include "editing/AirfoilImportDialog.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/CompiledResources.h"
#include "foundation/DialogSeam.h"
#include "foundation/PendingEdit.h"
#include "output/DXFExportDialog.h"
#include "output/DXFSettings.h"
#include "output/PrintJob.h"
#include "output/PrintSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>
#include <memory>

MainWindow::MainWindow(QString fileName, QWidget* parent)
    : QMainWindow(parent)
{
    // The form's icons are compiled into the core library.
    CompiledResources::ensureLoaded();
    ui = new Ui::MainWindow;
    this->fileName = fileName;
    ui->setupUi(this);
    // The form's size suits a common desktop; on a smaller screen the window
    // would open with its edges, status bar included, out of reach.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(size().boundedTo(screen->availableGeometry().size()));

    connect(ui->actionExit, &QAction::triggered, this, &MainWindow::close);
    connect(ui->actionLoad, &QAction::triggered, this, &MainWindow::loadFile);
    connect(ui->actionSave, &QAction::triggered, this, &MainWindow::saveFile);
    connect(ui->actionSaveAs, &QAction::triggered, this, &MainWindow::saveFileAs);
    connect(ui->actionClose, &QAction::triggered, this, &MainWindow::closeFile);
    connect(ui->actionNew, &QAction::triggered, this, &MainWindow::newFile);
    connect(ui->actionUndo, &QAction::triggered, this, &MainWindow::undo);
    connect(ui->actionRedo, &QAction::triggered, this, &MainWindow::redo);
    connect(ui->actionPrintDialog, &QAction::triggered, this, &MainWindow::printDialog);
    connect(ui->actionImportAirfoil, &QAction::triggered, this, &MainWindow::importAirfoilDialog);
    connect(ui->actionExport_to_DXF, &QAction::triggered, this, &MainWindow::exportToDxf);
    connect(ui->actionEnter_Full_Screen, &QAction::triggered, this, &MainWindow::activateFullScreen);
    connect(ui->actionZoom, &QAction::triggered, this, &MainWindow::activateZoom);
    connect(ui->actionMinimize, &QAction::triggered, this, &MainWindow::activateMinimize);
    connect(ui->menuWindow, &QMenu::aboutToShow, this, &MainWindow::adjustMaximizeMenuText);
    // The menu and the tool bar always open the about page.
    connect(ui->actionAbout, &QAction::triggered, this, [this] { about(false); });

    // Set before anything listens, so starting up never reports a change.
    ui->actionAnti_Alias->setChecked(ApplicationSettings::getInstance()->getSettings()->getAntiAlias());
    connect(ui->actionAnti_Alias, &QAction::toggled, this, &MainWindow::antiAlias);

    PlaneModel* model = PlaneModel::instance();
    const QString title = ApplicationSettings::getApplicationName();
    fileManager = new FileManager(this, title, ui->actionSave, ui->actionSaveAs, ui->actionUndo, ui->actionRedo,
                                  documentFilter(), QStringLiteral(".pfz"), model);

    // Loaded now, installed only when German is chosen.
    const QString languageDir = QCoreApplication::applicationDirPath() + QStringLiteral("/../resources/lang");
    translator = new QTranslator;
    translator->load(QStringLiteral("planformix_de"), languageDir);
    qtTranslator = new QTranslator;
    qtTranslator->load(QStringLiteral("qt_de"), languageDir);
    connect(ui->actionEnglish, &QAction::toggled, this, &MainWindow::setEnglish);
    connect(ui->actionGerman, &QAction::toggled, this, &MainWindow::setGerman);

    // First observer of the model: the title and actions are up to date
    // before any view redraws.
    model->addObserver(fileManager);

    // Save follows the edits whose text reaches the document only at their
    // end: the focus moving into or out of one, and a save that disables
    // Save while the focus stays in one.
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::offerSaveForPendingEdit);
    connect(ui->actionSave, &QAction::changed, this, &MainWindow::offerSaveForPendingEdit);

    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

MainWindow::~MainWindow()
{
    disconnect(qApp, &QApplication::focusChanged, this, &MainWindow::offerSaveForPendingEdit);
    // Hidden while the form, the file manager and the model are alive:
    // hiding takes the focus out of a field, which ends its edit into the
    // document.
    hide();
    delete ui;
    // The model still lists the file manager until the central widget
    // deletes the model with the child widgets below; the model's
    // destructor switches its notifications off before anything else.
    delete fileManager;
    delete qtTranslator;
    delete translator;
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

QString MainWindow::documentFilter()
{
    return ApplicationSettings::getApplicationName() + QCoreApplication::translate("QObject", " files (*.pfz)");
}

void MainWindow::retranslate()
{
    ui->retranslateUi(this);
    // The file manager keeps the filter it was given; built before any
    // catalogue was installed, it would stay English.
    if (fileManager)
        fileManager->setFilter(documentFilter());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The window's own close button as much as Quit: what is typed counts
    // as a change, and the question comes for it.
    PendingEdit::finish(this);
    if (fileManager->closeFile(false)) {
        hide();
        QCoreApplication::quit();
        event->accept();
    } else {
        event->ignore();
    }
}

bool MainWindow::close()
{
    QCloseEvent event;
    closeEvent(&event);
    return true;
}

void MainWindow::foilsLoaded()
{
    // The form's panel dialog lists the airfoil library, so it can only be
    // built now.
    if (auto* central = qobject_cast<Planformix*>(centralWidget()))
        central->setupForm();
    // After the form exists, so that installing German translates it too.
    applyLanguage();
    if (!fileName.isEmpty())
        loadFile();
    show();
}

// --- document commands ---

void MainWindow::loadFile()
{
    PendingEdit::finish(this);
    PlaneModel* model = PlaneModel::instance();
    const bool wasModified = fileManager->isModified();
    model->setNotificationsEnabled(false);
    model->setHistoryRecordingEnabled(false);
    const bool loaded = fileManager->openFile(fileName);
    fileName.clear();
    // Switching notifications back on redraws every view and, as a side
    // effect, marks the document modified.
    model->setNotificationsEnabled(true);
    // A loaded file is unmodified, and so is the empty document left when
    // the user stopped the building of one; a cancelled dialog or a failed
    // open keeps the mark the open document had, so unsaved work is never
    // shown as saved and an untouched document is not shown as changed.
    fileManager->setModified(loaded ? false : wasModified);
    model->setHistoryRecordingEnabled(true);
    if (loaded)
        tellSubstitutedAirfoils();
}

void MainWindow::tellSubstitutedAirfoils()
{
    WingFoils* library = WingFoils::instance();
    if (!library)
        return;
    // The panels keep the names their document gave, and Save writes them
    // back: once the airfoil is installed, the document is cut from it
    // again. Only a name chosen in the panel dialog replaces one.
    const auto sectionName = [](const Airfoil* airfoil) {
        return airfoil ? airfoil->getName() : tr("no section");
    };
    QStringList lines;
    for (const Panel* panel : PlaneModel::instance()->getPanelList()) {
        const QString rootName = panel->getAirfoilName(RootAirfoil);
        const QString tipName = panel->getAirfoilName(TipAirfoil);
        Airfoil* root = library->findAirfoil(rootName, false);
        if (!root) {
            // Asked without a message: the console already had one when the
            // panel was built.
            root = library->findAirfoil(ApplicationSettings::defaultAirfoilName(), false);
            lines << tr("Panel '%1', root: '%2' is cut as '%3'").arg(panel->getPanelName(), rootName, sectionName(root));
        }
        if (!tipName.isEmpty() && !library->findAirfoil(tipName, false))
            lines << tr("Panel '%1', tip: '%2' is cut as '%3'").arg(panel->getPanelName(), tipName, sectionName(root));
    }
    if (lines.isEmpty())
        return;
    DialogSeam::warning(this, tr("Airfoils not found"),
                        tr("The airfoil library lacks airfoils this document names. Until they are added to it, "
                           "these panels are cut from another section; the document keeps the names it was "
                           "saved with.")
                            + QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')));
}

void MainWindow::saveFile()
{
    PendingEdit::finish(this);
    PlaneModel* model = PlaneModel::instance();
    model->setHistoryRecordingEnabled(false);
    fileManager->saveFile(false);
    model->setHistoryRecordingEnabled(true);
}

void MainWindow::saveFileAs()
{
    PendingEdit::finish(this);
    fileManager->saveFile(true);
}

bool MainWindow::closeFile()
{
    PendingEdit::finish(this);
    return fileManager->closeFile(false);
}

bool MainWindow::newFile()
{
    PendingEdit::finish(this);
    const bool closed = fileManager->closeFile(false);
    if (closed)
        PlaneModel::instance()->resetName();
    return closed;
}

void MainWindow::undo()
{
    // The typed value becomes a step of its own, and Undo takes that one.
    PendingEdit::finish(this);
    fileManager->undo();
}

void MainWindow::redo()
{
    PendingEdit::finish(this);
    fileManager->redo();
}

void MainWindow::offerSaveForPendingEdit()
{
    // What is typed into a cell or the wing-halves distance reaches the
    // document only when the edit ends, which Save does first; so Save is
    // there for it even while the document is not modified yet, and Ctrl+S
    // or the tool button is not silently lost.
    const bool pending = PendingEdit::heldUntilEnd(this);
    if (pending && !ui->actionSave->isEnabled()) {
        ui->actionSave->setEnabled(true);
        saveOfferedForEdit = true;
    } else if (!pending && saveOfferedForEdit) {
        saveOfferedForEdit = false;
        ui->actionSave->setEnabled(fileManager->isModified());
    }
}

void MainWindow::loadFileEventHandler(QString& fileName)
{
    this->fileName = fileName;
}

// --- window commands ---

void MainWindow::activateFullScreen()
{
    if (windowState() & Qt::WindowFullScreen)
        showNormal();
    else
        showFullScreen();
}

void MainWindow::activateZoom()
{
    showMaximized();
}

void MainWindow::activateMinimize()
{
    showMinimized();
}

void MainWindow::adjustMaximizeMenuText()
{
    if (windowState() & Qt::WindowFullScreen)
        ui->actionEnter_Full_Screen->setText(tr("Exit &Full Screen"));
    else
        ui->actionEnter_Full_Screen->setText(tr("Enter &Full Screen"));
}

// --- output commands ---

void MainWindow::printDialog()
{
    // Remembered for the program run only, so a restart begins afresh.
    static PrintSettings settings;
    PendingEdit::finish(this);
    PrintJob::runPrintCommand(&settings, this,
                              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                              QStringLiteral("Planformix.pdf"));
}

void MainWindow::exportToDxf()
{
    PendingEdit::finish(this);
    static DXFSettings settings(false, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                           + QDir::separator() + QStringLiteral("Planformix.dxf"));
    // Refusing to overwrite an existing file brings the dialog back so
    // another name can be chosen.
    for (;;) {
        std::unique_ptr<DXFExportDialog> dialog(new DXFExportDialog(&settings));
        if (dialog->exec() != QDialog::Accepted)
            return;
        if (PlaneModel::instance()->exportDxf(settings))
            return;
    }
}

// --- airfoil import ---

namespace {

// The name of the airfoil a file holds, empty when it holds none.
QString airfoilNameInFile(const QString& path)
{
    WingFoils reader;
    const std::unique_ptr<Airfoil> airfoil(reader.loadAirfoilFile(path, getAirfoilFileType(path)));
    return airfoil ? airfoil->getName() : QString();
}

} // namespace

void MainWindow::importAirfoilDialog()
{
    static QString lastDirectory = QDir::homePath();
    bool loaded = true;

    const QString path = DialogSeam::openFileName(
        nullptr, QCoreApplication::translate("QObject", "Open airfoil file for import"), lastDirectory,
        QCoreApplication::translate("QObject", "All files (*.*);;DAT (*.dat);;CompuFoil (*.cor)"));
    if (path.isEmpty())
        return;
    const QFileInfo chosen(path);
    lastDirectory = chosen.absoluteDir().absolutePath();
    if (!chosen.exists())
        return;

    const QString suffix = chosen.suffix();
    AirfoilFileType type;
    if (suffix.compare(QLatin1String("dat"), Qt::CaseInsensitive) == 0) {
        type = AirfoilFileType::Dat;
    } else if (suffix.compare(QLatin1String("cor"), Qt::CaseInsensitive) == 0) {
        type = AirfoilFileType::Cor;
    } else {
        DialogSeam::warning(this, tr("Unknown file type"),
                            tr("Selected file is of unknown type '") + suffix + QStringLiteral("'"));
        return;
    }

    std::unique_ptr<AirfoilImportDialog> dialog(new AirfoilImportDialog(this, path, type, &loaded));
    if (!loaded) {
        // A reading the user cancelled needs no word.
        if (dialog->wasCancelled())
            return;
        // Short of memory, the file is not at fault: that reason alone.
        const bool noMemory = dialog->failedForLackOfMemory();
        QString text = noMemory ? dialog->failureReason() : tr("Selected file does not contain valid coordinate data");
        if (!noMemory && !dialog->failureReason().isEmpty())
            text += QStringLiteral(":\n") + dialog->failureReason();
        dialog.reset();
        DialogSeam::warning(this, noMemory ? tr("Not enough memory") : tr("Invalid file"), text);
        return;
    }

    // Imported airfoils live where the library loads them from at every
    // start, so they come back after a restart.
    const QString importedDir = ApplicationSettings::getInstance()->getSettings()->getImportedFoilsDir();
    for (;;) {
        if (dialog->exec() != QDialog::Accepted)
            return;

        QString target = importedDir + QDir::separator() + dialog->getTargetFileName();
        if (QFileInfo(target).suffix().compare(QLatin1String("dat"), Qt::CaseInsensitive) != 0)
            target += QStringLiteral(".dat");

        // Written over, the file of an airfoil in the library would take
        // that airfoil with it at the next start, and every panel built on it.
        const QString owner = WingFoils::instance()->airfoilOfFile(target);
        if (!owner.isEmpty()) {
            DialogSeam::warning(this, tr("File in use"),
                                tr("The file %1 holds the airfoil '%2' of the library, which would be lost at "
                                   "the next start. Please choose a different file name.")
                                    .arg(dialog->getTargetFileName(), owner));
            continue;
        }
        if (QFileInfo::exists(target)) {
            const QString held = airfoilNameInFile(target);
            const QString question =
                held.isEmpty() ? tr("File ") + dialog->getTargetFileName() + tr(" already exists - overwrite?")
                               : tr("File %1 already exists and holds the airfoil '%2', which is not in the "
                                    "library and would be lost - overwrite?")
                                     .arg(dialog->getTargetFileName(), held);
            const auto answer = DialogSeam::warning(this, tr("File exists"), question,
                                                    QMessageBox::Ok | QMessageBox::Cancel);
            if (answer != QMessageBox::Ok)
                continue;
        }

        // Checked before anything is written, so the library never sees a
        // second airfoil of the same name from here.
        const QString name = dialog->getAirfoilName();
        const auto& airfoils = WingFoils::instance()->getAirfoils();
        if (airfoils.find(name) != airfoils.end()) {
            DialogSeam::warning(this, tr("Airfoil exists"),
                                tr("Airfoil with the name '") + name +
                                    tr("' already exists! Please choose a different name."));
            continue;
        }

        // The writer reads the airfoil the dialog still holds, so it runs
        // before the airfoil is taken. After a failed write (shown by the
        // writer) the airfoil stays out of the library: the next start would
        // not find it, and panels built on it would lose their section.
        if (!dialog->writeDatFile(target))
            continue;
        Airfoil* airfoil = dialog->takeAirfoil();
        airfoil->scaleThickness(dialog->getScale());
        airfoil->setName(name);
        WingFoils::instance()->addAirfoil(airfoil, target);
        emit airfoilListChanged();
        return;
    }
}

// --- About box ---

void MainWindow::about(bool showChangeHistory)
{
    // A new box each time, owned by the window; closing only hides it.
    auto* dialog = new AboutDialog(this);
    dialog->selectTab(showChangeHistory ? 1 : 0);
    dialog->show();
}

// --- language and anti-aliasing ---

namespace {

void storeLanguageSetting(QString code)
{
    ApplicationSettings* settings = ApplicationSettings::getInstance()->getSettings();
    settings->setLanguage(code);
    settings->setSetting(ApplicationSettings::KeyLanguage, code);
}

} // namespace

void MainWindow::applyLanguage()
{
    // Checking an action that was unchecked re-enters here through
    // setGerman/setEnglish; that nested run already installs or removes
    // the translators, and doing it again below is harmless (a second
    // install is undone by the one removal).
    const QString code = ApplicationSettings::getInstance()->getSettings()->getLanguage();
    if (code == QLatin1String("de")) {
        ui->actionGerman->setChecked(true);
        ui->actionEnglish->setChecked(false);
        QCoreApplication::installTranslator(translator);
        QCoreApplication::installTranslator(qtTranslator);
    } else {
        ui->actionGerman->setChecked(false);
        ui->actionEnglish->setChecked(true);
        QCoreApplication::removeTranslator(translator);
        QCoreApplication::removeTranslator(qtTranslator);
    }
}

void MainWindow::setEnglish(bool checked)
{
    // Unchecking is the other action's business.
    if (!checked)
        return;
    storeLanguageSetting(QStringLiteral("en"));
    ui->actionGerman->setChecked(false);
    ui->actionGerman->setEnabled(true);
    ui->actionEnglish->setEnabled(false);
    applyLanguage();
}

void MainWindow::setGerman(bool checked)
{
    if (!checked)
        return;
    storeLanguageSetting(QStringLiteral("de"));
    ui->actionEnglish->setChecked(false);
    ui->actionEnglish->setEnabled(true);
    ui->actionGerman->setEnabled(false);
    applyLanguage();
}

void MainWindow::antiAlias(bool checked)
{
    // The 3D views pick their buffer format when they are created, so the
    // choice only reaches them at the next start.
    ApplicationSettings* settings = ApplicationSettings::getInstance()->getSettings();
    settings->setAntiAlias(checked);
    settings->setSetting(ApplicationSettings::KeyAntiAlias, checked);
    DialogSeam::message(this, QMessageBox::Information, tr("Anti Alias"),
                        tr("<html><head/><body><p>Modification to <em>anti alias</em> setting will become active "
                           "after restart</p></body></html>"),
                        QMessageBox::Ok);
}
