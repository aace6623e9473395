// The progress of a folder batch: which file of how many is being converted,
// and whether the user asked to stop. While it is shown the window takes no
// other input; destroying it closes it.
#pragma once

#include <string>
#include <string_view>

namespace kel {

class BatchProgress {
 public:
  virtual ~BatchProgress() = default;

  // Shows that file `k` (counted from 1) of `n`, named `fileName`, is next.
  virtual void Show(int k, int n, std::u16string_view fileName) = 0;
  // Lets pending input through; true once the user has pressed Cancel.
  virtual bool Cancelled() = 0;
};

// The dialog's text: "Converting file k of n" and the file name on a second
// line.
std::u16string BatchProgressText(int k, int n, std::u16string_view fileName);

}  // namespace kel
