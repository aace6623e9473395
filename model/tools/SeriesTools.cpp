#include "model/tools/SeriesTools.h"

namespace kel {

using D = TDragMarksTool;
KEL_PROPERTIES(TDragMarksTool,
               Published({u"Active", u"Series"}),
               Property(u"OnDraggedMark", &D::OnDraggedMark, &D::OnDraggedMark),
               Property(u"OnDraggingMark", &D::OnDraggingMark, &D::OnDraggingMark))

KEL_PROPERTIES(TClipSeriesTool, Published({u"Active", u"Series"}))

std::u16string TDragMarksTool::Description() const {
  return u"Drag Marks";
}

std::u16string TDragMarksTool::LongDescription() const {
  return u"Moves Series marks when dragging them with mouse.";
}

std::u16string TClipSeriesTool::Description() const {
  return u"Clip Series";
}

std::u16string TClipSeriesTool::LongDescription() const {
  return u"Restricts Series painting outside Series associated axes boundaries.";
}

}  // namespace kel
