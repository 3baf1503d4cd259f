// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "frm1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    setUpApplication();
    Frm1 frm1;
    frm1.show();
    return QApplication::exec();
}
