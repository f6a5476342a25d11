#pragma once

// Stands in for memory running out where Qt connects a signal: include it
// in exactly one source file of a test executable. While
// connectionsFailOffMainThread is set, the block Qt takes for a sender's
// connection list comes back null to every thread but the main one, as a
// data limit would return it. Qt takes that block with a plain malloc and
// writes into it unchecked, so a program that connects there ends with a
// segmentation fault. Everything else allocates as usual.
// Under AddressSanitizer, which owns malloc itself, nothing fails:
// connectionFailureAvailable is false.
// Elsewhere malloc and realloc of a build worker also fail as
// workerAllocationsBeforeFailure (FailingAllocation.h) says.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <sys/syscall.h>
#include <unistd.h>

#include "common/FailingAllocation.h"

static std::atomic<bool> connectionsFailOffMainThread{false};

#if defined(__SANITIZE_ADDRESS__) || defined(PLANFORMIX_SANITIZED)
static constexpr bool connectionFailureAvailable = false;
// The sanitizer owns malloc: nothing can be made to fail here.
static bool failConnectionsOffMainThread()
{
    return false;
}
#else
static constexpr bool connectionFailureAvailable = true;

namespace FailingConnection {

using MallocFunction = void* (*)(std::size_t);
using ReallocFunction = void* (*)(void*, std::size_t);
using FreeFunction = void (*)(void*);

// The loader asks for a little memory while malloc itself is looked up.
alignas(16) static char early[64 * 1024];
static std::size_t earlyUsed = 0;
static bool resolving = false;
static std::atomic<std::uintptr_t> connectStart{0};
static std::atomic<std::uintptr_t> connectEnd{0};

static bool isEarly(void* block)
{
    return block >= static_cast<void*>(early) && block < static_cast<void*>(early + sizeof early);
}

template <typename Function>
static Function next(const char* name)
{
    static_assert(sizeof(Function) == sizeof(void*), "a function pointer");
    resolving = true;
    void* found = dlsym(RTLD_NEXT, name);
    resolving = false;
    return reinterpret_cast<Function>(found);
}

// Where QObjectPrivate::addConnection lies, which takes the block.
static bool findConnect()
{
    void* start = dlsym(RTLD_DEFAULT, "_ZN14QObjectPrivate13addConnectionEiPNS_10ConnectionE");
    Dl_info info;
    void* entry = nullptr;
    if (!start || !dladdr1(start, &info, &entry, RTLD_DL_SYMENT) || !entry)
        return false;
    const auto* symbol = static_cast<const ElfW(Sym)*>(entry);
    if (symbol->st_size == 0)
        return false;
    connectStart = reinterpret_cast<std::uintptr_t>(start);
    connectEnd = reinterpret_cast<std::uintptr_t>(start) + symbol->st_size;
    return true;
}

} // namespace FailingConnection

// Arms the failure; false when Qt's connect cannot be found.
static bool failConnectionsOffMainThread()
{
    if (!FailingConnection::connectStart && !FailingConnection::findConnect())
        return false;
    connectionsFailOffMainThread = true;
    return true;
}

extern "C" void* malloc(std::size_t size) noexcept
{
    using namespace FailingConnection;
    if (resolving) {
        const std::size_t rounded = (size + 15) & ~std::size_t(15);
        if (earlyUsed + rounded > sizeof early)
            return nullptr;
        void* block = early + earlyUsed;
        earlyUsed += rounded;
        return block;
    }
    static const MallocFunction system = next<MallocFunction>("malloc");
    if (!allocatingForNew && workerAllocationFails())
        return nullptr;
    if (connectionsFailOffMainThread.load(std::memory_order_relaxed)) {
        const auto caller = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
        if (caller >= connectStart.load() && caller < connectEnd.load() && syscall(SYS_gettid) != getpid())
            return nullptr;
    }
    return system(size);
}

extern "C" void* realloc(void* block, std::size_t size) noexcept
{
    using namespace FailingConnection;
    if (!block)
        return malloc(size);
    if (isEarly(block)) {
        // Moved out of the loader's share, as much of it as there can be.
        void* moved = malloc(size);
        const std::size_t left = std::size_t(early + sizeof early - static_cast<char*>(block));
        if (moved)
            std::memcpy(moved, block, size < left ? size : left);
        return moved;
    }
    static const ReallocFunction system = next<ReallocFunction>("realloc");
    if (size != 0 && workerAllocationFails())
        return nullptr;
    return system(block, size);
}

extern "C" void free(void* block) noexcept
{
    using namespace FailingConnection;
    // What the lookup frees is not worth a second lookup meanwhile.
    if (!block || isEarly(block) || resolving)
        return;
    static const FreeFunction system = next<FreeFunction>("free");
    system(block);
}
#endif
