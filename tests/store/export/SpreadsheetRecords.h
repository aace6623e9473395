// The records of a spreadsheet the tests write, taken apart.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "persist/Stream.h"
#include "store/export/SeriesDataXls.h"

namespace kel::test {

struct SheetRecord {
  uint16_t type = 0;
  std::string body;

  uint16_t Word(size_t at) const {
    return static_cast<uint16_t>(static_cast<uint8_t>(body[at]) | static_cast<uint8_t>(body[at + 1])
                                                                      << 8);
  }
  // Text cells: the text's bytes, after its length byte; number cells: the
  // value.
  std::string Text() const { return body.substr(8); }
  double Number() const {
    double value;
    std::memcpy(&value, body.data() + 7, sizeof value);
    return value;
  }
};

inline std::vector<SheetRecord> SheetRecords(TSeriesDataXLS& exporter) {
  TMemoryStream stream;
  exporter.SaveToStream(stream);
  const std::string bytes(stream.Bytes().begin(), stream.Bytes().end());
  std::vector<SheetRecord> records;
  for (size_t at = 0; at + 4 <= bytes.size();) {
    SheetRecord record;
    record.type = static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) |
                                        static_cast<uint8_t>(bytes[at + 1]) << 8);
    const size_t length = static_cast<uint8_t>(bytes[at + 2]) |
                          static_cast<size_t>(static_cast<uint8_t>(bytes[at + 3])) << 8;
    record.body = bytes.substr(at + 4, length);
    records.push_back(record);
    at += 4 + length;
  }
  return records;
}

}  // namespace kel::test
