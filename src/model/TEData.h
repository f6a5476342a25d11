#pragma once

// How a panel's trailing edge is built.
class TEData
{
public:
    enum Type { None = 0, Standard = 1, StandardWithStrip = 2 };

    TEData();
    TEData(int type, float standardTEDepth, bool standardTEAutoAdjustDepth, float stripTEDepth,
           float stripTEStripDepth, float stripTEStripThickness);

    int getType() const { return type; }
    void setType(int value) { type = value; }

    // factor scales the stored depth (the rib pipeline passes chord / root chord
    // when the depth follows the chord).
    float getStandardTEDepth(float factor) const { return factor * standardTEDepth; }
    void setStandardTEDepth(float value) { standardTEDepth = value; }
    bool getStandardTEAutoAdjustDepth() const { return standardTEAutoAdjustDepth; }
    void setStandardTEAutoAdjustDepth(bool value) { standardTEAutoAdjustDepth = value; }
    float getStripTEDepth() const { return stripTEDepth; }
    void setStripTEDepth(float value) { stripTEDepth = value; }
    float getStripTEStripDepth() const { return stripTEStripDepth; }
    void setStripTEStripDepth(float value) { stripTEStripDepth = value; }
    float getStripTEStripThickness() const { return stripTEStripThickness; }
    void setStripTEStripThickness(float value) { stripTEStripThickness = value; }

    // How much of the rib's rear the trailing edge takes away, in mm.
    float getDepth() const;
    // Whether the depth follows the rib chord for the current type.
    bool getTeAutoAdjustDept() const;

private:
    int type;
    float standardTEDepth;
    bool standardTEAutoAdjustDepth;
    float stripTEDepth;
    float stripTEStripDepth;
    float stripTEStripThickness;
};
