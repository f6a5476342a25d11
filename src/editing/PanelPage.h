#pragma once

#include <QString>

#include "foundation/XDoubleSpinBox.h"
#include <QCheckBox>
#include <QRadioButton>
#include <initializer_list>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QRadioButton;
class QAbstractItemView;
class QAction;
class QAbstractItemDelegate;
class QObject;
class QStackedWidget;
class QTabWidget;
class QTableView;
class QWidget;
class RibDefinition;
class RibListTableModel;
class XDoubleSpinBox;

// Small rules the pages of the panel dialog share.
namespace PanelPage {

// The marker of an angle that cannot be computed.
constexpr float NoAngle = 361.0f;

// A field that accepts numbers from min to max; noPopup keeps the range
// out of a popup.
struct Range
{
    XDoubleSpinBox* field;
    double min;
    double max;
    bool noPopup;
};
void setRanges(std::initializer_list<Range> ranges);

// The cell editor of a table column; it goes with the owner. A line editor
// checks the input kind of the column.
void setCellEditor(QTableView* view, int column, QAbstractItemDelegate* delegate, QObject* owner);
void setLineEditor(QTableView* view, int column, int kind, QObject* owner);

// Shows a compiled-in picture, translated in the dialog's context (the
// German pictures carry German labels); it takes the room the page leaves.
void showPicture(QWidget* widget, const char* image);

// Lets a stack of pages, or the tabs of a tab widget, ask for the height of
// the page in front only. Otherwise every page takes the tallest page's
// height, and a short page (a hint, "no data required") shows its words in
// the middle of an empty box, below the fold.
void sizeToCurrentPage(QStackedWidget* stack);
void sizeToCurrentPage(QTabWidget* tabs);

// Checks the button and announces the toggle even when it was checked
// already, so that the page behind it follows.
void checkAndToggle(QAbstractButton* button);

void setWidgetsEnabled(const std::vector<QWidget*>& widgets, bool enabled);

// The chords a percentage refers to. Never zero, so a position shown in
// percent of a missing rib cannot turn into a division by zero downstream.
inline float usableChord(float chord)
{
    return chord > 0.0f ? chord : 1.0f;
}

// Shows a position in mm or in percent of the given chord.
void updateSinglePosition(XDoubleSpinBox* field, bool percent, float chord, float value);

// The selected row of a single-selection table, or -1.
int selectedRow(QAbstractItemView* view);

// The first and last rib of a feature (numbers from 1), when both exist.
bool featureRibs(const RibListTableModel* model, int firstRib, int lastRib, const RibDefinition*& first,
                 const RibDefinition*& last);

// The position a feature's end needs for 90 degrees, cut to two decimals.
QString neededFor90Text(float value);

// Enables the row actions of a list's context menu for a click on row r of n.
void enableListMenu(int n, int r, std::initializer_list<QAction*> needRow, std::initializer_list<QAction*> adds);

// The position row of a spar or comb page: distance from the leading or
// trailing edge, the position at the first rib in % or mm, and the
// separate position at the last rib.
struct PositionRow
{
    XDoubleSpinBox* position;
    XDoubleSpinBox* lastPosition;
    QRadioButton* percent;
    QRadioButton* mm;
    QRadioButton* lastPercent;
    QRadioButton* lastMM;
    QCheckBox* separateEnd;
    QRadioButton* fromLE;
    QRadioButton* fromTE;
};

// Clears the selected mark of every record the lookup reaches and returns
// the row's record, or nullptr for row -1 or a row without one.
template <class Record, class Lookup>
Record* deselectAllAndFind(Lookup lookup, int row)
{
    bool found = true;
    for (int i = 0; found; ++i) {
        Record& record = lookup(i, found);
        if (found)
            record.setSelected(false);
    }
    if (row < 0)
        return nullptr;
    found = false;
    Record& record = lookup(row, found);
    return found ? &record : nullptr;
}

template <class Record>
void showPositionRow(const PositionRow& w, const Record& record, float firstChord, float lastChord)
{
    updateSinglePosition(w.position, record.getPercentageSelected(0), firstChord, record.getPosition(0));
    updateSinglePosition(w.lastPosition, record.getPercentageSelected(1), lastChord, record.getPosition(1));
    w.percent->setChecked(record.getPercentageSelected(0));
    w.mm->setChecked(!record.getPercentageSelected(0));
    w.lastPercent->setChecked(record.getPercentageSelected(1));
    w.lastMM->setChecked(!record.getPercentageSelected(1));
    w.separateEnd->setChecked(record.getSeparateLastPosition());
    setWidgetsEnabled({w.lastPercent, w.lastMM, w.lastPosition}, record.getSeparateLastPosition());
    if (record.getMeasureFromLE())
        w.fromLE->setChecked(true);
    else
        w.fromTE->setChecked(true);
}

// Reads the row back: the valid positions first (each field then shows in
// its unit), then the units and the separate end, then the edge.
template <class Record>
void readPositionRow(const PositionRow& w, Record& record, float firstChord, float lastChord)
{
    if (w.position->isValid()) {
        record.setPosition(0, static_cast<float>(w.position->value()));
        w.position->setValueInPercent(w.percent->isChecked(), usableChord(firstChord));
    }
    if (w.lastPosition->isValid()) {
        record.setPosition(1, static_cast<float>(w.lastPosition->value()));
        w.lastPosition->setValueInPercent(w.lastPercent->isChecked(), usableChord(lastChord));
    }
    record.setPercentageSelected(0, w.percent->isChecked());
    record.setPercentageSelected(1, w.lastPercent->isChecked());
    record.setSeparateLastPosition(w.separateEnd->isChecked());
    setWidgetsEnabled({w.lastPercent, w.lastMM, w.lastPosition}, record.getSeparateLastPosition());
    record.setMeasureFromLE(w.fromLE->isChecked());
}

} // namespace PanelPage
