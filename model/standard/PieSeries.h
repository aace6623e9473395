// The pie: a circled series that drops its grouped "other" slice before it
// writes its points.
#pragma once

#include <cstdint>
#include <memory>

#include "model/standard/CircledSeries.h"
#include "model/standard/FramedBorder.h"
#include "model/standard/PieBevel.h"
#include "model/standard/PieMarks.h"
#include "model/standard/PieOtherSlice.h"
#include "model/standard/SliceValueList.h"

namespace kel {

KEL_ENUM(TEdgeStyle, edFlat, edCurved, edNone)
KEL_ENUM(TMultiPie, mpAutomatic, mpDisabled, mpConcentric)

class TPieSeries : public TCircledSeries {
  KEL_CLASS(TPieSeries, TCircledSeries)

 public:
  explicit TPieSeries(TComponent* owner);
  ~TPieSeries() override;

  // The X value of the slice that groups the small ones.
  static constexpr double kOtherSliceX = 2147483647.0;

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
  int32_t FAngleSize = kFullCircle;
  int32_t FBevelPercent = 0;
  bool FDark3D = true;
  int32_t FDarkPen = 0;
  TEdgeStyle FEdgeStyle = edNone;
  int32_t FExplodeBiggest = 0;
  int32_t FGradientBright = 0;
  TMultiPie FMultiPie = mpAutomatic;
  bool FUsePatterns = false;
  std::unique_ptr<TPieBevel> FBevel;
  std::unique_ptr<TPieOtherSlice> FOtherSlice;
  std::unique_ptr<TPieMarks> FPieMarks;
  std::unique_ptr<TFramedBorder> FFrame;
};

}  // namespace kel
