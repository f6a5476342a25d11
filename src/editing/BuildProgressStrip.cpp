#include "editing/BuildProgressStrip.h"

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace {

const int rowSpacing = 4;

} // namespace

BuildProgressStrip::BuildProgressStrip(QWidget* room) : QProgressDialog(room)
{
    setObjectName(QStringLiteral("panelBuildProgress"));
    setWindowFlags(Qt::Widget);
    setAutoClose(false);
    setAutoReset(false);
    // Clicking Cancel leaves the keyboard in the field typed into, and
    // Return there still means OK.
    auto* cancel = new QPushButton(this);
    cancel->setFocusPolicy(Qt::NoFocus);
    cancel->setAutoDefault(false);
    setCancelButton(cancel);
    setFocusPolicy(Qt::NoFocus);
    if (auto* label = findChild<QLabel*>())
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Not shown by itself after a while, as a progress window would be: the
    // build shows and hides it.
    reset();
    hide();
    room->installEventFilter(this);
    setGeometry(room->rect());
}

int BuildProgressStrip::neededHeight() const
{
    const auto* bar = findChild<QProgressBar*>();
    const auto* cancel = findChild<QPushButton*>();
    const int row = std::max(bar ? bar->sizeHint().height() : 0, cancel ? cancel->sizeHint().height() : 0);
    return fontMetrics().height() + rowSpacing + row;
}

QSize BuildProgressStrip::sizeHint() const
{
    return parentWidget()->size();
}

QSize BuildProgressStrip::minimumSizeHint() const
{
    return parentWidget()->size();
}

bool BuildProgressStrip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QProgressDialog::eventFilter(watched, event);
}

void BuildProgressStrip::resizeEvent(QResizeEvent*)
{
    layOut();
}

void BuildProgressStrip::showEvent(QShowEvent* event)
{
    QProgressDialog::showEvent(event);
    setGeometry(parentWidget()->rect());
    layOut();
}

void BuildProgressStrip::changeEvent(QEvent* event)
{
    QProgressDialog::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange)
        layOut();
}

void BuildProgressStrip::layOut()
{
    auto* label = findChild<QLabel*>();
    auto* bar = findChild<QProgressBar*>();
    auto* cancel = findChild<QPushButton*>();
    if (!label || !bar)
        return;
    const int lineHeight = fontMetrics().height();
    label->setGeometry(0, 0, width(), lineHeight);
    const QSize button = cancel ? cancel->sizeHint() : QSize(0, 0);
    const int barHeight = bar->sizeHint().height();
    const int row = std::max(barHeight, button.height());
    const int top = lineHeight + rowSpacing;
    if (cancel)
        cancel->setGeometry(width() - button.width(), top, button.width(), row);
    const int barWidth = std::max(0, width() - button.width() - (cancel ? rowSpacing : 0));
    bar->setGeometry(0, top + (row - barHeight) / 2, barWidth, barHeight);
}
