// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The colours and fonts of the two window designs, written once.

#include "ui/values.h"

namespace design {

constexpr ui::Colour Pale = ui::RGB(192, 255, 192);       // windows, frames, option buttons
constexpr ui::Colour ButtonFace = ui::RGB(128, 255, 128); // every command button
constexpr ui::Colour Ink = ui::RGB(0, 0, 192);            // the board's drawing, the hint
constexpr ui::Colour Red = ui::RGB(255, 0, 0);
constexpr ui::Colour White = ui::RGB(255, 255, 255);

// What the first next-number label shows before the number due.
inline const QString NextPrefix = QStringLiteral("次-");

// The two font names of the designs, mapped to an installed Japanese gothic
// at start-up.
inline const QString UiGothic = QStringLiteral("MS UI Gothic");
inline const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");

inline ui::FontSpec uiGothic(double size, bool bold = false, bool italic = false) {
    return {UiGothic, size, bold, italic};
}
inline ui::FontSpec pGothic(double size) {
    return {PGothic, size, false, false};
}

} // namespace design
