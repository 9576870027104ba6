#include "imaging/TickCount.h"

#include <ctime>

namespace {
std::function<uint32_t()> &tickSource()
{
    static std::function<uint32_t()> source;
    return source;
}
} // namespace

uint32_t GetTickCount()
{
    if (tickSource())
        return tickSource()();
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t ms =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}

void SetTickCountSource(std::function<uint32_t()> source)
{
    tickSource() = std::move(source);
}
