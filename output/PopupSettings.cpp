#include "output/PopupSettings.h"

#include <limits>
#include <utility>

int32_t ReadSpinValue(const QString &text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return 0;
    int64_t value = 0;
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return 0;
        value = value * 10 + (c - u'0');
        if (value > limit)
            return 0;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

namespace {

using TTrigger = TPopupSettings::TShowTrigger;
using TEntrance = TPopupSettings::TEntrance;

const std::pair<TTrigger, const char *> kTriggerNames[] = {
    {TTrigger::Load, "load"},
    {TTrigger::Delay, "delay"},
    {TTrigger::ExitIntent, "exit"},
    {TTrigger::Scroll, "scroll"},
};
const std::pair<TEntrance, const char *> kEntranceNames[] = {
    {TEntrance::None, "none"},
    {TEntrance::Fade, "fade"},
    {TEntrance::Zoom, "zoom"},
};

template <class E, size_t N> QString NameOf(const std::pair<E, const char *> (&names)[N], E value)
{
    for (const auto &[v, name] : names)
        if (v == value)
            return QString::fromLatin1(name);
    return QString::fromLatin1(names[0].second);
}

template <class E, size_t N>
bool ValueOf(const std::pair<E, const char *> (&names)[N], const QString &name, E &value)
{
    for (const auto &[v, n] : names)
        if (name == QLatin1String(n)) {
            value = v;
            return true;
        }
    return false;
}

} // namespace

QString ShowTriggerName(TPopupSettings::TShowTrigger trigger)
{
    return NameOf(kTriggerNames, trigger);
}

QString EntranceName(TPopupSettings::TEntrance entrance)
{
    return NameOf(kEntranceNames, entrance);
}

bool ShowTriggerFromName(const QString &name, TPopupSettings::TShowTrigger &trigger)
{
    return ValueOf(kTriggerNames, name, trigger);
}

bool EntranceFromName(const QString &name, TPopupSettings::TEntrance &entrance)
{
    return ValueOf(kEntranceNames, name, entrance);
}
