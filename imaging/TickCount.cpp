#include "imaging/TickCount.h"

#include <QElapsedTimer>

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
    // The monotonic clock's reference is the boot.
    QElapsedTimer clock;
    clock.start();
    return static_cast<uint32_t>(clock.msecsSinceReference());
}

void SetTickCountSource(std::function<uint32_t()> source)
{
    tickSource() = std::move(source);
}
