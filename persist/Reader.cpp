#include "persist/Reader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "persist/Exceptions.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

// Long payloads are read in pieces of this size, so that a corrupt length
// field costs no more memory than the data that is really there.
constexpr int64_t kLongReadChunk = 64 * 1024;

template <typename T>
T ReadLittleEndian(TReader& reader) {
  uint8_t bytes[sizeof(T)];
  reader.Read(bytes, sizeof bytes);
  std::make_unsigned_t<T> value = 0;
  for (int i = sizeof(T) - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return static_cast<T>(value);
}

// A 4-byte length or count field; a negative one can only be corrupt data.
int64_t ReadLength(TReader& reader) {
  const int32_t length = ReadLittleEndian<int32_t>(reader);
  if (length < 0) throw EReadError(kSReadError);
  return length;
}

std::string ReadBytes(TReader& reader, int64_t count) {
  std::string bytes;
  while (static_cast<int64_t>(bytes.size()) < count) {
    const size_t done = bytes.size();
    const int64_t piece = std::min(count - static_cast<int64_t>(done), kLongReadChunk);
    bytes.resize(done + static_cast<size_t>(piece));
    reader.Read(bytes.data() + done, piece);
  }
  return bytes;
}

std::u16string ReadUtf16(TReader& reader, int64_t units) {
  const std::string bytes = ReadBytes(reader, units * 2);
  std::u16string text(static_cast<size_t>(units), u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                    (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
  }
  return text;
}

std::string ReadShortBytes(TReader& reader) {
  uint8_t length = 0;
  reader.Read(&length, 1);
  std::string bytes(length, '\0');
  reader.Read(bytes.data(), length);
  return bytes;
}

[[noreturn]] void InvalidPropertyValue() {
  throw EReadError(kSInvalidProperty);
}

}  // namespace

TReader::TReader(TStream& stream, int bufSize) : TFiler(stream, bufSize) {}

TReader::~TReader() {
  const int unconsumed = FBufEnd - FBufPos;
  if (unconsumed > 0) {
    try {
      FStream->Seek(-unconsumed, TSeekOrigin::soCurrent);
    } catch (...) {
      // A destructor must not throw; the stream stays where the read-ahead left it.
    }
  }
}

void TReader::FillBuffer() {
  const int64_t n = FStream->Read(FBuffer.data(), FBufSize);
  FBufPos = 0;
  FBufEnd = static_cast<int>(std::max<int64_t>(n, 0));
  if (FBufEnd == 0) throw EReadError(kSReadError);
}

void TReader::Read(void* buffer, int64_t count) {
  if (count < 0) throw EReadError(kSReadError);
  auto* out = static_cast<uint8_t*>(buffer);
  while (count > 0) {
    if (FBufPos == FBufEnd && count >= FBufSize) {
      // A large read goes straight to the stream, not through the buffer.
      const int64_t n = FStream->Read(out, count);
      if (n <= 0) throw EReadError(kSReadError);
      out += n;
      count -= n;
      continue;
    }
    if (FBufPos == FBufEnd) FillBuffer();
    const int64_t n = std::min<int64_t>(count, FBufEnd - FBufPos);
    std::memcpy(out, FBuffer.data() + FBufPos, static_cast<size_t>(n));
    FBufPos += static_cast<int>(n);
    out += n;
    count -= n;
  }
}

int64_t TReader::BytesAvailable() {
  const int64_t size = FStream->Size();
  const int64_t position = FStream->Position();
  if (size < 0 || position < 0) return -1;
  return FBufEnd - FBufPos + std::max<int64_t>(size - position, 0);
}

void TReader::ReadInto(TStream& target, int64_t count) {
  if (count < 0) throw EReadError(kSReadError);
  const int64_t buffered = std::min<int64_t>(count, FBufEnd - FBufPos);
  target.WriteBuffer(FBuffer.data() + FBufPos, buffered);
  FBufPos += static_cast<int>(buffered);
  // The rest comes straight from the stream, not through the small buffer.
  if (count > buffered) target.CopyFrom(*FStream, count - buffered);
}

void TReader::SkipBytes(int64_t count) {
  if (count < 0) throw EReadError(kSReadError);
  while (count > 0) {
    if (FBufPos == FBufEnd) FillBuffer();
    const int64_t n = std::min<int64_t>(count, FBufEnd - FBufPos);
    FBufPos += static_cast<int>(n);
    count -= n;
  }
}

TValueType TReader::ReadValue() {
  if (FBufPos == FBufEnd) FillBuffer();
  return static_cast<TValueType>(FBuffer[FBufPos++]);
}

TValueType TReader::NextValue() {
  const TValueType value = ReadValue();
  --FBufPos;
  return value;
}

bool TReader::EndOfList() {
  return NextValue() == vaNull;
}

void TReader::CheckValue(TValueType expected) {
  if (ReadValue() != expected) {
    --FBufPos;
    SkipValue();
    InvalidPropertyValue();
  }
}

void TReader::ReadListBegin() {
  CheckValue(vaList);
}

void TReader::ReadListEnd() {
  CheckValue(vaNull);
}

void TReader::ReadSignature() {
  char signature[4];
  Read(signature, sizeof signature);
  if (std::memcmp(signature, kStreamSignature, sizeof signature) != 0) {
    throw EReadError(kSInvalidStreamFormat);
  }
}

void TReader::ReadPrefix(TFilerFlags& flags, int32_t& childPos) {
  flags = 0;
  if ((NextValue() & 0xF0) != 0xF0) return;
  flags = ReadValue() & 0x0F;
  if (flags & ffChildPos) childPos = ReadInteger();
}

int32_t TReader::ReadInteger() {
  switch (ReadValue()) {
    case vaInt8:
      return ReadLittleEndian<int8_t>(*this);
    case vaInt16:
      return ReadLittleEndian<int16_t>(*this);
    case vaInt32:
      return ReadLittleEndian<int32_t>(*this);
    default:
      InvalidPropertyValue();
  }
}

int64_t TReader::ReadInt64() {
  if (NextValue() != vaInt64) return ReadInteger();
  ReadValue();
  return ReadLittleEndian<int64_t>(*this);
}

bool TReader::ReadBoolean() {
  switch (ReadValue()) {
    case vaTrue:
      return true;
    case vaFalse:
      return false;
    default:
      InvalidPropertyValue();
  }
}

double TReader::ReadFloat() {
  const TValueType tag = ReadValue();
  if (tag == vaExtended) {
    uint8_t extended[10];
    Read(extended, sizeof extended);
    return ExtendedToDouble(extended);
  }
  if (tag == vaDouble) return std::bit_cast<double>(ReadLittleEndian<uint64_t>(*this));
  --FBufPos;
  return static_cast<double>(ReadInt64());
}

double TReader::ReadDouble() {
  if (NextValue() != vaDouble) return static_cast<double>(ReadInt64());
  ReadValue();
  return std::bit_cast<double>(ReadLittleEndian<uint64_t>(*this));
}

float TReader::ReadSingle() {
  if (NextValue() != vaSingle) return static_cast<float>(ReadInt64());
  ReadValue();
  return std::bit_cast<float>(ReadLittleEndian<uint32_t>(*this));
}

int64_t TReader::ReadCurrency() {
  if (NextValue() != vaCurrency) {
    // An integer too large to scale has no currency value.
    int64_t scaled = 0;
    if (__builtin_mul_overflow(ReadInt64(), int64_t{10000}, &scaled)) InvalidPropertyValue();
    return scaled;
  }
  ReadValue();
  return ReadLittleEndian<int64_t>(*this);
}

double TReader::ReadDate() {
  if (NextValue() != vaDate) return static_cast<double>(ReadInt64());
  ReadValue();
  return std::bit_cast<double>(ReadLittleEndian<uint64_t>(*this));
}

std::u16string TReader::ReadStr() {
  return Utf8ToUtf16(ReadShortBytes(*this));
}

std::u16string TReader::ReadString() {
  switch (ReadValue()) {
    case vaString:
      return AnsiToUtf16(ReadShortBytes(*this));
    case vaLString:
      return AnsiToUtf16(ReadBytes(*this, ReadLength(*this)));
    case vaWString:
      return ReadUtf16(*this, ReadLength(*this));
    case vaUTF8String:
      return Utf8ToUtf16(ReadBytes(*this, ReadLength(*this)));
    default:
      InvalidPropertyValue();
  }
}

char16_t TReader::ReadChar() {
  const std::u16string text = ReadString();
  if (text.size() > 1) InvalidPropertyValue();
  // An empty string has no first character; it reads as character 0.
  return text.empty() ? u'\0' : text[0];
}

std::u16string TReader::ReadIdent() {
  switch (ReadValue()) {
    case vaIdent:
      return ReadStr();
    case vaFalse:
      return u"False";
    case vaTrue:
      return u"True";
    case vaNil:
      return u"nil";
    case vaNull:
      return u"Null";
    default:
      InvalidPropertyValue();
  }
}

uint32_t TReader::ReadSetValue(const TSetElementNames& elements) {
  // On any failure the rest of the set, up to its empty terminator, is
  // consumed first, so that the stream stands after the whole value.
  auto skipRest = [this] {
    for (uint8_t length = 0; Read(&length, 1), length != 0;) SkipBytes(length);
  };
  if (ReadValue() != vaSet) {
    skipRest();
    InvalidPropertyValue();
  }
  uint32_t bits = 0;
  try {
    for (std::u16string name = ReadStr(); !name.empty(); name = ReadStr()) {
      const auto found = std::find_if(elements.begin(), elements.end(),
                                      [&](const std::u16string& e) { return SameText(e, name); });
      if (found == elements.end()) InvalidPropertyValue();
      const auto ordinal = found - elements.begin();
      if (ordinal < 32) bits |= uint32_t{1} << ordinal;
    }
  } catch (...) {
    skipRest();
    throw;
  }
  return bits;
}

// Nested lists and collections are skipped with an explicit stack rather than
// by recursion, so that deeply nested (or corrupt) input cannot exhaust the
// call stack.
void TReader::SkipValue() {
  enum class Open : uint8_t { List, Collection, ItemEntries };
  std::vector<Open> open;
  auto skipOne = [&](TValueType tag) {
    switch (tag) {
      case vaNull:
      case vaFalse:
      case vaTrue:
      case vaNil:
        break;
      case vaList:
        open.push_back(Open::List);
        break;
      case vaInt8:
        SkipBytes(1);
        break;
      case vaInt16:
        SkipBytes(2);
        break;
      case vaInt32:
      case vaSingle:
        SkipBytes(4);
        break;
      case vaExtended:
        SkipBytes(10);
        break;
      case vaString:
      case vaIdent:
        SkipBytes(ReadLittleEndian<uint8_t>(*this));
        break;
      case vaBinary:
      case vaLString:
      case vaUTF8String:
        SkipBytes(ReadLength(*this));
        break;
      case vaWString:
        SkipBytes(ReadLength(*this) * 2);
        break;
      case vaSet:
        for (uint8_t length = 0; Read(&length, 1), length != 0;) SkipBytes(length);
        break;
      case vaCollection:
        open.push_back(Open::Collection);
        break;
      case vaCurrency:
      case vaDate:
      case vaInt64:
      case vaDouble:
        SkipBytes(8);
        break;
      default:
        InvalidPropertyValue();
    }
  };
  skipOne(ReadValue());
  while (!open.empty()) {
    const TValueType next = ReadValue();
    if (next == vaNull) {
      open.pop_back();
      continue;
    }
    switch (open.back()) {
      case Open::List:
        skipOne(next);
        break;
      case Open::Collection:
        if (next == vaInt8 || next == vaInt16 || next == vaInt32) {
          skipOne(next);
          ReadValue();  // the item's list begin
        }
        open.push_back(Open::ItemEntries);
        break;
      case Open::ItemEntries:
        SkipBytes(next);  // the tag byte was the entry name's length
        skipOne(ReadValue());
        break;
    }
  }
}

void TReader::SkipPropertyEntry() {
  SkipBytes(ReadLittleEndian<uint8_t>(*this));
  SkipValue();
}

// Child records are walked with a depth counter instead of recursion, for the
// same reason as in SkipValue.
void TReader::SkipComponentRecord(bool withHeader) {
  auto skipHeader = [this] {
    TFilerFlags flags = 0;
    int32_t childPos = 0;
    ReadPrefix(flags, childPos);
    SkipBytes(ReadLittleEndian<uint8_t>(*this));
    SkipBytes(ReadLittleEndian<uint8_t>(*this));
  };
  auto skipEntries = [this] {
    while (!EndOfList()) SkipPropertyEntry();
    ReadListEnd();
  };
  if (withHeader) skipHeader();
  skipEntries();
  for (int64_t depth = 0;;) {
    if (EndOfList()) {
      ReadListEnd();
      if (depth == 0) return;
      --depth;
    } else {
      skipHeader();
      skipEntries();
      ++depth;
    }
  }
}

void TReader::ReadValueBytes(TStream& target) {
  const int64_t start = Position();
  SkipValue();
  const int64_t end = Position();
  SetPosition(start);
  ReadInto(target, end - start);
}

int64_t TReader::Position() {
  return FStream->Position() - (FBufEnd - FBufPos);
}

void TReader::SetPosition(int64_t position) {
  FStream->SetPosition(position);
  FBufPos = 0;
  FBufEnd = 0;
}

}  // namespace kel
