// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/csv.h"

#include "results/gametext.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace history {

namespace {

// One field as RFC 4180 wants it: quoted when it holds a comma, a quote or a
// line break, with every quote doubled. A field that a spreadsheet would take
// for a formula (one beginning with =, +, -, @, a tab or a carriage return)
// begins with an apostrophe instead, so that a name is only ever shown.
QString field(const QString& text) {
    static const QString formula = QStringLiteral("=+-@\t\r");
    static const QString special = QStringLiteral(",\"\r\n");
    QString out = text;
    if (!out.isEmpty() && formula.contains(out.front()))
        out.prepend(u'\'');
    if (std::none_of(out.begin(), out.end(), [](QChar c) { return special.contains(c); }))
        return out;
    out.replace(u'"', QStringLiteral("\"\""));
    return u'"' + out + u'"';
}

} // namespace

QByteArray toCsv(const QList<Game>& games) {
    const QString crlf = QStringLiteral("\r\n");
    QString text =
        QStringLiteral("日時,名前,範囲,個数,的中範囲,時間,秒,正解,クリック,正解率") + crlf;
    for (const Game& g : games) {
        const QString fields[] = {results::finishedText(g.finished),
                                  g.name,
                                  results::rangeText(g.firstNumber, g.count),
                                  QString::number(g.count),
                                  results::radiusWord(g.radius),
                                  results::gameTimeText(g.elapsedMs),
                                  QString::number(g.elapsedMs / 1000.0, 'f', 3),
                                  QString::number(g.hits),
                                  QString::number(g.clicks),
                                  QString::number(results::correctRate(g.hits, g.clicks))};
        QStringList line;
        for (const QString& f : fields)
            line.append(field(f));
        text += line.join(u',') + crlf;
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
