#include "tests/model/series/TestSeries.h"

#include "model/series/SeriesMarks.h"
#include "persist/Stream.h"

namespace kel::test {

using T = TTestSeries;
KEL_PROPERTIES(
    TTestSeries,
    Property(u"Active", &T::Active, &T::SetActive).Default(true),
    Property(u"Marks", &T::Marks, &T::SetMarks),
    Property(u"DataSource", &T::DataSource, &T::SetDataSource).Stored(&T::IsDataSourceStored),
    Property(u"PercentFormat", &T::PercentFormat, &T::SetPercentFormat)
        .Stored(&T::IsPercentFormatStored),
    Property(u"SeriesColor", &T::SeriesColor, &T::SetSeriesColor)
        .NoDefault()
        .Stored(&T::IsSeriesColorStored),
    Property(u"ShowInLegend", &T::ShowInLegend, &T::SetShowInLegend).Default(true),
    Property(u"XValues", &T::XValues, &T::SetXValues),
    Property(u"YValues", &T::YValues, &T::SetYValues))

TTestSeries::TTestSeries(TComponent* owner, bool horizontal, int extraLists) : TChartSeries(owner) {
  if (horizontal) SetHorizontal();
  for (int i = 0; i < extraLists; ++i) AddValueList(u"Extra");
}

std::vector<uint8_t> BlockOf(TChartSeries& series) {
  TMemoryStream stream;
  series.WriteSeriesData(stream);
  return std::vector<uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

void ReadBlock(TChartSeries& series, const std::vector<uint8_t>& bytes) {
  TMemoryStream stream(bytes);
  series.ReadSeriesData(stream);
}

}  // namespace kel::test
