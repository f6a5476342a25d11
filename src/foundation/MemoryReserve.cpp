#include "foundation/MemoryReserve.h"

#include <atomic>
#include <new>
#include <sys/mman.h>

namespace {

std::atomic<void*> reserve{nullptr};
std::atomic<bool> handlerSet{false};

// Mapped on its own rather than taken from the heap, so that giving it back
// really returns it to the system (and to a data limit), wherever the
// allocator would have put it.
void* mapReserve()
{
    void* block = mmap(nullptr, MemoryReserve::size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return block == MAP_FAILED ? nullptr : block;
}

void unmapReserve(void* block)
{
    munmap(block, MemoryReserve::size);
}

// Called by a `new` that found no memory: the reserve goes, and the
// allocation is tried again; without a reserve it fails as it would have.
void onMemoryShortage()
{
    if (void* block = reserve.exchange(nullptr)) {
        unmapReserve(block);
        return;
    }
    throw std::bad_alloc();
}

} // namespace

void MemoryReserve::keep()
{
    if (!handlerSet.exchange(true))
        std::set_new_handler(onMemoryShortage);
    if (reserve.load())
        return;
    void* block = mapReserve();
    if (!block)
        return;
    void* expected = nullptr;
    if (!reserve.compare_exchange_strong(expected, block))
        unmapReserve(block);
}

void MemoryReserve::release()
{
    if (void* block = reserve.exchange(nullptr))
        unmapReserve(block);
}

bool MemoryReserve::hasRoomFor(std::size_t bytes)
{
    void* block = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED)
        return false;
    munmap(block, bytes);
    return true;
}

bool MemoryReserve::isHeld()
{
    return reserve.load() != nullptr;
}
