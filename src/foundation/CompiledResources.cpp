#include "foundation/CompiledResources.h"

#include <QtGlobal>
#include <mutex>

// Q_INIT_RESOURCE must be used outside any namespace.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

void CompiledResources::ensureLoaded()
{
    static std::once_flag once;
    std::call_once(once, registerResources);
}
