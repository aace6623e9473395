// The stream reader: value primitives of the binary component stream, and the
// reading of component records into live objects.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "persist/Filer.h"
#include "persist/Fixups.h"

namespace kel {

class TPersistent;
class TCollection;
class TClassInfo;
struct TPropInfo;

class TReader : public TFiler {
 public:
  TReader(TStream& stream, int bufSize);
  // Steps the stream back over the read-ahead that was not consumed.
  ~TReader() override;

  void Read(void* buffer, int64_t count);
  TValueType ReadValue();
  TValueType NextValue();
  bool EndOfList();
  void CheckValue(TValueType expected);
  void ReadListBegin();
  void ReadListEnd();
  void ReadSignature();
  void ReadPrefix(TFilerFlags& flags, int32_t& childPos);

  int32_t ReadInteger();
  int64_t ReadInt64();
  bool ReadBoolean();
  double ReadFloat();
  double ReadDouble();
  float ReadSingle();
  int64_t ReadCurrency();  // the value times 10000
  double ReadDate();
  std::u16string ReadStr();
  std::u16string ReadString();
  std::u16string ReadWideString() { return ReadString(); }
  char16_t ReadChar();
  char16_t ReadWideChar() { return ReadChar(); }
  std::u16string ReadIdent();
  uint32_t ReadSetValue(const TSetElementNames& elements);

  void SkipValue();
  // Copies the next value to target exactly as it is in the stream, tag and
  // all, and steps over it.
  void ReadValueBytes(TStream& target);
  void SkipPropertyEntry();
  void SkipComponentRecord(bool withHeader);
  // The bytes left to read, or -1 when the stream cannot tell.
  int64_t BytesAvailable();
  // Copies the next `count` raw bytes to `target`.
  void ReadInto(TStream& target, int64_t count);
  // Skips count raw bytes (in chunks, never allocating count bytes up front).
  void SkipBytes(int64_t count);

  int64_t Position();
  void SetPosition(int64_t position);

  // --- Component records (ReaderComponents.cpp) ---

  // Reads the signature and the root record into root, resolves references
  // and runs LoadFinished on everything loaded.
  TComponent& ReadRootComponent(TComponent& root);
  // The same, creating the root from the registered class the record names.
  std::unique_ptr<TComponent> ReadRootComponent();
  // Reads one child record into component, or into a new component when it is
  // null. Returns null when the record was skipped after a routed error.
  TComponent* ReadComponent(TComponent* component);
  // The property entries and the children of a record, after its header.
  // Records nested deeper than kMaxStreamNesting (the root counting as one)
  // raise EReadError "Nesting too deep", which is not routed.
  void ReadComponentBody(TComponent& component);
  // One property entry (a possibly dotted name and its value) into instance.
  void ReadPropertyEntry(TPersistent& instance);
  void ReadPropertyValue(TPersistent& instance, const TPropInfo& prop);
  // The items of a collection value, after its vaCollection tag.
  void ReadCollection(TCollection& collection);

  void DefineProperty(std::u16string_view name,
                      const TReaderProc& readData,
                      const TWriterProc& writeData,
                      bool hasData) override;
  void DefineBinaryProperty(std::u16string_view name,
                            const TStreamProc& readData,
                            const TStreamProc& writeData,
                            bool hasData) override;

  // Whether reading may go on after the error with this message; by default
  // asks OnError, and says no without it.
  virtual bool ReportError(const std::string& message);
  // Told of every entry that reading leaves out and goes on without: a record
  // or property entry skipped after ReportError allowed it, and a reference
  // that resolves to nothing. The description names the object and the
  // property. By default passes it to OnDropped.
  virtual void ReportDropped(const std::string& description);
  // The address of root's published method name; raises EReadError "Invalid
  // property value" when there is none and OnFindMethod does not clear the error.
  virtual void* LookupMethod(TComponent* root, const std::u16string& name);
  virtual void NameComponent(TComponent& component, const std::u16string& name);
  virtual std::u16string MapReferenceName(const std::u16string& name);

  TComponent* Owner() const { return FOwner; }
  void SetOwner(TComponent* owner) { FOwner = owner; }
  TComponent* Parent() const { return FParent; }
  void SetParent(TComponent* parent) { FParent = parent; }
  // The entry name being offered to DefineProperties; empty once taken.
  const std::u16string& PropName() const { return FPropName; }

  // Hooks; each may be empty.
  std::function<void(TReader&, const std::u16string& name, void*& address, bool& error)>
      OnFindMethod;
  std::function<void(TReader&, TComponent&, std::u16string& name)> OnSetName;
  std::function<void(TReader&, std::u16string& name)> OnReferenceName;
  std::function<void(TReader&, const std::string& message, bool& handled)> OnError;
  std::function<void(TReader&, const std::string& description)> OnDropped;
  std::function<void(TReader&, const std::u16string& className, const TClassInfo*& componentClass)>
      OnFindComponentClass;
  std::function<void(TReader&, const TClassInfo& componentClass, TComponent*& component)>
      OnCreateComponent;
  std::function<void(TReader&, const std::u16string& name, TComponent*& instance)>
      OnFindComponentInstance;

 protected:
  void FillBuffer();
  int FBufEnd = 0;

 private:
  void ReadPropertyPath(TPersistent& instance, const std::u16string& path);
  void ReadProperties(TPersistent& instance, TValueType end);
  void HandOverToDefiner(TPersistent& instance, const std::u16string& name);
  const TClassInfo& ResolveComponentClass(const std::u16string& className);
  TComponent* CreateChild(const std::u16string& className);
  void ReadRootRecord(TComponent& root);
  void ResolveLocalFixups();
  // ReportError for the routed message; when reading goes on, ReportDropped
  // with the description.
  bool SkipAfterError(const std::string& message, const std::string& description);

  TComponent* FOwner = nullptr;
  TComponent* FParent = nullptr;
  std::unique_ptr<TFixupList> FFixups;
  std::vector<TComponent*>* FLoaded = nullptr;
  std::u16string FPropName;
  bool FCanHandleExcepts = false;
  // The records being read, one inside the other; bounded so that a stream
  // of nested records cannot exhaust the stack.
  int FComponentDepth = 0;
  // The bytes of a binary entry, handed to its reader; kept for the next
  // entry, so that large ones do not take fresh memory each time.
  TMemoryStream FBinaryData;
};

// Resolves the pending references to components of other roots that are no
// longer being read.
void ResolveGlobalFixups();
// The component reached from root by a path of names separated by ".", "-" or
// "->"; the segment "Owner" stands for the current component. Null on a miss.
TComponent* FindComponentByPath(TComponent* root, std::u16string_view path);

}  // namespace kel
