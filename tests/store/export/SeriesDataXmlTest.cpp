// The XML document of series values: the sales chart, the title and type
// rules, null points, X values, single-series documents, escaping and the
// bytes written for each declared encoding. Every document is also checked
// with xmllint.
#include <gtest/gtest.h>

#include "model/catalogue/LosslessClass.h"
#include "model/catalogue/SeriesGallery.h"
#include "persist/Exceptions.h"
#include "persist/Stream.h"
#include "persist/Unicode.h"
#include "store/export/NumberFormat.h"
#include "store/export/SeriesDataXml.h"
#include "tests/store/export/ExportChart.h"

namespace kel::test {
namespace {

class SeriesDataXmlTest : public ExportChartTest {
 protected:
  // The converter's settings.
  std::unique_ptr<TSeriesDataXML> ConverterExporter(TChartSeries* series = nullptr) {
    auto exporter = std::make_unique<TSeriesDataXML>(&FChart, series, FPoint);
    exporter->IncludeColors = true;
    exporter->IncludeIndex = true;
    return exporter;
  }

  std::string Saved(TSeriesDataXML& exporter) {
    TMemoryStream stream;
    exporter.SaveToStream(stream);
    return std::string(stream.Bytes().begin(), stream.Bytes().end());
  }

  // The document as saved, UTF-16 with its mark.
  std::string SavedDocument(TSeriesDataXML& exporter) {
    const std::string bytes = Saved(exporter);
    EXPECT_EQ(XmlLintErrors(bytes), "");
    return bytes;
  }
};

const char kWorkedExample[] =
    "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
    "<chart>\r\n"
    "<series title=\"Sales\" type=\"Line\" color=\"#FF0000\">\r\n"
    "<points count=\"3\">\r\n"
    "<point index=\"0\" text=\"Jan\" color=\"#FF0000\" Y=\"10\"/>\r\n"
    "<point index=\"1\" text=\"Feb\" color=\"#FF0000\" Y=\"12.5\"/>\r\n"
    "<point index=\"2\" text=\"Mar\" color=\"#FF0000\" Y=\"9\"/>\r\n"
    "</points>\r\n"
    "</series>\r\n"
    "\r\n"
    "<series title=\"Series2\" type=\"Bar\" color=\"#008000\">\r\n"
    "<points count=\"2\">\r\n"
    "<point index=\"0\" color=\"#008000\" Bar=\"5\"/>\r\n"
    "<point index=\"1\" color=\"#008000\" Bar=\"7\"/>\r\n"
    "</points>\r\n"
    "</series>\r\n"
    "\r\n"
    "</chart>";

TEST_F(SeriesDataXmlTest, WorkedExample) {
  BuildSalesChart();
  auto exporter = ConverterExporter();
  EXPECT_EQ(Utf16ToUtf8(exporter->AsString()), kWorkedExample);

  // Saved as UTF-16 little-endian with its mark, as declared.
  const std::string bytes = SavedDocument(*exporter);
  std::u16string expected = u"\xFEFF" + Utf8ToUtf16(kWorkedExample);
  std::string expectedBytes;
  for (char16_t c : expected) {
    expectedBytes += static_cast<char>(c & 0xFF);
    expectedBytes += static_cast<char>(c >> 8);
  }
  EXPECT_EQ(bytes, expectedBytes);
}

TEST_F(SeriesDataXmlTest, ChartWithoutSeries) {
  auto exporter = ConverterExporter();
  EXPECT_EQ(Utf16ToUtf8(exporter->AsString()),
            "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<chart>\r\n</chart>");
  SavedDocument(*exporter);
}

TEST_F(SeriesDataXmlTest, DefaultsAndPublishedSettings) {
  TSeriesDataXML plain(&FChart, nullptr, FPoint);
  EXPECT_TRUE(plain.IncludeHeader);
  EXPECT_TRUE(plain.IncludeLabels);
  EXPECT_FALSE(plain.IncludeColors);
  EXPECT_FALSE(plain.IncludeIndex);
  EXPECT_EQ(plain.Encoding, u"UTF-16");
  EXPECT_FALSE(plain.IsEncodingStored());
  plain.Encoding = u"UTF-8";
  EXPECT_TRUE(plain.IsEncodingStored());
  plain.Encoding.clear();
  EXPECT_FALSE(plain.IsEncodingStored());

  TSeriesDataXML japanese(&FChart, nullptr, FJapanese);
  EXPECT_EQ(japanese.Encoding, u"shift_jis");

  std::vector<std::u16string> names;
  for (const TPropInfo* prop : ListPublishedProperties(TSeriesDataXML::StaticClassInfo())) {
    names.push_back(prop->Name);
  }
  EXPECT_EQ(names, (std::vector<std::u16string>{u"IncludeColors", u"IncludeHeader", u"IncludeIndex",
                                                u"IncludeLabels", u"UseSeriesFormat",
                                                u"ValueFormat", u"Encoding"}));
}

TEST_F(SeriesDataXmlTest, PointLineVariants) {
  struct Case {
    const char* name;
    bool includeIndex;
    bool includeLabels;
    bool includeColors;
    const char* firstPoint;
  };
  const Case cases[] = {
      {"nothing extra", false, false, false, "<point  Y=\"10\"/>"},
      {"labels only", false, true, false, "<point  text=\"Jan\" Y=\"10\"/>"},
      {"index only", true, false, false, "<point index=\"0\" Y=\"10\"/>"},
      {"colours only", false, false, true, "<point  color=\"#FF0000\" Y=\"10\"/>"},
  };
  BuildSalesChart();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TSeriesDataXML exporter(&FChart, FSales, FPoint);
    exporter.IncludeIndex = c.includeIndex;
    exporter.IncludeLabels = c.includeLabels;
    exporter.IncludeColors = c.includeColors;
    const std::string text = Utf16ToUtf8(exporter.AsString());
    EXPECT_NE(text.find(std::string(c.firstPoint) + "\r\n"), std::string::npos) << text;
    SavedDocument(exporter);
  }
}

TEST_F(SeriesDataXmlTest, SingleSeriesDocumentHasNoChartElement) {
  BuildSalesChart();
  auto exporter = ConverterExporter(FBars);
  EXPECT_EQ(Utf16ToUtf8(exporter->AsString()),
            "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
            "<series title=\"Series2\" type=\"Bar\" color=\"#008000\">\r\n"
            "<points count=\"2\">\r\n"
            "<point index=\"0\" color=\"#008000\" Bar=\"5\"/>\r\n"
            "<point index=\"1\" color=\"#008000\" Bar=\"7\"/>\r\n"
            "</points>\r\n"
            "</series>\r\n"
            "\r\n");
  SavedDocument(*exporter);
}

TEST_F(SeriesDataXmlTest, NullPointsAndXValues) {
  auto* line = AddSeries<TLineSeries>(u"Temperatures");
  line->SetSeriesColor(TColor(0x112233));
  line->AddXY(1, 4, u"a");
  line->AddNullXY(2, 0, u"b");
  line->AddXY(3, -2.25, u"c");
  auto exporter = ConverterExporter();
  EXPECT_EQ(Utf16ToUtf8(exporter->AsString()),
            "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
            "<chart>\r\n"
            "<series title=\"Temperatures\" type=\"Line\" color=\"#332211\">\r\n"
            "<points count=\"3\">\r\n"
            "<point index=\"0\" text=\"a\" color=\"#332211\" X=\"1\" Y=\"4\"/>\r\n"
            "<point index=\"1\" text=\"b\" color=\"#1FFFFFFF\" X=\"2\"/>\r\n"
            "<point index=\"2\" text=\"c\" color=\"#332211\" X=\"3\" Y=\"-2.25\"/>\r\n"
            "</points>\r\n"
            "</series>\r\n"
            "\r\n"
            "</chart>");
  SavedDocument(*exporter);
}

// A series long enough to be formatted in several pieces at once comes out
// whole and in order, in the saved bytes as in the text.
TEST_F(SeriesDataXmlTest, LongSeriesKeepsEveryPointInOrder) {
  constexpr int kPoints = 20011;
  auto* line = AddSeries<TLineSeries>(u"Long");
  line->SetSeriesColor(TColor(0x0000FF));
  line->BeginUpdate();
  for (int i = 0; i < kPoints; ++i) line->AddXY(i * 0.25, (i % 7) - 3.5);
  line->EndUpdate();
  auto exporter = ConverterExporter();
  std::string expected =
      "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<chart>\r\n"
      "<series title=\"Long\" type=\"Line\" color=\"#FF0000\">\r\n"
      "<points count=\"20011\">\r\n";
  for (int i = 0; i < kPoints; ++i) {
    expected += "<point index=\"" + std::to_string(i) + "\" color=\"#FF0000\" X=\"" +
                Utf16ToUtf8(FormatGeneralNumber(i * 0.25, u'.')) + "\" Y=\"" +
                Utf16ToUtf8(FormatGeneralNumber((i % 7) - 3.5, u'.')) + "\"/>\r\n";
  }
  expected += "</points>\r\n</series>\r\n\r\n</chart>";
  EXPECT_EQ(Utf16ToUtf8(exporter->AsString()), expected);

  std::string expectedBytes = "\xFF\xFE";
  for (char c : expected) expectedBytes += {c, '\0'};
  EXPECT_EQ(SavedDocument(*exporter), expectedBytes);
}

TEST_F(SeriesDataXmlTest, TitleAndTypeRules) {
  auto* titled = AddSeries<TLineSeries>(u"Named");
  titled->SetTitle(u"  spaced  ");
  auto* blank = AddSeries<TLineSeries>(u"BlankTitle");
  blank->SetTitle(u"   ");
  auto* anonymous = AddSeries<THorizBarSeries>();
  TSeriesDataXML exporter(&FChart, nullptr, FPoint);
  const std::string text = Utf16ToUtf8(exporter.AsString());
  EXPECT_NE(text.find("<series title=\"  spaced  \" type=\"Line\""), std::string::npos) << text;
  EXPECT_NE(text.find("<series title=\"BlankTitle\" type=\"Line\""), std::string::npos) << text;
  // The two-line caption keeps its carriage return.
  EXPECT_NE(text.find("<series title=\"Series3\" type=\"Horizontal\rBar\""), std::string::npos)
      << text;
  EXPECT_EQ(SeriesTitleText(*anonymous), u"Series3");
  SavedDocument(exporter);
}

TEST_F(SeriesDataXmlTest, ValueFormatAndDecimalSeparator) {
  BuildSalesChart();
  TSeriesDataXML withFormat(&FChart, FSales, FPoint);
  withFormat.ValueFormat = u"0.0";
  EXPECT_NE(Utf16ToUtf8(withFormat.AsString()).find("Y=\"10.0\""), std::string::npos);

  TSeriesDataXML comma(&FChart, FSales, FComma);
  EXPECT_NE(Utf16ToUtf8(comma.AsString()).find("Y=\"12,5\""), std::string::npos);
}

TEST_F(SeriesDataXmlTest, EmptyEncodingOmitsTheAttributeAndWritesUtf8) {
  BuildSalesChart();
  FSales->SetTitle(u"Verkäufe");
  auto exporter = ConverterExporter(FSales);
  exporter->Encoding.clear();
  const std::string text = Utf16ToUtf8(exporter->AsString());
  EXPECT_EQ(text.rfind("<?xml version=\"1.0\"?>\r\n<series title=\"Verkäufe\"", 0), 0u) << text;
  EXPECT_EQ(SavedDocument(*exporter), text);
}

TEST_F(SeriesDataXmlTest, NamedEncodingsAreWrittenAsDeclared) {
  BuildSalesChart();
  FSales->SetTitle(u"売上 € ü");
  struct Case {
    const char16_t* encoding;
    std::string title;  // the title's bytes in that encoding
  };
  const Case cases[] = {
      {u"UTF-8", "\xE5\xA3\xB2\xE4\xB8\x8A \xE2\x82\xAC \xC3\xBC"},
      {u"shift_jis", "\x94\x84\x8F\xE3 &#8364; &#252;"},
      {u"ISO-8859-1", "&#22770;&#19978; &#8364; \xFC"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.encoding));
    auto exporter = ConverterExporter(FSales);
    exporter->Encoding = c.encoding;
    const std::string bytes = SavedDocument(*exporter);
    EXPECT_EQ(
        bytes.rfind("<?xml version=\"1.0\" encoding=\"" + Utf16ToUtf8(c.encoding) + "\"?>", 0), 0u);
    EXPECT_NE(bytes.find("title=\"" + c.title + "\""), std::string::npos) << bytes;
  }
}

TEST_F(SeriesDataXmlTest, UnknownEncodingFailsWithoutWritingAFile) {
  BuildSalesChart();
  auto exporter = ConverterExporter();
  exporter->Encoding = u"no-such-encoding";
  const std::string file = FFolder / "values.xml";
  try {
    exporter->SaveToFile(file);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Unknown encoding \"no-such-encoding\"");
  }
  EXPECT_TRUE(FFolder.Names().empty());
}

TEST_F(SeriesDataXmlTest, HostileTextsAreEscaped) {
  const std::u16string hostile[] = {
      u"A & B",
      u"A && B",
      u"<series>",
      u"\"quoted\" 'single'",
      u"]]>",
      u"&amp;",
      u"tab\there",
      u"ctl\x01\x1F",
      u"lone \xD800 surrogate",
      u"\xFFFE\xFFFF",
      u"emoji \xD83D\xDE00",
  };
  for (const std::u16string& text : hostile) {
    SCOPED_TRACE(Utf16ToUtf8(text));
    TChart chart(nullptr);
    auto* series = new TLineSeries(&chart);
    series->SetParentChart(&chart);
    series->SetTitle(text);
    series->AddXY(0, 1, text);
    series->YValues()->SetName(u"Y" + text);
    TSeriesDataXML exporter(&chart, nullptr, FPoint);
    exporter.IncludeIndex = true;
    SavedDocument(exporter);
  }
  std::u16string escaped;
  AppendXmlEscaped(escaped, u"A & B <c> \"d\" 'e' \x01");
  EXPECT_EQ(escaped, u"A &amp; B &lt;c&gt; &quot;d&quot; &apos;e&apos; \xFFFD");
}

TEST_F(SeriesDataXmlTest, ListNamesBecomeValidUniqueAttributeNames) {
  struct Case {
    const char16_t* xName;
    const char16_t* yName;
    const char* attributes;
  };
  const Case cases[] = {
      {u"X", u"Y", " X=\"5\" Y=\"1\""},
      {u"two words", u"1st", " two_words=\"5\" _1st=\"1\""},
      {u"a:b", u"", " a_b=\"5\" _=\"1\""},
      {u"Y", u"Y", " Y=\"5\" Y_2=\"1\""},
      {u"index", u"color", " index_2=\"5\" color_2=\"1\""},
      {u"Größe", u"<&>", " Größe=\"5\" ___=\"1\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.xName));
    TChart chart(nullptr);
    auto* series = new TLineSeries(&chart);
    series->SetParentChart(&chart);
    series->XValues()->SetName(c.xName);
    series->YValues()->SetName(c.yName);
    series->AddXY(5, 1);
    TSeriesDataXML exporter(&chart, series, FPoint);
    exporter.IncludeIndex = true;
    exporter.IncludeColors = true;
    const std::string text = Utf16ToUtf8(exporter.AsString());
    EXPECT_NE(text.find(std::string(c.attributes) + "/>"), std::string::npos) << text;
    SavedDocument(exporter);
  }
}

TEST_F(SeriesDataXmlTest, TypeTextWithAmpersandIsEscaped) {
  static const std::u16string description = u"A & B && C";
  const TClassInfo& ampersandSeries =
      MakeLosslessClass(u"TAmpersandSeries", LosslessBaseOf<TLineSeries>());
  AddSeriesGalleryEntry(ampersandSeries, description);
  std::u16string text;
  AppendXmlEscaped(text, SeriesTypeText(ampersandSeries));
  EXPECT_EQ(text, u"A &amp; B &amp;&amp; C");
  RemoveGalleryEntries(true, {&ampersandSeries});
}

}  // namespace
}  // namespace kel::test
