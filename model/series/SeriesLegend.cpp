#include "model/series/SeriesLegend.h"

#include "model/attributes/BackImage.h"

namespace kel {

using G = TSeriesLegend;
KEL_PROPERTIES(
    TSeriesLegend,
    Property(u"Picture", &G::Picture, &G::SetPicture).Stored(&G::HasPicture),
    Property(u"Text", &G::Text, &G::SetText),
    Property(u"Visible", &G::Visible, &G::SetVisible).NoDefault().Stored(&G::IsVisibleStored))

}  // namespace kel
