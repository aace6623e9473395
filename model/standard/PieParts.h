// The helper objects of circled and pie series: their grey shadow and emboss,
// the per-slice integer lists, the grouped "other" slice, the marks and bevel
// settings, and the optional circular frame with its three brushes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/attributes/Brush.h"
#include "model/attributes/CustomShape.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Shadow.h"

namespace kel {

class TChartLegend;
class TChartSeries;

KEL_ENUM(TPieOtherStyle, poNone, poBelowPercent, poBelowValue)

// Grey, 3 by 3, and written against those values.
class TCircledShadow : public TKelShadow {
  KEL_CLASS(TCircledShadow, TKelShadow)

 public:
  explicit TCircledShadow(TNotifyEvent onChange = {});
};

class TCircledEmboss : public TKelEmboss {
  KEL_CLASS(TCircledEmboss, TKelEmboss)

 public:
  explicit TCircledEmboss(TNotifyEvent onChange = {});
};

// One integer per slice (explosion, height); not written.
class TSliceValueList {
 public:
  int32_t Value(int index) const;
  void SetValue(int index, int32_t value);
  int Count() const { return static_cast<int>(FItems.size()); }

 private:
  std::vector<int32_t> FItems;
};

// The slice that groups the small slices of a pie.
class TPieOtherSlice : public TPersistent {
  KEL_CLASS(TPieOtherSlice, TPersistent)

 public:
  explicit TPieOtherSlice(TChartSeries* pie);
  ~TPieOtherSlice() override;

  TColor FColor = clDefault;
  TPieOtherStyle FStyle = poNone;
  double FValue = 0;

  // "Other" while none is set; written only once set.
  std::u16string Text() const;
  void SetText(const std::u16string& value) { FText = value; }
  bool IsTextStored() const { return !FText.empty(); }

  // Created on first access, hidden while its default-visible flag stays set.
  TChartLegend* Legend();
  void SetLegend(TChartLegend* value);

  void Assign(const TPersistent* source) override;

 private:
  TChartSeries* FPie;
  std::u16string FText;
  std::unique_ptr<TChartLegend> FLegend;
};

class TPieMarks : public TPersistent {
  KEL_CLASS(TPieMarks, TPersistent)

 public:
  bool FEmptySlice = false;
  bool FInsideSlice = false;
  bool FRotated = false;
  bool FVertCenter = false;
  int32_t FLegSize = 0;

  void Assign(const TPersistent* source) override;
};

class TPieBevel : public TPersistent {
  KEL_CLASS(TPieBevel, TPersistent)

 public:
  int32_t FBright = 32;
  int32_t FPercent = 0;
  bool FUseBorder = true;

  void Assign(const TPersistent* source) override;
};

// A frame brush with its share of the frame's width.
class TFrameBrush : public TKelBrush {
  KEL_CLASS(TFrameBrush, TKelBrush)

 public:
  TFrameBrush(TNotifyEvent onChange, float defaultSize);

  float FSize;
  float DefaultSize;
  bool IsSizeStored() const { return FSize != DefaultSize; }

  void Assign(const TPersistent* source) override;
};

class TFramedBorder : public TKelCustomShapeBrushPen {
  KEL_CLASS(TFramedBorder, TKelCustomShapeBrushPen)

 public:
  explicit TFramedBorder(TCustomKelPanel* parent);
  ~TFramedBorder() override;

  bool FCircled = false;
  bool DefaultCircled = false;
  bool IsCircledStored() const { return FCircled != DefaultCircled; }
  int32_t FWidth = 10;

  TKelEmboss* Emboss() const { return FEmboss.get(); }
  void SetEmboss(TKelEmboss* value) { FEmboss->Assign(value); }
  TKelShadow* Shadow() const { return FShadow.get(); }
  void SetShadow(TKelShadow* value) { FShadow->Assign(value); }
  TFrameBrush* InnerBrush() const { return FInnerBrush.get(); }
  void SetInnerBrush(TFrameBrush* value) { FInnerBrush->Assign(value); }
  TFrameBrush* MiddleBrush() const { return FMiddleBrush.get(); }
  void SetMiddleBrush(TFrameBrush* value) { FMiddleBrush->Assign(value); }
  TFrameBrush* OuterBrush() const { return FOuterBrush.get(); }
  void SetOuterBrush(TFrameBrush* value) { FOuterBrush->Assign(value); }

  void Assign(const TPersistent* source) override;
  // Reads and drops the former "ParentSeries" entry.
  void DefineProperties(TFiler& filer) override;

 private:
  std::unique_ptr<TKelEmboss> FEmboss;
  std::unique_ptr<TKelShadow> FShadow;
  std::unique_ptr<TFrameBrush> FInnerBrush;
  std::unique_ptr<TFrameBrush> FMiddleBrush;
  std::unique_ptr<TFrameBrush> FOuterBrush;
};

class TCircularFrame : public TFramedBorder {
  KEL_CLASS(TCircularFrame, TFramedBorder)

 public:
  using TFramedBorder::TFramedBorder;

  int32_t FRotationAngle = 0;
  int32_t FTotalAngle = 360;

  void Assign(const TPersistent* source) override;
};

}  // namespace kel
