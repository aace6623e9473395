#include <gtest/gtest.h>

#include "platform/Path.h"

namespace kel {
namespace {

TEST(SplitPathTest, CutsAfterTheLastSeparator) {
  const struct {
    const char* path;
    std::string_view separators;
    const char* folder;
    const char* name;
  } cases[] = {
      {"", kFolderSeparators, "", ""},
      {"sales.kel", kFolderSeparators, "", "sales.kel"},
      {".hidden", kFolderSeparators, "", ".hidden"},
      {"/", kFolderSeparators, "/", ""},
      {"/sales.kel", kFolderSeparators, "/", "sales.kel"},
      {"data/", kFolderSeparators, "data/", ""},
      {"/my.data/sales.2014.kel", kFolderSeparators, "/my.data/", "sales.2014.kel"},
      {"//data//sales", kFolderSeparators, "//data//", "sales"},
      {"C:\\data\\sales.kel", kFolderSeparators, "", "C:\\data\\sales.kel"},
      {"C:\\data\\sales.kel", kAnyPlatformSeparators, "C:\\data\\", "sales.kel"},
      {"C:sales.kel", kAnyPlatformSeparators, "C:", "sales.kel"},
      {"/data\\sub/sales.kel", kAnyPlatformSeparators, "/data\\sub/", "sales.kel"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const PathParts parts = SplitPath(c.path, c.separators);
    EXPECT_EQ(parts.folder, c.folder);
    EXPECT_EQ(parts.name, c.name);
  }
}

TEST(JoinPathTest, AddsOneSeparator) {
  EXPECT_EQ(JoinPath("/data", "a.kel"), "/data/a.kel");
  EXPECT_EQ(JoinPath("/data/", "a.kel"), "/data/a.kel");
  EXPECT_EQ(JoinPath("/", "a.kel"), "/a.kel");
  EXPECT_EQ(JoinPath("", "a.kel"), "a.kel");
}

}  // namespace
}  // namespace kel
