#pragma once

#include <QProgressDialog>

// The panel dialog's progress of a build: a part of its view column, not a
// window. It fills a room of its own that the column keeps for it whether
// it shows or not, so nothing moves as it comes and goes, and lays out its
// text over a row of bar and Cancel, low enough to stand beside the OK and
// Cancel of the dialog. A progress dialog grows itself to its size hint
// when its texts change; here the hint is the room, so it never reaches
// over its neighbours.
class BuildProgressStrip : public QProgressDialog
{
public:
    // room: the widget it fills; the column lays that out.
    explicit BuildProgressStrip(QWidget* room);

    // The least height of the room: the text above the bar and Cancel.
    int neededHeight() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layOut();
};
