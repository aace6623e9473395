#include "model/axes/AxisItems.h"

#include "model/axes/AxisLabelsFormat.h"

namespace kel {

TAxisItems::TAxisItems(std::unique_ptr<TAxisLabelsFormat> format) : FFormat(std::move(format)) {}

TAxisItems::~TAxisItems() = default;

void TAxisItems::Add(double value, std::u16string text) {
  FItems.push_back({value, std::move(text)});
}

void TAxisItems::Assign(const TAxisItems& source) {
  if (&source == this) return;
  FItems = source.FItems;
  FFormat->Assign(source.FFormat.get());
}

}  // namespace kel
