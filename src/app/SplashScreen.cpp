#include "app/SplashScreen.h"

#include <QPixmap>
#include <QTimer>

SplashScreen::SplashScreen()
    : SplashScreen(0)
{
}

SplashScreen::SplashScreen(int delay)
    : QSplashScreen(QPixmap(), Qt::WindowFlags()), delay(delay)
{
    // Replaces the splash window type as well: without it the window manager
    // keeps the picture above the main window for the whole delay.
    setWindowFlags(Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint);
}

void SplashScreen::closeSplashScreen()
{
    QTimer::singleShot(delay, this, &SplashScreen::close);
}

void SplashScreen::close()
{
    QWidget::close();
    emit splashScreenClosed();
}

void SplashScreen::mousePressEvent(QMouseEvent*)
{
    // QSplashScreen hides on a click; the picture stays until loading ends.
}
