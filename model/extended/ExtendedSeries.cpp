#include "model/extended/ExtendedSeries.h"

#include <string>

#include "model/catalogue/SeriesGallery.h"
#include "persist/ClassRegistry.h"

namespace kel {

namespace {

const std::u16string kGalleryExtended = u"Extended";
const std::u16string kGalleryFinancial = u"Financial";

const std::u16string kGalleryShape = u"Shape";
const std::u16string kGalleryGantt = u"Gantt";
const std::u16string kGalleryArrow = u"Arrow";
const std::u16string kGalleryBubble = u"Bubble";
const std::u16string kGalleryCandle = u"Candle";
const std::u16string kGalleryVolume = u"Volume";

}  // namespace

void RegisterExtendedSeriesClasses() {
  RegisterClasses({&TGanttSeries::StaticClassInfo(), &TBubbleSeries::StaticClassInfo(),
                   &TArrowSeries::StaticClassInfo(), &TOHLCSeries::StaticClassInfo(),
                   &TCandleSeries::StaticClassInfo(), &TVolumeSeries::StaticClassInfo(),
                   &TChartShape::StaticClassInfo()});
  RegisterExtendedSeriesGallery();
}

void RegisterExtendedSeriesGallery() {
  AddSeriesGalleryEntry(TChartShape::StaticClassInfo(), kGalleryShape);
  AddSeriesGalleryEntry(TGanttSeries::StaticClassInfo(), kGalleryGantt, kGalleryStandard, 1);
  AddSeriesGalleryEntry(TArrowSeries::StaticClassInfo(), kGalleryArrow, kGalleryExtended);
  AddSeriesGalleryEntry(TBubbleSeries::StaticClassInfo(), kGalleryBubble, kGalleryStandard, 1);
  AddSeriesGalleryEntry(TCandleSeries::StaticClassInfo(), kGalleryCandle, kGalleryFinancial, 1);
  AddSeriesGalleryEntry(TVolumeSeries::StaticClassInfo(), kGalleryVolume, kGalleryFinancial, 1);
}

}  // namespace kel
