// The grid band tool: alternating coloured bands between the grid lines of
// an axis.
#pragma once

#include <memory>
#include <string>

#include "model/attributes/Brush.h"
#include "model/attributes/Transparency.h"
#include "model/tools/KelCustomToolAxis.h"

namespace kel {

class TGridBandBrush : public TKelBrush {
  KEL_CLASS(TGridBandBrush, TKelBrush)

 public:
  explicit TGridBandBrush(TNotifyEvent onChange = {}) : TKelBrush(std::move(onChange)) {}

  TKelTransparency Transparency() const { return FTransparency; }
  void SetTransparency(TKelTransparency value) { SetAndNotify(FTransparency, value); }

  void Assign(const TPersistent* source) override;

 private:
  TKelTransparency FTransparency = 0;
};

class TGridBandTool : public TKelCustomToolAxis {
  KEL_CLASS(TGridBandTool, TKelCustomToolAxis)

 public:
  explicit TGridBandTool(TComponent* owner);
  ~TGridBandTool() override;

  TGridBandBrush* Band1() const { return FBand1.get(); }
  void SetBand1(TGridBandBrush* value) { FBand1->Assign(value); }
  TGridBandBrush* Band2() const { return FBand2.get(); }
  void SetBand2(TGridBandBrush* value) { FBand2->Assign(value); }

  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;

 private:
  std::unique_ptr<TGridBandBrush> FBand1;
  std::unique_ptr<TGridBandBrush> FBand2;
};

}  // namespace kel
