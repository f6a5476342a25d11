#include "foundation/Observer.h"

Observer::Observer(const QString& name, bool persistent)
    : persistent(persistent), name(name)
{
}

Observer::~Observer() = default;
