#include "model/tools/ColorBandTool.h"

#include "model/attributes/Brush.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Picture.h"
#include "model/tools/ColorLineTool.h"
#include "model/tools/SubTools.h"

namespace kel {

namespace {

// A band's line: inactive on its own, moving the band as it is dragged.
std::unique_ptr<TColorLineTool> NewBandLine() {
  auto line = std::make_unique<TColorLineTool>(nullptr);
  line->SetActive(false);
  line->DragRepaint = true;
  return line;
}

}  // namespace

using T = TColorBandTool;
// "Axis" is not published: "AxisID" carries the axis.
KEL_PROPERTIES(TColorBandTool,
               Published({u"Active"}),
               Property(u"AllowDrag", &T::AllowDrag, &T::AllowDrag).Default(true),
               Published({u"Brush"}),
               Property(u"Color", &T::Color, &T::Color).Default(clWhite),
               Property(u"Cursor", &T::Cursor, &T::Cursor).Default(crDefault),
               Property(u"DrawBehind", &T::DrawBehind, &T::DrawBehind).Default(true),
               Property(u"DrawBehindAxes", &T::DrawBehindAxes, &T::DrawBehindAxes).Default(false),
               Property(u"EndValue", &T::EndValue, &T::EndValue),
               Property(u"Gradient", &T::Gradient, &T::SetGradient),
               Property(u"NoLimitDrag", &T::NoLimitDrag, &T::NoLimitDrag).Default(true),
               Published({u"Pen"}),
               Property(u"Picture", &T::Picture, &T::SetPicture),
               Property(u"ResizeEnd", &T::ResizeEnd, &T::SetResizeEnd).Default(false),
               Property(u"ResizeStart", &T::ResizeStart, &T::SetResizeStart).Default(false),
               Property(u"StartValue", &T::StartValue, &T::StartValue),
               Property(u"Transparency", &T::Transparency, &T::Transparency).Default(0),
               Property(u"EndLinePen", &T::EndLinePen, &T::SetEndLinePen),
               Property(u"StartLinePen", &T::StartLinePen, &T::SetStartLinePen),
               Property(u"OnClick", &T::OnClick, &T::OnClick),
               Property(u"OnDragging", &T::OnDragging, &T::OnDragging),
               Property(u"OnResized", &T::OnResized, &T::OnResized),
               Property(u"OnResizing", &T::OnResizing, &T::OnResizing))

TColorBandTool::TColorBandTool(TComponent* owner)
    : TKelCustomToolAxis(owner), FStartLine(NewBandLine()), FEndLine(NewBandLine()) {}

TColorBandTool::~TColorBandTool() = default;

TKelGradient* TColorBandTool::Gradient() {
  return Brush()->Gradient();
}

void TColorBandTool::SetGradient(TKelGradient* value) {
  Brush()->SetGradient(value);
}

TKelPicture* TColorBandTool::Picture() {
  if (!FPicture) FPicture = std::make_unique<TKelPicture>([this] { Repaint(); });
  return FPicture.get();
}

void TColorBandTool::SetPicture(TKelPicture* value) {
  Picture()->Assign(value);
}

bool TColorBandTool::ResizeEnd() const {
  return FEndLine->AllowDrag;
}
void TColorBandTool::SetResizeEnd(bool value) {
  FEndLine->AllowDrag = value;
}
bool TColorBandTool::ResizeStart() const {
  return FStartLine->AllowDrag;
}
void TColorBandTool::SetResizeStart(bool value) {
  FStartLine->AllowDrag = value;
}
TKelPen* TColorBandTool::EndLinePen() const {
  return FEndLine->Pen();
}
void TColorBandTool::SetEndLinePen(TKelPen* value) {
  FEndLine->SetPen(value);
}
TKelPen* TColorBandTool::StartLinePen() const {
  return FStartLine->Pen();
}
void TColorBandTool::SetStartLinePen(TKelPen* value) {
  FStartLine->SetPen(value);
}

void TColorBandTool::BindLine(TColorLineTool& line) {
  BindSubTool(line, FParent);
  BindSubToolAxis(line, Axis());
}

void TColorBandTool::LinkAxis(TChartAxis* axis) {
  inherited::LinkAxis(axis);
  BindLine(*FStartLine);
  BindLine(*FEndLine);
}

void TColorBandTool::SetParentChart(TCustomAxisPanel* value) {
  inherited::SetParentChart(value);
  // Called while the base is attached, before the lines exist.
  if (FStartLine) BindLine(*FStartLine);
  if (FEndLine) BindLine(*FEndLine);
}

void TColorBandTool::GetChildren(const TGetChildProc& proc, TComponent* root) {
  inherited::GetChildren(proc, root);
  proc(FStartLine.get());
  proc(FEndLine.get());
}

void TColorBandTool::LoadState(TReader& reader) {
  inherited::LoadState(reader);
  auto* end = OwnedSubTool<TColorLineTool>(*this, 1);
  auto* start = OwnedSubTool<TColorLineTool>(*this, 0);
  if (end != nullptr) {
    FEndLine = TakeSubTool(*this, end);
    BindLine(*FEndLine);
  }
  if (start != nullptr) {
    FStartLine = TakeSubTool(*this, start);
    BindLine(*FStartLine);
  }
}

void TColorBandTool::LoadFinished() {
  inherited::LoadFinished();
  FStartLine->Value = StartValue;
  FEndLine->Value = EndValue;
}

void TColorBandTool::Assign(const TPersistent* source) {
  if (const auto* band = dynamic_cast<const TColorBandTool*>(source)) {
    FStartLine->Assign(band->FStartLine.get());
    FEndLine->Assign(band->FEndLine.get());
    BindLine(*FStartLine);
    BindLine(*FEndLine);
    if (band->FPicture) {
      Picture()->Assign(band->FPicture.get());
    } else {
      FPicture.reset();
    }
    AllowDrag = band->AllowDrag;
    Color = band->Color;
    Cursor = band->Cursor;
    DrawBehind = band->DrawBehind;
    DrawBehindAxes = band->DrawBehindAxes;
    EndValue = band->EndValue;
    NoLimitDrag = band->NoLimitDrag;
    StartValue = band->StartValue;
    Transparency = band->Transparency;
  }
  inherited::Assign(source);
}

std::u16string TColorBandTool::Description() const {
  return u"Color Band";
}

std::u16string TColorBandTool::LongDescription() const {
  return u"Displays a coloured rectangle (band) at the specified axis and position.";
}

}  // namespace kel
