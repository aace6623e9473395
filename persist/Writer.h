// The stream writer: value primitives of the binary component stream.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persist/Filer.h"

namespace kel {

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

 protected:
  // How far the buffer has been filled; more than FBufPos after the position
  // was moved back into the buffer, so that the bytes behind it still get out.
  int FBufFilled = 0;
};

}  // namespace kel
