#include "model/axes/AxisLabelsFormat.h"

namespace kel {

using F = TAxisLabelsFormat;

KEL_PROPERTIES(
    TAxisLabelsFormat,
    Published({
        u"Bevel",
        u"BevelWidth",
        u"Brush",
        u"Children",
        u"ChildLayout",
        u"Emboss",
        u"Font",
        u"Frame",
        u"Gradient",
        u"Picture",
        u"RoundSize",
        u"Shadow",
        u"ShapeStyle",
        u"Transparency",
        u"Transparent",
    }),
    Redeclared(u"Visible").Default(true).StoredUnlessEqual(&F::DefaultVisible),
    Published({
        u"ClipText",
        u"Cursor",
        u"Margins",
    }),
    Redeclared(u"TextAlignment").Default(taCenter).StoredUnlessEqual(&F::IDefaultTextAlign),
    Published({
        u"TextFormat",
        u"VertTextAlign",
    }))

TAxisLabelsFormat::TAxisLabelsFormat(TCustomKelPanel* parent) : TCustomTextShape(parent) {
  // The plain setter: the alignment written against stays taLeftJustify.
  SetTextAlignment(taCenter);
  PrepareTransparent(true);
}

}  // namespace kel
