#include "model/tools/RotateTool.h"

#include "model/attributes/Pen.h"

namespace kel {

namespace {

// The rotate tool's constructor sets the pen's mode and colour away from
// their table defaults, so they are always written: a value set back to the
// table default survives reloading.
class TRotatePen : public TKelPen {
  KEL_CLASS(TRotatePen, TKelPen)

 public:
  using TKelPen::TKelPen;
};

}  // namespace

KEL_PROPERTIES(TRotatePen, Redeclared(u"Color").NoDefault(), Redeclared(u"Mode").NoDefault())

using R = TRotateTool;
KEL_PROPERTIES(TRotateTool,
               Published({u"Active"}),
               Property(u"Button", &R::Button, &R::Button).Default(mbLeft),
               Property(u"Cursor", &R::Cursor, &R::Cursor).Default(crHandPoint),
               Property(u"Inertia", &R::Inertia, &R::Inertia).Default(0),
               Property(u"Inverted", &R::Inverted, &R::Inverted).Default(false),
               Published({u"Pen"}),
               Property(u"Speed", &R::Speed, &R::Speed).Default(50),
               Property(u"Style", &R::Style, &R::Style).Default(rsAll),
               Property(u"OnRotate", &R::OnRotate, &R::OnRotate))

TRotateTool::TRotateTool(TComponent* owner) : TKelCustomTool(owner) {
  ReplacePen<TRotatePen>();
  TKelPen* pen = Pen();
  pen->SetVisible(false);
  pen->DefaultVisible = false;
  pen->SetMode(pmXor);
  pen->SetColor(clWhite);
}

void TRotateTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TRotateTool*>(source)) {
    Button = tool->Button;
    Cursor = tool->Cursor;
    Inertia = tool->Inertia;
    Inverted = tool->Inverted;
    Speed = tool->Speed;
    Style = tool->Style;
  }
  inherited::Assign(source);
}

std::u16string TRotateTool::Description() const {
  return u"Rotate";
}

std::u16string TRotateTool::LongDescription() const {
  return u"Allows rotating Chart dragging with mouse button.";
}

}  // namespace kel
