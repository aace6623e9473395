// The binary component stream codec: value tags, and the buffered filer that
// the reader and the writer share. The primitives here are public because
// model classes call them from their extra-data callbacks.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "persist/Stream.h"

namespace kel {

class TComponent;

enum TValueType : uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
  vaInt64 = 19,
  vaUTF8String = 20,
  vaDouble = 21,
};
inline constexpr uint8_t kLastValueType = vaDouble;

// Record prefix flags (bit values of the prefix byte's low nibble).
enum TFilerFlag : uint8_t { ffInherited = 1, ffChildPos = 2, ffInline = 4 };
using TFilerFlags = uint8_t;

inline constexpr char kStreamSignature[4] = {'T', 'P', 'F', '0'};
inline constexpr int kDefaultFilerBufferSize = 4096;

// Names of a set's element enumeration, by ordinal (at most 32).
using TSetElementNames = std::vector<std::u16string>;

class TFiler {
 public:
  TFiler(TStream& stream, int bufSize);
  virtual ~TFiler() = default;
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;

  TStream& Stream() { return *FStream; }
  TComponent* Root() const { return FRoot; }
  void SetRoot(TComponent* root) { FRoot = root; }
  TComponent* LookupRoot() const { return FLookupRoot; }

 protected:
  TStream* FStream;
  std::vector<uint8_t> FBuffer;
  int FBufSize;
  int FBufPos = 0;
  TComponent* FRoot = nullptr;
  TComponent* FLookupRoot = nullptr;
  TComponent* FAncestor = nullptr;
  bool FIgnoreChildren = false;
};

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
  void WriteStr(std::string_view ansi);       // 8-bit ANSI text, as a short string
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
};

// Exact conversions between doubles and the 10-byte extended float form.
void DoubleToExtended(double value, uint8_t out[10]);
double ExtendedToDouble(const uint8_t in[10]);

}  // namespace kel
