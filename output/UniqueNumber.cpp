#include "output/UniqueNumber.h"

#include <QRandomGenerator>

namespace {
std::function<uint32_t()> &numberSource()
{
    static std::function<uint32_t()> source;
    return source;
}
} // namespace

uint32_t NewUniqueNumber()
{
    if (numberSource())
        return numberSource()();
    return QRandomGenerator::global()->generate();
}

void SetUniqueNumberSource(std::function<uint32_t()> source)
{
    numberSource() = std::move(source);
}
