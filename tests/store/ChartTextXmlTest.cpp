#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/ChartTextXml.h"

namespace kel {
namespace {

std::string ToXml(const std::string& text, bool withHeader = false) {
  TMemoryStream stream(std::vector<uint8_t>(text.begin(), text.end()));
  ChartTextToXml(stream, withHeader);
  return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

TEST(ChartTextToXmlTest, RendersTheWorkedExample) {
  const std::string text = Lines({"object TChart", "  Title.Text.Strings = (", "    'Sales')",
                                  "  Legend.Visible = False", "end"});
  EXPECT_EQ(ToXml(text), Lines({"<TChart>", "  <Title>", "    <Text>", "      <Strings>",
                                "        <String value=\"'Sales'\"/>", "      </Strings>",
                                "    </Text>", "  </Title>", "  <Legend>",
                                "    <Visible value=\"False\"/>", "  </Legend>", "</TChart>"}));
}

TEST(ChartTextToXmlTest, Cases) {
  const struct {
    const char* name;
    std::string text;
    std::string xml;
  } cases[] = {
      {"header", Lines({"object TChart", "end"}),
       Lines({"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<TChart/>"})},
      {"named child after an open path",
       Lines({"object TChart", "  Legend.Visible = False", "  object Series1: TLineSeries",
              "    Marks.Visible = True", "  end", "end"}),
       Lines({"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<TChart>", "  <Legend>",
              "    <Visible value=\"False\"/>", "  </Legend>", "  <TLineSeries Name=\"Series1\">",
              "    <Marks>", "      <Visible value=\"True\"/>", "    </Marks>", "  </TLineSeries>",
              "</TChart>"})},
      {"shared path prefix",
       Lines({"object TChart", "  LeftAxis.Grid.Color = clRed", "  LeftAxis.Grid.Width = 2",
              "  LeftAxis.Visible = False", "  Width = 3", "end"}),
       Lines({"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<TChart>", "  <LeftAxis>",
              "    <Grid>", "      <Color value=\"clRed\"/>", "      <Width value=\"2\"/>",
              "    </Grid>", "    <Visible value=\"False\"/>", "  </LeftAxis>",
              "  <Width value=\"3\"/>", "</TChart>"})},
      {"collection and empty collection",
       Lines({"object TChart", "  SeriesGroups = <", "    item", "      Name = 'A'", "    end",
              "    item", "    end>", "  CustomAxes = <>", "end"}),
       Lines({"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<TChart>", "  <SeriesGroups>",
              "    <item>", "      <Name value=\"'A'\"/>", "    </item>", "    <item>",
              "    </item>", "  </SeriesGroups>", "  <CustomAxes value=\"\"/>", "</TChart>"})},
      {"binary data and reserved characters",
       Lines(
           {"object TChart", "  Hint = 'a<b & \"c\"'", "  Data = {", "    0102", "    03}", "end"}),
       Lines({"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<TChart>",
              "  <Hint value=\"'a&lt;b &amp; &quot;c&quot;'\"/>", "  <Data>",
              "    <String value=\"0102\"/>", "    <String value=\"03\"/>", "  </Data>",
              "</TChart>"})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToXml(c.text, true), c.xml);
  }
}

}  // namespace
}  // namespace kel
