// Runs the built kelconv program and checks its outputs, messages and exit
// status.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/ShellRun.h"
#include "tests/cli/SmallChart.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

using Outcome = test::ShellRun;

class KelconvTest : public ::testing::Test {
 protected:
  Outcome Kelconv(const std::vector<std::string>& arguments) {
    return test::RunShell(test::KelconvCommand(arguments), folder);
  }

  test::TempFolder folder;
};

using test::BinaryChart;
using test::kChartText;
using test::kConvertedText;

TEST_F(KelconvTest, HelpAndVersion) {
  const Outcome help = Kelconv({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("kelconv to-text IN OUT"), std::string::npos);
  EXPECT_EQ(help.err, "");

  const Outcome version = Kelconv({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "kelconv " KEL_VERSION "\n");
}

TEST_F(KelconvTest, HelpFitsAnEightyColumnTerminal) {
  const std::string usage = Kelconv({"--help"}).out;
  ASSERT_FALSE(usage.empty());
  std::istringstream lines(usage);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_LE(line.size(), 80u) << line;
  }
}

TEST_F(KelconvTest, UsageErrorsExitWithTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"--bogus"},
      {"to-text"},
      {"to-text", "a.kel"},
      {"to-binary", "a.kel", "b", "c"},
      {"--help", "x"},
      {"--no-data"},
      {"to-text", "--no-data", "a.kel", "b.txt"},
      {"a.kel", "to-text", "b.kel", "c.txt"},
      {"--export"},
      {"--export", "xml,csv", "a.kel"},
      {"--export", "xml,", "a.kel"},
      {"--export", "xml", "--export=json", "a.kel"},
      {"--export", "json", "--no-data", "a.kel"},
      {"check"},
      {"check", "--strict", "a.kel"},
      {"to-text", "--strict", "a.kel", "b.txt"},
  };
  for (const auto& arguments : cases) {
    SCOPED_TRACE(arguments.empty() ? "(none)" : arguments.front());
    const Outcome run = Kelconv(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("kelconv: ", 0), 0u);
    EXPECT_EQ(run.out, "");
  }
}

TEST_F(KelconvTest, ToTextAndBackToBinary) {
  test::WriteFile(folder / "in.kel", BinaryChart());
  const Outcome toText = Kelconv({"to-text", folder / "in.kel", folder / "out.txt"});
  EXPECT_EQ(toText.status, 0);
  EXPECT_EQ(toText.err, "");
  EXPECT_EQ(test::ReadFile(folder / "out.txt"), kChartText);

  const Outcome toBinary = Kelconv({"to-binary", folder / "out.txt", folder / "again.kel"});
  EXPECT_EQ(toBinary.status, 0);
  EXPECT_EQ(test::ReadFile(folder / "again.kel"), BinaryChart());
}

TEST_F(KelconvTest, SameFormIsCopied) {
  test::WriteFile(folder / "in.kel", BinaryChart());
  EXPECT_EQ(Kelconv({"to-binary", folder / "in.kel", folder / "out.kel"}).status, 0);
  EXPECT_EQ(test::ReadFile(folder / "out.kel"), BinaryChart());
}

TEST_F(KelconvTest, DashWritesToStandardOutput) {
  test::WriteFile(folder / "in.kel", BinaryChart());
  const Outcome run = Kelconv({"to-text", folder / "in.kel", "-"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, kChartText);
}

TEST_F(KelconvTest, StreamConversionFailuresAreOneLineAndKeepEarlierOutput) {
  test::WriteFile(folder / "bad.kel", "not a chart");
  test::WriteFile(folder / "out.txt", "earlier");
  const Outcome run = Kelconv({"to-text", folder / "bad.kel", folder / "out.txt"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, folder / "bad.kel" + ": Wrong *.kel file format\n");
  EXPECT_EQ(test::ReadFile(folder / "out.txt"), "earlier");

  const Outcome missing = Kelconv({"to-binary", folder / "none.kel", "-"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, folder / "none.kel" + ": Cannot open file \"" + folder / "none.kel" +
                             "\". No such file or directory\n");
  EXPECT_EQ(missing.out, "");

  test::WriteFile(folder / "cut.kel", BinaryChart().substr(0, 20));
  const Outcome cut = Kelconv({"to-text", folder / "cut.kel", "-"});
  EXPECT_EQ(cut.status, 1);
  EXPECT_EQ(cut.err, folder / "cut.kel" + ": Stream read error\n");
  EXPECT_EQ(cut.out, "");
}

TEST_F(KelconvTest, FolderConvertsEveryChartFileAndReportsEachFailure) {
  const std::string charts = folder / "charts";
  ASSERT_EQ(::mkdir(charts.c_str(), 0755), 0);
  ASSERT_EQ(::mkdir((charts + "/sub.kel").c_str(), 0755), 0);
  test::WriteFile(charts + "/a.kel", BinaryChart());
  test::WriteFile(charts + "/b.KEL", kChartText);
  test::WriteFile(charts + "/bad.kel", "");
  test::WriteFile(charts + "/.hidden.kel", BinaryChart());
  test::WriteFile(charts + "/notes.txt", "notes");

  const Outcome run = Kelconv({"--no-data", charts});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, charts + "/bad.kel: Empty *.kel file\n");
  EXPECT_EQ(test::ReadFile(charts + "/a.txt"), kConvertedText);
  EXPECT_EQ(test::ReadFile(charts + "/b.txt"), kConvertedText);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(charts)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{".hidden.kel", "a.kel", "a.txt", "b.KEL", "b.txt",
                                             "bad.kel", "notes.txt", "sub.kel"}));
}

TEST_F(KelconvTest, EveryPathIsTriedAndTheStatusTellsOfFailures) {
  test::WriteFile(folder / "good.kel", BinaryChart());
  const Outcome run = Kelconv({folder / "missing.kel", folder / "good"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, folder / "missing.kel" + ": Cannot open file \"" + folder / "missing.kel" +
                         "\". No such file or directory\n");
  EXPECT_EQ(test::ReadFile(folder / "good.txt"), kConvertedText);

  const Outcome again = Kelconv({folder / "good.kel"});
  EXPECT_EQ(again.status, 0);
  EXPECT_EQ(again.err, "");
}

// A text-form chart of one line series with `points` values 0, 1, 2, ...
std::string LineChartText(int points) {
  std::string data = "00";
  static constexpr char kHex[] = "0123456789ABCDEF";
  auto put = [&](const void* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i) {
      const auto byte = static_cast<const uint8_t*>(bytes)[i];
      data += kHex[byte >> 4];
      data += kHex[byte & 0xF];
    }
  };
  put(&points, 4);
  for (int i = 0; i < points; ++i) {
    const double value = i;
    put(&value, 8);
  }
  std::string text = "object TChart\r\n  object Series1: TLineSeries\r\n    Data = {";
  for (size_t at = 0; at < data.size(); at += 64) text += "\r\n      " + data.substr(at, 64);
  return text + "}\r\n  end\r\nend\r\n";
}

TEST_F(KelconvTest, ExportWritesOneDocumentPerFormat) {
  test::WriteFile(folder / "sales.kel", test::ReadFile(std::string(KEL_SAMPLES) + "/sales.kel"));
  const Outcome run = Kelconv({"--export", "json,xls,text,html,xml", folder / "sales.kel"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(test::ReadFile(folder / "sales.tsv"),
            "Index\tText\tColors\tIt's #1\tCaf\u00e9 sales\r\n"
            "0\tJan\t#FF0000\t10\t5\r\n"
            "1\tFeb\t#FF0000\t25.5\t7\r\n"
            "2\tM\u00e4r\t#FF0000\t17\t3\r\n"
            "3\t\t#FF0000\t30\t\r\n"
            "\r\n");
  EXPECT_EQ(test::ReadFile(folder / "sales.html").rfind("<table border=\"1\">\r\n", 0), 0u);
  EXPECT_EQ(test::ReadFile(folder / "sales.json").rfind("{ \"chart\": [\r\n", 0), 0u);
  EXPECT_EQ(test::ReadFile(folder / "sales.xls").rfind("\x09\x08\x08\x00", 0), 0u);
  EXPECT_EQ(test::ReadFile(folder / "sales.xml").rfind(std::string("\xFF\xFE<\0?\0", 6), 0), 0u);

  // Without --export, the XML alone.
  ASSERT_EQ(::mkdir((folder / "plain").c_str(), 0755), 0);
  test::WriteFile(folder / "plain/sales.kel", test::ReadFile(folder / "sales.kel"));
  EXPECT_EQ(Kelconv({folder / "plain/sales.kel"}).status, 0);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder / "plain")) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"sales.kel", "sales.txt", "sales.xml"}));
}

TEST_F(KelconvTest, ChartTooLargeForASheetStillGetsItsOtherDocuments) {
  test::WriteFile(folder / "big.kel", LineChartText(65536));
  const Outcome run = Kelconv({"--export", "xls,json", folder / "big.kel"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            folder / "big.kel" + ": Too many rows for a spreadsheet: 65537 (at most 65536)\n");
  EXPECT_NE(test::ReadFile(folder / "big.json").find("{ \"value\":65535, \"color\":"),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder / "big.xls"));
}

}  // namespace
}  // namespace kel
