// Inputs that once broke, or that probe the limits of, the conversion to
// text: each must convert or fail with its clean message, never crash.
#include <gtest/gtest.h>

#include "persist/Exceptions.h"
#include "store/ChartFile.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

TEST(FuzzRegressionTest, HostileInputsEndInTheirMessages) {
  const struct {
    const char* file;
    const char* message;  // "" when the input converts
  } cases[] = {
      // Found by fuzzing: the first line at level 0 has an empty indent,
      // which once reached the text buffer before it had any room.
      {"empty-indent.kel", ""},
      {"oversized-binary.kel", "Stream read error"},
      {"negative-count.kel", "Stream read error"},
      {"deep-lists.kel", "Nesting too deep"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string bytes = test::ReadFile(std::string(KEL_TEST_DATA) + "/fuzz/" + c.file);
    ASSERT_FALSE(bytes.empty());
    TMemoryStream input(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    TMemoryStream output;
    std::string message;
    try {
      ChartBinaryToText(input, output);
    } catch (const Exception& e) {
      message = e.what();
    }
    EXPECT_EQ(message, c.message);
    if (*c.message) EXPECT_EQ(output.Size(), 0);
  }
}

}  // namespace
}  // namespace kel
