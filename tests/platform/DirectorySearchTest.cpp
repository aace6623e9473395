#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include "platform/DirectorySearch.h"
#include "platform/Exceptions.h"

namespace kel {
namespace {

namespace fs = std::filesystem;

TEST(MatchesMaskTest, Cases) {
  struct Case {
    const char* name;
    const char* mask;
    bool matches;
  } cases[] = {
      {"sales.kel", "*.kel", true},
      {"SALES.KEL", "*.kel", true},
      {".kel", "*.kel", true},
      {"sales.kel.txt", "*.kel", false},
      {"sales.kelx", "*.kel", false},
      {"saleskel", "*.kel", false},
      {"a.b.kel", "*.kel", true},
      {"sales.kel", "s?les.*", true},
      {"sales", "s?les.*", false},
      {"", "*", true},
      {"", "?", false},
      {"abc", "a**c", true},
      {"aXbXc", "*b*c", true},
      {"aaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*c", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " ~ " + c.mask);
    EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches);
  }
}

// A folder holding chart files beside entries the search must skip.
class DirectorySearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kel-search-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_ / "sub.kel");
    for (const char* name : {"a.kel", "B.KEL", "notes.txt", ".hidden.kel", "c.kel", "ro.kel"}) {
      std::ofstream(folder_ / name) << "object Chart1\nend\n";
    }
    fs::permissions(folder_ / "ro.kel", fs::perms::owner_write, fs::perm_options::remove);
    fs::create_symlink(folder_ / "a.kel", folder_ / "link.kel");
    fs::create_symlink(folder_ / "missing", folder_ / "broken.kel");
    fs::create_directory_symlink(folder_ / "sub.kel", folder_ / "dirlink.kel");
    ASSERT_EQ(mkfifo((folder_ / "pipe.kel").c_str(), 0600), 0);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // The names as the directory stream lists them, for checking the order.
  std::vector<std::string> RawOrder() {
    std::vector<std::string> names;
    DIR* dir = opendir(folder_.c_str());
    while (const dirent* entry = readdir(dir)) names.push_back(entry->d_name);
    closedir(dir);
    return names;
  }

  fs::path folder_;
};

TEST_F(DirectorySearchTest, FindsOrdinaryChartFilesInDirectoryOrder) {
  std::vector<std::string> expected;
  for (const std::string& name : RawOrder()) {
    if (name == "a.kel" || name == "B.KEL" || name == "c.kel" || name == "ro.kel" ||
        name == "link.kel") {
      expected.push_back(name);
    }
  }
  EXPECT_EQ(FindFiles(folder_.string(), "*.kel"), expected);
}

TEST_F(DirectorySearchTest, ReportsAttributesAndWidensWithTheRequest) {
  auto search = CreateDirectorySearch();
  TSearchRec match;
  std::map<std::string, uint32_t> found;
  ASSERT_TRUE(search->First((folder_ / "*.kel").string(),
                            faArchive | faHidden | faDirectory | faSysFile, match));
  do {
    found[match.Name] = match.Attr;
  } while (search->Next(match));
  search->Close();
  EXPECT_FALSE(search->Next(match));

  EXPECT_EQ(found["a.kel"], faArchive);
  EXPECT_EQ(found["ro.kel"], faArchive | faReadOnly);
  EXPECT_EQ(found[".hidden.kel"], faArchive | faHidden);
  EXPECT_TRUE(found["sub.kel"] & faDirectory);
  EXPECT_TRUE(found["dirlink.kel"] & faDirectory);
  EXPECT_EQ(found["pipe.kel"], faSysFile);
  EXPECT_EQ(found["broken.kel"], faSysFile);
  EXPECT_EQ(found.count("notes.txt"), 0u);
}

TEST_F(DirectorySearchTest, MissingFolderOrNoMatchFindsNothing) {
  auto search = CreateDirectorySearch();
  TSearchRec match;
  EXPECT_FALSE(search->First((folder_ / "absent" / "*.kel").string(), faArchive, match));
  EXPECT_FALSE(search->First((folder_ / "*.xml").string(), faArchive, match));
  EXPECT_FALSE(search->Next(match));
  EXPECT_TRUE(FindFiles((folder_ / "absent").string(), "*.kel").empty());
}

TEST_F(DirectorySearchTest, UnreadableFolderIsReportedByTheCheck) {
  EXPECT_NO_THROW(CheckFolderReadable(folder_.string()));
  const std::string absent = (folder_ / "absent").string();
  try {
    CheckFolderReadable(absent);
    FAIL() << "no failure";
  } catch (const EFOpenError& error) {
    EXPECT_EQ(error.Message(), "Cannot open folder \"" + absent + "\". No such file or directory");
  }
  EXPECT_THROW(CheckFolderReadable((folder_ / "a.kel").string()), EFOpenError);
}

TEST_F(DirectorySearchTest, IsFolderFollowsLinksAndRejectsEverythingElse) {
  const struct {
    const char* name;
    bool folder;
  } cases[] = {
      {"sub.kel", true},     {"dirlink.kel", true}, {"a.kel", false},  {"link.kel", false},
      {"broken.kel", false}, {"pipe.kel", false},   {"absent", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsFolder((folder_ / c.name).string()), c.folder);
  }
}

TEST_F(DirectorySearchTest, PatternWithoutFolderSearchesTheCurrentOne) {
  const fs::path previous = fs::current_path();
  fs::current_path(folder_);
  auto search = CreateDirectorySearch();
  TSearchRec match;
  EXPECT_TRUE(search->First("c.kel", faArchive, match));
  EXPECT_EQ(match.Name, "c.kel");
  EXPECT_FALSE(search->Next(match));
  fs::current_path(previous);
}

}  // namespace
}  // namespace kel
