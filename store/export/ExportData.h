// The series data exports: TKelExportData, the base of every data document
// with its save operations, and TSeriesData, which chooses the series of a
// chart to export, works out the per-point columns and formats values.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "persist/ClassDeclaration.h"
#include "persist/IntegerIdents.h"

namespace kel {

class Locale;
class TChartSeries;
class TCustomChart;
class TEncoding;
class TStream;

// The colour as "#RRGGBB", or "#AARRGGBB" when its top byte is not zero; the
// raw value, not resolved (clDefault gives "#20000000").
std::u16string ColorToHexText(TColor color);
void AppendColorHexText(std::u16string& out, TColor color);
// The same text written to `out` (room for kMaxColorHexText); returns its
// length.
inline constexpr size_t kMaxColorHexText = 9;
size_t FormatColorHexTo(char* out, TColor color);

// Collects a document's text. With a sink, full blocks are handed on as they
// fill, so that a large document never sits in memory whole.
class TDocumentText {
 public:
  TDocumentText() = default;
  // `sink` receives each full block and, from Finish, the rest.
  explicit TDocumentText(std::function<void(std::u16string_view block, bool last)> sink)
      : FSink(std::move(sink)) {}

  std::u16string& Text() { return FText; }
  // Hands a full block to the sink.
  void Flush() {
    if (FSink && FText.size() >= kBlockSize) {
      FSink(FText, false);
      FText.clear();
    }
  }
  // Adds a whole piece: handed to the sink as it is, after what came before.
  void Write(std::u16string_view piece) {
    if (!FSink) {
      FText += piece;
      return;
    }
    if (!FText.empty()) {
      FSink(FText, false);
      FText.clear();
    }
    FSink(piece, false);
  }
  void Finish() {
    if (FSink) FSink(FText, true);
  }

 private:
  static constexpr size_t kBlockSize = 1 << 16;
  std::function<void(std::u16string_view, bool)> FSink;
  std::u16string FText;
};

class TKelExportData : public TPersistent {
  KEL_CLASS(TKelExportData, TPersistent)

 public:
  TKelExportData();
  ~TKelExportData() override;

  // The encoding of saved bytes; null (the default) leaves the choice to the
  // export.
  TEncoding* FileEncoding() const { return FFileEncoding.get(); }
  void SetFileEncoding(std::unique_ptr<TEncoding> encoding);

  // The whole document.
  virtual std::u16string AsString();
  // Puts AsString on the system clipboard, when there is one.
  virtual void CopyToClipboard();
  // Creates the file anew, atomically: a failure leaves no file, or the
  // earlier one, behind. No extension is added.
  virtual void SaveToFile(const std::string& fileName);
  // The UTF-16 little-endian byte-order mark and AsString in that encoding.
  virtual void SaveToStream(TStream& stream);
  // Raises when the data cannot be put in this document at all (more than
  // its format holds), before anything is written; nothing by default.
  virtual void CheckExportable() {}

 private:
  std::unique_ptr<TEncoding> FFileEncoding;
};

class TSeriesData : public TKelExportData {
  KEL_CLASS(TSeriesData, TKelExportData)

 public:
  // An exporter of the chart's series, or of `series` alone when given. The
  // locale gives the decimal separator of value texts; it must outlive the
  // exporter.
  TSeriesData(TCustomChart* chart, TChartSeries* series);
  TSeriesData(TCustomChart* chart, TChartSeries* series, const Locale& locale);
  ~TSeriesData() override;

  TCustomChart* Chart() const { return FChart; }
  TChartSeries* Series() const { return FSeries; }
  // When not empty, only these series of the chart are exported.
  std::vector<TChartSeries*>& SeriesList() { return FSeriesList; }
  const Locale& UserLocale() const { return *FLocale; }

  // Published settings.
  bool IncludeColors = false;
  bool IncludeHeader = false;
  bool IncludeIndex = false;
  bool IncludeLabels = true;
  bool UseSeriesFormat = false;
  std::u16string ValueFormat;

  // The content flags (model/series/SeriesData.h) in force for the series being
  // written.
  uint8_t IFormat = 0;

  bool ValidSeries(const TChartSeries* series) const;
  std::u16string ValueToString(const TChartSeries* series, double value) const;
  void AppendValueText(std::u16string& out, const TChartSeries* series, double value) const;
  // The format pattern of the series' values: the series' own with
  // UseSeriesFormat, else ValueFormat; empty means the general format.
  const std::u16string& ValueFormatFor(const TChartSeries* series) const;

  std::u16string AsString() override;
  // The document in FileEncoding, or in the default code page without a
  // byte-order mark; AsString is not built whole first.
  void SaveToStream(TStream& stream) override;

  // With a series, IFormat := its content flags; without, those of the
  // chart's first valid series that has points (IFormat stays otherwise).
  virtual void DetectSeriesFormat(const TChartSeries* series);
  // DetectSeriesFormat, then the include settings applied to labels and
  // colours.
  void FormatForSeries(const TChartSeries* series);
  void ComputeOwnFormat() { FormatForSeries(FSeries); }
  // The content flags of every exported series together, with the include
  // settings applied: documents whose rows hold every series need the
  // columns any of them has.
  void ComputeUnionFormat();
  virtual void BeginExport() { DetectSeriesFormat(FSeries); }

  int ExportedSeriesCount() const;
  int MaxPointCount() const;
  int LineCount() const { return MaxPointCount() + (IncludeHeader ? 1 : 0); }
  int ColumnCount() const;

  // The text of the document line of point `index`; empty here.
  virtual std::u16string PointLine(int index);

 protected:
  // Writes the document into `text`, giving it the chance to flush.
  virtual void WriteDocument(TDocumentText& text);
  // Writes the encoding's preamble and the document in it.
  void SaveEncoded(TStream& stream, TEncoding& encoding);
  // The document in FileEncoding, or in UTF-8 without a byte-order mark.
  void SaveEncodedOrUtf8(TStream& stream);
  // The chart's series that are valid, in series-list order (only the
  // single series when there is one).
  std::vector<TChartSeries*> ExportedSeries() const;

 private:
  // The chart's series that are TChartSeries, in series-list order.
  std::vector<TChartSeries*> ChartSeries() const;
  void ApplyIncludeSettings();

  TCustomChart* FChart;
  TChartSeries* FSeries;
  std::vector<TChartSeries*> FSeriesList;
  const Locale* FLocale;
};

}  // namespace kel
