// The series data block: its bytes for each kind of content, reading it back,
// and reading blocks that are short, malformed or written for another series.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "model/series/SeriesData.h"
#include "model/series/SeriesMarks.h"
#include "persist/Stream.h"
#include "tests/model/series/TestSeries.h"

namespace kel::test {
namespace {

using Bytes = std::vector<uint8_t>;

void Append(Bytes& out, const void* data, size_t size) {
  const auto* bytes = static_cast<const uint8_t*>(data);
  out.insert(out.end(), bytes, bytes + size);
}
void AppendDouble(Bytes& out, double value) {
  Append(out, &value, sizeof(value));
}
void AppendInt(Bytes& out, int32_t value) {
  Append(out, &value, sizeof(value));
}
Bytes Header(uint8_t flags, int32_t count) {
  Bytes out{flags};
  AppendInt(out, count);
  return out;
}

struct TPoint {
  double X;
  double Y;
  std::u16string Label;
  TColor Color;
};

struct TBlockCase {
  const char* Name;
  std::vector<TPoint> Points;
  Bytes Expected;
};

std::vector<TBlockCase> BlockCases() {
  std::vector<TBlockCase> cases;
  {
    TBlockCase c{"empty series", {}, Header(0, 0)};
    cases.push_back(c);
  }
  {
    TBlockCase c{"plain sequence writes only Y",
                 {{0, 10, u"", clDefault}, {1, 11, u"", clDefault}, {2, 12, u"", clDefault}},
                 Header(0, 3)};
    for (double y : {10.0, 11.0, 12.0}) AppendDouble(c.Expected, y);
    cases.push_back(c);
  }
  {
    TBlockCase c{"gap in the sequence writes X",
                 {{0, 10, u"", clDefault}, {1, 11, u"", clDefault}, {5, 12, u"", clDefault}},
                 Header(1, 3)};
    for (auto [x, y] : {std::pair{0.0, 10.0}, {1.0, 11.0}, {5.0, 12.0}}) {
      AppendDouble(c.Expected, x);
      AppendDouble(c.Expected, y);
    }
    cases.push_back(c);
  }
  {
    TBlockCase c{"sequence not starting at 0 writes X",
                 {{1, 10, u"", clDefault}, {2, 11, u"", clDefault}, {3, 12, u"", clDefault}},
                 Header(1, 3)};
    for (auto [x, y] : {std::pair{1.0, 10.0}, {2.0, 11.0}, {3.0, 12.0}}) {
      AppendDouble(c.Expected, x);
      AppendDouble(c.Expected, y);
    }
    cases.push_back(c);
  }
  {
    TBlockCase c{
        "null point writes colours", {{0, 1, u"", clDefault}, {1, 2, u"", clNone}}, Header(2, 2)};
    AppendDouble(c.Expected, 1);
    AppendInt(c.Expected, clDefault);
    AppendDouble(c.Expected, 2);
    AppendInt(c.Expected, clNone);
    cases.push_back(c);
  }
  {
    TBlockCase c{"labels in the long form",
                 {{0, 1, u"ab", clDefault}, {1, 2, u"", clDefault}},
                 Header(4, 2)};
    AppendDouble(c.Expected, 1);
    for (uint8_t b : {0xFF, 0x02, 0x00, 0x00, 0x00, 0x61, 0x62}) c.Expected.push_back(b);
    AppendDouble(c.Expected, 2);
    for (uint8_t b : {0xFF, 0x00, 0x00, 0x00, 0x00}) c.Expected.push_back(b);
    cases.push_back(c);
  }
  {
    TBlockCase c{
        "label in the single-byte code page", {{0, 1, u"\u00e9\u20ac", clDefault}}, Header(4, 1)};
    AppendDouble(c.Expected, 1);
    for (uint8_t b : {0xFF, 0x02, 0x00, 0x00, 0x00, 0xE9, 0x80}) c.Expected.push_back(b);
    cases.push_back(c);
  }
  return cases;
}

TEST(SeriesDataBlock, WritesTheFieldsItsContentNeedsAndReadsThemBack) {
  for (const TBlockCase& c : BlockCases()) {
    SCOPED_TRACE(c.Name);
    TTestSeries series(nullptr);
    for (const TPoint& p : c.Points) series.AddXY(p.X, p.Y, p.Label, p.Color);
    EXPECT_EQ(BlockOf(series), c.Expected);

    TTestSeries copy(nullptr);
    ReadBlock(copy, c.Expected);
    ASSERT_EQ(copy.Count(), static_cast<int>(c.Points.size()));
    for (int i = 0; i < copy.Count(); ++i) {
      const TPoint& p = c.Points[static_cast<size_t>(i)];
      EXPECT_EQ(copy.XValue(i), p.X);
      EXPECT_EQ(copy.YValue(i), p.Y);
      EXPECT_EQ(copy.XLabel(i), p.Label);
      EXPECT_EQ(copy.StoredColor(i), p.Color);
    }
    EXPECT_TRUE(copy.ManualData);
    EXPECT_EQ(BlockOf(copy), c.Expected);
  }
}

TEST(SeriesDataBlock, PointColouredLikeTheSeriesSetsNoColourFlag) {
  TTestSeries series(nullptr);
  series.SetSeriesColor(clRed);
  series.AddXY(0, 1, u"", clRed);
  EXPECT_EQ(SeriesContentFlags(series), 0);
  series.AddXY(1, 2, u"", clBlue);
  EXPECT_EQ(SeriesContentFlags(series), scfColors);
  const Bytes block = BlockOf(series);
  int32_t first;
  std::memcpy(&first, block.data() + 5 + 8, sizeof(first));
  EXPECT_EQ(first, clRed);
}

TEST(SeriesDataBlock, LabelsAreTestedOnTheFirst101PointsOnly) {
  struct TCase {
    int LabelAt;
    bool Written;
  };
  for (const TCase c : {TCase{150, false}, TCase{50, true}, TCase{100, true}, TCase{101, false}}) {
    SCOPED_TRACE(c.LabelAt);
    TTestSeries series(nullptr);
    for (int i = 0; i < 200; ++i) series.AddXY(i, i, i == c.LabelAt ? u"x" : u"");
    EXPECT_EQ((SeriesContentFlags(series) & scfLabels) != 0, c.Written);
    const size_t labelBytes = c.Written ? 200 * 5 + 1 : 0;
    EXPECT_EQ(BlockOf(series).size(), 5 + 200 * 8 + labelBytes);
  }
}

TEST(SeriesDataBlock, SequenceTestLooksAtTheFirst10001ValuesAndTheLast) {
  TTestSeries series(nullptr);
  for (int i = 0; i < 20000; ++i) series.AddXY(i, 0);
  EXPECT_EQ(SeriesContentFlags(series), 0);
  series.XValues()->SetValue(15000, 15000.5);  // beyond the scan: still a sequence
  EXPECT_EQ(SeriesContentFlags(series), 0);
  series.XValues()->SetValue(10000, 10000.5);
  EXPECT_EQ(SeriesContentFlags(series), scfXValues);
}

TEST(SeriesDataBlock, OlderShortLabelFormReadsAsTheSameLabel) {
  Bytes block = Header(4, 1);
  AppendDouble(block, 7);
  for (uint8_t b : {0x02, 0x61, 0x62}) block.push_back(b);
  TTestSeries series(nullptr);
  ReadBlock(series, block);
  ASSERT_EQ(series.Count(), 1);
  EXPECT_EQ(series.XLabel(0), u"ab");
  EXPECT_EQ(series.YValue(0), 7);
}

TEST(SeriesDataBlock, HorizontalSeriesWritesYFirstAndReadsItBack) {
  TTestSeries series(nullptr, true);
  series.AddXY(10, 0);
  series.AddXY(20, 1);
  // The not-mandatory list (Y) is the plain sequence: only X is written.
  Bytes expected = Header(0, 2);
  AppendDouble(expected, 10);
  AppendDouble(expected, 20);
  EXPECT_EQ(BlockOf(series), expected);

  series.YValues()->SetValue(1, 5);
  expected = Header(1, 2);
  for (double v : {0.0, 10.0, 5.0, 20.0}) AppendDouble(expected, v);
  EXPECT_EQ(BlockOf(series), expected);
  TTestSeries copy(nullptr, true);
  ReadBlock(copy, expected);
  ASSERT_EQ(copy.Count(), 2);
  EXPECT_EQ(copy.XValue(1), 20);
  EXPECT_EQ(copy.YValue(1), 5);
}

TEST(SeriesDataBlock, ExtraListsFollowTheLabel) {
  TTestSeries series(nullptr, false, 1);
  series.ValueList(2)->TempValue = 42;
  series.AddXY(3, 4, u"a");
  Bytes expected = Header(5, 1);
  AppendDouble(expected, 3);
  AppendDouble(expected, 4);
  for (uint8_t b : {0xFF, 0x01, 0x00, 0x00, 0x00, 0x61}) expected.push_back(b);
  AppendDouble(expected, 42);
  EXPECT_EQ(BlockOf(series), expected);
  TTestSeries copy(nullptr, false, 1);
  ReadBlock(copy, expected);
  ASSERT_EQ(copy.Count(), 1);
  EXPECT_EQ(copy.ValueList(2)->Value(0), 42);
}

TEST(SeriesDataBlock, CustomMarkPositionsAreWrittenForEveryPoint) {
  TTestSeries series(nullptr);
  series.AddXY(0, 1);
  series.AddXY(1, 2);
  TSeriesMarkPosition placed;
  placed.ArrowFrom = {1, 2};
  placed.ArrowFix = true;
  placed.ArrowTo = {3, 4};
  placed.Custom = true;
  placed.Height = 5;
  placed.LeftTop = {6, 7};
  placed.Width = 8;
  series.Marks()->Positions().SetPosition(1, placed);
  const Bytes block = BlockOf(series);
  ASSERT_EQ(block.size(), 5u + 2 * (8 + 34));
  EXPECT_EQ(block[0], scfMarkPositions);
  // The first point's position was never set: 34 zero bytes.
  EXPECT_EQ(Bytes(block.begin() + 13, block.begin() + 47), Bytes(34, 0));
  const Bytes second(block.begin() + 55, block.end());
  EXPECT_EQ(second[8], 1);   // ArrowFix
  EXPECT_EQ(second[17], 1);  // Custom

  TTestSeries copy(nullptr);
  ReadBlock(copy, block);
  ASSERT_NE(copy.Marks()->Positions().Position(1), nullptr);
  EXPECT_EQ(*copy.Marks()->Positions().Position(1), placed);
}

TEST(SeriesDataBlock, BadBlocksKeepThePointsReadUpToTheLastCompleteOne) {
  Bytes twoPoints = Header(4, 2);
  AppendDouble(twoPoints, 1);
  for (uint8_t b : {0xFF, 0x01, 0x00, 0x00, 0x00, 0x61}) twoPoints.push_back(b);
  AppendDouble(twoPoints, 2);
  for (uint8_t b : {0xFF, 0x01, 0x00, 0x00, 0x00, 0x62}) twoPoints.push_back(b);

  Bytes hugeLabel = Header(4, 1);
  AppendDouble(hugeLabel, 1);
  for (uint8_t b : {0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x61}) hugeLabel.push_back(b);

  Bytes manyAnnounced = Header(0, 0x7FFFFFFF);
  AppendDouble(manyAnnounced, 9);

  struct TCase {
    const char* Name;
    Bytes Block;
    int Count;
  };
  const std::vector<TCase> cases{
      {"cut inside the second label", Bytes(twoPoints.begin(), twoPoints.end() - 1), 1},
      {"cut inside the second value", Bytes(twoPoints.begin(), twoPoints.begin() + 20), 1},
      {"cut inside the count", Bytes{0, 1, 0}, 0},
      {"nothing at all", Bytes{}, 0},
      {"negative count", Header(0, -5), 0},
      {"label longer than the data", hugeLabel, 0},
      {"count beyond the data", manyAnnounced, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestSeries series(nullptr);
    series.AddXY(0, 100);
    ReadBlock(series, c.Block);
    EXPECT_EQ(series.Count(), c.Count);
    EXPECT_EQ(series.YValues()->Count(), c.Count);
  }
}

TEST(SeriesDataBlock, BlockOfAnotherShapeMisalignsButStaysInsideTheData) {
  TTestSeries source(nullptr, false, 2);
  for (int i = 0; i < 5; ++i) source.AddXY(i * 2, i);
  const Bytes block = BlockOf(source);
  TTestSeries fewer(nullptr);
  ReadBlock(fewer, block);
  // The count still bounds the records; their fields are misread.
  EXPECT_EQ(fewer.Count(), 5);
  EXPECT_NE(fewer.YValue(1), source.YValue(1));
  TTestSeries more(nullptr, false, 3);
  ReadBlock(more, block);
  EXPECT_LT(more.Count(), 5);
  EXPECT_EQ(more.ValueList(4)->Count(), more.Count());
}

TEST(SeriesDataBlock, LegacyTrailingBlocksFollowEachOtherOnOneStream) {
  TTestSeries first(nullptr);
  first.AddXY(0, 1);
  TTestSeries second(nullptr);
  second.AddXY(5, 6, u"z");
  TMemoryStream stream;
  first.WriteSeriesData(stream);
  second.WriteSeriesData(stream);
  stream.SetPosition(0);
  TTestSeries a(nullptr);
  TTestSeries b(nullptr);
  a.ReadSeriesData(stream);
  b.ReadSeriesData(stream);
  EXPECT_EQ(stream.Position(), stream.Size());
  EXPECT_EQ(BlockOf(a), BlockOf(first));
  EXPECT_EQ(BlockOf(b), BlockOf(second));
}

}  // namespace
}  // namespace kel::test
