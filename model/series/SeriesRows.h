// Property rows of the settings that every series class declares but that
// each concrete class publishes in its own stream order. A class table lists
// these calls among its own rows, so each table still reads top to bottom in
// the order the class writes its properties.
#pragma once

#include "persist/ClassDeclaration.h"

namespace kel::series_rows {

TPropDecl Active();
TPropDecl ColorEachPoint();
TPropDecl ColorSource();
TPropDecl Cursor();
TPropDecl Depth();
TPropDecl HorizAxis();
TPropDecl Marks();
TPropDecl ParentChart();
TPropDecl DataSource();
TPropDecl PercentFormat();
TPropDecl SeriesColor();
TPropDecl ShowInLegend();
TPropDecl Title();
TPropDecl Transparency();
TPropDecl ValueFormat();
TPropDecl VertAxis();
TPropDecl XLabelsSource();
TPropDecl XValues();
TPropDecl YValues();

// The ten events every series publishes, AfterDrawValues to OnMouseLeave.
TPropDecl AfterDrawValues();
TPropDecl BeforeDrawValues();
TPropDecl OnAfterAdd();
TPropDecl OnBeforeAdd();
TPropDecl OnClearValues();
TPropDecl OnClick();
TPropDecl OnDblClick();
TPropDecl OnGetMarkText();
TPropDecl OnMouseEnter();
TPropDecl OnMouseLeave();

}  // namespace kel::series_rows
