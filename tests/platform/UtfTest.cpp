#include <gtest/gtest.h>

#include "platform/Utf.h"

namespace kel {
namespace {

TEST(Utf8ToUtf16Test, DecodesValidSequencesAndReplacesEachBadByte) {
  const struct {
    const char* label;
    std::string utf8;
    std::u16string utf16;
  } cases[] = {
      {"ascii", "Chart1", u"Chart1"},
      {"two bytes", "\xC3\xA9", u"\u00E9"},
      {"three bytes", "\xE2\x82\xAC", u"\u20AC"},
      {"four bytes", "\xF0\x9F\x98\x80", u"\U0001F600"},
      {"overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"cut short", "a\xE2\x82", u"a\uFFFD\uFFFD"},
      {"lone continuation", "\x80z", u"\uFFFDz"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
  }
}

TEST(Utf16ToUtf8Test, EncodesPairsAndReplacesUnpairedSurrogates) {
  const struct {
    const char* label;
    std::u16string utf16;
    std::string utf8;
  } cases[] = {
      {"ascii", u"Chart1", "Chart1"},
      {"bmp", u"\u00E9\u20AC", "\xC3\xA9\xE2\x82\xAC"},
      {"pair", u"\U0001F600", "\xF0\x9F\x98\x80"},
      {"lone high", std::u16string{u'a', char16_t(0xD800)}, "a\xEF\xBF\xBD"},
      {"lone low", std::u16string{char16_t(0xDC00), u'b'},
       "\xEF\xBF\xBD"
       "b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
  }
}

}  // namespace
}  // namespace kel
