// The series values as a binary spreadsheet (BIFF5 worksheet records): an
// optional header row of captions, then one row per point index with the
// cells of every exported series.
//
// Columns come from the content flags of all exported series together. Text
// cells are Windows-1252, cut to 255 characters at a character boundary. A
// chart with more rows or columns than a sheet holds fails with a message
// rather than writing a sheet whose cells wrap around.
#pragma once

#include "store/export/ExportColumns.h"
#include "store/export/ExportData.h"

namespace kel {

class TSeriesDataXLS : public TSeriesData {
  KEL_CLASS(TSeriesDataXLS, TSeriesData)

 public:
  TSeriesDataXLS(TCustomChart* chart, TChartSeries* series);
  TSeriesDataXLS(TCustomChart* chart, TChartSeries* series, const Locale& locale);

  // What a sheet holds.
  static constexpr int kMaxRows = 65536;
  static constexpr int kMaxColumns = 256;

  // Raises EConvertError "Too many rows for a spreadsheet: N (at most
  // 65536)" or "Too many columns for a spreadsheet: N (at most 256)" when
  // the data do not fit a sheet.
  void CheckExportable() override;
  // Raises CheckExportable's errors before writing anything, and the number
  // conversion's EConvertError when a value format gives a text that is not
  // a plain number.
  void SaveToStream(TStream& stream) override;

 private:
  // The sheet's columns, after checking that the data fit a sheet.
  TExportColumns SheetColumns();
};

}  // namespace kel
