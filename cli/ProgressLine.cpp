#include "cli/ProgressLine.h"

#include <unistd.h>

#include <cstdio>

namespace kel {
namespace {

// Back to the start of the line and clear it to its end.
constexpr const char* kEraseLine = "\r\x1b[K";
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

std::string ProgressText(size_t done, size_t total, size_t failed, double filesPerSecond) {
  char rate[32];
  std::snprintf(rate, sizeof rate, "%.0f", filesPerSecond);
  return std::to_string(done) + " of " + std::to_string(total) + " files, " +
         std::to_string(failed) + " failed, " + rate + " files/s";
}

ProgressLine::ProgressLine(std::ostream& terminal, size_t total, bool shown)
    : FTerminal(terminal), FTotal(total), FShown(shown) {}

void ProgressLine::Draw(size_t done, size_t failed, bool now) {
  if (!FShown) return;
  const Clock::time_point time = Clock::now();
  if (!now && FDrawn && time - FLastDraw < kRedrawInterval) return;
  const double seconds = std::chrono::duration<double>(time - FStart).count();
  FTerminal << kEraseLine << ProgressText(done, FTotal, failed, seconds > 0 ? done / seconds : 0)
            << std::flush;
  FDrawn = true;
  FLastDraw = time;
}

void ProgressLine::Erase() {
  if (!FDrawn) return;
  FTerminal << kEraseLine << std::flush;
  FDrawn = false;
}

bool StandardErrorIsTerminal() {
  return ::isatty(STDERR_FILENO) == 1;
}

}  // namespace kel
