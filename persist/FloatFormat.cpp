#include "persist/FloatFormat.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>

namespace kel {
namespace {

// Digits are first rounded to this many places, as the extended-precision
// conversion does, and only then cut to the wanted precision.
constexpr int kIntermediateDigits = 18;
constexpr int kStreamFloatDigits = 16;
constexpr int kFixedDecimals = 18;
// The precision at which the shortest digits, when they are few enough, are
// the rounded digits as well (see ShortestDigitsOf).
constexpr int kShortestExactPrecision = 15;

// A magnitude as 0.D times 10 to the power `exponent`; `count` 0 means zero.
struct DecimalDigits {
  char digits[24];
  int count = 0;
  int exponent = 0;
};

// Adds one unit in the last of the first `n` digits; a carry out of the first
// digit leaves the single digit 1 one decade higher.
void IncrementPrefix(DecimalDigits& d, int n) {
  d.count = n;
  for (int i = n - 1; i >= 0; --i) {
    if (d.digits[i] != '9') {
      ++d.digits[i];
      return;
    }
    d.digits[i] = '0';
  }
  d.digits[0] = '1';
  d.count = 1;
  ++d.exponent;
}

void DropTrailingZeros(DecimalDigits& d) {
  while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
}

// Cuts to `n` digits rounding half up on the digit string; n < 0 gives zero.
void CutHalfUp(DecimalDigits& d, int n) {
  if (n < 0) {
    d.count = 0;
  } else if (n < d.count) {
    if (d.digits[n] >= '5') {
      IncrementPrefix(d, n);
    } else {
      d.count = n;
    }
  }
  DropTrailingZeros(d);
}

// The exact double magnitude rounded to 18 significant digits (to nearest).
DecimalDigits DigitsOf(double magnitude) {
  char text[48];
  const auto result = std::to_chars(text, text + sizeof text, magnitude,
                                    std::chars_format::scientific, kIntermediateDigits - 1);
  // text is "d.ddddddddddddddddde[+-]xx"
  DecimalDigits d;
  d.digits[0] = text[0];
  std::memcpy(d.digits + 1, text + 2, kIntermediateDigits - 1);
  d.count = kIntermediateDigits;
  const char* e = text + kIntermediateDigits + 1;  // at 'e'
  int exponent = 0;
  std::from_chars(e + 2, result.ptr, exponent);
  d.exponent = (e[1] == '-' ? -exponent : exponent) + 1;
  return d;
}

// The shortest digits that read back as the magnitude, when there are at most
// 15 of them and the magnitude is normal. A normal double lies within 2.3E-16
// of its own value relative to it,
// far less than half a unit in the 15th digit, so these digits are then the
// ones the 18-digit rounding cut to 15 gives too, only found much faster.
bool ShortestDigitsOf(double magnitude, DecimalDigits& d) {
  if (magnitude < DBL_MIN) return false;  // subnormals hold fewer digits
  char text[32];
  const auto result =
      std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
  // text is "d[.ddd]e[+-]xx"
  // The exponent takes the last four or five characters.
  const char* e = result.ptr - 4;
  if (*e != 'e') --e;
  d.digits[0] = text[0];
  const int fraction = e - text > 1 ? static_cast<int>(e - text) - 2 : 0;
  if (1 + fraction > kShortestExactPrecision) return false;
  std::memcpy(d.digits + 1, text + 2, static_cast<size_t>(fraction));
  d.count = 1 + fraction;
  int exponent = 0;
  std::from_chars(e + 2, result.ptr, exponent);
  d.exponent = (e[1] == '-' ? -exponent : exponent) + 1;
  return true;
}

// The exact integer magnitude rounded to 18 significant digits (to nearest, ties
// to even, as the floating-point unit rounds).
DecimalDigits DigitsOf(uint64_t magnitude) {
  DecimalDigits d;
  const auto result = std::to_chars(d.digits, d.digits + sizeof d.digits, magnitude);
  d.count = static_cast<int>(result.ptr - d.digits);
  d.exponent = d.count;
  if (d.count > kIntermediateDigits) {
    const char* rest = d.digits + kIntermediateDigits;
    const char* end = d.digits + d.count;
    bool above = *rest > '5';
    bool tie = *rest == '5';
    for (const char* p = rest + 1; p < end && tie; ++p) {
      if (*p != '0') {
        tie = false;
        above = true;
      }
    }
    const bool lastOdd = (d.digits[kIntermediateDigits - 1] - '0') % 2 != 0;
    if (above || (tie && lastOdd)) {
      IncrementPrefix(d, kIntermediateDigits);
    } else {
      d.count = kIntermediateDigits;
    }
  }
  DropTrailingZeros(d);
  return d;
}

char* AppendDigits(char* out, const char* digits, int count) {
  std::memcpy(out, digits, static_cast<size_t>(count));
  return out + count;
}

char* AppendZeros(char* out, int count) {
  if (count <= 0) return out;
  std::memset(out, '0', static_cast<size_t>(count));
  return out + count;
}

char* AppendText(char* out, const char* text) {
  const size_t length = std::strlen(text);
  std::memcpy(out, text, length);
  return out + length;
}

// Writes `units` / 10^Decimals in plain digits, without trailing zeros after
// the point. The power is a constant, so no division is a real one.
template <int Decimals>
char* WriteScaled(char* out, uint64_t units) {
  constexpr uint64_t kUnit = Decimals == 0 ? 1 : Decimals == 1 ? 10 : Decimals == 2 ? 100 : 1000;
  out = std::to_chars(out, out + 20, units / kUnit).ptr;
  uint64_t fraction = units % kUnit;
  if constexpr (Decimals > 0) {
    if (fraction != 0) {
      *out++ = '.';
      char digits[Decimals];
      for (int i = Decimals - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
      }
      int count = Decimals;
      while (digits[count - 1] == '0') --count;
      out = AppendDigits(out, digits, count);
    }
  }
  return out;
}

// Writes `value` when it is the double nearest to a decimal with at most 3
// decimals and at most 15 digits (an integer, a price, a quarter), as that
// decimal in plain digits, and returns the length; returns 0 otherwise. Such
// a decimal is what the rounding to 15 digits gives (see ShortestDigitsOf),
// found here without converting the binary value digit by digit.
size_t WriteShortDecimal(char* start, double value) {
  constexpr double kPowers[] = {1, 10, 100, 1000};
  constexpr double kLimit = 1e15;
  const double magnitude = std::fabs(value);
  if (!(magnitude < kLimit) || magnitude < 0.001) return 0;
  // From the most decimals down: the few decimals of a shorter decimal are
  // whole thousandths as well, and the zeros they end in are dropped, so
  // most values pass at the first try.
  for (int decimals = 3; decimals >= 0; --decimals) {
    const double scaled = magnitude * kPowers[decimals];
    if (scaled >= kLimit) continue;
    // A product that is no whole number skips the costlier exact check; the
    // rare value this misses takes the general way.
    const auto units = static_cast<uint64_t>(scaled);
    if (static_cast<double>(units) != scaled || scaled / kPowers[decimals] != magnitude) continue;
    char* out = start;
    if (value < 0) *out++ = '-';
    switch (decimals) {
      case 0:
        out = WriteScaled<0>(out, units);
        break;
      case 1:
        out = WriteScaled<1>(out, units);
        break;
      case 2:
        out = WriteScaled<2>(out, units);
        break;
      default:
        out = WriteScaled<3>(out, units);
        break;
    }
    return static_cast<size_t>(out - start);
  }
  return 0;
}

// Returns the text for NaN and the infinities, or null for finite values.
const char* SpecialText(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  return nullptr;
}

size_t WriteGeneral(char* start, const DecimalDigits& d, bool negative, int precision) {
  char* out = start;
  if (negative) *out++ = '-';
  if (d.exponent > precision || d.exponent < -3) {
    *out++ = d.digits[0];
    if (d.count > 1) {
      *out++ = '.';
      out = AppendDigits(out, d.digits + 1, d.count - 1);
    }
    *out++ = 'E';
    const int power = d.exponent - 1;
    if (power < 0) *out++ = '-';
    out = std::to_chars(out, out + 8, power < 0 ? -power : power).ptr;
  } else if (d.exponent <= 0) {
    *out++ = '0';
    *out++ = '.';
    out = AppendZeros(out, -d.exponent);
    out = AppendDigits(out, d.digits, d.count);
  } else if (d.count <= d.exponent) {
    out = AppendDigits(out, d.digits, d.count);
    out = AppendZeros(out, d.exponent - d.count);
  } else {
    out = AppendDigits(out, d.digits, d.exponent);
    *out++ = '.';
    out = AppendDigits(out, d.digits + d.exponent, d.count - d.exponent);
  }
  return static_cast<size_t>(out - start);
}

size_t WriteFixedZero(char* start) {
  char* out = start;
  *out++ = '0';
  *out++ = '.';
  return static_cast<size_t>(AppendZeros(out, kFixedDecimals) - start);
}

}  // namespace

size_t FormatStreamFloatTo(char* start, double value) {
  if (const char* special = SpecialText(value)) return AppendText(start, special) - start;
  if (value == 0 || std::fpclassify(value) == FP_SUBNORMAL) return WriteFixedZero(start);

  DecimalDigits d = DigitsOf(std::fabs(value));
  CutHalfUp(d, std::min(kStreamFloatDigits, d.exponent + kIntermediateDigits));
  // A value that rounds away entirely prints as zero, without a sign.
  if (d.count == 0) return WriteFixedZero(start);
  if (d.exponent > kStreamFloatDigits) {
    return WriteGeneral(start, d, value < 0, kStreamFloatDigits);
  }

  char* out = start;
  if (value < 0) *out++ = '-';
  if (d.exponent <= 0) {
    *out++ = '0';
  } else {
    out = AppendDigits(out, d.digits, std::min(d.count, d.exponent));
    out = AppendZeros(out, d.exponent - d.count);
  }
  *out++ = '.';
  char* fraction = out;
  out = AppendZeros(out, -d.exponent);
  const int used = std::max(d.exponent, 0);
  if (d.count > used) out = AppendDigits(out, d.digits + used, d.count - used);
  out = AppendZeros(out, kFixedDecimals - static_cast<int>(out - fraction));
  return static_cast<size_t>(out - start);
}

std::string FormatStreamFloat(double value) {
  char text[kMaxFloatText];
  return std::string(text, FormatStreamFloatTo(text, value));
}

size_t FormatGeneralFloatTo(char* start, double value, int precision) {
  if (const char* special = SpecialText(value)) return AppendText(start, special) - start;
  if (value == 0) {
    *start = '0';
    return 1;
  }
  if (precision == kShortestExactPrecision) {
    if (const size_t length = WriteShortDecimal(start, value); length > 0) return length;
  }
  DecimalDigits d;
  if (precision != kShortestExactPrecision || !ShortestDigitsOf(std::fabs(value), d)) {
    d = DigitsOf(std::fabs(value));
    CutHalfUp(d, precision);
  }
  return WriteGeneral(start, d, value < 0, precision);
}

size_t FormatGeneralFloatTo(char* start, int64_t value, int precision) {
  if (value == 0) {
    *start = '0';
    return 1;
  }
  const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : value;
  DecimalDigits d = DigitsOf(magnitude);
  CutHalfUp(d, precision);
  return WriteGeneral(start, d, value < 0, precision);
}

std::string FormatGeneralFloat(double value, int precision) {
  char text[kMaxFloatText];
  return std::string(text, FormatGeneralFloatTo(text, value, precision));
}

}  // namespace kel
