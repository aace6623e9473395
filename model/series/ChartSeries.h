// The series base classes: TCustomChartSeries (identifier, legend shape,
// style, title) and TChartSeries, which holds the points (value lists,
// colours, labels, mark positions), the marks, the data sources and the
// function, and writes its points as the "Data" block.
//
// TChartSeries declares every common property; each concrete series class
// publishes the ones it streams in its own table, in its own order, using the
// accessors and stored predicates below.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/attributes/Gradient.h"
#include "model/chart/ChartElement.h"
#include "model/series/ChartValueList.h"
#include "model/series/DataSourcesList.h"
#include "model/series/LabelsList.h"
#include "model/series/SeriesList.h"

namespace kel {

class TChartAxis;
class TChartSeries;
class TSeriesLegend;
class TSeriesMarks;
class TStream;

KEL_ENUM(TChartSeriesStyleItem,
         tssIsTemplate,
         tssDenyChangeType,
         tssDenyDelete,
         tssDenyClone,
         tssIsPersistent,
         tssHideDataSource)
using TChartSeriesStyle = TSet<TChartSeriesStyleItem>;
KEL_ENUM(TSeriesRecalcOption, rOnDelete, rOnModify, rOnInsert, rOnClear)
using TSeriesRecalcOptions = TSet<TSeriesRecalcOption>;
KEL_ENUM(THorizAxis, aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis)
KEL_ENUM(TVertAxis, aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis)

class TCustomChartSeries : public TCustomChartElement {
  KEL_CLASS(TCustomChartSeries, TCustomChartElement)

 public:
  explicit TCustomChartSeries(TComponent* owner);
  ~TCustomChartSeries() override;

  const std::u16string& Identifier() const { return FIdentifier; }
  void SetIdentifier(const std::u16string& value) { FIdentifier = value; }
  // Created on first access.
  TSeriesLegend* Legend();
  void SetLegend(TSeriesLegend* value);
  bool IsLegendStored() const { return FLegend != nullptr; }
  TChartSeriesStyle Style() const { return FStyle; }
  void SetStyle(TChartSeriesStyle value) { FStyle = value; }
  const std::u16string& Title() const { return FTitle; }
  void SetTitle(const std::u16string& value);

  // The legend shape's text and visibility.
  std::u16string LegendTitle() const;
  void SetLegendTitle(const std::u16string& value);
  bool ShowInLegend() const;
  void SetShowInLegend(bool value);

  // "Identifier" and "Style".
  void DefineProperties(TFiler& filer) override;

 private:
  std::u16string FIdentifier;
  std::unique_ptr<TSeriesLegend> FLegend;
  TChartSeriesStyle FStyle;
  std::u16string FTitle;
};

// An object told when a series it watches is freed.
class ISeriesFreeWatcher {
 public:
  virtual void SeriesFreed(TChartSeries& series) = 0;

 protected:
  ~ISeriesFreeWatcher() = default;
};

// What linked series are told when their source's points change.
enum class TSeriesNotification { Clear, Added, Deleted, Modified, Refresh };

class TChartSeries : public TCustomChartSeries, public IChartSeries {
  KEL_CLASS(TChartSeries, TCustomChartSeries)

 public:
  explicit TChartSeries(TComponent* owner);
  ~TChartSeries() override;

  // --- Points ---
  int Count() const { return FX->Count(); }
  TChartValueList* XValues() const { return FX; }
  TChartValueList* YValues() const { return FY; }
  void SetXValues(TChartValueList* value);
  void SetYValues(TChartValueList* value);
  const TChartValueLists& ValueLists() const { return FValueLists; }
  // 0 = X, 1 = Y, 2 upward = the class's extra lists in creation order.
  TChartValueList* ValueList(int index) const { return FValueLists[index]; }
  TChartValueList* MandatoryValueList() const { return FMandatory; }
  TChartValueList* NotMandatoryValueList() const { return FNotMandatory; }
  bool YMandatory() const { return FMandatory == FY; }
  double XValue(int index) const { return FX->Value(index); }
  double YValue(int index) const { return FY->Value(index); }
  const TLabelsList& Labels() const { return FLabels; }
  std::u16string XLabel(int index) const { return FLabels.GetLabel(index); }
  void SetXLabel(int index, const std::u16string& value) { FLabels.SetLabel(index, value); }
  // The point's own colour: clDefault when it has none.
  TColor StoredColor(int index) const;
  void SetStoredColor(int index, TColor color);
  bool HasColors() const { return !FColors.empty(); }
  // The point's own colour unless clDefault; else the palette colour of the
  // index when ColorEachPoint is set; else the effective series colour.
  TColor ValueColor(int index) const;
  bool IsNull(int index) const { return StoredColor(index) == clNone; }
  void SetNull(int index, bool null = true);

  // Adds one point and returns its index (-1 when OnBeforeAdd refuses it).
  int AddXY(double x, double y, const std::u16string& label = {}, TColor color = clDefault);
  int Add(double value, const std::u16string& label = {}, TColor color = clDefault);
  int AddX(double value, const std::u16string& label = {}, TColor color = clDefault);
  int AddY(double value, const std::u16string& label = {}, TColor color = clDefault);
  int AddNull(double value);
  int AddNull(const std::u16string& label);
  int AddNullXY(double x, double y, const std::u16string& label = {});
  void Clear();
  // Room in every value list for `count` points without growing.
  void ReservePoints(int count);
  // Raises "Series Delete: ValueIndex %d out of bounds (0 to %d)." for an
  // index at or beyond Count.
  void Delete(int index);
  // Swaps two points in every list.
  void SwapValueIndex(int index1, int index2);
  double DefaultNull = 0;

  void BeginUpdate() { ++FUpdating; }
  // Back at zero, refreshes the linked series and tells the chart.
  void EndUpdate();
  bool Updating() const { return FUpdating > 0; }
  // Tells the linked series that the points changed as a whole.
  void RefreshSeries();

  // --- Colour ---
  TColor SeriesColor() const override { return FColor; }
  void SetSeriesColor(TColor value) override;
  bool IsSeriesColorStored() const { return FColor != clDefault; }
  // SeriesColor, or the colour the chart assigned while it is automatic.
  TColor EffectiveColor() const { return FColor == clDefault ? FAssignedColor : FColor; }
  TColor ColorInUse() const override { return EffectiveColor(); }
  // The colour the chart picked for an automatic series (never written).
  void SetAutomaticColor(TColor value) override;
  bool ColorEachPoint() const { return FColorEachPoint; }
  void SetColorEachPoint(bool value);
  // A class that starts with ColorEachPoint set writes it when False.
  bool DefaultColorEachPoint = false;

  // --- Common published settings ---
  bool Active() const override { return TCustomChartElement::Active(); }
  void SetActive(bool value) override;
  bool ShowInLegend() const override { return TCustomChartSeries::ShowInLegend(); }
  const std::u16string& ColorSource() const { return FColorSource; }
  void SetColorSource(const std::u16string& value) { FColorSource = value; }
  const std::u16string& XLabelsSource() const { return FXLabelsSource; }
  void SetXLabelsSource(const std::u16string& value) { FXLabelsSource = value; }
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value) { FCursor = value; }
  int32_t Depth() const { return FDepth; }
  void SetDepth(int32_t value);
  int32_t ZOrder() const { return FZOrder; }
  void SetZOrder(int32_t value) { FZOrder = value; }
  TKelTransparency Transparency() const { return FTransparency; }
  void SetTransparency(TKelTransparency value);
  const std::u16string& ValueFormat() const { return FValueFormat; }
  void SetValueFormat(const std::u16string& value);
  bool IsValueFormatStored() const;
  const std::u16string& PercentFormat() const { return FPercentFormat; }
  void SetPercentFormat(const std::u16string& value);
  bool IsPercentFormatStored() const;
  THorizAxis HorizAxis() const { return FHorizAxis; }
  void SetHorizAxis(THorizAxis value);
  TVertAxis VertAxis() const { return FVertAxis; }
  void SetVertAxis(TVertAxis value);
  // Custom axes of the chart; null when none.
  TChartAxis* CustomHorizAxis() const { return FCustomHorizAxis; }
  void SetCustomHorizAxis(TChartAxis* value);
  TChartAxis* CustomVertAxis() const { return FCustomVertAxis; }
  void SetCustomVertAxis(TChartAxis* value);

  // Watchers are told, once, when the series is freed.
  void AddFreeWatcher(ISeriesFreeWatcher* watcher);
  void RemoveFreeWatcher(ISeriesFreeWatcher* watcher);
  TSeriesMarks* Marks() const { return FMarks.get(); }
  void SetMarks(TSeriesMarks* value);
  TSeriesRecalcOptions RecalcOptions{rOnDelete, rOnModify, rOnInsert, rOnClear};

  // The chart as a published property: never written, read by attaching.
  TComponent* ParentChartComponent() const;
  void SetParentChartComponent(TComponent* value);

  // Events: written only when assigned.
  TMethod AfterDrawValues, BeforeDrawValues, OnAfterAdd, OnClearValues, OnClick, OnDblClick,
      OnGetMarkText, OnMouseEnter, OnMouseLeave;
  TMethod OnBeforeAdd;
  // The code that OnBeforeAdd stands for: returns False to refuse a point.
  std::function<bool(TChartSeries&)> BeforeAdd;

  // --- Data sources ---
  // The first data source, or null.
  TComponent* DataSource() const;
  // Links value as the only data source (null removes every source).
  void SetDataSource(TComponent* value);
  bool IsDataSourceStored() const { return FDataSources.Count() == 1; }
  const TDataSourcesList& DataSources() const { return FDataSources; }
  // Links a further source without removing the present ones.
  void AddDataSource(TComponent* source);
  void RemoveDataSource(TComponent* source);
  // Whether the series may take its values from source.
  virtual bool IsValidSourceOf(TComponent* source) const;
  // Recomputes the points from the data source when not updating or loading.
  void CheckDataSource();
  // Replaces the points with a copy of source's.
  void AssignValues(TChartSeries& source);
  const std::vector<TChartSeries*>& LinkedSeries() const { return FLinkedSeries; }

  // --- Function ---
  TComponent* FunctionComponent() const { return FFunction; }
  // Frees the previous function and makes f the series' function (the
  // series frees it with itself); clears ManualData and recalculates.
  void SetFunction(TComponent* f);
  // Called by a function being destroyed: the series no longer has it.
  void ForgetFunction(const TComponent* f);

  // --- Data block ---
  bool ForceSaveData = false;
  bool DontSaveData = false;
  bool ManualData = false;
  // Whether "Data" is written.
  bool IsDataStored() const { return ForceSaveData || (ManualData && !DontSaveData); }
  // The block of the points; a class may write its own.
  virtual void WriteSeriesData(TStream& stream);
  void ReadSeriesData(TStream& stream) override;
  // Cleared by classes whose X values are never stored.
  bool IUseNotMandatory = true;

  // --- Chart link ---
  TComponent& SeriesComponent() override { return *this; }
  bool DontSerialize() const override { return FDontSerialize; }
  void SetForceSaveData(bool value) override { ForceSaveData = value; }
  void SetDontSaveData(bool value) override { DontSaveData = value; }
  void ClearDataSource() override;
  void SetParentChart(TCustomAxisPanel* value) override;

  // --- Component hooks ---
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;
  bool HasParent() const override { return true; }
  void LoadFinished() override;
  void DefineProperties(TFiler& filer) override;
  void Assign(const TPersistent* source) override;

 protected:
  // Makes a value list of this series and appends it to its lists.
  TChartValueList* AddValueList(const std::u16string& name);
  // Makes X the mandatory list, kept in arrival order, and places the points
  // by Y: a horizontal series.
  void SetHorizontal();
  void Repaint() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Tells every linked series what happened to point index (-1 for all).
  void NotifyLinked(TSeriesNotification kind, int index);

 private:
  friend class TChartValueList;

  // Inserts the staged values of every list at the index the X list chose.
  int InsertPoint(const std::u16string& label, TColor color);
  void CopyPoint(TChartSeries& source, int index);
  void ClearDataSources();
  // Validates source and links it; replace first removes the present ones.
  void AddDataSourceChecked(TComponent* source, bool replace);
  bool DependsOn(const TChartSeries* series) const;
  void ReactTo(TSeriesNotification kind, TChartSeries& source, int index);
  void ResolveAxes();
  void ValueListModified();

  TChartValueLists FValueLists;
  TChartValueList* FX;
  TChartValueList* FY;
  TChartValueList* FMandatory;
  TChartValueList* FNotMandatory;
  std::vector<TColor> FColors;
  TLabelsList FLabels;
  std::unique_ptr<TSeriesMarks> FMarks;
  TDataSourcesList FDataSources;
  std::vector<std::u16string> FDataSourceNames;
  std::vector<TChartSeries*> FLinkedSeries;
  TComponent* FFunction = nullptr;

  TColor FColor = clDefault;
  TColor FAssignedColor = clDefault;
  bool FColorEachPoint = false;
  std::u16string FColorSource;
  std::u16string FXLabelsSource;
  TCursor FCursor = crDefault;
  int32_t FDepth = -1;
  int32_t FZOrder = -1;
  TKelTransparency FTransparency = 0;
  std::u16string FValueFormat;
  std::u16string FPercentFormat;
  THorizAxis FHorizAxis = aBottomAxis;
  TVertAxis FVertAxis = aLeftAxis;
  TChartAxis* FCustomHorizAxis = nullptr;
  TChartAxis* FCustomVertAxis = nullptr;
  std::vector<ISeriesFreeWatcher*> FFreeWatchers;
  int FUpdating = 0;
};

// Registers the series base classes by name.
void RegisterSeriesClasses();

}  // namespace kel
