#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Exceptions.h"
#include "store/ChartConversion.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

// Claims each input in turn; returns each refusal's message, "" for a claim
// that was granted.
std::vector<std::string> ClaimAll(const std::vector<std::string>& inputs) {
  BatchOutputClaims claims;
  std::vector<std::string> refusals;
  for (const std::string& input : inputs) {
    try {
      claims.Claim(input, {});
      refusals.emplace_back();
    } catch (const EFCreateError& refusal) {
      refusals.emplace_back(refusal.what());
    }
  }
  return refusals;
}

TEST(BatchOutputClaimsTest, AnOutputBelongsToTheFirstInputThatNamesIt) {
  test::TempFolder folder;
  ASSERT_EQ(::mkdir((folder / "sub").c_str(), 0755), 0);
  ASSERT_EQ(::symlink((folder / "sub").c_str(), (folder / "link").c_str()), 0);
  const std::string a = folder / "a.kel";
  const struct {
    const char* title;
    std::vector<std::string> inputs;
    std::vector<std::string> refusals;
  } cases[] = {
      {"different names", {a, folder / "b.kel"}, {"", ""}},
      {
          "extensions differing in case",
          {a, folder / "a.KEL"},
          {"", "Cannot write file \"" + folder / "a.txt" + "\": it is written from \"" + a + "\""},
      },
      {"a path without its extension names the same input", {a, folder / "a"}, {"", ""}},
      {
          "an earlier input is never an output",
          {folder / "d.txt", folder / "d.kel"},
          {"", "Cannot write file \"" + folder / "d.txt" + "\": it is the input \"" +
                   folder / "d.txt" + "\""},
      },
      {
          "another spelling of the folder",
          {folder / "sub/e.kel", folder / "link/e.KEL"},
          {"", "Cannot write file \"" + folder / "link/e.txt" + "\": it is written from \"" +
                   folder / "sub/e.kel" + "\""},
      },
      {"one input listed twice", {a, folder.Path() + "/./a.kel"}, {"", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    EXPECT_EQ(ClaimAll(c.inputs), c.refusals);
  }
}

}  // namespace
}  // namespace kel
