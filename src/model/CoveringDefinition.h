#pragma once

#include "foundation/SelectableObject.h"

#include <QString>

class RibList;

// How a panel is sheeted: not at all, by the standard covering made from
// this record, or by the panel's own sheeting strips.
enum class SheetingType : int {
    None = 0,
    Standard = 1,
    Advanced = 2
};

// The panel's standard covering: a band of `length` from the leading edge on
// the upper and/or lower side, `thickness` deep into the rib, optionally
// carried on to the trailing edge over the first `extend` ribs.
class CoveringDefinition : public SelectableObject
{
public:
    CoveringDefinition() = default;
    CoveringDefinition(SheetingType sheetingType, float length, float thickness, int extend,
                       bool percentageSelected, bool doUpper, bool doLower);
    CoveringDefinition(const CoveringDefinition& other) = default;
    CoveringDefinition& operator=(const CoveringDefinition& other) = default;
    ~CoveringDefinition() override = default;

    // Every covering is acceptable as it stands.
    bool validate(QString& message, const RibList& ribs) const;

    SheetingType getSheetingType() const { return sheetingType; }
    void setSheetingType(SheetingType type) { sheetingType = type; }
    float getLength() const { return length; }
    void setLength(float value) { length = value; }
    float getThickness() const { return thickness; }
    bool setThickness(float value);
    int getExtend() const { return extend; }
    void setExtend(int ribs) { extend = ribs; }
    bool getPercentageSelected() const { return percentageSelected; }
    bool setPercentageSelected(bool on);
    bool getDoUpper() const { return doUpper; }
    void setDoUpper(bool on) { doUpper = on; }
    bool getDoLower() const { return doLower; }
    void setDoLower(bool on) { doLower = on; }

private:
    SheetingType sheetingType = SheetingType::None;
    float length = 27.0f;   // percent of the chord, or mm
    float thickness = 1.0f; // mm
    int extend = 0;         // ribs from the root
    bool percentageSelected = true;
    bool doUpper = true;
    bool doLower = true;
};
