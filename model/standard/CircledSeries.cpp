#include "model/standard/CircledSeries.h"

#include "model/series/ChartValueList.h"
#include "model/series/SeriesSharing.h"

namespace kel {

// Declared for the pie to publish.
using C = TCircledSeries;
KEL_PROPERTIES(
    TCircledSeries,
    Declared(Property(u"Circled", &C::Circled, &C::SetCircled).Default(true)),
    Declared(Property(u"CustomXRadius", &C::CustomXRadius, &C::SetCustomXRadius).Default(0)),
    Declared(Property(u"CustomYRadius", &C::CustomYRadius, &C::SetCustomYRadius).Default(0)),
    Declared(Property(u"UniqueCustomRadius", &C::UniqueCustomRadius, &C::SetUniqueCustomRadius)
                 .Default(true)),
    Declared(Property(u"Emboss", &C::Emboss, &C::SetEmboss)),
    Declared(Property(u"Shadow", &C::Shadow, &C::SetShadow)),
    Declared(Property(u"CircleBackColor", &C::FCircleBackColor, &C::FCircleBackColor)
                 .Default(clDefault)),
    Declared(Property(u"RotationAngle", &C::RotationAngle, &C::SetRotationAngle).Default(0)))

TCircledSeries::TCircledSeries(TComponent* owner)
    : TChartSeries(owner),
      FEmboss(std::make_unique<TCircledEmboss>([this] { Repaint(); })),
      FShadow(std::make_unique<TCircledShadow>([this] { Repaint(); })) {
  XValues()->SetName(u"Angle");
}

TCircledSeries::~TCircledSeries() = default;

void TCircledSeries::ForEachRelated(const std::function<void(TCircledSeries&)>& apply) {
  ForEachSeriesOfChart(*this, [this, &apply](TChartSeries& other) {
    auto* circled = dynamic_cast<TCircledSeries*>(&other);
    if (circled != nullptr && IsOfOwnOrAncestorClass(*this, other)) apply(*circled);
  });
}

void TCircledSeries::SetCircled(bool value) {
  const bool changed = FCircled != value;
  FCircled = value;
  ForEachRelated([value](TCircledSeries& series) {
    series.FCircled = value;
    if (!series.ComponentState().Contains(csLoading)) {
      series.FCustomXRadius = 0;
      series.FCustomYRadius = 0;
    }
  });
  if (changed) Repaint();
}

void TCircledSeries::SetUniqueCustomRadius(bool value) {
  FUniqueCustomRadius = value;
  ForEachRelated([value](TCircledSeries& series) { series.FUniqueCustomRadius = value; });
}

void TCircledSeries::SetCustomXRadius(int32_t value) {
  FCustomXRadius = value;
  if (FUniqueCustomRadius) {
    ForEachRelated([value](TCircledSeries& series) { series.FCustomXRadius = value; });
  }
  Repaint();
}

void TCircledSeries::SetCustomYRadius(int32_t value) {
  FCustomYRadius = value;
  if (FUniqueCustomRadius) {
    ForEachRelated([value](TCircledSeries& series) { series.FCustomYRadius = value; });
  }
  Repaint();
}

void TCircledSeries::SetRotationAngle(int32_t value) {
  FRotationAngle = value % kFullCircle;
  Repaint();
}

}  // namespace kel
