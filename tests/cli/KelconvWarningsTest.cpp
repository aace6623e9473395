// What kelconv reports of the entries a load leaves out: one warning line
// each, a failure with --strict, and nothing written by check.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/ShellRun.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

// A chart with an unknown property, a series of an unregistered class, a
// series with an unknown property and a source that names nothing.
const char* const kDroppingChart =
    "object Chart1: TChart\r\n"
    "  Foo = 1\r\n"
    "  object Series1: TNoSuchSeries\r\n"
    "    Bar = 2\r\n"
    "  end\r\n"
    "  object Series2: TLineSeries\r\n"
    "    Bogus = 3\r\n"
    "    DataSource = Series9\r\n"
    "  end\r\n"
    "end\r\n";

const char* const kCleanChart = "object Chart1: TChart\r\n  Width = 300\r\nend\r\n";

class KelconvWarningsTest : public ::testing::Test {
 protected:
  using Run = test::ShellRun;

  Run Kelconv(const std::vector<std::string>& arguments) {
    return test::RunShell(test::KelconvCommand(arguments), folder);
  }

  // The warnings of the dropping chart at path, in reading order.
  static std::string Warnings(const std::string& path) {
    return path + ": warning: Error reading Chart1.Foo: Property Foo does not exist\n" + path +
           ": warning: Error reading Series1: Class TNoSuchSeries not found\n" + path +
           ": warning: Error reading Series2.Bogus: Property Bogus does not exist\n" + path +
           ": warning: Error reading Series2.DataSource: Component Series9 not found\n";
  }

  test::TempFolder folder;
};

TEST_F(KelconvWarningsTest, EachModeReportsTheDroppedEntriesWithItsStatusAndOutputs) {
  const struct {
    const char* name;
    std::vector<std::string> options;
    int status;
    bool writes;
  } cases[] = {
      {"plain conversion", {}, 0, true},
      {"strict conversion", {"--strict"}, 1, false},
      {"check", {"check"}, 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string chart = folder / "drops.kel";
    test::WriteFile(chart, kDroppingChart);
    std::vector<std::string> arguments = c.options;
    arguments.push_back(chart);
    const Run run = Kelconv(arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.err, Warnings(chart));
    EXPECT_EQ(std::filesystem::exists(folder / "drops.txt"), c.writes);
    EXPECT_EQ(std::filesystem::exists(folder / "drops.xml"), c.writes);
    std::filesystem::remove(folder / "drops.txt");
    std::filesystem::remove(folder / "drops.xml");
  }
}

TEST_F(KelconvWarningsTest, CheckOfCleanAndFailingFiles) {
  test::WriteFile(folder / "clean.kel", kCleanChart);
  test::WriteFile(folder / "bad.kel", "not a chart");
  EXPECT_EQ(Kelconv({"check", folder / "clean.kel"}).status, 0);
  const Run run = Kelconv({"check", folder / "bad.kel", folder / "clean.kel"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, (folder / "bad.kel") + ": Wrong *.kel file format\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "clean.txt"));
  EXPECT_EQ(Kelconv({"--strict", folder / "clean.kel"}).status, 0);
  EXPECT_TRUE(std::filesystem::exists(folder / "clean.txt"));
}

TEST_F(KelconvWarningsTest, ControlCharactersOfAWarningAreEscaped) {
  // A chart whose one property is named "Fo", a line feed and "o".
  test::WriteFile(folder / "odd.kel", std::string("\x60\x30\x57\x01TPF0\x06TChart\x00\x04"
                                                  "Fo\no\x02\x01\x00\x00",
                                                  25));
  const Run run = Kelconv({"check", folder / "odd.kel"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            (folder / "odd.kel") +
                ": warning: Error reading TChart.Fo\\no: Property Fo\\no does not exist\n");
}

}  // namespace
}  // namespace kel
