// The binary component stream codec: value tags, and the buffered filer that
// the reader and the writer share. The primitives here are public because
// model classes call them from their extra-data callbacks.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "persist/Stream.h"

namespace kel {

class TComponent;
class TReader;
class TWriter;

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

  // Extra stream entries that are not published properties, declared by an
  // object's DefineProperties in the order they are to appear. The read
  // procedure consumes exactly one value, the write procedure writes exactly
  // one; the entry is written only when hasData is true.
  using TReaderProc = std::function<void(TReader&)>;
  using TWriterProc = std::function<void(TWriter&)>;
  // Binary entries: the procedures get an in-memory stream with the raw bytes.
  using TStreamProc = std::function<void(TStream&)>;
  virtual void DefineProperty(std::u16string_view name,
                              const TReaderProc& readData,
                              const TWriterProc& writeData,
                              bool hasData) = 0;
  virtual void DefineBinaryProperty(std::u16string_view name,
                                    const TStreamProc& readData,
                                    const TStreamProc& writeData,
                                    bool hasData) = 0;

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

// Exact conversions between doubles and the 10-byte extended float form.
void DoubleToExtended(double value, uint8_t out[10]);
double ExtendedToDouble(const uint8_t in[10]);

}  // namespace kel
