// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/unsaved.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace history {

namespace {

const QString Header =
    QStringLiteral("finished,name,first_number,count,radius,elapsed_ms,hits,clicks,line\r\n");

QString quoted(QString text) {
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

// Splits RFC 4180 text into records; nullopt when a quote is left open or the
// last record does not end in CR LF (a write cut short).
std::optional<QList<QStringList>> records(const QString& text) {
    QList<QStringList> out;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (text.mid(i + 1, 1) == u"\"")
                field += text[++i];
            else
                quoted = false;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record.append(std::exchange(field, {}));
        } else if (text.mid(i, 2) == u"\r\n") {
            record.append(std::exchange(field, {}));
            out.append(std::exchange(record, {}));
            ++i;
        } else {
            field += c;
        }
    }
    if (quoted || !field.isEmpty() || !record.isEmpty())
        return std::nullopt;
    return out;
}

} // namespace

QString isoWithOffset(const QDateTime& t) {
    const int offset = t.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return t.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) +
           (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString unsavedPath(const QString& databasePath) {
    return QFileInfo(databasePath).absolutePath() + QStringLiteral("/history-unsaved.csv");
}

bool appendUnsaved(const QString& databasePath, const QList<Game>& games) {
    QLockFile lock(databasePath + QStringLiteral(".lock"));
    if (!lock.tryLock(5000))
        return false;
    QFile file(unsavedPath(databasePath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    QString text = file.size() == 0 ? Header : QString();
    for (const Game& g : games)
        text += QStringList{quoted(isoWithOffset(g.finished)),
                            quoted(g.name),
                            QString::number(g.firstNumber),
                            QString::number(g.count),
                            QString::number(g.radius),
                            QString::number(g.elapsedMs),
                            QString::number(g.hits),
                            QString::number(g.clicks),
                            quoted(g.line)}
                    .join(u',') +
                QStringLiteral("\r\n");
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size() && file.flush();
}

std::optional<QList<Game>> readUnsaved(const QString& databasePath) {
    QFile file(unsavedPath(databasePath));
    if (!file.exists())
        return QList<Game>();
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<QList<QStringList>> rows = records(QString::fromUtf8(file.readAll()));
    if (!rows)
        return std::nullopt;
    if (rows->isEmpty()) // made, but nothing written into it
        return QList<Game>();
    if (rows->first().join(u',') + QStringLiteral("\r\n") != Header)
        return std::nullopt;
    QList<Game> games;
    for (const QStringList& r : rows->mid(1)) {
        if (r.size() != 9)
            return std::nullopt;
        Game g;
        g.finished = QDateTime::fromString(r[0], Qt::ISODate);
        g.name = r[1];
        g.firstNumber = r[2].toInt();
        g.count = r[3].toInt();
        g.radius = r[4].toInt();
        g.elapsedMs = r[5].toLongLong();
        g.hits = r[6].toInt();
        g.clicks = r[7].toInt();
        g.line = r[8];
        games.append(g);
    }
    return games;
}

} // namespace history
