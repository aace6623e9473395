#include "store/export/SeriesDataText.h"

#include <algorithm>

#include "model/series/SeriesData.h"
#include "store/export/DateTimeText.h"
#include "store/export/ExportColumns.h"
#include "store/export/LineBuffer.h"

namespace kel {

KEL_PROPERTIES(TSeriesDataText,
               Property(u"TextDelimiter",
                        &TSeriesDataText::TextDelimiter,
                        &TSeriesDataText::TextDelimiter)
                   .Default(u'\t'),
               Property(u"TextQuotes", &TSeriesDataText::TextQuotes, &TSeriesDataText::TextQuotes))

namespace {

constexpr size_t kTextLineLength = 48;

// Writes fields joined by the delimiter: captions, labels and date-time texts
// in the exporter's quotes, and any field that would break its line in
// double quotes.
class TTextFields {
 public:
  TTextFields(const TSeriesDataText& exporter, TLineBuffer& line)
      : FExporter(exporter), FLine(line), FDelimiter(exporter.TextDelimiter) {}

  void StartLine() { FFirst = true; }

  // A field as it is, or in the exporter's quotes when `quoted`.
  void Field(std::u16string_view text, bool quoted) {
    Separate();
    const std::u16string& quotes = FExporter.TextQuotes;
    // A text holding the exporter's own quotes would end its quoting early.
    const bool breaksLine =
        std::any_of(text.begin(), text.end(),
                    [this](char16_t c) {
                      return c == FDelimiter || c == u'"' || c == u'\r' || c == u'\n';
                    }) ||
        (quoted && !quotes.empty() && text.find(quotes) != text.npos);
    std::u16string& out = FLine.Document();
    if (breaksLine) {
      out += u'"';
      for (char16_t c : text) {
        if (c == u'"') out += u'"';
        out += c;
      }
      out += u'"';
    } else if (quoted) {
      out.append(quotes).append(text).append(quotes);
    } else {
      out.append(text);
    }
  }
  // An ASCII field, unquoted.
  void AsciiField(std::string_view text) {
    if (FDelimiter >= 0x80 || text.find(static_cast<char>(FDelimiter)) == std::string_view::npos) {
      Separate();
      FLine.Append(text);
    } else {
      Field(std::u16string(text.begin(), text.end()), false);
    }
  }

 protected:
  const TSeriesDataText& FExporter;
  TLineBuffer& FLine;

 private:
  void Separate() {
    if (!FFirst) FLine.Append(std::u16string_view(&FDelimiter, 1));
    FFirst = false;
  }

  const char16_t FDelimiter;
  bool FFirst = true;
};

// The cells of point lines.
class TTextCells : public TTextFields {
 public:
  using TTextFields::TTextFields;

  void Index(int index) {
    char digits[16];
    AsciiField({digits, static_cast<size_t>(
                            std::to_chars(digits, digits + sizeof digits, index).ptr - digits)});
  }
  void Text(const TExportColumn&, const std::u16string& label) { Field(label, !label.empty()); }
  void Color(const TExportColumn&, TColor color) { AsciiField(FColors.Of(color)); }
  void Value(const TExportColumn& column, double value) {
    if (column.List->DateTime()) {
      Field(DateTimeText(value), true);
      return;
    }
    const TValueWriter& values = FWriters.Of(*column.Series);
    if (values.General()) {
      char text[kMaxGeneralNumberText];
      AsciiField({text, values.WriteGeneral(text, value)});
    } else {
      Field(values.Text(value), false);
    }
  }
  // A point the series lacks has the automatic colour; other cells stay
  // empty.
  void Empty(const TExportColumn& column) {
    if (column.Kind == TColumnKind::Color) {
      Color(column, clDefault);
    } else {
      Field({}, false);
    }
  }

 private:
  TColorText FColors;
  TValueWriters FWriters{FExporter};
};

}  // namespace

TSeriesDataText::TSeriesDataText(TCustomChart* chart, TChartSeries* series)
    : TSeriesData(chart, series) {}

TSeriesDataText::TSeriesDataText(TCustomChart* chart, TChartSeries* series, const Locale& locale)
    : TSeriesData(chart, series, locale) {}

void TSeriesDataText::SaveToStream(TStream& stream) {
  SaveEncodedOrUtf8(stream);
}

TExportColumns TSeriesDataText::Columns() const {
  TExportColumns columns;
  const std::vector<TChartSeries*> series = ExportedSeries();
  if (IncludeIndex) columns.AddIndex();
  if ((IFormat & scfLabels) != 0) columns.AddRowLabel({series.begin(), series.end()});
  if ((IFormat & scfColors) != 0 && !series.empty()) columns.AddColor(*series.front());
  for (const TChartSeries* s : series) columns.AddSeries(*s, IFormat & scfXValues, false);
  return columns;
}

void TSeriesDataText::WriteDocument(TDocumentText& text) {
  ComputeUnionFormat();
  const TExportColumns columns = Columns();
  if (IncludeHeader) {
    {
      TLineBuffer line(text.Text());
      TTextFields header(*this, line);
      for (const TExportColumn& column : columns.Columns()) {
        header.Field(ColumnCaption(column, true), true);
      }
    }
    text.Text() += u"\r\n";
  }
  WriteLinesInPieces(text, MaxPointCount(), kTextLineLength, FPieceTexts,
                     [&](int first, int last, std::u16string& pieceText) {
                       TLineBuffer line(pieceText);
                       TTextCells cells(*this, line);
                       for (int i = first; i < last; ++i) {
                         cells.StartLine();
                         columns.WriteRow(i, cells);
                         line.Append("\r\n");
                       }
                     });
  text.Text() += u"\r\n";
}

}  // namespace kel
