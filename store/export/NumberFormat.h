// Number texts of the data exports: a value under a format pattern, or in the
// general format, with the user's separators.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kel {

struct TNumberSeparators {
  char16_t Decimal = u'.';
  char16_t Thousands = u',';
};

// The thousands separator that goes with a decimal separator: '.' beside a
// comma, ',' otherwise.
TNumberSeparators SeparatorsFor(char16_t decimalSeparator);

// The general format with 15 significant digits: fixed notation for values
// of magnitude 0.00001 and above with at most 15 integer digits, otherwise
// "d.dddE-nn"; "NAN", "INF", "-INF".
std::u16string FormatGeneralNumber(double value, char16_t decimalSeparator);
// The same text appended to `out`, without a temporary.
void AppendGeneralNumber(std::u16string& out, double value, char16_t decimalSeparator);
// Room a caller must provide for FormatGeneralNumberTo.
inline constexpr size_t kMaxGeneralNumberText = 48;
// The same text with '.' as decimal separator, written to `out`; returns its
// length.
size_t FormatGeneralNumberTo(char* out, double value);

// `value` under a format pattern: up to three sections separated by ';'
// (positive, negative, zero), the digit placeholders '0' (a digit or zero)
// and '#' (a digit or nothing), the decimal point '.', the thousands marker
// ',', the exponents "E+", "E-", "e+", "e-" with up to four '0', and literal
// texts in '...' or "...". An empty pattern or section gives the general
// format; a value of 1E18 and above without exponent too.
std::u16string FormatFloat(std::u16string_view pattern, double value, TNumberSeparators separators);

}  // namespace kel
