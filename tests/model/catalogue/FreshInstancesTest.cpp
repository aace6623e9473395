// A newly created object of every modelled registered class writes exactly the entries
// whose constructor value differs from the table's default. A table default
// that disagrees with the constructor shows up here as an extra or missing
// line.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/catalogue/LosslessClass.h"
#include "model/catalogue/Registration.h"
#include "persist/ClassRegistry.h"
#include "persist/Collection.h"
#include "persist/Component.h"
#include "persist/Unicode.h"
#include "tests/model/PropertyText.h"
#include "tests/platform/TempFolder.h"

namespace kel {
namespace {

// The entries of a fresh instance of the class, or nothing for an abstract
// class (one that cannot be created on its own).
std::string FreshInstanceText(const TClassInfo& info) {
  if (info.CreateComponent != nullptr) {
    std::unique_ptr<TComponent> component(info.CreateComponent(nullptr));
    return test::PropertiesText(*component);
  }
  if (info.CreateItem != nullptr) {
    TCollection collection(info);
    std::unique_ptr<TCollectionItem> item = info.CreateItem(&collection);
    return test::PropertiesText(*item);
  }
  return {};
}

TEST(FreshInstancesTest, EveryCreatableClassWritesWhatItsConstructorSetsApartFromItsDefaults) {
  RegisterModelClasses();
  std::string written;
  for (const TClassInfo* info : RegisteredClasses()) {
    if (info->CreateComponent == nullptr && info->CreateItem == nullptr) continue;
    // A class made on a modelled base has its base's table and constructor.
    if (IsLosslessClass(*info)) continue;
    written += "[" + Utf16ToUtf8(info->ClassName) + "]\n" + FreshInstanceText(*info);
  }
  EXPECT_EQ(written, test::ReadFile(KEL_TEST_DATA "/catalogue/fresh_instances.txt"));
}

}  // namespace
}  // namespace kel
