#include "store/export/SeriesDataXml.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "model/catalogue/SeriesGallery.h"
#include "model/chart/AxisPanel.h"
#include "model/series/ChartSeries.h"
#include "model/series/SeriesData.h"
#include "persist/Unicode.h"
#include "platform/Locale.h"
#include "store/export/ExportColumns.h"
#include "store/export/LineBuffer.h"
#include "store/export/TextEncoding.h"

namespace kel {

KEL_PROPERTIES(TSeriesDataXML,
               Redeclared(u"IncludeHeader").Default(true),
               Property(u"Encoding", &TSeriesDataXML::Encoding, &TSeriesDataXML::Encoding)
                   .Stored(&TSeriesDataXML::IsEncodingStored))

namespace {

constexpr char16_t kReplacement = u'\xFFFD';
constexpr size_t kXmlLineLength = 72;

// Characters XML 1.0 admits: tab, line feed, carriage return, U+0020 up, no
// lone surrogate, not U+FFFE or U+FFFF.
bool IsXmlCharacter(std::u16string_view text, size_t i, size_t& length) {
  const char16_t c = text[i];
  length = 1;
  if (c < 0x20) return c == u'\t' || c == u'\n' || c == u'\r';
  if (c >= 0xD800 && c <= 0xDBFF) {
    if (i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      length = 2;
      return true;
    }
    return false;
  }
  if (c >= 0xDC00 && c <= 0xDFFF) return false;
  return c != 0xFFFE && c != 0xFFFF;
}

bool IsBlank(char16_t c) {
  return c <= u' ';
}

bool IsNameStart(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' ||
         (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) ||
         (c >= 0x370 && c <= 0x37D) || (c >= 0x37F && c <= 0x1FFF) || c == 0x200C || c == 0x200D ||
         (c >= 0x2070 && c <= 0x218F) || (c >= 0x2C00 && c <= 0x2FEF) ||
         (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
         (c >= 0xFDF0 && c <= 0xFFFD);
}

bool IsNameCharacter(char16_t c) {
  return IsNameStart(c) || c == u'-' || c == u'.' || (c >= u'0' && c <= u'9') || c == 0xB7 ||
         (c >= 0x300 && c <= 0x36F) || c == 0x203F || c == 0x2040;
}

// A value list's name as an attribute name. A list name is free text, but an
// attribute name is not: characters a name cannot hold become '_' (the colon
// too, which would name a namespace), a name that cannot start as it does
// gets a leading '_', and a name already on the point line gets "_2", "_3"...
std::u16string AttributeName(std::u16string_view listName, std::vector<std::u16string>& taken) {
  std::u16string name;
  for (char16_t c : listName) name += IsNameCharacter(c) ? c : u'_';
  if (name.empty() || !IsNameStart(name[0])) name.insert(name.begin(), u'_');
  std::u16string unique = name;
  for (int suffix = 2; std::find(taken.begin(), taken.end(), unique) != taken.end(); ++suffix) {
    unique = name + u"_";
    AppendInteger(unique, suffix);
  }
  taken.push_back(unique);
  return unique;
}

// The attribute names of the series' value lists, by list index.
std::vector<std::u16string> ValueAttributeNames(const TChartSeries& series) {
  std::vector<std::u16string> taken = {u"index", u"text", u"color"};
  const TChartValueLists& lists = series.ValueLists();
  std::vector<std::u16string> names(static_cast<size_t>(lists.Count()));
  // In the order the point line writes them, so that the usual names stay.
  std::vector<int> order;
  for (int l = 0; l < lists.Count(); ++l) {
    if (lists[l] == series.NotMandatoryValueList()) order.insert(order.begin(), l);
  }
  for (int l = 0; l < lists.Count(); ++l) {
    if (lists[l] == series.MandatoryValueList()) order.push_back(l);
  }
  for (int l = 2; l < lists.Count(); ++l) order.push_back(l);
  for (int l : order) names[static_cast<size_t>(l)] = AttributeName(lists[l]->Name(), taken);
  return names;
}

// The cells of <point> lines: each an attribute, a null point's values
// none.
class TPointCells {
 public:
  TPointCells(const TSeriesData& exporter, const TChartSeries& series, TLineBuffer& line, int first)
      : FLine(line), FValues(exporter, series), FIndex(first) {
    // The attribute prefixes ` NAME="` of the value lists.
    const std::vector<std::u16string> names = ValueAttributeNames(series);
    for (int l = 0; l < series.ValueLists().Count(); ++l) {
      FPrefixes.emplace_back(series.ValueLists()[l], u" " + names[static_cast<size_t>(l)] + u"=\"");
    }
  }

  void NextLine() { FIndex.Next(); }

  void Index(int) {
    FLine.Append("index=\"");
    FLine.Append(FIndex.Text());
    FLine.Append("\"");
  }
  void Text(const TExportColumn&, const std::u16string& label) {
    FLine.Append(" text=\"");
    AppendXmlEscaped(FLine.Document(), label);
    FLine.Append("\"");
  }
  void Color(const TExportColumn&, TColor color) {
    FLine.Append(" color=\"");
    FLine.Append(FColors.Of(color));
    FLine.Append("\"");
  }
  void Value(const TExportColumn& column, double value) {
    for (const auto& [list, prefix] : FPrefixes) {
      if (list == column.List) {
        FLine.Append(prefix);
        break;
      }
    }
    FValues.Write(FLine, value);
    FLine.Append("\"");
  }
  void Empty(const TExportColumn&) {}

 private:
  TLineBuffer& FLine;
  const TValueWriter FValues;
  TColorText FColors;
  TIndexText FIndex;
  std::vector<std::pair<const TChartValueList*, std::u16string>> FPrefixes;
};

}  // namespace

void AppendXmlEscaped(std::u16string& out, std::u16string_view text) {
  for (size_t i = 0; i < text.size();) {
    size_t length;
    const char16_t c = text[i];
    if (!IsXmlCharacter(text, i, length)) {
      out += kReplacement;
    } else if (c == u'&') {
      out += u"&amp;";
    } else if (c == u'<') {
      out += u"&lt;";
    } else if (c == u'>') {
      out += u"&gt;";
    } else if (c == u'"') {
      out += u"&quot;";
    } else if (c == u'\'') {
      out += u"&apos;";
    } else {
      out.append(text.substr(i, length));
    }
    i += length;
  }
}

std::u16string SeriesTitleText(const TChartSeries& series) {
  const std::u16string& title = series.Title();
  if (std::any_of(title.begin(), title.end(), [](char16_t c) { return !IsBlank(c); })) {
    return title;
  }
  if (!series.Name().empty()) return series.Name();
  if (auto* chart = dynamic_cast<TCustomAxisPanel*>(series.ParentChartComponent())) {
    const int index = chart->SeriesList().IndexOf(&series);
    if (index >= 0) {
      std::u16string text = u"Series";
      AppendInteger(text, index + 1);
      return text;
    }
  }
  return {};
}

TSeriesDataXML::TSeriesDataXML(TCustomChart* chart, TChartSeries* series)
    : TSeriesDataXML(chart, series, SystemLocale()) {}

TSeriesDataXML::TSeriesDataXML(TCustomChart* chart, TChartSeries* series, const Locale& locale)
    : TSeriesData(chart, series, locale) {
  IncludeHeader = true;
  Encoding = DefaultEncodingName();
}

std::u16string TSeriesDataXML::DefaultEncodingName() const {
  return UserLocale().IsJapanese() ? u"shift_jis" : u"UTF-16";
}

bool TSeriesDataXML::IsEncodingStored() const {
  return !Encoding.empty() && Encoding != DefaultEncodingName();
}

void TSeriesDataXML::SaveToStream(TStream& stream) {
  const std::unique_ptr<TEncoding> encoding =
      TEncoding::Create(Encoding.empty() ? "UTF-8" : Utf16ToUtf8(Encoding), true);
  SaveEncoded(stream, *encoding);
}

void TSeriesDataXML::WriteDocument(TDocumentText& text) {
  ComputeOwnFormat();
  std::u16string& out = text.Text();
  if (IncludeHeader) {
    out += u"<?xml version=\"1.0\"";
    if (!Encoding.empty()) {
      out += u" encoding=\"";
      AppendXmlEscaped(out, Encoding);
      out += u'"';
    }
    out += u"?>\r\n";
  }
  if (Series() != nullptr) {
    WriteSeries(text, *Series());
    return;
  }
  out += u"<chart>\r\n";
  for (TChartSeries* series : ExportedSeries()) {
    FormatForSeries(series);
    WriteSeries(text, *series);
  }
  text.Text() += u"</chart>";
}

void TSeriesDataXML::WriteSeries(TDocumentText& text, const TChartSeries& series) {
  std::u16string& out = text.Text();
  out += u"<series title=\"";
  AppendXmlEscaped(out, SeriesTitleText(series));
  out += u"\" type=\"";
  AppendXmlEscaped(out, SeriesTypeText(series.ClassInfo()));
  out += u"\" color=\"";
  AppendColorHexText(out, series.EffectiveColor());
  out += u"\">\r\n<points count=\"";
  const int count = series.Count();
  AppendInteger(out, count);
  out += u"\">\r\n";

  TExportColumns columns;
  if (IncludeIndex) columns.AddIndex();
  columns.AddSeries(series, IFormat);
  WriteLinesInPieces(text, count, kXmlLineLength, FPieceTexts,
                     [&](int first, int last, std::u16string& pieceText) {
                       TLineBuffer line(pieceText);
                       TPointCells cells(*this, series, line, first);
                       for (int i = first; i < last; ++i, cells.NextLine()) {
                         line.Append("<point ");
                         columns.WriteRow(i, cells);
                         line.Append("/>\r\n");
                       }
                     });
  text.Text() += u"</points>\r\n</series>\r\n\r\n";
}

}  // namespace kel
