// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "history/game.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace history {

// Takes one click with its game; false stops the source.
using ClickSink = std::function<bool(const Game& game, const engine::ClickRecord& click)>;
// Gives every click to export to the sink, the clicks of one game together
// and in order of seq (Store::forEachClick is one); false when it could not
// read them all or the sink stopped it.
using ClickSource = std::function<bool(const ClickSink& each)>;
// Told the rows written so far and the rows expected, every few hundred rows
// and once before the file is committed; false cancels the export.
using ExportProgress = std::function<bool(qint64 done, qint64 total)>;

// What became of one click export.
struct ClickExport {
    qint64 clicks = 0; // rows written
    qint64 games = 0;  // games they came from
    bool cancelled = false;
    QString error; // why it failed, in the player's language; empty otherwise
    bool saved() const { return !cancelled && error.isEmpty(); }
};

// The header of the click CSV, one short ASCII name per column, in order.
QStringList clickColumns();

// The JSON that describes every column of the click CSV as behavioural-data
// sidecars do: per column an object with LongName, Description, Units where
// there is one ("ms", "twips"), and Levels (each level's meaning) for outcome.
QByteArray clickSidecar();

// Where the sidecar of the CSV at `csvPath` goes: the same name with .json
// instead of .csv (or .json added when it does not end in .csv).
QString sidecarPath(const QString& csvPath);

// Writes one row per click of `source` to `path`: UTF-8 with a byte-order
// mark, CRLF line ends, the header of clickColumns(), RFC 4180 quoting; then
// clickSidecar() beside it. Both go through QSaveFile, and the sidecar only
// once the CSV is committed, so that a cancelled or failed export leaves no
// partial file and an earlier file whole. `total` (Store::clickCount) is only
// passed on to `progress`.
ClickExport writeClickCsv(const QString& path, const ClickSource& source, qint64 total,
                          const ExportProgress& progress = {});

} // namespace history
