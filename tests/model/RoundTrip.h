// Checks that an object's written entries come back whole: loading them into
// a fresh object and writing that again gives the same lines.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/model/PropertyText.h"

namespace kel::test {

template <class MakeObject>
void ExpectRoundTrip(MakeObject makeObject, const std::string& lines) {
  auto reloaded = makeObject();
  LoadProperties(*reloaded, lines);
  EXPECT_EQ(PropertiesText(*reloaded), lines) << "after reloading";
}

}  // namespace kel::test
