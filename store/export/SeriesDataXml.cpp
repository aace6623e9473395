#include "store/export/SeriesDataXml.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>
#include <vector>

#include "model/catalogue/SeriesGallery.h"
#include "model/chart/AxisPanel.h"
#include "model/series/ChartSeries.h"
#include "model/series/SeriesData.h"
#include "persist/Unicode.h"
#include "platform/Locale.h"
#include "store/export/NumberFormat.h"
#include "store/export/OrderedProduction.h"
#include "store/export/TextEncoding.h"

namespace kel {

KEL_PROPERTIES(TSeriesDataXML,
               Redeclared(u"IncludeHeader").Default(true),
               Property(u"Encoding", &TSeriesDataXML::Encoding, &TSeriesDataXML::Encoding)
                   .Stored(&TSeriesDataXML::IsEncodingStored))

namespace {

constexpr char16_t kReplacement = u'\xFFFD';
// Point lines gathered before they go to the document together.
constexpr size_t kLineBufferSize = 4096;
// The longest ASCII piece of a line: a number, a colour, a literal.
constexpr size_t kMaxAsciiText = kMaxGeneralNumberText;
// Points formatted as one piece of work.
constexpr int kPointsPerPiece = 4096;
constexpr size_t kTypicalLineLength = 72;

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

void AppendInteger(std::u16string& out, int64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
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

// Gathers point lines as ASCII in a small buffer and hands them to the
// document widened, in one append; other texts go to the document directly,
// after what was gathered before them.
class TLineBuffer {
 public:
  explicit TLineBuffer(std::u16string& document) : FDocument(document) {}
  TLineBuffer(const TLineBuffer&) = delete;
  TLineBuffer& operator=(const TLineBuffer&) = delete;

  // An ASCII text of at most kMaxAsciiText characters.
  void Append(std::string_view text) {
    std::memcpy(AsciiRoom(), text.data(), text.size());
    FLength += text.size();
  }
  void Append(std::u16string_view text) {
    if (text.size() > kMaxAsciiText ||
        std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0x80; })) {
      Document().append(text);
      return;
    }
    std::copy(text.begin(), text.end(), AsciiRoom());
    FLength += text.size();
  }
  // Room for an ASCII text of at most kMaxAsciiText characters: write it
  // there, then Commit its length.
  char* AsciiRoom() {
    if (FLength + kMaxAsciiText > kLineBufferSize) Flush();
    return FBuffer + FLength;
  }
  void CommitAscii(size_t length) { FLength += length; }
  // The document with everything gathered so far in it.
  std::u16string& Document() {
    Flush();
    return FDocument;
  }
  void Flush() {
    const size_t start = FDocument.size();
    FDocument.resize(start + FLength);
    char16_t* out = FDocument.data() + start;
    for (size_t i = 0; i < FLength; ++i) out[i] = static_cast<unsigned char>(FBuffer[i]);
    FLength = 0;
  }

 private:
  std::u16string& FDocument;
  char FBuffer[kLineBufferSize];
  size_t FLength = 0;
};

// Writes a series' values: in the general format straight into the line when
// no pattern applies and the decimal separator is ASCII, as the exporter
// formats them otherwise.
class TValueWriter {
 public:
  TValueWriter(const TSeriesData& exporter, const TChartSeries& series)
      : FExporter(exporter), FSeries(series) {
    const char16_t decimal = exporter.UserLocale().DecimalSeparator();
    FGeneral = exporter.ValueFormatFor(&series).empty() && decimal < 0x80;
    FDecimal = static_cast<char>(decimal);
  }

  void Write(TLineBuffer& line, double value) const {
    if (!FGeneral) {
      FExporter.AppendValueText(line.Document(), &FSeries, value);
      return;
    }
    char* out = line.AsciiRoom();
    const size_t length = FormatGeneralNumberTo(out, value);
    if (FDecimal != '.') std::replace(out, out + length, '.', FDecimal);
    line.CommitAscii(length);
  }

 private:
  const TSeriesData& FExporter;
  const TChartSeries& FSeries;
  bool FGeneral = false;
  char FDecimal = '.';
};

// The "#RRGGBB" text of point colours, kept for the next point, which mostly
// has the same colour.
class TColorText {
 public:
  std::string_view Of(TColor color) {
    if (FLength == 0 || color != FColor) {
      FColor = color;
      FLength = FormatColorHexTo(FText, color);
    }
    return {FText, FLength};
  }

 private:
  TColor FColor = clNone;
  char FText[kMaxColorHexText];
  size_t FLength = 0;
};

// The decimal text of an index that goes up by one from line to line: each
// step changes the last digits only, where formatting would divide.
class TIndexText {
 public:
  explicit TIndexText(int start) {
    const auto end = std::to_chars(FDigits, FDigits + sizeof FDigits, start).ptr;
    FStart = sizeof FDigits - static_cast<size_t>(end - FDigits);
    std::memmove(FDigits + FStart, FDigits, sizeof FDigits - FStart);
  }
  std::string_view Text() const { return {FDigits + FStart, sizeof FDigits - FStart}; }
  void Next() {
    for (size_t i = sizeof FDigits; i-- > FStart;) {
      if (FDigits[i] != '9') {
        ++FDigits[i];
        return;
      }
      FDigits[i] = '0';
    }
    FDigits[--FStart] = '1';
  }

 private:
  char FDigits[16];  // right-aligned
  size_t FStart = 0;
};

// The <point> lines of one series. Writing reads the series only, so that
// pieces can be written on several threads at once.
class TPointLines {
 public:
  TPointLines(const TSeriesData& exporter, const TChartSeries& series)
      : FSeries(series),
        FLists(series.ValueLists()),
        FValues(exporter, series),
        FIncludeIndex(exporter.IncludeIndex),
        FFormat(exporter.IFormat) {
    // The attribute prefixes ` NAME="` of the value lists.
    for (const std::u16string& name : ValueAttributeNames(series)) {
      FPrefixes.push_back(u" " + name + u"=\"");
    }
    for (int l = 0; l < FLists.Count(); ++l) {
      if (FLists[l] == series.MandatoryValueList()) FMandatory = l;
      if (FLists[l] == series.NotMandatoryValueList()) FNotMandatory = l;
    }
  }

  // Appends the lines of points first..last-1 to `out`.
  void Write(int first, int last, std::u16string& out) const {
    TLineBuffer line(out);
    TColorText colors;
    TIndexText index(first);
    for (int i = first; i < last; ++i, index.Next()) {
      line.Append("<point ");
      if (FIncludeIndex) {
        line.Append("index=\"");
        line.Append(index.Text());
        line.Append("\"");
      }
      if ((FFormat & scfLabels) != 0) {
        line.Append(" text=\"");
        AppendXmlEscaped(line.Document(), FSeries.Labels().GetLabel(i));
        line.Append("\"");
      }
      if ((FFormat & scfColors) != 0) {
        line.Append(" color=\"");
        line.Append(colors.Of(FSeries.ValueColor(i)));
        line.Append("\"");
      }
      if ((FFormat & scfXValues) != 0) WriteValue(line, FNotMandatory, i);
      if (!FSeries.IsNull(i)) {
        WriteValue(line, FMandatory, i);
        for (int l = 2; l < FLists.Count(); ++l) WriteValue(line, l, i);
      }
      line.Append("/>\r\n");
    }
    line.Flush();
  }

 private:
  void WriteValue(TLineBuffer& line, int list, int index) const {
    line.Append(FPrefixes[static_cast<size_t>(list)]);
    FValues.Write(line, FLists[list]->Value(index));
    line.Append("\"");
  }

  const TChartSeries& FSeries;
  const TChartValueLists& FLists;
  const TValueWriter FValues;
  const bool FIncludeIndex;
  const uint8_t FFormat;
  std::vector<std::u16string> FPrefixes;
  int FMandatory = 0;
  int FNotMandatory = 0;
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

  const TPointLines lines(*this, series);
  // Large series are formatted in pieces on every core and written in order.
  const int pieces = (count + kPointsPerPiece - 1) / kPointsPerPiece;
  ProduceInOrder(
      pieces,
      [&](int piece, std::u16string& pieceText) {
        const int first = piece * kPointsPerPiece;
        const int last = std::min(count, first + kPointsPerPiece);
        // Room for typical lines at once, rather than growing step by step.
        pieceText.reserve(static_cast<size_t>(last - first) * kTypicalLineLength);
        lines.Write(first, last, pieceText);
      },
      [&](std::u16string& pieceText) { text.Write(pieceText); }, FPieceTexts);
  text.Text() += u"</points>\r\n</series>\r\n\r\n";
}

}  // namespace kel
