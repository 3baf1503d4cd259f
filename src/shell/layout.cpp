// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/layout.h"

#include "shell/rangerules.h"
#include "ui/values.h"

namespace shell {
namespace {

float half(double v) {
    return static_cast<float>(v) / 2.0f;
}

} // namespace

SizeCorrection sizeCorrection(double outerWidth, double outerHeight) {
    if (outerWidth < MinimumWidth)
        return {SizeCorrection::Kind::Width, MinimumWidth};
    if (outerHeight < MinimumHeight)
        return {SizeCorrection::Kind::Height, MinimumHeight};
    return {};
}

double commandBarLeft(double outerWidth, double barWidth) {
    return half(outerWidth) - half(barWidth) - 50.0f;
}

double centredLeft(double outerWidth, double labelWidth) {
    return half(outerWidth) - half(labelWidth);
}

double noticeLeft(double outerWidth) {
    return half(outerWidth) - 2400.0f;
}

BoardText startPrompt(double screenWidth, double outerWidth) {
    if (static_cast<float>(screenWidth) - static_cast<float>(outerWidth) >
        static_cast<float>(ScreenMargin))
        return {QStringLiteral("大きく広げてください。"), half(outerWidth) - 1900.0f, 1800, 24};
    return {QStringLiteral("クリックでスタート！"), half(outerWidth) - 1600.0f, 3700, 24};
}

BoardText rangeInstruction(double outerWidth, int s1) {
    return {rangeLine(s1), noticeLeft(outerWidth), 4300, 16};
}

QString usageHint() {
    return QStringLiteral("正解のときの音を止めるには、") + ui::CrLf +
           QStringLiteral("上右の［音］ボタンをクリックして下さい。") + ui::CrLf +
           QStringLiteral("的中の範囲は上の［狭・中・広］で調節できます。");
}

} // namespace shell
