#pragma once

#include "ui/surface.h"

#include <QFont>
#include <QStringList>

namespace ui {

// The two font names of the window designs.
inline const QString UiGothic = QStringLiteral("MS UI Gothic");
inline const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");

// Maps the design font names onto an installed Japanese gothic font:
// IPAPGothic first, then Noto Sans CJK JP, then any family that can write
// Japanese. Call once after the application object exists.
void installFontSubstitutions();

// The installed families that the design names resolve to, best first.
QStringList japaneseFallbacks();

// A QFont for a design font; fractional point sizes are kept exactly.
QFont makeFont(const FontSpec& design);

} // namespace ui
