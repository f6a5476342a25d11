#pragma once

#include <QPoint>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QStackedWidget;
class QTableView;
class QWidget;

// Adding, copying and deleting the rows of one feature table of the panel
// dialog (spars, sheeting strips, combs). The table's own model does the
// work; this keeps the selection and the editor page in step the same way
// for all of them.
class FeatureRows
{
public:
    struct Operations
    {
        // Rows of the table's model, or -1 while it has none.
        std::function<int()> count;
        // Inserts a fresh record at the row; false when there is nothing to
        // insert into (no model or no working panel).
        std::function<bool(int row)> insertFresh;
        // Inserts a copy of the row below it; false when the row is missing.
        std::function<bool(int row)> insertCopy;
        std::function<void(int row)> remove;
        // Whether the panel may not have so many records, within the bounds
        // of a plane; says why when not.
        std::function<bool(int count)> refuse;
    };

    FeatureRows(QTableView* view, QStackedWidget* editors, QWidget* emptyEditor, Operations operations);

    // A fresh record at the row, or as the first one of an empty table.
    void insertNew(int row);
    void addBefore();
    void addAfter();
    void copySelected();
    void removeSelected();

    // The four row actions of the table's context menu, in this order:
    // add in front, add behind, delete, copy.
    void addMenuActions(QMenu* menu);
    void setMenuTexts(const QString& addBefore, const QString& addAfter, const QString& remove, const QString& copy);
    // Opens the menu for a click at pos among n records; the actions that
    // need a record (and the extra one, when given) only on a row.
    void popupMenu(QMenu* menu, QPoint pos, int n, QAction* extraOnRow = nullptr);

private:
    QTableView* view;
    QStackedWidget* editors;
    QWidget* emptyEditor;
    Operations ops;
    QAction* actAddBefore = nullptr;
    QAction* actAddAfter = nullptr;
    QAction* actRemove = nullptr;
    QAction* actCopy = nullptr;
};
