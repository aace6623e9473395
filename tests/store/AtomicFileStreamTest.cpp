#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "persist/Exceptions.h"
#include "store/AtomicFileStream.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

void WriteText(TStream& stream, const std::string& text) {
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

class AtomicFileStreamTest : public ::testing::Test {
 protected:
  test::TempFolder folder;
};

TEST_F(AtomicFileStreamTest, WritesANewFileWithNormalPermissions) {
  const std::string target = folder / "out.txt";
  WriteFileAtomically(target, [](TStream& s) { WriteText(s, "hello"); });
  EXPECT_EQ(test::ReadFile(target), "hello");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"out.txt"});
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0600, 0600u);
}

TEST_F(AtomicFileStreamTest, ReplacesAnEarlierFile) {
  const std::string target = folder / "out.txt";
  test::WriteFile(target, "a much longer earlier content");
  WriteFileAtomically(target, [](TStream& s) { WriteText(s, "new"); });
  EXPECT_EQ(test::ReadFile(target), "new");
}

TEST_F(AtomicFileStreamTest, FailureKeepsTheEarlierFileAndLeavesNoTemporary) {
  const std::string target = folder / "out.txt";
  test::WriteFile(target, "good");
  EXPECT_THROW(WriteFileAtomically(target,
                                   [](TStream& s) {
                                     WriteText(s, "half");
                                     throw EReadError("Stream read error");
                                   }),
               EReadError);
  EXPECT_EQ(test::ReadFile(target), "good");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"out.txt"});
}

TEST_F(AtomicFileStreamTest, FailureWithoutEarlierFileLeavesNothing) {
  EXPECT_THROW(
      WriteFileAtomically(folder / "out.txt", [](TStream&) { throw std::runtime_error("boom"); }),
      std::runtime_error);
  EXPECT_TRUE(folder.Names().empty());
}

TEST_F(AtomicFileStreamTest, MissingFolderRaisesTheCreateError) {
  const std::string target = folder / "missing/out.txt";
  try {
    WriteFileAtomically(target, [](TStream& s) { WriteText(s, "x"); });
    FAIL() << "no exception";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot create file \"" + target + "\". No such file or directory");
  }
}

TEST_F(AtomicFileStreamTest, TargetThatIsAFolderRaisesTheCreateErrorAndLeavesNoTemporary) {
  const std::string target = folder / "out.txt";
  ASSERT_EQ(::mkdir(target.c_str(), 0755), 0);
  try {
    WriteFileAtomically(target, [](TStream& s) { WriteText(s, "x"); });
    FAIL() << "no exception";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + target + "\". Is a directory");
  }
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"out.txt"});
}

TEST_F(AtomicFileStreamTest, AWriteTheSystemRefusesNamesTheOutputAndTheReason) {
  // Past the file-size limit, as on a full disk, the system refuses the
  // write; run in a child process that keeps the limit to itself.
  const std::string target = folder / "out.txt";
  const std::string report = folder / "report";
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    try {
      WriteFileAtomically(target, [](TStream& s) { WriteText(s, std::string(10000, 'x')); });
    } catch (const EFWriteError& e) {
      test::WriteFile(report, e.what());
    }
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(test::ReadFile(report), "Cannot write file \"" + target + "\": File too large");
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"report"});
}

}  // namespace
}  // namespace kel
