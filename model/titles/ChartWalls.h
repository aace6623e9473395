// The chart's four walls (back, left, bottom and right) and the set of them.
#pragma once

#include <cstdint>
#include <memory>

#include "model/attributes/CustomShape.h"

namespace kel {

class IChartLink;

class TCustomChartWall : public TKelCustomShape {
  KEL_CLASS(TCustomChartWall, TKelCustomShape)

 public:
  explicit TCustomChartWall(TCustomKelPanel* parent);

  bool AutoHide() const { return FAutoHide; }
  void SetAutoHide(bool value) { SetAndNotify(FAutoHide, value); }
  bool Dark3D() const { return FDark3D; }
  void SetDark3D(bool value) { SetAndNotify(FDark3D, value); }
  int32_t EndPosition() const { return FEnd; }
  void SetEndPosition(int32_t value) { SetAndNotify(FEnd, value); }
  int32_t Size() const { return FSize; }
  void SetSize(int32_t value) { SetAndNotify(FSize, value); }
  int32_t StartPosition() const { return FStart; }
  void SetStartPosition(int32_t value) { SetAndNotify(FStart, value); }

  // Sets Color and the default it is written against.
  void AssignDefaultColor(TColor value);
  TColor DefaultColor = clDefault;

  void Assign(const TPersistent* source) override;

 private:
  bool FAutoHide = false;
  bool FDark3D = true;
  int32_t FEnd = 100;
  int32_t FSize = 0;
  int32_t FStart = 0;
};

// Publishes what every wall writes.
class TChartWall : public TCustomChartWall {
  KEL_CLASS(TChartWall, TCustomChartWall)

 public:
  using TCustomChartWall::TCustomChartWall;
};

// Silver and transparent; its shadow and emboss start hidden and gray.
class TChartBackWall : public TChartWall {
  KEL_CLASS(TChartBackWall, TChartWall)

 public:
  explicit TChartBackWall(TCustomKelPanel* parent);

  void PrepareShadow(TKelShadow& shadow) override;
  void PrepareEmboss(TKelEmboss& emboss) override;
};

// Light yellow.
class TChartLeftWall : public TChartWall {
  KEL_CLASS(TChartLeftWall, TChartWall)

 public:
  explicit TChartLeftWall(TCustomKelPanel* parent);
};

// White.
class TChartBottomWall : public TChartWall {
  KEL_CLASS(TChartBottomWall, TChartWall)

 public:
  explicit TChartBottomWall(TCustomKelPanel* parent);
};

// Silver and hidden.
class TChartRightWall : public TChartWall {
  KEL_CLASS(TChartRightWall, TChartWall)

 public:
  explicit TChartRightWall(TCustomKelPanel* parent);
};

// The four walls of a chart. The right wall is made on first access.
class TChartWalls : public TPersistent {
  KEL_CLASS(TChartWalls, TPersistent)

 public:
  explicit TChartWalls(TCustomKelPanel* parent);
  ~TChartWalls() override;

  // The chart whose View3DWalls is the walls' Visible; none until the chart
  // sets it.
  void SetChart(IChartLink* chart) { FChart = chart; }

  TChartBackWall* Back() const { return FBack.get(); }
  TChartLeftWall* Left() const { return FLeft.get(); }
  TChartBottomWall* Bottom() const { return FBottom.get(); }
  TChartRightWall* Right();
  bool HasRight() const { return FRight != nullptr; }

  bool Visible() const;
  void SetVisible(bool value);
  // Sets the Size of all four walls.
  void SetSize(int32_t value);

  void Assign(const TPersistent* source) override;

 private:
  TCustomKelPanel* FParent;
  IChartLink* FChart = nullptr;
  std::unique_ptr<TChartBackWall> FBack;
  std::unique_ptr<TChartLeftWall> FLeft;
  std::unique_ptr<TChartBottomWall> FBottom;
  std::unique_ptr<TChartRightWall> FRight;
};

}  // namespace kel
