#include "model/series/SeriesGroups.h"

#include <algorithm>
#include <charconv>

#include "persist/Reader.h"
#include "persist/Unicode.h"
#include "persist/Writer.h"

namespace kel {

KEL_PROPERTIES(TSeriesGroup,
               Property(u"Active", &TSeriesGroup::Active, &TSeriesGroup::SetActive).Default(gaYes),
               Property(u"Name", &TSeriesGroup::FName, &TSeriesGroup::FName))

TSeriesGroup::TSeriesGroup(TCollection* collection) : TCollectionItem(collection) {
  const int count = collection == nullptr ? 0 : collection->Count();
  FName = u"Group" + Utf8ToUtf16(std::to_string(count));
}

TSeriesGroupActive TSeriesGroup::Active() const {
  const auto active = std::count_if(Series.begin(), Series.end(),
                                    [](const IChartSeries* series) { return series->Active(); });
  if (active == static_cast<std::ptrdiff_t>(Series.size())) return gaYes;
  return active == 0 ? gaNo : gaSome;
}

void TSeriesGroup::SetActive(TSeriesGroupActive value) {
  if (value == gaSome) return;
  for (IChartSeries* series : Series) series->SetActive(value == gaYes);
}

namespace {

// The index a stored entry names, or -1 when it names none of count.
int StoredIndex(const std::u16string& text, int count) {
  const std::string digits = Utf16ToUtf8(text);
  int index = -1;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (error != std::errc() || end != digits.data() + digits.size()) return -1;
  return index >= 0 && index < count ? index : -1;
}

}  // namespace

void TSeriesGroup::ResolveSeries(const TChartSeriesList& list) {
  for (const std::u16string& text : FStoredSeries) {
    const int index = StoredIndex(text, list.Count());
    if (index >= 0) Series.push_back(list[index]);
  }
  FStoredSeries.clear();
}

void TSeriesGroup::RemoveSeries(const IChartSeries* series) {
  std::erase(Series, series);
}

void TSeriesGroup::Assign(const TPersistent* source) {
  if (const auto* group = dynamic_cast<const TSeriesGroup*>(source)) {
    FName = group->FName;
    Series = group->Series;
    return;
  }
  inherited::Assign(source);
}

void TSeriesGroup::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  const auto* groups = dynamic_cast<const TSeriesGroups*>(Collection());
  filer.DefineProperty(
      u"Series",
      [this](TReader& reader) {
        FStoredSeries.clear();
        reader.ReadListBegin();
        while (!reader.EndOfList()) FStoredSeries.push_back(reader.ReadString());
        reader.ReadListEnd();
      },
      [this, groups](TWriter& writer) {
        writer.WriteListBegin();
        for (const IChartSeries* series : Series) {
          const int index = groups == nullptr ? -1 : groups->SeriesList().IndexOf(series);
          writer.WriteString(Utf8ToUtf16(std::to_string(index)));
        }
        writer.WriteListEnd();
      },
      !Series.empty());
}

KEL_PROPERTIES(TSeriesGroups)

TSeriesGroups::TSeriesGroups(TPersistent* owner, const TChartSeriesList& list)
    : TOwnedCollection(owner, TSeriesGroup::StaticClassInfo()), FList(&list) {}

void TSeriesGroups::ResolveSeries() {
  for (int i = 0; i < Count(); ++i) Group(i)->ResolveSeries(*FList);
}

void TSeriesGroups::RemoveSeries(const IChartSeries* series) {
  for (int i = 0; i < Count(); ++i) Group(i)->RemoveSeries(series);
}

}  // namespace kel
