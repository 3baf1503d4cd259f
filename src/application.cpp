// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include "design.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("junban"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.junban"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/junban/junban.png")));
    ui::installFontSubstitutions({design::UiGothic, design::PGothic});

    // Qt's own texts (the colour dialog, the text boxes' context menus) speak
    // the game's language whatever the locale; without the translation file
    // they stay in English.
    auto* qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QStringLiteral("qtbase_ja"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
    else
        delete qtTexts;
}
