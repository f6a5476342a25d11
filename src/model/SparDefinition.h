#pragma once

#include "foundation/SelectableObject.h"

#include <QString>
#include <QVariant>

class RibDefinition;

enum class SparType : int {
    Round = 0,
    Square = 1,
    Webbing = 2,
    Tube = 3,
    Cube = 4,
    CubeTube = 5
};

enum class SquareWebbingType : int {
    None = 0,
    Middle = 1,
    Before = 2,
    After = 3,
    Box = 4
};

// One spar of a panel. A spar holds the dimensions of every kind so that the
// user can switch kinds without losing what was typed; only those of the
// current type are cut. Lengths are mm, angles degrees.
class SparDefinition : public SelectableObject
{
public:
    SparDefinition();
    SparDefinition(const QString& sparName, SparType type, int firstRib, int lastRib,
                   float position, float lastPosition, bool measureFromLE,
                   bool separateLastPosition);
    // A copy keeps the part ids, so it finds the same shapes in the ribs.
    SparDefinition(const SparDefinition& other) = default;
    SparDefinition& operator=(const SparDefinition& other) = default;
    ~SparDefinition() override = default;

    static QString getTypeName(int type);
    static int getNumberOfTypes();

    void resetTypeDefaults();
    void assignNewIds();

    const QString& getSparName() const { return sparName; }
    bool setSparName(const QString& name);
    SparType getType() const { return type; }
    bool setType(SparType newType);
    int getFirstRib() const { return firstRib; }
    bool setFirstRib(int rib);
    int getLastRib() const { return lastRib; }
    bool setLastRib(int rib);

    // which 0 is the first rib, 1 the last; without a separate last
    // position both ends read the first one.
    float getPosition(int which) const;
    void setPosition(int which, float value);
    bool getPercentageSelected(int which) const;
    void setPercentageSelected(int which, bool on);
    bool getSeparateLastPosition() const { return separateLastPosition; }
    void setSeparateLastPosition(bool on) { separateLastPosition = on; }
    bool getMeasureFromLE() const { return measureFromLE; }
    void setMeasureFromLE(bool on) { measureFromLE = on; }

    float getSparOffsetYStart() const { return sparOffsetYStart; }
    void setSparOffsetYStart(float v) { sparOffsetYStart = v; }
    float getSparOffsetYEnd() const { return sparOffsetYEnd; }
    void setSparOffsetYEnd(float v) { sparOffsetYEnd = v; }

    float getRoundSparRadius() const { return roundSparRadius; }
    void setRoundSparRadius(float v) { roundSparRadius = v; }

    float getSquareSparWidth() const { return squareSparWidth; }
    void setSquareSparWidth(float v) { squareSparWidth = v; }
    float getSquareSparAutoAdjustWidth() const { return squareSparAutoAdjustWidth ? 1.0f : 0.0f; }
    void setSquareSparAutoAdjustWidth(float v) { squareSparAutoAdjustWidth = (v != 0.0f); }
    float getSquareSparWidthAdjustFront() const { return squareSparWidthAdjustFront; }
    void setSquareSparWidthAdjustFront(float v) { squareSparWidthAdjustFront = v; }
    float getSquareSparWidthAdjustBehind() const { return squareSparWidthAdjustBehind; }
    void setSquareSparWidthAdjustBehind(float v) { squareSparWidthAdjustBehind = v; }
    float getSquareSparHeight() const { return squareSparHeight; }
    void setSquareSparHeight(float v) { squareSparHeight = v; }
    bool getSquareSparTop() const { return squareSparTop; }
    void setSquareSparTop(bool on) { squareSparTop = on; }
    bool getSquareSparBottom() const { return squareSparBottom; }
    void setSquareSparBottom(bool on) { squareSparBottom = on; }
    float getSquareWebbingWidth() const { return squareWebbingWidth; }
    void setSquareWebbingWidth(float v) { squareWebbingWidth = v; }
    SquareWebbingType getSquareWebbingType() const { return squareWebbingType; }
    void setSquareWebbingType(SquareWebbingType t) { squareWebbingType = t; }
    bool getSquareSparWebbingInside() const { return squareSparWebbingInside; }
    void setSquareSparWebbingInside(bool on) { squareSparWebbingInside = on; }
    int getSquareWebbingFrom() const { return squareWebbingFrom; }
    void setSquareWebbingFrom(int rib) { squareWebbingFrom = rib; }
    // 0 means the webbing runs to the spar's last rib.
    int getSquareWebbingTo() const { return squareWebbingTo; }
    void setSquareWebbingTo(int rib) { squareWebbingTo = rib; }
    bool getSquareSparVerticalCut() const { return squareSparVerticalCut; }
    void setSquareSparVerticalCut(bool on) { squareSparVerticalCut = on; }

    float getWebbingWidth() const { return webbingWidth; }
    void setWebbingWidth(float v) { webbingWidth = v; }
    float getTubeRadius() const { return tubeRadius; }
    void setTubeRadius(float v) { tubeRadius = v; }
    float getCubeSparWidth() const { return cubeSparWidth; }
    void setCubeSparWidth(float v) { cubeSparWidth = v; }
    float getCubeSparHeight() const { return cubeSparHeight; }
    void setCubeSparHeight(float v) { cubeSparHeight = v; }
    float getCubeSparRotation() const { return cubeSparRotation; }
    void setCubeSparRotation(float v) { cubeSparRotation = v; }
    float getCubeTubeWidth() const { return cubeTubeWidth; }
    void setCubeTubeWidth(float v) { cubeTubeWidth = v; }
    float getCubeTubeHeight() const { return cubeTubeHeight; }
    void setCubeTubeHeight(float v) { cubeTubeHeight = v; }

    // Size of the current type across the chord.
    float getTypeWidth() const;
    bool hasYOffset() const;
    bool isJoiner() const;

    // Distance of the spar from the rib's leading edge in mm; with centre
    // set, square and webbing spars give their front face.
    void getRealPosition(float& result, int which, const RibDefinition& rib, bool centre) const;

    void setYOffsetFromAngle(int end, float angle, float zFirst, float zLast);
    void setPositionFromAngle(int which, float angle, float positionFirst, float positionLast,
                              float panelLength, float sweep, float zFirst, float chordFirst,
                              float zLast, float chordLast);

    // Ids of the shapes this spar leaves in the ribs.
    int getRoundSparId() const { return roundSparId; }
    void setRoundSparId(int id) { roundSparId = id; }
    int getSquareSparId(int index) const;
    void setSquareSparId(int index, int id);
    int getSquareWebbingId(int index) const;
    void setSquareWebbingId(int index, int id);
    int getWebbingId() const { return webbingId; }
    void setWebbingId(int id) { webbingId = id; }
    int getTubeId() const { return tubeId; }
    void setTubeId(int id) { tubeId = id; }
    int getCubeSparId() const { return cubeSparId; }
    void setCubeSparId(int id) { cubeSparId = id; }
    int getCubeTubeId() const { return cubeTubeId; }
    void setCubeTubeId(int id) { cubeTubeId = id; }

    static int getColumnCount();
    static QString getColumnName(int column);
    QVariant getCellData(int column) const;
    bool setCellData(int column, const QVariant& value);

private:
    void setRoundDefaults(bool newIds);
    void setSquareDefaults(bool newIds);
    void setWebbingDefaults(bool newIds);
    void setTubeDefaults(bool newIds);
    void setCubeDefaults(bool newIds);
    void setCubeTubeDefaults(bool newIds);
    static int nextId();

    QString sparName;
    SparType type = SparType::Round;
    int firstRib = 1;
    int lastRib = 2;
    float position = 25.0f;
    float lastPosition = 25.0f;
    bool percentageSelected = true;
    bool percentageSelectedLast = true;
    bool separateLastPosition = false;
    bool measureFromLE = true;
    float sparOffsetYStart = 0.0f;
    float sparOffsetYEnd = 0.0f;
    float roundSparRadius = 5.0f;
    int roundSparId = 0;
    float squareSparWidth = 4.5f;
    bool squareSparAutoAdjustWidth = false;
    float squareSparWidthAdjustFront = 0.0f;
    float squareSparWidthAdjustBehind = 0.0f;
    float squareSparHeight = 2.0f;
    bool squareSparTop = true;
    bool squareSparBottom = true;
    int squareSparIds[2] = {0, 0};
    float squareWebbingWidth = 2.0f;
    SquareWebbingType squareWebbingType = SquareWebbingType::None;
    int squareWebbingIds[2] = {0, 0};
    bool squareSparWebbingInside = false;
    int squareWebbingFrom = 1;
    int squareWebbingTo = 0;
    bool squareSparVerticalCut = false;
    float webbingWidth = 2.0f;
    int webbingId = 0;
    float tubeRadius = 6.0f;
    int tubeId = 0;
    float cubeSparWidth = 4.0f;
    float cubeSparHeight = 6.0f;
    int cubeSparId = 0;
    float cubeSparRotation = 0.0f;
    float cubeTubeWidth = 4.0f;
    float cubeTubeHeight = 6.0f;
    int cubeTubeId = 0;
};
