#include "model/extended/OHLCSeries.h"

namespace kel {

using O = TOHLCSeries;
KEL_PROPERTIES(TOHLCSeries,
               Published({u"OnGetPointerStyle"}),
               Property(u"CloseValues", &O::CloseValues, &O::SetCloseValues),
               Property(u"DateValues", &O::DateValues, &O::SetDateValues),
               Property(u"HighValues", &O::HighValues, &O::SetHighValues),
               Property(u"LowValues", &O::LowValues, &O::SetLowValues),
               Property(u"OpenValues", &O::OpenValues, &O::SetOpenValues))

TOHLCSeries::TOHLCSeries(TComponent* owner)
    : TCustomSeries(owner), FHighValues(nullptr), FLowValues(nullptr), FOpenValues(nullptr) {
  XValues()->AssignDefaultDateTime(true);
  XValues()->SetName(u"Date");
  YValues()->SetName(u"Close");
  FHighValues = AddValueList(u"High");
  FLowValues = AddValueList(u"Low");
  FOpenValues = AddValueList(u"Open");
}

void TOHLCSeries::SetDateValues(TChartValueList* value) {
  SetXValues(value);
  Repaint();
}

void TOHLCSeries::SetCloseValues(TChartValueList* value) {
  SetYValues(value);
  Repaint();
}

void TOHLCSeries::SetHighValues(TChartValueList* value) {
  FHighValues->Assign(value);
  Repaint();
}

void TOHLCSeries::SetLowValues(TChartValueList* value) {
  FLowValues->Assign(value);
  Repaint();
}

void TOHLCSeries::SetOpenValues(TChartValueList* value) {
  FOpenValues->Assign(value);
  Repaint();
}

void TOHLCSeries::StageExtremes(double open, double high, double low) {
  FHighValues->TempValue = high;
  FLowValues->TempValue = low;
  FOpenValues->TempValue = open;
}

int TOHLCSeries::AddOHLC(double date,
                         double open,
                         double high,
                         double low,
                         double close,
                         const std::u16string& label,
                         TColor color) {
  StageExtremes(open, high, low);
  return AddXY(date, close, label, color);
}

int TOHLCSeries::AddOHLC(double open, double high, double low, double close) {
  XValues()->SetDateTime(false);
  StageExtremes(open, high, low);
  return Add(close);
}

bool TOHLCSeries::AcceptsPointsOf(const TChartSeries& source) const {
  return dynamic_cast<const TOHLCSeries*>(&source) != nullptr;
}

}  // namespace kel
