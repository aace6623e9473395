// The base of the series drawn as circles. Circled series of one class in a
// chart share their circle settings.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "model/series/ChartSeries.h"
#include "model/standard/CircledShadow.h"

namespace kel {

class TCircledSeries : public TChartSeries {
  KEL_CLASS(TCircledSeries, TChartSeries)

 public:
  explicit TCircledSeries(TComponent* owner);
  ~TCircledSeries() override;

  // The degrees of a whole turn.
  static constexpr int32_t kFullCircle = 360;

  // Copied into every series of the chart whose class is this one's or an
  // ancestor of it; Circled also resets the radii of those not loading.
  bool Circled() const { return FCircled; }
  void SetCircled(bool value);
  bool UniqueCustomRadius() const { return FUniqueCustomRadius; }
  void SetUniqueCustomRadius(bool value);
  // With UniqueCustomRadius, copied like the settings above.
  int32_t CustomXRadius() const { return FCustomXRadius; }
  void SetCustomXRadius(int32_t value);
  int32_t CustomYRadius() const { return FCustomYRadius; }
  void SetCustomYRadius(int32_t value);

  // Whole value turns, keeping the sign: -370 is kept as -10.
  int32_t RotationAngle() const { return FRotationAngle; }
  void SetRotationAngle(int32_t value);

  TCircledEmboss* Emboss() const { return FEmboss.get(); }
  void SetEmboss(TCircledEmboss* value) { FEmboss->Assign(value); }
  TCircledShadow* Shadow() const { return FShadow.get(); }
  void SetShadow(TCircledShadow* value) { FShadow->Assign(value); }

 private:
  // Calls apply for each series of the chart of this class or an ancestor.
  void ForEachRelated(const std::function<void(TCircledSeries&)>& apply);

  TColor FCircleBackColor = clDefault;
  bool FCircled = true;
  bool FUniqueCustomRadius = true;
  int32_t FCustomXRadius = 0;
  int32_t FCustomYRadius = 0;
  int32_t FRotationAngle = 0;
  std::unique_ptr<TCircledEmboss> FEmboss;
  std::unique_ptr<TCircledShadow> FShadow;
};

}  // namespace kel
