// The start-up registration of the catalogue: every class of the catalogue
// entered in the class registry and in the series gallery, the tool list or
// the animation list, for the lifetime of one owner.
#pragma once

#include <string>
#include <vector>

#include "model/catalogue/CatalogueTable.h"
#include "persist/Descriptors.h"

namespace kel {

class TCatalogueRegistration {
 public:
  // Enters each entry of the catalogue in order. A class some model area has
  // registered already is entered as it is; any other is made on the entry's
  // base (see LosslessClass.h).
  TCatalogueRegistration();
  // Removes the gallery and list entries again, and the classes it
  // registered.
  ~TCatalogueRegistration();
  TCatalogueRegistration(const TCatalogueRegistration&) = delete;
  TCatalogueRegistration& operator=(const TCatalogueRegistration&) = delete;

 private:
  struct TEntered {
    TCatalogueKind Kind;
    const TClassInfo* Class;
    bool RegisteredHere;  // not registered before, by an area or an earlier entry
  };

  // The captions and pages the gallery entries refer to.
  std::vector<std::u16string> FTexts;
  std::vector<TEntered> FEntered;
};

}  // namespace kel
