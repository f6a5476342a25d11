#include "editing/LengthCalculator.h"

#include "foundation/CLocale.h"
#include "foundation/InputValueType.h"
#include "foundation/XDoubleSpinBox.h"
#include "ui_LengthCalculator.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>

namespace {

constexpr double MillimetresPerInch = 25.4;
constexpr float FallbackValue = 10.0f;

} // namespace

LengthCalculator::LengthCalculator(QWidget* parent) : QDialog(parent), ui(new Ui::LengthCalculator)
{
    ui->setupUi(this);

    ui->txtRibThickness->setInputValueType(new InputValueType(9, 0.01, 50.0));
    ui->txtNoRibs->setInputValueType(new InputValueType(10, 2, 100));
    ui->txtDistanceBetweenRibs->setInputValueType(new InputValueType(9, 2.0, 150.0));

    connect(ui->txtNoRibs, SIGNAL(valueChanged(const QString&)), this, SLOT(dataChanged()));
    connect(ui->txtRibThickness, SIGNAL(valueChanged(const QString&)), this, SLOT(dataChanged()));
    connect(ui->txtDistanceBetweenRibs, SIGNAL(valueChanged(const QString&)), this, SLOT(dataChanged()));

    ui->txtRibThickness->setValue(2.0, true);
    ui->txtNoRibs->setValue(10, true);
    // A rib count is no length: an inch hint would only confuse.
    ui->txtNoRibs->setDisplayMode(0, 1.0f);
    ui->txtDistanceBetweenRibs->setValue(40.0, true);

    dataChanged();
}

LengthCalculator::~LengthCalculator()
{
    delete ui;
}

void LengthCalculator::setValues(int noRibs, float ribThickness, float distance)
{
    ui->txtNoRibs->setValue(noRibs, true);
    ui->txtRibThickness->setValue(ribThickness, true);
    ui->txtDistanceBetweenRibs->setValue(distance, true);
    dataChanged();
}

void LengthCalculator::dataChanged()
{
    const bool valid = ui->txtNoRibs->isValid() && ui->txtDistanceBetweenRibs->isValid()
                       && ui->txtRibThickness->isValid();
    dataValid = valid;
    if (QPushButton* ok = ui->buttonBox->button(QDialogButtonBox::Ok))
        ok->setEnabled(valid);
    if (!valid) {
        ui->txtLabelCalculatedLength->setText(QStringLiteral("-"));
        return;
    }
    const int ribs = static_cast<int>(ui->txtNoRibs->value());
    const float distance = static_cast<float>(ui->txtDistanceBetweenRibs->value());
    const float thickness = static_cast<float>(ui->txtRibThickness->value());
    // Equal spacing between like faces of neighbouring ribs, plus the last
    // rib's own thickness: from the root face of the first rib to the tip
    // face of the last.
    length = static_cast<float>(ribs - 1) * distance + thickness;
    ui->txtLabelCalculatedLength->setText(CLocale::display(length) + QStringLiteral("mm / ")
                                          + CLocale::display(length / MillimetresPerInch, 'f', 3)
                                          + QCoreApplication::translate("QObject", "in"));
}

bool LengthCalculator::isDataValid()
{
    return dataValid;
}

void LengthCalculator::setDataValid(bool valid)
{
    dataValid = valid;
}

float LengthCalculator::getLength()
{
    return length;
}

void LengthCalculator::setLength(float value)
{
    length = value;
}

float LengthCalculator::getNoRibs()
{
    if (!ui->txtNoRibs->isValid())
        return FallbackValue;
    return static_cast<float>(ui->txtNoRibs->value());
}

float LengthCalculator::getRibThickness()
{
    if (!ui->txtRibThickness->isValid())
        return FallbackValue;
    bool ok = false;
    const float thickness = ui->txtRibThickness->valueText().toFloat(&ok);
    return ok ? thickness : FallbackValue;
}

void LengthCalculator::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // The form's texts put "-" back into the result; show the result
        // again, in the new language, rather than pretend there is none.
        dataChanged();
    }
    QWidget::changeEvent(event);
}
