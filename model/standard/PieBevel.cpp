#include "model/standard/PieBevel.h"

#include "persist/ClassDeclaration.h"

namespace kel {

using V = TPieBevel;
KEL_PROPERTIES(TPieBevel,
               Property(u"Bright", &V::FBright, &V::FBright).Default(32),
               Property(u"Percent", &V::FPercent, &V::FPercent).Default(0),
               Property(u"UseBorder", &V::FUseBorder, &V::FUseBorder).Default(true))

void TPieBevel::Assign(const TPersistent* source) {
  if (const auto* bevel = dynamic_cast<const TPieBevel*>(source)) {
    FBright = bevel->FBright;
    FPercent = bevel->FPercent;
    FUseBorder = bevel->FUseBorder;
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
