#include "store/ChartTextXml.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace kel {
namespace {

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string Upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

bool StartsWithWord(std::string_view line, std::string_view upperWord) {
  return line.size() >= upperWord.size() && Upper(line.substr(0, upperWord.size())) == upperWord;
}

// Attribute values are written as they stand in the text form, with the
// characters that XML reserves escaped, so that every value keeps the
// document well-formed.
std::string EscapeAttribute(std::string_view value) {
  std::string result;
  result.reserve(value.size());
  for (const char c : value) {
    switch (c) {
      case '&':
        result += "&amp;";
        break;
      case '<':
        result += "&lt;";
        break;
      case '>':
        result += "&gt;";
        break;
      case '"':
        result += "&quot;";
        break;
      default:
        result += c;
    }
  }
  return result;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

class TXmlBuilder {
 public:
  explicit TXmlBuilder(std::vector<std::string_view> lines) : FLines(std::move(lines)) {}

  std::vector<std::string> Build() {
    while (FNext < FLines.size()) HandleLine(Trim(FLines[FNext++]));
    return std::move(FOutput);
  }

 private:
  void Add(std::string_view text) {
    FOutput.push_back(std::string(FIndent, ' ') + std::string(text));
  }
  void Open(std::string_view name) {
    Add("<" + std::string(name) + ">");
    FIndent += 2;
  }
  void Close(std::string_view name) {
    FIndent = std::max(0, FIndent - 2);
    Add("</" + std::string(name) + ">");
  }
  void ClosePathFrom(size_t position) {
    while (FPath.size() > position) {
      Close(FPath.back());
      FPath.pop_back();
    }
  }
  bool NextLineIs(std::string_view upperText) const {
    return FNext < FLines.size() && Upper(Trim(FLines[FNext])) == upperText;
  }

  void HandleLine(std::string_view line) {
    if (line.empty()) return;
    for (std::string_view word : {"OBJECT", "INHERITED", "INLINE"}) {
      if (StartsWithWord(line, word)) return HandleObject(line.substr(word.size()));
    }
    if (Upper(line) == "END") return HandleEnd();
    if (line.find('=') != std::string_view::npos) HandleProperty(line);
  }

  void HandleObject(std::string_view rest) {
    // An object's properties come before its children, so a child never
    // sits inside its parent's property elements.
    ClosePathFrom(0);
    std::string className;
    std::string tag;
    const auto colon = rest.find(':');
    if (colon == std::string_view::npos) {
      className = std::string(Trim(rest));
      tag = className;
    } else {
      className = std::string(Trim(rest.substr(colon + 1)));
      tag = className + " Name=\"" + EscapeAttribute(Trim(rest.substr(0, colon))) + "\"";
    }
    if (NextLineIs("END")) {
      Add("<" + tag + "/>");
      ++FNext;
      return;
    }
    Add("<" + tag + ">");
    FObjects.push_back(className);
    FIndent += 2;
  }

  void HandleEnd() {
    ClosePathFrom(0);
    if (FObjects.empty()) return;
    Close(FObjects.back());
    FObjects.pop_back();
  }

  void HandleProperty(std::string_view line) {
    const auto equals = line.find('=');
    const std::string_view name = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    std::vector<std::string_view> segments;
    size_t start = 0;
    for (size_t dot = name.find('.'); dot != std::string_view::npos; dot = name.find('.', start)) {
      segments.push_back(name.substr(start, dot - start));
      start = dot + 1;
    }
    const std::string_view last = name.substr(start);
    size_t position = 0;
    while (position < segments.size() && position < FPath.size() &&
           FPath[position] == segments[position]) {
      ++position;
    }
    ClosePathFrom(position);
    for (; position < segments.size(); ++position) {
      Open(segments[position]);
      FPath.emplace_back(segments[position]);
    }
    HandleValue(last, value);
  }

  // The value of a property (or of a collection item's property) named name.
  void HandleValue(std::string_view name, std::string_view value) {
    if (value == "<") {
      Open(name);
      HandleItems();
      Close(name);
    } else if (value == "(" || value == "{") {
      Open(name);
      while (FNext < FLines.size()) {
        std::string_view line = Trim(FLines[FNext++]);
        const bool final = !line.empty() && (line.back() == ')' || line.back() == '}');
        if (final) line.remove_suffix(1);
        Add("<String value=\"" + EscapeAttribute(line) + "\"/>");
        if (final) break;
      }
      Close(name);
    } else {
      Add("<" + std::string(name) + " value=\"" + EscapeAttribute(value == "<>" ? "" : value) +
          "\"/>");
    }
  }

  void HandleItems() {
    std::vector<std::string> items;
    while (FNext < FLines.size()) {
      const std::string_view line = Trim(FLines[FNext++]);
      if (line.empty()) continue;
      const std::string upper = Upper(line);
      const auto equals = line.find('=');
      if (upper == "END" || upper == "END>") {
        if (!items.empty()) {
          Close(items.back());
          items.pop_back();
        }
        if (upper == "END>") break;
      } else if (equals != std::string_view::npos) {
        HandleValue(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)));
      } else {
        Open(line);
        items.emplace_back(line);
      }
    }
    // An unfinished collection still leaves every element closed.
    while (!items.empty()) {
      Close(items.back());
      items.pop_back();
    }
  }

  std::vector<std::string_view> FLines;
  size_t FNext = 0;
  int FIndent = 0;
  std::vector<std::string> FObjects;
  std::vector<std::string> FPath;
  std::vector<std::string> FOutput;
};

}  // namespace

void ChartTextToXml(TMemoryStream& stream, bool withHeader) {
  std::string_view text(reinterpret_cast<const char*>(stream.Memory()),
                        static_cast<size_t>(stream.Size()));
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<std::string> lines = TXmlBuilder(SplitLines(text)).Build();
  std::string document;
  // The declaration names the encoding the bytes are actually in.
  if (withHeader) document += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
  for (const std::string& line : lines) {
    document += line;
    document += "\r\n";
  }
  stream.Clear();
  stream.WriteBuffer(document.data(), static_cast<int64_t>(document.size()));
  stream.SetPosition(0);
}

}  // namespace kel
