// Breaks the layers: platform/ includes a header of persist/.
#pragma once

#include <cstdint>

#include "persist/Stream.h"
#include "platform/File.h"
