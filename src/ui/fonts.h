// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/values.h"

#include <QFont>
#include <QStringList>

namespace ui {

// Maps each of `designNames` onto an installed Japanese gothic font:
// IPAPGothic first, then Noto Sans CJK JP, then any family that can write
// Japanese. Call once after the application object exists.
void installFontSubstitutions(const QStringList& designNames);

// A QFont for a design font; fractional point sizes are kept exactly.
QFont makeFont(const FontSpec& design);

} // namespace ui
