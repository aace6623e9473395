#include "model/titles/ChartTitle.h"

#include "model/attributes/Font.h"

namespace kel {

KEL_PROPERTIES(
    TChartTitle,
    Redeclared(u"Alignment").Default(taCenter),
    Redeclared(u"Transparent").Default(true),
    Property(u"AdjustFrame", &TChartTitle::AdjustFrame, &TChartTitle::SetAdjustFrame).Default(true),
    Property(u"VertMargin", &TChartTitle::VertMargin, &TChartTitle::SetVertMargin).Default(5))

TChartTitle::TChartTitle(TCustomKelPanel* parent) : TStringsShape(parent) {
  SetAlignment(taCenter);
  SetDefaultTextAlign(taCenter);
  PrepareTransparent(true);
  Font()->AssignDefaultColor(clBlue);
}

void TChartTitle::Assign(const TPersistent* source) {
  if (const auto* title = dynamic_cast<const TChartTitle*>(source)) {
    FAdjustFrame = title->FAdjustFrame;
    FVertMargin = title->FVertMargin;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(TChartFootTitle)

TChartFootTitle::TChartFootTitle(TCustomKelPanel* parent) : TChartTitle(parent) {
  FOnTop = false;
  Font()->AssignDefaultColor(clRed);
  Font()->AssignDefaultStyle({fsItalic});
}

}  // namespace kel
