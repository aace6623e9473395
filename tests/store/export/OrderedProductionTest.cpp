// Pieces produced on several threads are consumed in order, and a failure on
// either side ends the work with that failure.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "store/export/OrderedProduction.h"

namespace kel {
namespace {

std::u16string PieceText(int piece) {
  const std::string digits = std::to_string(piece);
  // Uneven work, so that pieces finish out of order.
  return std::u16string(static_cast<size_t>(piece % 5) * 200, u'.') +
         std::u16string(digits.begin(), digits.end());
}

TEST(ProduceInOrder, ConsumesEveryPieceInOrder) {
  // The same texts serve every call.
  std::vector<std::u16string> texts;
  for (const int count : {0, 1, 2, 1000, 7}) {
    SCOPED_TRACE(count);
    std::vector<std::u16string> consumed;
    ProduceInOrder(
        count, [](int piece, std::u16string& text) { text = PieceText(piece); },
        [&](std::u16string& text) { consumed.push_back(text); }, texts);
    ASSERT_EQ(consumed.size(), static_cast<size_t>(count));
    for (int piece = 0; piece < count; ++piece) EXPECT_EQ(consumed[piece], PieceText(piece));
  }
}

TEST(ProduceInOrder, EachPieceStartsFromAnEmptyText) {
  std::vector<std::u16string> texts(3, u"left over");
  std::vector<std::u16string> consumed;
  ProduceInOrder(
      100, [](int piece, std::u16string& text) { text += PieceText(piece); },
      [&](std::u16string& text) { consumed.push_back(text); }, texts);
  for (int piece = 0; piece < 100; ++piece) EXPECT_EQ(consumed[piece], PieceText(piece));
}

TEST(ProduceInOrder, AFailureOnEitherSideIsRaisedAndStopsTheWork) {
  std::vector<std::u16string> texts;
  int consumed = 0;
  EXPECT_THROW(ProduceInOrder(
                   1000,
                   [](int piece, std::u16string&) {
                     if (piece == 300) throw std::runtime_error("produce");
                   },
                   [&](std::u16string&) { ++consumed; }, texts),
               std::runtime_error);
  EXPECT_LE(consumed, 300);

  consumed = 0;
  try {
    ProduceInOrder(
        1000, [](int, std::u16string&) {},
        [&](std::u16string&) {
          if (++consumed == 10) throw std::invalid_argument("consume");
        },
        texts);
    ADD_FAILURE() << "no exception";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "consume");
  }
  EXPECT_EQ(consumed, 10);
}

}  // namespace
}  // namespace kel
