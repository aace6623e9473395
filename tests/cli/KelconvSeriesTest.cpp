// kelconv on a chart holding every standard series type: with data the text
// form comes back unchanged, in text and in binary form, and without data no
// series writes its values.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/ShellRun.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

class KelconvSeriesTest : public ::testing::Test {
 protected:
  // Runs kelconv with arguments; returns its exit status.
  int Kelconv(const std::string& arguments) {
    return test::RunShell(std::string(KEL_CLI_PATH) + " " + arguments, FFolder).status;
  }

  std::string Path(const std::string& name) const { return FFolder / name; }

  test::TempFolder FFolder;
  const std::string FSample = test::ReadFile(std::string(KEL_SAMPLES) + "/all_series.kel");
};

TEST_F(KelconvSeriesTest, EverySeriesTypeWithDataConvertsBackToTheSameText) {
  ASSERT_FALSE(FSample.empty());
  test::WriteFile(FFolder / "text.kel", FSample);
  ASSERT_EQ(Kelconv(Path("text.kel")), 0);
  EXPECT_EQ(test::ReadFile(FFolder / "text.txt"), FSample);

  ASSERT_EQ(Kelconv("to-binary " + Path("text.kel") + " " + Path("binary.kel")), 0);
  ASSERT_EQ(Kelconv(Path("binary.kel")), 0);
  EXPECT_EQ(test::ReadFile(FFolder / "binary.txt"), FSample);
  ASSERT_EQ(Kelconv("to-binary " + Path("binary.txt") + " " + Path("again.kel")), 0);
  EXPECT_EQ(test::ReadFile(FFolder / "again.kel"), test::ReadFile(FFolder / "binary.kel"));
}

TEST_F(KelconvSeriesTest, WithoutDataNoSeriesWritesItsValues) {
  test::WriteFile(FFolder / "chart.kel", FSample);
  ASSERT_EQ(Kelconv("--no-data " + Path("chart.kel")), 0);
  const std::string text = test::ReadFile(FFolder / "chart.txt");
  EXPECT_NE(text.find("object Series10: TFastLineSeries"), std::string::npos);
  EXPECT_EQ(text.find("Data"), std::string::npos);
}

}  // namespace
}  // namespace kel
