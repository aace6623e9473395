#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/AtomicFile.h"
#include "platform/Exceptions.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

class AtomicFileTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
};

TEST_F(AtomicFileTest, WritesAnEmptyHiddenTemporaryBesideTheTargetThenRenamesIt) {
  const std::string target = folder / "out.txt";
  test::WriteFile(target, "earlier");
  std::string temporary;
  ReplaceFileAtomically(target, [&](const std::string& name) {
    temporary = name;
    EXPECT_EQ(test::ReadFile(name), "");
    test::WriteFile(name, "new");
  });
  EXPECT_EQ(temporary.rfind(folder / ".out.txt.", 0), 0u) << temporary;
  EXPECT_EQ(test::ReadFile(target), "new");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"out.txt"});
}

TEST_F(AtomicFileTest, FailureRemovesTheTemporaryAndKeepsTheTarget) {
  const std::string target = folder / "out.txt";
  test::WriteFile(target, "good");
  EXPECT_THROW(ReplaceFileAtomically(target,
                                     [](const std::string& name) {
                                       test::WriteFile(name, "half");
                                       throw std::runtime_error("boom");
                                     }),
               std::runtime_error);
  EXPECT_EQ(test::ReadFile(target), "good");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"out.txt"});
}

TEST_F(AtomicFileTest, TemporaryFileThatCannotBeMadeRaisesTheCreateErrorForTheTarget) {
  const std::string target = folder / "missing/out.txt";
  bool written = false;
  try {
    ReplaceFileAtomically(target, [&](const std::string&) { written = true; });
    FAIL() << "no exception";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot create file \"" + target + "\". No such file or directory");
  }
  EXPECT_FALSE(written);
}

}  // namespace
}  // namespace kel
