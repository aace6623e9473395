#include "model/titles/TextShape.h"

namespace kel {

KEL_PROPERTIES(
    TTextShape,
    Published({
        u"Alignment",      u"Angle",       u"Bevel",         u"BevelWidth", u"Brush",
        u"Children",       u"ChildLayout", u"ClipText",      u"Color",      u"Cursor",
        u"CustomPosition", u"Emboss",      u"Font",          u"Frame",      u"Gradient",
        u"Left",           u"Margins",     u"Picture",       u"Shadow",     u"ShapeCallout",
        u"ShapeStyle",     u"Text",        u"TextAlignment", u"TextFormat", u"Top",
        u"Transparency",   u"Transparent", u"VertTextAlign", u"Visible",
    }))

}  // namespace kel
