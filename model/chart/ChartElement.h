// The base of everything a chart holds as a child component: series and
// tools. It keeps the element's activity, brush and pen, and its chart.
#pragma once

#include <memory>

#include "persist/ClassDeclaration.h"

namespace kel {

class TCustomAxisPanel;
class TKelBrush;
class TKelPen;

class TCustomChartElement : public TComponent {
  KEL_CLASS(TCustomChartElement, TComponent)

 public:
  explicit TCustomChartElement(TComponent* owner);
  ~TCustomChartElement() override;

  bool Active() const { return FActive; }
  virtual void SetActive(bool value);
  TKelBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TKelBrush* value);
  TKelPen* Pen() const { return FPen.get(); }
  virtual void SetPen(TKelPen* value);
  bool ShowInEditor() const { return FShowInEditor; }
  void SetShowInEditor(bool value) { FShowInEditor = value; }

  // The chart the element belongs to; not owned.
  TCustomAxisPanel* ParentChart() const { return FParent; }
  virtual void SetParentChart(TCustomAxisPanel* value);

  // Set on elements that the chart does not write.
  bool FDontSerialize = false;
  bool IInternalUse = false;

 protected:
  // The change notification of the brush, the pen and the element's own
  // settings: repaints the chart, if any.
  virtual void Repaint();

  // Replace the brush or pen that the constructor made with one of a class
  // whose write rules suit the descendant; the new one notifies Repaint.
  template <class B>
  void ReplaceBrush() {
    FBrush = std::make_unique<B>([this] { Repaint(); });
  }
  template <class P>
  void ReplacePen() {
    FPen = std::make_unique<P>([this] { Repaint(); });
  }

  TCustomAxisPanel* FParent = nullptr;

 private:
  bool FActive = true;
  std::unique_ptr<TKelBrush> FBrush;
  std::unique_ptr<TKelPen> FPen;
  bool FShowInEditor = true;
};

}  // namespace kel
