#include <gtest/gtest.h>

#include "persist/Stream.h"
#include "store/export/TextEncoding.h"

namespace kel {
namespace {

TEST(TextEncodingTest, Utf8WritesEveryCharacterAndMarksLoneSurrogates) {
  struct Case {
    std::vector<std::u16string> parts;
    std::string bytes;
  };
  const Case cases[] = {
      {{u"plain ASCII"}, "plain ASCII"},
      {{u"\u00e4 \u20ac \U0001F600"}, "\xC3\xA4 \xE2\x82\xAC \xF0\x9F\x98\x80"},
      {{u"a\xD83D", u"\xDE00z"}, "a\xF0\x9F\x98\x80z"},  // a pair split between parts
      {{u"\xD83Dx \xDE00 \xD83D"}, "?x ? ?"},
      {{u"end\xD83D", u""}, "end?"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    const std::unique_ptr<TEncoding> utf8 = TEncoding::Create("utf-8");
    EXPECT_EQ(utf8->Preamble(), "");
    TMemoryStream stream;
    for (size_t i = 0; i < c.parts.size(); ++i) {
      utf8->Write(stream, c.parts[i], i + 1 == c.parts.size());
    }
    EXPECT_EQ(std::string(stream.Bytes().begin(), stream.Bytes().end()), c.bytes);
  }
}

}  // namespace
}  // namespace kel
