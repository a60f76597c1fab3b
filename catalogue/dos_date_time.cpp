#include "catalogue/dos_date_time.h"

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days since 1 January of year 1 (proleptic Gregorian), that day being 0.
int DaysSinceYearOne(int year, int month, int day) {
    const int y = year - 1;
    int days = y * 365 + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < month; ++m) days += DaysInMonth(year, m);
    return days + day - 1;
}

}  // namespace

int DaysSinceDateTimeEpoch(int year, int month, int day) {
    return DaysSinceYearOne(year, month, day) - DaysSinceYearOne(1899, 12, 30);
}

DateTime DosDateTimeToDateTime(std::uint16_t dosDate, std::uint16_t dosTime) {
    const int day = dosDate & 0x1F;
    const int month = (dosDate >> 5) & 0x0F;
    const int year = 1980 + (dosDate >> 9);
    const int seconds = (dosTime & 0x1F) * 2;
    const int minutes = (dosTime >> 5) & 0x3F;
    const int hours = dosTime >> 11;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return 0;
    if (hours > 23 || minutes > 59 || seconds > 59) return 0;
    const double secondOfDay = hours * 3600.0 + minutes * 60.0 + seconds;
    return DaysSinceDateTimeEpoch(year, month, day) + secondOfDay / 86400.0;
}
