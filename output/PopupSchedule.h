#pragma once

// When and to whom the popup shows: a span of dates and times, days of the week and hours of
// the day on one clock (the visitor's own, or UTC moved by a fixed offset), and the kind of
// device. The defaults, no schedule and every device, leave the script as it is without them.

#include <QString>

#include <cstdint>

struct TPopupSchedule {
    // Date-times written yyyy-MM-ddTHH:mm:ss on the schedule's clock; empty for no bound. The
    // popup shows from From on and no longer at Until.
    QString From;
    QString Until;
    // true: the visitor's local time; false: UTC plus UtcOffsetMinutes (0 for UTC itself).
    bool VisitorTime = true;
    int32_t UtcOffsetMinutes = 0;
    // Days of the week on which it shows: bit 0 Monday ... bit 6 Sunday.
    uint32_t Days = AllDays;
    // Between two times of the day, in minutes after midnight; Until is the first minute it no
    // longer shows. An Until before From spans midnight, and the hours after midnight belong to
    // the day on which the span began.
    bool HasHours = false;
    int32_t HoursFrom = 9 * 60;
    int32_t HoursUntil = 17 * 60;

    static constexpr uint32_t AllDays = 0x7F;

    // Whether any of the above limits the popup.
    bool IsSet() const;
    bool operator==(const TPopupSchedule &other) const = default;
};

enum class TPopupDevices { All, Touch, Desktop };

// "all", "touch", "desktop" as the design file, the script and vantelle-popupgen write them.
QString DevicesName(TPopupDevices devices);
bool DevicesFromName(const QString &name, TPopupDevices &devices);

namespace ScheduleRanges {
// Offsets from UTC that clocks in use have, -12:00 to +14:00.
inline constexpr int32_t LowestOffset = -12 * 60;
inline constexpr int32_t HighestOffset = 14 * 60;
inline constexpr int FirstYear = 2000;
inline constexpr int LastYear = 9999;
} // namespace ScheduleRanges

// An ISO date and time as typed: yyyy-MM-ddTHH:mm or yyyy-MM-ddTHH:mm:ss, optionally followed by
// Z or +HH:MM / -HH:MM. wallClock gets the date-time written yyyy-MM-ddTHH:mm:ss; hasOffset
// tells whether a clock was named, and offsetMinutes which. false for anything else.
bool ParseScheduleTime(const QString &text, QString &wallClock, bool &hasOffset,
                       int32_t &offsetMinutes);
// "HH:MM-HH:MM" in minutes after midnight; false for anything else.
bool ParseDailyHours(const QString &text, int32_t &from, int32_t &until);
// "mon,tue,..." (three-letter English names, any order and case) as bits; false for an unknown
// name or an empty list.
bool ParseWeekDays(const QString &text, uint32_t &days);
// The reverse of ParseWeekDays, for files and messages.
QString WeekDaysText(uint32_t days);
// Minutes after midnight as HH:MM.
QString TimeOfDayText(int32_t minutes);
// An offset from UTC as "UTC", "UTC+01:00", "UTC-03:30".
QString UtcOffsetText(int32_t minutes);

// A checked From or Until in milliseconds after 1970-01-01T00:00 read as UTC, which is how the
// script compares it with the visitor's clock moved to the schedule's.
int64_t WallClockMilliseconds(const QString &wallClock);

// Raises EVantelleError when the schedule makes no sense: a date-time that is not one, an Until
// not after From, no day of the week, hours that begin where they end, an offset no clock has.
void CheckPopupSchedule(const TPopupSchedule &schedule);
