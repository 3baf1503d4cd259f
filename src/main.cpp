#include "frm1.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("junban"));
    QApplication::setDesktopFileName(QStringLiteral("junban"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/junban/junban.png")));
    ui::installFontSubstitutions();

    Frm1 frm1;
    frm1.show();
    return QApplication::exec();
}
