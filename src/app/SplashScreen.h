#pragma once

#include <QSplashScreen>

// The picture shown while the airfoils load. It stays on top of every window
// and ignores clicks, so the user cannot dismiss it before the main window is
// there; it closes itself a fixed delay after loading has ended, which lets
// it overlap the freshly shown main window for a moment.
class SplashScreen : public QSplashScreen
{
    Q_OBJECT

public:
    SplashScreen();
    explicit SplashScreen(int delay);

    int getDelay() const { return delay; }

signals:
    void splashScreenClosed();

public slots:
    // Starts the delay after which the splash screen closes.
    void closeSplashScreen();
    // Closes at once and tells so. Hides QWidget::close() on purpose: the
    // delayed shot names this slot.
    void close();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int delay;
};
