// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one set-up of the application object that the program, its tests and
// its benchmark share: names, the Fusion style, the window icon, the Japanese
// fonts behind the design font names and Qt's own texts in Japanese. Call
// once, right after the QApplication is constructed.
void setUpApplication();
