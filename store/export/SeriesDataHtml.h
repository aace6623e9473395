// The series values as an HTML table: an optional header row, then one row
// per point index with the cells of every exported series.
//
// Columns come from the content flags of all exported series together, and
// a series without the point gets empty cells, so that every row has the
// same cells. Every text is escaped; a null point's values are empty cells.
#pragma once

#include <string>
#include <vector>

#include "store/export/ExportData.h"

namespace kel {

class TExportColumns;

class TSeriesDataHTML : public TSeriesData {
  KEL_CLASS(TSeriesDataHTML, TSeriesData)

 public:
  TSeriesDataHTML(TCustomChart* chart, TChartSeries* series);
  TSeriesDataHTML(TCustomChart* chart, TChartSeries* series, const Locale& locale);

  // Labels only in the columns of the chart's first series.
  bool FirstSeriesLabels = false;

  // The document in FileEncoding, or in UTF-8 without a byte-order mark.
  void SaveToStream(TStream& stream) override;

 protected:
  void WriteDocument(TDocumentText& text) override;

 private:
  TExportColumns Columns() const;

  std::vector<std::u16string> FPieceTexts;
};

// Appends `text` with '&', '<', '>' and '"' as entities.
void AppendHtmlEscaped(std::u16string& out, std::u16string_view text);

}  // namespace kel
