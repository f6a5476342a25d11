#pragma once

// Stands in for memory running out: include it in exactly one source file
// of a test executable, which then allocates through these operators. Set
// allocationsBeforeFailure to n and the allocation after the next n fails
// with std::bad_alloc, on whichever thread asks; later ones succeed again.
// Negative: none fails. Every form of new and delete is replaced, so that
// all of them pair malloc with free (a sanitizer checks the pairs).

#include <atomic>
#include <cstdlib>
#include <new>

static std::atomic<long long> allocationsBeforeFailure{-1};

static void* allocateOrFail(std::size_t size)
{
    if (allocationsBeforeFailure.load(std::memory_order_relaxed) >= 0 && allocationsBeforeFailure.fetch_sub(1) == 0)
        throw std::bad_alloc();
    if (void* block = std::malloc(size ? size : 1))
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
