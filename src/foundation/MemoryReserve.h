#pragma once

#include <cstddef>

// A few megabytes taken while memory is plentiful and given back the moment
// it runs out: what follows a refusal for lack of memory (its message box,
// the progress window, Qt's own bookkeeping, building the document before
// again) then still finds some. A failed `new` gives the reserve back by
// itself before it fails for good; the recovery paths give it back first
// thing and take it again once they are through.
class MemoryReserve
{
public:
    static constexpr std::size_t size = 8 * 1024 * 1024;

    // Takes the reserve when it is not held and memory allows; never
    // throws. The first call also lets a failing `new` fall back on it.
    static void keep();
    // Gives the reserve back; never throws, never allocates.
    static void release();
    static bool isHeld();
    // Whether bytes more could be taken now: for work inside libraries that
    // do not survive running out (the PDF engine's compression), asked
    // before it begins. Takes nothing.
    static bool hasRoomFor(std::size_t bytes);
};
