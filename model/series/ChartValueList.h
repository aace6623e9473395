// A series' list of values of one kind (X, Y, or a class's extra values):
// a growable array of doubles with its ordering rule and statistics.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "persist/ClassDeclaration.h"
#include "persist/HugePages.h"

namespace kel {

class TChartSeries;

KEL_ENUM(TChartListOrder, loNone, loAscending, loDescending)

class TChartValueList : public TPersistent {
  KEL_CLASS(TChartValueList, TPersistent)

 public:
  // Values in huge pages when there are millions of them.
  using TValues = std::vector<double, THugePageAllocator<double>>;

  // An empty list; a series makes its lists with TChartSeries::AddValueList,
  // which appends them to its value lists.
  TChartValueList(TChartSeries* owner, const std::u16string& name);
  ~TChartValueList() override;

  TChartSeries* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FValues.size()); }
  double Value(int index) const { return FValues[static_cast<size_t>(index)]; }
  double operator[](int index) const { return Value(index); }
  void SetValue(int index, double value);
  const TValues& Values() const { return FValues; }
  double First() const { return FValues.front(); }
  double Last() const { return FValues.back(); }

  // The value that the next AddValue stores.
  double TempValue = 0;
  // Stores TempValue at its place by Order and returns its index: appended
  // unless Order asks for it to go before a later value; equal values keep
  // their order of arrival.
  int AddValue();
  // Inserts value at index (0..Count), shifting the later values.
  void InsertValue(int index, double value);
  void Delete(int index);
  // Deletes quantity values from start, clipped to the values present.
  void Delete(int start, int quantity);
  // Count 0, storage released.
  void Clear();
  // Room for `count` values without growing.
  void Reserve(int count);
  void Exchange(int index1, int index2);
  // Value i := i for every i.
  void FillSequence();
  // Sorts the owner's points by this list in its Order (nothing for loNone).
  void Sort();
  // The first index holding value, or -1.
  int Locate(double value) const;

  double MaxValue();
  double MinValue();
  double Total();
  double TotalABS();
  double Range() { return MaxValue() - MinValue(); }
  // The value at index in the general float format.
  std::u16string ValueToString(int index) const;

  // Marks the statistics for recomputation and tells the owner.
  void Modified();

  // Published.
  bool DateTime() const { return FDateTime; }
  void SetDateTime(bool value);
  // Sets DateTime and the default it is written against.
  void AssignDefaultDateTime(bool value);
  bool DefaultDateTime = false;
  const std::u16string& Name() const { return FName; }
  void SetName(const std::u16string& value) { FName = value; }
  TChartListOrder Order() const { return FOrder; }
  void SetOrder(TChartListOrder value);
  const std::u16string& ValueSource() const { return FValueSource; }
  void SetValueSource(const std::u16string& value);

  void Assign(const TPersistent* source) override;
  // Reads the obsolete "Multiplier".
  void DefineProperties(TFiler& filer) override;

  // Low-level access for the owner series, which keeps its lists in step.
  TValues& Storage() { return FValues; }

 private:
  void Recalc();

  TChartSeries* FOwner;
  TValues FValues;
  bool FDateTime = false;
  std::u16string FName;
  TChartListOrder FOrder = loNone;
  std::u16string FValueSource;
  bool FStatsValid = false;
  double FMaxValue = 0;
  double FMinValue = 0;
  double FTotal = 0;
  double FTotalABS = 0;
};

// The owning list of a series' value lists, in creation order.
class TChartValueLists {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  TChartValueList* operator[](int index) const { return FItems[static_cast<size_t>(index)].get(); }
  void Add(std::unique_ptr<TChartValueList> list) { FItems.push_back(std::move(list)); }

 private:
  std::vector<std::unique_ptr<TChartValueList>> FItems;
};

// Registers the value list class by name.
void RegisterValueListClasses();

}  // namespace kel
