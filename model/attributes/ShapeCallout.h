// The callout of a shape: a pointer drawn from one side of the box.
#pragma once

#include <cstdint>

#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"

namespace kel {

KEL_ENUM(TShapeCalloutSide, csNone, csLeft, csTop, csRight, csBottom)

class TShapeCallout : public TPersistent, public TChangeNotifier {
  KEL_CLASS(TShapeCallout, TPersistent)

 public:
  // owner is the shape the callout belongs to; onChange repaints it.
  explicit TShapeCallout(TPersistent* owner, TNotifyEvent onChange = {})
      : TChangeNotifier(std::move(onChange)), FOwner(owner) {}

  int32_t PointPosition() const { return FPointPosition; }
  void SetPointPosition(int32_t value) { SetAndNotify(FPointPosition, value); }
  int32_t Position() const { return FPosition; }
  void SetPosition(int32_t value) { SetAndNotify(FPosition, value); }
  TShapeCalloutSide Side() const { return FSide; }
  void SetSide(TShapeCalloutSide value) { SetAndNotify(FSide, value); }
  int32_t Size() const { return FSize; }
  void SetSize(int32_t value) { SetAndNotify(FSize, value); }
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t value) { SetAndNotify(FWidth, value); }

  TPersistent* GetOwner() override { return FOwner; }
  void Assign(const TPersistent* source) override;

 private:
  TPersistent* FOwner;
  int32_t FPointPosition = 50;
  int32_t FPosition = 50;
  TShapeCalloutSide FSide = csNone;
  int32_t FSize = 25;
  int32_t FWidth = 20;
};

}  // namespace kel
