#include "store/export/SeriesDataJson.h"

#include <charconv>
#include <cmath>

#include "model/series/SeriesData.h"
#include "store/export/ExportColumns.h"
#include "store/export/LineBuffer.h"
#include "store/export/SeriesDataXml.h"

namespace kel {

KEL_PROPERTIES(TSeriesDataJSON)

namespace {

constexpr size_t kJsonLineLength = 64;
// Day 0 of JavaScript time as a date-time value, and its unit.
constexpr double kUnixEpochDay = 25569;
constexpr double kMillisecondsPerDay = 86400000;
// Beyond this many days from 1970 the milliseconds are written in the
// general format, which is short.
constexpr double kLargestJavaScriptDay = 1e12;

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// The members of point objects: the value first, then the X value, colour
// and label.
class TJsonCells {
 public:
  TJsonCells(const TSeriesDataJSON& exporter, const TChartSeries& series, TLineBuffer& line)
      : FLine(line),
        FMandatory(series.MandatoryValueList()),
        FJavaScriptTime(exporter.DateTimeFormat == jdJavaScript) {}

  void Index(int) {}
  void Text(const TExportColumn&, const std::u16string& label) {
    FLine.Append(", \"name\":\"");
    AppendJsonEscaped(FLine.Document(), label);
    FLine.Append("\"");
  }
  void Color(const TExportColumn&, TColor color) {
    FLine.Append(", \"color\":\"");
    FLine.Append(FColors.Of(color));
    FLine.Append("\"");
  }
  void Value(const TExportColumn& column, double value) {
    Key(column);
    if (!std::isfinite(value)) {
      FLine.Append("null");
    } else if (FJavaScriptTime && column.List->DateTime() &&
               std::fabs(value - kUnixEpochDay) < kLargestJavaScriptDay) {
      // Rounded to the nearest, halves to even.
      const double milliseconds = std::nearbyint((value - kUnixEpochDay) * kMillisecondsPerDay);
      char* out = FLine.AsciiRoom();
      FLine.CommitAscii(static_cast<size_t>(
          std::to_chars(out, out + kMaxAsciiText, milliseconds, std::chars_format::fixed).ptr -
          out));
    } else {
      FLine.CommitAscii(FormatGeneralNumberTo(FLine.AsciiRoom(), value));
    }
  }
  void Empty(const TExportColumn& column) {
    Key(column);
    FLine.Append("null");
  }

 private:
  void Key(const TExportColumn& column) {
    FLine.Append(column.List == FMandatory ? " \"value\":" : ", \"x\":");
  }

  TLineBuffer& FLine;
  const TChartValueList* FMandatory;
  const bool FJavaScriptTime;
  TColorText FColors;
};

}  // namespace

void AppendJsonEscaped(std::u16string& out, std::u16string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'"' || c == u'\\') {
      out += u'\\';
      out += c;
    } else if (c == u'\n') {
      out += u"\\n";
    } else if (c == u'\r') {
      out += u"\\r";
    } else if (c == u'\t') {
      out += u"\\t";
    } else if (c < 0x20) {
      out += u"\\u00";
      out += static_cast<char16_t>(kHex[c >> 4]);
      out += static_cast<char16_t>(kHex[c & 0xF]);
    } else if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      out += c;
      out += text[++i];
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
      out += u'\xFFFD';
    } else {
      out += c;
    }
  }
}

TSeriesDataJSON::TSeriesDataJSON(TCustomChart* chart, TChartSeries* series)
    : TSeriesData(chart, series) {}

TSeriesDataJSON::TSeriesDataJSON(TCustomChart* chart, TChartSeries* series, const Locale& locale)
    : TSeriesData(chart, series, locale) {}

void TSeriesDataJSON::SaveToStream(TStream& stream) {
  SaveEncodedOrUtf8(stream);
}

void TSeriesDataJSON::WriteDocument(TDocumentText& text) {
  text.Text() += u"{ \"chart\": [\r\n";
  bool first = true;
  for (const TChartSeries* series : ExportedSeries()) {
    if (!first) text.Text() += u",\r\n";
    first = false;
    WriteSeries(text, *series);
  }
  if (!first) text.Text() += u"\r\n";
  text.Text() += u" ]\r\n}\r\n";
}

void TSeriesDataJSON::WriteSeries(TDocumentText& text, const TChartSeries& series) {
  FormatForSeries(&series);
  std::u16string& out = text.Text();
  out += u"  {\r\n   \"series\": {\r\n";
  const std::u16string title = SeriesTitleText(series);
  if (!title.empty()) {
    out += u"   \"name\":\"";
    AppendJsonEscaped(out, title);
    out += u"\",\r\n";
  }
  out += u"   \"color\":\"";
  AppendColorHexText(out, series.EffectiveColor());
  out += u"\",\r\n   \"point\": [\r\n";

  TExportColumns columns;
  columns.AddValue(series, *series.MandatoryValueList());
  if ((IFormat & scfXValues) != 0) columns.AddValue(series, *series.NotMandatoryValueList());
  if ((IFormat & scfColors) != 0) columns.AddColor(series);
  if ((IFormat & scfLabels) != 0) columns.AddLabel(series);
  const int count = series.Count();
  WriteLinesInPieces(text, count, kJsonLineLength, FPieceTexts,
                     [&](int first, int last, std::u16string& pieceText) {
                       TLineBuffer line(pieceText);
                       TJsonCells cells(*this, series, line);
                       for (int i = first; i < last; ++i) {
                         line.Append("     {");
                         columns.WriteRow(i, cells);
                         line.Append(i + 1 < count ? " },\r\n" : " }\r\n");
                       }
                     });
  text.Text() += u"   ]\r\n   }\r\n  }";
}

}  // namespace kel
