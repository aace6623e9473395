#include "model/tools/KelCustomTool.h"

#include "model/attributes/Brush.h"
#include "model/attributes/Pen.h"
#include "model/chart/AxisPanel.h"

namespace kel {

using T = TKelCustomTool;
KEL_PROPERTIES(TKelCustomTool,
               Declared(Property(u"Active", &T::Active, &T::SetActive).Default(true)),
               Declared(Property(u"Brush", &T::Brush, &T::SetBrush)),
               Declared(Property(u"Pen", &T::Pen, &T::SetPen)))

TKelCustomTool::TKelCustomTool(TComponent* owner) : TCustomChartElement(owner) {}

TKelCustomTool::~TKelCustomTool() {
  if (FParent != nullptr) FParent->RemoveTool(this);
}

void TKelCustomTool::AttachToChart(TCustomAxisPanel* chart) {
  if (chart == FParent) return;
  if (TCustomAxisPanel* old = FParent) {
    old->RemoveTool(this);
    if (chart == nullptr) old->Invalidate();
  }
  SetParentChart(chart);
  if (chart != nullptr) chart->AddTool(this);
}

void TKelCustomTool::SetParentComponent(TComponent* parent) {
  if (auto* chart = dynamic_cast<TCustomAxisPanel*>(parent)) AttachToChart(chart);
}

TComponent* TKelCustomTool::GetParentComponent() const {
  return FParent;
}

void TKelCustomTool::Assign(const TPersistent* source) {
  if (const auto* element = dynamic_cast<const TCustomChartElement*>(source)) {
    SetActive(element->Active());
    SetBrush(element->Brush());
    SetPen(element->Pen());
    SetShowInEditor(element->ShowInEditor());
    return;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(TKelCustomAnimation)

TKelCustomAnimation::~TKelCustomAnimation() {
  if (FParent != nullptr) FParent->RemoveAnimation(this);
  FParent = nullptr;
}

void TKelCustomAnimation::AttachToChart(TCustomAxisPanel* chart) {
  if (chart == FParent) return;
  if (TCustomAxisPanel* old = FParent) {
    old->RemoveAnimation(this);
    if (chart == nullptr) old->Invalidate();
  }
  // An animation keeps its chart without the element's own parent-chart step.
  FParent = chart;
  if (chart != nullptr) chart->AddAnimation(this);
}

}  // namespace kel
