// The "Data" block of a series: its points as one binary block.
//
// Layout (little-endian): a flags byte (SeriesContentFlags), the point count
// as a signed 32-bit integer, then per point: the not-mandatory value
// (double, flag 1), the mandatory value (double), the stored colour (32-bit,
// flag 2), the label (0xFF, 32-bit length, single-byte code page bytes;
// flag 4), one double per extra value list, and the mark position (34 bytes,
// flag 8).
#pragma once

#include <cstdint>

namespace kel {

class TChartSeries;
class TStream;

enum TSeriesContentFlag : uint8_t {
  scfXValues = 1,
  scfColors = 2,
  scfLabels = 4,
  scfMarkPositions = 8,
};

// Which optional fields the series' block carries. The tests scan a bounded
// number of points: 10001 for X values and colours, 101 for labels.
uint8_t SeriesContentFlags(const TChartSeries& series);

// The block of series, written at the stream's position.
void WriteSeriesDataBlock(TChartSeries& series, TStream& stream);
// Clears series and reads one block from the stream's position, leaving the
// position after it. A block that ends early keeps the points read up to the
// last complete one.
void ReadSeriesDataBlock(TChartSeries& series, TStream& stream);

}  // namespace kel
