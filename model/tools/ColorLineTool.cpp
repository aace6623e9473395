#include "model/tools/ColorLineTool.h"

#include "model/attributes/Pen.h"
#include "model/tools/AnnotationTool.h"
#include "model/tools/SubTools.h"

namespace kel {

using T = TColorLineTool;
// "Axis" is not published: "AxisID" carries the axis.
KEL_PROPERTIES(
    TColorLineTool,
    Published({u"Active"}),
    Property(u"Annotation", &T::Annotation, &T::SetAnnotation),
    Property(u"AnnotationValue", &T::AnnotationValue, &T::AnnotationValue).Default(false),
    Property(u"AllowDrag", &T::AllowDrag, &T::AllowDrag).Default(true),
    Property(u"DragRepaint", &T::DragRepaint, &T::DragRepaint).Default(false),
    Property(u"Draw3D", &T::Draw3D, &T::Draw3D).Default(true),
    Property(u"DrawBehind", &T::DrawBehind, &T::DrawBehind).Default(false),
    Property(u"NoLimitDrag", &T::NoLimitDrag, &T::NoLimitDrag).Default(false),
    Published({u"Pen"}),
    Property(u"Style", &T::Style, &T::Style).Default(clCustom),
    Property(u"Value", &T::Value, &T::Value),
    Property(u"OnBeginDragLine", &T::OnBeginDragLine, &T::OnBeginDragLine),
    Property(u"OnDragLine", &T::OnDragLine, &T::OnDragLine),
    Property(u"OnEndDragLine", &T::OnEndDragLine, &T::OnEndDragLine))

TColorLineTool::TColorLineTool(TComponent* owner) : TKelCustomToolAxis(owner) {
  Pen()->AssignDefaultEndStyle(esFlat);
}

TColorLineTool::~TColorLineTool() = default;

TAnnotationTool* TColorLineTool::Annotation() {
  if (!FAnnotation) {
    FAnnotation = NewAxisAnnotation();
    BindSubTool(*FAnnotation, FParent);
    FAnnotation->Shape()->SetVisible(true);
  }
  return FAnnotation.get();
}

void TColorLineTool::SetAnnotation(TAnnotationTool* value) {
  if (value != nullptr && value != FAnnotation.get()) Annotation()->Assign(value);
}

void TColorLineTool::SetParentChart(TCustomAxisPanel* value) {
  inherited::SetParentChart(value);
  if (FAnnotation) BindSubTool(*FAnnotation, value);
}

void TColorLineTool::GetChildren(const TGetChildProc& proc, TComponent* root) {
  inherited::GetChildren(proc, root);
  proc(Annotation());
}

void TColorLineTool::LoadState(TReader& reader) {
  inherited::LoadState(reader);
  if (auto* loaded = OwnedSubTool<TAnnotationTool>(*this, 0)) {
    FAnnotation = TakeSubTool(*this, loaded);
    BindSubTool(*FAnnotation, FParent);
  }
}

void TColorLineTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TColorLineTool*>(source)) {
    if (tool->FAnnotation) {
      Annotation()->Assign(tool->FAnnotation.get());
    } else {
      FAnnotation.reset();
    }
    AnnotationValue = tool->AnnotationValue;
    AllowDrag = tool->AllowDrag;
    DragRepaint = tool->DragRepaint;
    Draw3D = tool->Draw3D;
    DrawBehind = tool->DrawBehind;
    NoLimitDrag = tool->NoLimitDrag;
    Style = tool->Style;
    Value = tool->Value;
  }
  inherited::Assign(source);
}

std::u16string TColorLineTool::Description() const {
  return u"Color Line";
}

std::u16string TColorLineTool::LongDescription() const {
  return u"Displays a draggable line across axes.";
}

}  // namespace kel
