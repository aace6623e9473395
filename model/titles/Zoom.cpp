#include "model/titles/Zoom.h"

namespace kel {

KEL_PROPERTIES(TKelZoomPen,
               Redeclared(u"Color").NoDefault().StoredUnlessEqual(&TKelZoomPen::DefaultColor),
               Redeclared(u"Width").Default(3))

TKelZoomPen::TKelZoomPen() {
  FColor = clSilver;
  FWidth = 3;
  DefaultWidth = 3;
  AssignDefaultEndStyle(esFlat);
}

KEL_PROPERTIES(TKelZoomBrush,
               Redeclared(u"Color").Default(clWhite),
               Redeclared(u"Style").Default(bsClear))

TKelZoomBrush::TKelZoomBrush() {
  AssignDefaultColor(clWhite);
  FStyle = bsClear;
}

KEL_PROPERTIES(
    TKelZoom,
    Property(u"Allow", &TKelZoom::FAllow, &TKelZoom::FAllow).Default(true),
    Property(u"Animated", &TKelZoom::FAnimated, &TKelZoom::FAnimated).Default(false),
    Property(u"AnimatedSteps", &TKelZoom::FAnimatedSteps, &TKelZoom::FAnimatedSteps).Default(8),
    Property(u"Brush", &TKelZoom::Brush, &TKelZoom::SetBrush),
    Property(u"Direction", &TKelZoom::FDirection, &TKelZoom::FDirection).Default(tzdBoth),
    Property(u"History", &TKelZoom::History, &TKelZoom::SetHistory).Default(false),
    Property(u"KeepAspectRatio", &TKelZoom::FKeepAspect, &TKelZoom::FKeepAspect).Default(false),
    Property(u"KeyShift", &TKelZoom::FKeyShift, &TKelZoom::FKeyShift).Default(TShiftState{}),
    Property(u"MinimumPixels", &TKelZoom::FMinimumPixels, &TKelZoom::FMinimumPixels).Default(16),
    Property(u"MouseButton", &TKelZoom::FMouseButton, &TKelZoom::FMouseButton).Default(mbLeft),
    Property(u"MouseWheel", &TKelZoom::FMouseWheel, &TKelZoom::FMouseWheel).Default(pmwNone),
    Property(u"Pen", &TKelZoom::Pen, &TKelZoom::SetPen),
    Property(u"UpLeftZooms", &TKelZoom::FUpLeftZooms, &TKelZoom::FUpLeftZooms).Default(false))

namespace {

template <class T>
void CopySubObject(const std::unique_ptr<T>& source, std::unique_ptr<T>& destination) {
  if (!source) {
    destination.reset();
  } else {
    if (!destination) destination = std::make_unique<T>();
    destination->Assign(source.get());
  }
}

}  // namespace

TKelZoom::TKelZoom() = default;
TKelZoom::~TKelZoom() = default;

TKelZoomBrush* TKelZoom::Brush() {
  if (!FBrush) FBrush = std::make_unique<TKelZoomBrush>();
  return FBrush.get();
}

TKelZoomPen* TKelZoom::Pen() {
  if (!FPen) FPen = std::make_unique<TKelZoomPen>();
  return FPen.get();
}

void TKelZoom::Assign(const TPersistent* source) {
  if (const auto* zoom = dynamic_cast<const TKelZoom*>(source)) {
    FAllow = zoom->FAllow;
    FAnimated = zoom->FAnimated;
    FAnimatedSteps = zoom->FAnimatedSteps;
    FDirection = zoom->FDirection;
    FFullRepaint = zoom->FFullRepaint;
    FHistory = zoom->FHistory;
    FKeepAspect = zoom->FKeepAspect;
    FKeyShift = zoom->FKeyShift;
    FMinimumPixels = zoom->FMinimumPixels;
    FMouseButton = zoom->FMouseButton;
    FMouseWheel = zoom->FMouseWheel;
    FUpLeftZooms = zoom->FUpLeftZooms;
    // A sub-object the source never created holds initial values: drop ours,
    // so that the next access creates it afresh.
    CopySubObject(zoom->FBrush, FBrush);
    CopySubObject(zoom->FPen, FPen);
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
