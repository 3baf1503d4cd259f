// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include <QFontDatabase>

namespace ui {
namespace {

// The installed families that the design names resolve to, best first.
QStringList japaneseFallbacks() {
    static const QStringList families = [] {
        const QStringList preferred = {
            QStringLiteral("IPAPGothic"),       QStringLiteral("IPAGothic"),
            QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
            QStringLiteral("VL PGothic"),       QStringLiteral("TakaoPGothic"),
        };
        const QStringList installed = QFontDatabase::families();
        QStringList found;
        for (const QString& name : preferred)
            if (installed.contains(name))
                found << name;
        for (const QString& name : QFontDatabase::families(QFontDatabase::Japanese))
            if (!found.contains(name))
                found << name;
        return found;
    }();
    return families;
}

} // namespace

void installFontSubstitutions(const QStringList& designNames) {
    const QStringList fallbacks = japaneseFallbacks();
    for (const QString& name : designNames)
        QFont::insertSubstitutions(name, fallbacks);
}

QFont makeFont(const FontSpec& design) {
    QFont font(design.name);
    font.setPointSizeF(design.size);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    return font;
}

} // namespace ui
