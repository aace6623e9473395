// The stream reader: value primitives of the binary component stream.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "persist/Filer.h"

namespace kel {

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
  void SkipPropertyEntry();
  void SkipComponentRecord(bool withHeader);
  // Skips count raw bytes (in chunks, never allocating count bytes up front).
  void SkipBytes(int64_t count);

  int64_t Position();
  void SetPosition(int64_t position);

 protected:
  void FillBuffer();
  int FBufEnd = 0;
};

}  // namespace kel
