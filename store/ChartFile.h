// The chart file container: a chart file holds either the binary form (a
// four-byte header, then a binary component stream) or the text form (the
// stream's text, starting with the word "object", no header).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persist/Stream.h"

namespace kel {

// The default chart file extension, without the dot.
inline constexpr std::string_view ChartFileExtension = "kel";

// The header: the mark 0x3060 and the format number 343, little-endian.
inline constexpr uint8_t kChartFileHeader[4] = {0x60, 0x30, 0x57, 0x01};

// Whether the stream, at its position, starts a chart in either form. The
// position is left unchanged.
bool IsChartStream(TStream& stream);
// Whether the stream, at its position, starts with the chart-file mark. The
// position is left unchanged.
bool IsBinaryChartStream(TStream& stream);

void WriteChartFileHeader(TStream& stream);

// A chart in either form, from the input's position on, to the binary form
// with header. Raises ChartException "Wrong *.kel file format" before writing
// anything when the input is in neither form.
void ChartTextToBinary(TStream& input, TStream& output);
// A chart in either form, from the input's position on, to the text form.
void ChartBinaryToText(TStream& input, TStream& output);

// The file name with ".kel" added when it has no extension. '\', ':' and '/'
// all separate folders here, so that names from either platform work.
std::string WithDefaultChartExtension(const std::string& fileName);

}  // namespace kel
