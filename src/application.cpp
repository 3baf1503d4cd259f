#include "application.h"

#include "design.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("junban"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.junban"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/junban/junban.png")));
    ui::installFontSubstitutions({design::UiGothic, design::PGothic});
}
