#pragma once

#include <QDialog>

namespace Ui {
class LengthCalculator;
}

// Works out a panel's length from its rib thickness, its number of ribs and
// the distance between neighbouring ribs, for the panel dialog to take
// over. It only computes; the ribs themselves are generated elsewhere.
class LengthCalculator : public QDialog
{
    Q_OBJECT

public:
    explicit LengthCalculator(QWidget* parent = nullptr);
    ~LengthCalculator() override;

    // Fills the inputs without anybody hearing of it, then shows the result.
    void setValues(int noRibs, float ribThickness, float distance);

public slots:
    void dataChanged();
    bool isDataValid();
    void setDataValid(bool dataValid);
    float getLength();
    void setLength(float length);
    // 10.0 stands in for an invalid input; after an accepted run the inputs
    // are always valid, because OK is enabled only then.
    float getNoRibs();
    float getRibThickness();

protected:
    void changeEvent(QEvent* event) override;

private:
    float length = 0.0f;
    bool dataValid = false;
    Ui::LengthCalculator* ui;
};
