#include "model/LEData.h"

#include <iostream>

LEData::LEData()
    : type(None), standardLEDepth(8.0f)
{
}

LEData::LEData(int type, float standardLEDepth)
    : type(type), standardLEDepth(standardLEDepth)
{
}

float LEData::getDepth() const
{
    switch (type) {
    case Standard:
        return standardLEDepth;
    case None:
    case Cylinder:
    case Strip:
    case Diamond:
        // These are glued in front of the full rib; nothing is cut off.
        return 0.0f;
    default:
        std::cout << "Implement this type " << "float LEData::getDepth() const" << ": " << type
                  << std::endl;
        return 0.0f;
    }
}
