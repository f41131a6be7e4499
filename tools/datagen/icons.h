#pragma once
#include <QString>

// The desktop menu's icons, the menu's owl on a rounded tile, as
// <dir>/hicolor/<n>x<n>/apps/<name>.png at the usual sizes.
void RenderIcons(const QString& dir);
