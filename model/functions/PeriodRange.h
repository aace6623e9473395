// Where a range of X values ends when a function groups its source by ranges
// of Period: after Period, or, on an axis of exact date-time steps, at the
// next calendar boundary of a month-based step.
#pragma once

namespace kel {

// The month-based steps, in days: half a month, one, two, three, four and
// six months, and one year.
bool IsCalendarStep(double period);

// The end of the range starting at start. With calendarSteps and a
// month-based period, the first calendar boundary after start (the 1st or the
// 15th of a month for half months, the 1st of the month so many months later,
// the 1st of January for a year); otherwise start + period. Dates are days
// since 1899-12-30.
double PeriodRangeEnd(double start, double period, bool calendarSteps);

}  // namespace kel
