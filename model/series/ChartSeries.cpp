#include "model/series/ChartSeries.h"

#include <algorithm>
#include <string>
#include <utility>

#include "model/attributes/Brush.h"
#include "model/axes/AxisIndexEntry.h"
#include "model/axes/ChartAxis.h"
#include "model/axes/ChartCustomAxes.h"
#include "model/chart/Chart.h"
#include "model/series/SeriesData.h"
#include "model/series/SeriesFunction.h"
#include "model/series/SeriesLegend.h"
#include "model/series/SeriesMarks.h"
#include "model/series/SeriesSource.h"
#include "persist/ClassRegistry.h"
#include "persist/Reader.h"
#include "persist/ScopeRestore.h"
#include "persist/Unicode.h"
#include "persist/Writer.h"

namespace kel {

namespace {

const std::u16string kDefaultValueFormat = u"#,##0.###";
const std::u16string kDefaultPercentFormat = u"##0.## %";
constexpr uint32_t kStyleMask = 0x3F;

}  // namespace

// --- TCustomChartSeries ---

KEL_PROPERTIES(TCustomChartSeries)

TCustomChartSeries::TCustomChartSeries(TComponent* owner) : TCustomChartElement(owner) {}

TCustomChartSeries::~TCustomChartSeries() = default;

TSeriesLegend* TCustomChartSeries::Legend() {
  if (!FLegend) FLegend = std::make_unique<TSeriesLegend>(FParent);
  return FLegend.get();
}

void TCustomChartSeries::SetLegend(TSeriesLegend* value) {
  Legend()->Assign(value);
}

void TCustomChartSeries::SetTitle(const std::u16string& value) {
  if (FTitle == value) return;
  FTitle = value;
  Repaint();
}

std::u16string TCustomChartSeries::LegendTitle() const {
  return FLegend ? FLegend->Text() : std::u16string();
}

void TCustomChartSeries::SetLegendTitle(const std::u16string& value) {
  Legend()->SetText(value);
}

bool TCustomChartSeries::ShowInLegend() const {
  return !FLegend || FLegend->Visible();
}

void TCustomChartSeries::SetShowInLegend(bool value) {
  Legend()->SetVisible(value);
}

void TCustomChartSeries::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"Identifier", [this](TReader& reader) { FIdentifier = reader.ReadString(); },
      [this](TWriter& writer) { writer.WriteString(FIdentifier); }, !FIdentifier.empty());
  filer.DefineProperty(
      u"Style",
      [this](TReader& reader) {
        FStyle =
            TChartSeriesStyle::FromBits(static_cast<uint32_t>(reader.ReadInteger()) & kStyleMask);
      },
      [this](TWriter& writer) {
        writer.WriteInteger(static_cast<int32_t>(FStyle.Bits() & kStyleMask));
      },
      !FStyle.Empty());
}

// --- TChartSeries ---

using S = TChartSeries;
// The rows after LegendTitle are declared here and published by each series
// class, by name, in its own stream order.
KEL_PROPERTIES(
    TChartSeries,
    Property(u"Legend", &S::Legend, &S::SetLegend),
    Property(u"LegendTitle", &S::LegendTitle, &S::SetLegendTitle),
    Declared(Property(u"Active", &S::Active, &S::SetActive).Default(true)),
    // Classes that start with it set write it when False.
    Declared(Property(u"ColorEachPoint", &S::ColorEachPoint, &S::SetColorEachPoint)
                 .NoDefault()
                 .StoredUnlessEqual(&S::DefaultColorEachPoint)),
    Declared(Property(u"ColorSource", &S::ColorSource, &S::SetColorSource)),
    Declared(Property(u"Cursor", &S::Cursor, &S::SetCursor).Default(crDefault)),
    Declared(Property(u"Depth", &S::Depth, &S::SetDepth).Default(-1)),
    Declared(Property(u"HorizAxis", &S::HorizAxis, &S::SetHorizAxis).Default(aBottomAxis)),
    Declared(Property(u"Marks", &S::Marks, &S::SetMarks)),
    Declared(Property(u"ParentChart", &S::ParentChartComponent, &S::SetParentChartComponent)
                 .Stored(false)),
    Declared(
        Property(u"DataSource", &S::DataSource, &S::SetDataSource).Stored(&S::IsDataSourceStored)),
    Declared(Property(u"PercentFormat", &S::PercentFormat, &S::SetPercentFormat)
                 .Stored(&S::IsPercentFormatStored)),
    Declared(Property(u"SeriesColor", &S::SeriesColor, &S::SetSeriesColor).Default(clDefault)),
    Declared(Property(u"ShowInLegend", &S::ShowInLegend, &S::SetShowInLegend).Default(true)),
    Declared(Property(u"Title", &S::Title, &S::SetTitle)),
    Declared(Property(u"Transparency", &S::Transparency, &S::SetTransparency).Default(0)),
    Declared(Property(u"ValueFormat", &S::ValueFormat, &S::SetValueFormat)
                 .Stored(&S::IsValueFormatStored)),
    Declared(Property(u"VertAxis", &S::VertAxis, &S::SetVertAxis).Default(aLeftAxis)),
    Declared(Property(u"XLabelsSource", &S::XLabelsSource, &S::SetXLabelsSource)),
    Declared(Property(u"XValues", &S::XValues, &S::SetXValues)),
    Declared(Property(u"YValues", &S::YValues, &S::SetYValues)),
    Declared(Property(u"Brush", &S::Brush, &S::SetBrush)),
    Declared(Property(u"AfterDrawValues", &S::AfterDrawValues, &S::AfterDrawValues)),
    Declared(Property(u"BeforeDrawValues", &S::BeforeDrawValues, &S::BeforeDrawValues)),
    Declared(Property(u"OnAfterAdd", &S::OnAfterAdd, &S::OnAfterAdd)),
    Declared(Property(u"OnBeforeAdd", &S::OnBeforeAdd, &S::OnBeforeAdd)),
    Declared(Property(u"OnClearValues", &S::OnClearValues, &S::OnClearValues)),
    Declared(Property(u"OnClick", &S::OnClick, &S::OnClick)),
    Declared(Property(u"OnDblClick", &S::OnDblClick, &S::OnDblClick)),
    Declared(Property(u"OnGetMarkText", &S::OnGetMarkText, &S::OnGetMarkText)),
    Declared(Property(u"OnMouseEnter", &S::OnMouseEnter, &S::OnMouseEnter)),
    Declared(Property(u"OnMouseLeave", &S::OnMouseLeave, &S::OnMouseLeave)))

TChartSeries::TChartSeries(TComponent* owner)
    : TCustomChartSeries(owner),
      FX(AddValueList(u"X")),
      FY(AddValueList(u"Y")),
      FMandatory(FY),
      FNotMandatory(FX),
      FMarks(std::make_unique<TSeriesMarks>(this)),
      FValueFormat(kDefaultValueFormat),
      FPercentFormat(kDefaultPercentFormat) {
  FX->SetOrder(loAscending);
}

TChartSeries::~TChartSeries() {
  IncludeState(csDestroying);
  if (FParent != nullptr) FParent->RemoveSeries(this);
  ClearDataSources();
  // Series that take their values from this one lose it as a source.
  while (!FLinkedSeries.empty()) FLinkedSeries.back()->RemoveDataSource(this);
  // The function goes with its series, whoever owns it.
  delete std::exchange(FFunction, nullptr);
  while (!FFreeWatchers.empty()) {
    ISeriesFreeWatcher* watcher = FFreeWatchers.back();
    FFreeWatchers.pop_back();
    watcher->SeriesFreed(*this);
  }
}

TChartValueList* TChartSeries::AddValueList(const std::u16string& name) {
  auto list = std::make_unique<TChartValueList>(this, name);
  TChartValueList* result = list.get();
  FValueLists.Add(std::move(list));
  return result;
}

void TChartSeries::SetHorizontal() {
  FMandatory = FX;
  FNotMandatory = FY;
  FX->SetOrder(loNone);
  FY->SetOrder(loAscending);
}

void TChartSeries::SetXValues(TChartValueList* value) {
  FX->Assign(value);
}

void TChartSeries::SetYValues(TChartValueList* value) {
  FY->Assign(value);
}

// --- Points ---

TColor TChartSeries::StoredColor(int index) const {
  return static_cast<size_t>(index) < FColors.size() ? FColors[static_cast<size_t>(index)]
                                                     : clDefault;
}

void TChartSeries::SetStoredColor(int index, TColor color) {
  if (FColors.empty() && color == clDefault) return;
  if (FColors.size() < static_cast<size_t>(Count())) FColors.resize(Count(), clDefault);
  FColors[static_cast<size_t>(index)] = color;
  Repaint();
}

TColor TChartSeries::ValueColor(int index) const {
  const TColor own = StoredColor(index);
  if (own != clDefault) return own;
  if (FColorEachPoint) {
    if (const auto* chart = dynamic_cast<const TCustomChart*>(FParent)) {
      return chart->GetDefaultColor(index);
    }
  }
  return EffectiveColor();
}

void TChartSeries::SetNull(int index, bool null) {
  SetStoredColor(index, null ? clNone : clDefault);
}

int TChartSeries::AddXY(double x, double y, const std::u16string& label, TColor color) {
  FX->TempValue = x;
  FY->TempValue = y;
  if (BeforeAdd && !BeforeAdd(*this)) return -1;
  return InsertPoint(label, color);
}

int TChartSeries::InsertPoint(const std::u16string& label, TColor color) {
  int index;
  {
    // The lists are out of step until every one has its value: linked series
    // hear of the point only once it is complete.
    TScopeRestore<int> restore(FUpdating);
    ++FUpdating;
    index = FX->AddValue();
    for (int i = 1; i < FValueLists.Count(); ++i) {
      TChartValueList* list = FValueLists[i];
      list->InsertValue(index, list->TempValue);
    }
    if (!FColors.empty() || color != clDefault) {
      if (FColors.size() < static_cast<size_t>(Count()) - 1) {
        FColors.resize(static_cast<size_t>(Count()) - 1, clDefault);
      }
      FColors.insert(FColors.begin() + index, color);
    }
    if (!label.empty() || FLabels.Count() > 0) FLabels.Insert(index, label);
  }
  if (!Updating()) NotifyLinked(TSeriesNotification::Added, index);
  return index;
}

int TChartSeries::Add(double value, const std::u16string& label, TColor color) {
  if (YMandatory()) return AddXY(Count(), value, label, color);
  return AddXY(value, FY->Count(), label, color);
}

int TChartSeries::AddX(double value, const std::u16string& label, TColor color) {
  return AddXY(value, Count(), label, color);
}

int TChartSeries::AddY(double value, const std::u16string& label, TColor color) {
  return AddXY(Count(), value, label, color);
}

int TChartSeries::AddNull(double value) {
  return Add(value, {}, clNone);
}

int TChartSeries::AddNull(const std::u16string& label) {
  return Add(DefaultNull, label, clNone);
}

int TChartSeries::AddNullXY(double x, double y, const std::u16string& label) {
  return AddXY(x, y, label, clNone);
}

void TChartSeries::ReservePoints(int count) {
  for (int i = 0; i < FValueLists.Count(); ++i) FValueLists[i]->Reserve(count);
}

void TChartSeries::Clear() {
  {
    TScopeRestore<int> restore(FUpdating);
    ++FUpdating;
    for (int i = 0; i < FValueLists.Count(); ++i) FValueLists[i]->Clear();
  }
  std::vector<TColor>().swap(FColors);
  FLabels.Clear();
  FMarks->Clear();
  NotifyLinked(TSeriesNotification::Clear, -1);
  if (!ComponentState().Contains(csDestroying)) Repaint();
}

void TChartSeries::Delete(int index) {
  if (index >= Count()) {
    throw Exception("Series Delete: ValueIndex " + std::to_string(index) + " out of bounds (0 to " +
                    std::to_string(Count() - 1) + ").");
  }
  {
    TScopeRestore<int> restore(FUpdating);
    ++FUpdating;
    for (int i = 0; i < FValueLists.Count(); ++i) FValueLists[i]->Delete(index);
  }
  if (static_cast<size_t>(index) < FColors.size()) FColors.erase(FColors.begin() + index);
  FLabels.Delete(index);
  FMarks->Positions().Delete(index);
  FMarks->Items().Delete(index);
  NotifyLinked(TSeriesNotification::Deleted, index);
  Repaint();
}

void TChartSeries::SwapValueIndex(int index1, int index2) {
  TScopeRestore<int> restore(FUpdating);
  ++FUpdating;
  for (int i = 0; i < FValueLists.Count(); ++i) FValueLists[i]->Exchange(index1, index2);
  if (!FColors.empty()) {
    if (FColors.size() < static_cast<size_t>(Count())) FColors.resize(Count(), clDefault);
    std::swap(FColors[static_cast<size_t>(index1)], FColors[static_cast<size_t>(index2)]);
  }
  FLabels.Exchange(index1, index2);
  if (FMarks->Positions().Count() > 0) FMarks->Positions().Exchange(index1, index2);
  if (FMarks->Items().Count() > 0) FMarks->Items().Exchange(index1, index2);
}

void TChartSeries::EndUpdate() {
  if (FUpdating == 0) return;
  if (--FUpdating == 0) RefreshSeries();
}

void TChartSeries::RefreshSeries() {
  NotifyLinked(TSeriesNotification::Refresh, -1);
  Repaint();
}

void TChartSeries::ValueListModified() {
  if (!Updating()) NotifyLinked(TSeriesNotification::Modified, -1);
}

void TChartSeries::NotifyLinked(TSeriesNotification kind, int index) {
  if (Updating()) return;
  // A copy: a linked series may change the list while it reacts.
  const std::vector<TChartSeries*> linked = FLinkedSeries;
  for (TChartSeries* series : linked) series->ReactTo(kind, *this, index);
}

void TChartSeries::ReactTo(TSeriesNotification kind, TChartSeries& source, int index) {
  const bool hasFunction = FFunction != nullptr;
  switch (kind) {
    case TSeriesNotification::Clear:
      if (RecalcOptions.Contains(rOnClear)) Clear();
      break;
    case TSeriesNotification::Added:
      if (RecalcOptions.Contains(rOnInsert) && !hasFunction) CopyPoint(source, index);
      break;
    case TSeriesNotification::Deleted:
      if (RecalcOptions.Contains(rOnDelete) && !hasFunction && index < Count()) Delete(index);
      break;
    case TSeriesNotification::Modified:
      if (RecalcOptions.Contains(rOnModify)) AssignValues(source);
      break;
    case TSeriesNotification::Refresh:
      AssignValues(source);
      break;
  }
}

// --- Colour and settings ---

void TChartSeries::SetSeriesColor(TColor value) {
  FAssignedColor = value;
  if (FColor == value) return;
  FColor = value;
  Repaint();
}

void TChartSeries::SetAutomaticColor(TColor value) {
  FAssignedColor = value;
}

void TChartSeries::SetColorEachPoint(bool value) {
  if (FColorEachPoint == value) return;
  FColorEachPoint = value;
  Repaint();
}

void TChartSeries::SetActive(bool value) {
  TCustomChartElement::SetActive(value);
}

void TChartSeries::SetDepth(int32_t value) {
  if (FDepth == value) return;
  FDepth = value;
  Repaint();
}

void TChartSeries::SetTransparency(TKelTransparency value) {
  if (FTransparency == value) return;
  FTransparency = value;
  Repaint();
}

void TChartSeries::SetValueFormat(const std::u16string& value) {
  FValueFormat = value;
}

bool TChartSeries::IsValueFormatStored() const {
  return !FValueFormat.empty() && FValueFormat != kDefaultValueFormat;
}

void TChartSeries::SetPercentFormat(const std::u16string& value) {
  FPercentFormat = value;
}

bool TChartSeries::IsPercentFormatStored() const {
  return !FPercentFormat.empty() && FPercentFormat != kDefaultPercentFormat;
}

void TChartSeries::SetHorizAxis(THorizAxis value) {
  const bool loading = ComponentState().Contains(csLoading);
  if (loading && FCustomHorizAxis != nullptr && value != aCustomHorizAxis) return;
  FHorizAxis = value;
  if (value != aCustomHorizAxis) FCustomHorizAxis = nullptr;
  Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis value) {
  const bool loading = ComponentState().Contains(csLoading);
  if (loading && FCustomVertAxis != nullptr && value != aCustomVertAxis) return;
  FVertAxis = value;
  if (value != aCustomVertAxis) FCustomVertAxis = nullptr;
  Repaint();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* value) {
  FCustomHorizAxis = value;
  if (value != nullptr) FHorizAxis = aCustomHorizAxis;
  Repaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* value) {
  FCustomVertAxis = value;
  if (value != nullptr) FVertAxis = aCustomVertAxis;
  Repaint();
}

void TChartSeries::AddFreeWatcher(ISeriesFreeWatcher* watcher) {
  if (std::find(FFreeWatchers.begin(), FFreeWatchers.end(), watcher) == FFreeWatchers.end()) {
    FFreeWatchers.push_back(watcher);
  }
}

void TChartSeries::RemoveFreeWatcher(ISeriesFreeWatcher* watcher) {
  std::erase(FFreeWatchers, watcher);
}

void TChartSeries::SetMarks(TSeriesMarks* value) {
  FMarks->Assign(value);
}

TComponent* TChartSeries::ParentChartComponent() const {
  return FParent;
}

void TChartSeries::SetParentChartComponent(TComponent* value) {
  SetParentChart(dynamic_cast<TCustomAxisPanel*>(value));
}

// --- Chart link ---

void TChartSeries::SetParentChart(TCustomAxisPanel* value) {
  if (FParent == value) return;
  if (FParent != nullptr) FParent->RemoveSeries(this);
  TCustomChartElement::SetParentChart(value);
  FMarks->SetParentChart(value);
  Legend()->SetParentChart(value);
  if (value == nullptr) return;
  if (FColor == clDefault) {
    if (const auto* chart = dynamic_cast<const TCustomChart*>(value)) {
      FAssignedColor = chart->GetFreeSeriesColor(true, this);
    }
  }
  CheckDataSource();
  value->AddSeries(this);
}

void TChartSeries::SetParentComponent(TComponent* parent) {
  if (auto* chart = dynamic_cast<TCustomAxisPanel*>(parent)) SetParentChart(chart);
}

TComponent* TChartSeries::GetParentComponent() const {
  return FParent;
}

void TChartSeries::GetChildren(const TGetChildProc& proc, TComponent* root) {
  inherited::GetChildren(proc, root);
  if (FFunction != nullptr) proc(FFunction);
}

void TChartSeries::Repaint() {
  if (FParent != nullptr && !ComponentState().Contains(csLoading)) FParent->Invalidate();
}

void TChartSeries::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FFunction) FFunction = nullptr;
}

// --- Data sources ---

TComponent* TChartSeries::DataSource() const {
  return FDataSources.Count() > 0 ? FDataSources.Get(0) : nullptr;
}

bool TChartSeries::IsValidSourceOf(TComponent* source) const {
  return dynamic_cast<TChartSeries*>(source) != nullptr && source != this;
}

bool TChartSeries::DependsOn(const TChartSeries* series) const {
  for (TComponent* source : FDataSources) {
    const auto* sourceSeries = dynamic_cast<const TChartSeries*>(source);
    if (sourceSeries == nullptr) continue;
    if (sourceSeries == series || sourceSeries->DependsOn(series)) return true;
  }
  return false;
}

void TChartSeries::SetDataSource(TComponent* value) {
  if (value == nullptr) {
    ClearDataSources();
    return;
  }
  AddDataSourceChecked(value, !ComponentState().Contains(csLoading));
}

void TChartSeries::AddDataSource(TComponent* source) {
  AddDataSourceChecked(source, false);
}

void TChartSeries::AddDataSourceChecked(TComponent* source, bool replace) {
  auto* sourceSeries = dynamic_cast<TChartSeries*>(source);
  auto* seriesSource = dynamic_cast<TKelSeriesSource*>(source);
  if (FParent != nullptr) {
    if (!IsValidSourceOf(source) && seriesSource == nullptr) {
      const std::u16string name =
          source->Name().empty() ? source->ClassInfo().ClassName : source->Name();
      throw Exception("No valid DataSource: " + Utf16ToUtf8(name));
    }
  } else if (!IsValidSourceOf(source)) {
    throw Exception("No ParentChart to validate DataSource");
  }
  if (FDataSources.IndexOf(source) >= 0) return;
  if (sourceSeries != nullptr && (sourceSeries == this || sourceSeries->DependsOn(this))) {
    throw Exception("Circular Series dependences are not allowed");
  }
  if (replace) ClearDataSources();
  FDataSources.Add(source);
  ManualData = false;
  if (sourceSeries != nullptr) {
    auto& linked = sourceSeries->FLinkedSeries;
    if (std::find(linked.begin(), linked.end(), this) == linked.end()) linked.push_back(this);
  } else if (seriesSource != nullptr && seriesSource->Series() != this) {
    const bool wasActive = seriesSource->Active();
    seriesSource->SetActive(false);
    seriesSource->SetSeries(this);
    if (wasActive) seriesSource->SetActive(true);
  }
  CheckDataSource();
}

void TChartSeries::RemoveDataSource(TComponent* source) {
  if (FDataSources.IndexOf(source) < 0) return;
  FDataSources.Remove(source);
  if (auto* sourceSeries = dynamic_cast<TChartSeries*>(source)) {
    std::erase(sourceSeries->FLinkedSeries, this);
  } else if (auto* seriesSource = dynamic_cast<TKelSeriesSource*>(source)) {
    if (seriesSource->Series() == this) seriesSource->SetSeries(nullptr);
  }
}

void TChartSeries::ClearDataSources() {
  while (FDataSources.Count() > 0) RemoveDataSource(FDataSources.Get(FDataSources.Count() - 1));
  if (!ManualData && !ComponentState().Contains(csDestroying)) Clear();
}

void TChartSeries::ClearDataSource() {
  ClearDataSources();
}

void TChartSeries::CheckDataSource() {
  if (Updating() || FParent == nullptr || ComponentState().Contains(csLoading)) return;
  TComponent* source = DataSource();
  auto* function = dynamic_cast<ISeriesFunction*>(FFunction);
  if (auto* sourceSeries = dynamic_cast<TChartSeries*>(source)) {
    AssignValues(*sourceSeries);
  } else if (auto* seriesSource = dynamic_cast<TKelSeriesSource*>(source)) {
    seriesSource->Refresh();
  } else if (source == nullptr && function != nullptr && function->NeedsNoSource()) {
    BeginUpdate();
    try {
      Clear();
      function->AddPoints(nullptr);
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
  }
}

void TChartSeries::AssignValues(TChartSeries& source) {
  if (&source == this) return;
  BeginUpdate();
  try {
    Clear();
    if (auto* function = dynamic_cast<ISeriesFunction*>(FFunction)) {
      FX->SetDateTime(source.FX->DateTime());
      FY->SetDateTime(source.FY->DateTime());
      function->AddPoints(&source);
    } else if (FFunction == nullptr && IsValidSourceOf(&source)) {
      for (int i = 0; i < source.Count(); ++i) CopyPoint(source, i);
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TChartSeries::CopyPoint(TChartSeries& source, int index) {
  double x = source.XValue(index);
  double y = source.YValue(index);
  if (YMandatory() != source.YMandatory()) std::swap(x, y);
  for (int i = 2; i < FValueLists.Count(); ++i) {
    FValueLists[i]->TempValue =
        i < source.FValueLists.Count() ? source.FValueLists[i]->Value(index) : 0;
  }
  FX->TempValue = x;
  FY->TempValue = y;
  const TColor color = static_cast<size_t>(index) < source.FColors.size()
                           ? source.FColors[static_cast<size_t>(index)]
                           : clDefault;
  InsertPoint(source.FLabels.GetLabel(index), color);
}

// --- Function ---

void TChartSeries::SetFunction(TComponent* f) {
  if (FFunction == f) return;
  if (FFunction != nullptr) {
    TComponent* previous = FFunction;
    FFunction = nullptr;
    delete previous;
  }
  FFunction = f;
  if (auto* function = dynamic_cast<ISeriesFunction*>(f)) function->SetFunctionSeries(this);
  ManualData = false;
  CheckDataSource();
}

void TChartSeries::ForgetFunction(const TComponent* f) {
  if (FFunction == f) FFunction = nullptr;
}

// --- Reading and writing ---

void TChartSeries::WriteSeriesData(TStream& stream) {
  WriteSeriesDataBlock(*this, stream);
}

void TChartSeries::ReadSeriesData(TStream& stream) {
  ReadSeriesDataBlock(*this, stream);
}

void TChartSeries::LoadFinished() {
  inherited::LoadFinished();
  if (!FDataSourceNames.empty()) {
    ClearDataSources();
    for (const std::u16string& name : FDataSourceNames) {
      TComponent* source = Owner() != nullptr ? Owner()->FindComponent(name) : nullptr;
      if (source != nullptr) AddDataSource(source);
    }
  }
  std::vector<std::u16string>().swap(FDataSourceNames);
  CheckDataSource();
}

void TChartSeries::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"DataSources",
      [this](TReader& reader) {
        FDataSourceNames.clear();
        reader.ReadListBegin();
        while (!reader.EndOfList()) FDataSourceNames.push_back(reader.ReadString());
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (TComponent* source : FDataSources) writer.WriteString(source->Name());
        writer.WriteListEnd();
      },
      FDataSources.Count() > 1);
  const auto customAxes = [this]() -> TChartCustomAxes* {
    return FParent != nullptr ? FParent->CustomAxes() : nullptr;
  };
  filer.DefineProperty(
      u"CustomHorizAxis",
      [this, customAxes](TReader& reader) {
        const int32_t index = reader.ReadInteger();
        TChartCustomAxes* axes = customAxes();
        if (axes != nullptr && AxisIndexInRange(reader, *this, index, axes->Count())) {
          SetCustomHorizAxis(axes->Items(index));
        }
      },
      [this](TWriter& writer) { writer.WriteInteger(FCustomHorizAxis->Index()); },
      FCustomHorizAxis != nullptr);
  filer.DefineProperty(
      u"CustomVertAxis",
      [this, customAxes](TReader& reader) {
        const int32_t index = reader.ReadInteger();
        TChartCustomAxes* axes = customAxes();
        if (axes != nullptr && AxisIndexInRange(reader, *this, index, axes->Count())) {
          SetCustomVertAxis(axes->Items(index));
        }
      },
      [this](TWriter& writer) { writer.WriteInteger(FCustomVertAxis->Index()); },
      FCustomVertAxis != nullptr);
  filer.DefineBinaryProperty(
      u"Data", [this](TStream& stream) { ReadSeriesData(stream); },
      [this](TStream& stream) { WriteSeriesData(stream); }, IsDataStored());
}

void TChartSeries::Assign(const TPersistent* source) {
  if (const auto* series = dynamic_cast<const TChartSeries*>(source)) {
    FColor = series->FColor;
    FColorEachPoint = series->FColorEachPoint;
    FColorSource = series->FColorSource;
    FXLabelsSource = series->FXLabelsSource;
    FCursor = series->FCursor;
    FDepth = series->FDepth;
    FTransparency = series->FTransparency;
    FValueFormat = series->FValueFormat;
    FPercentFormat = series->FPercentFormat;
    FHorizAxis = series->FHorizAxis;
    FVertAxis = series->FVertAxis;
    FMarks->Assign(series->FMarks.get());
    SetTitle(series->Title());
    SetActive(series->Active());
    for (int i = 0; i < std::min(FValueLists.Count(), series->FValueLists.Count()); ++i) {
      FValueLists[i]->Assign(series->FValueLists[i]);
    }
    return;
  }
  inherited::Assign(source);
}

void RegisterSeriesClasses() {
  RegisterValueListClasses();
  RegisterSeriesMarksClasses();
  RegisterClass<TKelSeriesSource>();
}

}  // namespace kel
