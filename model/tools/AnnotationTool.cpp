#include "model/tools/AnnotationTool.h"

#include "model/attributes/Emboss.h"
#include "model/attributes/Font.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/chart/AxisPanel.h"

namespace kel {

namespace {

constexpr int32_t kRectangleBounds[] = {10, 10, 50, 50};  // left, top, width, height
constexpr TKelTransparency kRectangleTransparency = 75;
constexpr TColor kRepaintMonitorColor = static_cast<TColor>(0x808080);
constexpr TKelTransparency kRepaintMonitorTransparency = 20;

// The rectangle and the repaint monitor set parts of their shapes away from
// the table defaults with nothing remembering the constructor's values.
// Every value then differs from the table default or from the
// constructor's, so these parts are always written: a value set back to the
// table default survives reloading. A new tool writes them anyway.

// The rectangle's shadow and emboss sizes.
class TRectangleShadow : public TKelShadow {
  KEL_CLASS(TRectangleShadow, TKelShadow)

 public:
  using TKelShadow::TKelShadow;
};

class TRectangleEmboss : public TKelEmboss {
  KEL_CLASS(TRectangleEmboss, TKelEmboss)

 public:
  using TKelEmboss::TKelEmboss;
};

// The rectangle's transparency, shadow and emboss.
class TRectangleShape : public TTextShape {
  KEL_CLASS(TRectangleShape, TTextShape)

 public:
  explicit TRectangleShape(TCustomKelPanel* parent) : TTextShape(parent) {
    ReplaceShadow<TRectangleShadow>();
    ReplaceEmboss<TRectangleEmboss>();
  }
};

// The repaint monitor's shadow visibility and font colour.
class TRepaintMonitorShadow : public TKelShadow {
  KEL_CLASS(TRepaintMonitorShadow, TKelShadow)

 public:
  using TKelShadow::TKelShadow;
};

class TRepaintMonitorFont : public TKelFont {
  KEL_CLASS(TRepaintMonitorFont, TKelFont)

 public:
  using TKelFont::TKelFont;
};

// The repaint monitor's colour, transparency, shadow and font.
class TRepaintMonitorShape : public TTextShape {
  KEL_CLASS(TRepaintMonitorShape, TTextShape)

 public:
  explicit TRepaintMonitorShape(TCustomKelPanel* parent) : TTextShape(parent) {
    ReplaceShadow<TRepaintMonitorShadow>();
    ReplaceFont<TRepaintMonitorFont>();
  }
};

}  // namespace

KEL_PROPERTIES(TRectangleShadow,
               Redeclared(u"HorizSize").Stored(true),
               Redeclared(u"VertSize").Stored(true))
KEL_PROPERTIES(TRectangleEmboss,
               Redeclared(u"HorizSize").Stored(true),
               Redeclared(u"VertSize").Stored(true))
KEL_PROPERTIES(TRectangleShape, Redeclared(u"Transparency").NoDefault())
KEL_PROPERTIES(TRepaintMonitorShadow, Redeclared(u"Visible").Stored(true))
KEL_PROPERTIES(TRepaintMonitorFont, Redeclared(u"Color").Stored(true))
KEL_PROPERTIES(TRepaintMonitorShape,
               Redeclared(u"Color").NoDefault(),
               Redeclared(u"Transparency").NoDefault())

using C = TAnnotationCallout;
KEL_PROPERTIES(TAnnotationCallout,
               Property(u"XPosition", &C::XPosition, &C::XPosition).Default(0),
               Property(u"YPosition", &C::YPosition, &C::YPosition).Default(0),
               Property(u"ZPosition", &C::ZPosition, &C::ZPosition).Default(0))

TAnnotationCallout::TAnnotationCallout() : TCallout(nullptr) {
  Arrow()->SetVisible(false);
  Arrow()->DefaultVisible = false;
  FVisible = false;
  DefaultVisible = false;
}

void TAnnotationCallout::Assign(const TPersistent* source) {
  if (const auto* callout = dynamic_cast<const TAnnotationCallout*>(source)) {
    XPosition = callout->XPosition;
    YPosition = callout->YPosition;
    ZPosition = callout->ZPosition;
  }
  inherited::Assign(source);
}

using A = TAnnotationTool;
KEL_PROPERTIES(
    TAnnotationTool,
    Published({u"Active"}),
    Property(u"AutoSize", &A::AutoSize, &A::SetAutoSize).Default(true),
    Property(u"Callout", &A::Callout, &A::SetCallout),
    Property(u"ClipText", &A::ClipText, &A::SetClipText).Default(true),
    Property(u"Cursor", &A::Cursor, &A::SetCursor).Default(crDefault),
    Property(u"Draw3D", &A::Draw3D, &A::Draw3D).Default(false),
    Property(u"Position", &A::Position, &A::Position).Default(ppLeftTop),
    Property(u"PositionUnits", &A::PositionUnits, &A::PositionUnits).Default(muPixels),
    Property(u"Shape", &A::Shape, &A::SetShape),
    Property(u"Text", &A::Text, &A::SetText).Stored(false),
    Property(u"TextAlignment", &A::TextAlignment, &A::SetTextAlignment).Default(taLeftJustify),
    Property(u"Height", &A::Height, &A::Height).NoDefault().Stored(&A::IsSizeStored),
    Property(u"Left", &A::Left, &A::SetLeft).NoDefault().Stored(false),
    Property(u"Top", &A::Top, &A::SetTop).NoDefault().Stored(false),
    Property(u"Width", &A::Width, &A::Width).NoDefault().Stored(&A::IsSizeStored),
    Property(u"Z", &A::Z, &A::Z).Default(0),
    Property(u"OnAfterDraw", &A::OnAfterDraw, &A::OnAfterDraw),
    Property(u"OnBeforeDraw", &A::OnBeforeDraw, &A::OnBeforeDraw),
    Property(u"OnClick", &A::OnClick, &A::OnClick),
    Property(u"OnDblClick", &A::OnDblClick, &A::OnDblClick))

TAnnotationTool::TAnnotationTool(TComponent* owner, TShapeMaker makeShape)
    : TKelCustomTool(owner),
      FCallout(std::make_unique<TAnnotationCallout>()),
      FShape(makeShape()) {}

TAnnotationTool::~TAnnotationTool() = default;

void TAnnotationTool::SetActive(bool value) {
  TKelCustomTool::SetActive(value);
  FShape->SetVisible(value);
}

void TAnnotationTool::SetCallout(TAnnotationCallout* value) {
  FCallout->Assign(value);
}

void TAnnotationTool::SetShape(TTextShape* value) {
  FShape->Assign(value);
}

bool TAnnotationTool::AutoSize() const {
  return FShape->AutoSize();
}
void TAnnotationTool::SetAutoSize(bool value) {
  FShape->SetAutoSize(value);
}
bool TAnnotationTool::ClipText() const {
  return FShape->ClipText();
}
void TAnnotationTool::SetClipText(bool value) {
  FShape->SetClipText(value);
}
TCursor TAnnotationTool::Cursor() const {
  return FShape->Cursor();
}
void TAnnotationTool::SetCursor(TCursor value) {
  FShape->SetCursor(value);
}
std::u16string TAnnotationTool::Text() const {
  return FShape->Text();
}
void TAnnotationTool::SetText(const std::u16string& value) {
  FShape->SetText(value);
}
TAlignment TAnnotationTool::TextAlignment() const {
  return FShape->TextAlignment();
}
void TAnnotationTool::SetTextAlignment(TAlignment value) {
  FShape->SetTextAlignment(value);
}

int32_t TAnnotationTool::Left() const {
  return FShape->Left();
}
void TAnnotationTool::SetLeft(int32_t value) {
  FShape->SetLeft(value);
}
int32_t TAnnotationTool::Top() const {
  return FShape->Top();
}
void TAnnotationTool::SetTop(int32_t value) {
  FShape->SetTop(value);
}

void TAnnotationTool::SetComponentName(const std::u16string& name) {
  const bool loading = ComponentState().Contains(csLoading) ||
                       (Owner() != nullptr && Owner()->ComponentState().Contains(csLoading));
  inherited::SetComponentName(name);
  if (!loading) SetText(name);
}

void TAnnotationTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TAnnotationTool*>(source)) {
    // The element's settings first: Active shows or hides the shape, which
    // then takes the source shape's own visibility.
    inherited::Assign(source);
    FCallout->Assign(tool->FCallout.get());
    FShape->Assign(tool->FShape.get());
    Draw3D = tool->Draw3D;
    Position = tool->Position;
    PositionUnits = tool->PositionUnits;
    Height = tool->Height;
    Width = tool->Width;
    Z = tool->Z;
    return;
  }
  inherited::Assign(source);
}

using R = TRectangleTool;
KEL_PROPERTIES(TRectangleTool,
               Redeclared(u"AutoSize").Default(false),
               Redeclared(u"Cursor").Default(crHandPoint),
               Property(u"AllowDrag", &R::AllowDrag, &R::AllowDrag).Default(true),
               Property(u"AllowResize", &R::AllowResize, &R::AllowResize).Default(true),
               Property(u"OnDragged", &R::OnDragged, &R::OnDragged),
               Property(u"OnDragging", &R::OnDragging, &R::OnDragging),
               Property(u"OnResized", &R::OnResized, &R::OnResized),
               Property(u"OnResizing", &R::OnResizing, &R::OnResizing))

TRectangleTool::TRectangleTool(TComponent* owner)
    : TAnnotationTool(owner, &MakeShape<TRectangleShape>) {
  SetAutoSize(false);
  SetCursor(crHandPoint);
  TTextShape* shape = Shape();
  shape->SetCustomPosition(true);
  shape->DefaultCustom = true;
  shape->Emboss()->SetSize(0);
  shape->Shadow()->SetSize(0);
  shape->SetTransparency(kRectangleTransparency);
  shape->SetLeft(kRectangleBounds[0]);
  shape->SetTop(kRectangleBounds[1]);
  Width = kRectangleBounds[2];
  Height = kRectangleBounds[3];
  PositionUnits = muPixels;
}

void TRectangleTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TRectangleTool*>(source)) {
    AllowDrag = tool->AllowDrag;
    AllowResize = tool->AllowResize;
  }
  inherited::Assign(source);
}

KEL_PROPERTIES(TRepaintMonitor)

TRepaintMonitor::TRepaintMonitor(TComponent* owner)
    : TAnnotationTool(owner, &MakeShape<TRepaintMonitorShape>) {
  TTextShape* shape = Shape();
  shape->Shadow()->SetVisible(false);
  shape->SetColor(kRepaintMonitorColor);
  shape->Font()->SetColor(clWhite);
  shape->SetTransparency(kRepaintMonitorTransparency);
}

std::u16string TAnnotationTool::Description() const {
  return u"Annotation";
}

std::u16string TAnnotationTool::LongDescription() const {
  return u"Displays custom text at any location inside Chart.";
}

std::u16string TRectangleTool::Description() const {
  return u"Rectangle";
}

std::u16string TRectangleTool::LongDescription() const {
  return u"Displays custom text at any location inside Chart within a resizable box.";
}

std::u16string TRepaintMonitor::Description() const {
  return u"Repaint Monitor";
}

std::u16string TRepaintMonitor::LongDescription() const {
  return u"Displays current repaint speed in Frames Per Second, and the total count of painted "
         u"frames.";
}

}  // namespace kel
