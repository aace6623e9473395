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

#include "model/functions/KelFunction.h"
#include "model/series/ChartSeries.h"
#include "model/tools/KelCustomTool.h"
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

// What a series of such a class tells about its "Data" block.
class ILosslessSeries {
 public:
  // Whether the block is kept as read, the series holding no points.
  virtual bool KeepsDataBlock() const = 0;

 protected:
  ~ILosslessSeries() = default;
};

// A series of such a class. Its "Data" block is decoded by the base; when
// the base would not write the same bytes back (the block holds value lists
// or fields the base does not have), the block is kept as it was, written
// back instead, and the series holds no points rather than guessed ones.
template <class Base>
class TLosslessSeries : public TLossless<Base>, public ILosslessSeries {
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

  bool KeepsDataBlock() const override { return !FKeptBlock.empty(); }

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

// A function of such a class. How it calculates is not known, so its series
// keeps the points its file held: they are taken when loading ends and given
// back whenever the series asks the function for its points.
template <class Base>
class TLosslessFunction : public TLossless<Base> {
 public:
  using TLossless<Base>::TLossless;

  void LoadFinished() override {
    Base::LoadFinished();
    FPoints.Clear();
    if (TChartSeries* series = this->ParentSeries()) series->WriteSeriesData(FPoints);
  }

  void AddPoints(TChartSeries*) override {
    TChartSeries* series = this->ParentSeries();
    if (series == nullptr || FPoints.Size() == 0) return;
    FPoints.SetPosition(0);
    series->ReadSeriesData(FPoints);
    // A kept block decodes only to guessed points.
    if (const auto* kept = dynamic_cast<const ILosslessSeries*>(series);
        kept != nullptr && kept->KeepsDataBlock()) {
      series->Clear();
    }
  }

 private:
  TMemoryStream FPoints;
};

// A tool or animation of such a class, described by its catalogue entry.
template <class Base>
class TLosslessTool : public TLossless<Base> {
 public:
  using TLossless<Base>::TLossless;

  std::u16string Description() const override;
};

// An animation of such a class has nothing to play.
template <class Base>
class TLosslessAnimation : public TLosslessTool<Base> {
 public:
  using TLosslessTool<Base>::TLosslessTool;

  void Play() override {}
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
  } else if constexpr (std::is_base_of_v<TKelFunction, Base>) {
    return {&Base::StaticClassInfo,
            [](const TClassInfo& info, TComponent* owner) -> TComponent* {
              return new TLosslessFunction<Base>(info, owner);
            },
            nullptr};
  } else if constexpr (std::is_base_of_v<TKelCustomAnimation, Base>) {
    return {&Base::StaticClassInfo,
            [](const TClassInfo& info, TComponent* owner) -> TComponent* {
              return new TLosslessAnimation<Base>(info, owner);
            },
            nullptr};
  } else if constexpr (std::is_base_of_v<TKelCustomTool, Base>) {
    return {&Base::StaticClassInfo,
            [](const TClassInfo& info, TComponent* owner) -> TComponent* {
              return new TLosslessTool<Base>(info, owner);
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
// caller registers it. A tool class describes itself with `description`.
const TClassInfo& MakeLosslessClass(std::u16string_view className,
                                    const TLosslessBase& base,
                                    std::u16string_view description = {});
// Whether the class was made by MakeLosslessClass.
bool IsLosslessClass(const TClassInfo& info);
// The description the class was made with.
std::u16string LosslessDescription(const TClassInfo& info);

template <class Base>
std::u16string TLosslessTool<Base>::Description() const {
  return LosslessDescription(this->ClassInfo());
}

}  // namespace kel
