// The one-line progress of a batch on a terminal: files done of the total,
// failures so far and the rate, redrawn in place and erased at the end.
// Report lines are printed between an Erase and the next Draw, so that they
// never mix with it.
#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

namespace kel {

// The text of the line, e.g. "1200 of 10000 files, 2 failed, 850 files/s".
std::string ProgressText(size_t done, size_t total, size_t failed, double filesPerSecond);

class ProgressLine {
 public:
  using Clock = std::chrono::steady_clock;

  // A line that shows nothing when `shown` is false.
  ProgressLine(std::ostream& terminal, size_t total, bool shown);

  // Redraws the line for `done` files and `failed` failures, at most every
  // tenth of a second unless `now` is set.
  void Draw(size_t done, size_t failed, bool now = false);
  // Removes the line and leaves the cursor at the start of it.
  void Erase();

 private:
  std::ostream& FTerminal;
  size_t FTotal;
  bool FShown;
  bool FDrawn = false;
  Clock::time_point FStart = Clock::now();
  Clock::time_point FLastDraw;
};

// Whether standard error is a terminal, where a progress line belongs.
bool StandardErrorIsTerminal();

}  // namespace kel
