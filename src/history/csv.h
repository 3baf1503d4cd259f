// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/game.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QSaveFile;

namespace history {

// The games as a spreadsheet reads them on any desktop: UTF-8 with a
// byte-order mark, CRLF line ends, one header row, RFC 4180 quoting.
QByteArray toCsv(const QList<Game>& games);

// Writes toCsv(games) to `path` through QSaveFile, so that a failed write
// leaves an earlier file whole. On failure returns false and sets `error` to
// the reason in the player's language.
bool writeCsv(const QString& path, const QList<Game>& games, QString* error);

// One field as toCsv writes it (RFC 4180 quoting), for the other exports.
QString csvField(const QString& text);
// Why a write of `file` to `path` through QSaveFile failed, in the player's
// language: `opened` is whether it opened, `whole` whether every byte went out.
QString saveFailureReason(const QString& path, const QSaveFile& file, bool opened, bool whole);

} // namespace history
