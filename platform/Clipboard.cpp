#include "platform/Clipboard.h"

#include <atomic>

namespace kel {
namespace {

std::atomic<Clipboard*> installedClipboard{nullptr};

}  // namespace

Clipboard* SystemClipboard() {
  return installedClipboard.load();
}

void SetSystemClipboard(Clipboard* clipboard) {
  installedClipboard.store(clipboard);
}

}  // namespace kel
