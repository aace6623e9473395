// Breaks the layers: persist/ includes a Qt header.
#include <QString>
#include <string>

#include "persist/Stream.h"
#include "platform/Utf.h"
