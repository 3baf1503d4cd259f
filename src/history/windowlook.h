// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/controls.h"

#include <QString>

class QWidget;

namespace history {

// The look the history's windows share with the game: the pale board colour
// behind everything, the design's gothic font, and `title`.
void setWindowLook(QWidget& window, const QString& title);

// A command button of the history's windows in the design's face and font,
// sized by the layout it goes into.
void makeButton(ui::CommandButton& button, QWidget* parent, const QString& caption,
                const QString& tip);

} // namespace history
