#include "model/tools/GridBandTool.h"

namespace kel {

using B = TGridBandBrush;
// Color, Style, BackColor, Gradient and Image are the brush's.
KEL_PROPERTIES(TGridBandBrush,
               Property(u"Transparency", &B::Transparency, &B::SetTransparency).Default(0))

void TGridBandBrush::Assign(const TPersistent* source) {
  if (const auto* brush = dynamic_cast<const TGridBandBrush*>(source)) {
    FTransparency = brush->FTransparency;
  }
  inherited::Assign(source);
}

using G = TGridBandTool;
// "Axis" is not published: "AxisID" carries the axis.
KEL_PROPERTIES(TGridBandTool,
               Published({u"Active"}),
               Property(u"Band1", &G::Band1, &G::SetBand1),
               Property(u"Band2", &G::Band2, &G::SetBand2))

TGridBandTool::TGridBandTool(TComponent* owner)
    : TKelCustomToolAxis(owner),
      FBand1(std::make_unique<TGridBandBrush>([this] { Repaint(); })),
      FBand2(std::make_unique<TGridBandBrush>([this] { Repaint(); })) {
  FBand2->SetColor(clWhite);
}

TGridBandTool::~TGridBandTool() = default;

void TGridBandTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TGridBandTool*>(source)) {
    FBand1->Assign(tool->FBand1.get());
    FBand2->Assign(tool->FBand2.get());
  }
  inherited::Assign(source);
}

std::u16string TGridBandTool::Description() const {
  return u"Grid Band";
}

std::u16string TGridBandTool::LongDescription() const {
  return u"Grid Band tool, use it to display a coloured rectangles (bands) at the grid lines of "
         u"the specified axis and position.";
}

}  // namespace kel
