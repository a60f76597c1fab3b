#pragma once
// File times as the program records them: DOS date and time (2-second
// resolution) turned into a date-time value, the number of days since
// 30 December 1899 with the time of day as the fraction.

#include <cstdint>

using DateTime = double;

// 0 when the DOS value names no real date or time (month 0, 30 February ...).
[[nodiscard]] DateTime DosDateTimeToDateTime(std::uint16_t dosDate, std::uint16_t dosTime);

// Days from 30 December 1899 to that date; the date must be valid.
[[nodiscard]] int DaysSinceDateTimeEpoch(int year, int month, int day);
