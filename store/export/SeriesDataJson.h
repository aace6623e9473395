// The series values as a JSON document: a "chart" array with one object per
// exported series, its name, colour and points.
//
// The document is valid JSON whatever the locale: numbers have the full stop,
// a value that is not a finite number (or a null point's value) is null, and
// strings are escaped. Colours are written as in the other documents.
#pragma once

#include <string>
#include <vector>

#include "store/export/ExportData.h"

namespace kel {

// How values of date-time lists are written: as the stored number of days,
// or as JavaScript's milliseconds since 1970-01-01.
enum TJSONDateTimeFormat { jdTimeStamp, jdJavaScript };

class TSeriesDataJSON : public TSeriesData {
  KEL_CLASS(TSeriesDataJSON, TSeriesData)

 public:
  TSeriesDataJSON(TCustomChart* chart, TChartSeries* series);
  TSeriesDataJSON(TCustomChart* chart, TChartSeries* series, const Locale& locale);

  TJSONDateTimeFormat DateTimeFormat = jdTimeStamp;

  // The document in FileEncoding, or in UTF-8 without a byte-order mark.
  void SaveToStream(TStream& stream) override;

 protected:
  void WriteDocument(TDocumentText& text) override;

 private:
  void WriteSeries(TDocumentText& text, const TChartSeries& series);

  std::vector<std::u16string> FPieceTexts;
};

// Appends `text` as the inside of a JSON string: '"', '\' and control
// characters escaped, a lone surrogate as U+FFFD.
void AppendJsonEscaped(std::u16string& out, std::u16string_view text);

}  // namespace kel
