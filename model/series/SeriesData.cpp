#include "model/series/SeriesData.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <vector>

#include "model/series/ChartSeries.h"
#include "model/series/SeriesMarks.h"
#include "persist/Stream.h"
#include "persist/Unicode.h"

namespace kel {

namespace {

static_assert(std::endian::native == std::endian::little, "the block is little-endian");

// The flag tests look at this many points at most.
constexpr int kSequenceScanLimit = 10000;
constexpr int kLabelScanLimit = 100;
// Introduces a label with a 32-bit length; any other first byte is the
// length of a short label.
constexpr uint8_t kLongLabel = 0xFF;
constexpr size_t kMarkPositionSize = 34;
constexpr size_t kWriteChunk = 64 * 1024;
constexpr size_t kReadChunk = 64 * 1024;

// Index of the last point a bounded scan looks at.
int ScanEnd(int count, int limit) {
  return std::min(limit, count - 1);
}

bool IsPlainSequence(const TChartValueList& list) {
  const int count = list.Count();
  if (list.First() != 0 || list.Last() != count - 1) return false;
  const int end = ScanEnd(count, kSequenceScanLimit);
  for (int i = 0; i <= end; ++i) {
    if (list.Value(i) != i) return false;
  }
  return true;
}

bool HasOwnColors(const TChartSeries& series) {
  if (!series.HasColors()) return false;
  const TColor seriesColor = series.EffectiveColor();
  const int end = ScanEnd(series.Count(), kSequenceScanLimit);
  for (int i = 0; i <= end; ++i) {
    const TColor color = series.StoredColor(i);
    if (color != clDefault && color != seriesColor) return true;
  }
  return false;
}

bool HasLabels(const TChartSeries& series) {
  const TLabelsList& labels = series.Labels();
  if (labels.Count() == 0) return false;
  const int end = ScanEnd(series.Count(), kLabelScanLimit);
  for (int i = 0; i <= end; ++i) {
    if (!labels.GetLabel(i).empty()) return true;
  }
  return false;
}

// Collects the block and hands it to the stream in large pieces.
class TBlockWriter {
 public:
  explicit TBlockWriter(TStream& stream) : FStream(stream) { FBuffer.reserve(kWriteChunk); }
  ~TBlockWriter() = default;

  template <class T>
  void Put(T value) {
    PutBytes(&value, sizeof(value));
  }
  void PutBytes(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    FBuffer.insert(FBuffer.end(), bytes, bytes + size);
    if (FBuffer.size() >= kWriteChunk) Flush();
  }
  void Flush() {
    if (!FBuffer.empty()) FStream.WriteBuffer(FBuffer.data(), static_cast<int64_t>(FBuffer.size()));
    FBuffer.clear();
  }

 private:
  TStream& FStream;
  std::vector<uint8_t> FBuffer;
};

// Reads fields of the block; each read says whether the data held it, so a
// block that ends early is never read past. The stream is read ahead in large
// pieces; what was read ahead and not used is given back at the end.
class TBlockReader {
 public:
  explicit TBlockReader(TStream& stream)
      : FStream(stream), FRemaining(std::max<int64_t>(0, stream.Size() - stream.Position())) {
    // A block already in memory is read where it is.
    if (auto* memory = dynamic_cast<TMemoryStream*>(&stream)) {
      FData = memory->Memory() + memory->Position();
      FEnd = static_cast<size_t>(FRemaining);
      FInPlace = true;
    }
  }
  TBlockReader(const TBlockReader&) = delete;
  TBlockReader& operator=(const TBlockReader&) = delete;
  ~TBlockReader() {
    try {
      if (FInPlace) {
        FStream.Seek(static_cast<int64_t>(FPos), TSeekOrigin::soCurrent);
      } else if (FEnd > FPos) {
        FStream.Seek(-static_cast<int64_t>(FEnd - FPos), TSeekOrigin::soCurrent);
      }
    } catch (...) {
      // The series keeps what it read; only the stream position is off.
    }
  }

  // Bytes of the block not read yet.
  int64_t Remaining() const { return FRemaining; }

  template <class T>
  bool Get(T& value) {
    return GetBytes(&value, sizeof(value));
  }
  bool GetBytes(void* data, size_t size) {
    if (static_cast<int64_t>(size) > FRemaining || (FEnd - FPos < size && !ReadAhead(size))) {
      FRemaining = 0;
      return false;
    }
    std::memcpy(data, FData + FPos, size);
    FPos += size;
    FRemaining -= static_cast<int64_t>(size);
    return true;
  }
  // A label in either form, decoded from the single-byte code page.
  bool GetLabel(std::u16string& label) {
    uint8_t first = 0;
    if (!Get(first)) return false;
    uint32_t length = first;
    if (first == kLongLabel && !Get(length)) return false;
    if (length > FRemaining) {
      FRemaining = 0;
      return false;
    }
    FBytes.resize(length);
    if (!GetBytes(FBytes.data(), length)) return false;
    label = AnsiToUtf16(FBytes);
    return true;
  }

 private:
  // Reads ahead until `size` bytes are buffered.
  bool ReadAhead(size_t size) {
    const size_t kept = FEnd - FPos;
    std::memmove(FBuffer.data(), FBuffer.data() + FPos, kept);
    FPos = 0;
    FEnd = kept;
    if (FBuffer.size() < std::max(size, kReadChunk)) FBuffer.resize(std::max(size, kReadChunk));
    FData = FBuffer.data();
    const int64_t inStream = FRemaining - static_cast<int64_t>(kept);
    const int64_t wanted = std::min(static_cast<int64_t>(FBuffer.size() - kept), inStream);
    const int64_t read = FStream.Read(FBuffer.data() + kept, wanted);
    FEnd += static_cast<size_t>(std::max<int64_t>(read, 0));
    return FEnd >= size;
  }

  TStream& FStream;
  int64_t FRemaining;
  std::vector<uint8_t> FBuffer;
  const uint8_t* FData = nullptr;  // the stream's memory, or FBuffer
  bool FInPlace = false;
  size_t FPos = 0;
  size_t FEnd = 0;
  std::string FBytes;
};

void PutPosition(TBlockWriter& out, const TSeriesMarkPosition& p) {
  out.Put(p.ArrowFrom.X);
  out.Put(p.ArrowFrom.Y);
  out.Put(static_cast<uint8_t>(p.ArrowFix ? 1 : 0));
  out.Put(p.ArrowTo.X);
  out.Put(p.ArrowTo.Y);
  out.Put(static_cast<uint8_t>(p.Custom ? 1 : 0));
  out.Put(p.Height);
  out.Put(p.LeftTop.X);
  out.Put(p.LeftTop.Y);
  out.Put(p.Width);
}

bool GetPosition(TBlockReader& in, TSeriesMarkPosition& p) {
  uint8_t bytes[kMarkPositionSize];
  if (!in.GetBytes(bytes, sizeof(bytes))) return false;
  size_t offset = 0;
  const auto int32At = [&] {
    int32_t value;
    std::memcpy(&value, bytes + offset, sizeof(value));
    offset += sizeof(value);
    return value;
  };
  const auto boolAt = [&] { return bytes[offset++] != 0; };
  p.ArrowFrom.X = int32At();
  p.ArrowFrom.Y = int32At();
  p.ArrowFix = boolAt();
  p.ArrowTo.X = int32At();
  p.ArrowTo.Y = int32At();
  p.Custom = boolAt();
  p.Height = int32At();
  p.LeftTop.X = int32At();
  p.LeftTop.Y = int32At();
  p.Width = int32At();
  return true;
}

// Ends the series' update however reading ends.
class TUpdateScope {
 public:
  explicit TUpdateScope(TChartSeries& series) : FSeries(series) { FSeries.BeginUpdate(); }
  ~TUpdateScope() { FSeries.EndUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

 private:
  TChartSeries& FSeries;
};

}  // namespace

uint8_t SeriesContentFlags(const TChartSeries& series) {
  uint8_t flags = 0;
  const int count = series.Count();
  if (series.IUseNotMandatory && count > 0 && !IsPlainSequence(*series.NotMandatoryValueList())) {
    flags |= scfXValues;
  }
  if (count > 0 && HasOwnColors(series)) flags |= scfColors;
  if (count > 0 && HasLabels(series)) flags |= scfLabels;
  if (series.Marks()->Positions().HasCustom()) flags |= scfMarkPositions;
  return flags;
}

void WriteSeriesDataBlock(TChartSeries& series, TStream& stream) {
  const uint8_t flags = SeriesContentFlags(series);
  const int32_t count = series.Count();
  const TChartValueList& notMandatory = *series.NotMandatoryValueList();
  const TChartValueList& mandatory = *series.MandatoryValueList();
  const TLabelsList& labels = series.Labels();
  TSeriesMarksPositions& positions = series.Marks()->Positions();
  const int listCount = series.ValueLists().Count();

  TBlockWriter out(stream);
  out.Put(flags);
  out.Put(count);
  for (int i = 0; i < count; ++i) {
    if (flags & scfXValues) out.Put(notMandatory.Value(i));
    out.Put(mandatory.Value(i));
    if (flags & scfColors) out.Put(static_cast<int32_t>(series.StoredColor(i)));
    if (flags & scfLabels) {
      const std::string bytes = Utf16ToAnsi(labels.GetLabel(i));
      out.Put(kLongLabel);
      out.Put(static_cast<uint32_t>(bytes.size()));
      out.PutBytes(bytes.data(), bytes.size());
    }
    for (int list = 2; list < listCount; ++list) out.Put(series.ValueList(list)->Value(i));
    if (flags & scfMarkPositions) {
      if (positions.Position(i) == nullptr) positions.SetPosition(i, TSeriesMarkPosition());
      PutPosition(out, *positions.Position(i));
    }
  }
  out.Flush();
}

void ReadSeriesDataBlock(TChartSeries& series, TStream& stream) {
  series.Clear();
  TBlockReader in(stream);
  uint8_t flags = 0;
  int32_t count = 0;
  if (!in.Get(flags) || !in.Get(count)) {
    series.ManualData = true;
    return;
  }
  const bool horizontal = !series.YMandatory();
  const int listCount = series.ValueLists().Count();
  std::vector<double> extras(static_cast<size_t>(std::max(0, listCount - 2)));
  // Room for the points the data can hold at most, so that the lists do not
  // grow step by step; a count beyond the data reserves no more than that.
  const int64_t pointSize =
      ((flags & scfXValues) ? 8 : 0) + 8 + ((flags & scfColors) ? 4 : 0) +
      ((flags & scfLabels) ? 1 : 0) + 8 * static_cast<int64_t>(extras.size()) +
      ((flags & scfMarkPositions) ? static_cast<int64_t>(kMarkPositionSize) : 0);
  series.ReservePoints(static_cast<int>(std::min<int64_t>(count, in.Remaining() / pointSize)));
  std::u16string label;
  TSeriesMarkPosition position;
  {
    TUpdateScope update(series);
    for (int32_t i = 0; i < count; ++i) {
      double a = i;
      double b = 0;
      int32_t color = clDefault;
      label.clear();
      if ((flags & scfXValues) && !in.Get(a)) break;
      if (!in.Get(b)) break;
      if ((flags & scfColors) && !in.Get(color)) break;
      if ((flags & scfLabels) && !in.GetLabel(label)) break;
      bool complete = true;
      for (double& extra : extras) complete = complete && in.Get(extra);
      if (!complete) break;
      if ((flags & scfMarkPositions) && !GetPosition(in, position)) break;

      for (size_t k = 0; k < extras.size(); ++k) {
        series.ValueList(static_cast<int>(k) + 2)->TempValue = extras[k];
      }
      if (horizontal) std::swap(a, b);
      series.AddXY(a, b, label, static_cast<TColor>(color));
      if (flags & scfMarkPositions) series.Marks()->Positions().Append(position);
    }
  }
  series.ManualData = true;
}

}  // namespace kel
