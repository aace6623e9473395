#include "tests/store/FakeSeries.h"

#include <mutex>

#include "persist/ClassRegistry.h"
#include "persist/Filer.h"
#include "persist/Writer.h"

namespace kel::test {

KEL_PROPERTIES(
    TFakeSeries,
    Property(u"Active", &TFakeSeries::FActive, &TFakeSeries::FActive).Default(true),
    Property(u"SeriesColor", &TFakeSeries::FColor, &TFakeSeries::FColor).Default(clDefault),
    Property(u"Source", &TFakeSeries::FSource, &TFakeSeries::FSource))

TFakeSeries::~TFakeSeries() {
  if (FChart != nullptr) FChart->RemoveSeries(this);
}

void TFakeSeries::SetParentComponent(TComponent* parent) {
  if (auto* chart = dynamic_cast<TCustomAxisPanel*>(parent)) {
    FChart = chart;
    chart->AddSeries(this);
  }
}

void TFakeSeries::ReadSeriesData(TStream& stream) {
  uint8_t byte = 0;
  stream.ReadBuffer(&byte, 1);
  TrailingBytes.push_back(byte);
}

void TFakeSeries::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  if (dynamic_cast<TWriter*>(&filer) != nullptr) {
    MarksWhenWritten.push_back(FForceSaveData ? "force" : FDontSaveData ? "dont" : "");
  }
}

void RegisterFakeSeries() {
  static std::once_flag registered;
  std::call_once(registered, [] { RegisterClass<TFakeSeries>(); });
}

}  // namespace kel::test
