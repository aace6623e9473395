// The four corners of a rounded box, each with its own style.
#pragma once

#include <memory>

#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"

namespace kel {

KEL_ENUM(TKelCornerStyle, cosRound, cosBevel, cosNone)

class TKelCorner : public TPersistent, public TChangeNotifier {
  KEL_CLASS(TKelCorner, TPersistent)

 public:
  explicit TKelCorner(TNotifyEvent onChange = {}) : TChangeNotifier(std::move(onChange)) {}

  TKelCornerStyle Style() const { return FStyle; }
  void SetStyle(TKelCornerStyle value) { SetAndNotify(FStyle, value); }

  void Assign(const TPersistent* source) override;

 private:
  TKelCornerStyle FStyle = cosRound;
};

class TKelCorners : public TPersistent {
  KEL_CLASS(TKelCorners, TPersistent)

 public:
  // All four corners take the owner's notification.
  explicit TKelCorners(const TNotifyEvent& onChange = {});

  TKelCorner* LeftBottom() const { return FLeftBottom.get(); }
  void SetLeftBottom(TKelCorner* value) { FLeftBottom->Assign(value); }
  TKelCorner* LeftTop() const { return FLeftTop.get(); }
  void SetLeftTop(TKelCorner* value) { FLeftTop->Assign(value); }
  TKelCorner* RightBottom() const { return FRightBottom.get(); }
  void SetRightBottom(TKelCorner* value) { FRightBottom->Assign(value); }
  TKelCorner* RightTop() const { return FRightTop.get(); }
  void SetRightTop(TKelCorner* value) { FRightTop->Assign(value); }

  void Assign(const TPersistent* source) override;

 private:
  std::unique_ptr<TKelCorner> FLeftBottom;
  std::unique_ptr<TKelCorner> FLeftTop;
  std::unique_ptr<TKelCorner> FRightBottom;
  std::unique_ptr<TKelCorner> FRightTop;
};

}  // namespace kel
