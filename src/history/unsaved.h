// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/game.h"

#include <QList>
#include <QString>

#include <optional>

namespace history {

// The recovery file: games that could still not be written into the database
// when the program ended, kept beside it as `history-unsaved.csv` until a
// later run that can write the database imports them. RFC 4180 (UTF-8, CR LF,
// every text field quoted), a header line, then one record per game with the
// columns of the table `games` without `id` (the database gives one on
// import): finished, name, first_number, count, radius, elapsed_ms, hits,
// clicks, line. The clicks of such a game are not kept.

QString unsavedPath(const QString& databasePath);
// Appends the games (the header first when the file is new), never
// overwriting what is there, under the lock beside the database; false when
// they could not be written whole.
bool appendUnsaved(const QString& databasePath, const QList<Game>& games);
// Every game of the recovery file; an empty list when there is none, nullopt
// when it cannot be read as one (it is then left for the player). The caller
// holds the lock beside the database.
std::optional<QList<Game>> readUnsaved(const QString& databasePath);
// The date and time a game is kept with: 2026-12-07T18:03:12+09:00.
QString isoWithOffset(const QDateTime& t);

} // namespace history
