// Helpers of the tools that own other tools as parts of themselves (sub-tools
// written as nested objects inside the owning tool's record).
#pragma once

#include <memory>

#include "persist/Component.h"

namespace kel {

class TAnnotationTool;
class TCustomAxisPanel;

// The annotation a tool shows its value on an axis with: hidden, without a
// shadow, its text centred.
std::unique_ptr<TAnnotationTool> NewAxisAnnotation();

// The component the tool owns at position, when it is a Sub: the nested
// object read back in that place.
template <class Sub>
Sub* OwnedSubTool(const TComponent& tool, int position) {
  if (position >= tool.ComponentCount()) return nullptr;
  return dynamic_cast<Sub*>(tool.Components(position));
}

// Takes sub out of the tool's owned components: the tool then holds it as
// the sub-tool it replaces.
template <class Sub>
std::unique_ptr<Sub> TakeSubTool(TComponent& tool, Sub* sub) {
  tool.RemoveComponent(sub).release();
  return std::unique_ptr<Sub>(sub);
}

}  // namespace kel
