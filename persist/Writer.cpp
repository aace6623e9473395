#include "persist/Writer.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "persist/Exceptions.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

constexpr size_t kMaxShortString = 255;

template <typename T>
void WriteLittleEndian(TWriter& writer, T value) {
  uint8_t bytes[sizeof(T)];
  auto bits = static_cast<std::make_unsigned_t<T>>(value);
  for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
  writer.Write(bytes, sizeof bytes);
}

// A 4-byte length field; a payload that does not fit could not be read back.
void WriteLength(TWriter& writer, size_t length) {
  if (length > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
    throw EWriteError(kSWriteError);
  }
  WriteLittleEndian<int32_t>(writer, static_cast<int32_t>(length));
}

void WriteShortBytes(TWriter& writer, std::string_view utf8) {
  const uint8_t length = static_cast<uint8_t>(std::min(utf8.size(), kMaxShortString));
  writer.Write(&length, 1);
  writer.Write(utf8.data(), length);
}

}  // namespace

TWriter::TWriter(TStream& stream, int bufSize) : TFiler(stream, bufSize) {}

TWriter::~TWriter() {
  try {
    FlushBuffer();
  } catch (...) {
    // A destructor must not throw; callers that need to know flush first.
  }
}

void TWriter::FlushBuffer() {
  const int filled = std::max(FBufFilled, FBufPos);
  const int back = filled - FBufPos;
  FBufPos = 0;
  FBufFilled = 0;
  if (filled == 0) return;
  if (FStream->Write(FBuffer.data(), filled) != filled) throw EWriteError(kSWriteError);
  if (back > 0) FStream->Seek(-back, TSeekOrigin::soCurrent);
}

void TWriter::Write(const void* buffer, int64_t count) {
  const auto* in = static_cast<const uint8_t*>(buffer);
  while (count > 0) {
    if (FBufPos == FBufSize) FlushBuffer();
    const int64_t n = std::min<int64_t>(count, FBufSize - FBufPos);
    std::memcpy(FBuffer.data() + FBufPos, in, static_cast<size_t>(n));
    FBufPos += static_cast<int>(n);
    in += n;
    count -= n;
  }
}

void TWriter::WriteValueTag(TValueType tag) {
  if (FBufPos == FBufSize) FlushBuffer();
  FBuffer[FBufPos++] = tag;
}

void TWriter::WriteListBegin() {
  WriteValueTag(vaList);
}

void TWriter::WriteListEnd() {
  WriteValueTag(vaNull);
}

void TWriter::WriteSignature() {
  Write(kStreamSignature, sizeof kStreamSignature);
}

void TWriter::WriteRecordPrefix(TFilerFlags flags, int32_t childPos) {
  if (flags == 0) return;
  WriteValueTag(static_cast<TValueType>(0xF0 | flags));
  if (flags & ffChildPos) WriteInteger(childPos);
}

void TWriter::WriteInteger(int32_t value) {
  if (value >= -128 && value <= 127) {
    WriteValueTag(vaInt8);
    WriteLittleEndian<int8_t>(*this, static_cast<int8_t>(value));
  } else if (value >= -32768 && value <= 32767) {
    WriteValueTag(vaInt16);
    WriteLittleEndian<int16_t>(*this, static_cast<int16_t>(value));
  } else {
    WriteValueTag(vaInt32);
    WriteLittleEndian<int32_t>(*this, value);
  }
}

void TWriter::WriteInteger(int64_t value) {
  if (value >= std::numeric_limits<int32_t>::min() &&
      value <= std::numeric_limits<int32_t>::max()) {
    WriteInteger(static_cast<int32_t>(value));
  } else {
    WriteValueTag(vaInt64);
    WriteLittleEndian<int64_t>(*this, value);
  }
}

void TWriter::WriteBoolean(bool value) {
  WriteValueTag(value ? vaTrue : vaFalse);
}

void TWriter::WriteFloat(double value) {
  uint8_t extended[10];
  DoubleToExtended(value, extended);
  WriteValueTag(vaExtended);
  Write(extended, sizeof extended);
}

void TWriter::WriteSingle(float value) {
  WriteValueTag(vaSingle);
  WriteLittleEndian<uint32_t>(*this, std::bit_cast<uint32_t>(value));
}

void TWriter::WriteDouble(double value) {
  WriteValueTag(vaDouble);
  WriteLittleEndian<uint64_t>(*this, std::bit_cast<uint64_t>(value));
}

void TWriter::WriteCurrency(int64_t scaledValue) {
  WriteValueTag(vaCurrency);
  WriteLittleEndian<int64_t>(*this, scaledValue);
}

void TWriter::WriteDate(double value) {
  WriteValueTag(vaDate);
  WriteLittleEndian<uint64_t>(*this, std::bit_cast<uint64_t>(value));
}

void TWriter::WriteStr(std::string_view ansi) {
  WriteShortBytes(*this, IsAscii(ansi) ? std::string(ansi) : Utf16ToUtf8(AnsiToUtf16(ansi)));
}

void TWriter::WriteUTF8Str(std::u16string_view text) {
  WriteShortBytes(*this, Utf16ToUtf8(text));
}

// The tag follows the content: UTF-16 when it is not longer than UTF-8,
// UTF-8 for other non-ASCII text, the 8-bit forms only for ASCII.
void TWriter::WriteString(std::u16string_view text) {
  const std::string utf8 = Utf16ToUtf8(text);
  if (utf8.size() >= 2 * text.size()) {
    WriteValueTag(vaWString);
    WriteLength(*this, text.size());
    for (const char16_t unit : text) WriteLittleEndian<uint16_t>(*this, unit);
  } else if (!IsAscii(utf8)) {
    WriteValueTag(vaUTF8String);
    WriteLength(*this, utf8.size());
    Write(utf8.data(), static_cast<int64_t>(utf8.size()));
  } else if (utf8.size() <= kMaxShortString) {
    WriteValueTag(vaString);
    WriteShortBytes(*this, utf8);
  } else {
    WriteValueTag(vaLString);
    WriteLength(*this, utf8.size());
    Write(utf8.data(), static_cast<int64_t>(utf8.size()));
  }
}

void TWriter::WriteChar(char16_t c) {
  WriteString(std::u16string_view(&c, 1));
}

void TWriter::WriteIdent(std::u16string_view ident) {
  const std::u16string upper = AsciiUpperCase(ident);
  if (upper == u"FALSE") {
    WriteValueTag(vaFalse);
  } else if (upper == u"TRUE") {
    WriteValueTag(vaTrue);
  } else if (upper == u"NULL") {
    WriteValueTag(vaNull);
  } else if (upper == u"NIL") {
    WriteValueTag(vaNil);
  } else {
    WriteValueTag(vaIdent);
    WriteUTF8Str(ident);
  }
}

void TWriter::WriteSetValue(const TSetElementNames& elements, uint32_t bits) {
  WriteValueTag(vaSet);
  const size_t count = std::min<size_t>(elements.size(), 32);
  for (size_t i = 0; i < count; ++i) {
    if (bits & (uint32_t{1} << i)) WriteUTF8Str(elements[i]);
  }
  WriteValueTag(vaNull);  // the empty short string that ends the set
}

void TWriter::WriteBinary(const void* data, int64_t size) {
  WriteValueTag(vaBinary);
  WriteLength(*this, static_cast<size_t>(std::max<int64_t>(size, 0)));
  Write(data, size);
}

int64_t TWriter::Position() {
  return FStream->Position() + FBufPos;
}

void TWriter::SetPosition(int64_t position) {
  const int64_t start = FStream->Position();
  const int filled = std::max(FBufFilled, FBufPos);
  if (position >= start && position <= start + filled) {
    FBufFilled = filled;
    FBufPos = static_cast<int>(position - start);
    return;
  }
  FlushBuffer();
  FStream->SetPosition(position);
}

}  // namespace kel
