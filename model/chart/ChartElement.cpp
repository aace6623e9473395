#include "model/chart/ChartElement.h"

#include "model/attributes/Brush.h"
#include "model/attributes/Pen.h"
#include "model/chart/AxisPanel.h"

namespace kel {

KEL_PROPERTIES(TCustomChartElement,
               Property(u"ShowInEditor",
                        &TCustomChartElement::ShowInEditor,
                        &TCustomChartElement::SetShowInEditor)
                   .Default(true))

TCustomChartElement::TCustomChartElement(TComponent* owner)
    : TComponent(owner),
      FBrush(std::make_unique<TKelBrush>([this] { Repaint(); })),
      FPen(std::make_unique<TKelPen>([this] { Repaint(); })) {}

TCustomChartElement::~TCustomChartElement() = default;

void TCustomChartElement::SetActive(bool value) {
  if (FActive == value) return;
  FActive = value;
  Repaint();
}

void TCustomChartElement::SetBrush(TKelBrush* value) {
  FBrush->Assign(value);
}

void TCustomChartElement::SetPen(TKelPen* value) {
  FPen->Assign(value);
}

void TCustomChartElement::SetParentChart(TCustomAxisPanel* value) {
  FParent = value;
}

void TCustomChartElement::Repaint() {
  if (FParent != nullptr) FParent->Invalidate();
}

}  // namespace kel
