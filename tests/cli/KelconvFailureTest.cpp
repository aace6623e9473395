// kelconv under hostile conditions, run from a shell as a user would: pipes,
// signals, file-size limits, deep nesting, names with control characters and
// failures between a chart's outputs.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "model/chart/Chart.h"
#include "model/standard/LineSeries.h"
#include "persist/Stream.h"
#include "store/ChartStore.h"
#include "tests/cli/ShellRun.h"
#include "tests/cli/SmallChart.h"
#include "tests/persist/HexBytes.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

using Names = std::vector<std::string>;

using ShellOutcome = test::ShellRun;

std::string Bytes(const char* hex) {
  const std::vector<uint8_t> bytes = test::Hex(hex);
  return {bytes.begin(), bytes.end()};
}

using test::kChartText;
using test::kConvertedText;
const std::string kChart = test::BinaryChart();

// A binary chart whose root holds `depth` line series, each inside the one
// before it.
std::string NestedChart(int depth) {
  std::string bytes = Bytes("60 30 57 01 54 50 46 30 06 54 43 68 61 72 74 00 00");
  const std::string series = Bytes("0B 54 4C 69 6E 65 53 65 72 69 65 73 00 00");
  for (int level = 0; level < depth; ++level) bytes += series;
  return bytes + std::string(static_cast<size_t>(depth) + 1, '\0');
}

class KelconvFailureTest : public ::testing::Test {
 protected:
  // Runs `script` with sh in the test's folder, $KELCONV naming the program.
  ShellOutcome Run(const std::string& script) {
    test::WriteFile(folder / ".script", script);
    const ShellOutcome run =
        test::RunShell("cd " + test::ShellQuote(folder.Path()) +
                           " && KELCONV=" + test::ShellQuote(KEL_CLI_PATH) + " sh .script",
                       folder);
    std::remove((folder / ".script").c_str());
    return run;
  }

  test::TempFolder folder;
};

TEST_F(KelconvFailureTest, InputsThatCannotSeekAreReadToTheirEnd) {
  struct Case {
    const char* script;
    const char* text;
  };
  const Case cases[] = {
      {"cat chart.kel | \"$KELCONV\" to-text - out.txt", kChartText},
      {"cat chart.kel | \"$KELCONV\" to-text /dev/stdin out.txt", kChartText},
      {"bash -c '\"$KELCONV\" to-text <(cat chart.kel) out.txt'", kChartText},
      {"cat chart.kel | \"$KELCONV\" to-binary - b.kel && \"$KELCONV\" to-text b.kel out.txt",
       kChartText},
      {"mkfifo f.kel && (cat chart.kel > f.kel &) && \"$KELCONV\" to-text f.kel out.txt",
       kChartText},
      {"mkfifo f.kel && (cat chart.kel > f.kel &) && \"$KELCONV\" f.kel && mv f.txt out.txt",
       kConvertedText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    test::WriteFile(folder / "chart.kel", kChart);
    const ShellOutcome run = Run(c.script);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(test::ReadFile(folder / "out.txt"), c.text);
    Run("rm -f out.txt f.kel b.kel");
  }
}

TEST_F(KelconvFailureTest, TooDeepANestingFailsThatFileAndTheBatchGoesOn) {
  test::WriteFile(folder / "a_deep.kel", NestedChart(30000));
  test::WriteFile(folder / "b_good.kel", kChart);
  const ShellOutcome run = Run("\"$KELCONV\" .");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "./a_deep.kel: Nesting too deep\n");
  EXPECT_EQ(folder.Names(), (Names{"a_deep.kel", "b_good.kel", "b_good.txt"}));
}

TEST_F(KelconvFailureTest, ControlCharactersInMessagesAreEscaped) {
  struct Case {
    std::string name;
    std::string content;
    std::string line;
  };
  const Case cases[] = {
      {"two\nlines\x01.kel", "junk", "two\\nlines\\x01.kel: Wrong *.kel file format\n"},
      // A root class and a property name quoted from the file.
      {"quoted.kel",
       Bytes("60 30 57 01 54 50 46 30 06 54 43 68 01 72 74 00 06 57 69 0A 64 74 68 7F"),
       "quoted.kel: Error reading TCh\\x01rt.Wi\\ndth: 127\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    test::WriteFile(folder / c.name, c.content);
    EXPECT_EQ(Run("\"$KELCONV\" to-text *.kel out.txt").err, c.line);
    std::remove((folder / c.name).c_str());
  }
}

TEST_F(KelconvFailureTest, TheFileSizeLimitFailsThatOutputAndTheBatchGoesOn) {
  // A text form of some 100 KB, and a limit of 64 KB.
  std::string big = "object TChart\r\n  Title.Text.Strings = (\r\n";
  for (int line = 0; line < 2000; ++line) big += "    '" + std::string(40, 'x') + "'\r\n";
  big += "  )\r\nend\r\n";
  test::WriteFile(folder / "a_big.kel", big);
  test::WriteFile(folder / "b_small.kel", kChart);
  const ShellOutcome run = Run("ulimit -f 128 && \"$KELCONV\" .");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "./a_big.kel: Cannot write file \"" + folder / "a_big.txt" + "\": File too large\n");
  EXPECT_EQ(folder.Names(), (Names{"a_big.kel", "b_small.kel", "b_small.txt"}));
}

TEST_F(KelconvFailureTest, AFailureBetweenTheOutputsKeepsTheEarlierOnes) {
  test::WriteFile(folder / "chart.kel", test::ReadFile(std::string(KEL_SAMPLES) + "/sales.kel"));
  test::WriteFile(folder / "chart.txt", "earlier text");
  ASSERT_EQ(::mkdir((folder / "chart.xml").c_str(), 0700), 0);
  const ShellOutcome run = Run("\"$KELCONV\" chart.kel");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("chart.xml"), std::string::npos) << run.err;
  EXPECT_EQ(test::ReadFile(folder / "chart.txt"), "earlier text");
  EXPECT_EQ(folder.Names(), (Names{"chart.kel", "chart.txt", "chart.xml"}));
}

TEST_F(KelconvFailureTest, AReplacedOutputKeepsItsMode) {
  test::WriteFile(folder / "chart.kel", kChart);
  test::WriteFile(folder / "chart.txt", "earlier text");
  ASSERT_EQ(::chmod((folder / "chart.txt").c_str(), 0600), 0);
  EXPECT_EQ(Run("\"$KELCONV\" chart.kel").status, 0);
  struct stat info {};
  ASSERT_EQ(::stat((folder / "chart.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  EXPECT_EQ(test::ReadFile(folder / "chart.txt"), kConvertedText);
}

// A binary chart of some megabytes: one line series with many points.
void WriteLargeChart(const std::string& fileName) {
  TComponent host(nullptr);
  auto* chart = new TChart(&host);
  auto* series = new TLineSeries(chart);
  series->SetName(u"Series1");
  series->SetParentChart(chart);
  series->BeginUpdate();
  for (int i = 0; i < 400'000; ++i)
    series->AddXY(i * 0.5, static_cast<double>(i * 7919LL % 1000) / 8.0);
  series->EndUpdate();
  TFileStream file(fileName, fmCreate);
  WriteChartToStream(*chart, file, true, false);
}

class KelconvSignalTest : public KelconvFailureTest {
 protected:
  void SetUp() override {
    WriteLargeChart(folder / "big.kel");
    test::WriteFile(folder / "big.txt", "earlier text");
  }

  // Converts big.kel, sending `signal` as soon as the first temporary file
  // is there; returns the wait status.
  int ConvertWithSignal(int signal) {
    const pid_t child = ::fork();
    if (child == 0) {
      ::execl(KEL_CLI_PATH, KEL_CLI_PATH, (folder / "big.kel").c_str(), nullptr);
      ::_exit(127);
    }
    int status = 0;
    while (folder.Names().size() < 3 && ::waitpid(child, &status, WNOHANG) == 0) {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ::kill(child, signal);
    ::waitpid(child, &status, 0);
    return status;
  }
};

TEST_F(KelconvSignalTest, ASignalLeavesTheFolderAsItWasAndEndsByThatSignal) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    const int status = ConvertWithSignal(signal);
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_EQ(folder.Names(), (Names{"big.kel", "big.txt"}));
    EXPECT_EQ(test::ReadFile(folder / "big.txt"), "earlier text");
  }
}

TEST_F(KelconvSignalTest, TheNextConversionRemovesWhatAKilledOneLeft) {
  const int status = ConvertWithSignal(SIGKILL);
  ASSERT_TRUE(WIFSIGNALED(status)) << status;
  ASSERT_EQ(folder.Names().size(), 3u);
  EXPECT_EQ(Run("\"$KELCONV\" big.kel").status, 0);
  EXPECT_EQ(folder.Names(), (Names{"big.kel", "big.txt", "big.xml"}));
}

}  // namespace
}  // namespace kel
