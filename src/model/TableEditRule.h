#pragma once

#include <QString>
#include <QVariant>

#include <functional>

// The edit rule shared by the panel dialog's list tables (ribs, spars,
// sheeting strips, combs): a cell edit is written, the whole list is checked,
// and an edit the list cannot live with is undone after telling the user why.
// Keeping the rule in one place means every table rolls back the same way and
// every warning goes through the dialog seam, so tests never meet a modal box.
class TableEditRule
{
public:
    using Validator = std::function<bool(QString& message)>;

    // Runs write(); when it refuses the value (text that does not convert,
    // an out-of-range choice) rollback() runs silently - the cell simply keeps
    // its value. When validate() fails afterwards, a warning titled title
    // shows its message and rollback() runs. Returns whether the edit stayed.
    static bool apply(const QString& title, const std::function<bool()>& write,
                      const std::function<void()>& rollback, const Validator& validate);

    // The usual case: the cell's old value is written back on failure. Item
    // is any record with getCellData(int) and setCellData(int, QVariant).
    template <class Item>
    static bool editCell(Item& item, int column, const QVariant& value, const QString& title,
                         const Validator& validate)
    {
        const QVariant old = item.getCellData(column);
        return apply(
            title, [&] { return item.setCellData(column, value); },
            [&] { item.setCellData(column, old); }, validate);
    }

    // For records whose cell setters have side effects beyond the cell (a
    // spar's type change resets that type's dimensions): the whole record is
    // restored, so a refused edit leaves nothing changed. Item must be
    // copy-assignable with value semantics.
    template <class Item>
    static bool editRecord(Item& item, int column, const QVariant& value, const QString& title,
                           const Validator& validate)
    {
        const Item saved(item);
        return apply(
            title, [&] { return item.setCellData(column, value); }, [&] { item = saved; }, validate);
    }

    // Tables take their text from the display and the edit role only. Another
    // role is reported on standard output as "Unknown role in <where>: <role>"
    // and false is returned.
    static bool isEditRole(int role, const char* where);

    // The list tables whose rows span ribs (spars, sheeting strips, combs)
    // check the span alike but word it each in their own translation
    // context, so the texts come in translated.
    struct RibRangeTexts {
        QString firstBelowOne;
        QString firstBeyondRibs;
        QString lastBeyondRibs;
        QString wrongOrder;
    };

    // The lines of texts that a row from firstRib to lastRib breaks in a
    // panel of numberOfRibs ribs, in the order above; empty for a sound
    // span. A row on a single rib is sound only when singleRibAllowed.
    static QString ribRangeFaults(int firstRib, int lastRib, int numberOfRibs, bool singleRibAllowed,
                                  const RibRangeTexts& texts);

    // The warning for a faulty row: what it is, its name in double quotes,
    // then the lines.
    static QString faultMessage(const QString& what, const QString& name, const QString& lines);
};
