#include "bench/AllocationCounter.h"

#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

bool g_counting = false;
AllocationCount g_count;
std::size_t g_liveBytes = 0;

void* allocate(std::size_t size)
{
    void* p = std::malloc(size ? size : 1);
    if (p && g_counting) {
        ++g_count.allocations;
        g_count.bytes += size;
        g_liveBytes += malloc_usable_size(p);
        if (g_liveBytes > g_count.peakBytes) {
            g_count.peakBytes = g_liveBytes;
        }
    }
    return p;
}

void release(void* p)
{
    // Blocks from before counting began make the live level drop below its start.
    if (p && g_counting) {
        const std::size_t size = malloc_usable_size(p);
        g_liveBytes = size < g_liveBytes ? g_liveBytes - size : 0;
    }
    std::free(p);
}

} // namespace

AllocationCounter::AllocationCounter()
{
    g_count = {};
    g_liveBytes = 0;
    g_counting = true;
}

AllocationCounter::~AllocationCounter()
{
    g_counting = false;
}

AllocationCount AllocationCounter::count() const
{
    return g_count;
}

void* operator new(std::size_t size)
{
    if (void* p = allocate(size)) {
        return p;
    }
    throw std::bad_alloc();
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return allocate(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return allocate(size);
}

void operator delete(void* p) noexcept
{
    release(p);
}

void operator delete[](void* p) noexcept
{
    release(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    release(p);
}

void operator delete[](void* p, std::size_t) noexcept
{
    release(p);
}

void operator delete(void* p, const std::nothrow_t&) noexcept
{
    release(p);
}

void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    release(p);
}
