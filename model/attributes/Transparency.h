// The transparency of a drawn part.
#pragma once

#include <cstdint>

namespace kel {

// A percentage 0..100 of transparency, stored in one byte.
using TKelTransparency = uint8_t;

}  // namespace kel
