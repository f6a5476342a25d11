#pragma once

#include <QWidget>

class CADGraphicsScene;
class CADSceneEvent;
class CADSceneModel;
class QCADGraphicView;

// Hosts a CAD scene in a view and lets the user move and zoom the drawing
// with the mouse: any button drags the drawing, the wheel zooms, a double
// click brings back the start position. Its owner gives it a model to show
// and tells it what changed through events; subclasses draw.
class CADWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CADWidget(QWidget* parent = nullptr);
    ~CADWidget() override;
    CADWidget(const CADWidget&) = delete;
    CADWidget& operator=(const CADWidget&) = delete;

    // The model is not owned; the owner replaces it before deleting it.
    virtual void setModel(CADSceneModel* model);
    virtual void notify(const CADSceneEvent& event);

    CADGraphicsScene* getScene() const { return scene; }
    CADSceneModel* getModel() const { return model; }
    QCADGraphicView* getView() const { return view; }

    void setSceneName(const QString& name);
    void setScenePersistent(bool persistent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void repaintScene();

    QCADGraphicView* view;
    CADGraphicsScene* scene;
    CADSceneModel* model;
    int lastX;
    int lastY;
};
