#include "model/axes/ChartAxis.h"

#include <algorithm>
#include <unordered_set>

#include "model/attributes/Font.h"
#include "model/axes/AxisBackShape.h"
#include "model/axes/AxisChart.h"
#include "model/axes/AxisGridPen.h"
#include "model/axes/AxisLabelsFormat.h"
#include "model/axes/ChartAxes.h"
#include "model/axes/ChartAxisPen.h"
#include "model/axes/ChartAxisTitle.h"
#include "model/axes/ChartCustomAxes.h"
#include "model/axes/Ticks.h"

namespace kel {
namespace {

constexpr const char16_t* kDefaultValuesFormat = u"#,##0.###";
// Bounds closer than this are moved apart, so that an axis never has an
// empty range.
constexpr double kMinAxisRange = 1e-10;

constexpr const char* kSAxisMaxMin = "Axis Maximum Value must be >= Minimum";
constexpr const char* kSAxisMinMax = "Axis Minimum Value must be <= Maximum";
constexpr const char* kSAxisIncrement = "Axis increment must be >= 0";
constexpr const char* kSAxisLogBase = "Axis Logarithmic Base should be <> 1 and > 0";
constexpr const char* kSAxisLogNotPositive = "Logarithmic Axis Min and Max values should be >= 0";
constexpr const char* kSAxisLabelSep = "Labels Separation % must be greater than 0";

// The panel that the axis's boxed parts belong to, if any.
TCustomKelPanel* PanelOf(IAxisChart* chart) {
  return chart != nullptr ? chart->ShapePanel() : nullptr;
}

// Whether the written content of from (its partner's and its sub-axes', and
// theirs in turn) includes target.
bool WrittenContentReaches(const TChartAxis* from,
                           const TChartAxis* target,
                           std::unordered_set<const TChartAxis*>& seen) {
  if (from == target) return true;
  if (!seen.insert(from).second) return false;
  if (from->PartnerAxis() != nullptr && WrittenContentReaches(from->PartnerAxis(), target, seen)) {
    return true;
  }
  if (const TChartCustomAxes* subAxes = from->ExistingSubAxes()) {
    for (int i = 0; i < subAxes->Count(); ++i) {
      if (WrittenContentReaches(subAxes->Items(i), target, seen)) return true;
    }
  }
  return false;
}

}  // namespace

KEL_PROPERTIES(
    TChartAxis,
    Property(u"Automatic", &TChartAxis::Automatic, &TChartAxis::SetAutomatic).Default(true),
    Property(u"AutomaticMaximum", &TChartAxis::AutomaticMaximum, &TChartAxis::SetAutomaticMaximum)
        .Default(true),
    Property(u"AutomaticMinimum", &TChartAxis::AutomaticMinimum, &TChartAxis::SetAutomaticMinimum)
        .Default(true),
    Property(u"Axis", &TChartAxis::Axis, &TChartAxis::SetAxis),
    Property(u"AxisValuesFormat", &TChartAxis::AxisValuesFormat, &TChartAxis::SetAxisValuesFormat)
        .Stored(&TChartAxis::IsAxisValuesFormatStored),
    Property(u"DateTimeFormat", &TChartAxis::DateTimeFormat, &TChartAxis::SetDateTimeFormat),
    Property(u"ExactDateTime", &TChartAxis::ExactDateTime, &TChartAxis::SetExactDateTime)
        .Default(true),
    Property(u"Grid", &TChartAxis::Grid, &TChartAxis::SetGrid),
    Property(u"GridCentered", &TChartAxis::GridCentered, &TChartAxis::SetGridCentered)
        .Default(false),
    Property(u"Increment", &TChartAxis::Increment, &TChartAxis::SetIncrement),
    Property(u"Inverted", &TChartAxis::Inverted, &TChartAxis::SetInverted).Default(false),
    Property(u"Horizontal", &TChartAxis::Horizontal, &TChartAxis::SetHorizontal)
        .NoDefault()
        .Stored(&TChartAxis::IsCustom),
    Property(u"OtherSide", &TChartAxis::OtherSide, &TChartAxis::SetOtherSide)
        .NoDefault()
        .Stored(&TChartAxis::IsCustom),
    Property(u"Labels", &TChartAxis::Labels, &TChartAxis::SetLabels).Default(true),
    Property(u"LabelsAlign", &TChartAxis::LabelsAlign, &TChartAxis::SetLabelsAlign)
        .Default(alDefault),
    Property(u"LabelsAlternate", &TChartAxis::LabelsAlternate, &TChartAxis::SetLabelsAlternate)
        .Default(false),
    Property(u"LabelsAngle", &TChartAxis::LabelsAngle, &TChartAxis::SetLabelsAngle).Default(0),
    Property(u"LabelsBehind", &TChartAxis::LabelsBehind, &TChartAxis::SetLabelsBehind)
        .Default(false),
    Property(u"LabelsExponent", &TChartAxis::LabelsExponent, &TChartAxis::SetLabelsExponent)
        .Default(false),
    Property(u"LabelsFont", &TChartAxis::LabelsFont, &TChartAxis::SetLabelsFont).Stored(false),
    Property(u"LabelsFormat", &TChartAxis::LabelsFormat, &TChartAxis::SetLabelsFormat),
    Property(u"LabelsGridIgnoresLabelSize",
             &TChartAxis::LabelsGridIgnoresLabelSize,
             &TChartAxis::SetLabelsGridIgnoresLabelSize)
        .Default(false),
    Property(u"LabelsMultiLine", &TChartAxis::LabelsMultiLine, &TChartAxis::SetLabelsMultiLine)
        .Default(false),
    Property(u"LabelsOnAxis", &TChartAxis::LabelsOnAxis, &TChartAxis::SetLabelsOnAxis)
        .Default(true),
    Property(u"LabelsSeparation", &TChartAxis::LabelsSeparation, &TChartAxis::SetLabelsSeparation)
        .Default(10),
    Property(u"LabelsSize", &TChartAxis::LabelsSize, &TChartAxis::SetLabelsSize).Default(0),
    Property(u"LabelStyle", &TChartAxis::LabelStyle, &TChartAxis::SetLabelStyle).Default(talAuto),
    Property(u"Logarithmic", &TChartAxis::Logarithmic, &TChartAxis::SetLogarithmic).Default(false),
    Property(u"LogarithmicBase", &TChartAxis::LogarithmicBase, &TChartAxis::SetLogarithmicBase)
        .Stored(&TChartAxis::IsLogarithmicBaseStored),
    Property(u"Maximum", &TChartAxis::Maximum, &TChartAxis::SetMaximum)
        .Stored(&TChartAxis::IsMaximumStored),
    Property(u"MaximumOffset", &TChartAxis::MaximumOffset, &TChartAxis::SetMaximumOffset)
        .Default(0),
    Property(u"MaximumRound", &TChartAxis::MaximumRound, &TChartAxis::SetMaximumRound)
        .Default(false),
    Property(u"Minimum", &TChartAxis::Minimum, &TChartAxis::SetMinimum)
        .Stored(&TChartAxis::IsMinimumStored),
    Property(u"MinimumOffset", &TChartAxis::MinimumOffset, &TChartAxis::SetMinimumOffset)
        .Default(0),
    Property(u"MinimumRound", &TChartAxis::MinimumRound, &TChartAxis::SetMinimumRound)
        .Default(false),
    Property(u"MinorGrid", &TChartAxis::MinorGrid, &TChartAxis::SetMinorGrid),
    Property(u"MinorTickCount", &TChartAxis::MinorTickCount, &TChartAxis::SetMinorTickCount)
        .Default(3),
    Property(u"MinorTickLength", &TChartAxis::MinorTickLength, &TChartAxis::SetMinorTickLength)
        .Default(2),
    Property(u"MinorTicks", &TChartAxis::MinorTicks, &TChartAxis::SetMinorTicks),
    Property(u"StartPosition", &TChartAxis::StartPosition, &TChartAxis::SetStartPosition),
    Property(u"EndPosition", &TChartAxis::EndPosition, &TChartAxis::SetEndPosition)
        .Stored(&TChartAxis::IsEndPositionStored),
    Property(u"PositionPercent", &TChartAxis::PositionPercent, &TChartAxis::SetPositionPercent),
    Property(u"PartnerAxis", &TChartAxis::PartnerAxis, &TChartAxis::SetPartnerAxis)
        .Stored(&TChartAxis::IsPartnerAxisStored),
    Property(u"PositionUnits", &TChartAxis::PositionUnits, &TChartAxis::SetPositionUnits)
        .Default(muPercent),
    Property(u"RoundFirstLabel", &TChartAxis::RoundFirstLabel, &TChartAxis::SetRoundFirstLabel)
        .Default(true),
    Property(u"Shape", &TChartAxis::Shape, &TChartAxis::SetShape)
        .Stored(&TChartAxis::IsShapeStored),
    Property(u"SubAxes", &TChartAxis::SubAxes, &TChartAxis::SetSubAxes)
        .Stored(&TChartAxis::IsSubAxesStored),
    Property(u"TickInnerLength", &TChartAxis::TickInnerLength, &TChartAxis::SetTickInnerLength)
        .Default(0),
    Property(u"TickLength", &TChartAxis::TickLength, &TChartAxis::SetTickLength).Default(4),
    Property(u"Ticks", &TChartAxis::Ticks, &TChartAxis::SetTicks),
    Property(u"TicksInner", &TChartAxis::TicksInner, &TChartAxis::SetTicksInner),
    Property(u"TickOnLabelsOnly", &TChartAxis::TickOnLabelsOnly, &TChartAxis::SetTickOnLabelsOnly)
        .Default(true),
    Property(u"Title", &TChartAxis::Title, &TChartAxis::SetTitle),
    Property(u"TitleSize", &TChartAxis::TitleSize, &TChartAxis::SetTitleSize).Default(0),
    Property(u"UsePartnerAxis", &TChartAxis::UsePartnerAxis, &TChartAxis::SetUsePartnerAxis)
        .Default(false),
    Property(u"Visible", &TChartAxis::Visible, &TChartAxis::SetVisible).Default(true),
    Property(u"ZPosition", &TChartAxis::ZPosition, &TChartAxis::SetZPosition)
        .Stored(&TChartAxis::IsZPositionStored),
    Property(u"OnDrawLabel", &TChartAxis::FOnDrawLabel, &TChartAxis::FOnDrawLabel))

TChartAxis::TChartAxis(TCollection* collection) : TCollectionItem(collection) {
  if (auto* axes = dynamic_cast<TChartCustomAxes*>(collection)) {
    FParentChart = axes->Chart();
    FMaster = axes->Master();
  }
  FAxisValuesFormat = kDefaultValuesFormat;
  const TNotifyEvent repaint = [this] { Repaint(); };
  FAxisItems =
      std::make_unique<TAxisItems>(std::make_unique<TAxisLabelsFormat>(PanelOf(FParentChart)));
  FTicks = std::make_unique<TTicks>(repaint);
  FMinorTicks = std::make_unique<TTicks>(repaint);
  FTicksInner = std::make_unique<TTicks>(repaint);
  FGrid = std::make_unique<TAxisGridPen>(repaint);
  FMinorGrid = std::make_unique<TKelHiddenPen>(repaint);
  FAxis = std::make_unique<TChartAxisPen>(repaint);
  if (FParentChart != nullptr) {
    FChartAxes = &FParentChart->Axes();
    if (FMaster == nullptr) FChartAxes->Add(this);
  }
}

TChartAxis::~TChartAxis() {
  // No call reaches the chart here: it may be being destroyed itself.
  if (FChartAxes == nullptr) return;
  if (FMaster == nullptr) FChartAxes->Remove(this);
  for (int i = 0; i < FChartAxes->Count(); ++i) FChartAxes->Items(i)->ForgetPartner(this);
}

void TChartAxis::ForgetPartner(const TChartAxis* gone) {
  if (FPartnerAxis == gone) FPartnerAxis = nullptr;
  if (FSubAxes == nullptr) return;
  for (int i = 0; i < FSubAxes->Count(); ++i) FSubAxes->Items(i)->ForgetPartner(gone);
}

bool TChartAxis::IsCustom() const {
  return FMaster != nullptr || (FChartAxes != nullptr && FChartAxes->IndexOf(this) > 5);
}

void TChartAxis::Repaint() const {
  if (FParentChart != nullptr) FParentChart->Invalidate();
}

void TChartAxis::SetAutomatic(bool value) {
  FAutomatic = value;
  // While a file loads, the flags come one by one in their stream order and
  // each keeps the value read.
  if (FParentChart == nullptr || !FParentChart->IsLoading()) {
    FAutomaticMinimum = value;
    FAutomaticMaximum = value;
  }
  Repaint();
}

void TChartAxis::SetAutomaticMaximum(bool value) {
  FAutomaticMaximum = value;
  if (!value) {
    FAutomatic = false;
  } else if (FAutomaticMinimum) {
    FAutomatic = true;
  }
  Repaint();
}

void TChartAxis::SetAutomaticMinimum(bool value) {
  FAutomaticMinimum = value;
  if (!value) {
    FAutomatic = false;
  } else if (FAutomaticMaximum) {
    FAutomatic = true;
  }
  Repaint();
}

void TChartAxis::SetMaximum(double value) {
  // A file may hold the bounds in any relation: they are only checked outside reading.
  const bool reading = FParentChart != nullptr && FParentChart->IsReading();
  if (!reading && value < FMinimumValue) throw EAxisError(kSAxisMaxMin);
  SetAndRepaint(FMaximumValue, value);
}

void TChartAxis::SetMinimum(double value) {
  const bool reading = FParentChart != nullptr && FParentChart->IsReading();
  if (!reading && value > FMaximumValue) throw EAxisError(kSAxisMinMax);
  SetAndRepaint(FMinimumValue, value);
}

void TChartAxis::SetMinMax(double maximum, double minimum) {
  FAutomatic = false;
  FAutomaticMinimum = false;
  FAutomaticMaximum = false;
  FMinimumValue = std::min(maximum, minimum);
  FMaximumValue = std::max(maximum, minimum);
  if (FMaximumValue - FMinimumValue < kMinAxisRange) FMaximumValue = FMinimumValue + kMinAxisRange;
  Repaint();
  if (FSubAxes == nullptr) return;
  for (int i = 0; i < FSubAxes->Count(); ++i) {
    FSubAxes->Items(i)->SetMinMax(FMaximumValue, FMinimumValue);
  }
}

void TChartAxis::SetIncrement(double value) {
  if (!(value >= 0)) throw EAxisError(kSAxisIncrement);
  SetAndRepaint(FDesiredIncrement, value);
}

void TChartAxis::CalcMinMax(double& minimum, double& maximum) const {
  double low = 0;
  double high = 0;
  const bool automaticMinimum = FAutomatic || FAutomaticMinimum;
  const bool automaticMaximum = FAutomatic || FAutomaticMaximum;
  if ((automaticMinimum || automaticMaximum) && FParentChart != nullptr) {
    FParentChart->SeriesBounds(*this, low, high);
  }
  minimum = automaticMinimum ? low : FMinimumValue;
  maximum = automaticMaximum ? high : FMaximumValue;
}

void TChartAxis::SetLogarithmic(bool value) {
  if (value) {
    double minimum = 0;
    double maximum = 0;
    CalcMinMax(minimum, maximum);
    if (minimum < 0 || maximum < 0) throw EAxisError(kSAxisLogNotPositive);
  }
  SetAndRepaint(FLogarithmic, value);
  if (FMaster != nullptr) FMaster->FLogarithmic = value;
}

void TChartAxis::SetLogarithmicBase(double value) {
  // Not a number is refused as well: it can be neither drawn nor read back.
  if (value == 1 || !(value > 0)) throw EAxisError(kSAxisLogBase);
  SetAndRepaint(FLogarithmicBase, value);
}

void TChartAxis::SetInverted(bool value) {
  SetAndRepaint(FInverted, value);
  if (FMaster != nullptr) FMaster->FInverted = value;
  // The two depth axes show one depth: they turn together.
  if (IDepthAxis && FChartAxes != nullptr && FMaster == nullptr) {
    for (int i = 0; i < FChartAxes->Count(); ++i) {
      TChartAxis* other = FChartAxes->Items(i);
      if (other != this && other->IDepthAxis) other->FInverted = value;
    }
  }
}

void TChartAxis::SetZPosition(double value) {
  FZPosition = value == 0 ? 0.01 : value;
  Repaint();
}

TAxisLabelsFormat* TChartAxis::LabelsFormat() const {
  return &FAxisItems->Format();
}

void TChartAxis::SetLabelsFormat(TAxisLabelsFormat* value) {
  LabelsFormat()->Assign(value);
}

TKelFont* TChartAxis::LabelsFont() const {
  return LabelsFormat()->Font();
}

void TChartAxis::SetLabelsFont(TKelFont* value) {
  LabelsFont()->Assign(value);
}

bool TChartAxis::Labels() const {
  return LabelsFormat()->Visible();
}

void TChartAxis::SetLabels(bool value) {
  LabelsFormat()->SetVisible(value);
}

void TChartAxis::SetLabelsSeparation(int32_t value) {
  if (value < 0) throw EAxisError(kSAxisLabelSep);
  SetAndRepaint(FLabels.FSeparation, value);
}

void TChartAxis::SetAxis(TChartAxisPen* value) {
  FAxis->Assign(value);
}

void TChartAxis::SetGrid(TAxisGridPen* value) {
  FGrid->Assign(value);
}

bool TChartAxis::GridCentered() const {
  return FGrid->Centered();
}

void TChartAxis::SetGridCentered(bool value) {
  FGrid->SetCentered(value);
}

void TChartAxis::SetMinorGrid(TKelHiddenPen* value) {
  FMinorGrid->Assign(value);
}

void TChartAxis::SetTicks(TTicks* value) {
  FTicks->Assign(value);
}

void TChartAxis::SetTicksInner(TTicks* value) {
  FTicksInner->Assign(value);
}

void TChartAxis::SetMinorTicks(TTicks* value) {
  FMinorTicks->Assign(value);
}

TChartAxisTitle* TChartAxis::Title() {
  if (!FAxisTitle) {
    const int32_t angle = IAxisID == u"Left" ? 90 : IAxisID == u"Right" ? 270 : 0;
    FAxisTitle = std::make_unique<TChartAxisTitle>(PanelOf(FParentChart), angle);
  }
  return FAxisTitle.get();
}

void TChartAxis::SetTitle(TChartAxisTitle* value) {
  Title()->Assign(value);
}

TAxisBackShape* TChartAxis::Shape() {
  if (!FShape) FShape = std::make_unique<TAxisBackShape>(PanelOf(FParentChart));
  return FShape.get();
}

void TChartAxis::SetShape(TAxisBackShape* value) {
  Shape()->Assign(value);
}

TChartCustomAxes* TChartAxis::SubAxes() {
  if (!FSubAxes) FSubAxes = std::make_unique<TChartCustomAxes>(*this);
  return FSubAxes.get();
}

void TChartAxis::SetSubAxes(TChartCustomAxes* value) {
  SubAxes()->Assign(value);
}

bool TChartAxis::IsAxisValuesFormatStored() const {
  return FAxisValuesFormat != kDefaultValuesFormat;
}

bool TChartAxis::IsPartnerAxisStored() const {
  // The partner is written as a part of this axis; a partner whose own written
  // content leads back here would never end, so it is left out.
  if (FPartnerAxis == nullptr) return false;
  std::unordered_set<const TChartAxis*> seen;
  return !WrittenContentReaches(FPartnerAxis, this, seen);
}

bool TChartAxis::IsSubAxesStored() const {
  return FSubAxes != nullptr && FSubAxes->Count() > 0;
}

bool TChartAxis::IsZPositionStored() const {
  if (IDepthAxis) return false;
  if (FOtherSide) return FZPosition != 100;
  return FZPosition > 0.011;
}

void TChartAxis::Assign(const TPersistent* source) {
  const auto* axis = dynamic_cast<const TChartAxis*>(source);
  if (axis == nullptr) {
    inherited::Assign(source);
    return;
  }
  if (axis == this) return;
  FAxis->Assign(axis->FAxis.get());
  FAxisItems->Assign(*axis->FAxisItems);
  FLabels = axis->FLabels;
  FTicks->Assign(axis->FTicks.get());
  FTicksInner->Assign(axis->FTicksInner.get());
  FTitleSize = axis->FTitleSize;
  FGrid->Assign(axis->FGrid.get());
  FMinorTicks->Assign(axis->FMinorTicks.get());
  FMinorGrid->Assign(axis->FMinorGrid.get());
  FTickLength = axis->FTickLength;
  FMinorTickLength = axis->FMinorTickLength;
  FMinorTickCount = axis->FMinorTickCount;
  FTickInnerLength = axis->FTickInnerLength;
  FAxisValuesFormat = axis->FAxisValuesFormat;
  FDesiredIncrement = axis->FDesiredIncrement;
  FMaximumValue = axis->FMaximumValue;
  FMaximumOffset = axis->FMaximumOffset;
  FMaximumRound = axis->FMaximumRound;
  FMinimumValue = axis->FMinimumValue;
  FMinimumOffset = axis->FMinimumOffset;
  FMinimumRound = axis->FMinimumRound;
  FAutomatic = axis->FAutomatic;
  FAutomaticMaximum = axis->FAutomaticMaximum;
  FAutomaticMinimum = axis->FAutomaticMinimum;
  if (axis->FAxisTitle) {
    Title()->Assign(axis->FAxisTitle.get());
  } else {
    FAxisTitle.reset();
  }
  FDateTimeFormat = axis->FDateTimeFormat;
  FLogarithmic = axis->FLogarithmic;
  FLogarithmicBase = axis->FLogarithmicBase;
  FInverted = axis->FInverted;
  FExactDateTime = axis->FExactDateTime;
  FTickOnLabelsOnly = axis->FTickOnLabelsOnly;
  IDepthAxis = axis->IDepthAxis;
  FStartPosition = axis->FStartPosition;
  FEndPosition = axis->FEndPosition;
  FPositionPercent = axis->FPositionPercent;
  FPosUnits = axis->FPosUnits;
  FVisible = axis->FVisible;
  FHorizontal = axis->FHorizontal;
  FOtherSide = axis->FOtherSide;
  if (axis->FShape) {
    Shape()->Assign(axis->FShape.get());
  } else {
    FShape.reset();
  }
  if (axis->FSubAxes) {
    SubAxes()->Assign(axis->FSubAxes.get());
  } else if (FSubAxes) {
    FSubAxes->Clear();
  }
  Repaint();
}

KEL_PROPERTIES(TChartDepthAxis,
               Redeclared(u"Visible").Default(false),
               Property(u"LabelsAsSeriesTitles",
                        &TChartDepthAxis::LabelsAsSeriesTitles,
                        &TChartDepthAxis::SetLabelsAsSeriesTitles)
                   .Default(true))

TChartDepthAxis::TChartDepthAxis(TCollection* collection) : TChartAxis(collection) {}

}  // namespace kel
