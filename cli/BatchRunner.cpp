#include "cli/BatchRunner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "cli/ProgressLine.h"
#include "platform/MessageText.h"

namespace kel {
namespace {

// How often the printer takes the reports that did not wake it, and
// refreshes the progress line.
constexpr auto kPrinterRound = std::chrono::milliseconds(100);

FileReport RunItem(const BatchItem& item, const FileJob& job) {
  if (item.failure) return {{}, item.failure};
  try {
    return job(item.path);
  } catch (const std::exception& failure) {
    return {{}, FailureText(failure)};
  }
}

// The reports of the items, filled by the workers in any order and taken
// out by the printer in the items' order.
class ReportSlots {
 public:
  explicit ReportSlots(size_t count) : FReports(count) {}

  // Wakes the printer only for a report with lines to print and for the
  // last report: a wake-up for every file costs two context switches, which
  // are taken from the workers when they use every processor. Reports with
  // nothing to print wait for the printer's next round.
  void Put(size_t index, FileReport report) {
    bool wake = false;
    {
      std::lock_guard guard(FLock);
      wake = ++FPut == FReports.size() || report.HasLines();
      FReports[index] = std::move(report);
    }
    if (wake) FReady.notify_one();
  }

  // The report of `index` once it is there, or nothing after `patience`.
  std::optional<FileReport> Take(size_t index, std::chrono::milliseconds patience) {
    std::unique_lock guard(FLock);
    if (!FReady.wait_for(guard, patience, [&] { return FReports[index].has_value(); })) return {};
    std::optional<FileReport> report = std::move(FReports[index]);
    FReports[index].reset();
    return report;
  }

 private:
  std::mutex FLock;
  std::condition_variable FReady;
  std::vector<std::optional<FileReport>> FReports;
  size_t FPut = 0;
};

}  // namespace

bool RunBatch(const std::vector<BatchItem>& items,
              unsigned workers,
              const FileJob& job,
              std::ostream& errors,
              ProgressLine& progress) {
  ReportSlots slots(items.size());
  std::atomic<size_t> next{0};
  std::vector<std::jthread> threads;
  const size_t threadCount = std::clamp<size_t>(workers, 1, std::max<size_t>(items.size(), 1));
  for (size_t t = 0; t < threadCount; ++t) {
    threads.emplace_back([&] {
      for (size_t i = next++; i < items.size(); i = next++) slots.Put(i, RunItem(items[i], job));
    });
  }

  size_t failed = 0;
  for (size_t printed = 0; printed < items.size();) {
    progress.Draw(printed, failed);
    const std::optional<FileReport> report = slots.Take(printed, kPrinterRound);
    if (!report) continue;
    if (report->HasLines()) {
      progress.Erase();
      PrintFileReport(errors, items[printed].path, *report);
    }
    failed += report->Failed() ? 1 : 0;
    ++printed;
  }
  progress.Erase();
  return failed == 0;
}

}  // namespace kel
