// The colour band tool: a coloured rectangle between two values of an axis,
// bounded by two colour lines that it owns and writes as nested objects.
#pragma once

#include <memory>
#include <string>

#include "model/attributes/Transparency.h"
#include "model/tools/KelCustomToolAxis.h"
#include "persist/IntegerIdents.h"

namespace kel {

class TColorLineTool;
class TKelGradient;
class TKelPen;
class TKelPicture;

class TColorBandTool : public TKelCustomToolAxis {
  KEL_CLASS(TColorBandTool, TKelCustomToolAxis)

 public:
  explicit TColorBandTool(TComponent* owner);
  ~TColorBandTool() override;

  TColorLineTool* StartLine() const { return FStartLine.get(); }
  TColorLineTool* EndLine() const { return FEndLine.get(); }

  // The brush's gradient.
  TKelGradient* Gradient();
  void SetGradient(TKelGradient* value);
  // Created on first access.
  TKelPicture* Picture();
  void SetPicture(TKelPicture* value);
  // The lines' AllowDrag.
  bool ResizeEnd() const;
  void SetResizeEnd(bool value);
  bool ResizeStart() const;
  void SetResizeStart(bool value);
  // The lines' pens.
  TKelPen* EndLinePen() const;
  void SetEndLinePen(TKelPen* value);
  TKelPen* StartLinePen() const;
  void SetStartLinePen(TKelPen* value);

  bool AllowDrag = true;
  TColor Color = clWhite;
  TCursor Cursor = crDefault;
  bool DrawBehind = true;
  bool DrawBehindAxes = false;
  double EndValue = 0;
  bool NoLimitDrag = true;
  double StartValue = 0;
  TKelTransparency Transparency = 0;
  TMethod OnClick, OnDragging, OnResized, OnResizing;

  void LinkAxis(TChartAxis* axis) override;
  void SetParentChart(TCustomAxisPanel* value) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  TComponent* ChildOwner() override { return this; }
  // Takes the lines read back as the first two nested objects.
  void LoadState(TReader& reader) override;
  // Moves the lines to the band's values.
  void LoadFinished() override;
  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;

 private:
  // Gives a line the band's chart and axis.
  void BindLine(TColorLineTool& line);

  std::unique_ptr<TColorLineTool> FStartLine;
  std::unique_ptr<TColorLineTool> FEndLine;
  std::unique_ptr<TKelPicture> FPicture;
};

}  // namespace kel
