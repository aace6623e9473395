// The system clipboard through Qt.
#pragma once

#include "platform/Clipboard.h"

namespace kel {

class QtClipboard : public Clipboard {
 public:
  void SetText(const std::u16string& text) override;
};

}  // namespace kel
