// The cursor tool: draggable cursor lines over a series, with an annotation
// that shows the cursor's value on the axis.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/tools/KelCustomToolSeries.h"

namespace kel {

class TAnnotationTool;

KEL_ENUM(TScopeCursorStyle, scsRectangle, scsCircle, scsDiamond, scsEmpty, scsCamera)
// In a namespace of its own: the shift state uses the name ssHorizontal too.
namespace snap {
KEL_ENUM(TSnapStyle, ssDefault, ssHorizontal, ssVertical)
}
using snap::TSnapStyle;
KEL_ENUM(TCursorToolStyle, cssHorizontal, cssVertical, cssBoth, cssScope, cssScopeOnly)

class TCursorTool : public TKelCustomToolSeries {
  KEL_CLASS(TCursorTool, TKelCustomToolSeries)

 public:
  explicit TCursorTool(TComponent* owner);
  ~TCursorTool() override;

  // Created on first access, bound to the tool's chart without joining its
  // Tools; written as a nested object inside the tool's record.
  TAnnotationTool* AxisAnnotation();
  // Copies value's settings into the annotation.
  void SetAxisAnnotation(TAnnotationTool* value);

  int32_t ClickTolerance = 3;
  bool FollowMouse = false;
  bool FullRepaint = false;
  int32_t HorizSize = 0;
  int32_t ScopeSize = 4;
  TScopeCursorStyle ScopeStyle = scsRectangle;
  bool Snap = false;
  TSnapStyle SnapStyle = snap::ssDefault;
  TCursorToolStyle Style = cssBoth;
  bool UseSeriesZ = false;
  int32_t VertSize = 0;
  TMethod OnChange, OnSnapChange;

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
  std::unique_ptr<TAnnotationTool> FAxisAnnotation;
};

}  // namespace kel
