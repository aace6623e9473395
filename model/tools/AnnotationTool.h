// Text boxes placed on a chart: the annotation tool, its callout, and the
// rectangle and repaint-monitor tools built on it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/base/KelUnits.h"
#include "model/series/Callout.h"
#include "model/titles/TextShape.h"
#include "model/tools/KelCustomTool.h"

namespace kel {

KEL_ENUM(TAnnotationPosition, ppLeftTop, ppLeftBottom, ppRightTop, ppRightBottom, ppCenter)

// The callout from an annotation to a point of the chart: hidden, with a
// hidden arrow, until asked for.
class TAnnotationCallout : public TCallout {
  KEL_CLASS(TAnnotationCallout, TCallout)

 public:
  TAnnotationCallout();

  int32_t XPosition = 0;
  int32_t YPosition = 0;
  int32_t ZPosition = 0;

  void Assign(const TPersistent* source) override;
};

class TAnnotationTool : public TKelCustomTool {
  KEL_CLASS(TAnnotationTool, TKelCustomTool)

 public:
  // The shape-creation hook: a function making the tool's shape.
  using TShapeMaker = std::unique_ptr<TTextShape> (*)();

  explicit TAnnotationTool(TComponent* owner) : TAnnotationTool(owner, &MakeShape<TTextShape>) {}
  ~TAnnotationTool() override;

  template <class S>
  static std::unique_ptr<TTextShape> MakeShape() {
    return std::make_unique<S>(nullptr);
  }

  // Also shows or hides the shape.
  void SetActive(bool value) override;

  TAnnotationCallout* Callout() const { return FCallout.get(); }
  void SetCallout(TAnnotationCallout* value);
  TTextShape* Shape() const { return FShape.get(); }
  void SetShape(TTextShape* value);

  // Views of the shape.
  bool AutoSize() const;
  void SetAutoSize(bool value);
  bool ClipText() const;
  void SetClipText(bool value);
  TCursor Cursor() const;
  void SetCursor(TCursor value);
  std::u16string Text() const;
  void SetText(const std::u16string& value);
  TAlignment TextAlignment() const;
  void SetTextAlignment(TAlignment value);
  int32_t Left() const;
  void SetLeft(int32_t value);
  int32_t Top() const;
  void SetTop(int32_t value);
  bool IsSizeStored() const { return !AutoSize(); }

  bool Draw3D = false;
  TAnnotationPosition Position = ppLeftTop;
  TKelUnits PositionUnits = muPixels;
  int32_t Height = 0;
  int32_t Width = 0;
  int32_t Z = 0;
  TMethod OnAfterDraw, OnBeforeDraw, OnClick, OnDblClick;

  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;

 protected:
  TAnnotationTool(TComponent* owner, TShapeMaker makeShape);

  // A new name given outside loading becomes the text too.
  void SetComponentName(const std::u16string& name) override;

 private:
  std::unique_ptr<TAnnotationCallout> FCallout;
  std::unique_ptr<TTextShape> FShape;
};

class TRectangleTool : public TAnnotationTool {
  KEL_CLASS(TRectangleTool, TAnnotationTool)

 public:
  explicit TRectangleTool(TComponent* owner);

  bool AllowDrag = true;
  bool AllowResize = true;
  TMethod OnDragged, OnDragging, OnResized, OnResizing;

  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;
};

class TRepaintMonitor : public TAnnotationTool {
  KEL_CLASS(TRepaintMonitor, TAnnotationTool)

 public:
  explicit TRepaintMonitor(TComponent* owner);

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;
};

}  // namespace kel
