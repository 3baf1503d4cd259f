// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/csv.h"

#include "engine/rules.h"
#include "results/gametext.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace history {

namespace {

// One field as RFC 4180 wants it: quoted when it holds a comma, a quote or a
// line break, with every quote doubled.
QString field(const QString& text) {
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return special.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString radiusText(int radius) {
    switch (radius) {
    case engine::NarrowRadius:
        return QStringLiteral("狭");
    case engine::MiddleRadius:
        return QStringLiteral("中");
    case engine::WideRadius:
        return QStringLiteral("広");
    default:
        return QString::number(radius);
    }
}

} // namespace

QByteArray toCsv(const QList<Game>& games) {
    const QString crlf = QStringLiteral("\r\n");
    QString text =
        QStringLiteral("日時,名前,範囲,個数,的中範囲,時間,秒,正解,クリック,正解率") + crlf;
    for (const Game& g : games) {
        const QStringList fields{
            g.finished.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            field(g.name),
            QStringLiteral("%1–%2").arg(g.firstNumber).arg(g.firstNumber + g.count - 1),
            QString::number(g.count),
            radiusText(g.radius),
            results::summaryTimeText(results::elapsedSeconds(0, g.elapsedMs)),
            QString::number(g.elapsedMs / 1000.0, 'f', 3),
            QString::number(g.hits),
            QString::number(g.clicks),
            QString::number(results::correctRate(g.hits, g.clicks))};
        text += fields.join(u',') + crlf;
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

bool writeCsv(const QString& path, const QList<Game>& games, QString* error) {
    const QByteArray bytes = toCsv(games);
    QSaveFile file(path);
    const bool opened = file.open(QIODevice::WriteOnly);
    // A short write (a full disk) is no error of its own: only the count tells.
    const bool whole = opened && file.write(bytes) == bytes.size();
    if (whole && file.commit())
        return true;
    if (!error)
        return false;
    *error = QStringLiteral("CSV を保存できませんでした（%1）。%2。")
                 .arg(QDir::toNativeSeparators(path), saveFailureReason(path, file, opened, whole));
    return false;
}

QString csvField(const QString& text) {
    return field(text);
}

QString saveFailureReason(const QString& path, const QSaveFile& file, bool opened, bool whole) {
    if (!QFileInfo(path).absoluteDir().exists())
        return QStringLiteral("フォルダがありません");
    if (!opened)
        return QStringLiteral("ファイルを作れません。書き込みの権限と名前を確かめてください");
    if (!whole || file.error() == QFileDevice::WriteError)
        return QStringLiteral("書き込めません。ディスクの空きを確かめてください");
    return QStringLiteral("ファイルを置き換えられません");
}

} // namespace history
