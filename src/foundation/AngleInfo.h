#pragma once

// How an outline turns at one of its points.
class AngleInfo
{
public:
    enum Turn {
        Clockwise = 0,
        CounterClockwise = 1,
        Straight = 2,
        Reversal = 3
    };

    AngleInfo(int turn = Straight, float cosAngle = 0.0f, int index = 0)
        : turn(turn), cosAngle(cosAngle), index(index)
    {
    }

    int getTurn() const { return turn; }
    void setTurn(int t) { turn = t; }
    float getCosAngle() const { return cosAngle; }
    void setCosAngle(float c) { cosAngle = c; }
    int getIndex() const { return index; }
    void setIndex(int i) { index = i; }

private:
    int turn;
    float cosAngle;
    int index;
};
