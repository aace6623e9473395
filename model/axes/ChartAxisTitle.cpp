#include "model/axes/ChartAxisTitle.h"

namespace kel {

using T = TChartAxisTitle;

KEL_PROPERTIES(
    TChartAxisTitle,
    Property(u"Angle", &T::Angle, &T::SetAngle).NoDefault().StoredUnlessEqual(&T::IDefaultAngle),
    Property(u"Caption", &T::Caption, &T::SetCaption),
    Published({u"Font"}),
    Property(u"Position", &T::Position, &T::SetPosition).Default(tpCenter),
    Redeclared(u"TextAlignment").Default(taCenter).StoredUnlessEqual(&T::IDefaultTextAlign),
    Redeclared(u"Visible").Default(true).StoredUnlessEqual(&T::DefaultVisible),
    Published({
        u"Bevel",
        u"BevelWidth",
        u"Brush",
        u"Children",
        u"ChildLayout",
        u"Color",
        u"Gradient",
        u"Picture",
        u"Emboss",
        u"Pen",
        u"RoundSize",
        u"Shadow",
        u"ShapeCallout",
        u"ShapeStyle",
        u"Transparency",
    }),
    Redeclared(u"Transparent").Default(true).StoredUnlessEqual(&T::DefaultTransparent))

TChartAxisTitle::TChartAxisTitle(TCustomKelPanel* parent, int32_t defaultAngle)
    : TCustomTextShape(parent), IDefaultAngle(defaultAngle) {
  // The plain setter: the alignment written against stays taLeftJustify.
  SetTextAlignment(taCenter);
  PrepareTransparent(true);
  TKelCustomShape::SetAngle(defaultAngle);
}

void TChartAxisTitle::SetAngle(int32_t value) {
  TKelCustomShape::SetAngle(value % 360);
}

std::u16string TChartAxisTitle::Caption() const {
  const std::u16string& text = Text();
  return text.substr(0, text.find(u'\r'));
}

void TChartAxisTitle::SetCaption(std::u16string value) {
  SetText(value);
}

void TChartAxisTitle::Assign(const TPersistent* source) {
  if (const auto* title = dynamic_cast<const TChartAxisTitle*>(source)) {
    FPosition = title->FPosition;
  }
  inherited::Assign(source);
}

}  // namespace kel
