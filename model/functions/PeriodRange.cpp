#include "model/functions/PeriodRange.h"

#include <chrono>
#include <cmath>

namespace kel {
namespace {

constexpr double kHalfMonth = 15;
constexpr double kOneMonth = 30;
constexpr double kOneYear = 365;
// Days from 1899-12-30, the origin of date values, to 1970-01-01.
constexpr int kUnixEpochDay = 25569;
// Dates past the calendar's years are not stepped by months.
constexpr double kLastCalendarDay = 2958465;  // 9999-12-31

std::chrono::year_month_day DateOf(double value) {
  using namespace std::chrono;
  return year_month_day{sys_days{days{static_cast<int>(std::floor(value)) - kUnixEpochDay}}};
}

double ValueOf(const std::chrono::year_month_day& date) {
  using namespace std::chrono;
  return static_cast<double>(sys_days{date}.time_since_epoch().count() + kUnixEpochDay);
}

}  // namespace

bool IsCalendarStep(double period) {
  return period == kHalfMonth || period == kOneMonth || period == 2 * kOneMonth ||
         period == 3 * kOneMonth || period == 4 * kOneMonth || period == 6 * kOneMonth ||
         period == kOneYear;
}

double PeriodRangeEnd(double start, double period, bool calendarSteps) {
  if (!calendarSteps || !IsCalendarStep(period) || !(std::fabs(start) < kLastCalendarDay)) {
    return start + period;
  }
  using namespace std::chrono;
  const year_month_day date = DateOf(start);
  if (period == kOneYear) return ValueOf(year_month_day{date.year() + years{1}, January, day{1}});
  if (period == kHalfMonth && date.day() < day{15}) {
    return ValueOf(year_month_day{date.year(), date.month(), day{15}});
  }
  const int monthsAhead = period == kHalfMonth ? 1 : static_cast<int>(period / kOneMonth);
  const year_month boundary = year_month{date.year(), date.month()} + months{monthsAhead};
  return ValueOf(year_month_day{boundary.year(), boundary.month(), day{1}});
}

}  // namespace kel
