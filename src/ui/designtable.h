// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/controls.h"

#include <optional>
#include <span>

namespace ui {

// One control of a window design: where it lies, what it shows and where it
// stands in the keyboard order. Positions are twips in the container.
struct ControlRow {
    Control& control;
    Control* container; // null: the window itself
    QString caption;
    double left, top, width, height;
    int tab; // keyboard order, lower first, among the controls that take the focus
    std::optional<FontSpec> font; // none: the platform's default user-interface font
    std::optional<Colour> fore;
    std::optional<Colour> back;
    Align align;
    QString tip;
};

// Creates the controls of a window design in the order of the rows (a
// container before what it holds) and chains the keyboard order by tab.
void buildControls(QWidget* window, std::span<const ControlRow> rows);

} // namespace ui
