// Property rows of the settings that line, point and area series declare but
// that each class publishes in its own stream order, beside the rows every
// series shares.
#pragma once

#include "persist/ClassDeclaration.h"

namespace kel::custom_series_rows {

TPropDecl OnGetPointerStyle();
TPropDecl OnClickPointer();
TPropDecl ColorEachLine();
TPropDecl ClickableLine();
TPropDecl ClickTolerance();
TPropDecl Dark3D();
TPropDecl DrawStyle();
TPropDecl InflateMargins();
TPropDecl InvertedStairs();
TPropDecl LinePen();
TPropDecl Pointer();
TPropDecl PointerBehind();
TPropDecl Stacked();
TPropDecl Stairs();
TPropDecl TreatNulls();

}  // namespace kel::custom_series_rows
