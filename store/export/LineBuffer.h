// The pieces that the data documents build their lines from: a buffer that
// gathers ASCII text cheaply, and the texts of values, colours and indexes.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "model/series/ChartSeries.h"
#include "platform/Locale.h"
#include "store/export/ExportData.h"
#include "store/export/NumberFormat.h"

namespace kel {

// Point lines gathered before they go to the document together.
inline constexpr size_t kLineBufferSize = 4096;
// The longest ASCII piece of a line: a number, a colour, a literal.
inline constexpr size_t kMaxAsciiText = kMaxGeneralNumberText;

inline void AppendInteger(std::u16string& out, int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

// Gathers lines as ASCII in a small buffer and hands them to the document
// widened, in one append; other texts go to the document directly, after
// what was gathered before them.
class TLineBuffer {
 public:
  explicit TLineBuffer(std::u16string& document) : FDocument(document) {}
  TLineBuffer(const TLineBuffer&) = delete;
  TLineBuffer& operator=(const TLineBuffer&) = delete;
  ~TLineBuffer() { Flush(); }

  // An ASCII text of at most kMaxAsciiText characters.
  void Append(std::string_view text) {
    std::memcpy(AsciiRoom(), text.data(), text.size());
    FLength += text.size();
  }
  void Append(std::u16string_view text) {
    if (text.size() > kMaxAsciiText ||
        std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x80; })) {
      Document().append(text);
      return;
    }
    std::copy(text.begin(), text.end(), AsciiRoom());
    FLength += text.size();
  }
  // Room for an ASCII text of at most kMaxAsciiText characters: write it
  // there, then Commit its length.
  char* AsciiRoom() {
    if (FLength + kMaxAsciiText > kLineBufferSize) Flush();
    return FBuffer + FLength;
  }
  void CommitAscii(size_t length) { FLength += length; }
  // The document with everything gathered so far in it.
  std::u16string& Document() {
    Flush();
    return FDocument;
  }
  void Flush() {
    const size_t start = FDocument.size();
    FDocument.resize(start + FLength);
    char16_t* out = FDocument.data() + start;
    for (size_t i = 0; i < FLength; ++i) out[i] = static_cast<unsigned char>(FBuffer[i]);
    FLength = 0;
  }

 private:
  std::u16string& FDocument;
  char FBuffer[kLineBufferSize];
  size_t FLength = 0;
};

// Writes a series' values as the exporter formats them: in the general
// format straight into the line when no pattern applies and the decimal
// separator is ASCII.
class TValueWriter {
 public:
  TValueWriter(const TSeriesData& exporter, const TChartSeries& series)
      : FExporter(exporter), FSeries(series) {
    const char16_t decimal = exporter.UserLocale().DecimalSeparator();
    FGeneral = exporter.ValueFormatFor(&series).empty() && decimal < 0x80;
    FDecimal = static_cast<char>(decimal);
  }

  // True when every value text is ASCII made of digits, signs, the decimal
  // separator and the letters of exponents and "NAN"/"INF".
  bool General() const { return FGeneral; }

  void Write(TLineBuffer& line, double value) const {
    if (!FGeneral) {
      FExporter.AppendValueText(line.Document(), &FSeries, value);
      return;
    }
    char* out = line.AsciiRoom();
    line.CommitAscii(WriteGeneral(out, value));
  }
  // The general text of `value` written to `out` (room for
  // kMaxGeneralNumberText); returns its length.
  size_t WriteGeneral(char* out, double value) const {
    const size_t length = FormatGeneralNumberTo(out, value);
    if (FDecimal != '.') std::replace(out, out + length, '.', FDecimal);
    return length;
  }
  // The text of `value` as the exporter formats it.
  std::u16string Text(double value) const { return FExporter.ValueToString(&FSeries, value); }

 private:
  const TSeriesData& FExporter;
  const TChartSeries& FSeries;
  bool FGeneral = false;
  char FDecimal = '.';
};

// The value writers of a document's series, made once per series.
class TValueWriters {
 public:
  explicit TValueWriters(const TSeriesData& exporter) : FExporter(exporter) {}

  const TValueWriter& Of(const TChartSeries& series) {
    if (FLast != nullptr && FLastSeries == &series) return *FLast;
    auto found = std::find(FSeries.begin(), FSeries.end(), &series);
    if (found == FSeries.end()) {
      FSeries.push_back(&series);
      FWriters.emplace_back(FExporter, series);
      found = FSeries.end() - 1;
    }
    FLastSeries = &series;
    FLast = &FWriters[static_cast<size_t>(found - FSeries.begin())];
    return *FLast;
  }

 private:
  const TSeriesData& FExporter;
  std::vector<const TChartSeries*> FSeries;
  std::deque<TValueWriter> FWriters;  // stays in place as it grows
  const TChartSeries* FLastSeries = nullptr;
  const TValueWriter* FLast = nullptr;
};

// The "#RRGGBB" text of point colours, kept for the next point, which mostly
// has the same colour.
class TColorText {
 public:
  std::string_view Of(TColor color) {
    if (FLength == 0 || color != FColor) {
      FColor = color;
      FLength = FormatColorHexTo(FText, color);
    }
    return {FText, FLength};
  }

 private:
  TColor FColor = clNone;
  char FText[kMaxColorHexText];
  size_t FLength = 0;
};

// The decimal text of an index that goes up by one from line to line: each
// step changes the last digits only, where formatting would divide.
class TIndexText {
 public:
  explicit TIndexText(int start) {
    const auto end = std::to_chars(FDigits, FDigits + sizeof FDigits, start).ptr;
    FStart = sizeof FDigits - static_cast<size_t>(end - FDigits);
    std::memmove(FDigits + FStart, FDigits, sizeof FDigits - FStart);
  }
  std::string_view Text() const { return {FDigits + FStart, sizeof FDigits - FStart}; }
  void Next() {
    for (size_t i = sizeof FDigits; i-- > FStart;) {
      if (FDigits[i] != '9') {
        ++FDigits[i];
        return;
      }
      FDigits[i] = '0';
    }
    FDigits[--FStart] = '1';
  }

 private:
  char FDigits[16];  // right-aligned
  size_t FStart = 0;
};

}  // namespace kel
