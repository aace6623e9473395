// kelconv's batches: files converted on several workers with the same
// outputs, messages and status as on one, path lists, the progress line on a
// terminal, and outputs that would replace an input or another's output.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/cli/ShellRun.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

using BatchRun = test::ShellRun;

class KelconvBatchTest : public ::testing::Test {
 protected:
  // Runs `kelconv ARGUMENTS` through the shell, so that ARGUMENTS may hold
  // redirections; standard output is dropped.
  BatchRun Kelconv(const std::string& arguments, const std::string& before = "") {
    return test::RunShell(before + std::string(KEL_CLI_PATH) + " " + arguments, folder);
  }

  std::string Sample(const std::string& name) const {
    return test::ReadFile(std::string(KEL_SAMPLES) + "/" + name);
  }

  // Every file of `dir` with its content.
  static std::map<std::string, std::string> Contents(const std::string& dir) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
      contents[entry.path().filename()] = test::ReadFile(entry.path());
    }
    return contents;
  }

  test::TempFolder folder;
};

const std::vector<std::string> kSamples = {"all_series.kel", "axes.kel",   "quarterly.kel",
                                           "sales.kel",      "titles.kel", "walls_gradient.kel"};

TEST_F(KelconvBatchTest, ManyWorkersGiveWhatOneWorkerGives) {
  const std::string charts = folder / "charts";
  ASSERT_EQ(::mkdir(charts.c_str(), 0755), 0);
  for (int copy = 0; copy < 8; ++copy) {
    for (const std::string& sample : kSamples) {
      test::WriteFile(charts + "/" + std::to_string(copy) + "_" + sample, Sample(sample));
    }
    test::WriteFile(charts + "/" + std::to_string(copy) + "_empty.kel", "");
    test::WriteFile(charts + "/" + std::to_string(copy) + "_wrong.kel", "not a chart");
  }
  test::WriteFile(charts + "/twice.kel", Sample("sales.kel"));
  test::WriteFile(charts + "/twice.KEL", Sample("axes.kel"));

  const std::map<std::string, std::string> inputs = Contents(charts);
  const BatchRun one = Kelconv("-j 1 '" + charts + "'");
  const std::map<std::string, std::string> oneOutputs = Contents(charts);
  EXPECT_EQ(one.status, 1);
  EXPECT_NE(one.err.find("/twice."), std::string::npos) << one.err;
  EXPECT_NE(one.err.find(": Empty *.kel file\n"), std::string::npos) << one.err;

  for (const char* jobs : {"-j 2", "--jobs 7", ""}) {
    SCOPED_TRACE(jobs);
    std::filesystem::remove_all(charts);
    ASSERT_EQ(::mkdir(charts.c_str(), 0755), 0);
    for (const auto& [name, content] : inputs) test::WriteFile(charts + "/" + name, content);
    const BatchRun many = Kelconv(std::string(jobs) + " '" + charts + "'");
    EXPECT_EQ(many.status, one.status);
    EXPECT_EQ(many.err, one.err);
    EXPECT_EQ(Contents(charts), oneOutputs);
  }
}

TEST_F(KelconvBatchTest, PathListsFromFilesAndStandardInput) {
  const std::string charts = folder / "my charts";
  ASSERT_EQ(::mkdir(charts.c_str(), 0755), 0);
  for (const std::string& sample : kSamples) test::WriteFile(charts + "/" + sample, Sample(sample));
  test::WriteFile(charts + "/odd\nname.kel", Sample("sales.kel"));
  const std::string list = folder / "charts.list";
  test::WriteFile(list, charts + "/sales.kel\r\n\n" + charts + "/axes.kel\n");

  const struct {
    const char* title;
    std::string arguments;
    std::string before;
    std::vector<std::string> converted;
  } cases[] = {
      {"lines from a file", "--files-from '" + list + "'", "", {"sales.txt", "axes.txt"}},
      {"lines from standard input",
       "--files-from - <'" + list + "'",
       "",
       {"sales.txt", "axes.txt"}},
      {"NUL-separated from find",
       "-0 --files-from -",
       "find '" + charts + "' -name '*.kel' -print0 | ",
       {"sales.txt", "axes.txt", "titles.txt", "odd\nname.txt", "all_series.txt"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    for (const std::string& name : c.converted) std::filesystem::remove(charts + "/" + name);
    const BatchRun run = Kelconv(c.arguments, c.before);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const std::string& name : c.converted) {
      EXPECT_TRUE(std::filesystem::exists(charts + "/" + name)) << name;
    }
  }

  const BatchRun missing =
      Kelconv("--files-from '" + folder / "none.list" + "' '" + charts + "/titles.kel'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, folder / "none.list" + ": Cannot open file \"" + folder / "none.list" +
                             "\". No such file or directory\n");
}

TEST_F(KelconvBatchTest, BatchOptionsThatDoNotFit) {
  for (const std::string arguments :
       {"-j 0 a.kel", "-j x a.kel", "-j", "-j -1 a.kel", "-0 a.kel", "--files-from",
        "to-text -j 2 a.kel b.txt", "to-text a.kel b.txt --quiet"}) {
    SCOPED_TRACE(arguments);
    const BatchRun run = Kelconv(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("kelconv: ", 0), 0u) << run.err;
  }
}

TEST_F(KelconvBatchTest, AnInputIsNeverReplacedByAnOutput) {
  test::WriteFile(folder / "chart.xml", Sample("sales.kel"));
  test::WriteFile(folder / "text.txt", Sample("titles.kel"));
  test::WriteFile(folder / "linked.kel", Sample("titles.kel"));
  ASSERT_EQ(::symlink("linked.kel", (folder / "linked.txt").c_str()), 0);
  const struct {
    std::string input;
    std::string output;
  } cases[] = {
      {folder / "chart.xml", folder / "chart.xml"},
      {folder / "text.txt", folder / "text.txt"},
      {folder / "linked.kel", folder / "linked.txt"},
  };
  const std::map<std::string, std::string> before = Contents(folder.Path());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    const BatchRun run = Kelconv("'" + c.input + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              c.input + ": Cannot write file \"" + c.output + "\": it is the input file\n");
  }
  // Nothing converted for these inputs, nothing replaced.
  EXPECT_EQ(Contents(folder.Path()), before);

  // Without data no XML is written, so the chart named .xml converts.
  EXPECT_EQ(Kelconv("--no-data '" + folder / "chart.xml" + "'").status, 0);
  EXPECT_TRUE(std::filesystem::exists(folder / "chart.txt"));
}

TEST_F(KelconvBatchTest, AnOutputIsWrittenFromOneInputOnly) {
  test::WriteFile(folder / "alone.kel", Sample("sales.kel"));
  ASSERT_EQ(Kelconv("'" + folder / "alone.kel" + "'").status, 0);
  test::WriteFile(folder / "a.kel", Sample("sales.kel"));
  test::WriteFile(folder / "a.KEL", Sample("axes.kel"));
  for (const char* jobs : {"-j 1", "-j 2"}) {
    SCOPED_TRACE(jobs);
    const BatchRun run =
        Kelconv(std::string(jobs) + " '" + folder / "a.kel" + "' '" + folder / "a.KEL" + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, folder / "a.KEL" + ": Cannot write file \"" + folder / "a.txt" +
                           "\": it is written from \"" + folder / "a.kel" + "\"\n");
    EXPECT_EQ(test::ReadFile(folder / "a.txt"), test::ReadFile(folder / "alone.txt"));
  }

  // An earlier input is not replaced by a later one's output either.
  test::WriteFile(folder / "b.txt", Sample("titles.kel"));
  test::WriteFile(folder / "b.kel", Sample("axes.kel"));
  const BatchRun run = Kelconv("'" + folder / "b.txt" + "' '" + folder / "b.kel" + "'");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, folder / "b.txt" + ": Cannot write file \"" + folder / "b.txt" +
                         "\": it is the input file\n" + folder / "b.kel" +
                         ": Cannot write file \"" + folder / "b.txt" + "\": it is the input \"" +
                         folder / "b.txt" + "\"\n");
  EXPECT_EQ(test::ReadFile(folder / "b.txt"), Sample("titles.kel"));
}

// Runs kelconv with standard error on a terminal; returns what the terminal
// received.
std::string KelconvOnTerminal(const std::vector<std::string>& arguments) {
  int terminal = -1;
  const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
  if (child == 0) {
    std::vector<char*> argv{const_cast<char*>(KEL_CLI_PATH)};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(KEL_CLI_PATH, argv.data());
    ::_exit(127);
  }
  std::string received;
  char buffer[4096];
  for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;) received.append(buffer, n);
  ::close(terminal);
  ::waitpid(child, nullptr, 0);
  return received;
}

TEST_F(KelconvBatchTest, ProgressLineOnlyOnATerminalAndErasedAtTheEnd) {
  for (const std::string& sample : kSamples) test::WriteFile(folder / sample, Sample(sample));
  const std::string shown = KelconvOnTerminal({"-j", "1", folder.Path()});
  EXPECT_NE(shown.find("0 of 6 files, 0 failed, "), std::string::npos) << shown;
  EXPECT_EQ(shown.substr(shown.size() - 4), "\r\x1b[K");

  EXPECT_EQ(KelconvOnTerminal({"--quiet", folder.Path()}), "");
  EXPECT_EQ(KelconvOnTerminal({folder / "sales.kel"}), "");
}

}  // namespace
}  // namespace kel
