// The series gallery: registration, the first registration standing, the
// look-ups and the type texts.
#include <gtest/gtest.h>

#include "model/catalogue/LosslessClass.h"
#include "model/catalogue/Registration.h"
#include "model/catalogue/SeriesGallery.h"
#include "model/standard/BarSeries.h"
#include "model/standard/LineSeries.h"
#include "persist/ClassRegistry.h"

namespace kel {
namespace {

class SeriesGalleryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterModelClasses(); }
};

TEST_F(SeriesGalleryTest, StandardEntries) {
  TKelSeriesType entry;
  ASSERT_TRUE(SeriesGallery().Find(TLineSeries::StaticClassInfo(), 0, entry));
  EXPECT_EQ(entry.Caption(), u"Line");
  EXPECT_EQ(*entry.GalleryPage, u"Standard");
  EXPECT_EQ(entry.NumGallerySeries, 2);
  EXPECT_EQ(entry.FunctionClass, nullptr);
  EXPECT_EQ(GetClass(u"TLineSeries"), &TLineSeries::StaticClassInfo());
  EXPECT_EQ(SeriesGallery().Find(u"TBarSeries"), &TBarSeries::StaticClassInfo());
  EXPECT_EQ(SeriesGallery().Find(u"tbarseries"), nullptr);
}

TEST_F(SeriesGalleryTest, TypeTexts) {
  EXPECT_EQ(SeriesTypeText(TLineSeries::StaticClassInfo()), u"Line");
  EXPECT_EQ(SeriesTypeText(THorizBarSeries::StaticClassInfo()), u"Horizontal\rBar");
  EXPECT_EQ(SeriesTypeText(TChartSeries::StaticClassInfo()), u"TChartSeries");
}

TEST_F(SeriesGalleryTest, FirstRegistrationStandsAndVariantsFollow) {
  static const std::u16string first = u"Stepped";
  static const std::u16string other = u"Other stepped";
  static const std::u16string variant = u"Stairs";
  const TClassInfo& stepped = MakeLosslessClass(u"TSteppedSeries", LosslessBaseOf<TLineSeries>());
  const int before = SeriesGallery().Count();
  AddSeriesGalleryEntry(stepped, first);
  AddSeriesGalleryEntry(stepped, other);
  EXPECT_EQ(SeriesGallery().Count(), before + 1);
  EXPECT_EQ(SeriesTypeText(stepped), u"Stepped");
  EXPECT_EQ(GetClass(u"TSteppedSeries"), &stepped);

  AddGalleryEntry(&stepped, nullptr, variant, 1, 1, kGalleryStandard);
  TKelSeriesType entry;
  ASSERT_TRUE(SeriesGallery().Find(stepped, 1, entry));
  EXPECT_EQ(entry.Caption(), u"Stairs");
  EXPECT_EQ(SeriesTypeText(stepped), u"Stepped");

  RemoveGalleryEntries(true, {&stepped});
  EXPECT_EQ(SeriesGallery().Count(), before);
  EXPECT_EQ(SeriesTypeText(stepped), u"TSteppedSeries");
  UnRegisterClass(stepped);
}

}  // namespace
}  // namespace kel
