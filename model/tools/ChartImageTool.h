// The chart image tool: a picture stretched between the axes of a series.
#pragma once

#include <memory>
#include <string>

#include "model/tools/KelCustomToolSeries.h"

namespace kel {

class TKelPicture;

class TChartImageTool : public TKelCustomToolSeries {
  KEL_CLASS(TChartImageTool, TKelCustomToolSeries)

 public:
  explicit TChartImageTool(TComponent* owner);
  ~TChartImageTool() override;

  TKelPicture* Picture() const { return FPicture.get(); }
  void SetPicture(TKelPicture* value);

  void Assign(const TPersistent* source) override;

  // The tool's texts for galleries and editors.
  std::u16string Description() const override;
  std::u16string LongDescription() const override;

 private:
  std::unique_ptr<TKelPicture> FPicture;
};

}  // namespace kel
