#include <gtest/gtest.h>

#include <memory>

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/FilterItems.h"
#include "model/attributes/Picture.h"
#include "persist/ClassRegistry.h"
#include "persist/Exceptions.h"
#include "tests/model/PropertyText.h"
#include "tests/model/RoundTrip.h"

namespace kel {

// An image filter with one property of its own.
class TTestBlurFilter : public TKelFilter {
  KEL_CLASS(TTestBlurFilter, TKelFilter)

 public:
  explicit TTestBlurFilter(TCollection* collection) : TKelFilter(collection) {}
  int32_t FAmount = 0;

  void Assign(const TPersistent* source) override {
    if (const auto* blur = dynamic_cast<const TTestBlurFilter*>(source)) FAmount = blur->FAmount;
    inherited::Assign(source);
  }
};

KEL_PROPERTIES(TTestBlurFilter,
               Property(u"Amount", &TTestBlurFilter::FAmount, &TTestBlurFilter::FAmount).Default(0))

namespace {

using test::ExpectRoundTrip;
using test::LoadProperties;
using test::PropertiesText;

class PictureTest : public ::testing::Test {
 protected:
  // The filter class and, when nothing registered it before, its base leave
  // the registry with the suite, so that later tests see the model's classes
  // only.
  static void SetUpTestSuite() {
    baseWasRegistered = GetClass(TKelFilter::kClassName) != nullptr;
    RegisterClass<TTestBlurFilter>();
  }
  static void TearDownTestSuite() {
    UnRegisterClass(TTestBlurFilter::StaticClassInfo());
    if (!baseWasRegistered) UnRegisterClass(TKelFilter::StaticClassInfo());
  }
  static inline bool baseWasRegistered = false;
};

TGraphic Bitmap() {
  return {u"TBitmap", {0x01, 0x02, 0x03}};
}

// One byte 7, "TBitmap", then the graphic's own bytes.
constexpr const char* kBitmapData = "Data = {07544269746D6170010203}\n";

TEST_F(PictureTest, EmptyPictureWritesNothing) {
  TKelPicture picture;
  picture.Filters();
  EXPECT_EQ(PropertiesText(picture), "");
}

TEST_F(PictureTest, GraphicTravelsAsItsClassNameAndBytes) {
  TKelPicture picture;
  const TGraphic bitmap = Bitmap();
  picture.SetGraphic(&bitmap);
  EXPECT_EQ(PropertiesText(picture), kBitmapData);
  ExpectRoundTrip([] { return std::make_unique<TKelPicture>(); }, kBitmapData);
}

TEST_F(PictureTest, FormatNamesAreRecognisedWithoutRegardToCase) {
  TKelPicture picture;
  // 7 "tbitmap" 01 02 03
  LoadProperties(picture, "Data = {07746269746D6170010203}\n");
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_EQ(picture.Graphic()->ClassName, u"tbitmap");
  EXPECT_EQ(picture.Graphic()->Data, (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(PictureTest, UnknownFormatLeavesThePictureEmpty) {
  TKelPicture picture;
  const TGraphic bitmap = Bitmap();
  picture.SetGraphic(&bitmap);
  // 4 "TFoo" 01 02
  LoadProperties(picture, "Data = {0454466F6F0102}\n");
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_EQ(PropertiesText(picture), "");
}

TEST_F(PictureTest, RegisteredFormatsAreRecognised) {
  EXPECT_EQ(FindGraphicClass(u"TTestVectorImage"), u"");
  RegisterGraphicClass(u"TTestVectorImage");
  EXPECT_EQ(FindGraphicClass(u"ttestvectorimage"), u"TTestVectorImage");
  EXPECT_THROW(RegisterGraphicClass(std::u16string(256, u'T')), std::invalid_argument);
}

TEST_F(PictureTest, TruncatedDataFailsTheRead) {
  TKelPicture picture;
  // The name claims 9 bytes, 2 follow.
  EXPECT_THROW(LoadProperties(picture, "Data = {095442}\n"), EReadError);
}

constexpr const char* kFilterItems =
    "FilterItems = <\n"
    "  item\n"
    "    ItemClass = 'TTestBlurFilter'\n"
    "    Enabled = False\n"
    "    Region.Left = 5\n"
    "    Amount = 3\n"
    "  end\n"
    "  item\n"
    "    ItemClass = 'TTestBlurFilter'\n"
    "  end>\n";

void AddFilters(TKelPicture& picture) {
  auto* blur = picture.Filters()->Add<TTestBlurFilter>();
  blur->FEnabled = false;
  blur->Region()->FLeft = 5;
  blur->FAmount = 3;
  picture.Filters()->Add<TTestBlurFilter>();
}

TEST_F(PictureTest, FiltersTravelWithTheirClassNames) {
  TKelPicture picture;
  AddFilters(picture);
  EXPECT_EQ(PropertiesText(picture), kFilterItems);

  TKelPicture reloaded;
  LoadProperties(reloaded, kFilterItems);
  ASSERT_EQ(reloaded.Filters()->Count(), 2);
  auto* blur = dynamic_cast<TTestBlurFilter*>(reloaded.Filters()->Item(0));
  ASSERT_NE(blur, nullptr);
  EXPECT_EQ(blur->FAmount, 3);
  EXPECT_EQ(PropertiesText(reloaded), kFilterItems);
}

TEST_F(PictureTest, ReadFiltersReplaceTheExistingOnes) {
  TKelPicture picture;
  AddFilters(picture);
  AddFilters(picture);
  LoadProperties(picture, kFilterItems);
  EXPECT_EQ(picture.Filters()->Count(), 2);
}

TEST_F(PictureTest, NamesInsideTheFiltersOfASubObjectCarryNoPath) {
  TKelBrush brush;
  AddFilters(*brush.Image());
  const std::string expected = std::string("Image.") + kFilterItems;
  EXPECT_EQ(PropertiesText(brush), expected);
  ExpectRoundTrip([] { return std::make_unique<TKelBrush>(); }, expected);
}

TEST_F(PictureTest, UnregisteredFilterClassFailsTheLoad) {
  TKelPicture picture;
  try {
    LoadProperties(picture,
                   "FilterItems = <\n"
                   "  item\n"
                   "    ItemClass = 'TNoSuchFilter'\n"
                   "  end>\n");
    FAIL() << "no failure";
  } catch (const EReadError& e) {
    // The registry's error, named after the entry being read.
    EXPECT_STREQ(e.what(), "Error reading TKelPicture.FilterItems: Class TNoSuchFilter not found");
  }
}

TEST_F(PictureTest, AssignCopiesFiltersOfTheirClassesAndTheGraphic) {
  TKelPicture source;
  AddFilters(source);
  const TGraphic bitmap = Bitmap();
  source.SetGraphic(&bitmap);
  TKelPicture copy;
  copy.Assign(&source);
  EXPECT_EQ(PropertiesText(copy), PropertiesText(source));
}

TEST_F(PictureTest, BackImageWritesItsPlacementBeforeThePicture) {
  TBackImage image;
  image.SetBottom(1);
  image.SetDrawQuality(sqLow);
  image.SetInside(true);
  image.SetLeft(2);
  image.SetMode(pbmTile);
  image.SetRight(3);
  image.SetTop(4);
  const TGraphic bitmap = Bitmap();
  image.SetGraphic(&bitmap);
  AddFilters(image);
  const std::string expected = std::string(
                                   "Bottom = 1\n"
                                   "DrawQuality = sqLow\n"
                                   "Inside = True\n"
                                   "Left = 2\n"
                                   "Mode = pbmTile\n"
                                   "Right = 3\n"
                                   "Top = 4\n") +
                               kBitmapData + kFilterItems;
  EXPECT_EQ(PropertiesText(image), expected);
  ExpectRoundTrip([] { return std::make_unique<TBackImage>(); }, expected);

  TBackImage copy;
  copy.Assign(&image);
  EXPECT_EQ(PropertiesText(copy), expected);
}

TEST_F(PictureTest, FreshBackImageWritesNothing) {
  TBackImage image;
  EXPECT_EQ(PropertiesText(image), "");
}

}  // namespace
}  // namespace kel
