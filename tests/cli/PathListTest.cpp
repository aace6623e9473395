#include <gtest/gtest.h>

#include <sstream>

#include "cli/PathList.h"
#include "platform/Exceptions.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

using namespace std::string_literals;

TEST(PathListTest, SplitsAtTheSeparatorAndSkipsEmptyEntries) {
  const struct {
    std::string list;
    char separator;
    std::vector<std::string> paths;
  } cases[] = {
      {"", '\n', {}},
      {"a.kel", '\n', {"a.kel"}},
      {"a.kel\nb c.kel\n", '\n', {"a.kel", "b c.kel"}},
      {"a.kel\r\nb.kel\r\n", '\n', {"a.kel", "b.kel"}},
      {"\n\na.kel\n\n", '\n', {"a.kel"}},
      {"a\nb.kel\0c\r.kel\0"s, '\0', {"a\nb.kel", "c\r.kel"}},
      {"\0\0a.kel"s, '\0', {"a.kel"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list);
    std::istringstream list(c.list);
    EXPECT_EQ(ReadPathList(list, c.separator), c.paths);
  }
}

TEST(PathListTest, UnreadableListFileIsAnOpenFailure) {
  test::TempFolder folder;
  for (const std::string& name : {folder / "missing.list", folder.Path()}) {
    SCOPED_TRACE(name);
    EXPECT_THROW(ReadPathListFile(name, '\n'), EFOpenError);
  }
  test::WriteFile(folder / "charts.list", "a.kel\nb.kel\n");
  EXPECT_EQ(ReadPathListFile(folder / "charts.list", '\n'),
            (std::vector<std::string>{"a.kel", "b.kel"}));
}

}  // namespace
}  // namespace kel
