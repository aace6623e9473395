#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/attributes/Brush.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shape.h"
#include "model/titles/StringsShape.h"
#include "persist/StringList.h"
#include "tests/model/PropertyText.h"

namespace kel {
namespace {

using test::LoadProperties;
using test::PropertiesText;

TEST(TextShapeTest, NewShapeWritesNothing) {
  TTextShape shape(nullptr);
  EXPECT_EQ(PropertiesText(shape), "");
  TStringsShape lines(nullptr);
  EXPECT_EQ(PropertiesText(lines), "");
}

struct TextCase {
  const char* name;
  std::function<void(TTextShape&)> change;
  std::string expected;
};

TEST(TextShapeTest, EachPropertyHasItsWriteRule) {
  const TextCase cases[] = {
      {"alignment", [](TTextShape& s) { s.SetAlignment(taRightJustify); },
       "Alignment = taRightJustify\n"},
      {"clip text", [](TTextShape& s) { s.SetClipText(false); }, "ClipText = False\n"},
      {"colour", [](TTextShape& s) { s.SetColor(clYellow); }, "Color = clYellow\n"},
      {"cursor", [](TTextShape& s) { s.SetCursor(crHandPoint); }, "Cursor = crHandPoint\n"},
      {"text", [](TTextShape& s) { s.SetText(u"Hello"); }, "Text = 'Hello'\n"},
      {"text alignment", [](TTextShape& s) { s.SetTextAlignment(taCenter); },
       "TextAlignment = taCenter\n"},
      {"text alignment at its default", [](TTextShape& s) { s.SetTextAlignment(taLeftJustify); },
       ""},
      {"moved default", [](TTextShape& s) { s.SetDefaultTextAlign(taRightJustify); }, ""},
      {"text format", [](TTextShape& s) { s.SetTextFormat(ttfHtml); }, "TextFormat = ttfHtml\n"},
      {"vertical alignment", [](TTextShape& s) { s.SetVertTextAlign(vtaTop); },
       "VertTextAlign = vtaTop\n"},
      {"margin left", [](TTextShape& s) { s.Margins()->SetLeft(0); }, "Margins.Left = 0\n"},
      {"margin bottom", [](TTextShape& s) { s.Margins()->SetBottom(10); }, "Margins.Bottom = 10\n"},
      {"margin units", [](TTextShape& s) { s.Margins()->SetUnits(maPixels); },
       "Margins.Units = maPixels\n"},
      {"custom position", [](TTextShape& s) { s.SetCustomPosition(true); },
       "CustomPosition = True\nLeft = 0\nTop = 0\n"},
      {"top", [](TTextShape& s) { s.SetTop(7); }, "CustomPosition = True\nLeft = 0\nTop = 7\n"},
      {"transparent", [](TTextShape& s) { s.SetTransparent(true); }, "Transparent = True\n"},
      {"transparency", [](TTextShape& s) { s.SetTransparency(40); }, "Transparency = 40\n"},
      {"hidden", [](TTextShape& s) { s.SetVisible(false); }, "Visible = False\n"},
      // The gradient reaches the file only through the brush.
      {"gradient", [](TTextShape& s) { s.Gradient()->SetVisible(true); },
       "Brush.Gradient.Visible = True\n"},
      {"frame", [](TTextShape& s) { s.Pen()->SetWidth(2); }, "Frame.Width = 2\n"},
      {"shape style", [](TTextShape& s) { s.SetShapeStyle(fosEllipse); },
       "ShapeStyle = fosEllipse\n"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    TTextShape shape(nullptr);
    c.change(shape);
    const std::string written = PropertiesText(shape);
    EXPECT_EQ(written, c.expected);
    TTextShape reread(nullptr);
    LoadProperties(reread, written);
    EXPECT_EQ(PropertiesText(reread), written);
  }
}

TEST(TextShapeTest, ReadingLeftAloneTurnsCustomPositionOn) {
  TTextShape shape(nullptr);
  LoadProperties(shape, "Left = 20");
  EXPECT_TRUE(shape.CustomPosition());
  EXPECT_EQ(PropertiesText(shape, u"Legend."),
            "Legend.CustomPosition = True\n"
            "Legend.Left = 20\n"
            "Legend.Top = 0\n");
}

TEST(TextShapeTest, LegacyShadowEntriesAreWrittenAsTheShadow) {
  TTextShape shape(nullptr);
  LoadProperties(shape, "ShadowColor = clRed\nShadowSize = 5");
  EXPECT_EQ(PropertiesText(shape),
            "Shadow.Color = clRed\n"
            "Shadow.HorizSize = 5\n"
            "Shadow.VertSize = 5\n");
}

TEST(TextShapeTest, ChildrenAreTextShapesThatPublishNothing) {
  TTextShape shape(nullptr);
  auto* item = static_cast<TKelShapeItem*>(shape.Children()->Add());
  EXPECT_NE(dynamic_cast<TCustomTextShape*>(item->Shape()), nullptr);
  EXPECT_EQ(PropertiesText(shape),
            "Children = <\n"
            "  item\n"
            "  end>\n");
}

TEST(TextShapeTest, AssignCopiesPositionOnlyWhenCustom) {
  TTextShape source(nullptr);
  source.SetText(u"T");
  source.SetLeft(4);
  source.SetTop(6);
  source.SetCustomPosition(false);
  TTextShape copy(nullptr);
  copy.Assign(&source);
  EXPECT_EQ(copy.Left(), 0);
  EXPECT_EQ(PropertiesText(copy), "Text = 'T'\n");
  source.SetCustomPosition(true);
  copy.Assign(&source);
  EXPECT_EQ(PropertiesText(copy), PropertiesText(source));
}

// --- The list of lines and the text ---

struct LinesCase {
  const char* name;
  std::vector<std::u16string> lines;
  std::u16string text;
};

TEST(StringsShapeTest, TextFollowsTheLines) {
  const LinesCase cases[] = {
      {"none", {}, u""},
      {"one", {u"A"}, u"A"},
      {"two", {u"A", u"B"}, u"A\r\nB"},
      // Two characters are kept whole: the break is not removed.
      {"one empty line", {u""}, u"\r\n"},
      {"empty last line", {u"A", u""}, u"A\r\n"},
  };
  for (const LinesCase& c : cases) {
    SCOPED_TRACE(c.name);
    TStringsShape shape(nullptr);
    for (const auto& line : c.lines) shape.Lines()->Add(line);
    EXPECT_EQ(shape.Text(), c.text);
  }
}

TEST(StringsShapeTest, LinesFollowTheText) {
  const LinesCase cases[] = {
      {"none", {}, u""},
      {"one", {u"A"}, u"A"},
      {"crlf", {u"A", u"B"}, u"A\r\nB"},
      {"cr and lf", {u"A", u"B", u"C"}, u"A\rB\nC"},
      {"final break", {u"A"}, u"A\r\n"},
      {"empty middle", {u"A", u"", u"B"}, u"A\r\n\r\nB"},
  };
  for (const LinesCase& c : cases) {
    SCOPED_TRACE(c.name);
    TStringsShape shape(nullptr);
    shape.Lines()->Add(u"old");
    shape.SetText(c.text);
    ASSERT_EQ(shape.Lines()->Count(), static_cast<int>(c.lines.size()));
    for (size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(shape.Lines()->Get(i), c.lines[i]);
    // The text stays as it was set, not as the lines would join.
    EXPECT_EQ(shape.Text(), c.text);
  }
}

TEST(StringsShapeTest, TextIsWrittenAsTheListOfLines) {
  TStringsShape shape(nullptr);
  shape.Lines()->Add(u"A");
  shape.Lines()->Add(u"B");
  const std::string expected =
      "Title.Text.Strings = (\n"
      "  'A'\n"
      "  'B')\n";
  EXPECT_EQ(PropertiesText(shape, u"Title."), expected);

  TStringsShape reread(nullptr);
  LoadProperties(reread, PropertiesText(shape));
  EXPECT_EQ(reread.Text(), u"A\r\nB");
  EXPECT_EQ(PropertiesText(reread, u"Title."), expected);
}

TEST(StringsShapeTest, CaptionIsTheFirstLine) {
  TStringsShape shape(nullptr);
  EXPECT_EQ(shape.Caption(), u"");
  shape.SetCaption(u"One\r\nTwo");
  EXPECT_EQ(shape.Caption(), u"One");
  EXPECT_EQ(shape.Lines()->Count(), 2);
  EXPECT_EQ(shape.Text(), u"One\r\nTwo");
  shape.SetCaption(u"");
  EXPECT_EQ(shape.Lines()->Count(), 0);
  EXPECT_EQ(shape.Text(), u"");
  EXPECT_EQ(PropertiesText(shape), "");
}

TEST(StringsShapeTest, AssignCopiesTheLines) {
  TStringsShape source(nullptr);
  source.SetText(u"X\r\nY");
  TStringsShape copy(nullptr);
  copy.Assign(&source);
  EXPECT_EQ(copy.Lines()->Count(), 2);
  EXPECT_EQ(copy.Text(), u"X\r\nY");
}

TEST(StringsShapeTest, LinesFollowTheTextOfAPlainTextShapeAssignedToIt) {
  TTextShape source(nullptr);
  source.SetText(u"P\r\nQ");
  TStringsShape copy(nullptr);
  copy.SetText(u"old");
  copy.Assign(&source);
  EXPECT_EQ(copy.Lines()->Count(), 2);
  EXPECT_EQ(copy.Caption(), u"P");
}

}  // namespace
}  // namespace kel
