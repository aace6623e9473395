#include "model/titles/LegendTitle.h"

#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Shadow.h"

namespace kel {

KEL_PROPERTIES(TLegendTitle, Redeclared(u"Visible").Default(true))

TLegendTitle::TLegendTitle(TCustomKelPanel* parent) : TStringsShape(parent) {
  PrepareTransparent(true);
  Font()->AssignDefaultStyle({fsBold});
  PrepareShadow(*Shadow());
}

void TLegendTitle::PrepareShadow(TKelShadow& shadow) {
  shadow.AssignShadowDefaults(shadow.Visible(), clSilver, 2);
}

void TLegendTitle::PrepareEmboss(TKelEmboss& emboss) {
  emboss.AssignShadowDefaults(emboss.Visible(), clSilver, 2);
}

}  // namespace kel
