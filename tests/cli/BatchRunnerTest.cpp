#include <gtest/gtest.h>

#include <latch>
#include <sstream>
#include <stdexcept>

#include "cli/BatchRunner.h"
#include "cli/ProgressLine.h"

namespace kel {
namespace {

std::vector<BatchItem> Items(const std::vector<std::string>& paths) {
  std::vector<BatchItem> items;
  for (const std::string& path : paths) items.push_back({path, {}});
  return items;
}

TEST(BatchRunnerTest, ReportsInInputOrderWhateverOrderTheFilesFinish) {
  // The first file cannot finish before the last has started, so the files
  // must run at once and finish out of order.
  const std::vector<BatchItem> items = Items({"first", "second", "third", "last"});
  std::latch lastStarted(1);
  const FileJob job = [&](const std::string& path) -> FileReport {
    if (path == "first") lastStarted.wait();
    if (path == "last") lastStarted.count_down();
    if (path == "second") throw std::runtime_error("Wrong *.kel file format");
    return {{"dropped from " + path}, {}};
  };
  std::ostringstream errors;
  ProgressLine progress(errors, items.size(), false);
  EXPECT_FALSE(RunBatch(items, 4, job, errors, progress));
  EXPECT_EQ(errors.str(),
            "first: warning: dropped from first\n"
            "second: Wrong *.kel file format\n"
            "third: warning: dropped from third\n"
            "last: warning: dropped from last\n");
}

TEST(BatchRunnerTest, FailuresKnownBeforehandAreReportedInTheirPlace) {
  std::vector<BatchItem> items = Items({"a", "folder", "b"});
  items[1].failure = "Cannot open folder \"folder\". Permission denied";
  std::vector<std::string> ran;
  const FileJob job = [&](const std::string& path) {
    ran.push_back(path);
    return FileReport{};
  };
  for (const unsigned workers : {1u, 3u}) {
    SCOPED_TRACE(workers);
    ran.clear();
    std::ostringstream errors;
    ProgressLine progress(errors, items.size(), false);
    EXPECT_FALSE(RunBatch(items, workers, job, errors, progress));
    EXPECT_EQ(errors.str(), "folder: Cannot open folder \"folder\". Permission denied\n");
    std::sort(ran.begin(), ran.end());
    EXPECT_EQ(ran, (std::vector<std::string>{"a", "b"}));
  }
}

TEST(BatchRunnerTest, AllConvertedIsTrueAndSilent) {
  std::ostringstream errors;
  for (const std::vector<std::string>& paths :
       std::vector<std::vector<std::string>>{{}, {"one"}, {"one", "two", "three"}}) {
    ProgressLine progress(errors, paths.size(), false);
    EXPECT_TRUE(RunBatch(
        Items(paths), 2, [](const std::string&) { return FileReport{}; }, errors, progress));
  }
  EXPECT_EQ(errors.str(), "");
}

TEST(ProgressLineTest, TextCountsFilesFailuresAndRate) {
  EXPECT_EQ(ProgressText(0, 10000, 0, 0), "0 of 10000 files, 0 failed, 0 files/s");
  EXPECT_EQ(ProgressText(1200, 10000, 2, 849.6), "1200 of 10000 files, 2 failed, 850 files/s");
}

TEST(ProgressLineTest, ShownLineIsDrawnInPlaceAndErasedBeforeReports) {
  const std::vector<BatchItem> items = Items({"a", "bad", "c"});
  const FileJob job = [](const std::string& path) -> FileReport {
    if (path == "bad") throw std::runtime_error("Empty *.kel file");
    return {};
  };
  std::ostringstream terminal;
  ProgressLine progress(terminal, items.size(), true);
  RunBatch(items, 1, job, terminal, progress);
  const std::string shown = terminal.str();
  EXPECT_EQ(shown.rfind("\r\x1b[K0 of 3 files, 0 failed, ", 0), 0u) << shown;
  // Each report line starts on an erased line, and nothing follows the final
  // erasure.
  EXPECT_NE(shown.find("\r\x1b[Kbad: Empty *.kel file\n"), std::string::npos) << shown;
  EXPECT_EQ(shown.substr(shown.size() - 4), "\r\x1b[K");
  EXPECT_EQ(shown.find("\r\x1b[K\r\x1b[K"), std::string::npos) << shown;
}

TEST(ProgressLineTest, HiddenLineWritesNothing) {
  std::ostringstream terminal;
  ProgressLine progress(terminal, 5, false);
  progress.Draw(1, 0, true);
  progress.Erase();
  EXPECT_EQ(terminal.str(), "");
}

}  // namespace
}  // namespace kel
