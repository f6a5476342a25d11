#include "app/InitializerThread.h"

#include "airfoils/WingFoils.h"
#include "app/Planformix.h"

InitializerThread::InitializerThread(Planformix* centralWidget)
    : QThread(nullptr), centralWidget(centralWidget)
{
}

InitializerThread::~InitializerThread()
{
    wait();
}

QString InitializerThread::missingDirectoryMessage() const
{
    return WingFoils::missingDirectoryMessage(missingDirectory);
}

void InitializerThread::run()
{
    centralWidget->loadAirfoils(&missingDirectory);
}
