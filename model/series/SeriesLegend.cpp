#include "model/series/SeriesLegend.h"

#include "model/attributes/BackImage.h"

namespace kel {

using G = TSeriesLegend;
KEL_PROPERTIES(TSeriesLegend,
               Published({u"Picture"}),
               Property(u"Text", &G::Text, &G::SetText),
               Published({u"Visible"}))

}  // namespace kel
