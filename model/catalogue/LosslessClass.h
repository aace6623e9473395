// Classes that a chart file may name but whose own properties are not
// modelled: each is made at start-up on the nearest modelled base class and
// keeps, besides what its base reads, every entry of its record as it was,
// writing it back unchanged.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "model/series/ChartSeries.h"
#include "persist/Collection.h"
#include "persist/Component.h"
#include "persist/Filer.h"
#include "persist/Stream.h"
#include "persist/UnknownEntries.h"

namespace kel {

// An object of a class made on Base: Base's behaviour, the made class's name,
// and the entries Base does not know kept.
template <class Base>
class TLossless : public Base {
 public:
  template <class Owner>
  TLossless(const TClassInfo& info, Owner owner) : Base(owner), FClass(info) {}

  const TClassInfo& ClassInfo() const override { return FClass; }

  void DefineProperties(TFiler& filer) override {
    Base::DefineProperties(filer);
    FUnknown.DefineProperties(filer);
  }

 private:
  const TClassInfo& FClass;
  TUnknownEntries FUnknown;
};

// A series of such a class. Its "Data" block is decoded by the base; when
// the base would not write the same bytes back (the block holds value lists
// or fields the base does not have), the block is kept as it was, written
// back instead, and the series holds no points rather than guessed ones.
template <class Base>
class TLosslessSeries : public TLossless<Base> {
 public:
  using TLossless<Base>::TLossless;

  void DefineProperties(TFiler& filer) override {
    // Taken before the base's own definition of the entry, which then sees
    // nothing to read; this one never writes.
    filer.DefineBinaryProperty(
        u"Data", [this](TStream& block) { ReadDataBlock(block); }, {}, false);
    TLossless<Base>::DefineProperties(filer);
  }

  void WriteSeriesData(TStream& stream) override {
    if (FKeptBlock.empty()) {
      Base::WriteSeriesData(stream);
      return;
    }
    stream.WriteBuffer(FKeptBlock.data(), static_cast<int64_t>(FKeptBlock.size()));
  }

  bool KeepsDataBlock() const { return !FKeptBlock.empty(); }

 private:
  void ReadDataBlock(TStream& block) {
    FKeptBlock.clear();
    this->ReadSeriesData(block);
    TMemoryStream decoded;
    Base::WriteSeriesData(decoded);
    std::string original(static_cast<size_t>(block.Size()), '\0');
    block.SetPosition(0);
    block.ReadBuffer(original.data(), static_cast<int64_t>(original.size()));
    if (original.size() == static_cast<size_t>(decoded.Size()) &&
        std::memcmp(original.data(), decoded.Memory(), original.size()) == 0) {
      return;
    }
    this->Clear();
    FKeptBlock = std::move(original);
  }

  std::string FKeptBlock;
};

// How to make objects on a base class: its class and a factory for
// components (series, functions, tools and other records) or for collection
// items (filters). A catalogue entry naming the base class itself stands
// for that modelled class.
struct TLosslessBase {
  const TClassInfo& (*Class)();
  TComponent* (*MakeComponent)(const TClassInfo& info, TComponent* owner);
  std::unique_ptr<TCollectionItem> (*MakeItem)(const TClassInfo& info, TCollection* collection);
};

template <class Base>
constexpr TLosslessBase LosslessBaseOf() {
  if constexpr (std::is_base_of_v<TCollectionItem, Base>) {
    return {
        &Base::StaticClassInfo, nullptr,
        [](const TClassInfo& info, TCollection* collection) -> std::unique_ptr<TCollectionItem> {
          return std::make_unique<TLossless<Base>>(info, collection);
        }};
  } else if constexpr (std::is_base_of_v<TChartSeries, Base>) {
    return {&Base::StaticClassInfo,
            [](const TClassInfo& info, TComponent* owner) -> TComponent* {
              return new TLosslessSeries<Base>(info, owner);
            },
            nullptr};
  } else if constexpr (std::is_base_of_v<TComponent, Base>) {
    return {&Base::StaticClassInfo,
            [](const TClassInfo& info, TComponent* owner) -> TComponent* {
              return new TLossless<Base>(info, owner);
            },
            nullptr};
  } else {
    // A sub-object class, never created by name.
    return {&Base::StaticClassInfo, nullptr, nullptr};
  }
}

// Makes a class of that name on the base, for the rest of the process; the
// same class again when it was made before. It is not registered; the
// caller registers it.
const TClassInfo& MakeLosslessClass(std::u16string_view className, const TLosslessBase& base);
// Whether the class was made by MakeLosslessClass.
bool IsLosslessClass(const TClassInfo& info);

}  // namespace kel
