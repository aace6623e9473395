#include "model/standard/PieSeries.h"

#include "model/attributes/Brush.h"
#include "model/attributes/Gradient.h"
#include "model/attributes/Pen.h"
#include "model/chart/AxisPanel.h"
#include "model/series/SeriesMarks.h"
#include "model/standard/CircularFrame.h"

namespace kel {

namespace {

constexpr int32_t kPieCalloutLength = 8;
constexpr int32_t kPieFrameWidth = 4;

struct TFrameColors {
  TColor Start, Middle, End;
};

void SetGradientColors(TKelBrush& brush, const TFrameColors& colors) {
  TKelGradient* gradient = brush.Gradient();
  gradient->SetStartColor(colors.Start);
  gradient->SetMidColor(colors.Middle);
  gradient->SetEndColor(colors.End);
}

}  // namespace

using P = TPieSeries;
KEL_PROPERTIES(TPieSeries,
               Published({u"ColorSource",   u"Cursor",          u"Marks",
                          u"ParentChart",   u"DataSource",      u"PercentFormat",
                          u"SeriesColor",   u"ShowInLegend",    u"Title",
                          u"ValueFormat",   u"XLabelsSource",   u"XValues",
                          u"YValues",       u"AfterDrawValues", u"BeforeDrawValues",
                          u"OnAfterAdd",    u"OnBeforeAdd",     u"OnClearValues",
                          u"OnClick",       u"OnDblClick",      u"OnGetMarkText",
                          u"OnMouseEnter",  u"OnMouseLeave",    u"Circled",
                          u"CustomXRadius", u"CustomYRadius",   u"UniqueCustomRadius",
                          u"Emboss",        u"Shadow",          u"Active"}),
               Property(u"AngleSize", &P::FAngleSize, &P::FAngleSize).Default(P::kFullCircle),
               Property(u"AutoMarkPosition", &P::AutoMarkPosition, &P::SetAutoMarkPosition)
                   .NoDefault()
                   .Stored(false),
               Property(u"Bevel", &P::Bevel, &P::SetBevel),
               Property(u"BevelPercent", &P::FBevelPercent, &P::FBevelPercent).Default(0),
               Published({u"CircleBackColor", u"ColorEachPoint"}),
               Property(u"Dark3D", &P::FDark3D, &P::FDark3D).Default(true),
               Property(u"DarkPen", &P::FDarkPen, &P::FDarkPen).Default(0),
               Property(u"EdgeStyle", &P::FEdgeStyle, &P::FEdgeStyle).Default(edNone),
               Property(u"ExplodeBiggest", &P::FExplodeBiggest, &P::FExplodeBiggest).Default(0),
               Property(u"Frame", &P::Frame, &P::SetFrame).Stored(&P::HasFrame),
               Property(u"Gradient", &P::Gradient, &P::SetGradient),
               Property(u"GradientBright", &P::FGradientBright, &P::FGradientBright).Default(0),
               Property(u"MultiPie", &P::FMultiPie, &P::FMultiPie).Default(mpAutomatic),
               Property(u"OtherSlice", &P::OtherSlice, &P::SetOtherSlice),
               Property(u"PieMarks", &P::PieMarks, &P::SetPieMarks),
               Property(u"PiePen", &P::Pen, &P::SetPen),
               Property(u"PieValues", &P::YValues, &P::SetYValues).Stored(false),
               Published({u"RotationAngle", u"Transparency"}),
               Property(u"UsePatterns", &P::FUsePatterns, &P::FUsePatterns).Default(false))

TPieSeries::TPieSeries(TComponent* owner)
    : TCircledSeries(owner),
      FBevel(std::make_unique<TPieBevel>()),
      FOtherSlice(std::make_unique<TPieOtherSlice>(this)),
      FPieMarks(std::make_unique<TPieMarks>()) {
  XValues()->SetName(u"");
  YValues()->SetName(u"Pie");
  TSeriesMarks* marks = Marks();
  marks->SetVisible(true);
  marks->DefaultVisible = true;
  TMarksCallout* callout = marks->Callout();
  callout->SetLength(kPieCalloutLength);
  callout->DefaultLength = kPieCalloutLength;
  SetColorEachPoint(true);
  DefaultColorEachPoint = true;
  // Slices are placed by index: the X values are never stored.
  IUseNotMandatory = false;
  TKelGradient* gradient = Gradient();
  gradient->SetStartColor(clWhite);
  gradient->AssignDefaultDirection(gdRadial);
}

TPieSeries::~TPieSeries() = default;

bool TPieSeries::AutoMarkPosition() const {
  return Marks()->AutoPosition();
}

void TPieSeries::SetAutoMarkPosition(bool value) {
  Marks()->SetAutoPosition(value);
}

TKelGradient* TPieSeries::Gradient() const {
  return Brush()->Gradient();
}

void TPieSeries::SetGradient(TKelGradient* value) {
  Brush()->SetGradient(value);
}

TFramedBorder* TPieSeries::Frame() {
  if (!FFrame) {
    auto frame = std::make_unique<TCircularFrame>(ParentChart());
    frame->FWidth = kPieFrameWidth;
    frame->SetVisible(false);
    frame->DefaultVisible = false;
    frame->FCircled = true;
    frame->DefaultCircled = true;
    SetGradientColors(*frame->OuterBrush(), {clSilver, clWhite, static_cast<TColor>(0x404040)});
    SetGradientColors(*frame->MiddleBrush(), {clGray, clWhite, static_cast<TColor>(0x828282)});
    SetGradientColors(*frame->InnerBrush(), {static_cast<TColor>(0x404040), clWhite, clGray});
    FFrame = std::move(frame);
  }
  return FFrame.get();
}

void TPieSeries::SetFrame(TFramedBorder* value) {
  Frame()->Assign(value);
}

void TPieSeries::WriteSeriesData(TStream& stream) {
  const int other = XValues()->Locate(kOtherSliceX);
  if (other >= 0) Delete(other);
  inherited::WriteSeriesData(stream);
}

}  // namespace kel
