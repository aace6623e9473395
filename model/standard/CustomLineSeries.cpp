#include "model/standard/CustomLineSeries.h"

#include "model/attributes/Pen.h"

namespace kel {

// Declared for the line, point, area and fast line series to publish.
using L = TCustomLineSeries;
KEL_PROPERTIES(
    TCustomLineSeries,
    Declared(Property(u"ClickTolerance", &L::FClickTolerance, &L::FClickTolerance).Default(0)),
    Declared(Property(u"InvertedStairs", &L::FInvertedStairs, &L::FInvertedStairs).Default(false)),
    Declared(Property(u"LinePen", &L::LinePen, &L::SetLinePen)),
    Declared(Property(u"Stairs", &L::FStairs, &L::FStairs).Default(false)),
    Declared(Property(u"TreatNulls", &L::FTreatNulls, &L::FTreatNulls).Default(tnDontPaint)))

}  // namespace kel
