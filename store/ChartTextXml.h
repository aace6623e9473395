// An XML rendering of a chart's text form: objects become elements named
// after their class, dotted property paths nested elements, and values
// attributes.
#pragma once

#include "persist/Stream.h"

namespace kel {

// Reads the text form held by stream (from its start) and replaces the
// stream's content with the XML document, in UTF-8, lines ended by CR LF.
// withHeader puts the XML declaration first.
void ChartTextToXml(TMemoryStream& stream, bool withHeader);

}  // namespace kel
