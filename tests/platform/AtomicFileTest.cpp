#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "platform/AtomicFile.h"
#include "platform/Exceptions.h"
#include "platform/TemporaryFiles.h"
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

using Names = std::vector<std::string>;

// A write that fills the temporary file with `content`.
std::function<void(const std::string&)> Writes(const std::string& content) {
  return [content](const std::string& name) { test::WriteFile(name, content); };
}

TEST_F(AtomicFileTest, FilesAreReplacedTogetherOrNotAtAll) {
  struct Case {
    const char* name;
    bool earlierFiles;
    int failingWrite;  // -1: none fails
  };
  for (const Case& c :
       {Case{"all new", false, -1}, Case{"all replaced", true, -1}, Case{"first fails", true, 0},
        Case{"second fails", true, 1}, Case{"second fails, none there", false, 1}}) {
    SCOPED_TRACE(c.name);
    test::TempFolder here;
    if (c.earlierFiles) {
      test::WriteFile(here / "a.txt", "old a");
      test::WriteFile(here / "a.xml", "old x");
    }
    std::vector<FileReplacement> files{{here / "a.txt", Writes("new a")},
                                       {here / "a.xml", Writes("new x")}};
    if (c.failingWrite >= 0) {
      files[static_cast<size_t>(c.failingWrite)].write = [](const std::string& name) {
        test::WriteFile(name, "half");
        throw std::runtime_error("No space left on device");
      };
      EXPECT_THROW(ReplaceFilesTogether(files), std::runtime_error);
      EXPECT_EQ(here.Names(), c.earlierFiles ? (Names{"a.txt", "a.xml"}) : Names{});
      if (c.earlierFiles) {
        EXPECT_EQ(test::ReadFile(here / "a.txt"), "old a");
        EXPECT_EQ(test::ReadFile(here / "a.xml"), "old x");
      }
    } else {
      ReplaceFilesTogether(files);
      EXPECT_EQ(here.Names(), (Names{"a.txt", "a.xml"}));
      EXPECT_EQ(test::ReadFile(here / "a.txt"), "new a");
      EXPECT_EQ(test::ReadFile(here / "a.xml"), "new x");
    }
  }
}

TEST_F(AtomicFileTest, AFolderInTheWayStopsTheReplacementBeforeAnyFileChanges) {
  test::WriteFile(folder / "a.txt", "old a");
  ASSERT_EQ(::mkdir((folder / "a.xml").c_str(), 0700), 0);
  try {
    ReplaceFilesTogether({{folder / "a.txt", Writes("new a")}, {folder / "a.xml", Writes("x")}});
    ADD_FAILURE() << "no exception";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot create file \"" + folder / "a.xml" + "\". Is a directory");
  }
  EXPECT_EQ(test::ReadFile(folder / "a.txt"), "old a");
  EXPECT_EQ(folder.Names(), (Names{"a.txt", "a.xml"}));
}

TEST_F(AtomicFileTest, AReplacedFileKeepsItsMode) {
  for (const mode_t mode : {0600, 0640, 0604, 0755}) {
    SCOPED_TRACE(mode);
    const std::string target = folder / "out.txt";
    test::WriteFile(target, "earlier");
    ASSERT_EQ(::chmod(target.c_str(), mode), 0);
    ReplaceFileAtomically(target, Writes("new"));
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode);
    EXPECT_EQ(test::ReadFile(target), "new");
  }
}

TEST_F(AtomicFileTest, TemporariesOfTheSameFileLeftByADeadProcessAreRemoved) {
  const std::string abandoned = ".out.txt.0badc0de.tmp";
  const std::string running = ".out.txt.12345678.tmp";
  const Names others = {".other.txt.0badc0de.tmp", ".out.txt.notatemp.tmp", ".out.txt.1234.tmp"};
  for (const std::string& name : Names{abandoned, running}) test::WriteFile(folder / name, "x");
  for (const std::string& name : others) test::WriteFile(folder / name, "x");
  // The lock a running writer holds on its temporary file.
  const int held = ::open((folder / running).c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);

  ReplaceFileAtomically(folder / "out.txt", Writes("new"));
  ::close(held);
  Names expected = others;
  expected.push_back(running);
  expected.push_back("out.txt");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(folder.Names(), expected);
}

// Runs `body` in a child process; returns its wait status.
int InChildProcess(const std::function<void()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    body();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return status;
}

TEST_F(AtomicFileTest, ASignalRemovesTheTemporariesAndEndsTheProcessByThatSignal) {
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    test::TempFolder here;
    test::WriteFile(here / "b.txt", "old b");
    const int status = InChildProcess([&] {
      RemoveTemporaryFilesOnSignals();
      ReplaceFileAtomically(here / "a.txt", Writes("new a"));
      ReplaceFilesTogether(
          {{here / "b.txt", Writes("new b")}, {here / "b.xml", [signal](const std::string& name) {
                                                 test::WriteFile(name, "half");
                                                 ::raise(signal);
                                               }}});
    });
    ASSERT_TRUE(WIFSIGNALED(status)) << status;
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_EQ(here.Names(), (Names{"a.txt", "b.txt"}));
    EXPECT_EQ(test::ReadFile(here / "a.txt"), "new a");
    EXPECT_EQ(test::ReadFile(here / "b.txt"), "old b");
  }
}

TEST_F(AtomicFileTest, ASignalDuringAnUninterruptedStepWaitsForItsEnd) {
  const int status = InChildProcess([&] {
    RemoveTemporaryFilesOnSignals();
    RunUninterrupted([&] {
      ::raise(SIGTERM);
      test::WriteFile(folder / "placed", "");
    });
    ::_exit(3);
  });
  ASSERT_TRUE(WIFSIGNALED(status)) << status;
  EXPECT_EQ(WTERMSIG(status), SIGTERM);
  EXPECT_EQ(folder.Names(), (Names{"placed"}));
}

}  // namespace
}  // namespace kel
