// Pictures: one graphic (a bitmap, metafile, icon or another registered image
// format) and, for the chart's picture, a list of image filters. The content
// travels in the extra entries "Data" and "FilterItems".
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/base/ChangeNotifier.h"
#include "persist/ClassDeclaration.h"

namespace kel {

class TFilterItems;
class TReader;
class TStream;
class TWriter;

// A graphic of a registered format, held as the bytes its format writes:
// nothing here draws, so the bytes only need to come back unchanged.
struct TGraphic {
  std::u16string ClassName;
  std::vector<uint8_t> Data;
};

// The graphic formats a picture recognises, by class name (compared without
// regard to ASCII case). TBitmap, TMetafile, TIcon, TJPEGImage, TPngImage and
// TGIFImage are there from the start.
void RegisterGraphicClass(std::u16string_view className);
// The registered spelling of className; empty when it is not registered.
std::u16string FindGraphicClass(std::u16string_view className);

// The host's picture: at most one graphic, written as the entry "Data".
class TPicture : public TPersistent, public TChangeNotifier {
  KEL_CLASS(TPicture, TPersistent)

 public:
  explicit TPicture(TNotifyEvent onChange = {}) : TChangeNotifier(std::move(onChange)) {}
  ~TPicture() override;

  const TGraphic* Graphic() const { return FGraphic.get(); }
  // Copies graphic; null empties the picture.
  void SetGraphic(const TGraphic* graphic);

  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

 private:
  void ReadData(TStream& stream);
  void WriteData(TStream& stream) const;

  std::unique_ptr<TGraphic> FGraphic;
};

class TKelPicture : public TPicture {
  KEL_CLASS(TKelPicture, TPicture)

 public:
  explicit TKelPicture(TNotifyEvent onChange = {});
  ~TKelPicture() override;

  // Created on first access; null frees the list.
  TFilterItems* Filters();
  void SetFilters(TFilterItems* value);
  bool HasFilters() const { return FFilters != nullptr; }

  // Copies the filters and the graphic.
  void Assign(const TPersistent* source) override;
  void DefineProperties(TFiler& filer) override;

 private:
  void ReadFilterItems(TReader& reader);
  void WriteFilterItems(TWriter& writer) const;

  std::unique_ptr<TFilterItems> FFilters;
};

}  // namespace kel
