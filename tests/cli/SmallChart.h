// The small chart the kelconv tests convert: a TChart with Width = 400.
#pragma once

#include <string>
#include <vector>

#include "tests/persist/HexBytes.h"

namespace kel::test {

// The chart as a binary chart file.
inline std::string BinaryChart() {
  const std::vector<uint8_t> bytes =
      Hex("60 30 57 01 54 50 46 30 06 54 43 68 61 72 74 00"
          "05 57 69 64 74 68 03 90 01 00 00");
  return {bytes.begin(), bytes.end()};
}
inline constexpr const char* kChartText = "object TChart\r\n  Width = 400\r\nend\r\n";
// The same chart converted through the chart: its bounds, canvas and palette.
inline constexpr const char* kConvertedText =
    "object TChart\r\n  Left = 0\r\n  Top = 0\r\n  Width = 400\r\n  Height = 250\r\n"
    "  DefaultCanvas = 'TGDIPlusCanvas'\r\n  ColorPaletteIndex = 13\r\nend\r\n";

}  // namespace kel::test
