#include "model/tools/DrawLineTool.h"

#include "model/attributes/Pen.h"

namespace kel {

using L = TDrawLine;
KEL_PROPERTIES(TDrawLine,
               Property(u"Pen", &L::Pen, &L::SetPen).Stored(&L::HasPen),
               Property(u"Style", &L::Style, &L::Style).Default(dlLine),
               Property(u"X0", &L::X0, &L::SetX0),
               Property(u"Y0", &L::Y0, &L::SetY0),
               Property(u"X1", &L::X1, &L::SetX1),
               Property(u"Y1", &L::Y1, &L::SetY1))

TDrawLine::TDrawLine(TCollection* collection) : TCollectionItem(collection) {}

TDrawLine::~TDrawLine() = default;

TDrawLineTool* TDrawLine::Tool() const {
  const auto* lines = dynamic_cast<const TDrawLines*>(Collection());
  return lines != nullptr ? lines->Tool() : nullptr;
}

TKelPen* TDrawLine::Pen() {
  if (!FPen) {
    FPen = std::make_unique<TKelPen>();
    if (TDrawLineTool* tool = Tool()) FPen->Assign(tool->Pen());
  }
  return FPen.get();
}

void TDrawLine::SetPen(TKelPen* value) {
  Pen()->Assign(value);
}

void TDrawLine::Assign(const TPersistent* source) {
  if (const auto* line = dynamic_cast<const TDrawLine*>(source)) {
    if (line->FPen) {
      Pen()->Assign(line->FPen.get());
    } else {
      FPen.reset();
    }
    StartPos = line->StartPos;
    EndPos = line->EndPos;
    Style = line->Style;
    return;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(TDrawLines)

TDrawLines::TDrawLines(TDrawLineTool* tool)
    : TOwnedCollection(tool, TDrawLine::StaticClassInfo()), FTool(tool) {}

using T = TDrawLineTool;
KEL_PROPERTIES(TDrawLineTool,
               Published({u"Active"}),
               Property(u"Button", &T::Button, &T::Button).Default(mbLeft),
               Property(u"ClickTolerance", &T::ClickTolerance, &T::ClickTolerance).Default(0),
               Property(u"EnableDraw", &T::EnableDraw, &T::EnableDraw).Default(true),
               Property(u"EnableSelect", &T::EnableSelect, &T::EnableSelect).Default(true),
               Property(u"FullRepaint", &T::FullRepaint, &T::FullRepaint).Default(false),
               Property(u"Lines", &T::Lines, &T::SetLines),
               Property(u"SelectNewLines", &T::SelectNewLines, &T::SelectNewLines).Default(true),
               Published({u"Pen", u"Series"}),
               Property(u"Style", &T::Style, &T::Style).Default(dlLine),
               Property(u"OnDraggedLine", &T::OnDraggedLine, &T::OnDraggedLine),
               Property(u"OnDragLine", &T::OnDragLine, &T::OnDragLine),
               Property(u"OnNewLine", &T::OnNewLine, &T::OnNewLine),
               Property(u"OnSelect", &T::OnSelect, &T::OnSelect),
               Property(u"OnSelecting", &T::OnSelecting, &T::OnSelecting))

TDrawLineTool::TDrawLineTool(TComponent* owner)
    : TKelCustomToolSeries(owner), FLines(std::make_unique<TDrawLines>(this)) {}

TDrawLineTool::~TDrawLineTool() = default;

void TDrawLineTool::SetLines(TDrawLines* value) {
  FLines->Assign(value);
}

void TDrawLineTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TDrawLineTool*>(source)) {
    FLines->Assign(tool->FLines.get());
    Button = tool->Button;
    ClickTolerance = tool->ClickTolerance;
    EnableDraw = tool->EnableDraw;
    EnableSelect = tool->EnableSelect;
    FullRepaint = tool->FullRepaint;
    SelectNewLines = tool->SelectNewLines;
    Style = tool->Style;
  }
  inherited::Assign(source);
}

std::u16string TDrawLineTool::Description() const {
  return u"Draw Line";
}

std::u16string TDrawLineTool::LongDescription() const {
  return u"Allows drawing custom lines by dragging the mouse.";
}

}  // namespace kel
