#include "persist/Filer.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace kel {
namespace {

constexpr uint64_t kIntegerBit = uint64_t{1} << 63;
constexpr uint64_t kDoubleFractionMask = (uint64_t{1} << 52) - 1;
constexpr uint64_t kDoubleQuietBit = uint64_t{1} << 51;
constexpr int kDoubleBias = 1023;
constexpr int kExtendedBias = 16383;
constexpr int kExtendedMaxExponent = 0x7FFF;

void StoreExtended(uint64_t mantissa, uint16_t signAndExponent, uint8_t out[10]) {
  for (int i = 0; i < 8; ++i) out[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  out[8] = static_cast<uint8_t>(signAndExponent);
  out[9] = static_cast<uint8_t>(signAndExponent >> 8);
}

// Rounds mantissa * 2^exponent (mantissa with its top bit set) to the nearest
// double, ties to even; returns the bits without the sign.
uint64_t RoundToDouble(uint64_t mantissa, int64_t exponent) {
  const int64_t unbiased = exponent + 63;  // value = 1.f * 2^unbiased
  constexpr uint64_t kInfinity = uint64_t{0x7FF} << 52;
  if (unbiased > kDoubleBias) return kInfinity;
  if (unbiased >= 1 - kDoubleBias) {
    uint64_t kept = mantissa >> 11;
    const uint64_t rest = mantissa & 0x7FF;
    if (rest > 0x400 || (rest == 0x400 && (kept & 1))) ++kept;
    int64_t biased = unbiased + kDoubleBias;
    if (kept >> 53) {  // rounding carried into a new binary digit
      kept >>= 1;
      ++biased;
      if (biased >= 0x7FF) return kInfinity;
    }
    return (static_cast<uint64_t>(biased) << 52) | (kept & kDoubleFractionMask);
  }
  // Subnormal result: count in units of 2^-1074.
  const int64_t shift = -(exponent + 1074);
  if (shift > 64) return 0;
  uint64_t kept = shift == 64 ? 0 : mantissa >> shift;
  const uint64_t rest = shift == 64 ? mantissa : mantissa & ((uint64_t{1} << shift) - 1);
  const uint64_t half = uint64_t{1} << (shift - 1);
  if (rest > half || (rest == half && (kept & 1))) ++kept;
  return kept;  // a carry into bit 52 yields the smallest normal, as it should
}

}  // namespace

TFiler::TFiler(TStream& stream, int bufSize)
    : FStream(&stream),
      FBuffer(static_cast<size_t>(std::max(bufSize, 1))),
      FBufSize(std::max(bufSize, 1)) {}

void DoubleToExtended(double value, uint8_t out[10]) {
  const uint64_t bits = std::bit_cast<uint64_t>(value);
  const uint16_t sign = (bits >> 63) ? 0x8000 : 0;
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  const uint64_t fraction = bits & kDoubleFractionMask;
  if (exponent == 0x7FF) {  // infinity or NaN, payload kept
    StoreExtended(kIntegerBit | (fraction << 11), sign | kExtendedMaxExponent, out);
  } else if (exponent == 0 && fraction == 0) {
    StoreExtended(0, sign, out);
  } else if (exponent == 0) {  // subnormal double: normalise, extended has the range
    const int shift = std::countl_zero(fraction);
    const int extendedExponent = kExtendedBias - 1074 + 63 - shift;
    StoreExtended(fraction << shift, static_cast<uint16_t>(sign | extendedExponent), out);
  } else {
    const int extendedExponent = exponent - kDoubleBias + kExtendedBias;
    StoreExtended(kIntegerBit | (fraction << 11), static_cast<uint16_t>(sign | extendedExponent),
                  out);
  }
}

double ExtendedToDouble(const uint8_t in[10]) {
  uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | in[i];
  const uint16_t signAndExponent = static_cast<uint16_t>(in[8] | (in[9] << 8));
  const uint64_t sign = static_cast<uint64_t>(signAndExponent >> 15) << 63;
  const int exponent = signAndExponent & 0x7FFF;
  if (exponent == kExtendedMaxExponent) {
    const uint64_t fraction = (mantissa << 1) >> 12;
    if ((mantissa << 1) == 0) return std::bit_cast<double>(sign | (uint64_t{0x7FF} << 52));
    // A NaN whose payload lies only in the low bits stays a NaN.
    const uint64_t nanFraction = fraction != 0 ? fraction : kDoubleQuietBit;
    return std::bit_cast<double>(sign | (uint64_t{0x7FF} << 52) | nanFraction);
  }
  if (mantissa == 0) return std::bit_cast<double>(sign);
  // Denormal extended values share the exponent of the smallest normal one.
  const int effectiveExponent = exponent == 0 ? 1 : exponent;
  const int leadingZeros = std::countl_zero(mantissa);
  const int64_t scale = static_cast<int64_t>(effectiveExponent) - kExtendedBias - 63 - leadingZeros;
  return std::bit_cast<double>(sign | RoundToDouble(mantissa << leadingZeros, scale));
}

}  // namespace kel
