#include "app/PlanformixApplication.h"

PlanformixApplication::PlanformixApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

PlanformixApplication::~PlanformixApplication() = default;

bool PlanformixApplication::event(QEvent* event)
{
    return QApplication::event(event);
}
