#include <gtest/gtest.h>

#include "platform/FailureReport.h"
#include "platform/Utf.h"

namespace kel {
namespace {

TEST(FailureReportTextTest, AppendsFullStopAfterCharactersAboveIt) {
  struct Case {
    std::u16string message;
    std::u16string shown;
  } cases[] = {
      {u"Wrong *.kel file format", u"Wrong *.kel file format."},
      {u"Empty *.kel file", u"Empty *.kel file."},
      {u"Done.", u"Done."},
      {u"Done!", u"Done!"},           // '!' is below '.'
      {u"Code -", u"Code -"},         // '-' is below '.'
      {u"Ends in /", u"Ends in /."},  // '/' is the first code above '.'
      {u"Value 7", u"Value 7."},
      {u"Cannot open file \"a.kel\". No such file or directory",
       u"Cannot open file \"a.kel\". No such file or directory."},
      {u"Trailing blank ", u"Trailing blank "},
      {u"Grüße é", u"Grüße é."},
      {u"", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.message));
    EXPECT_EQ(FailureReportText(c.message), c.shown);
  }
}

}  // namespace
}  // namespace kel
