#include "output/PopupSettings.h"

#include <limits>

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
