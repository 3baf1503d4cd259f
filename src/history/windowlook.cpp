// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/windowlook.h"

#include "design.h"
#include "ui/fonts.h"

#include <QWidget>

namespace history {

void setWindowLook(QWidget& window, const QString& title) {
    window.setWindowTitle(title);
    window.setFont(ui::makeFont(design::pGothic(10.8)));
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, ui::toQColor(design::Pale));
    window.setPalette(pal);
    window.setAutoFillBackground(true);
}

void makeButton(ui::CommandButton& button, QWidget* parent, const QString& caption,
                const QString& tip) {
    button.create(parent);
    button.setCaption(caption);
    button.setFont(design::pGothic(10.8));
    button.setBackColor(design::ButtonFace);
    button.setToolTipText(tip);
}

} // namespace history
