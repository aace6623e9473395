#include "model/tools/SeriesTools.h"

namespace kel {

using D = TDragMarksTool;
KEL_PROPERTIES(TDragMarksTool,
               Published({u"Active", u"Series"}),
               Property(u"OnDraggedMark", &D::OnDraggedMark, &D::OnDraggedMark),
               Property(u"OnDraggingMark", &D::OnDraggingMark, &D::OnDraggingMark))

KEL_PROPERTIES(TClipSeriesTool, Published({u"Active", u"Series"}))

}  // namespace kel
