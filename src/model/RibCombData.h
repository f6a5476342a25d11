#pragma once

#include <QString>
#include <QVariant>

#include "foundation/SelectableObject.h"

class RibDefinition;

// One rib comb: a slotted board that meets a range of ribs from above or
// from below. Positions are the comb's centre line, in percent of the local
// chord or in millimetres, measured from the leading or the trailing edge.
class RibCombData : public SelectableObject
{
public:
    enum RibCombType { Above = 0, Below = 1 };

    RibCombData();
    RibCombData(const QString& name, int type, float position, float positionLast, bool percentageSelected,
                bool percentageSelectedLast, bool separateLastPosition, bool measureFromLE, float width,
                float extend, float cutIntoRib, float cutoutGapFore, float cutoutGapAft, float gapNeedle,
                int firstRib, int lastRib, bool extendToBuildingTabs, float slitHeight, float slitAdjust);
    RibCombData(const RibCombData& other) = default;
    RibCombData& operator=(const RibCombData& other) = default;
    ~RibCombData() override = default;

    // Draws the three part ids from the plane-wide counter.
    void generateIds();

    // Front edge of the comb at the given end (0 first rib, 1 last rib), in
    // mm from the rib's leading edge.
    void getAbsolutePosition(float& out, int which, const RibDefinition& rib) const;
    void getAbsolutePosition(float& out, int which, const RibDefinition* rib) const;

    int getType() const { return type; }
    bool setType(int value);
    QString getName() const { return name; }
    void setName(const QString& value) { name = value; }
    float getPosition(int which) const;
    void setPosition(int which, float value);
    bool getPercentageSelected(int which) const;
    void setPercentageSelected(int which, bool value);
    bool getSeparateLastPosition() const { return separateLastPosition; }
    void setSeparateLastPosition(bool value) { separateLastPosition = value; }
    bool getMeasureFromLE() const { return measureFromLE; }
    void setMeasureFromLE(bool value) { measureFromLE = value; }
    float getWidth() const { return width; }
    void setWidth(float value) { width = value; }
    float getExtend() const { return extend; }
    void setExtend(float value) { extend = value; }
    float getCutIntoRib() const { return cutIntoRib; }
    void setCutIntoRib(float value) { cutIntoRib = value; }
    float getCutoutGapFore() const { return cutoutGapFore; }
    void setCutoutGapFore(float value) { cutoutGapFore = value; }
    float getCutoutGapAft() const { return cutoutGapAft; }
    void setCutoutGapAft(float value) { cutoutGapAft = value; }
    float getGapNeedle() const { return gapNeedle; }
    void setGapNeedle(float value) { gapNeedle = value; }
    int getFirstRib() const { return firstRib; }
    void setFirstRib(int value) { firstRib = value; }
    int getLastRib() const { return lastRib; }
    void setLastRib(int value) { lastRib = value; }
    int getFirstPartId() const { return firstPartId; }
    void setFirstPartId(int value) { firstPartId = value; }
    int getSecondPartId() const { return secondPartId; }
    void setSecondPartId(int value) { secondPartId = value; }
    int getThirdPartId() const { return thirdPartId; }
    void setThirdPartId(int value) { thirdPartId = value; }
    bool getExtendToBuildingTabs() const { return extendToBuildingTabs; }
    void setExtendToBuildingTabs(bool value) { extendToBuildingTabs = value; }
    float getSlitHeight() const { return slitHeight; }
    void setSlitHeight(float value) { slitHeight = value; }
    float getSlitAdjust() const { return slitAdjust; }
    void setSlitAdjust(float value) { slitAdjust = value; }

    static int getColumnCount();
    static int getCombTypeCount();
    static QString getColumnName(int column);
    static QString getCombTypeName(int type);

    QVariant getCellData(int column) const;
    // Returns whether the value was taken; a value that does not convert
    // (or names no comb type) leaves the comb as it was.
    bool setCellData(int column, const QVariant& value);

private:
    int type;
    QString name;
    float position;
    float positionLast;
    bool percentageSelected;
    bool percentageSelectedLast;
    bool separateLastPosition;
    bool measureFromLE;
    float width;
    float extend;
    float cutIntoRib;
    float cutoutGapFore;
    float cutoutGapAft;
    float gapNeedle;
    int firstRib;
    int lastRib;
    int firstPartId = 0;
    int secondPartId = 0;
    int thirdPartId = 0;
    bool extendToBuildingTabs;
    float slitHeight;
    float slitAdjust;
};

using RibCombType = RibCombData::RibCombType;
