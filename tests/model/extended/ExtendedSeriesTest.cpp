// What each extended series class writes when new and with its settings
// changed, the setters that reach other objects, and the sources whose points
// a series takes. Expected lines come from the classes' property tables and
// constructor values.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "model/attributes/Brush.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/catalogue/SeriesGallery.h"
#include "model/chart/Chart.h"
#include "model/extended/ExtendedSeries.h"
#include "model/series/MarksCallout.h"
#include "model/standard/BarSeries.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"
#include "tests/model/SeriesChartTest.h"

namespace kel::extended_series_test {
namespace {

const std::string kPointLines =
    "ClickableLine = False\n"
    "Pointer.InflateMargins = True\n";
const std::string kPlainLists =
    "XValues.Name = 'X'\n"
    "XValues.Order = loAscending\n"
    "YValues.Name = 'Y'\n"
    "YValues.Order = loNone\n";
const std::string kGanttLists =
    "XValues.Name = 'Start'\n"
    "XValues.Order = loAscending\n"
    "YValues.Name = 'Y'\n"
    "YValues.Order = loNone\n";
const std::string kCandleLists =
    "CloseValues.Name = 'Close'\n"
    "CloseValues.Order = loNone\n"
    "DateValues.Name = 'Date'\n"
    "DateValues.Order = loAscending\n"
    "HighValues.Name = 'High'\n"
    "HighValues.Order = loNone\n"
    "LowValues.Name = 'Low'\n"
    "LowValues.Order = loNone\n"
    "OpenValues.Name = 'Open'\n"
    "OpenValues.Order = loNone\n";
const std::string kCandleOwnLines =
    "DownCloseGradient.StartColor = clRed\n"
    "HighLowPen.Color = clDefault\n"
    "HighLowPen.EndStyle = esSquare\n";

class ExtendedSeriesTest : public test::SeriesChartTest {};

TEST_F(ExtendedSeriesTest, NewSeriesWriteWhatTheirClassesStartWithDifferently) {
  struct Case {
    const char* name;
    std::function<TChartSeries*()> make;
    std::string expected;
  };
  const Case cases[] = {
      {"gantt", [this] { return AddSeries<TGanttSeries>(); },
       kPointLines + "Pointer.Style = psRectangle\n" + kGanttLists +
           "Callout.Style = psRightTriangle\n"
           "Callout.Arrow.Visible = False\n"
           "StartValues.Name = 'Start'\n"
           "StartValues.Order = loAscending\n"
           "EndValues.Name = 'End'\n"
           "EndValues.Order = loNone\n"
           "NextTask.Name = 'NextTask'\n"
           "NextTask.Order = loNone\n"},
      {"bubble", [this] { return AddSeries<TBubbleSeries>(); },
       "Marks.Frame.Visible = False\n" + kPointLines + "Pointer.Style = psCircle\n" + kPlainLists +
           "RadiusValues.Name = 'Radius'\n"
           "RadiusValues.Order = loNone\n"},
      {"arrow", [this] { return AddSeries<TArrowSeries>(); },
       "Marks.Frame.Visible = False\n"
       "Marks.Transparent = True\n"
       "ClickableLine = False\n"
       "Pointer.InflateMargins = False\n"
       "Pointer.Style = psRectangle\n" +
           kPlainLists +
           "EndXValues.Name = 'EndX'\n"
           "EndXValues.Order = loNone\n"
           "EndYValues.Name = 'EndY'\n"
           "EndYValues.Order = loNone\n"
           "StartXValues.Name = 'X'\n"
           "StartXValues.Order = loAscending\n"
           "StartYValues.Name = 'Y'\n"
           "StartYValues.Order = loNone\n"},
      {"candle", [this] { return AddSeries<TCandleSeries>(); }, kCandleLists + kCandleOwnLines},
      {"volume", [this] { return AddSeries<TVolumeSeries>(); },
       "VolumeValues.Name = 'Y'\n"
       "VolumeValues.Order = loNone\n"
       "XValues.Name = 'X'\n"
       "XValues.Order = loAscending\n"},
      {"shape", [this] { return AddSeries<TChartShape>(); },
       "SeriesColor = clWhite\n"
       "X1 = 100.000000000000000000\n"
       "Y1 = 100.000000000000000000\n" +
           kPlainLists},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TChartSeries* series = c.make();
    EXPECT_EQ(test::PropertiesText(*series), c.expected);
  }
}

TEST_F(ExtendedSeriesTest, ChangedSettingsComeBackWhole) {
  struct Case {
    const char* name;
    std::function<std::unique_ptr<TPersistent>()> make;
    std::string lines;
  };
  const Case cases[] = {
      {"gantt", [] { return std::make_unique<TGanttSeries>(nullptr); },
       "ColorEachPoint = False\n" + kPointLines + "Pointer.Style = psRectangle\n" + kGanttLists +
           "Callout.Style = psRightTriangle\n"
           "Callout.Visible = True\n"
           "Callout.Arrow.Visible = False\n"
           "ConnectingPen.Color = clRed\n"
           "StartValues.Name = 'Start'\n"
           "StartValues.Order = loAscending\n"
           "EndValues.DateTime = False\n"
           "EndValues.Name = 'End'\n"
           "EndValues.Order = loNone\n"
           "NextTask.Name = 'NextTask'\n"
           "NextTask.Order = loNone\n"},
      {"bubble", [] { return std::make_unique<TBubbleSeries>(nullptr); },
       "ColorEachPoint = False\n"
       "Marks.Frame.Visible = False\n"
       "Marks.Transparent = False\n" +
           kPointLines + "Pointer.Style = psCircle\n" + kPlainLists +
           "RadiusValues.Name = 'Size'\n"
           "RadiusValues.Order = loNone\n"
           "Squared = False\n"},
      {"arrow", [] { return std::make_unique<TArrowSeries>(nullptr); },
       "Marks.Frame.Visible = False\n"
       "Marks.Transparent = True\n"
       "ClickableLine = False\n"
       "Pointer.HorizSize = 7\n"
       "Pointer.InflateMargins = False\n"
       "Pointer.Style = psRectangle\n"
       "Pointer.VertSize = 9\n" +
           kPlainLists +
           "ArrowPercent = 20\n"
           "EndXValues.Name = 'EndX'\n"
           "EndXValues.Order = loNone\n"
           "EndYValues.Name = 'EndY'\n"
           "EndYValues.Order = loNone\n"
           "Fill2D = True\n"
           "StartXValues.Name = 'X'\n"
           "StartXValues.Order = loAscending\n"
           "StartYValues.Name = 'Y'\n"
           "StartYValues.Order = loNone\n"},
      {"candle", [] { return std::make_unique<TCandleSeries>(nullptr); },
       kCandleLists + "AutoSize = False\n"
                      "BorderColor = cbSameAsCandle\n"
                      "CandleStyle = csOpenClose\n"
                      "CandleWidth = 6\n"
                      "ColorStyle = cssRelativeToClose\n"
                      "Draw3D = False\n"
                      "Dark3D = False\n"
                      "DownCloseColor = clMaroon\n"
                      "DownCloseGradient.StartColor = clMaroon\n"
                      "HighLowColor = cbSameAsCandle\n"
                      "HighLowPen.Color = clDefault\n"
                      "HighLowPen.EndStyle = esSquare\n"
                      "OpenTickColor = clBlue\n"
                      "CloseTickColor = clGreen\n"
                      "ShowCloseTick = False\n"
                      "ShowOpenTick = False\n"
                      "UpCloseColor = clLime\n"
                      "UpCloseGradient.StartColor = clLime\n"
                      "Pen.Width = 2\n"
                      "RemoveGaps = True\n"
                      "Transparency = 30\n"},
      {"volume", [] { return std::make_unique<TVolumeSeries>(nullptr); },
       "SeriesColor = clRed\n"
       "LinePen.Color = clRed\n"
       "UseYOrigin = True\n"
       "VolumeValues.Name = 'Y'\n"
       "VolumeValues.Order = loNone\n"
       "XValues.Name = 'X'\n"
       "XValues.Order = loAscending\n"
       "YOrigin = 100.000000000000000000\n"},
      {"shape", [] { return std::make_unique<TChartShape>(nullptr); },
       "SeriesColor = clRed\n"
       "Alignment = taLeftJustify\n"
       "Brush.Color = clRed\n"
       "Font.Color = clBlue\n"
       "Text.Strings = (\n"
       "  'first'\n"
       "  'second')\n"
       "Pen.Width = 3\n"
       "RoundRectangle = True\n"
       "Style = chasStar\n"
       "Transparency = 40\n"
       "Transparent = True\n"
       "VertAlign = vaBottom\n"
       "XYStyle = xysPixels\n"
       "X0 = 10.000000000000000000\n"
       "X1 = 30.000000000000000000\n"
       "Y0 = 20.000000000000000000\n"
       "Y1 = 40.000000000000000000\n" +
           kPlainLists +
           // Corners set from a file make the points the shape's own.
           "Data = {\n"
           "  0102000000000000000000244000000000000034400000000000003E40000000\n"
           "  0000004440}\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::ExpectRoundTrip(c.make, c.lines);
  }
}

TEST_F(ExtendedSeriesTest, SettersReachTheObjectsTheyStandFor) {
  auto* arrow = AddSeries<TArrowSeries>();
  arrow->SetArrowWidth(11);
  arrow->SetArrowHeight(12);
  EXPECT_EQ(arrow->Pointer()->HorizSize(), 11);
  EXPECT_EQ(arrow->Pointer()->VertSize(), 12);
  EXPECT_EQ(arrow->StartXValues(), arrow->XValues()) << "one list under two names";

  auto* candle = AddSeries<TCandleSeries>();
  candle->SetCandleStyle(csLine);
  EXPECT_FALSE(candle->Pointer()->Visible());
  EXPECT_EQ(test::PropertiesText(*candle).find("Pointer"), std::string::npos);
  candle->SetCandleStyle(csCandleBar);
  EXPECT_TRUE(candle->Pointer()->Visible());
  candle->SetUpCloseColor(clYellow);
  EXPECT_EQ(candle->UpCloseGradient()->StartColor(), clYellow);

  auto* shape = AddSeries<TChartShape>();
  shape->SetSeriesColor(clRed);
  EXPECT_EQ(shape->Brush()->Color(), clRed);

  auto* volume = AddSeries<TVolumeSeries>();
  volume->SetYOrigin(0);
  EXPECT_EQ(test::PropertiesText(*volume).find("YOrigin"), std::string::npos);
}

TEST_F(ExtendedSeriesTest, AddedPointsStageTheirExtraValues) {
  auto* gantt = AddSeries<TGanttSeries>();
  gantt->AddGantt(1, 3, 0, u"design");
  gantt->NextTask()->SetValue(0, 1);
  gantt->AddGanttColor(2, 5, 1, u"build", clRed);
  gantt->Add(4);
  ASSERT_EQ(gantt->Count(), 3);
  EXPECT_EQ(gantt->NextTask()->Value(0), 1);
  EXPECT_EQ(gantt->NextTask()->Value(1), -1) << "never set";
  EXPECT_EQ(gantt->NextTask()->Value(2), -1);
  EXPECT_EQ(gantt->EndValues()->Value(1), 5);
  EXPECT_EQ(gantt->YValue(2), 2) << "a start alone goes on the next row";
  auto* fresh = AddSeries<TGanttSeries>();
  fresh->AddNull(3);
  EXPECT_EQ(fresh->NextTask()->Value(0), -1) << "added through the series base";

  auto* candle = AddSeries<TCandleSeries>();
  candle->AddOHLC(10, 14, 9, 12);
  candle->AddOHLC(11, 15, 10, 13);
  EXPECT_FALSE(candle->DateValues()->DateTime()) << "a period without a date is no date";
  EXPECT_EQ(candle->XValue(1), 1) << "the point count";
  EXPECT_EQ(candle->CloseValues()->Value(1), 13);
  EXPECT_EQ(candle->HighValues()->Value(1), 15);
  EXPECT_EQ(candle->LowValues()->Value(1), 10);
  EXPECT_EQ(candle->OpenValues()->Value(1), 11);

  auto* arrow = AddSeries<TArrowSeries>();
  arrow->AddArrow(1, 2, 3, 4);
  EXPECT_EQ(arrow->EndXValues()->Value(0), 3);
  EXPECT_EQ(arrow->EndYValues()->Value(0), 4);
}

TEST_F(ExtendedSeriesTest, ASeriesTakesPointsOnlyFromSourcesOfItsKind) {
  auto* arrow = AddSeries<TArrowSeries>();
  arrow->AddArrow(1, 2, 3, 4);
  auto* bar = AddSeries<TBarSeries>();
  bar->AddXY(0, 5);
  auto* bubbles = AddSeries<TBubbleSeries>();
  bubbles->AddBubble(1, 2, 3);
  auto* candle = AddSeries<TCandleSeries>();
  candle->AddCandle(45000, 10, 14, 9, 12);
  auto* gantt = AddSeries<TGanttSeries>();
  gantt->AddGantt(1, 3, 0);
  auto* shape = AddSeries<TChartShape>();

  struct Case {
    const char* name;
    TChartSeries* target;
    TChartSeries* source;
    int count;
  };
  const Case cases[] = {
      {"arrow into bubble", AddSeries<TBubbleSeries>(), arrow, 0},
      {"bar into candle", AddSeries<TCandleSeries>(), bar, 0},
      {"bar into gantt", AddSeries<TGanttSeries>(), bar, 0},
      {"bar into arrow", AddSeries<TArrowSeries>(), bar, 0},
      {"bar into shape", AddSeries<TChartShape>(), bar, 0},
      {"bubble into bubble", AddSeries<TBubbleSeries>(), bubbles, 1},
      {"candle into candle", AddSeries<TCandleSeries>(), candle, 1},
      {"gantt into gantt", AddSeries<TGanttSeries>(), gantt, 1},
      {"shape into shape", AddSeries<TChartShape>(), shape, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.target->SetDataSource(c.source);
    EXPECT_EQ(c.target->Count(), c.count);
    c.source->AddXY(7, 8);
    EXPECT_EQ(c.target->Count(), c.count == 0 ? 0 : c.count + 1) << "a point added later";
  }
  auto* copy = dynamic_cast<TGanttSeries*>(gantt->LinkedSeries().front());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->EndValues()->Value(0), 3);
}

TEST_F(ExtendedSeriesTest, AssigningAGanttCopiesItsPenAndCallout) {
  auto* source = AddSeries<TGanttSeries>();
  source->ConnectingPen()->SetColor(clRed);
  auto* target = AddSeries<TGanttSeries>();
  target->Callout()->SetVisible(true);
  target->Assign(source);
  EXPECT_EQ(target->ConnectingPen()->Color(), clRed);
  EXPECT_FALSE(target->Callout()->Visible()) << "the source had no callout: a fresh one";
}

TEST_F(ExtendedSeriesTest, ShapeCornersSurviveASaveWithoutData) {
  struct Case {
    const char* name;
    double corners[4];  // X0, Y0, X1, Y1
  };
  const Case cases[] = {
      {"inside", {10, 20, 30, 40}},
      {"far corner at the origin", {5, 6, 0, 0}},
      {"reversed", {30, 40, 10, 20}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* shape = AddSeries<TChartShape>();
    shape->SetX0(c.corners[0]);
    shape->SetY0(c.corners[1]);
    shape->SetX1(c.corners[2]);
    shape->SetY1(c.corners[3]);
    shape->DontSaveData = true;
    const std::string lines = test::PropertiesText(*shape);
    ASSERT_EQ(lines.find("Data"), std::string::npos);

    auto* reloaded = AddSeries<TChartShape>();
    test::LoadProperties(*reloaded, lines);
    ASSERT_EQ(reloaded->Count(), 2);
    EXPECT_EQ(reloaded->X0(), c.corners[0]);
    EXPECT_EQ(reloaded->Y0(), c.corners[1]);
    EXPECT_EQ(reloaded->X1(), c.corners[2]);
    EXPECT_EQ(reloaded->Y1(), c.corners[3]);
  }
}

TEST_F(ExtendedSeriesTest, ShapeCornersMissingFromAFileKeepTheNewShapesCorners) {
  auto* shape = AddSeries<TChartShape>();
  test::LoadProperties(*shape, "X0 = 5\n");
  EXPECT_EQ(shape->X0(), 5);
  EXPECT_EQ(shape->Y0(), 0);
  EXPECT_EQ(shape->X1(), 100);
  EXPECT_EQ(shape->Y1(), 100);
}

TEST_F(ExtendedSeriesTest, ShapeCornersMakeTheirPointsAndStayInPlace) {
  auto* shape = AddSeries<TChartShape>();
  shape->Clear();
  EXPECT_EQ(shape->Y0(), 0);
  EXPECT_EQ(shape->Count(), 1) << "reading a near corner makes one point";
  EXPECT_EQ(shape->X1(), 0);
  EXPECT_EQ(shape->Count(), 2);
  shape->ManualData = false;
  shape->SetX0(200);
  EXPECT_EQ(shape->XValue(0), 200) << "not re-ordered by X";
  EXPECT_TRUE(shape->ManualData);
}

TEST_F(ExtendedSeriesTest, GalleryGivesTheTypeTexts) {
  struct Case {
    const TClassInfo* seriesClass;
    const char16_t* text;
  };
  const Case cases[] = {
      {&TGanttSeries::StaticClassInfo(), u"Gantt"},
      {&TBubbleSeries::StaticClassInfo(), u"Bubble"},
      {&TArrowSeries::StaticClassInfo(), u"Arrow"},
      {&TCandleSeries::StaticClassInfo(), u"Candle"},
      {&TVolumeSeries::StaticClassInfo(), u"Volume"},
      {&TChartShape::StaticClassInfo(), u"Shape"},
  };
  for (const Case& c : cases) EXPECT_EQ(SeriesTypeText(*c.seriesClass), c.text);
}

}  // namespace
}  // namespace kel::extended_series_test
