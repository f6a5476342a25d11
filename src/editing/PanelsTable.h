#pragma once

#include <QModelIndex>
#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

class PanelsTableModel;
class QLabel;
class QPushButton;
class serializedPlanformixData;
class QTableView;
class WingPanelDialog;

// Runs the wing's panel table: the cell editors, the five panel buttons, a
// double click that opens the panel dialog, and the highlight in the 3D
// views of the panel under the mouse pointer. Owns the one panel dialog,
// which is hidden, never rebuilt, between edits.
class PanelsTable : public QObject
{
    Q_OBJECT

public:
    // Takes the panel table and its buttons from the central form record (or
    // any record with the same widget names).
    template <class Form>
    PanelsTable(Form* form, PanelsTableModel* model)
        : PanelsTable(form->tableViewPanels, form->btnPanelAdd, form->btnPanelEdit, form->btnPanelDelete,
                      form->btnPanelMoveUp, form->btnPanelMoveDown, model)
    {
    }
    PanelsTable(QTableView* tableView, QPushButton* addButton, QPushButton* editButton, QPushButton* deleteButton,
                QPushButton* moveUpButton, QPushButton* moveDownButton, PanelsTableModel* model);
    ~PanelsTable() override;

    // Refills the panel dialog's airfoil list after the library changed.
    void updateAirfoilList();

    // The width the table needs to show every column whole, vertical
    // scroll bar included.
    int fittingWidth() const;

signals:
    // The columns were sized to their contents anew.
    void columnsFitted();

public slots:
    void btnEditPressed();
    void btnEditPressed(QModelIndex index);
    void btnDeletePressed();
    void btnMoveUpPressed();
    void btnMoveDownPressed();
    void btnAddPressed();
    void baseDataChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PanelsTableModel* panelsModel() const;
    // -1 unless exactly one row is selected.
    int selectedRow() const;
    void highlightPanelAt(int row);
    // Makes a change that rebuilds every panel on the plane as a document,
    // when that takes long; false when the change is left to the caller.
    bool rebuildAway(const std::function<void(serializedPlanformixData&)>& change, const QString& title);
    // Runs a rebuild of the whole plane with the table showing the wing as
    // it was until the rebuild is over.
    void showingTheWingWhile(const std::function<void()>& rebuild);
    // Runs an edit of the plane; one that runs out of memory leaves the
    // plane as it was and says so.
    void editWithinMemory(const std::function<void()>& edit);
    // Moves the second panel to the wing root as rebuildAway does; false
    // where that is not the way (see rebuildAway).
    bool swapFirstPanelsAway();
    // before: the plane as a document before the edit (empty when unknown);
    // moved in, as a copy is what memory may not allow. Never throws.
    void restoreAfterMemoryFailure(std::string before);
    // Takes the dialog's panel into the plane as rebuildAway does, where it
    // is the root panel of a wing whose rebuild takes long; false where that
    // is not the way.
    bool commitRootPanelAway();
    // Shows over the table why the plane is not shown, while it is not.
    void showDocumentState();
    // True (and says why) while the plane is not shown: an edit of the
    // empty plane would take the document's place.
    bool refusedWhileNotShown();
    void fitColumns();

    QPointer<QTableView> tableView;
    QPointer<WingPanelDialog> panelDialog;
    QPointer<QLabel> notShown;
};
