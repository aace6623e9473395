#include "store/export/SeriesDataXls.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <memory>
#include <string>

#include "persist/Exceptions.h"
#include "persist/Stream.h"
#include "platform/Locale.h"
#include "platform/Utf.h"
#include "store/export/ExportColumns.h"
#include "store/export/TextEncoding.h"

namespace kel {

KEL_PROPERTIES(TSeriesDataXLS)

namespace {

static_assert(std::endian::native == std::endian::little, "records are written little-endian");

constexpr char kBeginOfFile[] = {0x09, 0x08, 0x08, 0x00, 0x00, 0x05,
                                 0x10, 0x00, 0x00, 0x00, 0x00, 0x00};
constexpr char kEndOfFile[] = {0x0A, 0x00, 0x00, 0x00};
constexpr uint16_t kDimensions = 0x0200;
constexpr uint16_t kBlankCell = 0x0001;
constexpr uint16_t kNumberCell = 0x0003;
constexpr uint16_t kTextCell = 0x0004;
constexpr size_t kMaxTextBytes = 255;
// Records gathered before they go to the stream.
constexpr size_t kRecordBufferSize = 1 << 16;

// The number `text` reads as, with the locale's decimal separator.
double TextToNumber(const std::u16string& text, char16_t decimal) {
  std::string ascii;
  for (char16_t c : text) {
    if (c == decimal) {
      ascii += '.';
    } else if (c < 0x80 && c != '.') {
      ascii += static_cast<char>(c);
    } else {
      ascii.clear();
      break;
    }
  }
  double value = 0;
  const char* begin = ascii.data();
  if (!ascii.empty() && ascii[0] == '+') ++begin;
  const auto [end, error] = std::from_chars(begin, ascii.data() + ascii.size(), value);
  if (ascii.empty() || error != std::errc() || end != ascii.data() + ascii.size()) {
    throw EConvertError("'" + Utf16ToUtf8(text) + "' is not a valid floating point value");
  }
  return value;
}

// Writes the cell records of a sheet, row by row, into the stream.
class TSheetWriter {
 public:
  TSheetWriter(const TSeriesData& exporter, TStream& stream)
      : FExporter(exporter), FStream(stream), FCodePage(TEncoding::DefaultCodePage()) {
    FBuffer.reserve(kRecordBufferSize + 512);
  }

  void StartRow(int row) {
    FRow = static_cast<uint16_t>(row);
    FColumn = 0;
  }
  void Bytes(const char* bytes, size_t count) {
    FBuffer.append(bytes, count);
    if (FBuffer.size() >= kRecordBufferSize) Flush();
  }
  void Word(uint16_t value) { FBuffer.append(reinterpret_cast<const char*>(&value), 2); }
  void Flush() {
    FStream.WriteBuffer(FBuffer.data(), static_cast<int64_t>(FBuffer.size()));
    FBuffer.clear();
  }

  // The cells, each in the next column.
  void Index(int index) { NumberCell(index); }
  void Text(const TExportColumn&, const std::u16string& text) { TextCell(text); }
  void Color(const TExportColumn&, TColor color) {
    char text[kMaxColorHexText];
    TextBytes({text, FormatColorHexTo(text, color)});
  }
  void Value(const TExportColumn& column, double value) {
    const std::u16string& format = FExporter.ValueFormatFor(column.Series);
    if (!format.empty()) {
      value = TextToNumber(FExporter.ValueToString(column.Series, value),
                           FExporter.UserLocale().DecimalSeparator());
    }
    NumberCell(value);
  }
  // A point the series lacks has empty texts for its label and colour; any
  // missing value is a blank cell.
  void Empty(const TExportColumn& column) {
    if (column.Kind == TColumnKind::Value) {
      CellStart(kBlankCell, 7);
    } else {
      TextBytes({});
    }
  }

  void TextCell(std::u16string_view text) {
    if (std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; })) {
      std::string ascii(text.begin(), text.end());
      TextBytes(ascii.substr(0, kMaxTextBytes));
      return;
    }
    // Every character is one byte of the code page (a surrogate pair one
    // '?'), so cutting the bytes cuts at a character.
    TMemoryStream bytes;
    FCodePage->Write(bytes, text, true);
    const auto& data = bytes.Bytes();
    TextBytes({reinterpret_cast<const char*>(data.data()), std::min(data.size(), kMaxTextBytes)});
  }

 private:
  void CellStart(uint16_t type, uint16_t length) {
    Word(type);
    Word(length);
    Word(FRow);
    Word(FColumn++);
    FBuffer.append(3, '\0');
  }
  void NumberCell(double value) {
    CellStart(kNumberCell, 15);
    Bytes(reinterpret_cast<const char*>(&value), sizeof value);
  }
  void TextBytes(std::string_view bytes) {
    CellStart(kTextCell, static_cast<uint16_t>(8 + bytes.size()));
    FBuffer += static_cast<char>(bytes.size());
    Bytes(bytes.data(), bytes.size());
  }

  const TSeriesData& FExporter;
  TStream& FStream;
  std::unique_ptr<TEncoding> FCodePage;
  std::string FBuffer;
  uint16_t FRow = 0;
  uint16_t FColumn = 0;
};

}  // namespace

TSeriesDataXLS::TSeriesDataXLS(TCustomChart* chart, TChartSeries* series)
    : TSeriesData(chart, series) {}

TSeriesDataXLS::TSeriesDataXLS(TCustomChart* chart, TChartSeries* series, const Locale& locale)
    : TSeriesData(chart, series, locale) {}

TExportColumns TSeriesDataXLS::SheetColumns() {
  ComputeUnionFormat();
  TExportColumns columns;
  if (IncludeIndex) columns.AddIndex();
  for (const TChartSeries* series : ExportedSeries()) columns.AddSeries(*series, IFormat);
  const int rows = LineCount();
  if (rows > kMaxRows) {
    throw EConvertError("Too many rows for a spreadsheet: " + std::to_string(rows) + " (at most " +
                        std::to_string(kMaxRows) + ")");
  }
  if (columns.Count() > kMaxColumns) {
    throw EConvertError("Too many columns for a spreadsheet: " + std::to_string(columns.Count()) +
                        " (at most " + std::to_string(kMaxColumns) + ")");
  }
  return columns;
}

void TSeriesDataXLS::CheckExportable() {
  SheetColumns();
}

void TSeriesDataXLS::SaveToStream(TStream& stream) {
  const TExportColumns columns = SheetColumns();
  const int rows = LineCount();

  TSheetWriter sheet(*this, stream);
  sheet.Bytes(kBeginOfFile, sizeof kBeginOfFile);
  // The row and column after the last; a full sheet's row count does not
  // fit the record's word, which then holds the largest it can.
  sheet.Word(kDimensions);
  sheet.Word(10);
  sheet.Word(0);
  sheet.Word(static_cast<uint16_t>(std::min(rows, 0xFFFF)));
  sheet.Word(0);
  sheet.Word(static_cast<uint16_t>(columns.Count()));
  sheet.Word(0);
  int row = 0;
  if (IncludeHeader) {
    sheet.StartRow(row++);
    for (const TExportColumn& column : columns.Columns()) {
      sheet.TextCell(ColumnCaption(column, false));
    }
  }
  const int count = MaxPointCount();
  for (int i = 0; i < count; ++i) {
    sheet.StartRow(row++);
    columns.WriteRow(i, sheet);
  }
  sheet.Bytes(kEndOfFile, sizeof kEndOfFile);
  sheet.Flush();
}

}  // namespace kel
