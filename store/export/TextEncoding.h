// The byte encodings in which the data exports save their documents.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace kel {

class TStream;

class TEncoding {
 public:
  virtual ~TEncoding() = default;

  // The encoding of an IANA or ICU name, compared without regard to case.
  // "UTF-16" is little-endian with its byte-order mark. Characters the
  // encoding cannot hold become '?', or with `xmlCharacterReferences` the
  // XML reference "&#N;". Raises EConvertError "Unknown encoding "%s"" for a
  // name no converter knows.
  static std::unique_ptr<TEncoding> Create(const std::string& name,
                                           bool xmlCharacterReferences = false);
  // The single-byte code page of 8-bit texts (Windows-1252), which has no
  // byte-order mark.
  static std::unique_ptr<TEncoding> DefaultCodePage();

  // The bytes written before the text (a byte-order mark), possibly none.
  virtual std::string_view Preamble() const = 0;
  // Encodes the next part of a text into `stream`. Parts may split a
  // surrogate pair; `last` marks the final part.
  virtual void Write(TStream& stream, std::u16string_view text, bool last) = 0;
};

}  // namespace kel
