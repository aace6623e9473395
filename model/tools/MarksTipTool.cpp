#include "model/tools/MarksTipTool.h"

#include "model/attributes/Font.h"
#include "model/chart/Chart.h"
#include "model/titles/TextShape.h"

namespace kel {

namespace {

// The host delays of the tool's chart, if it is a chart.
THostHintDelays* HostDelaysOf(TCustomAxisPanel* panel) {
  auto* chart = dynamic_cast<TCustomChart*>(panel);
  return chart != nullptr ? &chart->HostHintDelays : nullptr;
}

}  // namespace

using M = TMarksTipTool;
KEL_PROPERTIES(
    TMarksTipTool,
    Published({u"Active"}),
    Property(u"Font", &M::Font, &M::SetFont).Stored(false),
    Property(u"Format", &M::Format, &M::SetFormat),
    Property(u"HideDelay", &M::HideDelay, &M::SetHideDelay).Default(M::kDefaultHideDelay),
    Property(u"MouseAction", &M::MouseAction, &M::MouseAction).Default(mtmMove),
    Property(u"MouseDelay", &M::MouseDelay, &M::SetMouseDelay).Default(M::kDefaultMouseDelay),
    Published({u"Series"}),
    Property(u"Style", &M::Style, &M::Style).Default(smsLabel),
    Property(u"SystemHints", &M::SystemHints, &M::SystemHints).Default(true),
    Property(u"OnCancelHint", &M::OnCancelHint, &M::OnCancelHint),
    Property(u"OnGetText", &M::OnGetText, &M::OnGetText))

TMarksTipTool::TMarksTipTool(TComponent* owner)
    : TKelCustomToolSeries(owner), FFormat(std::make_unique<TTextShape>(nullptr)) {
  FFormat->SetVisible(false);
  FFormat->SetTextAlignment(taCenter);
  FFormat->SetCustomPosition(true);
}

TMarksTipTool::~TMarksTipTool() = default;

TKelFont* TMarksTipTool::Font() const {
  return FFormat->Font();
}

void TMarksTipTool::SetFont(TKelFont* value) {
  FFormat->SetFont(value);
}

void TMarksTipTool::SetFormat(TTextShape* value) {
  FFormat->Assign(value);
}

int32_t TMarksTipTool::HideDelay() const {
  if (!SystemHints) return FHideDelay;
  const THostHintDelays* host = HostDelaysOf(FParent);
  return host != nullptr ? host->HideDelay : kDefaultHideDelay;
}

void TMarksTipTool::SetHideDelay(int32_t value) {
  if (ReadingRecord()) {
    FReadHideDelay = value;
  } else {
    ApplyDelays(std::nullopt, value);
  }
}

int32_t TMarksTipTool::MouseDelay() const {
  if (!SystemHints) return FMouseDelay;
  const THostHintDelays* host = HostDelaysOf(FParent);
  return host != nullptr ? host->MouseDelay : kDefaultMouseDelay;
}

void TMarksTipTool::SetMouseDelay(int32_t value) {
  if (ReadingRecord()) {
    FReadMouseDelay = value;
  } else {
    ApplyDelays(value, std::nullopt);
  }
}

void TMarksTipTool::ApplyDelays(std::optional<int32_t> mouseDelay,
                                std::optional<int32_t> hideDelay) {
  if (!SystemHints) {
    if (mouseDelay) FMouseDelay = *mouseDelay;
    if (hideDelay) FHideDelay = *hideDelay;
    return;
  }
  // Without a chart there are no host delays to set.
  if (THostHintDelays* host = HostDelaysOf(FParent)) {
    if (mouseDelay) host->MouseDelay = *mouseDelay;
    if (hideDelay) host->HideDelay = *hideDelay;
  }
}

void TMarksTipTool::LoadState(TReader& reader) {
  FReadHideDelay.reset();
  FReadMouseDelay.reset();
  inherited::LoadState(reader);
  ApplyDelays(FReadMouseDelay, FReadHideDelay);
  FReadHideDelay.reset();
  FReadMouseDelay.reset();
}

void TMarksTipTool::Assign(const TPersistent* source) {
  if (const auto* tool = dynamic_cast<const TMarksTipTool*>(source)) {
    FFormat->Assign(tool->FFormat.get());
    MouseAction = tool->MouseAction;
    Style = tool->Style;
    SystemHints = tool->SystemHints;
    FHideDelay = tool->FHideDelay;
    FMouseDelay = tool->FMouseDelay;
  }
  inherited::Assign(source);
}

std::u16string TMarksTipTool::Description() const {
  return u"Mark Tips";
}

std::u16string TMarksTipTool::LongDescription() const {
  return u"Displays \"tips\" or \"hints\" when the end-user moves or clicks the mouse over a "
         u"series point.";
}

}  // namespace kel
