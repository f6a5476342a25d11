#pragma once

#include <QMainWindow>
#include <QString>

class FileManager;
class QCloseEvent;
class QEvent;
class QTranslator;

namespace Ui {
class MainWindow;
}

// The program's one top-level window. Every command of its menus and tool
// bar arrives here and is handed on: document commands to the file manager,
// printing and DXF export to the output subsystem, airfoil import to the
// airfoil library. It also decides whether the program may end when the
// window is closed.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // fileName: a document to open once the airfoils are loaded (empty for
    // none). The window stays hidden until then.
    explicit MainWindow(QString fileName, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Puts the stored language in force: checks its menu entry and installs
    // or removes the German catalogues, which re-translates every window.
    void applyLanguage();

    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

signals:
    // After an airfoil was imported into the library.
    void airfoilListChanged();

public slots:
    void loadFile();
    void saveFile();
    void saveFileAs();
    bool closeFile();
    bool newFile();
    // Opens a new About box on the about page, or on the change history.
    void about(bool showChangeHistory = false);
    void undo();
    void redo();
    // Hides QWidget::close for callers that know the main window: the close
    // goes through the unsaved-changes question. Always true, whether or not
    // the window was allowed to close.
    bool close();
    void closeEvent(QCloseEvent* event) override;
    // Stores the choice; the 3D views take it up at the next start.
    void antiAlias(bool checked);
    void setEnglish(bool checked);
    void setGerman(bool checked);
    // Finishes start-up once the airfoil library is loaded: builds the
    // central widget's form, opens the document of the command line and
    // only then shows the window.
    void foilsLoaded();
    void printDialog();
    void importAirfoilDialog();
    void exportToDxf();
    void activateFullScreen();
    void activateZoom();
    void activateMinimize();
    void adjustMaximizeMenuText();
    // Remembers a document for the next Load, which then opens it without
    // a file dialog.
    void loadFileEventHandler(QString& fileName);
    // Follows the focus into and out of the fields and cell editors whose
    // typed text reaches the document only when their edit ends.
    void offerSaveForPendingEdit();

protected:
    void changeEvent(QEvent* event) override;

private:
    // The file-type filter of the document dialogs, in the language in force.
    static QString documentFilter();
    // Sets every text of the window and of what it built in code again.
    void retranslate();
    // After an open: which panels are cut from another section than the
    // one their document names, because the airfoil library lacks it.
    void tellSubstitutedAirfoils();

    QTranslator* translator;
    QTranslator* qtTranslator;
    QString fileName;
    Ui::MainWindow* ui;
    FileManager* fileManager = nullptr;
    // Save was enabled for an edit in progress, not by the document.
    bool saveOfferedForEdit = false;
};
