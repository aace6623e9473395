#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "persist/Filer.h"
#include "tests/persist/HexBytes.h"

namespace kel {
namespace {

using test::Hex;
using test::ToHex;

std::string ExtendedHex(double value) {
  uint8_t bytes[10];
  DoubleToExtended(value, bytes);
  return ToHex(std::vector<uint8_t>(bytes, bytes + 10));
}

double FromHex(const char* hex) {
  const std::vector<uint8_t> bytes = Hex(hex);
  return ExtendedToDouble(bytes.data());
}

uint64_t Bits(double value) {
  return std::bit_cast<uint64_t>(value);
}

TEST(ExtendedFloatTest, KnownEncodings) {
  const double kMinSubnormal = std::numeric_limits<double>::denorm_min();
  const struct {
    const char* name;
    double value;
    const char* hex;
  } cases[] = {
      {"1.5", 1.5, "00 00 00 00 00 00 00 C0 FF 3F"},
      {"1", 1.0, "00 00 00 00 00 00 00 80 FF 3F"},
      {"-2", -2.0, "00 00 00 00 00 00 00 80 00 C0"},
      {"zero", 0.0, "00 00 00 00 00 00 00 00 00 00"},
      {"negative zero", -0.0, "00 00 00 00 00 00 00 00 00 80"},
      {"infinity", INFINITY, "00 00 00 00 00 00 00 80 FF 7F"},
      {"negative infinity", -INFINITY, "00 00 00 00 00 00 00 80 FF FF"},
      {"quiet NaN", std::numeric_limits<double>::quiet_NaN(), "00 00 00 00 00 00 00 C0 FF 7F"},
      // 2^-1074 = 2^63 * 2^(e - 16383 - 63) with e = 16383 - 1074 = 0x3BCD
      {"smallest subnormal", kMinSubnormal, "00 00 00 00 00 00 00 80 CD 3B"},
      {"largest double", std::numeric_limits<double>::max(), "00 F8 FF FF FF FF FF FF FE 43"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ExtendedHex(c.value), c.hex);
    EXPECT_EQ(Bits(FromHex(c.hex)), Bits(c.value));
  }
}

TEST(ExtendedFloatTest, EveryDoubleRoundTripsBitForBit) {
  std::mt19937_64 random(20261210);
  auto check = [](double value) {
    uint8_t bytes[10];
    DoubleToExtended(value, bytes);
    ASSERT_EQ(Bits(ExtendedToDouble(bytes)), Bits(value)) << value;
  };
  // Random bit patterns cover every exponent, subnormals and NaN payloads.
  for (int i = 0; i < 1'000'000; ++i) check(std::bit_cast<double>(random()));
  // Values near the edges of the ranges.
  const uint64_t edges[] = {0,
                            1,
                            2,
                            0x000FFFFFFFFFFFFF,
                            0x0010000000000000,
                            0x7FEFFFFFFFFFFFFF,
                            0x7FF0000000000000,
                            0x7FF0000000000001,
                            0x7FF8000000000000,
                            0x7FFFFFFFFFFFFFFF};
  for (const uint64_t bits : edges) {
    check(std::bit_cast<double>(bits));
    check(std::bit_cast<double>(bits | (uint64_t{1} << 63)));
  }
}

// Extended values beyond double's precision or range round to nearest, ties
// to even.
TEST(ExtendedFloatTest, WiderValuesRoundToNearest) {
  const struct {
    const char* name;
    const char* hex;
    double expected;
  } cases[] = {
      {"half an ulp above 1 ties to even", "00 04 00 00 00 00 00 80 FF 3F", 1.0},
      {"just above half an ulp", "01 04 00 00 00 00 00 80 FF 3F", 1.0 + 0x1p-52},
      {"tie rounds up to even", "00 0C 00 00 00 00 00 80 FF 3F", 1.0 + 0x1p-51},
      {"all ones carry into the exponent", "FF FF FF FF FF FF FF FF FF 3F", 2.0},
      {"too large is infinity", "00 00 00 00 00 00 00 80 FF 43", INFINITY},
      {"largest double rounds up to infinity", "00 FC FF FF FF FF FF FF FE 43", INFINITY},
      {"too small is zero", "00 00 00 00 00 00 00 80 00 38", 0.0},
      {"half the smallest subnormal ties to zero", "00 00 00 00 00 00 00 80 CC 3B", 0.0},
      {"above half the smallest subnormal", "01 00 00 00 00 00 00 80 CC 3B", 0x1p-1074},
      {"extended denormal is zero as a double", "01 00 00 00 00 00 00 00 00 00", 0.0},
      {"unnormal zero", "00 00 00 00 00 00 00 00 34 12", 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Bits(FromHex(c.hex)), Bits(c.expected));
  }
  EXPECT_TRUE(std::isnan(FromHex("01 00 00 00 00 00 00 80 FF 7F")));  // payload in low bits
}

// Where the compiler's long double is the 80-bit extended type, it serves as an
// independent reference for the rounding of arbitrary extended values.
TEST(ExtendedFloatTest, RoundingAgreesWithTheHardwareExtendedType) {
  if constexpr (std::numeric_limits<long double>::digits != 64) {
    GTEST_SKIP() << "no 80-bit long double here";
  } else {
    std::mt19937_64 random(42);
    for (int i = 0; i < 1'000'000; ++i) {
      uint8_t bytes[16] = {};
      const uint64_t mantissa = random() | (uint64_t{1} << 63);
      const uint16_t signAndExponent = static_cast<uint16_t>(random());
      if ((signAndExponent & 0x7FFF) == 0x7FFF || (signAndExponent & 0x7FFF) == 0) continue;
      std::memcpy(bytes, &mantissa, 8);
      std::memcpy(bytes + 8, &signAndExponent, 2);
      long double reference;
      std::memcpy(&reference, bytes, sizeof reference);
      ASSERT_EQ(Bits(ExtendedToDouble(bytes)), Bits(static_cast<double>(reference)))
          << ToHex(std::vector<uint8_t>(bytes, bytes + 10));
    }
  }
}

}  // namespace
}  // namespace kel
