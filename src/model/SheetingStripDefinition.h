#pragma once

#include "foundation/SelectableObject.h"

#include <QString>
#include <QVariant>

class RibDefinition;

// One band of sheeting running chord-wise over a range of ribs. Its four
// position values are the strip's chord-wise length at the first and at the
// last rib, and where it starts at the first and at the last rib (from the
// leading or the trailing edge); each is percent of the rib chord or mm.
class SheetingStripDefinition : public SelectableObject
{
public:
    SheetingStripDefinition();
    SheetingStripDefinition(const QString& name, int type, int firstRib, int lastRib, float position,
                            float lastPosition, float thickness, bool lower, bool upper, bool measureFromLE,
                            bool separateLastPosition, float offsetStart, float offsetEnd,
                            bool offsetSeparateEnd, bool capStrip);
    // A copy keeps both part ids, so it finds the same covering polygons.
    SheetingStripDefinition(const SheetingStripDefinition& other) = default;
    SheetingStripDefinition& operator=(const SheetingStripDefinition& other) = default;
    ~SheetingStripDefinition() override = default;

    void generateIds();
    // Side 1 is the upper covering polygon, side 0 the lower one; -1 for a
    // side or type that has none.
    int getId(int side) const;

    // which: 0 length at the first rib, 1 length at the last rib, 2 start at
    // the first rib, 3 start at the last rib. The last-rib values fall back to
    // the first-rib ones unless they are switched on separately.
    float getPosition(int which) const;
    void setPosition(int which, float value);
    bool getPercentageSelected(int which) const;
    void setPercentageSelected(int which, bool on);
    // The value of which in mm for this rib; with convert set, a start that
    // is measured from the trailing edge becomes a distance from the leading
    // edge.
    void getRealPosition(float& out, int which, const RibDefinition& rib, bool convert) const;

    const QString& getName() const { return name; }
    void setName(const QString& value) { name = value; }
    int getType() const { return type; }
    void setType(int value) { type = value; }
    int getFirstRib() const { return firstRib; }
    void setFirstRib(int rib) { firstRib = rib; }
    int getLastRib() const { return lastRib; }
    void setLastRib(int rib) { lastRib = rib; }
    bool getCapStrip() const { return capStrip; }
    void setCapStrip(bool on) { capStrip = on; }
    bool getSeparateLastPosition() const { return separateLastPosition; }
    void setSeparateLastPosition(bool on) { separateLastPosition = on; }
    bool getOffsetSeparateEnd() const { return offsetSeparateEnd; }
    void setOffsetSeparateEnd(bool on) { offsetSeparateEnd = on; }
    bool getMeasureFromLE() const { return measureFromLE; }
    void setMeasureFromLE(bool on) { measureFromLE = on; }
    bool getLower() const { return lower; }
    void setLower(bool on) { lower = on; }
    bool getUpper() const { return upper; }
    void setUpper(bool on) { upper = on; }
    float getThickness() const { return thickness; }
    void setThickness(float value) { thickness = value; }

    static int getColumnCount();
    static int getTypeCount();
    static QString getColumnName(int column);
    static QString getTypeName(int type);
    QVariant getCellData(int column) const;
    // Returns whether the value was taken; text that is not a whole number
    // leaves the rib numbers as they were.
    bool setCellData(int column, const QVariant& value);

private:
    // Position slot actually read for which, after the fallback rules.
    int effectiveIndex(int which) const;

    QString name;
    int type = 0;
    int firstRib = 1;
    int lastRib = 2;
    float positions[4] = {27.0f, 27.0f, 0.0f, 0.0f};
    bool percentageSelected[4] = {true, true, true, true};
    bool capStrip = false;
    bool separateLastPosition = false;
    bool offsetSeparateEnd = false;
    bool measureFromLE = true;
    bool lower = true;
    bool upper = true;
    float thickness = 1.5f;
    int ids[2] = {0, 0};
};
