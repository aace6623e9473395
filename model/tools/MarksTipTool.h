// The marks tip tool: shows a series point's mark as a tip under the mouse.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/series/SeriesMarkShape.h"
#include "model/tools/KelCustomToolSeries.h"

namespace kel {

class TKelFont;
class TTextShape;

KEL_ENUM(TMarkToolMouseAction, mtmMove, mtmClick)

class TMarksTipTool : public TKelCustomToolSeries {
  KEL_CLASS(TMarksTipTool, TKelCustomToolSeries)

 public:
  static constexpr int32_t kDefaultMouseDelay = 500;
  static constexpr int32_t kDefaultHideDelay = 2500;

  explicit TMarksTipTool(TComponent* owner);
  ~TMarksTipTool() override;

  // Format's font.
  TKelFont* Font() const;
  void SetFont(TKelFont* value);
  TTextShape* Format() const { return FFormat.get(); }
  void SetFormat(TTextShape* value);

  // With SystemHints the chart's host delays (the defaults without a chart),
  // else the tool's own. Delays read from a file are applied when the
  // tool's record is complete, so that a SystemHints entry after them
  // decides where they go.
  int32_t HideDelay() const;
  void SetHideDelay(int32_t value);
  int32_t MouseDelay() const;
  void SetMouseDelay(int32_t value);

  TMarkToolMouseAction MouseAction = mtmMove;
  TSeriesMarksStyle Style = smsLabel;
  bool SystemHints = true;
  TMethod OnCancelHint, OnGetText;

  void LoadState(TReader& reader) override;
  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;

 private:
  bool ReadingRecord() const { return ComponentState().Contains(csReading); }
  void ApplyDelays(std::optional<int32_t> mouseDelay, std::optional<int32_t> hideDelay);

  std::unique_ptr<TTextShape> FFormat;
  int32_t FHideDelay = 0;
  int32_t FMouseDelay = 0;
  std::optional<int32_t> FReadHideDelay;
  std::optional<int32_t> FReadMouseDelay;
};

}  // namespace kel
