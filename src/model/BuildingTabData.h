#pragma once

// Where building tabs are added to a panel's ribs. Lengths in mm.
class BuildingTabData
{
public:
    BuildingTabData();
    BuildingTabData(bool doUpper, bool doLower, float offsetLE, float offsetTE, float width);
    virtual ~BuildingTabData();

    bool getDoUpper() const { return doUpper; }
    void setDoUpper(bool value) { doUpper = value; }
    bool getDoLower() const { return doLower; }
    void setDoLower(bool value) { doLower = value; }
    float getOffsetLE() const { return offsetLE; }
    void setOffsetLE(float value) { offsetLE = value; }
    float getOffsetTE() const { return offsetTE; }
    void setOffsetTE(float value) { offsetTE = value; }
    float getWidth() const { return width; }
    void setWidth(float value) { width = value; }

private:
    bool doUpper;
    bool doLower;
    float offsetLE;
    float offsetTE;
    float width;
};
