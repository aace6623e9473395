#include "persist/TextToBinary.h"

#include <cmath>
#include <string>

#include "persist/BinaryToText.h"
#include "persist/Exceptions.h"
#include "persist/NestingGuard.h"
#include "persist/Parser.h"
#include "persist/Writer.h"

namespace kel {
namespace {

class TTextToBinary {
 public:
  TTextToBinary(TParser& parser, TWriter& writer) : FParser(parser), FWriter(writer) {}

  // The root stops at its "end": what follows it is not the stream's business.
  void ConvertObject(bool root) {
    const TNestingGuard guard = OneLevelDeeper();
    TFilerFlags flags = 0;
    if (FParser.TokenSymbolIs("INHERITED")) {
      flags = ffInherited;
    } else if (FParser.TokenSymbolIs("INLINE")) {
      flags = ffInline;
    } else {
      FParser.CheckTokenSymbol("OBJECT");
    }
    FParser.NextToken();
    FParser.CheckToken(toSymbol);
    std::u16string objectName;
    std::u16string className = FParser.TokenString();
    if (FParser.NextToken() == ':') {
      FParser.NextToken();
      FParser.CheckToken(toSymbol);
      objectName = std::move(className);
      className = FParser.TokenString();
      FParser.NextToken();
    }
    int32_t childPos = 0;
    if (FParser.Token() == '[') {
      FParser.NextToken();
      FParser.CheckToken(toInteger);
      childPos = FParser.TokenInt32();
      flags |= ffChildPos;
      FParser.NextToken();
      FParser.CheckToken(']');
      FParser.NextToken();
    }
    FWriter.WriteRecordPrefix(flags, childPos);
    FWriter.WriteUTF8Str(className);
    FWriter.WriteUTF8Str(objectName);

    while (!AtRecordKeyword()) ConvertProperty();
    FWriter.WriteListEnd();
    while (!FParser.TokenSymbolIs("END")) ConvertObject(false);
    FWriter.WriteListEnd();
    if (!root) FParser.NextToken();
  }

 private:
  TNestingGuard OneLevelDeeper() {
    return TNestingGuard(FDepth, [this] { FParser.Error(kSNestingTooDeep); });
  }

  bool AtRecordKeyword() const {
    return FParser.TokenSymbolIs("END") || FParser.TokenSymbolIs("OBJECT") ||
           FParser.TokenSymbolIs("INHERITED") || FParser.TokenSymbolIs("INLINE");
  }

  void ConvertProperty() {
    FParser.CheckToken(toSymbol);
    std::u16string name = FParser.TokenString();
    while (FParser.NextToken() == '.') {
      FParser.NextToken();
      FParser.CheckToken(toSymbol);
      name += u'.';
      name += FParser.TokenString();
    }
    FWriter.WriteUTF8Str(name);
    FParser.CheckToken('=');
    FParser.NextToken();
    ConvertValue();
  }

  void ConvertValue() {
    switch (FParser.Token()) {
      case toSymbol:
        FWriter.WriteIdent(FParser.TokenComponentIdent());
        FParser.NextToken();
        break;
      case toString:
      case toWString:
        ConvertString();
        break;
      case toInteger:
        FWriter.WriteInteger(FParser.TokenInt());
        FParser.NextToken();
        break;
      case toFloat:
        ConvertFloat();
        FParser.NextToken();
        break;
      case '(':
        ConvertList();
        break;
      case '<':
        ConvertCollection();
        break;
      case '[':
        ConvertSet();
        break;
      case '{': {
        const std::vector<uint8_t> bytes = FParser.HexToBinary();
        FWriter.WriteBinary(bytes.data(), static_cast<int64_t>(bytes.size()));
        FParser.NextToken();
        break;
      }
      default:
        FParser.Error(kSInvalidProperty);
    }
  }

  // Parts joined by "+" make one string; its tag follows from its content.
  void ConvertString() {
    std::u16string text = FParser.TokenWideString();
    while (FParser.NextToken() == '+') {
      const char token = FParser.NextToken();
      if (token != toString && token != toWString) FParser.Error("String expected");
      text += FParser.TokenWideString();
    }
    FWriter.WriteString(text);
  }

  void ConvertFloat() {
    const double value = FParser.TokenFloat();
    switch (FParser.FloatType()) {
      case 'c':
      case 'C': {
        // The text holds the value times 10000, which is what the stream stores.
        const double scaled = std::nearbyint(value);
        if (!(std::fabs(scaled) < 0x1p63)) FParser.NumberError("floating point");
        FWriter.WriteCurrency(static_cast<int64_t>(scaled));
        break;
      }
      case 'd':
      case 'D':
        FWriter.WriteDate(value);
        break;
      case 's':
      case 'S': {
        const float single = static_cast<float>(value);
        if (std::isinf(single)) FParser.NumberError("floating point");
        FWriter.WriteSingle(single);
        break;
      }
      default:
        FWriter.WriteFloat(value);
    }
  }

  void ConvertList() {
    const TNestingGuard guard = OneLevelDeeper();
    FParser.NextToken();
    FWriter.WriteListBegin();
    while (FParser.Token() != ')') ConvertValue();
    FParser.NextToken();
    FWriter.WriteListEnd();
  }

  void ConvertCollection() {
    const TNestingGuard guard = OneLevelDeeper();
    FParser.NextToken();
    FWriter.WriteValueTag(vaCollection);
    while (FParser.Token() != '>') {
      FParser.CheckTokenSymbol("item");
      FParser.NextToken();
      if (FParser.Token() == '[') {
        FParser.NextToken();
        FParser.CheckToken(toInteger);
        const int32_t order = FParser.TokenInt32();
        // An order of -1 stands for none.
        if (order != -1) FWriter.WriteInteger(order);
        FParser.NextToken();
        FParser.CheckToken(']');
        FParser.NextToken();
      }
      FWriter.WriteListBegin();
      while (!FParser.TokenSymbolIs("END")) ConvertProperty();
      FParser.NextToken();
      FWriter.WriteListEnd();
    }
    FParser.NextToken();
    FWriter.WriteListEnd();
  }

  // Elements are names; a number stands as its digits and a string as "#"
  // and the code of its first character.
  void ConvertSet() {
    FParser.NextToken();
    FWriter.WriteValueTag(vaSet);
    if (FParser.Token() != ']') {
      for (;;) {
        switch (FParser.Token()) {
          case toInteger:
            FWriter.WriteUTF8Str(FParser.TokenString());
            break;
          case toString:
          case toWString: {
            const std::u16string& text = FParser.TokenWideString();
            const unsigned code = text.empty() ? 0 : text[0];
            const std::string element = "#" + std::to_string(code);
            FWriter.WriteUTF8Str(std::u16string(element.begin(), element.end()));
            break;
          }
          default:
            FParser.CheckToken(toSymbol);
            FWriter.WriteUTF8Str(FParser.TokenString());
        }
        if (FParser.NextToken() == ']') break;
        FParser.CheckToken(',');
        FParser.NextToken();
      }
    }
    FWriter.WriteUTF8Str(u"");
    FParser.NextToken();
  }

  TParser& FParser;
  TWriter& FWriter;
  int FDepth = 0;
};

}  // namespace

void ComponentTextToBinary(TStream& input, TStream& output) {
  TMemoryStream binary;
  {
    TParser parser(input);
    TWriter writer(binary, kDefaultFilerBufferSize);
    writer.WriteSignature();
    TTextToBinary(parser, writer).ConvertObject(true);
    writer.FlushBuffer();
  }
  output.WriteBuffer(binary.Memory(), binary.Size());
}

}  // namespace kel
