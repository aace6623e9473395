#include "model/titles/ChartWalls.h"

#include "model/attributes/BackImage.h"
#include "model/attributes/Brush.h"
#include "model/attributes/Emboss.h"
#include "model/attributes/Pen.h"
#include "model/attributes/Shadow.h"
#include "model/base/ChartLink.h"

namespace kel {

// --- TCustomChartWall ---

KEL_PROPERTIES(TCustomChartWall)

TCustomChartWall::TCustomChartWall(TCustomKelPanel* parent) : TKelCustomShape(parent) {
  AssignDefaultColor(clDefault);
}

void TCustomChartWall::AssignDefaultColor(TColor value) {
  DefaultColor = value;
  SetColor(value);
}

void TCustomChartWall::Assign(const TPersistent* source) {
  if (const auto* wall = dynamic_cast<const TCustomChartWall*>(source)) {
    FAutoHide = wall->FAutoHide;
    FDark3D = wall->FDark3D;
    FEnd = wall->FEnd;
    FSize = wall->FSize;
    FStart = wall->FStart;
  }
  inherited::Assign(source);
}

// --- TChartWall and the four walls ---

using W = TChartWall;
KEL_PROPERTIES(TChartWall,
               Property(u"AutoHide", &W::AutoHide, &W::SetAutoHide).Default(false),
               Published({u"Brush"}),
               Redeclared(u"Color").NoDefault().StoredUnlessEqual(&W::DefaultColor),
               Property(u"Dark3D", &W::Dark3D, &W::SetDark3D).Default(true),
               Property(u"EndPosition", &W::EndPosition, &W::SetEndPosition).Default(100),
               Published({
                   u"Gradient",
                   u"Pen",
                   u"RoundSize",
               }),
               Property(u"Size", &W::Size, &W::SetSize).Default(0),
               Property(u"StartPosition", &W::StartPosition, &W::SetStartPosition).Default(0),
               Published({
                   u"Transparency",
                   u"Transparent",
               }),
               Redeclared(u"Visible").Default(true).StoredUnlessEqual(&W::DefaultVisible))

KEL_PROPERTIES(TChartBackWall,
               Redeclared(u"Color").Default(clSilver),
               Redeclared(u"Transparent").Default(true),
               Property(u"Emboss", &TChartBackWall::Emboss, &TChartBackWall::SetEmboss),
               Property(u"Picture", &TChartBackWall::Picture, &TChartBackWall::SetPicture)
                   .Stored(&TChartBackWall::HasPicture),
               Property(u"Shadow", &TChartBackWall::Shadow, &TChartBackWall::SetShadow))

TChartBackWall::TChartBackWall(TCustomKelPanel* parent) : TChartWall(parent) {
  AssignDefaultColor(clSilver);
  PrepareTransparent(true);
  PrepareShadow(*Shadow());
}

// Hidden and gray, at the size of a new shadow (0): the base's 3 by 3 is for
// boxes that show their shadow.
void TChartBackWall::PrepareShadow(TKelShadow& shadow) {
  shadow.AssignShadowDefaults(false, clGray, 0);
}

void TChartBackWall::PrepareEmboss(TKelEmboss& emboss) {
  emboss.AssignShadowDefaults(false, clGray, 0);
}

KEL_PROPERTIES(TChartLeftWall,
               Property(u"Picture", &TChartLeftWall::Picture, &TChartLeftWall::SetPicture)
                   .Stored(&TChartLeftWall::HasPicture))

TChartLeftWall::TChartLeftWall(TCustomKelPanel* parent) : TChartWall(parent) {
  AssignDefaultColor(static_cast<TColor>(0x80FFFF));
}

KEL_PROPERTIES(TChartBottomWall,
               Property(u"Picture", &TChartBottomWall::Picture, &TChartBottomWall::SetPicture)
                   .Stored(&TChartBottomWall::HasPicture))

TChartBottomWall::TChartBottomWall(TCustomKelPanel* parent) : TChartWall(parent) {
  AssignDefaultColor(clWhite);
}

KEL_PROPERTIES(TChartRightWall,
               Redeclared(u"Color").Default(clSilver),
               Redeclared(u"Visible").Default(false),
               Property(u"Picture", &TChartRightWall::Picture, &TChartRightWall::SetPicture)
                   .Stored(&TChartRightWall::HasPicture))

TChartRightWall::TChartRightWall(TCustomKelPanel* parent) : TChartWall(parent) {
  AssignDefaultColor(clSilver);
  FVisible = false;
  DefaultVisible = false;
}

// --- TChartWalls ---

KEL_PROPERTIES(TChartWalls)

TChartWalls::TChartWalls(TCustomKelPanel* parent)
    : FParent(parent),
      FBack(std::make_unique<TChartBackWall>(parent)),
      FLeft(std::make_unique<TChartLeftWall>(parent)),
      FBottom(std::make_unique<TChartBottomWall>(parent)) {}

TChartWalls::~TChartWalls() = default;

TChartRightWall* TChartWalls::Right() {
  if (!FRight) FRight = std::make_unique<TChartRightWall>(FParent);
  return FRight.get();
}

bool TChartWalls::Visible() const {
  return FChart == nullptr || FChart->View3DWalls();
}

void TChartWalls::SetVisible(bool value) {
  if (FChart != nullptr) FChart->SetView3DWalls(value);
}

void TChartWalls::SetSize(int32_t value) {
  FBack->SetSize(value);
  FLeft->SetSize(value);
  FBottom->SetSize(value);
  Right()->SetSize(value);
}

void TChartWalls::Assign(const TPersistent* source) {
  if (const auto* walls = dynamic_cast<const TChartWalls*>(source)) {
    FBack->Assign(walls->FBack.get());
    FBottom->Assign(walls->FBottom.get());
    FLeft->Assign(walls->FLeft.get());
    // A right wall the source never made holds initial values: so does ours.
    if (walls->FRight) {
      Right()->Assign(walls->FRight.get());
    } else {
      FRight.reset();
    }
    return;
  }
  inherited::Assign(source);
}

}  // namespace kel
