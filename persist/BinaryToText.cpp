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
#include "persist/Reader.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

constexpr int kIndentWidth = 2;
constexpr size_t kStringLineLength = 64;  // string characters per output line
constexpr int64_t kHexLineBytes = 32;
constexpr int64_t kHexChunkBytes = 2048 * kHexLineBytes;  // binary read per step
constexpr char kLineEnd[] = "\r\n";
constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

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

// The output text. Grown with realloc, which moves large blocks by remapping
// pages instead of copying them; callers reserve room and write into it.
class TextBuffer {
 public:
  TextBuffer() { Grow(0); }
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;
  ~TextBuffer() { std::free(FData); }

  // Room for at least `count` more characters; returns where they go.
  char* Reserve(size_t count) {
    if (FCapacity - FSize < count) Grow(count);
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

  const char* Data() const { return FData; }
  size_t Size() const { return FSize; }

 private:
  void Grow(size_t count) {
    size_t capacity = FCapacity < 4096 ? 4096 : FCapacity * 2;
    while (capacity - FSize < count) capacity *= 2;
    void* data = std::realloc(FData, capacity);
    if (data == nullptr) throw std::bad_alloc();
    FData = static_cast<char*>(data);
    FCapacity = capacity;
  }

  char* FData = nullptr;
  size_t FSize = 0;
  size_t FCapacity = 0;
};

bool IsOrderValue(TValueType tag) {
  return tag == vaInt8 || tag == vaInt16 || tag == vaInt32;
}

class TBinaryToText {
 public:
  explicit TBinaryToText(TStream& input) : FReader(input, kDefaultFilerBufferSize) {}

  void Convert() {
    FReader.ReadSignature();
    ConvertObject();
  }
  // The byte order mark is only needed when some name is not pure ASCII.
  bool NeedsByteOrderMark() const { return FNonAsciiIdent; }
  const TextBuffer& Text() const { return FText; }

 private:
  // Raises the nesting error when one more level would pass the bound.
  class NestingGuard {
   public:
    explicit NestingGuard(int& depth) : FDepth(depth) {
      if (++FDepth > kMaxStreamNesting) throw EReadError(kSNestingTooDeep);
    }
    ~NestingGuard() { --FDepth; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

   private:
    int& FDepth;
  };

  void WriteIndent() { FText.AppendSpaces(static_cast<size_t>(kIndentWidth * FNestingLevel)); }

  void NewLine() {
    FText.Append(kLineEnd);
    WriteIndent();
  }

  void WriteIdent(std::u16string_view ident) {
    if (IsAscii(ident)) {
      char* out = FText.Reserve(ident.size());
      for (const char16_t c : ident) *out++ = static_cast<char>(c);
      FText.Commit(out);
    } else {
      FText.Append(Utf16ToUtf8(ident));
      FNonAsciiIdent = true;
    }
  }

  void ConvertObject() {
    NestingGuard guard(FDepth);
    TFilerFlags flags = 0;
    int32_t childPos = 0;
    FReader.ReadPrefix(flags, childPos);
    const std::u16string className = FReader.ReadStr();
    const std::u16string objectName = FReader.ReadStr();
    FObjectName = Utf16ToUtf8(objectName.empty() ? className : objectName);

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
    const std::u16string name = FReader.ReadStr();
    FPropName = Utf16ToUtf8(name);
    WriteIndent();
    WriteIdent(name);
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
      case vaString:
      case vaLString:
        ConvertString(FReader.ReadString(), false);
        break;
      case vaWString:
      case vaUTF8String:
        ConvertString(FReader.ReadString(), true);
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
      case vaFalse:
      case vaTrue:
      case vaNil:
      case vaNull:
        WriteIdent(FReader.ReadIdent());
        break;
      default:
        throw EReadError("Error reading " + FObjectName + "." + FPropName + ": " +
                         std::to_string(static_cast<int>(tag)));
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
    NestingGuard guard(FDepth);
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
    NestingGuard guard(FDepth);
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
    bool first = true;
    for (std::u16string name = FReader.ReadStr(); !name.empty(); name = FReader.ReadStr()) {
      if (!first) FText.Append(", ");
      first = false;
      WriteIdent(name);
    }
    FText.Append(']');
  }

  // Escaped characters are written as "#code"; the others go in quoted runs of
  // at most 64 characters per line. Wide strings escape everything outside
  // printable ASCII so that the text stays ASCII; narrow strings keep their
  // 8-bit characters, written back in the code page they were read with.
  void ConvertString(std::u16string_view text, bool wide) {
    if (text.empty()) {
      FText.Append("''");
      return;
    }
    auto needsEscape = [wide](char16_t c) { return c < 32 || c == '\'' || (wide && c > 127); };
    ++FNestingLevel;
    if (text.size() > kStringLineLength) NewLine();
    size_t i = 0;
    size_t lineStart = 0;
    while (i < text.size()) {
      if (needsEscape(text[i])) {
        FText.Append('#');
        FText.AppendInteger(static_cast<unsigned>(text[i]));
        ++i;
      } else {
        const size_t runStart = i;
        while (i < text.size() && !needsEscape(text[i]) && i - lineStart < kStringLineLength) ++i;
        FText.Append('\'');
        AppendRun(text.substr(runStart, i - runStart));
        FText.Append('\'');
      }
      if (i - lineStart >= kStringLineLength && i < text.size()) {
        FText.Append(" +");
        NewLine();
        lineStart = i;
      }
    }
    --FNestingLevel;
  }

  void AppendRun(std::u16string_view run) {
    if (IsAscii(run)) {
      char* out = FText.Reserve(run.size());
      for (const char16_t c : run) *out++ = static_cast<char>(c);
      FText.Commit(out);
    } else {
      FText.Append(Utf16ToAnsi(run));
    }
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
  TextBuffer FText;
  int FNestingLevel = 0;
  int FDepth = 0;
  std::string FObjectName;  // for error messages: the object name, or its class name
  std::string FPropName;
  bool FNonAsciiIdent = false;
};

}  // namespace

void ComponentBinaryToText(TStream& input, TStream& output) {
  TBinaryToText converter(input);
  converter.Convert();
  if (converter.NeedsByteOrderMark()) output.WriteBuffer(kByteOrderMark, 3);
  output.WriteBuffer(converter.Text().Data(), static_cast<int64_t>(converter.Text().Size()));
}

}  // namespace kel
