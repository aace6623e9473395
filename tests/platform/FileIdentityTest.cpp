#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/FileIdentity.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

TEST(AreSameFileTest, FollowsLinksAndOtherSpellings) {
  test::TempFolder folder;
  test::WriteFile(folder / "chart.kel", "chart");
  test::WriteFile(folder / "other.kel", "chart");
  ASSERT_EQ(::symlink((folder / "chart.kel").c_str(), (folder / "soft.txt").c_str()), 0);
  ASSERT_EQ(::link((folder / "chart.kel").c_str(), (folder / "hard.txt").c_str()), 0);
  const struct {
    std::string first;
    std::string second;
    bool same;
  } cases[] = {
      {folder / "chart.kel", folder / "chart.kel", true},
      {folder / "chart.kel", folder.Path() + "/./chart.kel", true},
      {folder / "chart.kel", folder / "soft.txt", true},
      {folder / "chart.kel", folder / "hard.txt", true},
      {folder / "chart.kel", folder / "other.kel", false},
      {folder / "chart.kel", folder / "missing.txt", false},
      {folder / "missing.txt", folder / "missing.txt", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first + " " + c.second);
    EXPECT_EQ(AreSameFile(c.first, c.second), c.same);
  }
}

}  // namespace
}  // namespace kel
