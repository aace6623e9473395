// The extended series family: Gantt, bubble, arrow, the financial series and
// the shape.
#pragma once

#include "model/extended/ArrowSeries.h"
#include "model/extended/BubbleSeries.h"
#include "model/extended/CandleSeries.h"
#include "model/extended/ChartShape.h"
#include "model/extended/GanttSeries.h"
#include "model/extended/OHLCSeries.h"
#include "model/extended/VolumeSeries.h"

namespace kel {

// Registers every extended series class by name, so chart files naming them
// load; the catalogue gives them their gallery entries.
void RegisterExtendedSeriesClasses();

}  // namespace kel
