#include "store/export/ExportData.h"

#include <algorithm>

#include "model/chart/Chart.h"
#include "model/series/ChartSeries.h"
#include "model/series/SeriesData.h"
#include "persist/Stream.h"
#include "platform/Clipboard.h"
#include "platform/Locale.h"
#include "store/AtomicFileStream.h"
#include "store/export/NumberFormat.h"
#include "store/export/TextEncoding.h"

namespace kel {

KEL_PROPERTIES(TKelExportData)

KEL_PROPERTIES(TSeriesData,
               Property(u"IncludeColors", &TSeriesData::IncludeColors, &TSeriesData::IncludeColors)
                   .Default(false),
               Property(u"IncludeHeader", &TSeriesData::IncludeHeader, &TSeriesData::IncludeHeader)
                   .Default(false),
               Property(u"IncludeIndex", &TSeriesData::IncludeIndex, &TSeriesData::IncludeIndex)
                   .Default(false),
               Property(u"IncludeLabels", &TSeriesData::IncludeLabels, &TSeriesData::IncludeLabels)
                   .Default(true),
               Property(u"UseSeriesFormat",
                        &TSeriesData::UseSeriesFormat,
                        &TSeriesData::UseSeriesFormat)
                   .Default(false),
               Property(u"ValueFormat", &TSeriesData::ValueFormat, &TSeriesData::ValueFormat))

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

char* WriteHexByte(char* out, uint32_t byte) {
  *out++ = kHexDigits[(byte >> 4) & 0xF];
  *out++ = kHexDigits[byte & 0xF];
  return out;
}

}  // namespace

size_t FormatColorHexTo(char* start, TColor color) {
  const uint32_t value = static_cast<uint32_t>(color);
  char* out = start;
  *out++ = '#';
  if ((value >> 24) != 0) out = WriteHexByte(out, value >> 24);
  out = WriteHexByte(out, value);
  out = WriteHexByte(out, value >> 8);
  out = WriteHexByte(out, value >> 16);
  return static_cast<size_t>(out - start);
}

void AppendColorHexText(std::u16string& out, TColor color) {
  char text[kMaxColorHexText];
  out.append(text, text + FormatColorHexTo(text, color));
}

std::u16string ColorToHexText(TColor color) {
  std::u16string text;
  AppendColorHexText(text, color);
  return text;
}

// --- TKelExportData ---

TKelExportData::TKelExportData() = default;
TKelExportData::~TKelExportData() = default;

void TKelExportData::SetFileEncoding(std::unique_ptr<TEncoding> encoding) {
  FFileEncoding = std::move(encoding);
}

std::u16string TKelExportData::AsString() {
  return {};
}

void TKelExportData::CopyToClipboard() {
  if (Clipboard* clipboard = SystemClipboard()) clipboard->SetText(AsString());
}

void TKelExportData::SaveToFile(const std::string& fileName) {
  WriteFileAtomically(fileName, [this](TStream& stream) { SaveToStream(stream); });
}

void TKelExportData::SaveToStream(TStream& stream) {
  const std::unique_ptr<TEncoding> utf16 = TEncoding::Create("UTF-16");
  const std::string_view mark = utf16->Preamble();
  stream.WriteBuffer(mark.data(), static_cast<int64_t>(mark.size()));
  utf16->Write(stream, AsString(), true);
}

// --- TSeriesData ---

TSeriesData::TSeriesData(TCustomChart* chart, TChartSeries* series)
    : TSeriesData(chart, series, SystemLocale()) {}

TSeriesData::TSeriesData(TCustomChart* chart, TChartSeries* series, const Locale& locale)
    : FChart(chart), FSeries(series), FLocale(&locale) {}

TSeriesData::~TSeriesData() = default;

bool TSeriesData::ValidSeries(const TChartSeries* series) const {
  if (FSeriesList.empty() || series == FSeries) return true;
  return std::find(FSeriesList.begin(), FSeriesList.end(), series) != FSeriesList.end();
}

const std::u16string& TSeriesData::ValueFormatFor(const TChartSeries* series) const {
  return series != nullptr && UseSeriesFormat ? series->ValueFormat() : ValueFormat;
}

void TSeriesData::AppendValueText(std::u16string& out,
                                  const TChartSeries* series,
                                  double value) const {
  const std::u16string& format = ValueFormatFor(series);
  const char16_t decimal = FLocale->DecimalSeparator();
  if (format.empty()) {
    AppendGeneralNumber(out, value, decimal);
  } else {
    out += FormatFloat(format, value, SeparatorsFor(decimal));
  }
}

std::u16string TSeriesData::ValueToString(const TChartSeries* series, double value) const {
  std::u16string text;
  AppendValueText(text, series, value);
  return text;
}

std::vector<TChartSeries*> TSeriesData::ChartSeries() const {
  std::vector<TChartSeries*> series;
  if (FChart == nullptr) return series;
  for (IChartSeries* item : FChart->SeriesList()) {
    if (auto* s = dynamic_cast<TChartSeries*>(&item->SeriesComponent())) series.push_back(s);
  }
  return series;
}

std::vector<TChartSeries*> TSeriesData::ExportedSeries() const {
  if (FSeries != nullptr) return {FSeries};
  std::vector<TChartSeries*> series = ChartSeries();
  std::erase_if(series, [this](const TChartSeries* s) { return !ValidSeries(s); });
  return series;
}

void TSeriesData::DetectSeriesFormat(const TChartSeries* series) {
  if (series != nullptr) {
    IFormat = SeriesContentFlags(*series);
    return;
  }
  for (const TChartSeries* s : ChartSeries()) {
    if (ValidSeries(s) && s->Count() > 0) {
      IFormat = SeriesContentFlags(*s);
      return;
    }
  }
}

void TSeriesData::FormatForSeries(const TChartSeries* series) {
  DetectSeriesFormat(series);
  ApplyIncludeSettings();
}

void TSeriesData::ComputeUnionFormat() {
  IFormat = 0;
  for (const TChartSeries* series : ExportedSeries()) IFormat |= SeriesContentFlags(*series);
  ApplyIncludeSettings();
}

void TSeriesData::ApplyIncludeSettings() {
  if (!IncludeLabels) IFormat &= ~scfLabels;
  if (IncludeColors) {
    IFormat |= scfColors;
  } else {
    IFormat &= ~scfColors;
  }
}

int TSeriesData::ExportedSeriesCount() const {
  if (FSeries != nullptr) return 1;
  if (FSeriesList.empty()) return FChart == nullptr ? 0 : FChart->SeriesCount();
  return static_cast<int>(ExportedSeries().size());
}

int TSeriesData::MaxPointCount() const {
  if (FSeries != nullptr) return FSeries->Count();
  int most = 0;
  for (const TChartSeries* s : ExportedSeries()) most = std::max(most, s->Count());
  return most;
}

int TSeriesData::ColumnCount() const {
  int columns = IncludeIndex ? 1 : 0;
  for (uint8_t bit : {scfLabels, scfColors, scfXValues}) {
    if ((IFormat & bit) != 0) columns += ExportedSeriesCount();
  }
  for (const TChartSeries* s : ExportedSeries()) columns += s->ValueLists().Count() - 1;
  return columns;
}

std::u16string TSeriesData::PointLine(int) {
  return {};
}

void TSeriesData::WriteDocument(TDocumentText& text) {
  ComputeOwnFormat();
  const int count = MaxPointCount();
  for (int i = 0; i < count; ++i) {
    text.Text() += PointLine(i);
    text.Text() += u"\r\n";
    text.Flush();
  }
}

std::u16string TSeriesData::AsString() {
  TDocumentText text;
  WriteDocument(text);
  return std::move(text.Text());
}

void TSeriesData::SaveToStream(TStream& stream) {
  if (TEncoding* encoding = FileEncoding()) {
    SaveEncoded(stream, *encoding);
  } else {
    SaveEncoded(stream, *TEncoding::DefaultCodePage());
  }
}

void TSeriesData::SaveEncodedOrUtf8(TStream& stream) {
  if (TEncoding* encoding = FileEncoding()) {
    SaveEncoded(stream, *encoding);
  } else {
    SaveEncoded(stream, *TEncoding::Create("UTF-8"));
  }
}

void TSeriesData::SaveEncoded(TStream& stream, TEncoding& encoding) {
  const std::string_view mark = encoding.Preamble();
  stream.WriteBuffer(mark.data(), static_cast<int64_t>(mark.size()));
  TDocumentText text(
      [&](std::u16string_view block, bool last) { encoding.Write(stream, block, last); });
  WriteDocument(text);
  text.Finish();
}

}  // namespace kel
