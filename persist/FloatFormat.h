// Float texts of the component stream's text form. The decimal point is always
// '.', whatever the locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kel {

// Room a caller must provide for the *To variants below.
inline constexpr size_t kMaxFloatText = 40;

// Extended and double values: fixed notation with 18 decimals ("1.500000000000000000")
// for magnitudes below 1E16, the general format with 16 digits above; "NAN", "INF",
// "-INF"; zero and values that round to zero give "0.000000000000000000".
std::string FormatStreamFloat(double value);
size_t FormatStreamFloatTo(char* out, double value);

// The general format with `precision` significant digits (15 or 16): plain digits
// where they fit, otherwise one digit, the rest after '.', and "E" with the
// exponent ("1E-5", "1.23456789012346E17").
std::string FormatGeneralFloat(double value, int precision);
size_t FormatGeneralFloatTo(char* out, double value, int precision);
// The same for a 64-bit integer, taken exactly (currency values are written as
// their scaled integer).
size_t FormatGeneralFloatTo(char* out, int64_t value, int precision);

}  // namespace kel
