#pragma once

#include <QString>

#include "views/CADSceneElement.h"

// A text whose base line starts at a scene point. It keeps its pixel size
// at every zoom; only its position follows the scene.
class CADSceneText : public CADSceneElement
{
public:
    CADSceneText(float x, float y, const QString& text);

    void paint(QPainter* painter, float scale, float offsetX, float offsetY, int flags) override;

    const QString& getText() const { return text; }

private:
    QString text;
    float x;
    float y;
};
