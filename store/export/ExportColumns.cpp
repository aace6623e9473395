#include "store/export/ExportColumns.h"

#include <algorithm>

#include "model/series/SeriesData.h"
#include "store/export/ExportData.h"
#include "store/export/OrderedProduction.h"
#include "store/export/SeriesDataXml.h"

namespace kel {
namespace {

// Lines formatted as one piece of work.
constexpr int kLinesPerPiece = 4096;

const std::u16string kNoLabel;

}  // namespace

void TExportColumns::AddIndex() {
  FColumns.push_back({TColumnKind::Index});
}

void TExportColumns::AddSeries(const TChartSeries& series, uint8_t format, bool withLabel) {
  if (withLabel && (format & scfLabels) != 0) AddLabel(series);
  if ((format & scfColors) != 0) AddColor(series);
  if ((format & scfXValues) != 0) AddValue(series, *series.NotMandatoryValueList());
  AddValue(series, *series.MandatoryValueList());
  const TChartValueLists& lists = series.ValueLists();
  for (int l = 2; l < lists.Count(); ++l) AddValue(series, *lists[l]);
}

void TExportColumns::AddRowLabel(std::vector<const TChartSeries*> series) {
  FRowLabelSeries = std::move(series);
  FColumns.push_back({TColumnKind::RowLabel});
}

void TExportColumns::AddLabel(const TChartSeries& series) {
  FColumns.push_back({TColumnKind::Label, &series});
}

void TExportColumns::AddColor(const TChartSeries& series) {
  FColumns.push_back({TColumnKind::Color, &series});
}

void TExportColumns::AddValue(const TChartSeries& series, const TChartValueList& list) {
  FColumns.push_back({TColumnKind::Value, &series, &list, &list != series.NotMandatoryValueList()});
}

const std::u16string& TExportColumns::RowLabel(int index) const {
  for (const TChartSeries* series : FRowLabelSeries) {
    if (index >= series->Count()) continue;
    const std::u16string& label = series->Labels().GetLabel(index);
    if (!label.empty()) return label;
  }
  return kNoLabel;
}

std::u16string ColumnCaption(const TExportColumn& column, bool titleForOnlyValue) {
  switch (column.Kind) {
    case TColumnKind::Index:
      return u"Index";
    case TColumnKind::Label:
    case TColumnKind::RowLabel:
      return u"Text";
    case TColumnKind::Color:
      return u"Colors";
    case TColumnKind::Value:
      break;
  }
  const TChartSeries& series = *column.Series;
  if (titleForOnlyValue && series.ValueLists().Count() == 2 &&
      column.List == series.MandatoryValueList()) {
    return SeriesTitleText(series);
  }
  return column.List->Name();
}

void WriteLinesInPieces(TDocumentText& text,
                        int count,
                        size_t typicalLineLength,
                        std::vector<std::u16string>& pieceTexts,
                        const std::function<void(int, int, std::u16string&)>& write) {
  const int pieces = (count + kLinesPerPiece - 1) / kLinesPerPiece;
  ProduceInOrder(
      pieces,
      [&](int piece, std::u16string& pieceText) {
        const int first = piece * kLinesPerPiece;
        const int last = std::min(count, first + kLinesPerPiece);
        // Room for typical lines at once, rather than growing step by step.
        pieceText.reserve(static_cast<size_t>(last - first) * typicalLineLength);
        write(first, last, pieceText);
      },
      [&](std::u16string& pieceText) { text.Write(pieceText); }, pieceTexts);
}

}  // namespace kel
