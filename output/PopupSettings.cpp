#include "output/PopupSettings.h"

#include "imaging/VantelleError.h"
#include "output/UniqueNumber.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

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

namespace {

// A typed text as a message shows it: whole when short, else its start.
QString Quoted(const QString &text)
{
    constexpr qsizetype kShown = 80;
    return QStringLiteral("\"%1\"").arg(
        text.size() <= kShown ? text : text.left(kShown - 3) + QStringLiteral("..."));
}

void CheckRange(int32_t value, const TSettingRange &range, const char *what, const char *unit)
{
    if (value < range.Lowest || value > range.Highest)
        throw EVantelleError(
            QCoreApplication::translate("PopupSettings", "%1 must be from %2 to %3 %4, not %5")
                .arg(QCoreApplication::translate("PopupSettings", what))
                .arg(range.Lowest)
                .arg(range.Highest)
                .arg(QCoreApplication::translate("PopupSettings", unit))
                .arg(value));
}

bool IsTelephoneNumber(QStringView number)
{
    bool digit = false;
    for (const QChar c : number) {
        if (c.isDigit() && c.unicode() < 0x80)
            digit = true;
        else if (!QStringView(u"+-.() ").contains(c))
            return false;
    }
    return digit;
}

} // namespace

QString CheckedLink(const QString &typed)
{
    const QString link = typed.trimmed();
    if (link.isEmpty())
        return link;
    for (const QChar c : link)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            throw EVantelleError(QCoreApplication::translate(
                "PopupSettings", "The link holds a line break or another control character"));

    const auto refuse = [&](const QString &why) {
        return EVantelleError(
            QCoreApplication::translate("PopupSettings", "The link %1 %2").arg(Quoted(link), why));
    };
    static const QRegularExpression schemeAtStart(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):"));
    const QRegularExpressionMatch scheme = schemeAtStart.match(link);
    if (!scheme.hasMatch()) {
        // Relative to the page, or to its site's scheme ("//host/...").
        if (link.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
            throw refuse(QCoreApplication::translate(
                "PopupSettings", "would open a file beside the page: write https:// "
                                 "before the site's name"));
        const QUrl url(link, QUrl::TolerantMode);
        if (!url.isValid() || (link.startsWith(QLatin1String("//")) && url.host().isEmpty()))
            throw refuse(QCoreApplication::translate("PopupSettings", "is not a valid address"));
        return link;
    }

    const QString name = scheme.captured(1).toLower();
    const QStringView rest = QStringView(link).mid(scheme.capturedLength());
    if (name == QLatin1String("http") || name == QLatin1String("https")) {
        const QUrl url(link, QUrl::TolerantMode);
        const auto noSite = [&] {
            return refuse(QCoreApplication::translate(
                "PopupSettings", "names no site: write the whole address, such as "
                                 "https://www.example.com/offer.htm"));
        };
        if (!rest.startsWith(QLatin1String("//")))
            throw noSite();
        if (!url.isValid())
            throw refuse(QCoreApplication::translate(
                "PopupSettings", "is not a valid address: check the site's name and "
                                 "port"));
        if (url.host().isEmpty())
            throw noSite();
        return link;
    }
    if (name == QLatin1String("mailto")) {
        const QStringView to = rest.left(rest.indexOf(u'?'));
        const qsizetype at = to.indexOf(u'@');
        if (at <= 0 || at == to.size() - 1)
            throw refuse(QCoreApplication::translate(
                "PopupSettings", "names no e-mail address: write mailto: and the address, "
                                 "such as mailto:info@example.com"));
        return link;
    }
    if (name == QLatin1String("tel")) {
        if (!IsTelephoneNumber(rest.left(rest.indexOf(u';'))))
            throw refuse(QCoreApplication::translate(
                "PopupSettings", "names no telephone number: write tel: and the number, "
                                 "such as tel:+15550100"));
        return link;
    }
    throw refuse(QCoreApplication::translate(
        "PopupSettings", "cannot be used: a link is a web address (http:// or https://), "
                         "an e-mail address (mailto:), a telephone number (tel:) or an "
                         "address relative to the page (such as offer.htm)"));
}

bool OpensLink(const TPopupSettings &settings)
{
    return settings.ClickOpensLink && !settings.LinkURL.trimmed().isEmpty();
}

bool IsUsableCookieName(const QString &name)
{
    static const QRegularExpression usable(QStringLiteral("^[A-Za-z][A-Za-z0-9_]*$"));
    return name.size() <= SettingRanges::CookieNameLength && usable.match(name).hasMatch();
}

void CheckCookieName(const QString &name)
{
    if (!IsUsableCookieName(name))
        throw EVantelleError(
            QCoreApplication::translate("PopupSettings",
                                        "The cookie name %1 must begin with a letter and hold "
                                        "only letters, digits and underscores, at most %2")
                .arg(Quoted(name))
                .arg(SettingRanges::CookieNameLength));
}

QString NewCookieName()
{
    return QStringLiteral("Cookie_ID_") + QString::number(NewUniqueNumber());
}

void CheckPopupSettings(const TPopupSettings &s)
{
    CheckRange(s.AutoCloseDelay, SettingRanges::AutoCloseDelay,
               QT_TRANSLATE_NOOP("PopupSettings", "The auto close delay"),
               QT_TRANSLATE_NOOP("PopupSettings", "seconds"));
    CheckRange(s.ShowDelay, SettingRanges::ShowDelay,
               QT_TRANSLATE_NOOP("PopupSettings", "The delay before the popup shows"),
               QT_TRANSLATE_NOOP("PopupSettings", "seconds"));
    CheckRange(
        s.ScrollPercent, SettingRanges::ScrollPercent,
        QT_TRANSLATE_NOOP("PopupSettings", "The share of the page scrolled before the popup shows"),
        QT_TRANSLATE_NOOP("PopupSettings", "percent"));
    if (s.RepeatDays != 0)
        CheckRange(s.RepeatDays, SettingRanges::RepeatDays,
                   QT_TRANSLATE_NOOP("PopupSettings",
                                     "The days before the popup shows again (0 for no such limit)"),
                   QT_TRANSLATE_NOOP("PopupSettings", "days"));
    CheckRange(s.BackdropOpacity, SettingRanges::BackdropOpacity,
               QT_TRANSLATE_NOOP("PopupSettings", "The backdrop's opacity"),
               QT_TRANSLATE_NOOP("PopupSettings", "percent"));
    if (s.ClickOpensLink)
        CheckedLink(s.LinkURL);
    if (!s.CookieName.isEmpty())
        CheckCookieName(s.CookieName);
    CheckPopupSchedule(s.Schedule);
}

void CheckCloseButtonPlace(int documentSize, const TPixelRect &drawn)
{
    if (drawn.Left == drawn.Right && drawn.Top == drawn.Bottom)
        return;
    // Twice the middle, so that odd sizes need no rounding.
    const long long middleX = static_cast<long long>(drawn.Left) + drawn.Right;
    const long long middleY = static_cast<long long>(drawn.Top) + drawn.Bottom;
    const long long twice = 2LL * documentSize;
    if (middleX < 0 || middleX >= twice || middleY < 0 || middleY >= twice)
        throw EVantelleError(QStringLiteral(
            "The close button lies outside the popup's picture: at least its middle must be on "
            "the picture. Move it onto the picture, or choose \"No close button\""));
}
