#include "store/ChartFile.h"

#include "persist/BinaryToText.h"
#include "persist/TextToBinary.h"
#include "platform/Path.h"
#include "store/ChartException.h"

namespace kel {
namespace {

constexpr uint16_t kChartFileMark = 0x3060;

// The first bytes at the stream's position (missing ones count as zero); the
// position is put back.
void PeekStart(TStream& stream, uint8_t start[4]) {
  const int64_t position = stream.Position();
  start[0] = start[1] = start[2] = start[3] = 0;
  stream.Read(start, 4);
  stream.SetPosition(position);
}

bool HasChartMark(const uint8_t start[4]) {
  return static_cast<uint16_t>(start[0] | (start[1] << 8)) == kChartFileMark;
}

void CheckChartStream(TStream& input) {
  if (!IsChartStream(input)) throw ChartException(WrongChartFileFormatMessage());
}

// The rest of the input, unchanged. Only what lies after the position is
// copied, so that an input not standing at its start cannot run short.
void CopyRest(TStream& input, TStream& output) {
  const int64_t rest = input.Size() - input.Position();
  if (rest > 0) output.CopyFrom(input, rest);
}

}  // namespace

bool IsChartStream(TStream& stream) {
  uint8_t start[4];
  PeekStart(stream, start);
  return HasChartMark(start) || start[0] == 'O' || start[0] == 'o';
}

bool IsBinaryChartStream(TStream& stream) {
  uint8_t start[4];
  PeekStart(stream, start);
  return HasChartMark(start);
}

void WriteChartFileHeader(TStream& stream) {
  stream.WriteBuffer(kChartFileHeader, sizeof kChartFileHeader);
}

void ChartTextToBinary(TStream& input, TStream& output) {
  CheckChartStream(input);
  if (IsBinaryChartStream(input)) {
    CopyRest(input, output);
  } else {
    WriteChartFileHeader(output);
    ComponentTextToBinary(input, output);
  }
}

void ChartBinaryToText(TStream& input, TStream& output) {
  CheckChartStream(input);
  if (IsBinaryChartStream(input)) {
    uint8_t header[sizeof kChartFileHeader];
    input.ReadBuffer(header, sizeof header);
    ComponentBinaryToText(input, output);
  } else {
    CopyRest(input, output);
  }
}

std::string WithDefaultChartExtension(const std::string& fileName) {
  const bool hasExtension =
      SplitPath(fileName, kAnyPlatformSeparators).name.find('.') != std::string_view::npos;
  if (hasExtension) return fileName;
  return fileName + "." + std::string(ChartFileExtension);
}

}  // namespace kel
