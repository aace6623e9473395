// The colour line tool: a draggable line across the chart at a value of an
// axis, with an annotation showing the value.
#pragma once

#include <memory>
#include <string>

#include "model/tools/KelCustomToolAxis.h"

namespace kel {

class TAnnotationTool;

KEL_ENUM(TColorLineStyle, clCustom, clMaximum, clCenter, clMinimum)

class TColorLineTool : public TKelCustomToolAxis {
  KEL_CLASS(TColorLineTool, TKelCustomToolAxis)

 public:
  explicit TColorLineTool(TComponent* owner);
  ~TColorLineTool() override;

  // Created on first access, bound to the line's chart without joining its
  // Tools, and shown; written as a nested object inside the line's record.
  TAnnotationTool* Annotation();
  // Copies value's settings into the annotation.
  void SetAnnotation(TAnnotationTool* value);

  bool AnnotationValue = false;
  bool AllowDrag = true;
  bool DragRepaint = false;
  bool Draw3D = true;
  bool DrawBehind = false;
  bool NoLimitDrag = false;
  TColorLineStyle Style = clCustom;
  double Value = 0;
  TMethod OnBeginDragLine, OnDragLine, OnEndDragLine;

  void SetParentChart(TCustomAxisPanel* value) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  TComponent* ChildOwner() override { return this; }
  // Takes the annotation read back as the first nested object.
  void LoadState(TReader& reader) override;
  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;

 private:
  std::unique_ptr<TAnnotationTool> FAnnotation;
};

}  // namespace kel
