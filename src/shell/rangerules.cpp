// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/rangerules.h"

namespace shell {

QString rangeLine(int s1) {
    return QString::number(s1) + QStringLiteral("から") + QString::number(s1 + 1) +
           QStringLiteral("・") + QString::number(s1 + 2) +
           QStringLiteral("‥と順にクリックしてください");
}

} // namespace shell
