// Where the user placed the marks of a series, point by point.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace kel {

struct TPoint32 {
  int32_t X = 0;
  int32_t Y = 0;
  bool operator==(const TPoint32&) const = default;
};

// Where the user placed the mark of one point.
struct TSeriesMarkPosition {
  TPoint32 ArrowFrom;
  bool ArrowFix = false;
  TPoint32 ArrowTo;
  bool Custom = false;
  int32_t Height = 0;
  TPoint32 LeftTop;
  int32_t Width = 0;
  bool operator==(const TSeriesMarkPosition&) const = default;
};

// Mark positions indexed by point; slots may be empty.
class TSeriesMarksPositions {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  // Null for an empty slot or an index beyond the end.
  TSeriesMarkPosition* Position(int index) const;
  // Stores position at index, first appending empty slots as needed.
  void SetPosition(int index, const TSeriesMarkPosition& position);
  void Append(const TSeriesMarkPosition& position);
  void Delete(int index);
  void Exchange(int index1, int index2);
  void Clear() { FItems.clear(); }
  // Whether any present position was placed by the user.
  bool HasCustom() const;

 private:
  std::vector<std::unique_ptr<TSeriesMarkPosition>> FItems;
};

}  // namespace kel
