#include "model/tools/FullScreenTool.h"

namespace kel {

using F = TFullScreenTool;
KEL_PROPERTIES(TFullScreenTool,
               Redeclared(u"Active").Default(false),
               Property(u"ReleaseKey", &F::ReleaseKey, &F::ReleaseKey).Default(F::kEscapeKey),
               Property(u"OnReset", &F::OnReset, &F::OnReset))

TFullScreenTool::TFullScreenTool(TComponent* owner) : TKelCustomTool(owner) {
  SetActive(false);
}

void TFullScreenTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TFullScreenTool*>(source)) {
    ReleaseKey = tool->ReleaseKey;
  }
  inherited::Assign(source);
}

std::u16string TFullScreenTool::Description() const {
  return u"Full Screen";
}

std::u16string TFullScreenTool::LongDescription() const {
  return u"Show Chart maximized to full screen";
}

}  // namespace kel
