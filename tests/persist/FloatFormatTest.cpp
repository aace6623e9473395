#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "persist/FloatFormat.h"

namespace kel {
namespace {

// Reference: glibc prints the exactly rounded 18 significant digits; the
// cut to fewer digits (half up on the digit string) and the layout are redone
// here the plain way, on strings and small integers.
struct RefDigits {
  std::string digits;  // without trailing zeros; empty for zero
  int exponent = 0;    // value = 0.digits * 10^exponent
};

RefDigits RefCut(const char* printed, int wanted) {
  // printed is "d.ddddddddddddddddde+xx"
  std::string all = std::string(1, printed[0]) + std::string(printed + 2, 17);
  int exponent = std::atoi(std::strchr(printed, 'e') + 1) + 1;
  if (wanted < 0) return {};
  unsigned long long prefix = 0;
  for (int i = 0; i < wanted && i < 18; ++i) prefix = prefix * 10 + (all[i] - '0');
  unsigned long long limit = 1;
  for (int i = 0; i < wanted && i < 18; ++i) limit *= 10;
  if (wanted < 18 && all[wanted] >= '5') ++prefix;
  std::string digits;
  if (prefix == limit) {
    digits = "1";
    ++exponent;
  } else if (prefix != 0) {
    digits = std::to_string(prefix);
    digits.insert(0, std::min(wanted, 18) - digits.size(), '0');
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  return {digits, exponent};
}

std::string RefGeneral(bool negative, RefDigits d, int precision) {
  std::string s = negative ? "-" : "";
  const int e = d.exponent;
  if (e > precision || e < -3) {
    s.append(d.digits, 0, 1);
    if (d.digits.size() > 1) s.append(".").append(d.digits, 1);
    return s.append("E").append(std::to_string(e - 1));
  }
  if (e <= 0) return s.append("0.").append(-e, '0').append(d.digits);
  std::string padded = d.digits + std::string(std::max<int>(0, e - d.digits.size()), '0');
  s += padded.substr(0, e);
  if (padded.size() > static_cast<size_t>(e)) s.append(".").append(padded, e);
  return s;
}

std::string Printed(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17e", std::fabs(value));
  return text;
}

std::string RefStreamFloat(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  const std::string zero = "0." + std::string(18, '0');
  if (value == 0) return zero;
  const std::string printed = Printed(value);
  const int exponent = std::atoi(std::strchr(printed.c_str(), 'e') + 1) + 1;
  const RefDigits d = RefCut(printed.c_str(), std::min(16, exponent + 18));
  if (d.digits.empty()) return zero;
  if (d.exponent > 16) return RefGeneral(value < 0, d, 16);
  // Place the digits on a line of 16 integer and 18 decimal positions.
  std::string line(34, '0');
  for (size_t i = 0; i < d.digits.size(); ++i) line[16 - d.exponent + i] = d.digits[i];
  std::string integer = line.substr(0, 16);
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
  std::string text = value < 0 ? "-" : "";
  text.append(integer).append(".").append(line, 16);
  return text;
}

std::string RefGeneralFloat(double value, int precision) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  return RefGeneral(value < 0, RefCut(Printed(value).c_str(), precision), precision);
}

TEST(FormatStreamFloat, Examples) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {1.5, "1.500000000000000000"},
      {100, "100.000000000000000000"},
      {0.1, "0.100000000000000000"},
      {1.0 / 3, "0.333333333333333300"},
      {-2.25, "-2.250000000000000000"},
      {123456.789, "123456.789000000000000000"},
      {1E20, "1E20"},
      {0, "0.000000000000000000"},
      {-0.0, "0.000000000000000000"},
      {std::numeric_limits<double>::denorm_min(), "0.000000000000000000"},
      {-DBL_MIN, "0.000000000000000000"},
      {std::nan(""), "NAN"},
      {HUGE_VAL, "INF"},
      {-HUGE_VAL, "-INF"},
      {DBL_MAX, "1.797693134862316E308"},
      // 18 decimals are kept: below the last one the value rounds half up.
      {9.5e-19, "0.000000000000000001"},
      {-4e-19, "0.000000000000000000"},
      {std::ldexp(1, -56), "0.000000000000000014"},
      {-123.0e-15, "-0.000000000000123000"},
      // At most 16 significant digits; the cut may carry into a new decade.
      {0.9999999999999999, "0.999999999999999900"},
      {0.0009999999999999998, "0.001000000000000000"},
      {9999999999999998.0, "9999999999999998.000000000000000000"},
      {99999999999999999.0, "1E17"},
      {2.0 / 3, "0.666666666666666600"},
      {1234567890123456.7, "1234567890123457.000000000000000000"},
      {12345678901234567.0, "1.234567890123457E16"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatStreamFloat(c.value), c.text);
  }
}

TEST(FormatGeneralFloat, Examples) {
  const struct {
    double value;
    int precision;
    const char* text;
  } cases[] = {
      {0.1f, 15, "0.100000001490116"},
      {2.5f, 15, "2.5"},
      {0.00001, 15, "1E-5"},
      {0.0001, 15, "0.0001"},
      {123456789012345678.0, 15, "1.23456789012346E17"},
      {15000, 15, "15000"},
      {-1234.05, 15, "-1234.05"},
      {0.001, 15, "0.001"},
      {0.0015, 15, "0.0015"},
      {99999999999999.9, 15, "99999999999999.9"},
      {999999999999999, 15, "999999999999999"},
      {1E15, 15, "1E15"},
      {1E16, 15, "1E16"},
      {-0.5, 15, "-0.5"},
      {0, 15, "0"},
      {-0.0, 16, "0"},
      {std::nan(""), 15, "NAN"},
      {-HUGE_VAL, 16, "-INF"},
      {std::numeric_limits<double>::denorm_min(), 15, "4.94065645841247E-324"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatGeneralFloat(c.value, c.precision), c.text);
  }
}

TEST(FormatGeneralFloat, IntegersAreTakenExactly) {
  const struct {
    int64_t value;
    const char* text;
  } cases[] = {
      {15000, "15000"},
      {-15000, "-15000"},
      {0, "0"},
      {999999999999999, "999999999999999"},
      {9999999999999999, "1E16"},
      {std::numeric_limits<int64_t>::max(), "9.22337203685478E18"},
      {std::numeric_limits<int64_t>::min(), "-9.22337203685478E18"},
      // 19 digits: first rounded to 18 (ties to even), then cut to 15.
      {1000000000000004995, "1.00000000000001E18"},
      {1000000000000004985, "1E18"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    char text[kMaxFloatText];
    EXPECT_EQ(std::string(text, FormatGeneralFloatTo(text, c.value, 15)), c.text);
  }
}

// Random bit patterns cover every magnitude and the special values.
TEST(FloatFormat, MatchesReferenceOnRandomDoubles) {
  std::mt19937_64 random(20141224);
  int failures = 0;
  for (int i = 0; i < 200000 && failures < 10; ++i) {
    const double value = std::bit_cast<double>(random());
    const std::string expected = RefStreamFloat(value);
    const std::string general15 = RefGeneralFloat(value, 15);
    const std::string general16 = RefGeneralFloat(value, 16);
    if (FormatStreamFloat(value) != expected || FormatGeneralFloat(value, 15) != general15 ||
        FormatGeneralFloat(value, 16) != general16) {
      ++failures;
      ADD_FAILURE() << Printed(value) << ": " << FormatStreamFloat(value) << " vs " << expected;
    }
  }
}

// Values near 1 and of moderate size, where the fixed notation shows all 16 digits.
TEST(FloatFormat, MatchesReferenceOnValuesOfEveryDecade) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(1, 10);
  std::uniform_int_distribution<int> decade(-20, 20);
  for (int i = 0; i < 100000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, decade(random)) * (i % 2 ? -1 : 1);
    ASSERT_EQ(FormatStreamFloat(value), RefStreamFloat(value)) << Printed(value);
  }
}

// Values with few decimal digits, as charts mostly hold, at every magnitude
// and with 1 to 17 digits: the digits that read back exactly and the digits
// rounded from the exact value must give the same text.
TEST(FloatFormat, MatchesReferenceOnShortDecimals) {
  std::mt19937_64 random(1207);
  for (int i = 0; i < 200000; ++i) {
    const int digits = 1 + i % 17;
    const uint64_t mantissa = random() % static_cast<uint64_t>(std::pow(10.0, digits));
    const int exponent = static_cast<int>(random() % 640) - 330;
    char text[64];
    std::snprintf(text, sizeof text, "%s%llue%d", i % 3 == 0 ? "-" : "",
                  static_cast<unsigned long long>(mantissa), exponent);
    const double value = std::strtod(text, nullptr);
    ASSERT_EQ(FormatGeneralFloat(value, 15), RefGeneralFloat(value, 15)) << text;
    ASSERT_EQ(FormatGeneralFloat(value, 16), RefGeneralFloat(value, 16)) << text;
  }
}

TEST(FloatFormat, MatchesReferenceOnRandomIntegers) {
  std::mt19937_64 random(99);
  for (int i = 0; i < 100000; ++i) {
    const int64_t value = static_cast<int64_t>(random()) >> (i % 64);
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.17Le", std::fabs(static_cast<long double>(value)));
    const std::string expected = value == 0 ? "0" : RefGeneral(value < 0, RefCut(printed, 15), 15);
    char text[kMaxFloatText];
    ASSERT_EQ(std::string(text, FormatGeneralFloatTo(text, value, 15)), expected) << value;
  }
}

}  // namespace
}  // namespace kel
