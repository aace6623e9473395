// The full-screen tool: shows the chart maximised until its release key.
#pragma once

#include <cstdint>
#include <string>

#include "model/tools/KelCustomTool.h"

namespace kel {

class TFullScreenTool : public TKelCustomTool {
  KEL_CLASS(TFullScreenTool, TKelCustomTool)

 public:
  explicit TFullScreenTool(TComponent* owner);

  // The Escape key.
  static constexpr uint16_t kEscapeKey = 27;

  uint16_t ReleaseKey = kEscapeKey;
  TMethod OnReset;

  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;
};

}  // namespace kel
