#pragma once

#include <QWidget>

class PanelsTable;
class PlaneDrawingArea;
class PlaneModel;
class PlaneSummaryArea;
class QEvent;
class Ui_Planformix;

// The main window's central widget: the plane definition page (panel table,
// 3D wing view and its controls) and the summary page (planform drawing and
// plane data). It starts empty, because the panel dialog behind the panel
// table reads the airfoil library, which a worker thread is still filling at
// that time; setupForm() builds everything once loading has ended.
// Owns the views behind the form and, being the last thing to go at
// shutdown, the plane model.
class Planformix : public QWidget
{
    Q_OBJECT

public:
    explicit Planformix(QWidget* parent = nullptr);
    ~Planformix() override;

    Planformix(const Planformix&) = delete;
    Planformix& operator=(const Planformix&) = delete;

    // Once, on the GUI thread, after loadAirfoils() has finished.
    void setupForm();

    // Runs on the loading thread and touches no member. Fills the airfoil
    // library from the shipped and the imported airfoil directory. When one
    // of them does not exist, its absolute path goes into *missingDirectory
    // (when given) and loading stops; ending the program is left to the GUI
    // thread.
    void loadAirfoils(QString* missingDirectory = nullptr);

    // Null until setupForm() ran.
    Ui_Planformix* form() const { return ui; }
    PlaneSummaryArea* getPlaneSummaryArea() const { return planeSummaryArea; }
    PlaneDrawingArea* getPlaneDrawingArea() const { return planeDrawingArea; }

public slots:
    // An airfoil was imported: the panel dialog offers it at once.
    void airfoilListChanged();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    // Moves the splitter so that the panel table shows every column whole,
    // as far as the wing view's minimum width allows; never once the user
    // has placed the splitter.
    void giveTableItsRoom();

private:
    Ui_Planformix* ui;
    bool formBuilt = false;
    bool splitterPlacedByUser = false;
    PlaneSummaryArea* planeSummaryArea = nullptr;
    PlaneModel* planeModel = nullptr;
    PlaneDrawingArea* planeDrawingArea = nullptr;
    PanelsTable* panelsTable = nullptr;
};
