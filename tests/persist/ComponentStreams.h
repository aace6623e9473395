// Writing test components to streams and reading them back, with the text
// form for readable expectations.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "persist/BinaryToText.h"
#include "persist/Component.h"
#include "persist/Reader.h"
#include "persist/Stream.h"
#include "persist/TextToBinary.h"
#include "persist/Writer.h"

namespace kel::test {

// The stream of root written as the chart store does: signature and record.
inline std::vector<uint8_t> WriteRoot(TComponent& root) {
  TMemoryStream stream;
  {
    TWriter writer(stream, kDefaultFilerBufferSize);
    writer.WriteRootComponent(root);
  }
  return stream.TakeBytes();
}

// The entries of one object, without a record around them.
inline std::vector<uint8_t> WriteEntries(TPersistent& object) {
  TMemoryStream stream;
  {
    TWriter writer(stream, kDefaultFilerBufferSize);
    writer.WriteProperties(object);
  }
  return stream.TakeBytes();
}

// The text form, with plain "\n" line ends.
inline std::string AsText(const std::vector<uint8_t>& bytes) {
  TMemoryStream input(bytes);
  TMemoryStream output;
  ComponentBinaryToText(input, output);
  std::string text;
  for (uint8_t c : output.Bytes()) {
    if (c != '\r') text += static_cast<char>(c);
  }
  return text;
}

inline std::vector<uint8_t> FromText(std::string_view text) {
  TMemoryStream input(std::vector<uint8_t>(text.begin(), text.end()));
  TMemoryStream output;
  ComponentTextToBinary(input, output);
  return output.TakeBytes();
}

// Reads bytes into root; with tolerant set, every routed error is collected in
// errors and reading goes on, as the chart store's reader does. What reading
// left out is collected in dropped.
struct ReadResult {
  std::vector<std::string> errors;
  std::vector<std::string> dropped;
};

inline ReadResult ReadRoot(TComponent& root,
                           const std::vector<uint8_t>& bytes,
                           bool tolerant = true) {
  ReadResult result;
  TMemoryStream stream(bytes);
  TReader reader(stream, kDefaultFilerBufferSize);
  reader.OnError = [&](TReader&, const std::string& message, bool& handled) {
    result.errors.push_back(message);
    handled = tolerant;
  };
  reader.OnDropped = [&](TReader&, const std::string& description) {
    result.dropped.push_back(description);
  };
  reader.ReadRootComponent(root);
  return result;
}

}  // namespace kel::test
