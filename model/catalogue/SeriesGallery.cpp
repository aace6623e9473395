#include "model/catalogue/SeriesGallery.h"

#include <algorithm>

#include "persist/ClassRegistry.h"

namespace kel {

const std::u16string kGalleryStandard = u"Standard";

namespace {

bool IsPlainEntryOf(const TKelSeriesType& entry, const TClassInfo& seriesClass) {
  return entry.SeriesClass == &seriesClass && entry.FunctionClass == nullptr;
}

}  // namespace

int TKelSeriesTypes::Count() const {
  std::lock_guard lock(FLock);
  return static_cast<int>(FItems.size());
}

TKelSeriesType TKelSeriesTypes::Get(int index) const {
  std::lock_guard lock(FLock);
  return FItems.at(static_cast<size_t>(index));
}

const TClassInfo* TKelSeriesTypes::Find(std::u16string_view className) const {
  std::lock_guard lock(FLock);
  for (const TKelSeriesType& entry : FItems) {
    if (entry.FunctionClass == nullptr && entry.SeriesClass != nullptr &&
        entry.SeriesClass->ClassName == className) {
      return entry.SeriesClass;
    }
  }
  return nullptr;
}

bool TKelSeriesTypes::Find(const TClassInfo& seriesClass,
                           int subIndex,
                           TKelSeriesType& entry) const {
  std::lock_guard lock(FLock);
  for (const TKelSeriesType& item : FItems) {
    if (IsPlainEntryOf(item, seriesClass) && (subIndex == 0 || item.SubIndex == subIndex)) {
      entry = item;
      return true;
    }
  }
  return false;
}

void TKelSeriesTypes::Add(const TKelSeriesType& entry) {
  std::lock_guard lock(FLock);
  if (entry.SubIndex == 0) {
    for (const TKelSeriesType& item : FItems) {
      if (item.SeriesClass == entry.SeriesClass && item.FunctionClass == entry.FunctionClass) {
        return;
      }
    }
  }
  FItems.push_back(entry);
}

void TKelSeriesTypes::Remove(bool isSeries, std::initializer_list<const TClassInfo*> classes) {
  std::lock_guard lock(FLock);
  std::erase_if(FItems, [&](const TKelSeriesType& item) {
    const TClassInfo* itemClass = isSeries ? item.SeriesClass : item.FunctionClass;
    return std::find(classes.begin(), classes.end(), itemClass) != classes.end();
  });
}

TKelSeriesTypes& SeriesGallery() {
  static TKelSeriesTypes gallery;
  return gallery;
}

void AddGalleryEntry(const TClassInfo* seriesClass,
                     const TClassInfo* functionClass,
                     const std::u16string& description,
                     int subIndex,
                     int numGallerySeries,
                     const std::u16string& galleryPage) {
  if (seriesClass != nullptr) RegisterClass(*seriesClass);
  if (functionClass != nullptr) RegisterClass(*functionClass);
  SeriesGallery().Add(
      {seriesClass, functionClass, &description, &galleryPage, numGallerySeries, subIndex});
}

void AddSeriesGalleryEntry(const TClassInfo& seriesClass,
                           const std::u16string& description,
                           const std::u16string& galleryPage,
                           int numGallerySeries) {
  AddGalleryEntry(&seriesClass, nullptr, description, 0, numGallerySeries, galleryPage);
}

void AddFunctionGalleryEntry(const TClassInfo& functionClass,
                             const std::u16string& description,
                             const std::u16string& galleryPage,
                             int numGallerySeries) {
  AddGalleryEntry(nullptr, &functionClass, description, 0, numGallerySeries, galleryPage);
}

void RemoveGalleryEntries(bool isSeries, std::initializer_list<const TClassInfo*> classes) {
  SeriesGallery().Remove(isSeries, classes);
}

std::u16string SeriesTypeText(const TClassInfo& seriesClass) {
  TKelSeriesType entry;
  if (SeriesGallery().Find(seriesClass, 0, entry)) return entry.Caption();
  return seriesClass.ClassName;
}

}  // namespace kel
