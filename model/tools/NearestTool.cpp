#include "model/tools/NearestTool.h"

#include "model/attributes/Brush.h"
#include "model/attributes/Pen.h"

namespace kel {

namespace {

constexpr int32_t kNearestPenWidth = 3;

// The nearest tool's constructor sets the brush style and the pen's style and
// colour away from their table defaults. Every value then differs from the
// table default or from the constructor's, so these are always written: a
// value set back to the table default survives reloading.
class TNearestBrush : public TKelBrush {
  KEL_CLASS(TNearestBrush, TKelBrush)

 public:
  using TKelBrush::TKelBrush;
};

class TNearestPen : public TKelPen {
  KEL_CLASS(TNearestPen, TKelPen)

 public:
  using TKelPen::TKelPen;
};

}  // namespace

KEL_PROPERTIES(TNearestBrush, Redeclared(u"Style").NoDefault())
KEL_PROPERTIES(TNearestPen, Redeclared(u"Color").NoDefault(), Redeclared(u"Style").NoDefault())

using N = TNearestTool;
KEL_PROPERTIES(TNearestTool,
               Published({u"Active", u"Brush"}),
               Property(u"Distance", &N::Distance, &N::Distance).Default(0),
               Property(u"DrawLine", &N::DrawLine, &N::SetDrawLine).Default(true),
               Property(u"FullRepaint", &N::FullRepaint, &N::FullRepaint).Default(true),
               Property(u"Hint", &N::Hint, &N::Hint).Default(false),
               Property(u"HintStyle", &N::HintStyle, &N::HintStyle).Default(smsLabelValue),
               Property(u"LinePen", &N::LinePen, &N::SetLinePen),
               Published({u"Pen", u"Series"}),
               Property(u"Size", &N::Size, &N::Size).Default(20),
               Property(u"Style", &N::Style, &N::Style).Default(hsCircle),
               Property(u"OnChange", &N::OnChange, &N::OnChange),
               Property(u"OnGetHint", &N::OnGetHint, &N::OnGetHint))

TNearestTool::TNearestTool(TComponent* owner)
    : TKelCustomToolSeries(owner), FLinePen(std::make_unique<TKelPen>([this] { Repaint(); })) {
  ReplaceBrush<TNearestBrush>();
  ReplacePen<TNearestPen>();
  Brush()->SetStyle(bsClear);
  TKelPen* pen = Pen();
  pen->SetStyle(psDot);
  pen->SetColor(clWhite);
  pen->SetWidth(kNearestPenWidth);
  pen->DefaultWidth = kNearestPenWidth;
}

TNearestTool::~TNearestTool() = default;

bool TNearestTool::DrawLine() const {
  return FLinePen->Visible();
}

void TNearestTool::SetDrawLine(bool value) {
  FLinePen->SetVisible(value);
}

void TNearestTool::SetLinePen(TKelPen* value) {
  FLinePen->Assign(value);
}

void TNearestTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TNearestTool*>(source)) {
    FLinePen->Assign(tool->FLinePen.get());
    Distance = tool->Distance;
    FullRepaint = tool->FullRepaint;
    Hint = tool->Hint;
    HintStyle = tool->HintStyle;
    Size = tool->Size;
    Style = tool->Style;
  }
  inherited::Assign(source);
}

std::u16string TNearestTool::Description() const {
  return u"Nearest Point";
}

std::u16string TNearestTool::LongDescription() const {
  return u"Displays a graphical signal when the mouse is moving near a series point.";
}

}  // namespace kel
