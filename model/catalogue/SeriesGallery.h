// The series gallery: the process-wide list of series and function classes
// with the captions under which they are offered. Besides the editors it
// gives each series class its type text (the XML export's "type").
#pragma once

#include <initializer_list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "persist/Descriptors.h"

namespace kel {

// One gallery entry. The caption and page are references to text variables,
// read whenever the text is needed.
struct TKelSeriesType {
  const TClassInfo* SeriesClass = nullptr;
  const TClassInfo* FunctionClass = nullptr;
  const std::u16string* Description = nullptr;
  const std::u16string* GalleryPage = nullptr;
  int NumGallerySeries = 1;
  int SubIndex = 0;

  const std::u16string& Caption() const { return *Description; }
};

class TKelSeriesTypes {
 public:
  int Count() const;
  // A copy of the entry at index.
  TKelSeriesType Get(int index) const;

  // The series class of the first plain series entry (no function class)
  // whose class has exactly that name, or null.
  const TClassInfo* Find(std::u16string_view className) const;
  // The first plain series entry of seriesClass with that sub-index (any
  // sub-index when it is 0); false when there is none.
  bool Find(const TClassInfo& seriesClass, int subIndex, TKelSeriesType& entry) const;

  // Appends the entry unless its sub-index is 0 and an entry with the same
  // series and function class exists: the first registration stands.
  void Add(const TKelSeriesType& entry);
  // Removes every entry whose series class (isSeries) or function class is
  // one of classes.
  void Remove(bool isSeries, std::initializer_list<const TClassInfo*> classes);

 private:
  mutable std::mutex FLock;
  std::vector<TKelSeriesType> FItems;
};

// The process-wide gallery.
TKelSeriesTypes& SeriesGallery();

// The page of the shorter registration forms.
extern const std::u16string kGalleryStandard;

// Enters the classes in the class registry and the entry in the gallery.
void AddGalleryEntry(const TClassInfo* seriesClass,
                     const TClassInfo* functionClass,
                     const std::u16string& description,
                     int subIndex,
                     int numGallerySeries,
                     const std::u16string& galleryPage);
void AddSeriesGalleryEntry(const TClassInfo& seriesClass,
                           const std::u16string& description,
                           const std::u16string& galleryPage = kGalleryStandard,
                           int numGallerySeries = 2);
void AddFunctionGalleryEntry(const TClassInfo& functionClass,
                             const std::u16string& description,
                             const std::u16string& galleryPage = kGalleryStandard,
                             int numGallerySeries = 2);
void RemoveGalleryEntries(bool isSeries, std::initializer_list<const TClassInfo*> classes);

// The description of the class's main gallery entry (with the carriage
// return of two-line captions), or the class name when it has none.
std::u16string SeriesTypeText(const TClassInfo& seriesClass);

}  // namespace kel
