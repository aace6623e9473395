// Whole charts with extended series saved without their values and loaded
// again: the shape corners travel as properties, so they come back.
#include <gtest/gtest.h>

#include <vector>

#include "model/catalogue/Registration.h"
#include "model/chart/Chart.h"
#include "model/extended/ExtendedSeries.h"
#include "persist/Stream.h"
#include "store/ChartStore.h"

namespace kel::extended_series_chart_test {
namespace {

class ExtendedSeriesChartTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterModelClasses(); }

  TChartShape* AddShape(TChart& chart, const std::u16string& name) {
    auto* shape = new TChartShape(&chart);
    shape->SetName(name);
    shape->SetParentChart(&chart);
    return shape;
  }

  TComponent FHost{nullptr};
};

TEST_F(ExtendedSeriesChartTest, ShapesKeepTheirCornersWithoutData) {
  const double corners[][4] = {{10, 20, 30, 40}, {5, 6, 0, 0}, {30, 40, 10, 20}};
  auto* saved = new TChart(&FHost);
  for (int s = 0; s < 3; ++s) {
    TChartShape* shape = AddShape(*saved, u"Shape" + std::u16string(1, u'1' + s));
    shape->SetX0(corners[s][0]);
    shape->SetY0(corners[s][1]);
    shape->SetX1(corners[s][2]);
    shape->SetY1(corners[s][3]);
  }
  TMemoryStream stream;
  WriteChartToStream(*saved, stream, false, false);
  delete saved;

  TComponent host{nullptr};
  auto* loaded = new TChart(&host);
  stream.SetPosition(0);
  ReadChartFromStream(loaded, stream);
  ASSERT_EQ(loaded->SeriesCount(), 3);
  for (int s = 0; s < 3; ++s) {
    SCOPED_TRACE(s);
    auto& shape = dynamic_cast<TChartShape&>(loaded->Series(s)->SeriesComponent());
    EXPECT_EQ(shape.X0(), corners[s][0]);
    EXPECT_EQ(shape.Y0(), corners[s][1]);
    EXPECT_EQ(shape.X1(), corners[s][2]);
    EXPECT_EQ(shape.Y1(), corners[s][3]);
  }
}

}  // namespace
}  // namespace kel::extended_series_chart_test
