#include "foundation/XDoubleSpinBox.h"

#include "foundation/InputValueType.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>

namespace {

const double MillimetresPerInch = 25.4;

QString inches(double millimetres)
{
    return QString::number(millimetres / MillimetresPerInch, 'f', 3)
           + QCoreApplication::translate("QObject", "in");
}

} // namespace

XDoubleSpinBox::XDoubleSpinBox(QWidget* parent, float factor)
    : QDoubleSpinBox(parent), displayFactor(factor)
{
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(2, 2, 2, 2);
    popupLabel = new QLabel;
    popupLabel->setFrameShape(QFrame::Box);
    layout->addWidget(popupLabel);

    popup = new QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                     | Qt::BypassWindowManagerHint);
    popup->setLayout(layout);
    popup->setBackgroundRole(QPalette::ToolTipBase);
    popup->setForegroundRole(QPalette::ToolTipText);
    popup->setAutoFillBackground(true);
    popup->setAttribute(Qt::WA_ShowWithoutActivating);
    popup->hide();

    connect(this, SIGNAL(valueChanged(double)), this, SLOT(newValueSet(double)));
}

XDoubleSpinBox::~XDoubleSpinBox()
{
    delete valueType;
    // A top-level window of its own: left alive it would outlast the form,
    // still on top of everything when the field died under the pointer.
    delete popup;
}

void XDoubleSpinBox::setInputValueType(InputValueType* type)
{
    if (type == valueType)
        return;
    delete valueType;
    valueType = type;
    // UniqueConnection: a second rule must not validate every change twice.
    connect(this, SIGNAL(valueChanged(double)), this, SLOT(validate(double)), Qt::UniqueConnection);
}

bool XDoubleSpinBox::isValid()
{
    if (valueType != nullptr)
        validate(value());
    return valid;
}

void XDoubleSpinBox::validate(double value)
{
    if (valueType == nullptr)
        return;
    const bool verdict = valueType->validate(QString::number(value, 'g', 6));
    QPalette palette;
    palette.setBrush(QPalette::Base, verdict ? QColor(255, 255, 255) : QColor(255, 0, 0));
    setPalette(palette);
    valid = verdict;
}

void XDoubleSpinBox::newValueSet(double value)
{
    if (popupEnabled())
        updatePopupText(value);
}

void XDoubleSpinBox::setDisplayMode(int mode, float reference)
{
    displayMode = mode;
    switch (mode) {
    case 0:
        unit.clear();
        displayFactor = 0.0f;
        break;
    case 1:
        unit = QStringLiteral("%");
        // Without a reference length there is no percentage to show; the
        // popup stays away rather than showing "inf%".
        displayFactor = reference != 0.0f ? 100.0f / reference : 0.0f;
        break;
    case 2:
        unit = QStringLiteral("mm");
        displayFactor = reference / 100.0f;
        break;
    case 3:
        unit.clear();
        displayFactor = 1.0f;
        break;
    default:
        break;
    }
    updatePopupText(value());
}

void XDoubleSpinBox::setValueInPercent(bool inPercent, float reference)
{
    setDisplayMode(inPercent ? 2 : 1, reference);
}

QString XDoubleSpinBox::valueText() const
{
    return QString::number(value(), 'g', 6);
}

void XDoubleSpinBox::setValue(double value, bool silent)
{
    const bool wasBlocked = blockSignals(silent);
    QDoubleSpinBox::setValue(value);
    // The spin box clamps; the popup describes what the field holds.
    updatePopupText(this->value());
    blockSignals(wasBlocked);
}

QString XDoubleSpinBox::popupText() const
{
    return popupLabel->text();
}

void XDoubleSpinBox::enterEvent(QEvent* event)
{
    if (popupEnabled()) {
        popup->show();
        popup->move(mapToGlobal(QPoint(0, -popup->height())));
    }
    QDoubleSpinBox::enterEvent(event);
}

void XDoubleSpinBox::leaveEvent(QEvent* event)
{
    if (popupEnabled())
        popup->hide();
    QDoubleSpinBox::leaveEvent(event);
}

bool XDoubleSpinBox::popupEnabled() const
{
    // A factor that is not a number compares unequal to 0 and so counts as
    // set, as any other non-zero factor.
    return displayFactor != 0.0f;
}

void XDoubleSpinBox::updatePopupText(double value)
{
    const double factor = displayFactor;
    switch (displayMode) {
    case 0:
        return;
    case 1:
        popupLabel->setText(QString::number(value * factor, 'f', 2) + unit + QStringLiteral(" / ")
                            + inches(value));
        break;
    case 2:
        popupLabel->setText(QString::number(value * factor, 'f', 2) + unit + QStringLiteral(" / ")
                            + inches(value * factor));
        break;
    case 3:
        popupLabel->setText(inches(value));
        break;
    default:
        popupLabel->clear();
        break;
    }
    popupLabel->adjustSize();
    popup->adjustSize();
}
