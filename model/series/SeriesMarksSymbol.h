// The symbol drawn beside the text of series marks; hidden unless switched on.
#pragma once

#include "model/attributes/CustomShape.h"

namespace kel {

class TSeriesMarksSymbol : public TKelCustomShape {
  KEL_CLASS(TSeriesMarksSymbol, TKelCustomShape)

 public:
  explicit TSeriesMarksSymbol(TCustomKelPanel* parent);
  void SetParentChart(TCustomKelPanel* chart) { FParent = chart; }

  void PrepareShadow(TKelShadow& shadow) override;
  void PrepareEmboss(TKelEmboss& emboss) override;
};

}  // namespace kel
