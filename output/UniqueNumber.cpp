#include "output/UniqueNumber.h"

#include <QRandomGenerator>

#include <mutex>

namespace {
std::function<uint32_t()> &numberSource()
{
    static std::function<uint32_t()> source;
    return source;
}

// The preview's files are written on a worker thread, whose script may draw a cookie name while
// the window's thread draws a folder's name.
std::mutex &numberLock()
{
    static std::mutex lock;
    return lock;
}
} // namespace

uint32_t NewUniqueNumber()
{
    const std::lock_guard hold(numberLock());
    if (numberSource())
        return numberSource()();
    return QRandomGenerator::global()->generate();
}

void SetUniqueNumberSource(std::function<uint32_t()> source)
{
    const std::lock_guard hold(numberLock());
    numberSource() = std::move(source);
}
