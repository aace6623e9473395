// The catalogue of every series, function, tool and animation class a chart
// file may name, with the texts under which the galleries show them, and the
// further classes registered by name only. One table, in registration order.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kel {

struct TLosslessBase;

enum class TCatalogueKind : uint8_t {
  Series,     // a gallery entry with a series class
  Function,   // a gallery entry with a function class
  Tool,       // a class of the tool list
  Animation,  // a class of the animation list
  Plain,      // a class registered by name only
};

struct TCatalogueEntry {
  TCatalogueKind Kind;
  std::u16string_view ClassName;
  // Gallery caption (a carriage return splits it into two lines), or the
  // tool's description; empty for plain classes.
  std::u16string_view Description;
  std::u16string_view GalleryPage;  // gallery entries only
  int NumGallerySeries;             // gallery entries only
  int SubIndex;                     // 0 for a class's main gallery entry
  // The nearest modelled class, on which the class is made when no model
  // area has registered it; null when an area always registers it.
  const TLosslessBase* Base;
};

std::span<const TCatalogueEntry> CatalogueEntries();

}  // namespace kel
