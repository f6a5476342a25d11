#pragma once

// Stands in for memory running out: include it in exactly one source file
// of a test executable, which then allocates through these operators. Set
// allocationsBeforeFailure to n and the allocation after the next n fails
// with std::bad_alloc, on whichever of the program's own threads asks;
// later ones succeed again. Threads Qt starts for itself (the X event
// reader of a test under Xvfb, say) are left alone: a failure there ends the
// process before the program could refuse anything, and when such a thread
// happens to allocate is up to the machine.
// Negative: none fails. Every form of new and delete is replaced, so that
// all of them pair malloc with free (a sanitizer checks the pairs).
// workerAllocationsBeforeFailure does the same for the threads that run a
// piece of concurrent work (the build workers) alone, counting their
// allocations in their order; where FailingConnection.h is included (and
// no sanitizer owns malloc) their malloc and realloc count and fail too.
// recyclingFromAllocation then tells what the count stood at when a worker
// first allocated with its point recycler open: where a rib pipeline began.

#include <atomic>
#include <cerrno>
#include <cstring>
#include <sys/prctl.h>
#include <cstdlib>
#include <new>

#include "foundation/ConcurrentWork.h"
#include "foundation/Vertex.h"

static std::atomic<long long> allocationsBeforeFailure{-1};
static std::atomic<long long> workerAllocationsBeforeFailure{-1};
static std::atomic<long long> recyclingFromAllocation{-1};
// Set while new takes its block from malloc, which then counts nothing.
static thread_local bool allocatingForNew = false;

static bool workerAllocationFails()
{
    if (workerAllocationsBeforeFailure.load(std::memory_order_relaxed) < 0 || !ConcurrentWork::inPiece())
        return false;
    const long long left = workerAllocationsBeforeFailure.fetch_sub(1);
    long long unset = -1;
    if (PointMemory::recycler.depth > 0 && recyclingFromAllocation.load(std::memory_order_relaxed) < 0)
        recyclingFromAllocation.compare_exchange_strong(unset, left);
    return left == 0;
}

// Qt names its threads after their class ("QXcbEventQueue", "QThread");
// the main thread and the std::threads the program starts keep the name of
// the executable. Asking the name allocates nothing.
static bool mayFailHere()
{
    thread_local int ours = -1;
    if (ours < 0) {
        char name[16] = {};
        prctl(PR_GET_NAME, name, 0, 0, 0);
        ours = std::strncmp(name, program_invocation_short_name, sizeof name - 1) == 0 ? 1 : 0;
    }
    return ours == 1;
}

static void* allocateOrFail(std::size_t size)
{
    if (allocationsBeforeFailure.load(std::memory_order_relaxed) >= 0 && mayFailHere()
        && allocationsBeforeFailure.fetch_sub(1) == 0)
        throw std::bad_alloc();
    if (workerAllocationFails())
        throw std::bad_alloc();
    allocatingForNew = true;
    void* block = std::malloc(size ? size : 1);
    allocatingForNew = false;
    if (block)
        return block;
    throw std::bad_alloc();
}

void* operator new(std::size_t size)
{
    return allocateOrFail(size);
}

void* operator new[](std::size_t size)
{
    return allocateOrFail(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocateOrFail(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return allocateOrFail(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    std::free(block);
}
