#pragma once

// How a panel's leading edge is built.
class LEData
{
public:
    enum Type { None = 0, Standard = 1, Cylinder = 2, Strip = 3, Diamond = 4, Round = 5 };

    LEData();
    LEData(int type, float standardLEDepth);

    int getType() const { return type; }
    void setType(int value) { type = value; }
    float getStandardLEDepth() const { return standardLEDepth; }
    void setStandardLEDepth(float value) { standardLEDepth = value; }

    // How much of the rib's front the leading edge takes away, in mm.
    float getDepth() const;

private:
    int type;
    float standardLEDepth;
};
