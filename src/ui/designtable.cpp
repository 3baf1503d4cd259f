// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/designtable.h"

#include <QWidget>

#include <algorithm>
#include <vector>

namespace ui {

void buildControls(QWidget* window, std::span<const ControlRow> rows) {
    // A control designed without a font takes the platform's default one,
    // not the font of its container.
    const QFont platformFont;
    const FontSpec defaultFont{platformFont.family(), platformFont.pointSizeF(), false, false};
    std::vector<const ControlRow*> byTab;
    for (const ControlRow& row : rows) {
        Control& c = row.control;
        c.create(row.container ? row.container->widget() : window);
        c.setAlignment(row.align);
        if (!row.caption.isEmpty())
            c.setCaption(row.caption);
        c.setFont(row.font.value_or(defaultFont));
        if (row.fore)
            c.setForeColor(*row.fore);
        if (row.back)
            c.setBackColor(*row.back);
        if (!row.tip.isEmpty())
            c.setToolTipText(row.tip);
        c.setGeometry(row.left, row.top, row.width, row.height);
        if (c.widget()->focusPolicy() != Qt::NoFocus)
            byTab.push_back(&row);
    }
    std::stable_sort(byTab.begin(), byTab.end(),
                     [](const ControlRow* a, const ControlRow* b) { return a->tab < b->tab; });
    for (std::size_t i = 1; i < byTab.size(); ++i)
        byTab[i]->control.setTabAfter(byTab[i - 1]->control);
}

} // namespace ui
