#include "model/attributes/Picture.h"

#include <algorithm>
#include <mutex>
#include <stdexcept>

#include "model/attributes/FilterItems.h"
#include "persist/ClassRegistry.h"
#include "persist/Exceptions.h"
#include "persist/NameCompare.h"
#include "persist/Reader.h"
#include "persist/Unicode.h"
#include "persist/Writer.h"

namespace kel {

namespace {

struct TGraphicFormats {
  std::mutex Lock;
  std::vector<std::u16string> Names{u"TBitmap",    u"TMetafile", u"TIcon",
                                    u"TJPEGImage", u"TPngImage", u"TGIFImage"};

  // Called with Lock held.
  const std::u16string* Find(std::u16string_view className) const {
    for (const std::u16string& name : Names) {
      if (SameTextAscii(name, className)) return &name;
    }
    return nullptr;
  }
};

TGraphicFormats& GraphicFormats() {
  static TGraphicFormats formats;
  return formats;
}

}  // namespace

void RegisterGraphicClass(std::u16string_view className) {
  // The name is written behind a one-byte length, one byte per character.
  if (className.empty() || className.size() > 255 || !IsAscii(className)) {
    throw std::invalid_argument("a graphic class name is 1 to 255 ASCII characters");
  }
  TGraphicFormats& formats = GraphicFormats();
  std::lock_guard lock(formats.Lock);
  if (formats.Find(className) == nullptr) formats.Names.emplace_back(className);
}

std::u16string FindGraphicClass(std::u16string_view className) {
  TGraphicFormats& formats = GraphicFormats();
  std::lock_guard lock(formats.Lock);
  const std::u16string* name = formats.Find(className);
  return name != nullptr ? *name : std::u16string();
}

KEL_PROPERTIES(TPicture)

TPicture::~TPicture() = default;

void TPicture::SetGraphic(const TGraphic* graphic) {
  if (graphic == nullptr) {
    FGraphic.reset();
  } else {
    FGraphic = std::make_unique<TGraphic>(*graphic);
  }
  Changed();
}

void TPicture::Assign(const TPersistent* source) {
  if (const auto* picture = dynamic_cast<const TPicture*>(source)) {
    SetGraphic(picture->FGraphic.get());
    return;
  }
  inherited::Assign(source);
}

void TPicture::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineBinaryProperty(
      u"Data", [this](TStream& stream) { ReadData(stream); },
      [this](TStream& stream) { WriteData(stream); }, FGraphic != nullptr);
}

void TPicture::ReadData(TStream& stream) {
  FGraphic.reset();
  if (stream.Size() > 0) {
    uint8_t nameLength = 0;
    stream.ReadBuffer(&nameLength, 1);
    std::string name(nameLength, '\0');
    stream.ReadBuffer(name.data(), nameLength);
    // An unknown format leaves the picture empty and its bytes unread. A
    // known one keeps the name as the file spells it, to write it back so.
    std::u16string className = AnsiToUtf16(name);
    if (!FindGraphicClass(className).empty()) {
      auto graphic = std::make_unique<TGraphic>();
      graphic->ClassName = std::move(className);
      graphic->Data.resize(static_cast<size_t>(stream.Size() - stream.Position()));
      stream.ReadBuffer(graphic->Data.data(), static_cast<int64_t>(graphic->Data.size()));
      FGraphic = std::move(graphic);
    }
  }
  Changed();
}

void TPicture::WriteData(TStream& stream) const {
  const std::string name = Utf16ToAnsi(FGraphic->ClassName);
  // The length has one byte; a longer name could never be read back whole.
  const auto nameLength = static_cast<uint8_t>(std::min<size_t>(name.size(), 255));
  stream.WriteBuffer(&nameLength, 1);
  stream.WriteBuffer(name.data(), nameLength);
  stream.WriteBuffer(FGraphic->Data.data(), static_cast<int64_t>(FGraphic->Data.size()));
}

KEL_PROPERTIES(TKelPicture,
               Property(u"Filters", &TKelPicture::Filters, &TKelPicture::SetFilters).Stored(false))

TKelPicture::TKelPicture(TNotifyEvent onChange) : TPicture(std::move(onChange)) {}

TKelPicture::~TKelPicture() = default;

TFilterItems* TKelPicture::Filters() {
  if (!FFilters) FFilters = std::make_unique<TFilterItems>(this);
  return FFilters.get();
}

void TKelPicture::SetFilters(TFilterItems* value) {
  if (value == nullptr) {
    FFilters.reset();
  } else {
    Filters()->Assign(value);
  }
}

void TKelPicture::Assign(const TPersistent* source) {
  if (const auto* picture = dynamic_cast<const TKelPicture*>(source)) {
    SetFilters(picture->FFilters.get());
  }
  inherited::Assign(source);
}

void TKelPicture::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  filer.DefineProperty(
      u"FilterItems", [this](TReader& reader) { ReadFilterItems(reader); },
      [this](TWriter& writer) { WriteFilterItems(writer); },
      FFilters != nullptr && FFilters->Count() > 0);
}

void TKelPicture::ReadFilterItems(TReader& reader) {
  reader.CheckValue(vaCollection);
  TFilterItems& filters = *Filters();
  if (!reader.EndOfList()) filters.Clear();
  while (!reader.EndOfList()) {
    const TValueType next = reader.NextValue();
    if (next == vaInt8 || next == vaInt16 || next == vaInt32) reader.ReadInteger();
    reader.ReadListBegin();
    reader.ReadStr();  // "ItemClass"
    const TClassInfo& itemClass = FindRegisteredClass(reader.ReadString());
    if (itemClass.CreateItem == nullptr) throw EReadError(kSInvalidProperty);
    TCollectionItem* filter = filters.InsertItem(itemClass.CreateItem(&filters));
    while (!reader.EndOfList()) reader.ReadPropertyEntry(*filter);
    reader.ReadListEnd();
  }
  reader.ReadListEnd();
}

void TKelPicture::WriteFilterItems(TWriter& writer) const {
  writer.WriteValueTag(vaCollection);
  for (int i = 0; i < FFilters->Count(); ++i) {
    TKelFilter& filter = *FFilters->Item(i);
    writer.WriteListBegin();
    writer.WritePropertyName(u"ItemClass");
    writer.WriteString(filter.ClassName());
    writer.WriteProperties(filter);
    writer.WriteListEnd();
  }
  writer.WriteListEnd();
}

}  // namespace kel
