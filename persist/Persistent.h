// TPersistent, the root of every streamable class, and KEL_CLASS, which gives
// a class its descriptor (see persist/ClassDeclaration.h for the tables).
#pragma once

#include <string>

#include "persist/Descriptors.h"

namespace kel {

class TFiler;

// Put at the top of every persistent class body, like Q_OBJECT. Declares the
// class's descriptor, defined in its .cpp file with KEL_PROPERTIES or
// DeclareClass, and `inherited` for calling the parent's overrides. Leaves the
// access at private.
#define KEL_CLASS(Class, Parent)                            \
 public:                                                    \
  using inherited = Parent;                                 \
  static constexpr const char16_t* kClassName = u"" #Class; \
  static const ::kel::TClassInfo& StaticClassInfo();        \
  const ::kel::TClassInfo& ClassInfo() const override {     \
    return StaticClassInfo();                               \
  }                                                         \
                                                            \
 private:

class TPersistent {
 public:
  static constexpr const char16_t* kClassName = u"TPersistent";
  static const TClassInfo& StaticClassInfo();
  virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }

  TPersistent() = default;
  virtual ~TPersistent();
  TPersistent(const TPersistent&) = delete;
  TPersistent& operator=(const TPersistent&) = delete;

  const std::u16string& ClassName() const { return ClassInfo().ClassName; }
  bool InheritsFrom(const TClassInfo& ancestor) const { return ClassInfo().InheritsFrom(ancestor); }

  // Copies source into this object. Descendants handle the classes they know
  // and pass the rest to the parent; in the end the source's AssignTo is asked,
  // and by default raises EConvertError "Cannot assign a %s to a %s".
  virtual void Assign(const TPersistent* source);
  // Declares the extra stream entries that are not published properties.
  virtual void DefineProperties(TFiler& filer);
  // The object that owns this one, if any.
  virtual TPersistent* GetOwner() { return nullptr; }

 protected:
  virtual void AssignTo(TPersistent& destination) const;
  [[noreturn]] void AssignError(const TPersistent* source) const;
};

}  // namespace kel
