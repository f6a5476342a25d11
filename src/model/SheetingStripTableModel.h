#pragma once

#include "model/ListTableModel.h"
#include "model/SheetingStripList.h"

// The panel dialog's table of sheeting strips: name, first rib, last rib.
class SheetingStripTableModel : public ListTableModel<SheetingStripDefinition>
{
    Q_OBJECT
public:
    SheetingStripTableModel();
    ~SheetingStripTableModel() override;

    // Checks every strip against the rib count of the panel being edited;
    // the message names the first strip that fails.
    bool validate(QString& message) const;

    // found is false (and the result must not be used) past the end.
    const SheetingStripDefinition& getStrip(int row, bool& found) const;
    SheetingStripDefinition& getStrip(int row, bool& found);
    int getStripCount() const;
    SheetingStripList& getStripList() { return strips; }
    const SheetingStripList& getStripList() const { return strips; }

    // The panel dialog sets the rib count of the panel it edits before the
    // table is used; one panel is edited at a time.
    static void setNumberOfRibs(int count);
    static int getNumberOfRibs();

    // These replace the contents without telling attached views.
    void clear();
    void setStripList(const SheetingStripList& list);
    void appendStrip(const SheetingStripDefinition& strip);

    void deleteStrip(int row);
    // Inserts before row (at the end when row is past it) a new strip, or a
    // copy of source with its part ids.
    void insertStrip(int row, const SheetingStripDefinition* source);

protected:
    std::list<SheetingStripDefinition>& items() override { return strips.getStrips(); }
    QString rowLabel() const override;
    bool editItem(SheetingStripDefinition& strip, int column, const QVariant& value) override;

private:
    SheetingStripList strips;
    static int numberOfRibs;
};
