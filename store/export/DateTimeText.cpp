#include "store/export/DateTimeText.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "store/export/NumberFormat.h"

namespace kel {
namespace {

// Day 0 of date-time values.
constexpr std::chrono::sys_days kEpoch{std::chrono::year{1899} / 12 / 30};
// 0001-01-01 and 9999-12-31 as date-time values.
constexpr double kFirstDay = -693593;
constexpr double kLastDay = 2958465;
constexpr int kSecondsPerDay = 86400;

}  // namespace

std::u16string DateTimeText(double value) {
  if (!(value >= kFirstDay && value < kLastDay + 1)) return FormatGeneralNumber(value, u'.');
  // The whole days count the date, the fraction (of either sign) the time.
  double day = std::trunc(value);
  auto seconds = static_cast<int>(std::lround(std::fabs(value - day) * kSecondsPerDay));
  if (seconds == kSecondsPerDay) {
    seconds = 0;
    day += value < 0 ? -1 : 1;
  }
  const std::chrono::year_month_day date{kEpoch + std::chrono::days(static_cast<int>(day))};
  char text[32];
  int length =
      std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                    static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
  if (seconds != 0) {
    length += std::snprintf(text + length, sizeof text - static_cast<size_t>(length),
                            " %02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
  }
  return std::u16string(text, text + length);
}

}  // namespace kel
