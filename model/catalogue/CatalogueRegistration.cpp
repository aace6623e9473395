#include "model/catalogue/CatalogueRegistration.h"

#include <stdexcept>

#include "model/catalogue/LosslessClass.h"
#include "model/catalogue/SeriesGallery.h"
#include "model/catalogue/ToolTypes.h"
#include "persist/ClassRegistry.h"
#include "persist/Unicode.h"

namespace kel {
namespace {

// The class the entry names: the registered one, the modelled class the
// entry names as its base, or one made on its base. Sets registeredHere
// unless the class was registered already.
const TClassInfo& ClassOf(const TCatalogueEntry& entry, bool& registeredHere) {
  registeredHere = false;
  if (const TClassInfo* registered = GetClass(entry.ClassName)) return *registered;
  if (entry.Base == nullptr) {
    throw std::logic_error(Utf16ToUtf8(entry.ClassName) + " is not registered by its area");
  }
  registeredHere = true;
  const TClassInfo& base = entry.Base->Class();
  if (base.ClassName == entry.ClassName) return base;
  const bool isTool = entry.Kind == TCatalogueKind::Tool || entry.Kind == TCatalogueKind::Animation;
  return MakeLosslessClass(entry.ClassName, *entry.Base,
                           isTool ? entry.Description : std::u16string_view());
}

}  // namespace

TCatalogueRegistration::TCatalogueRegistration() {
  const std::span<const TCatalogueEntry> entries = CatalogueEntries();
  // Two texts per entry at most, never reallocated: the gallery points at them.
  FTexts.reserve(2 * entries.size());
  FEntered.reserve(entries.size());
  for (const TCatalogueEntry& entry : entries) {
    bool registeredHere = false;
    const TClassInfo& info = ClassOf(entry, registeredHere);
    switch (entry.Kind) {
      case TCatalogueKind::Series:
      case TCatalogueKind::Function: {
        const std::u16string& description = FTexts.emplace_back(entry.Description);
        const std::u16string& page = FTexts.emplace_back(entry.GalleryPage);
        const bool isSeries = entry.Kind == TCatalogueKind::Series;
        AddGalleryEntry(isSeries ? &info : nullptr, isSeries ? nullptr : &info, description,
                        entry.SubIndex, entry.NumGallerySeries, page);
        break;
      }
      case TCatalogueKind::Tool:
        AddToolClasses({&info});
        break;
      case TCatalogueKind::Animation:
        AddAnimationClasses({&info});
        break;
      case TCatalogueKind::Plain:
        RegisterClass(info);
        break;
    }
    FEntered.push_back({entry.Kind, &info, registeredHere});
  }
}

TCatalogueRegistration::~TCatalogueRegistration() {
  // Last entered, first removed.
  for (auto it = FEntered.rbegin(); it != FEntered.rend(); ++it) {
    const TEntered& entered = *it;
    switch (entered.Kind) {
      case TCatalogueKind::Series:
      case TCatalogueKind::Function:
        RemoveGalleryEntries(entered.Kind == TCatalogueKind::Series, {entered.Class});
        break;
      case TCatalogueKind::Tool:
        RemoveToolClasses({entered.Class});
        break;
      case TCatalogueKind::Animation:
        RemoveAnimationClasses({entered.Class});
        break;
      case TCatalogueKind::Plain:
        break;
    }
    if (entered.RegisteredHere) UnRegisterClass(*entered.Class);
  }
}

}  // namespace kel
