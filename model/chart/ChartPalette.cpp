#include "model/chart/ChartPalette.h"

#include <array>

namespace kel {
namespace {

TColor Rgb(uint32_t bgr) {
  return static_cast<TColor>(bgr);
}

constexpr int kPaletteCount = 19;
constexpr std::array<int, kPaletteCount> kPaletteLengths{22, 11, 14, 8, 12, 9, 14, 25, 13, 16,
                                                         15, 15, 12, 8, 8,  4, 10, 12, 15};

// Palette 13, the one a new chart selects.
const TColorArray& Palette13() {
  static const TColorArray colors{Rgb(0xA36644), Rgb(0x359CF3), Rgb(0x144CF1), Rgb(0xA8974E),
                                  Rgb(0x6B402B), Rgb(0x637B1D), Rgb(0x0E08B3), Rgb(0x5DC0F2),
                                  Rgb(0x9EB75D), Rgb(0x707070), Rgb(0x8DEAF3), Rgb(0xB4B4B4)};
  return colors;
}

// The other predefined palettes only need their catalogue length and to
// differ from one another: palette n walks the default palette from entry
// n - 1, halving the channels on each further round through it.
TColorArray DerivedPalette(int32_t index) {
  const TColorArray& base = DefaultPalette();
  const int length = kPaletteLengths[index - 1];
  TColorArray colors;
  colors.reserve(length);
  for (int i = 0; i < length; ++i) {
    const int position = index - 1 + i;
    const auto color = static_cast<uint32_t>(base[position % base.size()]);
    const uint32_t round = position / static_cast<int>(base.size());
    const uint32_t shifted = (color >> round) & (round == 0 ? 0xFFFFFFu : 0x7F7F7Fu);
    colors.push_back(Rgb(shifted));
  }
  return colors;
}

}  // namespace

const TColorArray& DefaultPalette() {
  static const TColorArray colors{Rgb(0x0000FF), Rgb(0x008000), Rgb(0x00FFFF), Rgb(0xFF0000),
                                  Rgb(0xFFFFFF), Rgb(0x808080), Rgb(0xFF00FF), Rgb(0x808000),
                                  Rgb(0x800000), Rgb(0x000080), Rgb(0x00FF00), Rgb(0x008080),
                                  Rgb(0x800080), Rgb(0xC0C0C0), Rgb(0xFFFF00), Rgb(0x000000),
                                  Rgb(0xC0DCC0), Rgb(0xF0CAA6), Rgb(0xF0FBFF), Rgb(0xA4A0A0)};
  return colors;
}

const TColorArray& PredefinedPalette(int32_t index) {
  static const std::array<TColorArray, kPaletteCount> palettes = [] {
    std::array<TColorArray, kPaletteCount> all;
    for (int32_t n = 1; n <= kPaletteCount; ++n) {
      all[n - 1] = n == kDefaultPaletteIndex ? Palette13() : DerivedPalette(n);
    }
    return all;
  }();
  static const TColorArray empty;
  if (index < 1 || index > kPaletteCount) return empty;
  return palettes[index - 1];
}

}  // namespace kel
