// The series values as delimited text: an optional header line, then one
// line per point index with the fields of every exported series.
//
// Columns come from the content flags of all exported series together, so
// that a later series' X values and labels are kept. A field holding the
// delimiter, a double quote or a line break (or a quoted text holding
// TextQuotes) is written in double quotes with inner quotes doubled, so that
// every line keeps its columns. A null point's
// values are empty fields.
#pragma once

#include <string>
#include <vector>

#include "store/export/ExportData.h"

namespace kel {

class TExportColumns;

class TSeriesDataText : public TSeriesData {
  KEL_CLASS(TSeriesDataText, TSeriesData)

 public:
  TSeriesDataText(TCustomChart* chart, TChartSeries* series);
  TSeriesDataText(TCustomChart* chart, TChartSeries* series, const Locale& locale);

  // Published settings.
  char16_t TextDelimiter = u'\t';
  // Put around captions, labels and date-time texts.
  std::u16string TextQuotes;

  // The document in FileEncoding, or in UTF-8 without a byte-order mark.
  void SaveToStream(TStream& stream) override;

 protected:
  void WriteDocument(TDocumentText& text) override;

 private:
  // The index, the label of the row (the first non-empty one among the
  // series), the first series' colour, then each series' values.
  TExportColumns Columns() const;

  std::vector<std::u16string> FPieceTexts;
};

}  // namespace kel
