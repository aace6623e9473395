#include "model/tools/CursorTool.h"

#include "model/tools/AnnotationTool.h"
#include "model/tools/SubTools.h"

namespace kel {

using T = TCursorTool;
KEL_PROPERTIES(TCursorTool,
               Published({u"Active"}),
               Property(u"AxisAnnotation", &T::AxisAnnotation, &T::SetAxisAnnotation),
               Property(u"ClickTolerance", &T::ClickTolerance, &T::ClickTolerance).Default(3),
               Property(u"FollowMouse", &T::FollowMouse, &T::FollowMouse).Default(false),
               Property(u"FullRepaint", &T::FullRepaint, &T::FullRepaint).Default(false),
               Property(u"HorizSize", &T::HorizSize, &T::HorizSize).Default(0),
               Published({u"Pen", u"Series"}),
               Property(u"ScopeSize", &T::ScopeSize, &T::ScopeSize).Default(4),
               Property(u"ScopeStyle", &T::ScopeStyle, &T::ScopeStyle).Default(scsRectangle),
               Property(u"Snap", &T::Snap, &T::Snap).Default(false),
               Property(u"SnapStyle", &T::SnapStyle, &T::SnapStyle).Default(snap::ssDefault),
               Property(u"Style", &T::Style, &T::Style).Default(cssBoth),
               Property(u"UseSeriesZ", &T::UseSeriesZ, &T::UseSeriesZ).Default(false),
               Property(u"VertSize", &T::VertSize, &T::VertSize).Default(0),
               Property(u"OnChange", &T::OnChange, &T::OnChange),
               Property(u"OnSnapChange", &T::OnSnapChange, &T::OnSnapChange))

TCursorTool::TCursorTool(TComponent* owner) : TKelCustomToolSeries(owner) {}

TCursorTool::~TCursorTool() = default;

TAnnotationTool* TCursorTool::AxisAnnotation() {
  if (!FAxisAnnotation) {
    FAxisAnnotation = NewAxisAnnotation();
    BindSubTool(*FAxisAnnotation, FParent);
  }
  return FAxisAnnotation.get();
}

void TCursorTool::SetAxisAnnotation(TAnnotationTool* value) {
  if (value != nullptr && value != FAxisAnnotation.get()) AxisAnnotation()->Assign(value);
}

void TCursorTool::SetParentChart(TCustomAxisPanel* value) {
  inherited::SetParentChart(value);
  if (FAxisAnnotation) BindSubTool(*FAxisAnnotation, value);
}

void TCursorTool::GetChildren(const TGetChildProc& proc, TComponent* root) {
  inherited::GetChildren(proc, root);
  proc(AxisAnnotation());
}

void TCursorTool::LoadState(TReader& reader) {
  inherited::LoadState(reader);
  if (auto* loaded = OwnedSubTool<TAnnotationTool>(*this, 0)) {
    FAxisAnnotation = TakeSubTool(*this, loaded);
    BindSubTool(*FAxisAnnotation, FParent);
  }
}

void TCursorTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TCursorTool*>(source)) {
    if (tool->FAxisAnnotation) {
      AxisAnnotation()->Assign(tool->FAxisAnnotation.get());
    } else {
      FAxisAnnotation.reset();
    }
    ClickTolerance = tool->ClickTolerance;
    FollowMouse = tool->FollowMouse;
    FullRepaint = tool->FullRepaint;
    HorizSize = tool->HorizSize;
    ScopeSize = tool->ScopeSize;
    ScopeStyle = tool->ScopeStyle;
    Snap = tool->Snap;
    SnapStyle = tool->SnapStyle;
    Style = tool->Style;
    UseSeriesZ = tool->UseSeriesZ;
    VertSize = tool->VertSize;
  }
  inherited::Assign(source);
}

std::u16string TCursorTool::Description() const {
  return u"Cursor";
}

std::u16string TCursorTool::LongDescription() const {
  return u"Displays draggable Cursor lines on top of Series.";
}

}  // namespace kel
