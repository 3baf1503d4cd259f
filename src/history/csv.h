// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/game.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace history {

// The games as a spreadsheet reads them on any desktop: UTF-8 with a
// byte-order mark, CRLF line ends, one header row, RFC 4180 quoting.
QByteArray toCsv(const QList<Game>& games);

// Writes toCsv(games) to `path` through QSaveFile, so that a failed write
// leaves an earlier file whole. On failure returns false and sets `error` to
// the reason in the player's language.
bool writeCsv(const QString& path, const QList<Game>& games, QString* error);

} // namespace history
