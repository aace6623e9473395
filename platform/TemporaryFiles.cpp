#include "platform/TemporaryFiles.h"

#include <limits.h>
#include <pthread.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstring>

namespace kel {
namespace {

enum SlotState : int { kFree, kFilling, kRegistered };

struct Slot {
  std::atomic<int> state{kFree};
  char fileName[PATH_MAX];
};

// Enough for every output of a chart on every worker of a batch.
std::array<Slot, 256> gSlots;
// Set by the first signal handler; uninterrupted steps that start after it
// wait for the end of the process instead.
std::atomic<bool> gEnding{false};
// The uninterrupted steps running now, which a handler lets finish first.
std::atomic<int> gStepsRunning{0};

constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};

void RemoveTemporaryFilesAndEnd(int signal) {
  gEnding.store(true);
  while (gStepsRunning.load() > 0) {
    const timespec pause{0, 1'000'000};
    ::nanosleep(&pause, nullptr);
  }
  for (Slot& slot : gSlots) {
    if (slot.state.load() == kRegistered) ::unlink(slot.fileName);
  }
  // The handler was reset to the default on entry and the signal is not
  // held back inside it: raising it ends the process by this signal.
  ::raise(signal);
}

sigset_t CleanupSignalSet() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signal : kCleanupSignals) sigaddset(&set, signal);
  return set;
}

}  // namespace

void RemoveTemporaryFilesOnSignals() {
  for (const int signal : kCleanupSignals) {
    struct sigaction previous {};
    ::sigaction(signal, nullptr, &previous);
    // A signal the caller chose to ignore (nohup, background jobs) stays so.
    if (previous.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = RemoveTemporaryFilesAndEnd;
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
  ::signal(SIGXFSZ, SIG_IGN);
}

TemporaryFileRegistration::TemporaryFileRegistration(const std::string& fileName) : FSlot(-1) {
  if (fileName.size() >= PATH_MAX) return;
  for (size_t i = 0; i < gSlots.size(); ++i) {
    int expected = kFree;
    if (!gSlots[i].state.compare_exchange_strong(expected, kFilling)) continue;
    std::memcpy(gSlots[i].fileName, fileName.c_str(), fileName.size() + 1);
    gSlots[i].state.store(kRegistered);
    FSlot = static_cast<int>(i);
    return;
  }
}

TemporaryFileRegistration::~TemporaryFileRegistration() {
  if (FSlot >= 0) gSlots[static_cast<size_t>(FSlot)].state.store(kFree);
}

void RunUninterrupted(const std::function<void()>& step) {
  const sigset_t held = CleanupSignalSet();
  sigset_t previous;
  ::pthread_sigmask(SIG_BLOCK, &held, &previous);
  gStepsRunning.fetch_add(1);
  if (gEnding.load()) {
    // A handler on another thread is removing the temporary files and ends
    // the process; nothing may be made or put in place any more.
    gStepsRunning.fetch_sub(1);
    for (;;) ::pause();
  }
  struct Release {
    sigset_t mask;
    ~Release() {
      gStepsRunning.fetch_sub(1);
      ::pthread_sigmask(SIG_SETMASK, &mask, nullptr);
    }
  } release{previous};
  step();
}

}  // namespace kel
