// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/store.h"

#include <QString>

class QWidget;

namespace history {

// What CSV保存 saves: one row per game shown, one row per click of them, or nothing.
enum class ExportChoice { Games, Clicks, None };

// Asks over `parent` which the player wants: ゲーム, クリック or やめる.
ExportChoice askExportChoice(QWidget* parent);

// Writes every click of the games that pass `filter` (`shown` of them in the
// window) to `path` with its sidecar, and shows a progress dialog over
// `parent` once that has taken a second; cancelling it leaves no file.
// Returns what the status line should say: how many clicks of how many games
// were saved, or nothing when cancelled or failed (a failure is said in a
// message box).
QString saveClicks(QWidget* parent, const Store& store, const Filter& filter, int shown,
                   const QString& path);

} // namespace history
