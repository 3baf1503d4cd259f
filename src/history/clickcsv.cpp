// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/clickcsv.h"

#include "history/csv.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace history {

namespace {

struct Column {
    const char* name;
    const char* longName;
    const char* description;
    const char* units; // nullptr: a count, a number of the game or a text
};

// Every column of the click CSV in the order written; the header and the
// sidecar are both read from here.
constexpr Column Columns[] = {
    {"game_id", "Game id", "The game's number in the history file; every click of a game has it.",
     nullptr},
    {"finished", "Finished",
     "When the game ended: local date and time, ISO 8601 with its UTC offset.", nullptr},
    {"name", "Player name", "The name box as typed when the game was played.", nullptr},
    {"first_number", "First number", "The lowest number of the game's range (0, 10, ... 80).",
     nullptr},
    {"count", "Count",
     "How many numbers the game had (10 .. 50): the range is first_number .. first_number + count "
     "- 1.",
     nullptr},
    {"radius", "Hit radius", "How far from a number's centre a click still lies on the number.",
     "twips"},
    {"seq", "Click number", "1, 2, ... in the order of the game's clicks after the start click.",
     nullptr},
    {"t_ms", "Time", "When the click was made, since the start click, on the monotonic clock.",
     "ms"},
    {"dt_ms", "Time since previous click",
     "Since the game's previous click; for seq 1 since the start click.", "ms"},
    {"x", "Click x",
     "The click point from the board's left edge (twips: 1/1440 inch, 15 to a pixel at 96 DPI).",
     "twips"},
    {"y", "Click y", "The click point from the board's top edge.", "twips"},
    {"due", "Number due", "The number to be clicked next when the click was made.", nullptr},
    {"due_x", "Due x", "The centre of the number due from the board's left edge.", "twips"},
    {"due_y", "Due y", "The centre of the number due from the board's top edge.", "twips"},
    {"distance", "Distance", "From the click point to the centre of the number due, rounded.",
     "twips"},
    {"outcome", "Outcome", "What the click met, judged at the game's hit radius.", nullptr},
    {"touched", "Number touched",
     "The number an early or again click lay on; empty for a hit or an empty click.", nullptr},
    {"board_width", "Board width",
     "The board's width (the window's client area, where the numbers lie) when the click was made.",
     "twips"},
    {"board_height", "Board height", "The board's height when the click was made.", "twips"},
};

constexpr qint64 ProgressRows = 500;    // rows between two progress reports
constexpr qsizetype ChunkBytes = 65536; // bytes gathered before one write

// The columns of a game, the same on each of its rows, each followed by a comma.
QByteArray gameFields(const Game& game) {
    const QDateTime withOffset = game.finished.toOffsetFromUtc(game.finished.offsetFromUtc());
    return QByteArray::number(game.id) + ',' + withOffset.toString(Qt::ISODate).toUtf8() + ',' +
           csvField(game.name).toUtf8() + ',' + QByteArray::number(game.firstNumber) + ',' +
           QByteArray::number(game.count) + ',' + QByteArray::number(game.radius) + ',';
}

void appendClick(QByteArray& out, const engine::ClickRecord& c, qint64 sincePrevious) {
    for (const qint64 n : {qint64(c.seq), qint64(c.tMs), sincePrevious, qint64(c.x), qint64(c.y),
                           qint64(c.due), qint64(c.dueX), qint64(c.dueY), qint64(c.distance)})
        out += QByteArray::number(n) + ',';
    out += engine::outcomeName(c.outcome).toLatin1() + ',';
    if (c.touched >= 0)
        out += QByteArray::number(c.touched);
    out +=
        ',' + QByteArray::number(c.boardWidth) + ',' + QByteArray::number(c.boardHeight) + "\r\n";
}

QString failure(const QString& what, const QString& path, const QString& why) {
    return what.arg(QDir::toNativeSeparators(path), why);
}

} // namespace

QStringList clickColumns() {
    QStringList names;
    for (const Column& c : Columns)
        names.append(QLatin1String(c.name));
    return names;
}

QByteArray clickSidecar() {
    QJsonObject levels;
    const std::pair<engine::ClickOutcome, const char*> meanings[] = {
        {engine::ClickOutcome::Hit, "Within the hit radius of the number due."},
        {engine::ClickOutcome::Early,
         "Not a hit, but within the hit radius of a number still to come (clicked too early)."},
        {engine::ClickOutcome::Again,
         "Not a hit, but within the hit radius of a number already found."},
        {engine::ClickOutcome::Empty, "Within the hit radius of no number of the game."},
    };
    for (const auto& [outcome, meaning] : meanings)
        levels.insert(engine::outcomeName(outcome), QLatin1String(meaning));
    QJsonObject sidecar;
    for (const Column& c : Columns) {
        QJsonObject column{{QStringLiteral("LongName"), QLatin1String(c.longName)},
                           {QStringLiteral("Description"), QLatin1String(c.description)}};
        if (c.units)
            column.insert(QStringLiteral("Units"), QLatin1String(c.units));
        if (qstrcmp(c.name, "outcome") == 0)
            column.insert(QStringLiteral("Levels"), levels);
        sidecar.insert(QLatin1String(c.name), column);
    }
    return QJsonDocument(sidecar).toJson(QJsonDocument::Indented);
}

QString sidecarPath(const QString& csvPath) {
    if (csvPath.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return csvPath.chopped(4) + QStringLiteral(".json");
    return csvPath + QStringLiteral(".json");
}

ClickExport writeClickCsv(const QString& path, const ClickSource& source, qint64 total,
                          const ExportProgress& progress) {
    static const QString csvFailed = QStringLiteral("CSV を保存できませんでした（%1）。%2。");
    ClickExport result;
    QSaveFile csv(path);
    if (!csv.open(QIODevice::WriteOnly)) {
        result.error = failure(csvFailed, path, saveFailureReason(path, csv, false, false));
        return result;
    }
    QByteArray buffer = "\xEF\xBB\xBF" + clickColumns().join(u',').toLatin1() + "\r\n";
    bool writeFailed = false;
    const auto flush = [&] {
        // A short write (a full disk) is no error of its own: only the count tells.
        writeFailed = csv.write(buffer) != buffer.size();
        buffer.clear();
        return !writeFailed;
    };
    qint64 gameId = -1; // the store gives no game this id
    qint64 previousMs = 0;
    QByteArray game;
    const bool read = source([&](const Game& g, const engine::ClickRecord& click) {
        if (g.id != gameId) {
            gameId = g.id;
            ++result.games;
            previousMs = 0; // the start click
            game = gameFields(g);
        }
        buffer += game;
        appendClick(buffer, click, click.tMs - previousMs);
        previousMs = click.tMs;
        if (buffer.size() >= ChunkBytes && !flush())
            return false;
        result.cancelled =
            ++result.clicks % ProgressRows == 0 && progress && !progress(result.clicks, total);
        return !result.cancelled;
    });
    if (read && flush() && progress)
        result.cancelled = !progress(result.clicks, total);
    if (!read || writeFailed || result.cancelled || !csv.commit()) {
        csv.cancelWriting();
        if (result.cancelled)
            return result;
        result.error =
            failure(csvFailed, path,
                    read || writeFailed ? saveFailureReason(path, csv, true, !writeFailed)
                                        : QStringLiteral("クリックの記録を読めませんでした"));
        return result;
    }

    const QString jsonPath = sidecarPath(path);
    const QByteArray json = clickSidecar();
    QSaveFile sidecar(jsonPath);
    const bool opened = sidecar.open(QIODevice::WriteOnly);
    const bool whole = opened && sidecar.write(json) == json.size();
    if (!whole || !sidecar.commit())
        result.error = failure(
            QStringLiteral("CSV は保存しましたが、列の説明を保存できませんでした（%1）。%2。"),
            jsonPath, saveFailureReason(jsonPath, sidecar, opened, whole));
    return result;
}

} // namespace history
