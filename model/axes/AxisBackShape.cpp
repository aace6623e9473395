#include "model/axes/AxisBackShape.h"

#include "model/attributes/Shadow.h"

namespace kel {

KEL_PROPERTIES(TAxisBackShape,
               Redeclared(u"Visible").Default(false),
               Property(u"Transparency",
                        &TAxisBackShape::Transparency,
                        &TAxisBackShape::SetTransparency)
                   .Default(0))

TAxisBackShape::TAxisBackShape(TCustomKelPanel* parent) : TKelShape(parent) {
  FVisible = false;
  DefaultVisible = false;
  Shadow()->SetVisible(false);
  Shadow()->DefaultVisible = false;
  SetDraw3D(true);
}

}  // namespace kel
