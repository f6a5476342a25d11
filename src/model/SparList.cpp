#include "model/SparList.h"

#include <algorithm>

void SparList::clear()
{
    spars.clear();
}

void SparList::addSpar(const SparDefinition& spar)
{
    spars.push_back(spar);
}

int SparList::getNumberOfSpars() const
{
    return int(spars.size());
}

void SparList::adjustToNumberOfRibs(int n)
{
    for (SparDefinition& spar : spars) {
        const int first = spar.getFirstRib();
        spar.setLastRib(std::min(spar.getLastRib(), n));
        if (n > first)
            continue;
        switch (spar.getType()) {
        case SparType::Tube:
        case SparType::CubeTube:
            spar.setFirstRib(n - 1);
            break;
        case SparType::Round:
        case SparType::Square:
        case SparType::Cube:
            if (n < first)
                spar.setFirstRib(n - 1);
            break;
        case SparType::Webbing:
            break;
        }
    }
}
