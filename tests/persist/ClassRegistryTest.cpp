#include <gtest/gtest.h>

#include "persist/ClassDeclaration.h"
#include "persist/ClassRegistry.h"
#include "persist/Exceptions.h"

namespace kel {
namespace {

class TRegBase : public TPersistent {
  KEL_CLASS(TRegBase, TPersistent)
};
class TRegMiddle : public TRegBase {
  KEL_CLASS(TRegMiddle, TRegBase)
};
class TRegLeaf : public TRegMiddle {
  KEL_CLASS(TRegLeaf, TRegMiddle)
};
KEL_PROPERTIES(TRegBase)
KEL_PROPERTIES(TRegMiddle)
KEL_PROPERTIES(TRegLeaf)

class ClassRegistry : public ::testing::Test {
 protected:
  void TearDown() override {
    UnRegisterClasses({&TRegLeaf::StaticClassInfo(), &TRegMiddle::StaticClassInfo(),
                       &TRegBase::StaticClassInfo()});
  }
};

TEST_F(ClassRegistry, RegisteringAClassRegistersItsAncestorsFoundInAnyCase) {
  EXPECT_EQ(GetClass(u"TRegMiddle"), nullptr);
  RegisterClass<TRegLeaf>();
  EXPECT_EQ(GetClass(u"tregleaf"), &TRegLeaf::StaticClassInfo());
  EXPECT_EQ(GetClass(u"TREGMIDDLE"), &TRegMiddle::StaticClassInfo());
  EXPECT_EQ(GetClass(u"TRegBase"), &TRegBase::StaticClassInfo());
  EXPECT_EQ(GetClass(u"TPersistent"), &TPersistent::StaticClassInfo());
  RegisterClass<TRegLeaf>();  // again: nothing happens
}

TEST_F(ClassRegistry, UnknownNames) {
  EXPECT_EQ(GetClass(u"TNoSuchClass"), nullptr);
  try {
    FindRegisteredClass(u"TNoSuchClass");
    FAIL();
  } catch (const EClassNotFound& e) {
    EXPECT_STREQ(e.what(), "Class TNoSuchClass not found");
  }
}

TEST_F(ClassRegistry, ADifferentClassUnderATakenNameIsRefusedAndRegistersNothing) {
  RegisterClass<TRegBase>();
  // Another class that happens to be named like TRegMiddle, with a leaf of its own.
  TClassInfo impostor;
  impostor.ClassName = u"TRegMiddle";
  impostor.ParentInfo = &TRegBase::StaticClassInfo();
  RegisterClass(impostor);
  try {
    RegisterClass<TRegLeaf>();
    FAIL();
  } catch (const EFilerError& e) {
    EXPECT_STREQ(e.what(), "A class named TRegMiddle already exists");
  }
  EXPECT_EQ(GetClass(u"TRegLeaf"), nullptr);
  EXPECT_EQ(GetClass(u"TRegMiddle"), &impostor);
  UnRegisterClass(impostor);
}

TEST_F(ClassRegistry, UnregisteringRemovesOnlyThatName) {
  RegisterClass<TRegLeaf>();
  UnRegisterClass(TRegLeaf::StaticClassInfo());
  EXPECT_EQ(GetClass(u"TRegLeaf"), nullptr);
  EXPECT_NE(GetClass(u"TRegMiddle"), nullptr);
}

TEST_F(ClassRegistry, ARegistrationLastsForItsLifetime) {
  {
    TClassRegistration registration{&TRegLeaf::StaticClassInfo()};
    EXPECT_NE(GetClass(u"TRegLeaf"), nullptr);
  }
  EXPECT_EQ(GetClass(u"TRegLeaf"), nullptr);
}

}  // namespace
}  // namespace kel
