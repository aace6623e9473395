#include <gtest/gtest.h>

#include "platform/MessageText.h"

namespace kel {
namespace {

TEST(MessageTextTest, ControlCharactersAreEscapedAndEverythingElseKept) {
  struct Case {
    std::string text;
    std::string escaped;
  };
  const Case cases[] = {
      {"Class TFoo not found", "Class TFoo not found"},
      {"a\nb\r\nc\td", "a\\nb\\r\\nc\\td"},
      {std::string("x\0y", 3) + "\x01\x1b[31m\x7f", "x\\x00y\\x01\\x1b[31m\\x7f"},
      // C1 controls in UTF-8; the letters around them and a backslash stay.
      {"\xc2\x9b"
       "2J \xc2\x85",
       "\\u009b2J \\u0085"},
      {"caf\xc3\xa9 \xc2\xa0 \xe2\x82\xac C:\\data", "caf\xc3\xa9 \xc2\xa0 \xe2\x82\xac C:\\data"},
      {"ends in \xc2", "ends in \xc2"},
  };
  for (const Case& c : cases) EXPECT_EQ(EscapeControlCharacters(c.text), c.escaped) << c.text;
}

}  // namespace
}  // namespace kel
