// The catalogue: every entry found by name in the class registry and in its
// gallery or list, every creatable entry written under a chart and read back
// to the same bytes, and the edge cases of its registries.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/catalogue/CatalogueTable.h"
#include "model/catalogue/LosslessClass.h"
#include "model/catalogue/Registration.h"
#include "model/catalogue/SeriesGallery.h"
#include "model/catalogue/ToolTypes.h"
#include "model/chart/Chart.h"
#include "model/standard/LineSeries.h"
#include "persist/ClassRegistry.h"
#include "persist/Reader.h"
#include "persist/Unicode.h"
#include "tests/persist/ComponentStreams.h"

namespace kel {
namespace {

class CatalogueTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterModelClasses(); }
};

bool InList(const TKelToolTypes& list, const TClassInfo& info) {
  for (int i = 0; i < list.Count(); ++i) {
    if (list.Get(i) == &info) return true;
  }
  return false;
}

// The chart's stream after reading `bytes` into a fresh chart.
std::vector<uint8_t> ReadAndWriteAgain(const std::vector<uint8_t>& bytes) {
  TChart chart(nullptr);
  TMemoryStream input(bytes);
  {
    TReader reader(input, kDefaultFilerBufferSize);
    reader.ReadRootComponent(chart);
  }
  return test::WriteRoot(chart);
}

// Puts a new object of the class under the chart as the reader would: a
// function as the function of a series of its own. A series writes its
// points, as in a chart saved with data: a shape's corners, read back, make
// it write them in any case.
void AddUnderChart(TChart& chart, const TClassInfo& info, TCatalogueKind kind) {
  TComponent* object = info.CreateComponent(&chart);
  object->SetName(u"Object1");
  if (auto* series = dynamic_cast<TChartSeries*>(object)) series->ManualData = true;
  if (kind == TCatalogueKind::Function) {
    auto* series = new TLineSeries(&chart);
    series->SetName(u"Series1");
    series->SetParentComponent(&chart);
    series->SetFunction(object);
  } else {
    object->SetParentComponent(&chart);
  }
}

TEST_F(CatalogueTest, EveryEntryIsFoundAndComesBackWhole) {
  for (const TCatalogueEntry& entry : CatalogueEntries()) {
    SCOPED_TRACE(Utf16ToUtf8(entry.ClassName) + " " + std::to_string(entry.SubIndex));
    const TClassInfo* info = GetClass(entry.ClassName);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->ClassName, entry.ClassName);
    TKelSeriesType galleryEntry;
    switch (entry.Kind) {
      case TCatalogueKind::Series:
        ASSERT_TRUE(SeriesGallery().Find(*info, entry.SubIndex, galleryEntry));
        EXPECT_EQ(galleryEntry.SubIndex, entry.SubIndex);
        EXPECT_EQ(galleryEntry.Caption(), entry.Description);
        EXPECT_EQ(*galleryEntry.GalleryPage, entry.GalleryPage);
        EXPECT_EQ(galleryEntry.NumGallerySeries, entry.NumGallerySeries);
        break;
      case TCatalogueKind::Function:
        EXPECT_EQ(SeriesGallery().Find(entry.ClassName), nullptr);
        break;
      case TCatalogueKind::Tool:
        EXPECT_TRUE(InList(ToolClassList(), *info));
        break;
      case TCatalogueKind::Animation:
        EXPECT_TRUE(InList(AnimationClassList(), *info));
        break;
      case TCatalogueKind::Plain:
        break;
    }
    if (entry.Kind == TCatalogueKind::Plain || info->CreateComponent == nullptr) continue;
    TChart chart(nullptr);
    AddUnderChart(chart, *info, entry.Kind);
    const std::vector<uint8_t> written = test::WriteRoot(chart);
    EXPECT_NE(test::AsText(written).find(Utf16ToUtf8(entry.ClassName)), std::string::npos);
    EXPECT_EQ(ReadAndWriteAgain(written), written);
  }
}

TEST_F(CatalogueTest, GalleryOrderAndCounts) {
  EXPECT_EQ(SeriesGallery().Get(0).Caption(), u"Line");
  int series = 0, functions = 0;
  for (int i = 0; i < SeriesGallery().Count(); ++i) {
    const TKelSeriesType entry = SeriesGallery().Get(i);
    series += entry.SeriesClass != nullptr;
    functions += entry.FunctionClass != nullptr;
  }
  // 74 main entries, the 22 map entries and the vertical linear gauge.
  EXPECT_EQ(series, 97);
  EXPECT_EQ(SeriesGallery().Get(73).Caption(), u"Polar Contour");
  EXPECT_EQ(functions, 56);
  EXPECT_EQ(ToolClassList().Count(), 49);
  EXPECT_EQ(ToolClassList().Get(0)->ClassName, u"TCursorTool");
  EXPECT_EQ(ToolClassList().Get(48)->ClassName, u"TScrollPagerTool");
  EXPECT_EQ(AnimationClassList().Count(), 3);
}

TEST_F(CatalogueTest, TypeTexts) {
  const struct {
    const char16_t* className;
    const char16_t* typeText;
  } cases[] = {
      {u"THorizBarSeries", u"Horizontal\rBar"},
      {u"TWorldSeries", u"World"},
      {u"TLinearGauge", u"Linear\rGauge"},
      {u"TChartSeries", u"TChartSeries"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.className));
    EXPECT_EQ(SeriesTypeText(FindRegisteredClass(c.className)), c.typeText);
  }
  TKelSeriesType vertical;
  ASSERT_TRUE(SeriesGallery().Find(FindRegisteredClass(u"TLinearGauge"), 1, vertical));
  EXPECT_EQ(vertical.Caption(), u"Vertical");
}

TEST_F(CatalogueTest, ToolListIgnoresASecondRegistrationAndRemovalUnregisters) {
  const TClassInfo& tool =
      MakeLosslessClass(u"TSpareTool", LosslessBaseOf<TKelCustomTool>(), u"Spare");
  const int before = ToolClassList().Count();
  AddToolClasses({&tool, &tool});
  EXPECT_EQ(ToolClassList().Count(), before + 1);
  EXPECT_EQ(GetClass(u"TSpareTool"), &tool);
  RemoveToolClasses({&tool});
  EXPECT_EQ(ToolClassList().Count(), before);
  EXPECT_EQ(GetClass(u"TSpareTool"), nullptr);
}

TEST_F(CatalogueTest, MadeToolsDescribeThemselves) {
  std::unique_ptr<TComponent> tool(FindRegisteredClass(u"TPageNumTool").CreateComponent(nullptr));
  auto* described = dynamic_cast<TKelCustomTool*>(tool.get());
  ASSERT_NE(described, nullptr);
  EXPECT_EQ(described->Description(), u"Page Number");
  EXPECT_EQ(described->ClassName(), u"TPageNumTool");
}

}  // namespace
}  // namespace kel
