// The stream writer: value primitives of the binary component stream, and the
// writing of live objects as component records.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "persist/Filer.h"
#include "persist/TypeInfo.h"

namespace kel {

class TPersistent;
class TCollection;
struct TPropInfo;

class TWriter : public TFiler {
 public:
  TWriter(TStream& stream, int bufSize);
  // Writes out what is still buffered.
  ~TWriter() override;

  void Write(const void* buffer, int64_t count);
  void FlushBuffer();
  void WriteValueTag(TValueType tag);
  void WriteListBegin();
  void WriteListEnd();
  void WriteSignature();
  void WriteRecordPrefix(TFilerFlags flags, int32_t childPos);

  void WriteInteger(int32_t value);
  void WriteInteger(int64_t value);
  void WriteBoolean(bool value);
  void WriteFloat(double value);  // vaExtended
  void WriteSingle(float value);
  void WriteDouble(double value);
  void WriteCurrency(int64_t scaledValue);
  void WriteDate(double value);
  void WriteStr(std::string_view ansi);         // 8-bit ANSI text, as a short string
  void WriteUTF8Str(std::u16string_view text);  // short string, cut to 255 UTF-8 bytes
  void WriteString(std::u16string_view text);
  void WriteWideString(std::u16string_view text) { WriteString(text); }
  void WriteChar(char16_t c);
  void WriteWideChar(char16_t c) { WriteChar(c); }
  void WriteIdent(std::u16string_view ident);
  void WriteSetValue(const TSetElementNames& elements, uint32_t bits);
  // vaBinary, the 4-byte size and the bytes.
  void WriteBinary(const void* data, int64_t size);

  int64_t Position();
  void SetPosition(int64_t position);

  // --- Component records (WriterComponents.cpp) ---

  // Sets the component that children are enumerated for and references are
  // named relative to.
  void AssignRoot(TComponent* root);
  // AssignRoot, the signature and the root's record.
  void WriteRootComponent(TComponent& root);
  // One object record, with csWriting set on the component and its
  // sub-components while it is written.
  void WriteComponent(TComponent& component);
  virtual void WriteComponentBody(TComponent& component);
  // The published properties that are stored and not default, then the extra
  // entries of DefineProperties.
  void WriteProperties(TPersistent& instance);
  void WritePropertyEntry(TPersistent& instance, const TPropInfo& prop);
  // The current property path followed by name, as one short string.
  void WritePropertyName(std::u16string_view name);
  void WriteCollection(TCollection& collection);
  bool HasDefaultValue(TPersistent& instance, const TPropInfo& prop);
  // How a reference to component is written; empty when it cannot be.
  std::u16string ComponentReferenceName(TComponent& component) const;
  virtual std::u16string LookupMethodName(const TMethod& method);

  void DefineProperty(std::u16string_view name,
                      const TReaderProc& readData,
                      const TWriterProc& writeData,
                      bool hasData) override;
  void DefineBinaryProperty(std::u16string_view name,
                            const TStreamProc& readData,
                            const TStreamProc& writeData,
                            bool hasData) override;

  // Hook; may be empty.
  std::function<void(TWriter&, const TMethod& method, std::u16string& name)> OnFindMethodName;

 protected:
  // How far the buffer has been filled; more than FBufPos after the position
  // was moved back into the buffer, so that the bytes behind it still get out.
  int FBufFilled = 0;
  // The prefix of property names while a sub-object is written ("Title.").
  std::u16string FPropPath;
  // The bytes of a binary entry, collected before they are written; kept for
  // the next entry, so that large ones do not take fresh memory each time.
  TMemoryStream FBinaryData;
};

}  // namespace kel
