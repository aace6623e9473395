#include "store/export/SeriesDataHtml.h"

#include <charconv>

#include "model/chart/Chart.h"
#include "store/export/ExportColumns.h"
#include "store/export/LineBuffer.h"

namespace kel {

KEL_PROPERTIES(TSeriesDataHTML)

namespace {

constexpr size_t kHtmlLineLength = 96;

// The <td> cells of point rows.
class THtmlCells {
 public:
  THtmlCells(const TSeriesDataHTML& exporter, TLineBuffer& line)
      : FExporter(exporter), FLine(line) {}

  void Index(int index) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, index).ptr;
    Cell({digits, static_cast<size_t>(end - digits)});
  }
  void Text(const TExportColumn&, const std::u16string& label) {
    FLine.Append("<td>");
    AppendHtmlEscaped(FLine.Document(), label);
    FLine.Append("</td>");
  }
  void Color(const TExportColumn&, TColor color) { Cell(FColors.Of(color)); }
  void Value(const TExportColumn& column, double value) {
    const TValueWriter& values = FWriters.Of(*column.Series);
    FLine.Append("<td>");
    if (values.General()) {
      values.Write(FLine, value);
    } else {
      AppendHtmlEscaped(FLine.Document(), values.Text(value));
    }
    FLine.Append("</td>");
  }
  void Empty(const TExportColumn&) { FLine.Append("<td></td>"); }

 private:
  void Cell(std::string_view ascii) {
    FLine.Append("<td>");
    FLine.Append(ascii);
    FLine.Append("</td>");
  }

  const TSeriesDataHTML& FExporter;
  TLineBuffer& FLine;
  TColorText FColors;
  TValueWriters FWriters{FExporter};
};

}  // namespace

void AppendHtmlEscaped(std::u16string& out, std::u16string_view text) {
  for (char16_t c : text) {
    switch (c) {
      case u'&':
        out += u"&amp;";
        break;
      case u'<':
        out += u"&lt;";
        break;
      case u'>':
        out += u"&gt;";
        break;
      case u'"':
        out += u"&quot;";
        break;
      default:
        out += c;
    }
  }
}

TSeriesDataHTML::TSeriesDataHTML(TCustomChart* chart, TChartSeries* series)
    : TSeriesData(chart, series) {}

TSeriesDataHTML::TSeriesDataHTML(TCustomChart* chart, TChartSeries* series, const Locale& locale)
    : TSeriesData(chart, series, locale) {}

void TSeriesDataHTML::SaveToStream(TStream& stream) {
  SaveEncodedOrUtf8(stream);
}

TExportColumns TSeriesDataHTML::Columns() const {
  IChartSeries* first =
      Chart() != nullptr && Chart()->SeriesCount() > 0 ? Chart()->SeriesList()[0] : nullptr;
  TExportColumns columns;
  if (IncludeIndex) columns.AddIndex();
  for (const TChartSeries* series : ExportedSeries()) {
    const bool withLabel =
        !FirstSeriesLabels || (first != nullptr && &first->SeriesComponent() == series);
    columns.AddSeries(*series, IFormat, withLabel);
  }
  return columns;
}

void TSeriesDataHTML::WriteDocument(TDocumentText& text) {
  ComputeUnionFormat();
  const TExportColumns columns = Columns();
  std::u16string& out = text.Text();
  out += u"<table border=\"1\">\r\n";
  if (IncludeHeader) {
    out += u"<tr>";
    for (const TExportColumn& column : columns.Columns()) {
      out += u"<th>";
      AppendHtmlEscaped(out, ColumnCaption(column, true));
      out += u"</th>";
    }
    out += u"</tr>\r\n";
  }
  WriteLinesInPieces(text, MaxPointCount(), kHtmlLineLength, FPieceTexts,
                     [&](int first, int last, std::u16string& pieceText) {
                       TLineBuffer line(pieceText);
                       THtmlCells cells(*this, line);
                       for (int i = first; i < last; ++i) {
                         line.Append("<tr>");
                         columns.WriteRow(i, cells);
                         line.Append("</tr>\r\n");
                       }
                     });
  text.Text() += u"</table>";
}

}  // namespace kel
