// The host window system's panel control as far as the chart needs it: the
// window-control properties the chart publishes, their sub-objects (margins,
// size constraints, touch settings) and the control's extra stream entries.
// The converter never shows a window, so nothing here draws or docks.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/attributes/BevelCut.h"
#include "model/chart/ControlMargins.h"
#include "model/chart/SizeConstraints.h"
#include "model/chart/TouchManager.h"
#include "persist/ClassDeclaration.h"
#include "persist/IntegerIdents.h"

namespace kel {

KEL_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom)
KEL_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
using TAnchors = TSet<TAnchorKind>;
KEL_ENUM(TDragMode, dmManual, dmAutomatic)
KEL_ENUM(TDragKind, dkDrag, dkDock)
KEL_ENUM(THelpType, htKeyword, htContext)

// The anchors that an alignment implies; Anchors is written when it differs.
TAnchors AnchorsOfAlign(TAlign align);

// A panel that never shows a caption. Publishes the control properties that
// precede the chart's own; the chart republishes the rest (Align, Color, ...)
// after its own, using the fields below.
class TCustomPanelNoCaption : public TComponent {
  KEL_CLASS(TCustomPanelNoCaption, TComponent)

 public:
  explicit TCustomPanelNoCaption(TComponent* owner);
  ~TCustomPanelNoCaption() override;

  int32_t Left() const { return FBounds[0]; }
  int32_t Top() const { return FBounds[1]; }
  int32_t Width() const { return FBounds[2]; }
  int32_t Height() const { return FBounds[3]; }
  void SetLeft(int32_t value) { SetBound(0, value); }
  void SetTop(int32_t value) { SetBound(1, value); }
  void SetWidth(int32_t value) { SetBound(2, value); }
  void SetHeight(int32_t value) { SetBound(3, value); }

  TControlMargins* Margins() const { return FMargins.get(); }
  void SetMargins(TControlMargins* value) { FMargins->Assign(value); }
  TSizeConstraints* Constraints() const { return FConstraints.get(); }
  void SetConstraints(TSizeConstraints* value) { FConstraints->Assign(value); }
  TTouchManager* Touch() const { return FTouch.get(); }
  void SetTouch(TTouchManager*) {}

  TAlign Align() const { return FAlign; }
  // Also moves the anchors to those the alignment implies.
  void SetAlign(TAlign value);
  bool IsAnchorsStored() const { return FAnchors != AnchorsOfAlign(FAlign); }

  TColor Color() const { return FColor; }
  // An own colour stops following the parent's.
  void SetColor(TColor value);
  bool IsColorStored() const { return !FParentColor; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value);
  bool IsShowHintStored() const { return !FParentShowHint; }

  // The position among the parent window's tab stops: -1 without a parent
  // window, which the converter's chart never has.
  int32_t TabOrder() const { return -1; }
  void SetTabOrder(int32_t) {}

  bool FAlignWithMargins = false;
  TCursor FCursor = crDefault;
  std::u16string FHint;
  THelpType FHelpType = htContext;
  std::u16string FHelpKeyword;
  int32_t FHelpContext = 0;
  TComponent* FCustomHint = nullptr;
  bool FParentCustomHint = true;
  TAlign FAlign = alNone;
  TBevelCut FBevelInner = bvNone;
  TBevelCut FBevelOuter = bvRaised;
  int32_t FBevelWidth = 1;
  int32_t FBorderWidth = 0;
  TColor FColor = clBtnFace;
  bool FUseDockManager = true;
  bool FDockSite = false;
  TCursor FDragCursor = crDrag;
  TDragMode FDragMode = dmManual;
  bool FParentColor = false;
  bool FParentShowHint = true;
  TComponent* FPopupMenu = nullptr;
  bool FTabStop = false;
  bool FAutoSize = false;
  bool FEnabled = true;
  bool FShowHint = false;
  bool FVisible = true;
  TAnchors FAnchors{akLeft, akTop};
  TDragKind FDragKind = dkDrag;
  bool FLocked = false;

  void DefineProperties(TFiler& filer) override;

 private:
  void SetBound(int index, int32_t value);
  bool IsExplicitStored(int index) const;

  // Left, top, width, height; the explicit bounds are those set by the user,
  // which alignment may later override.
  std::array<int32_t, 4> FBounds{0, 0, 185, 41};
  std::array<int32_t, 4> FExplicitBounds{0, 0, 185, 41};
  std::unique_ptr<TControlMargins> FMargins = std::make_unique<TControlMargins>();
  std::unique_ptr<TSizeConstraints> FConstraints = std::make_unique<TSizeConstraints>();
  std::unique_ptr<TTouchManager> FTouch = std::make_unique<TTouchManager>();
};

}  // namespace kel
