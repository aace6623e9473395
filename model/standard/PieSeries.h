// The circled series base and the pie. Circled series of one class in a chart
// share their circle settings; the pie drops its grouped "other" slice before
// it writes its points.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "model/series/ChartSeries.h"
#include "model/standard/PieParts.h"

namespace kel {

KEL_ENUM(TEdgeStyle, edFlat, edCurved, edNone)
KEL_ENUM(TMultiPie, mpAutomatic, mpDisabled, mpConcentric)

class TCircledSeries : public TChartSeries {
  KEL_CLASS(TCircledSeries, TChartSeries)

 public:
  explicit TCircledSeries(TComponent* owner);
  ~TCircledSeries() override;

  TColor FCircleBackColor = clDefault;

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

  bool FCircled = true;
  bool FUniqueCustomRadius = true;
  int32_t FCustomXRadius = 0;
  int32_t FCustomYRadius = 0;
  int32_t FRotationAngle = 0;
  std::unique_ptr<TCircledEmboss> FEmboss;
  std::unique_ptr<TCircledShadow> FShadow;
};

class TPieSeries : public TCircledSeries {
  KEL_CLASS(TPieSeries, TCircledSeries)

 public:
  explicit TPieSeries(TComponent* owner);
  ~TPieSeries() override;

  // The X value of the slice that groups the small ones.
  static constexpr double kOtherSliceX = 2147483647.0;

  int32_t FAngleSize = 360;
  int32_t FBevelPercent = 0;
  bool FDark3D = true;
  int32_t FDarkPen = 0;
  TEdgeStyle FEdgeStyle = edNone;
  int32_t FExplodeBiggest = 0;
  int32_t FGradientBright = 0;
  TMultiPie FMultiPie = mpAutomatic;
  bool FUsePatterns = false;
  TSliceValueList ExplodedSlice;
  TSliceValueList SliceHeight;

  // The marks' AutoPosition.
  bool AutoMarkPosition() const;
  void SetAutoMarkPosition(bool value);
  TPieBevel* Bevel() const { return FBevel.get(); }
  void SetBevel(TPieBevel* value) { FBevel->Assign(value); }
  TPieOtherSlice* OtherSlice() const { return FOtherSlice.get(); }
  void SetOtherSlice(TPieOtherSlice* value) { FOtherSlice->Assign(value); }
  TPieMarks* PieMarks() const { return FPieMarks.get(); }
  void SetPieMarks(TPieMarks* value) { FPieMarks->Assign(value); }
  // The element brush's gradient.
  TKelGradient* Gradient() const;
  void SetGradient(TKelGradient* value);
  // Created on first access, as a circular frame; written only once it exists.
  TFramedBorder* Frame();
  void SetFrame(TFramedBorder* value);
  bool HasFrame() const { return FFrame != nullptr; }

  // Deletes the "other" slice a drawing added, then writes the points.
  void WriteSeriesData(TStream& stream) override;

 private:
  std::unique_ptr<TPieBevel> FBevel;
  std::unique_ptr<TPieOtherSlice> FOtherSlice;
  std::unique_ptr<TPieMarks> FPieMarks;
  std::unique_ptr<TFramedBorder> FFrame;
};

// Registers the pie series by name.
void RegisterPieSeriesClasses();

}  // namespace kel
