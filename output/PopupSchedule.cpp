#include "output/PopupSchedule.h"

#include "imaging/VantelleError.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>

namespace {

const char *const kDayNames[7] = {"mon", "tue", "wed", "thu", "fri", "sat", "sun"};

// The date-time exactly as written, read as UTC so that no local rule moves or refuses it.
QDateTime ReadWallClock(const QString &text)
{
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(text.mid(11), QStringLiteral("HH:mm:ss"));
    if (text.size() != 19 || text[10] != u'T' || !date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, Qt::UTC);
}

} // namespace

bool TPopupSchedule::IsSet() const
{
    return !From.isEmpty() || !Until.isEmpty() || Days != AllDays || HasHours;
}

QString DevicesName(TPopupDevices devices)
{
    switch (devices) {
    case TPopupDevices::Touch:
        return QStringLiteral("touch");
    case TPopupDevices::Desktop:
        return QStringLiteral("desktop");
    case TPopupDevices::All:
        break;
    }
    return QStringLiteral("all");
}

bool DevicesFromName(const QString &name, TPopupDevices &devices)
{
    for (TPopupDevices d : {TPopupDevices::All, TPopupDevices::Touch, TPopupDevices::Desktop})
        if (name == DevicesName(d)) {
            devices = d;
            return true;
        }
    return false;
}

bool ParseScheduleTime(const QString &text, QString &wallClock, bool &hasOffset,
                       int32_t &offsetMinutes)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})T(\\d{2}:\\d{2})(:\\d{2})?(Z|[+-]\\d{2}:\\d{2})?$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    const QString written = m.captured(1) + u'T' + m.captured(2) +
                            (m.hasCaptured(3) ? m.captured(3) : QStringLiteral(":00"));
    if (!ReadWallClock(written).isValid())
        return false;
    const QString zone = m.captured(4);
    int32_t offset = 0;
    if (!zone.isEmpty() && zone != QLatin1String("Z")) {
        const int hours = zone.mid(1, 2).toInt();
        const int minutes = zone.mid(4, 2).toInt();
        if (minutes > 59)
            return false;
        offset = (hours * 60 + minutes) * (zone[0] == u'-' ? -1 : 1);
    }
    wallClock = written;
    hasOffset = !zone.isEmpty();
    offsetMinutes = offset;
    return true;
}

bool ParseDailyHours(const QString &text, int32_t &from, int32_t &until)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{2}):(\\d{2})-(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    const int h1 = m.captured(1).toInt(), m1 = m.captured(2).toInt();
    const int h2 = m.captured(3).toInt(), m2 = m.captured(4).toInt();
    // 24:00 ends a span at midnight.
    if (h1 > 23 || m1 > 59 || h2 > 24 || m2 > 59 || (h2 == 24 && m2 != 0))
        return false;
    from = h1 * 60 + m1;
    until = (h2 * 60 + m2) % (24 * 60);
    return true;
}

bool ParseWeekDays(const QString &text, uint32_t &days)
{
    uint32_t bits = 0;
    for (const QString &part : text.split(u',')) {
        const QString name = part.trimmed().toLower();
        int i = 0;
        while (i < 7 && name != QLatin1String(kDayNames[i]))
            ++i;
        if (i == 7)
            return false;
        bits |= 1u << i;
    }
    days = bits;
    return true;
}

QString WeekDaysText(uint32_t days)
{
    QStringList names;
    for (int i = 0; i < 7; ++i)
        if (days & (1u << i))
            names << QString::fromLatin1(kDayNames[i]);
    return names.join(u',');
}

QString TimeOfDayText(int32_t minutes)
{
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString UtcOffsetText(int32_t minutes)
{
    if (minutes == 0)
        return QStringLiteral("UTC");
    const int32_t size = minutes < 0 ? -minutes : minutes;
    return QStringLiteral("UTC%1%2")
        .arg(QLatin1String(minutes < 0 ? "-" : "+"))
        .arg(TimeOfDayText(size));
}

int64_t WallClockMilliseconds(const QString &wallClock)
{
    return ReadWallClock(wallClock).toMSecsSinceEpoch();
}

void CheckPopupSchedule(const TPopupSchedule &s)
{
    const auto checkTime = [](const QString &text, const char *what) {
        if (text.isEmpty())
            return QDateTime();
        const QDateTime at = ReadWallClock(text);
        if (!at.isValid())
            throw EVantelleError(
                QCoreApplication::translate("PopupSchedule",
                                            "The schedule's %1 \"%2\" is not a date and time "
                                            "written as 2026-12-24T18:00:00")
                    .arg(QCoreApplication::translate("PopupSchedule", what), text.left(40)));
        if (at.date().year() < ScheduleRanges::FirstYear ||
            at.date().year() > ScheduleRanges::LastYear)
            throw EVantelleError(
                QCoreApplication::translate("PopupSchedule",
                                            "The schedule's %1 %2 must lie in the years %3 "
                                            "to %4")
                    .arg(QCoreApplication::translate("PopupSchedule", what), text)
                    .arg(ScheduleRanges::FirstYear)
                    .arg(ScheduleRanges::LastYear));
        return at;
    };
    const QDateTime from = checkTime(s.From, QT_TRANSLATE_NOOP("PopupSchedule", "start"));
    const QDateTime until = checkTime(s.Until, QT_TRANSLATE_NOOP("PopupSchedule", "end"));
    if (from.isValid() && until.isValid() && until <= from)
        throw EVantelleError(
            QCoreApplication::translate(
                "PopupSchedule",
                "The schedule ends (%1) before it begins (%2): the popup would never "
                "show")
                .arg(s.Until, s.From));
    if (!s.VisitorTime && (s.UtcOffsetMinutes < ScheduleRanges::LowestOffset ||
                           s.UtcOffsetMinutes > ScheduleRanges::HighestOffset))
        throw EVantelleError(QCoreApplication::translate(
                                 "PopupSchedule", "The schedule's clock must be UTC-12:00 to "
                                                  "UTC+14:00, not %1 minutes from UTC")
                                 .arg(s.UtcOffsetMinutes));
    if ((s.Days & TPopupSchedule::AllDays) == 0 || (s.Days & ~TPopupSchedule::AllDays) != 0)
        throw EVantelleError(QCoreApplication::translate(
            "PopupSchedule",
            "The schedule names no day of the week: choose at least one day, or every day"));
    if (s.HasHours) {
        constexpr int32_t day = 24 * 60;
        if (s.HoursFrom < 0 || s.HoursFrom >= day || s.HoursUntil < 0 || s.HoursUntil >= day)
            throw EVantelleError(QCoreApplication::translate(
                "PopupSchedule", "The schedule's hours must be times of the day from 00:00 to "
                                 "23:59"));
        if (s.HoursFrom == s.HoursUntil)
            throw EVantelleError(
                QCoreApplication::translate("PopupSchedule",
                                            "The schedule's hours begin and end at %1: give "
                                            "two different times, or no hours")
                    .arg(TimeOfDayText(s.HoursFrom)));
    }
}
