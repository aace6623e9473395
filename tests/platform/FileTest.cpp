#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "platform/File.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

class FileTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
};

TEST_F(FileTest, CreatedFileReadsBackWhatWasWrittenFromAnyPosition) {
  const std::string name = folder / "data.bin";
  test::WriteFile(name, "an earlier and longer content");
  File file;
  file.Create(name);
  EXPECT_EQ(file.Write("abcdef", 6), 6);
  EXPECT_EQ(file.Seek(0, File::Origin::End), 6);
  EXPECT_EQ(file.Seek(-4, File::Origin::Current), 2);
  char bytes[8] = {};
  EXPECT_EQ(file.Read(bytes, sizeof bytes), 4);
  EXPECT_EQ(std::string(bytes, 4), "cdef");
  EXPECT_EQ(file.Seek(-1, File::Origin::Beginning), -1);
  EXPECT_TRUE(file.Close());
  EXPECT_TRUE(file.Close());
  EXPECT_EQ(test::ReadFile(name), "abcdef");
}

TEST_F(FileTest, OpenedFileIsReadFromItsStartAndLeftUnchanged) {
  const std::string name = folder / "data.bin";
  test::WriteFile(name, "xyz");
  File file;
  file.Open(name, File::Access::Read);
  file.LockShared();
  char bytes[4] = {};
  EXPECT_EQ(file.Read(bytes, sizeof bytes), 3);
  EXPECT_EQ(std::string(bytes, 3), "xyz");
  EXPECT_EQ(file.Write("q", 1), 0);
  EXPECT_EQ(test::ReadFile(name), "xyz");
}

TEST_F(FileTest, FailuresNameTheFileAndTheSystemsReason) {
  const struct {
    const char* name;
    bool create;
    const char* expected;
  } cases[] = {
      {"absent.bin", false, "Cannot open file \"%\". No such file or directory"},
      {"", false, "Cannot open file \"%\". Is a directory"},
      {"absent/data.bin", true, "Cannot create file \"%\". No such file or directory"},
  };
  for (const auto& c : cases) {
    const std::string name = folder / c.name;
    SCOPED_TRACE(name);
    std::string expected = c.expected;
    expected.replace(expected.find('%'), 1, name);
    File file;
    try {
      if (c.create) {
        file.Create(name);
      } else {
        file.Open(name, File::Access::Read);
      }
      ADD_FAILURE() << "no failure";
    } catch (const EStreamError& e) {
      EXPECT_EQ(std::string(e.what()), expected);
    }
  }
}

}  // namespace
}  // namespace kel
