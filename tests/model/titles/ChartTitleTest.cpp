#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "model/attributes/Font.h"
#include "model/titles/ChartTitle.h"
#include "persist/StringList.h"
#include "tests/model/PropertyText.h"

namespace kel {
namespace {

using test::LoadProperties;
using test::PropertiesText;

std::unique_ptr<TChartTitle> MakeTitle(bool foot) {
  if (foot) return std::make_unique<TChartFootTitle>(nullptr);
  return std::make_unique<TChartTitle>(nullptr);
}

TEST(ChartTitleTest, NewTitlesWriteNothing) {
  for (bool foot : {false, true}) {
    SCOPED_TRACE(foot ? "foot" : "title");
    auto title = MakeTitle(foot);
    EXPECT_EQ(PropertiesText(*title), "");
    EXPECT_EQ(title->OnTop(), !foot);
    EXPECT_EQ(title->Font()->Color(), foot ? clRed : clBlue);
  }
}

struct TitleCase {
  const char* name;
  bool foot;
  std::function<void(TChartTitle&)> change;
  std::string expected;
};

TEST(ChartTitleTest, WriteRulesFollowTheTitleDefaults) {
  const TitleCase cases[] = {
      {"title in blue", false, [](TChartTitle& t) { t.Font()->SetColor(clBlue); }, ""},
      {"foot in blue", true, [](TChartTitle& t) { t.Font()->SetColor(clBlue); },
       "Foot.Font.Color = clBlue\n"},
      {"foot in red", true, [](TChartTitle& t) { t.Font()->SetColor(clRed); }, ""},
      {"title in red", false, [](TChartTitle& t) { t.Font()->SetColor(clRed); },
       "Foot.Font.Color = clRed\n"},
      {"foot upright", true, [](TChartTitle& t) { t.Font()->SetStyle({}); },
       "Foot.Font.Style = []\n"},
      {"title upright", false, [](TChartTitle& t) { t.Font()->SetStyle({}); }, ""},
      {"title italic", false, [](TChartTitle& t) { t.Font()->SetStyle({fsItalic}); },
       "Foot.Font.Style = [fsItalic]\n"},
      {"left aligned", false, [](TChartTitle& t) { t.SetAlignment(taLeftJustify); },
       "Foot.Alignment = taLeftJustify\n"},
      {"centred", true, [](TChartTitle& t) { t.SetAlignment(taCenter); }, ""},
      {"text left", false, [](TChartTitle& t) { t.SetTextAlignment(taLeftJustify); },
       "Foot.TextAlignment = taLeftJustify\n"},
      {"text centred", true, [](TChartTitle& t) { t.SetTextAlignment(taCenter); }, ""},
      {"opaque", false, [](TChartTitle& t) { t.SetTransparent(false); },
       "Foot.Transparent = False\n"},
      {"no frame adjusting", true, [](TChartTitle& t) { t.SetAdjustFrame(false); },
       "Foot.AdjustFrame = False\n"},
      {"margin", false, [](TChartTitle& t) { t.SetVertMargin(0); }, "Foot.VertMargin = 0\n"},
      // AdjustFrame and VertMargin come after everything the title inherits.
      {"order", false,
       [](TChartTitle& t) {
         t.SetVertMargin(8);
         t.SetVisible(false);
         t.SetAdjustFrame(false);
         t.SetVertTextAlign(vtaBottom);
       },
       "Foot.VertTextAlign = vtaBottom\n"
       "Foot.Visible = False\n"
       "Foot.AdjustFrame = False\n"
       "Foot.VertMargin = 8\n"},
  };
  for (const TitleCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto title = MakeTitle(c.foot);
    c.change(*title);
    const std::string written = PropertiesText(*title, u"Foot.");
    EXPECT_EQ(written, c.expected);
    auto reread = MakeTitle(c.foot);
    LoadProperties(*reread, PropertiesText(*title));
    EXPECT_EQ(PropertiesText(*reread, u"Foot."), written);
  }
}

TEST(ChartTitleTest, TwoLinesAreWrittenAsTheTextList) {
  TChartTitle title(nullptr);
  LoadProperties(title, "Text.Strings = (\n  'A'\n  'B')");
  EXPECT_EQ(title.Text(), u"A\r\nB");
  EXPECT_EQ(PropertiesText(title, u"Title."),
            "Title.Text.Strings = (\n"
            "  'A'\n"
            "  'B')\n");
}

TEST(ChartTitleTest, AssignCopiesTheTitleValues) {
  TChartTitle foot(nullptr);
  foot.SetText(u"Bottom line");
  foot.SetAdjustFrame(false);
  foot.SetVertMargin(2);
  foot.SetCustomPosition(true);
  foot.SetLeft(30);
  TChartTitle title(nullptr);
  title.Assign(&foot);
  EXPECT_EQ(PropertiesText(title),
            "CustomPosition = True\n"
            "Left = 30\n"
            "Text.Strings = (\n"
            "  'Bottom line')\n"
            "Top = 0\n"
            "AdjustFrame = False\n"
            "VertMargin = 2\n");
}

}  // namespace
}  // namespace kel
