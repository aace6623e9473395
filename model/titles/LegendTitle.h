// The title of the chart's legend.
#pragma once

#include "model/titles/StringsShape.h"

namespace kel {

// The legend's title: transparent, bold, with a small silver shadow.
class TLegendTitle : public TStringsShape {
  KEL_CLASS(TLegendTitle, TStringsShape)

 public:
  explicit TLegendTitle(TCustomKelPanel* parent);

  void PrepareShadow(TKelShadow& shadow) override;
  void PrepareEmboss(TKelEmboss& emboss) override;
};

}  // namespace kel
