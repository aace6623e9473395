// The draw line tool: lines the user draws over the chart, kept as a
// collection of the tool.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/titles/ZoomPanning.h"
#include "model/tools/KelCustomToolSeries.h"

namespace kel {

class TDrawLineTool;

KEL_ENUM(TDrawLineStyle, dlLine, dlHorizParallel, dlVertParallel, dlRectangle, dlEllipse)

// A point in axis units.
struct TFloatPoint {
  float X = 0;
  float Y = 0;
};

class TDrawLine : public TCollectionItem {
  KEL_CLASS(TDrawLine, TCollectionItem)

 public:
  explicit TDrawLine(TCollection* collection);
  ~TDrawLine() override;

  // The line's own pen, created on first access as a copy of the tool's.
  TKelPen* Pen();
  void SetPen(TKelPen* value);
  bool HasPen() const { return FPen != nullptr; }

  float X0() const { return StartPos.X; }
  void SetX0(float value) { StartPos.X = value; }
  float Y0() const { return StartPos.Y; }
  void SetY0(float value) { StartPos.Y = value; }
  float X1() const { return EndPos.X; }
  void SetX1(float value) { EndPos.X = value; }
  float Y1() const { return EndPos.Y; }
  void SetY1(float value) { EndPos.Y = value; }

  TFloatPoint StartPos;
  TFloatPoint EndPos;
  TDrawLineStyle Style = dlLine;

  void Assign(const TPersistent* source) override;

 private:
  TDrawLineTool* Tool() const;

  std::unique_ptr<TKelPen> FPen;
};

class TDrawLines : public TOwnedCollection {
  KEL_CLASS(TDrawLines, TOwnedCollection)

 public:
  explicit TDrawLines(TDrawLineTool* tool);

  TDrawLineTool* Tool() const { return FTool; }
  TDrawLine* Line(int index) const { return static_cast<TDrawLine*>(Items(index)); }

 private:
  TDrawLineTool* FTool;
};

class TDrawLineTool : public TKelCustomToolSeries {
  KEL_CLASS(TDrawLineTool, TKelCustomToolSeries)

 public:
  explicit TDrawLineTool(TComponent* owner);
  ~TDrawLineTool() override;

  TDrawLines* Lines() const { return FLines.get(); }
  void SetLines(TDrawLines* value);

  TMouseButton Button = mbLeft;
  int32_t ClickTolerance = 0;
  bool EnableDraw = true;
  bool EnableSelect = true;
  bool FullRepaint = false;
  bool SelectNewLines = true;
  TDrawLineStyle Style = dlLine;
  TMethod OnDraggedLine, OnDragLine, OnNewLine, OnSelect, OnSelecting;

  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;

 private:
  std::unique_ptr<TDrawLines> FLines;
};

}  // namespace kel
