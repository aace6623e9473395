#include "model/titles/ChartPage.h"

#include <algorithm>

#include "model/base/ChartLink.h"
#include "persist/Exceptions.h"

namespace kel {

KEL_PROPERTIES(
    TChartPage,
    Property(u"AutoScale", &TChartPage::FAutoScale, &TChartPage::FAutoScale).Default(false),
    Property(u"Current", &TChartPage::Current, &TChartPage::SetCurrent).Default(1),
    Property(u"MaxPointsPerPage", &TChartPage::MaxPointsPerPage, &TChartPage::SetMaxPointsPerPage)
        .Default(0),
    Property(u"ScaleLastPage", &TChartPage::FScaleLastPage, &TChartPage::FScaleLastPage)
        .Default(true))

int32_t TChartPage::Count() const {
  if (FPointsPerPage <= 0 || FChart == nullptr || FChart->SeriesCount() == 0) return 1;
  // A series without points still shows one (empty) page.
  return std::max(FChart->PageCountFor(FPointsPerPage), 1);
}

void TChartPage::SetCurrent(int32_t value) {
  const int32_t clamped = std::max(std::min(value, Count()), 1);
  if (clamped == FCurrent) return;
  FCurrent = clamped;
  if (FChart != nullptr) FChart->PageChanged();
}

void TChartPage::SetMaxPointsPerPage(int32_t value) {
  if (value < 0) throw EPropertyError("MaxPointsPerPage must be >= 0");
  if (value == FPointsPerPage) return;
  FPointsPerPage = value;
  FCurrent = std::min(FCurrent, Count());
  if (FChart != nullptr) FChart->PageChanged();
}

void TChartPage::Assign(const TPersistent* source) {
  if (const auto* page = dynamic_cast<const TChartPage*>(source)) {
    FAutoScale = page->FAutoScale;
    FCurrent = page->FCurrent;
    FPointsPerPage = page->FPointsPerPage;
    FScaleLastPage = page->FScaleLastPage;
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
