#include "foundation/XDoubleSpinBox.h"

#include "foundation/CLocale.h"
#include "foundation/InputValueType.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QToolTip>
#include <cmath>

namespace {

const double MillimetresPerInch = 25.4;

QString inches(double millimetres)
{
    return CLocale::display(millimetres / MillimetresPerInch, 'f', 3)
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
    // A field whose value never changes (a form's start value at the
    // minimum) would otherwise show an empty popup.
    updatePopupText(value());

    connect(this, SIGNAL(valueChanged(double)), this, SLOT(newValueSet(double)));
    // Around the base class's own handler of the typed text, which takes a
    // typed number: ours before it, so that the value from before the edit
    // is known and a value arriving from it counts as typed; ours after it,
    // to judge the text. Taken off and put back, the base's handler runs
    // between the two.
    QLineEdit* edit = lineEdit();
    const bool baseHandlerMoved =
        disconnect(edit, SIGNAL(textChanged(QString)), this, SLOT(_q_editorTextChanged(QString)));
    connect(edit, SIGNAL(textChanged(QString)), this, SLOT(typedTextChanging()));
    if (baseHandlerMoved)
        connect(edit, SIGNAL(textChanged(QString)), this, SLOT(_q_editorTextChanged(QString)));
    connect(edit, SIGNAL(textChanged(QString)), this, SLOT(typedTextChanged()));
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
    valid = valueType->validate(QString::number(value, 'g', 6));
    paintVerdict();
}

void XDoubleSpinBox::newValueSet(double value)
{
    valueSetElsewhere();
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
    valueSetElsewhere();
}

QString XDoubleSpinBox::popupText() const
{
    return popupLabel->text();
}

void XDoubleSpinBox::enterEvent(QEvent* event)
{
    if (popupEnabled()) {
        placePopup();
        popup->show();
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

QValidator::State XDoubleSpinBox::validate(QString& input, int& /*pos*/) const
{
    if (!specialValueText().isEmpty() && input == specialValueText())
        return QValidator::Acceptable;
    double value = 0.0;
    // Never Invalid: that would drop the key, and the digits after a
    // dropped separator would make another number of the rest.
    return readTyped(numberPart(input), value) ? QValidator::Acceptable : QValidator::Intermediate;
}

double XDoubleSpinBox::valueFromText(const QString& text) const
{
    if (!specialValueText().isEmpty() && text == specialValueText())
        return minimum();
    double number = 0.0;
    return readTyped(numberPart(text), number) ? number : value();
}

void XDoubleSpinBox::fixup(QString& /*input*/) const
{
    // The base class would strip the desktop's group separator, which makes
    // a German "0.5" the number 5. What does not validate is left as it is,
    // and the field goes back to its last value when editing ends.
}

void XDoubleSpinBox::stepBy(int steps)
{
    // The base would step from the last number taken on the way.
    endTyping();
    QDoubleSpinBox::stepBy(steps);
}

QString XDoubleSpinBox::refusal() const
{
    if (!textRefused)
        return QString();
    double low = minimum();
    double high = maximum();
    if (valueType != nullptr) {
        switch (valueType->getType()) {
        case 2:
        case 5:
            low = qMax(low, 0.0);
            break;
        case 9:
            low = qMax(low, valueType->getMin());
            high = qMin(high, valueType->getMax());
            break;
        case 10:
            low = qMax(low, double(valueType->getIntMin()));
            high = qMin(high, double(valueType->getIntMax()));
            break;
        default:
            break;
        }
    }
    QLocale shown = locale();
    shown.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString from = shown.toString(low, 'g', 12);
    const QString to = shown.toString(high, 'g', 12);
    if (decimals() == 0)
        return tr("Enter a whole number from %1 to %2.").arg(from, to);
    return tr("Enter a number from %1 to %2 with at most %3 decimals.").arg(from, to).arg(decimals());
}

bool XDoubleSpinBox::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && textRefused) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), refusal(), this);
        return true;
    }
    return QDoubleSpinBox::event(event);
}

void XDoubleSpinBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Enter || event->key() == Qt::Key_Return) {
        const bool refused = textRefused;
        endTyping();
        if (refused) {
            // Taken here, so that the refusal is seen instead of the
            // dialog's default button acting on the old value.
            event->accept();
            return;
        }
    }
    QDoubleSpinBox::keyPressEvent(event);
}

void XDoubleSpinBox::focusOutEvent(QFocusEvent* event)
{
    endTyping();
    QDoubleSpinBox::focusOutEvent(event);
}

void XDoubleSpinBox::finishEdit()
{
    // A field without keyboard tracking has not taken the typed number yet.
    if (typing && shownTextTaken())
        interpretText();
    endTyping();
}

void XDoubleSpinBox::typedTextChanging()
{
    // Whatever changed the text (a key, a paste, a drop, an input method,
    // the line edit's own undo) edits it; the line edit's modified flag
    // cannot tell, as the base class's validator clears it whenever it
    // puts a unit back that was selected and typed over.
    if (!typing) {
        typing = true;
        valueBeforeTyping = value();
    }
    textChanging = true;
}

void XDoubleSpinBox::typedTextChanged()
{
    refreshRefusal();
    // The base class has taken every number on the way to this text; none
    // of them is what the user is typing.
    if (textRefused && value() != valueBeforeTyping)
        holdValueBeforeTyping();
    textChanging = false;
}

bool XDoubleSpinBox::readTyped(const QString& text, double& value) const
{
    double number = 0.0;
    if (decimals() == 0) {
        // Whole numbers as a table cell of counts takes them: digits only,
        // so that neither "2,5" nor "1e2" is read as some other count.
        bool ok = false;
        const qlonglong whole = text.toLongLong(&ok, 10);
        if (!ok)
            return false;
        number = double(whole);
    } else {
        if (!CLocale::parseTyped(text, number))
            return false;
        // More decimals than the field keeps would be rounded into another
        // number; trailing zeros change nothing.
        const double scaled = number * std::pow(10.0, decimals());
        if (std::fabs(scaled - std::round(scaled)) > 1e-9 * qMax(1.0, std::fabs(scaled)))
            return false;
    }
    if (number < minimum() || number > maximum())
        return false;
    if (valueType != nullptr && !valueType->validate(QString::number(number, 'g', 6)))
        return false;
    value = number;
    return true;
}

void XDoubleSpinBox::endTyping()
{
    // Sets the text anew even where the value did not change on the way,
    // and tells the listeners where it did.
    if (typing && !shownTextTaken())
        QDoubleSpinBox::setValue(valueBeforeTyping);
    typing = false;
    refreshRefusal();
}

void XDoubleSpinBox::valueSetElsewhere()
{
    // A value set by the program ends the edit; one the base class took
    // from the typed text is part of it.
    if (!textChanging)
        typing = false;
    refreshRefusal();
}

void XDoubleSpinBox::holdValueBeforeTyping()
{
    // Setting the value writes its text into the line edit; the user's
    // refused text, where the typing goes on, is put back over it.
    QLineEdit* edit = lineEdit();
    const QString text = edit->text();
    const int cursor = edit->cursorPosition();
    int anchor = cursor;
    if (edit->hasSelectedText())
        anchor = edit->selectionStart() == cursor ? cursor + edit->selectedText().size() : edit->selectionStart();
    QDoubleSpinBox::setValue(valueBeforeTyping);
    {
        const QSignalBlocker blocker(edit);
        edit->setText(text);
        edit->setModified(true);
        if (anchor != cursor)
            edit->setSelection(anchor, cursor - anchor);
        else
            edit->setCursorPosition(cursor);
    }
    refreshRefusal();
}

bool XDoubleSpinBox::shownTextTaken() const
{
    QString text = lineEdit()->displayText();
    int pos = lineEdit()->cursorPosition();
    return validate(text, pos) == QValidator::Acceptable;
}

void XDoubleSpinBox::refreshRefusal()
{
    // Only typed text is refused; a value the program set and the rule
    // rejects is shown red by the rule's verdict instead.
    const bool refused = typing && !shownTextTaken();
    if (refused == textRefused)
        return;
    textRefused = refused;
    paintVerdict();
}

void XDoubleSpinBox::paintVerdict()
{
    if (valueType == nullptr && !textRefused) {
        setPalette(QPalette());
        return;
    }
    QPalette palette;
    palette.setBrush(QPalette::Base, valid && !textRefused ? QColor(255, 255, 255) : QColor(255, 0, 0));
    setPalette(palette);
}

QString XDoubleSpinBox::numberPart(const QString& text) const
{
    QString number = text;
    if (!prefix().isEmpty() && number.startsWith(prefix()))
        number.remove(0, prefix().size());
    if (!suffix().isEmpty() && number.endsWith(suffix()))
        number.chop(suffix().size());
    return number.trimmed();
}

void XDoubleSpinBox::placePopup()
{
    // Beside or below the field, never over the field itself nor over what
    // explains or completes it in its row (a label, a unit choice, a
    // button, a slider), and as little as can be over anything else of its
    // window; always on screen.
    const QRect field(mapToGlobal(QPoint(0, 0)), size());
    // A window never shown has no size of its own yet.
    popup->adjustSize();
    const QSize size = popup->size();
    QScreen* fieldScreen = QGuiApplication::screenAt(field.center());
    if (fieldScreen == nullptr)
        fieldScreen = screen();
    const QRect area = fieldScreen ? fieldScreen->availableGeometry() : QRect();

    QVector<QRect> rowMates;
    QVector<QRect> others;
    for (QWidget* other : window()->findChildren<QWidget*>()) {
        if (other == this || !other->isVisible() || isAncestorOf(other))
            continue;
        if (!qobject_cast<QAbstractSpinBox*>(other) && !qobject_cast<QLineEdit*>(other)
            && !qobject_cast<QComboBox*>(other) && !qobject_cast<QTextEdit*>(other)
            && !qobject_cast<QLabel*>(other) && !qobject_cast<QAbstractButton*>(other)
            && !qobject_cast<QAbstractSlider*>(other))
            continue;
        // The line edit inside another spin box or combo box is that box.
        if (qobject_cast<QLineEdit*>(other) && (qobject_cast<QAbstractSpinBox*>(other->parentWidget())
                                                || qobject_cast<QComboBox*>(other->parentWidget())))
            continue;
        const QRect rect(other->mapToGlobal(QPoint(0, 0)), other->size());
        const bool sameRow = rect.top() < field.bottom() && rect.bottom() > field.top();
        (sameRow ? rowMates : others).append(rect);
    }

    const int gap = 2;
    const QPoint candidates[] = {
        QPoint(field.right() + 1 + gap, field.top()),            // beside, right
        QPoint(field.left(), field.bottom() + 1 + gap),          // below
        QPoint(field.left(), field.top() - gap - size.height()), // above
        QPoint(field.left() - gap - size.width(), field.top()),  // beside, left
    };
    // Where every place covers something, the one that covers least: the
    // field counts most, as it is what the user is looking at, then its row.
    const int rowWeight = others.size() + 1;
    const int fieldWeight = rowWeight * (rowMates.size() + 1);
    QPoint chosen;
    int fewest = -1;
    for (QPoint corner : candidates) {
        QRect place(corner, size);
        if (area.isValid()) {
            // Kept on screen: pushed back from whichever border it crosses.
            place.moveRight(qMin(place.right(), area.right()));
            place.moveLeft(qMax(place.left(), area.left()));
            place.moveBottom(qMin(place.bottom(), area.bottom()));
            place.moveTop(qMax(place.top(), area.top()));
        }
        int covered = place.intersects(field) ? fieldWeight : 0;
        for (const QRect& other : rowMates)
            covered += other.intersects(place) ? rowWeight : 0;
        for (const QRect& other : others)
            covered += other.intersects(place) ? 1 : 0;
        if (fewest < 0 || covered < fewest) {
            fewest = covered;
            chosen = place.topLeft();
        }
        if (covered == 0)
            break;
    }
    popup->move(chosen);
}

void XDoubleSpinBox::updatePopupText(double value)
{
    const double factor = displayFactor;
    switch (displayMode) {
    case 0:
        return;
    case 1:
        popupLabel->setText(CLocale::display(value * factor) + unit + QStringLiteral(" / ")
                            + inches(value));
        break;
    case 2:
        popupLabel->setText(CLocale::display(value * factor) + unit + QStringLiteral(" / ")
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
