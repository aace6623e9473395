#include "tests/model/PropertyText.h"

#include "persist/BinaryToText.h"
#include "persist/Reader.h"
#include "persist/TextToBinary.h"
#include "persist/Writer.h"

namespace kel::test {
namespace {

// A writer that writes one object's entries under a name prefix.
class TEntryWriter : public TWriter {
 public:
  using TWriter::TWriter;
  void WriteEntries(TPersistent& object, std::u16string_view prefix) {
    FPropPath = prefix;
    WriteProperties(object);
    FPropPath.clear();
  }
};

constexpr std::string_view kHead = "object TChart\r\n";
constexpr std::string_view kTail = "end\r\n";

}  // namespace

std::string PropertiesText(TPersistent& object, std::u16string_view prefix) {
  TMemoryStream binary;
  {
    TEntryWriter writer(binary, kDefaultFilerBufferSize);
    writer.WriteSignature();
    writer.WriteUTF8Str(u"TChart");
    writer.WriteUTF8Str(u"");
    writer.WriteEntries(object, prefix);
    writer.WriteListEnd();
    writer.WriteListEnd();
  }
  binary.SetPosition(0);
  TMemoryStream text;
  ComponentBinaryToText(binary, text);
  std::string all(text.Bytes().begin(), text.Bytes().end());
  // Keep only the entry lines, without their indentation and with "\n" ends.
  all = all.substr(kHead.size(), all.size() - kHead.size() - kTail.size());
  std::string lines;
  size_t start = 0;
  while (start < all.size()) {
    const size_t end = all.find("\r\n", start);
    lines += all.substr(start + 2, end - start - 2) + "\n";
    start = end + 2;
  }
  return lines;
}

void LoadProperties(TPersistent& object, std::string_view lines) {
  std::string source(kHead);
  size_t start = 0;
  while (start < lines.size()) {
    size_t end = lines.find('\n', start);
    if (end == std::string_view::npos) end = lines.size();
    source += "  " + std::string(lines.substr(start, end - start)) + "\r\n";
    start = end + 1;
  }
  source += kTail;
  TMemoryStream text(std::vector<uint8_t>(source.begin(), source.end()));
  TMemoryStream binary;
  ComponentTextToBinary(text, binary);
  binary.SetPosition(0);
  TReader reader(binary, kDefaultFilerBufferSize);
  reader.ReadSignature();
  TFilerFlags flags = 0;
  int32_t childPos = 0;
  reader.ReadPrefix(flags, childPos);
  reader.ReadStr();
  reader.ReadStr();
  while (!reader.EndOfList()) reader.ReadPropertyEntry(object);
  reader.ReadListEnd();
}

}  // namespace kel::test
