// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Files as the history tests read and write them by hand.

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>

#include <utility>

namespace testing {

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// RFC 4180 read by hand; outside quotes CR LF, or a lone CR or LF as a
// spreadsheet reads it, ends a record.
inline QList<QStringList> readCsv(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && text.mid(i, 2) == QStringLiteral("\"\""))
            field += text[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (quoted || (c != u',' && c != u'\r' && c != u'\n'))
            field += c;
        else
            record.append(std::exchange(field, {}));
        if (!quoted && (c == u'\r' || c == u'\n')) {
            i += text.mid(i, 2) == QStringLiteral("\r\n");
            records.append(std::exchange(record, {}));
        }
    }
    return records;
}

} // namespace testing
