// Runs one job per file of a batch on several workers and reports the files
// in the batch's order, as if they had run one after another.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/FileReport.h"

namespace kel {

class ProgressLine;

// One file of a batch; `failure` is set when the file failed before its job
// could run (a folder that cannot be listed, an output another input claims).
struct BatchItem {
  std::string path;
  std::optional<std::string> failure;
};

// The work done for one file: converting it, or only loading it. It runs on
// a worker thread, one file at a time per worker; a failure is raised as an
// exception, whose message becomes the report's failure.
using FileJob = std::function<FileReport(const std::string& path)>;

// Runs `job` for every item on `workers` threads (at most one per item), and
// prints each item's report to `errors` in the items' order as soon as it and
// every item before it are done, updating `progress` meanwhile. True when no
// item failed.
bool RunBatch(const std::vector<BatchItem>& items,
              unsigned workers,
              const FileJob& job,
              std::ostream& errors,
              ProgressLine& progress);

}  // namespace kel
