#include "document/SettingsJson.h"

#include <QJsonValue>

#include <cmath>
#include <limits>

namespace {

// Longest link, page path or folder path a design may hold.
constexpr qsizetype MaxLinkLength = 65536;
constexpr qsizetype MaxPathLength = 4096;

QString Key(const QString &where, const char *key)
{
    const QString name = QString::fromLatin1(key);
    return where.isEmpty() ? QStringLiteral("\"%1\"").arg(name)
                           : QStringLiteral("\"%1.%2\"").arg(where, name);
}

QJsonObject ScheduleToJson(const TPopupSchedule &schedule)
{
    QJsonObject json;
    if (!schedule.From.isEmpty())
        json.insert(QStringLiteral("from"), schedule.From);
    if (!schedule.Until.isEmpty())
        json.insert(QStringLiteral("until"), schedule.Until);
    json.insert(QStringLiteral("clock"), schedule.VisitorTime
                                             ? QStringLiteral("visitor")
                                             : UtcOffsetText(schedule.UtcOffsetMinutes));
    json.insert(QStringLiteral("days"), WeekDaysText(schedule.Days));
    if (schedule.HasHours)
        json.insert(QStringLiteral("hours"),
                    TimeOfDayText(schedule.HoursFrom) + u'-' + TimeOfDayText(schedule.HoursUntil));
    return json;
}

// "UTC", "UTC+HH:MM" or "UTC-HH:MM" as minutes from UTC.
bool ReadUtcOffset(const QString &text, int32_t &minutes)
{
    if (text == QLatin1String("UTC")) {
        minutes = 0;
        return true;
    }
    QString wallClock;
    bool hasOffset = false;
    return text.size() == 9 && text.startsWith(QLatin1String("UTC")) &&
           ParseScheduleTime(QStringLiteral("2000-01-01T00:00") + text.mid(3), wallClock, hasOffset,
                             minutes);
}

TPopupSchedule ScheduleFromJson(const QJsonObject &json)
{
    const QString where = QStringLiteral("behaviour.schedule");
    TPopupSchedule s;
    // Written as the program writes them; a time with a clock of its own would contradict
    // "clock".
    for (const char *key : {"from", "until"}) {
        const QString text = JsonText(json, key, QString(), 64, where);
        QString wallClock;
        bool hasOffset = false;
        int32_t offset = 0;
        if (!text.isEmpty() && (!ParseScheduleTime(text, wallClock, hasOffset, offset) ||
                                hasOffset || wallClock != text))
            throw EDesignFormat(QStringLiteral("\"%1.%2\" must be a date and time written as "
                                               "2026-12-24T18:00:00")
                                    .arg(where, QLatin1String(key)));
        (key[0] == 'f' ? s.From : s.Until) = text;
    }
    const QString clock = JsonText(json, "clock", QStringLiteral("visitor"), 16, where);
    s.VisitorTime = clock == QLatin1String("visitor");
    if (!s.VisitorTime && !ReadUtcOffset(clock, s.UtcOffsetMinutes))
        throw EDesignFormat(QStringLiteral("\"%1.clock\" must be \"visitor\", \"UTC\" or "
                                           "UTC with an offset such as \"UTC+01:00\"")
                                .arg(where));
    const QString days = JsonText(json, "days", WeekDaysText(s.Days), 64, where);
    if (!ParseWeekDays(days, s.Days))
        throw EDesignFormat(QStringLiteral("\"%1.days\" must name days of the week such as "
                                           "\"mon,tue,wed\"")
                                .arg(where));
    const QString hours = JsonText(json, "hours", QString(), 16, where);
    s.HasHours = !hours.isEmpty();
    if (s.HasHours && !ParseDailyHours(hours, s.HoursFrom, s.HoursUntil))
        throw EDesignFormat(
            QStringLiteral("\"%1.hours\" must be two times of the day such as \"09:00-17:30\"")
                .arg(where));
    try {
        CheckPopupSchedule(s);
    } catch (const EVantelleError &e) {
        throw EDesignFormat(e.message());
    }
    return s;
}

} // namespace

bool JsonBool(const QJsonObject &json, const char *key, bool fallback, const QString &where)
{
    const QJsonValue value = json.value(QLatin1String(key));
    if (value.isUndefined())
        return fallback;
    if (!value.isBool())
        throw EDesignFormat(QStringLiteral("%1 must be true or false").arg(Key(where, key)));
    return value.toBool();
}

int64_t JsonInteger(const QJsonObject &json, const char *key, int64_t fallback, int64_t lowest,
                    int64_t highest, const QString &where)
{
    const QJsonValue value = json.value(QLatin1String(key));
    if (value.isUndefined())
        return fallback;
    const double number = value.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!value.isDouble() || !std::isfinite(number) || std::floor(number) != number ||
        number < static_cast<double>(lowest) || number > static_cast<double>(highest))
        throw EDesignFormat(QStringLiteral("%1 must be a whole number from %2 to %3")
                                .arg(Key(where, key))
                                .arg(lowest)
                                .arg(highest));
    return static_cast<int64_t>(number);
}

QString JsonText(const QJsonObject &json, const char *key, const QString &fallback,
                 qsizetype maxLength, const QString &where)
{
    const QJsonValue value = json.value(QLatin1String(key));
    if (value.isUndefined())
        return fallback;
    if (!value.isString())
        throw EDesignFormat(QStringLiteral("%1 must be a text").arg(Key(where, key)));
    QString text = value.toString();
    if (text.size() > maxLength)
        throw EDesignFormat(
            QStringLiteral("%1 is longer than %2 characters").arg(Key(where, key)).arg(maxLength));
    return text;
}

QJsonObject PopupSettingsToJson(const TPopupSettings &s)
{
    QJsonObject json;
    json.insert(QStringLiteral("clickOpensLink"), s.ClickOpensLink);
    json.insert(QStringLiteral("linkUrl"), s.LinkURL);
    json.insert(QStringLiteral("linkInSameWindow"), s.LinkInSameWindow);
    json.insert(QStringLiteral("autoClose"), s.AutoClose);
    json.insert(QStringLiteral("autoCloseDelay"), s.AutoCloseDelay);
    json.insert(QStringLiteral("oncePerSession"), s.OncePerSession);
    json.insert(QStringLiteral("autoCenter"), s.AutoCenter);
    json.insert(QStringLiteral("manualLeft"), s.ManualLeft);
    json.insert(QStringLiteral("manualTop"), s.ManualTop);
    json.insert(QStringLiteral("showWhen"), ShowTriggerName(s.ShowTrigger));
    json.insert(QStringLiteral("showDelay"), s.ShowDelay);
    json.insert(QStringLiteral("scrollPercent"), s.ScrollPercent);
    json.insert(QStringLiteral("repeatDays"), s.RepeatDays);
    json.insert(QStringLiteral("backdrop"), s.Backdrop);
    json.insert(
        QStringLiteral("backdropColor"),
        QStringLiteral("#%1").arg(s.BackdropColor & 0xFFFFFFu, 6, 16, QLatin1Char('0')).toUpper());
    json.insert(QStringLiteral("backdropOpacity"), s.BackdropOpacity);
    json.insert(QStringLiteral("backdropClickCloses"), s.BackdropClickCloses);
    json.insert(QStringLiteral("entrance"), EntranceName(s.Entrance));
    json.insert(QStringLiteral("screenReaderTextOn"), s.ScreenReaderTextOn);
    json.insert(QStringLiteral("screenReaderText"), s.ScreenReaderText);
    json.insert(QStringLiteral("sharpPicture"), s.SharpPicture);
    json.insert(QStringLiteral("cookieName"), s.CookieName);
    // Only where they limit the popup, so that a design without them is written as before.
    if (s.Schedule != TPopupSchedule())
        json.insert(QStringLiteral("schedule"), ScheduleToJson(s.Schedule));
    if (s.Devices != TPopupDevices::All)
        json.insert(QStringLiteral("devices"), DevicesName(s.Devices));
    // English, which designs made before the choice speak, is left out.
    if (s.Language != QLatin1String("en"))
        json.insert(QStringLiteral("language"), s.Language);
    return json;
}

TPopupSettings PopupSettingsFromJson(const QJsonObject &json)
{
    const QString where = QStringLiteral("behaviour");
    constexpr int64_t lo = std::numeric_limits<int32_t>::min();
    constexpr int64_t hi = std::numeric_limits<int32_t>::max();
    TPopupSettings s;
    s.ClickOpensLink = JsonBool(json, "clickOpensLink", s.ClickOpensLink, where);
    // Any text the link box held opens, so that a design saved with a link still to be mended
    // can be mended; the link is checked when the popup is made. "http://" alone was what a new
    // design's box held before an empty box meant no link.
    s.LinkURL = JsonText(json, "linkUrl", s.LinkURL, MaxLinkLength, where);
    if (s.LinkURL == QLatin1String("http://"))
        s.LinkURL.clear();
    s.LinkInSameWindow = JsonBool(json, "linkInSameWindow", s.LinkInSameWindow, where);
    s.AutoClose = JsonBool(json, "autoClose", s.AutoClose, where);
    const auto number = [&](const char *key, int32_t fallback, const TSettingRange &range) {
        return static_cast<int32_t>(
            JsonInteger(json, key, fallback, range.Lowest, range.Highest, where));
    };
    s.AutoCloseDelay = number("autoCloseDelay", s.AutoCloseDelay, SettingRanges::AutoCloseDelay);
    s.OncePerSession = JsonBool(json, "oncePerSession", s.OncePerSession, where);
    s.AutoCenter = JsonBool(json, "autoCenter", s.AutoCenter, where);
    s.ManualLeft =
        static_cast<int32_t>(JsonInteger(json, "manualLeft", s.ManualLeft, lo, hi, where));
    s.ManualTop = static_cast<int32_t>(JsonInteger(json, "manualTop", s.ManualTop, lo, hi, where));

    const QString showWhen = JsonText(json, "showWhen", ShowTriggerName(s.ShowTrigger), 16, where);
    if (!ShowTriggerFromName(showWhen, s.ShowTrigger))
        throw EDesignFormat(QStringLiteral("\"behaviour.showWhen\" must be \"load\", \"delay\", "
                                           "\"exit\" or \"scroll\""));
    s.ShowDelay = number("showDelay", s.ShowDelay, SettingRanges::ShowDelay);
    s.ScrollPercent = number("scrollPercent", s.ScrollPercent, SettingRanges::ScrollPercent);
    // 0 turns the limit in days off.
    s.RepeatDays = number("repeatDays", s.RepeatDays, {0, SettingRanges::RepeatDays.Highest});
    if (s.RepeatDays != 0 && s.RepeatDays < SettingRanges::RepeatDays.Lowest)
        throw EDesignFormat(QStringLiteral("\"behaviour.repeatDays\" must be 0 or a whole number "
                                           "from %1 to %2")
                                .arg(SettingRanges::RepeatDays.Lowest)
                                .arg(SettingRanges::RepeatDays.Highest));
    s.Backdrop = JsonBool(json, "backdrop", s.Backdrop, where);
    const QString colour = JsonText(json, "backdropColor", QStringLiteral("#000000"), 16, where);
    bool ok = colour.size() == 7 && colour[0] == u'#';
    const uint32_t value = ok ? colour.mid(1).toUInt(&ok, 16) : 0;
    if (!ok)
        throw EDesignFormat(
            QStringLiteral("\"behaviour.backdropColor\" must be a colour written #RRGGBB"));
    s.BackdropColor = value;
    s.BackdropOpacity =
        number("backdropOpacity", s.BackdropOpacity, SettingRanges::BackdropOpacity);
    s.BackdropClickCloses = JsonBool(json, "backdropClickCloses", s.BackdropClickCloses, where);
    const QString entrance = JsonText(json, "entrance", EntranceName(s.Entrance), 16, where);
    if (!EntranceFromName(entrance, s.Entrance))
        throw EDesignFormat(
            QStringLiteral("\"behaviour.entrance\" must be \"none\", \"fade\" or \"zoom\""));
    s.ScreenReaderTextOn = JsonBool(json, "screenReaderTextOn", s.ScreenReaderTextOn, where);
    s.ScreenReaderText =
        JsonText(json, "screenReaderText", s.ScreenReaderText, MaxLinkLength, where);
    s.SharpPicture = JsonBool(json, "sharpPicture", s.SharpPicture, where);
    s.CookieName =
        JsonText(json, "cookieName", s.CookieName, SettingRanges::CookieNameLength, where);
    if (!s.CookieName.isEmpty() && !IsUsableCookieName(s.CookieName))
        throw EDesignFormat(QStringLiteral("\"behaviour.cookieName\" must begin with a letter and "
                                           "hold only letters, digits and underscores"));
    const QJsonValue schedule = json.value(QLatin1String("schedule"));
    if (!schedule.isUndefined()) {
        if (!schedule.isObject())
            throw EDesignFormat(QStringLiteral("\"behaviour.schedule\" must be an object"));
        s.Schedule = ScheduleFromJson(schedule.toObject());
    }
    const QString devices = JsonText(json, "devices", DevicesName(s.Devices), 16, where);
    if (!DevicesFromName(devices, s.Devices))
        throw EDesignFormat(
            QStringLiteral("\"behaviour.devices\" must be \"all\", \"touch\" or \"desktop\""));
    // A design without the key was made before the choice and speaks English, whatever the
    // program's language: opening it does not change its popup.
    s.Language = JsonText(json, "language", QStringLiteral("en"), 16, where);
    if (!IsPopupLanguage(s.Language))
        throw EDesignFormat(QStringLiteral("\"behaviour.language\" must be one of %1")
                                .arg(PopupLanguages().join(QStringLiteral(", "))));
    return s;
}

QJsonObject OutputTargetsToJson(const TOutputTargets &targets)
{
    QJsonObject json;
    json.insert(QStringLiteral("page"), targets.ExistingFile);
    json.insert(QStringLiteral("folder"), targets.SaveToFolder);
    return json;
}

TOutputTargets OutputTargetsFromJson(const QJsonObject &json)
{
    const QString where = QStringLiteral("output");
    TOutputTargets targets;
    targets.ExistingFile = JsonText(json, "page", QString(), MaxPathLength, where);
    targets.SaveToFolder = JsonText(json, "folder", QString(), MaxPathLength, where);
    return targets;
}
