// The columns of a data document, shared by every export: which cells a
// point line has (index, labels, colours, the values of each list) and what
// the cell of each column holds for a point. A document supplies only the
// syntax of its cells.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/series/ChartSeries.h"
#include "model/series/ChartValueList.h"

namespace kel {

class TDocumentText;

enum class TColumnKind : uint8_t {
  Index,     // the point index
  Label,     // the label of the column's series' point
  RowLabel,  // the first non-empty label of the point among the row's series
  Color,     // the colour of the column's series' point, as the series reports it
  Value,     // a value of one list of the column's series
};

struct TExportColumn {
  TColumnKind Kind = TColumnKind::Index;
  const TChartSeries* Series = nullptr;
  const TChartValueList* List = nullptr;  // Value columns
  // Value columns whose value a null point does not have: every list but
  // the not-mandatory (X) one.
  bool EmptyWhenNull = false;
};

// The cells a document writes through WriteCell: Index(int), Text(column,
// text) for labels, Color(column, colour), Value(column, value), and
// Empty(column) for a point the series does not have or a null point's
// value.
class TExportColumns {
 public:
  void AddIndex();
  // The columns of one series as far as `format` (content flags) asks for
  // them: label (unless `withLabel` is false), colour, X value, the
  // mandatory value, and the values of the lists from the third on.
  void AddSeries(const TChartSeries& series, uint8_t format, bool withLabel = true);
  // A column of the label of the point in the first of `series` that has
  // the point and a label for it.
  void AddRowLabel(std::vector<const TChartSeries*> series);
  void AddLabel(const TChartSeries& series);
  void AddColor(const TChartSeries& series);
  void AddValue(const TChartSeries& series, const TChartValueList& list);

  const std::vector<TExportColumn>& Columns() const { return FColumns; }
  int Count() const { return static_cast<int>(FColumns.size()); }

  template <class Cells>
  void WriteRow(int index, Cells& cells) const {
    for (const TExportColumn& column : FColumns) WriteCell(column, index, cells);
  }

  template <class Cells>
  void WriteCell(const TExportColumn& column, int index, Cells& cells) const {
    switch (column.Kind) {
      case TColumnKind::Index:
        cells.Index(index);
        return;
      case TColumnKind::RowLabel:
        cells.Text(column, RowLabel(index));
        return;
      default:
        break;
    }
    const TChartSeries& series = *column.Series;
    if (index >= series.Count()) {
      cells.Empty(column);
    } else if (column.Kind == TColumnKind::Label) {
      cells.Text(column, series.Labels().GetLabel(index));
    } else if (column.Kind == TColumnKind::Color) {
      cells.Color(column, series.ValueColor(index));
    } else if (column.EmptyWhenNull && series.IsNull(index)) {
      cells.Empty(column);
    } else {
      cells.Value(column, column.List->Value(index));
    }
  }

 private:
  const std::u16string& RowLabel(int index) const;

  std::vector<TExportColumn> FColumns;
  std::vector<const TChartSeries*> FRowLabelSeries;
};

// The caption of a column in a header row: "Index", "Text", "Colors", or
// the list's name; with `titleForOnlyValue`, the series' title (the XML's
// title rule) for the mandatory value of a series with exactly two lists.
std::u16string ColumnCaption(const TExportColumn& column, bool titleForOnlyValue);

// Writes lines 0..count-1 into the document, formatted in pieces of
// consecutive lines on every core: write(first, last, text) appends lines
// first..last-1 to `text` and must only read the series. `pieceTexts` keeps
// the pieces' memory from one call to the next.
void WriteLinesInPieces(TDocumentText& text,
                        int count,
                        size_t typicalLineLength,
                        std::vector<std::u16string>& pieceTexts,
                        const std::function<void(int, int, std::u16string&)>& write);

}  // namespace kel
