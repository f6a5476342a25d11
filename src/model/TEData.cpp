#include "model/TEData.h"

#include <iostream>

TEData::TEData()
    : type(None),
      standardTEDepth(20.0f),
      standardTEAutoAdjustDepth(false),
      stripTEDepth(20.0f),
      stripTEStripDepth(10.0f),
      stripTEStripThickness(2.0f)
{
}

TEData::TEData(int type, float standardTEDepth, bool standardTEAutoAdjustDepth, float stripTEDepth,
               float stripTEStripDepth, float stripTEStripThickness)
    : type(type),
      standardTEDepth(standardTEDepth),
      standardTEAutoAdjustDepth(standardTEAutoAdjustDepth),
      stripTEDepth(stripTEDepth),
      stripTEStripDepth(stripTEStripDepth),
      stripTEStripThickness(stripTEStripThickness)
{
}

float TEData::getDepth() const
{
    switch (type) {
    case None:
        return 0.0f;
    case Standard:
        return standardTEDepth;
    case StandardWithStrip:
        return stripTEDepth + stripTEStripDepth;
    default:
        std::cout << "Implement this type " << "float TEData::getDepth() const" << ": " << type
                  << std::endl;
        return 0.0f;
    }
}

bool TEData::getTeAutoAdjustDept() const
{
    switch (type) {
    case None:
        return false;
    case Standard:
        return standardTEAutoAdjustDepth;
    default:
        std::cout << "Implement this type " << "bool TEData::getTeAutoAdjustDept() const" << ": "
                  << type << std::endl;
        return false;
    }
}
