// Colour palettes: the process-wide default palette and the catalogue of
// predefined palettes that a chart selects by number.
#pragma once

#include <cstdint>
#include <vector>

#include "persist/IntegerIdents.h"

namespace kel {

using TColorArray = std::vector<TColor>;

// The chart's palette index for a custom palette held in ColorPalette.
inline constexpr int32_t kCustomPaletteIndex = -2;
// The palette a new chart selects when the option store names none.
inline constexpr int32_t kDefaultPaletteIndex = 13;

// The 20 colours used when a chart's own palette is empty.
const TColorArray& DefaultPalette();
// The predefined palette of that number (1 to 19); empty for any other number.
const TColorArray& PredefinedPalette(int32_t index);

}  // namespace kel
