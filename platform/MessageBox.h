// The informational message box.
#pragma once

#include <string>

namespace kel {

class MessageBox {
 public:
  virtual ~MessageBox() = default;

  // Shows `text` and waits until the user acknowledges it.
  virtual void Show(const std::u16string& text) = 0;
};

}  // namespace kel
