// The system clipboard as the data exports use it: a place to put text. A
// program with a window system installs its clipboard at start-up; without
// one, copying does nothing.
#pragma once

#include <string>

namespace kel {

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  virtual void SetText(const std::u16string& text) = 0;
};

// The installed clipboard, or null. `clipboard` is not owned and must outlive
// its use; null uninstalls it.
Clipboard* SystemClipboard();
void SetSystemClipboard(Clipboard* clipboard);

}  // namespace kel
