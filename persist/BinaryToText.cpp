#include "persist/BinaryToText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <string_view>

#include "persist/Exceptions.h"
#include "persist/FloatFormat.h"
#include "persist/NestingGuard.h"
#include "persist/Reader.h"
#include "persist/StreamMessages.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

constexpr int kIndentWidth = 2;
constexpr size_t kStringLineLength = 64;  // string characters per output line
constexpr int64_t kHexLineBytes = 32;
constexpr int64_t kHexChunkBytes = 2048 * kHexLineBytes;  // binary read per step
constexpr char kLineEnd[] = "\r\n";
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
// Texts up to this size are collected in memory and written at once.
constexpr size_t kCollectLimit = 4 * 1024 * 1024;

// "00" to "FF", indexed by byte value.
constexpr std::array<char, 512> kHexPairs = [] {
  std::array<char, 512> pairs{};
  constexpr char kDigits[] = "0123456789ABCDEF";
  for (int b = 0; b < 256; ++b) {
    pairs[2 * b] = kDigits[b >> 4];
    pairs[2 * b + 1] = kDigits[b & 15];
  }
  return pairs;
}();

// Where the text goes. It is first collected in memory, up to a limit; past
// the limit the rest of the record is only checked, its text dropped as it
// comes, and the caller converts the record again with the text streamed to
// the output in pieces. So a large stream never needs its whole text in
// memory, and a bad one still leaves the output untouched.
class TextSink {
 public:
  // Collects up to `limit` characters, then drops the text.
  explicit TextSink(size_t limit) : FLimit(limit) { Grow(kFirstCapacity); }
  // Writes the text to `output` whenever kStreamPiece characters have gathered.
  explicit TextSink(TStream& output) : FOutput(&output) { Grow(kStreamPiece); }
  TextSink(const TextSink&) = delete;
  TextSink& operator=(const TextSink&) = delete;
  ~TextSink() { std::free(FData); }

  // Room for at least `count` more characters; returns where they go.
  char* Reserve(size_t count) {
    if (FCapacity - FSize < count) MakeRoom(count);
    return FData + FSize;
  }
  // Marks the characters up to `end` (inside the reserved room) as written.
  void Commit(char* end) { FSize = static_cast<size_t>(end - FData); }

  void Append(std::string_view text) {
    char* out = Reserve(text.size());
    std::memcpy(out, text.data(), text.size());
    FSize += text.size();
  }
  void Append(char c) {
    *Reserve(1) = c;
    ++FSize;
  }
  void AppendSpaces(size_t count) {
    std::memset(Reserve(count), ' ', count);
    FSize += count;
  }
  template <typename Integer>
  void AppendInteger(Integer value) {
    char* out = Reserve(24);
    Commit(std::to_chars(out, out + 24, value).ptr);
  }

  // True once the collected text passed its limit and is being dropped.
  bool Dropping() const { return FDropping; }
  // The collected text (while not dropping).
  std::string_view Text() const { return std::string_view(FData, FSize); }
  // Writes out what has gathered for the output.
  void Flush() {
    if (FOutput != nullptr) FOutput->WriteBuffer(FData, static_cast<int64_t>(FSize));
    FSize = 0;
  }

 private:
  static constexpr size_t kFirstCapacity = 64 * 1024;
  static constexpr size_t kStreamPiece = 256 * 1024;

  void MakeRoom(size_t count) {
    if (FOutput != nullptr) {
      Flush();
    } else if (FDropping || FSize + count > FLimit) {
      FDropping = true;
      FSize = 0;
    }
    if (FCapacity - FSize < count) Grow(FSize + count);
  }

  void Grow(size_t needed) {
    size_t capacity = std::max(FCapacity, kFirstCapacity);
    while (capacity < needed) capacity *= 2;
    void* data = std::realloc(FData, capacity);
    if (data == nullptr) throw std::bad_alloc();
    FData = static_cast<char*>(data);
    FCapacity = capacity;
  }

  TStream* FOutput = nullptr;
  size_t FLimit = 0;
  bool FDropping = false;
  char* FData = nullptr;
  size_t FSize = 0;
  size_t FCapacity = 0;
};

bool IsOrderValue(TValueType tag) {
  return tag == vaInt8 || tag == vaInt16 || tag == vaInt32;
}

class TBinaryToText {
 public:
  TBinaryToText(TStream& input, TextSink& text)
      : FReader(input, kDefaultFilerBufferSize), FText(text) {}

  void Convert() {
    FReader.ReadSignature();
    ConvertObject();
  }
  // The byte order mark is only needed when some name is not pure ASCII.
  bool NeedsByteOrderMark() const { return FNonAsciiIdent; }

 private:
  TNestingGuard OneLevelDeeper() {
    return TNestingGuard(FDepth, [] { throw EReadError(kSNestingTooDeep); });
  }

  void WriteIndent() { FText.AppendSpaces(static_cast<size_t>(kIndentWidth * FNestingLevel)); }

  void NewLine() {
    FText.Append(kLineEnd);
    WriteIndent();
  }

  // Names (short strings) are kept as their UTF-8 bytes: nearly all are ASCII
  // and go to the text as they are; the others take the form that decoding
  // them (as ReadStr does) and encoding them again gives.
  void ReadName(std::string& name) {
    uint8_t length = 0;
    FReader.Read(&length, 1);
    name.resize(length);
    FReader.Read(name.data(), length);
  }

  void WriteIdent(std::string_view utf8) {
    if (IsAscii(utf8)) {
      FText.Append(utf8);
    } else {
      FText.Append(Utf16ToUtf8(Utf8ToUtf16(utf8)));
      FNonAsciiIdent = true;
    }
  }

  int32_t ReadLength() {
    uint8_t bytes[4];
    FReader.Read(bytes, sizeof bytes);
    const int32_t length = static_cast<int32_t>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                                (static_cast<uint32_t>(bytes[3]) << 24));
    if (length < 0) throw EReadError(kSReadError);
    return length;
  }

  // Reads in pieces, so that a length field larger than the data costs no
  // more memory than the data that is there.
  std::string ReadBytes(int32_t length) {
    std::string bytes;
    while (bytes.size() < static_cast<size_t>(length)) {
      const size_t done = bytes.size();
      const size_t piece = std::min<size_t>(static_cast<size_t>(length) - done, kHexChunkBytes);
      bytes.resize(done + piece);
      FReader.Read(bytes.data() + done, static_cast<int64_t>(piece));
    }
    return bytes;
  }

  void ConvertObject() {
    const TNestingGuard guard = OneLevelDeeper();
    TFilerFlags flags = 0;
    int32_t childPos = 0;
    FReader.ReadPrefix(flags, childPos);
    std::string className;
    std::string objectName;
    ReadName(className);
    ReadName(objectName);
    FObjectName = objectName.empty() ? className : objectName;

    WriteIndent();
    if (flags & ffInherited) {
      FText.Append("inherited ");
    } else if (flags & ffInline) {
      FText.Append("inline ");
    } else {
      FText.Append("object ");
    }
    if (!objectName.empty()) {
      WriteIdent(objectName);
      FText.Append(": ");
    }
    WriteIdent(className);
    if (flags & ffChildPos) {
      FText.Append(" [");
      FText.AppendInteger(childPos);
      FText.Append(']');
    }
    FText.Append(kLineEnd);

    ++FNestingLevel;
    while (!FReader.EndOfList()) ConvertProperty();
    FReader.ReadValue();
    while (!FReader.EndOfList()) ConvertObject();
    FReader.ReadValue();
    --FNestingLevel;

    WriteIndent();
    FText.Append("end");
    FText.Append(kLineEnd);
  }

  void ConvertProperty() {
    ReadName(FPropName);
    WriteIndent();
    WriteIdent(FPropName);
    FText.Append(" = ");
    ConvertValue();
    FText.Append(kLineEnd);
  }

  void ConvertValue() {
    const TValueType tag = FReader.NextValue();
    switch (tag) {
      case vaList:
        ConvertList();
        break;
      case vaInt8:
      case vaInt16:
      case vaInt32:
        FText.AppendInteger(FReader.ReadInteger());
        break;
      case vaInt64:
        FText.AppendInteger(FReader.ReadInt64());
        break;
      case vaExtended:
      case vaDouble:
        AppendFloat(FormatStreamFloatTo, FReader.ReadFloat());
        break;
      case vaSingle:
        AppendGeneralFloat(static_cast<double>(FReader.ReadSingle()), 's');
        break;
      case vaCurrency:
        AppendGeneralFloat(FReader.ReadCurrency(), 'c');
        break;
      case vaDate:
        AppendGeneralFloat(FReader.ReadDate(), 'd');
        break;
      case vaString: {
        FReader.ReadValue();
        ReadName(FValue);
        ConvertString(std::string_view(FValue));
        break;
      }
      case vaLString:
        FReader.ReadValue();
        ConvertString(std::string_view(ReadBytes(ReadLength())));
        break;
      case vaWString:
      case vaUTF8String:
        ConvertString(std::u16string_view(FReader.ReadString()));
        break;
      case vaBinary:
        ConvertBinary();
        break;
      case vaSet:
        ConvertSet();
        break;
      case vaCollection:
        ConvertCollection();
        break;
      case vaIdent:
        FReader.ReadValue();
        ReadName(FValue);
        WriteIdent(FValue);
        break;
      case vaFalse:
      case vaTrue:
      case vaNil:
      case vaNull: {
        const std::u16string ident = FReader.ReadIdent();  // "False", "True", "nil", "Null"
        char* out = FText.Reserve(ident.size());
        for (const char16_t c : ident) *out++ = static_cast<char>(c);
        FText.Commit(out);
        break;
      }
      default:
        throw EReadError(ErrorReadingText(Utf8ToUtf16(FObjectName), Utf8ToUtf16(FPropName),
                                          std::to_string(static_cast<int>(tag))));
    }
  }

  template <typename Format>
  void AppendFloat(Format format, double value) {
    char* out = FText.Reserve(kMaxFloatText);
    FText.Commit(out + format(out, value));
  }

  template <typename Number>
  void AppendGeneralFloat(Number value, char suffix) {
    constexpr int kPrecision = 15;
    char* out = FText.Reserve(kMaxFloatText + 1);
    out += FormatGeneralFloatTo(out, value, kPrecision);
    *out++ = suffix;
    FText.Commit(out);
  }

  void ConvertList() {
    const TNestingGuard guard = OneLevelDeeper();
    FReader.ReadValue();
    FText.Append('(');
    ++FNestingLevel;
    while (!FReader.EndOfList()) {
      NewLine();
      ConvertValue();
    }
    FReader.ReadValue();
    --FNestingLevel;
    FText.Append(')');
  }

  void ConvertCollection() {
    const TNestingGuard guard = OneLevelDeeper();
    FReader.ReadValue();
    FText.Append('<');
    ++FNestingLevel;
    while (!FReader.EndOfList()) {
      NewLine();
      FText.Append("item");
      if (IsOrderValue(FReader.NextValue())) {
        FText.Append(" [");
        FText.AppendInteger(FReader.ReadInteger());
        FText.Append(']');
      }
      FText.Append(kLineEnd);
      FReader.CheckValue(vaList);
      ++FNestingLevel;
      while (!FReader.EndOfList()) ConvertProperty();
      FReader.ReadValue();
      --FNestingLevel;
      WriteIndent();
      FText.Append("end");
    }
    FReader.ReadValue();
    --FNestingLevel;
    FText.Append('>');
  }

  void ConvertSet() {
    FReader.ReadValue();
    FText.Append('[');
    for (ReadName(FValue); !FValue.empty();) {
      WriteIdent(FValue);
      ReadName(FValue);
      if (!FValue.empty()) FText.Append(", ");
    }
    FText.Append(']');
  }

  // Escaped characters are written as "#code"; the others go in quoted runs of
  // at most 64 characters per line. Wide strings (UTF-16 code units) escape
  // everything outside printable ASCII, so that the text stays ASCII. Narrow
  // strings (bytes in the ANSI code page) keep their 8-bit characters as the
  // bytes they were stored as.
  template <typename Char>
  void ConvertString(std::basic_string_view<Char> text) {
    if (text.empty()) {
      FText.Append("''");
      return;
    }
    auto needsEscape = [](Char c) {
      const auto code = static_cast<std::make_unsigned_t<Char>>(c);
      return code < 32 || code == '\'' || (sizeof(Char) > 1 && code > 127);
    };
    ++FNestingLevel;
    if (text.size() > kStringLineLength) NewLine();
    size_t i = 0;
    size_t lineStart = 0;
    while (i < text.size()) {
      if (needsEscape(text[i])) {
        FText.Append('#');
        FText.AppendInteger(static_cast<std::make_unsigned_t<Char>>(text[i]) + 0u);
        ++i;
      } else {
        const size_t runStart = i;
        while (i < text.size() && !needsEscape(text[i]) && i - lineStart < kStringLineLength) ++i;
        char* out = FText.Reserve(i - runStart + 2);
        *out++ = '\'';
        for (size_t k = runStart; k < i; ++k) *out++ = static_cast<char>(text[k]);
        *out++ = '\'';
        FText.Commit(out);
      }
      if (i - lineStart >= kStringLineLength && i < text.size()) {
        FText.Append(" +");
        NewLine();
        lineStart = i;
      }
    }
    --FNestingLevel;
  }

  // The block is read in large chunks and rendered through a byte-pair table,
  // 32 bytes per line when it spans more than one line.
  void ConvertBinary() {
    FReader.ReadValue();
    uint8_t lengthBytes[4];
    FReader.Read(lengthBytes, sizeof lengthBytes);
    const int32_t length =
        static_cast<int32_t>(lengthBytes[0] | (lengthBytes[1] << 8) | (lengthBytes[2] << 16) |
                             (static_cast<uint32_t>(lengthBytes[3]) << 24));
    if (length < 0) throw EReadError(kSReadError);
    if (FText.Dropping()) {
      FReader.SkipBytes(length);
      return;
    }
    FText.Append('{');
    ++FNestingLevel;
    const bool ownLines = length >= kHexLineBytes;
    const size_t indent = static_cast<size_t>(kIndentWidth * FNestingLevel);
    const size_t lineRoom = sizeof kLineEnd - 1 + indent + 2 * kHexLineBytes;
    uint8_t chunk[kHexChunkBytes];
    for (int64_t left = length; left > 0;) {
      const int64_t count = std::min(left, kHexChunkBytes);
      FReader.Read(chunk, count);
      left -= count;
      const int64_t lines = (count + kHexLineBytes - 1) / kHexLineBytes;
      char* out = FText.Reserve(static_cast<size_t>(lines) * lineRoom);
      for (int64_t lineStart = 0; lineStart < count; lineStart += kHexLineBytes) {
        if (ownLines) {
          *out++ = '\r';
          *out++ = '\n';
          std::memset(out, ' ', indent);
          out += indent;
        }
        const int64_t lineEnd = std::min(lineStart + kHexLineBytes, count);
        for (int64_t b = lineStart; b < lineEnd; ++b) {
          std::memcpy(out, &kHexPairs[2 * chunk[b]], 2);
          out += 2;
        }
      }
      FText.Commit(out);
    }
    --FNestingLevel;
    FText.Append('}');
  }

  TReader FReader;
  TextSink& FText;
  int FNestingLevel = 0;
  int FDepth = 0;
  // For error messages: the object name (its class name when it has none) and
  // the property name read last, as UTF-8 bytes.
  std::string FObjectName;
  std::string FPropName;
  std::string FValue;  // reused for identifier, set element and short string values
  bool FNonAsciiIdent = false;
};

}  // namespace

void ComponentBinaryToText(TStream& input, TStream& output) {
  // A stream that cannot be read again has its whole text collected.
  const int64_t start = input.Position();
  const bool canReread = start >= 0;
  bool needsMark = false;
  {
    TextSink collected(canReread ? kCollectLimit : SIZE_MAX);
    TBinaryToText first(input, collected);
    first.Convert();
    needsMark = first.NeedsByteOrderMark();
    if (!collected.Dropping()) {
      if (needsMark) output.WriteBuffer(kByteOrderMark, 3);
      output.WriteBuffer(collected.Text().data(), static_cast<int64_t>(collected.Text().size()));
      return;
    }
  }
  // The record is sound: convert it again, straight into the output.
  if (input.Seek(start, TSeekOrigin::soBeginning) != start) throw EReadError(kSReadError);
  ComponentBinaryToTextInOnePass(input, output, needsMark);
}

bool ComponentBinaryToTextInOnePass(TStream& input, TStream& output, bool withByteOrderMark) {
  TextSink streamed(output);
  if (withByteOrderMark) streamed.Append(kByteOrderMark);
  TBinaryToText converter(input, streamed);
  converter.Convert();
  streamed.Flush();
  return converter.NeedsByteOrderMark();
}

}  // namespace kel
