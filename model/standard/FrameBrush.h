// The brushes of the rings of a pie frame.
#pragma once

#include "model/attributes/Brush.h"

namespace kel {

// A frame brush with its share of the frame's width.
class TFrameBrush : public TKelBrush {
  KEL_CLASS(TFrameBrush, TKelBrush)

 public:
  TFrameBrush(TNotifyEvent onChange, float defaultSize);

  float FSize;
  // The size it is written against.
  float DefaultSize;

  void Assign(const TPersistent* source) override;
};

}  // namespace kel
