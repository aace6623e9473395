// The text of a date-time value (days since 1899-12-30, the time of day as
// the fraction) in the data exports: ISO 8601, readable whatever the locale.
#pragma once

#include <string>

namespace kel {

// "yyyy-mm-dd", followed by " hh:mm:ss" when the time of day is not
// midnight, to the nearest second. A value outside the years 1 to 9999 (or
// not finite) has no date and gives the general number text with '.'.
std::u16string DateTimeText(double value);

}  // namespace kel
