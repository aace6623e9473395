#include "model/series/MarksCallout.h"

namespace kel {

KEL_PROPERTIES(TMarksCallout,
               Property(u"Length", &TMarksCallout::Length, &TMarksCallout::SetLength)
                   .NoDefault()
                   .StoredUnlessEqual(&TMarksCallout::DefaultLength))

TMarksCallout::TMarksCallout(TChartSeries* series) : TCallout(series) {
  FVisible = false;
  DefaultVisible = false;
}

void TMarksCallout::Assign(const TPersistent* source) {
  if (const auto* callout = dynamic_cast<const TMarksCallout*>(source)) {
    FLength = callout->FLength;
  }
  inherited::Assign(source);
}

}  // namespace kel
