#include "model/standard/PieMarks.h"

#include "persist/ClassDeclaration.h"

namespace kel {

using M = TPieMarks;
KEL_PROPERTIES(TPieMarks,
               Property(u"EmptySlice", &M::FEmptySlice, &M::FEmptySlice).Default(false),
               Property(u"InsideSlice", &M::FInsideSlice, &M::FInsideSlice).Default(false),
               Property(u"Rotated", &M::FRotated, &M::FRotated).Default(false),
               Property(u"VertCenter", &M::FVertCenter, &M::FVertCenter).Default(false),
               Property(u"LegSize", &M::FLegSize, &M::FLegSize).Default(0))

void TPieMarks::Assign(const TPersistent* source) {
  if (const auto* marks = dynamic_cast<const TPieMarks*>(source)) {
    FEmptySlice = marks->FEmptySlice;
    FInsideSlice = marks->FInsideSlice;
    FRotated = marks->FRotated;
    FVertCenter = marks->FVertCenter;
    FLegSize = marks->FLegSize;
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
