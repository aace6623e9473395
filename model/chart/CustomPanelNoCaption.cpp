#include "model/chart/CustomPanelNoCaption.h"

#include "persist/Reader.h"
#include "persist/Writer.h"

namespace kel {

TAnchors AnchorsOfAlign(TAlign align) {
  switch (align) {
    case alTop:
      return {akLeft, akTop, akRight};
    case alBottom:
      return {akLeft, akRight, akBottom};
    case alLeft:
      return {akLeft, akTop, akBottom};
    case alRight:
      return {akRight, akTop, akBottom};
    case alClient:
      return {akLeft, akTop, akRight, akBottom};
    default:
      return {akLeft, akTop};
  }
}

using TPanel = TCustomPanelNoCaption;

KEL_PROPERTIES(TCustomPanelNoCaption,
               Property(u"AlignWithMargins", &TPanel::FAlignWithMargins, &TPanel::FAlignWithMargins)
                   .Default(false),
               Property(u"Left", &TPanel::Left, &TPanel::SetLeft).NoDefault(),
               Property(u"Top", &TPanel::Top, &TPanel::SetTop).NoDefault(),
               Property(u"Width", &TPanel::Width, &TPanel::SetWidth).NoDefault(),
               Property(u"Height", &TPanel::Height, &TPanel::SetHeight).NoDefault(),
               Property(u"Cursor", &TPanel::FCursor, &TPanel::FCursor).Default(crDefault),
               Property(u"Hint", &TPanel::FHint, &TPanel::FHint),
               Property(u"HelpType", &TPanel::FHelpType, &TPanel::FHelpType).Default(htContext),
               Property(u"HelpKeyword", &TPanel::FHelpKeyword, &TPanel::FHelpKeyword),
               Property(u"HelpContext", &TPanel::FHelpContext, &TPanel::FHelpContext).Default(0),
               Property(u"Margins", &TPanel::Margins, &TPanel::SetMargins),
               Property(u"CustomHint", &TPanel::FCustomHint, &TPanel::FCustomHint),
               Property(u"ParentCustomHint", &TPanel::FParentCustomHint, &TPanel::FParentCustomHint)
                   .Default(true))

TCustomPanelNoCaption::TCustomPanelNoCaption(TComponent* owner) : TComponent(owner) {}

TCustomPanelNoCaption::~TCustomPanelNoCaption() = default;

void TCustomPanelNoCaption::SetBound(int index, int32_t value) {
  FBounds[index] = value;
  // Without alignment the bounds are the user's own; aligned bounds keep the
  // ones the user gave last, to return to when the alignment goes.
  if (FAlign == alNone) FExplicitBounds[index] = value;
}

bool TCustomPanelNoCaption::IsExplicitStored(int index) const {
  return FAlign != alNone && FExplicitBounds[index] != FBounds[index];
}

void TCustomPanelNoCaption::SetAlign(TAlign value) {
  if (FAlign == value) return;
  FAlign = value;
  FAnchors = AnchorsOfAlign(value);
}

void TCustomPanelNoCaption::SetColor(TColor value) {
  FColor = value;
  FParentColor = false;
}

void TCustomPanelNoCaption::SetShowHint(bool value) {
  FShowHint = value;
  FParentShowHint = false;
}

void TCustomPanelNoCaption::DefineProperties(TFiler& filer) {
  inherited::DefineProperties(filer);
  // A frame's root control marks itself; the chart is never one.
  filer.DefineProperty(
      u"IsControl", [](TReader& reader) { reader.ReadBoolean(); }, nullptr, false);
  static constexpr const char16_t* kExplicitNames[4] = {u"ExplicitLeft", u"ExplicitTop",
                                                        u"ExplicitWidth", u"ExplicitHeight"};
  for (int index = 0; index < 4; ++index) {
    filer.DefineProperty(
        kExplicitNames[index],
        [this, index](TReader& reader) { FExplicitBounds[index] = reader.ReadInteger(); },
        [this, index](TWriter& writer) { writer.WriteInteger(FExplicitBounds[index]); },
        IsExplicitStored(index));
  }
  // The size of the parent at design time, for anchoring; without a parent
  // window there is nothing to keep.
  filer.DefineProperty(
      u"DesignSize",
      [](TReader& reader) {
        reader.ReadListBegin();
        while (!reader.EndOfList()) reader.ReadInteger();
        reader.ReadListEnd();
      },
      nullptr, false);
}

}  // namespace kel
