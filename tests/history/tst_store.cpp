// SPDX-License-Identifier: GPL-3.0-or-later

// The kept games without any window: the file as another program reads it,
// the queries of the history window, every fault of the file, a busy file
// shared with another copy, and the CSV export read back by a reader of the
// test's own.

#include "history/csv.h"
#include "history/recorder.h"
#include "history/store.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;
using history::Game;
using history::Store;

namespace {

Game game(const QString& name, int count, qint64 elapsedMs, int clicks, const QString& line = {}) {
    const QDateTime finished(QDate(2026, 12, 7), QTime(18, 3, 12), QTimeZone(9 * 3600));
    return {0, finished, name, 20, count, 500, elapsedMs, count, clicks, line, {}};
}

// A second connection to the file, as another program (or another copy of
// this one) has it.
struct Raw {
    QSqlDatabase db;
    explicit Raw(const QString& path) : db(QSqlDatabase::addDatabase(u"QSQLITE"_s, u"raw"_s)) {
        db.setDatabaseName(path);
        db.open();
    }
    ~Raw() {
        db = {};
        QSqlDatabase::removeDatabase(u"raw"_s);
    }
    QVariantList row(const QString& sql) {
        QSqlQuery q(db);
        QVariantList out;
        if (q.exec(sql) && q.next())
            for (int i = 0; i < q.record().count(); ++i)
                out.append(q.value(i));
        return out;
    }
};

QStringList names(const QList<Game>& games) {
    QStringList out;
    for (const Game& g : games)
        out.append(g.name + u'/' + QString::number(g.count));
    return out;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// RFC 4180 read by hand; outside quotes CR LF, or a lone CR or LF as a
// spreadsheet reads it, ends a record.
QList<QStringList> readCsv(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && text.mid(i, 2) == u"\"\""_s)
            field += text[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (quoted || (c != u',' && c != u'\r' && c != u'\n'))
            field += c;
        else
            record.append(std::exchange(field, {}));
        if (!quoted && (c == u'\r' || c == u'\n')) {
            i += text.mid(i, 2) == u"\r\n"_s;
            records.append(std::exchange(record, {}));
        }
    }
    return records;
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Store::setBusyTimeout(100);
    }

    // One file through its life: written, read by another program, queried,
    // pruned, and at last marked by a newer version, which makes it read-only.
    void theFileHoldsOneRowPerGameAndAnswersEveryFilter() {
        const QString path = dir.filePath(u"a/b/history.sqlite"_s); // folders made as needed
        const QVariantList first{
            1,  u"2026-01-02T03:04:05-03:30"_s, u"花子"_s, 20, 20, 500, 65432, 20,
            23, u"1,(花子),‥,20 個"_s};
        {
            Store s(path);
            Game g = game(u"花子"_s, 20, 65432, 23, u"1,(花子),‥,20 個"_s);
            g.finished = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), QTimeZone(-12600));
            QVERIFY(s.record(g));
            QVERIFY(s.record(game(u"太郎"_s, 50, 1000, 50)));
            QVERIFY(s.record(game(u"花子"_s, 50, 2000, 60)));
            QVERIFY(s.record(game(u"花子"_s, 20, 3000, 20)));
            QVERIFY(s.record(game(u""_s, 10, 4000, 10)));
        }
        Raw raw(path);
        QCOMPARE(raw.row(u"PRAGMA user_version"_s), QVariantList{1});
        QCOMPARE(raw.row(u"PRAGMA journal_mode"_s), QVariantList{u"wal"_s});
        QCOMPARE(raw.row(u"SELECT id, finished, name, first_number, count, radius, elapsed_ms, "
                         u"hits, clicks, line FROM games ORDER BY id LIMIT 1"_s),
                 first);
        // The count filter of the history window is answered from an index.
        QVERIFY(raw.row(u"EXPLAIN QUERY PLAN SELECT * FROM games WHERE count = 1"_s)
                    .value(3)
                    .toString()
                    .contains(u"INDEX"_s));
        {
            Store s(path);
            QCOMPARE(s.names(), (QStringList{u""_s, u"太郎"_s, u"花子"_s}));
            QCOMPARE(s.lastCount(), 10);
            QCOMPARE(names(s.games({u"花子"_s, 20})), (QStringList{u"花子/20"_s, u"花子/20"_s}));
            QCOMPARE(names(s.games({{}, 50})), (QStringList{u"太郎/50"_s, u"花子/50"_s}));
            QVERIFY(s.remove({2, 4}));
            QCOMPARE(names(s.games({})), (QStringList{u"花子/20"_s, u"花子/50"_s, u"/10"_s}));
            QVERIFY(!s.remove({2}));
        }
        raw.row(u"PRAGMA user_version = 2"_s);
        const QByteArray before = readAll(path);
        Store s(path);
        QCOMPARE(s.state(), Store::State::ReadOnly);
        QVERIFY(s.notice().contains(u"書き込みません"_s));
        QCOMPARE(s.games({}).size(), 3);
        QVERIFY(!s.record(game(u"x"_s, 10, 1, 10)));
        QVERIFY(!s.remove({1}));
        QCOMPARE(readAll(path), before);
    }

    void anUnreadableFileIsSetAsideNeverOverwritten_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no database") << QByteArray("not a database at all ").repeated(300);
        QTemporaryDir here;
        const QString path = here.filePath(u"h.sqlite"_s);
        Store(path).record(game(u"x"_s, 10, 1, 10));
        // The table's own page overwritten: the schema reads, the rows do not.
        QByteArray damaged = readAll(path);
        damaged.replace(4096, 4096, QByteArray(4096, '\x5a'));
        QTest::newRow("damaged") << damaged;
    }
    void anUnreadableFileIsSetAsideNeverOverwritten() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir here;
        const QString path = here.filePath(u"history.sqlite"_s);
        writeAll(path, bytes);
        // Names the file could be set aside to in the next seconds are taken.
        const QDateTime now = QDateTime::currentDateTime();
        QStringList decoys;
        for (int s = -1; s < 30; ++s) {
            decoys.append(path + now.addSecs(s).toString(u"'.broken-'yyyyMMdd-HHmmss"_s));
            writeAll(decoys.last(), "decoy");
        }
        Store s(path);
        QVERIFY(s.record(game(u"x"_s, 10, 1, 10)));
        QCOMPARE(s.games({}).size(), 1);
        for (const QString& d : decoys)
            QCOMPARE(readAll(d), QByteArray("decoy"));
        const QStringList aside = QDir(here.path()).entryList({u"*.broken-*"_s}, QDir::Files);
        QCOMPARE(aside.size(), decoys.size() + 1);
        for (const QString& a : aside)
            if (!decoys.contains(here.filePath(a))) {
                QCOMPARE(readAll(here.filePath(a)), bytes);
                QVERIFY(s.notice().contains(a) && s.notice().contains(u"新しく始めました"_s));
            }
    }

    // Another copy holds the file past the timeout: the game is kept and
    // goes with the next one, or when the recorder ends.
    void aBusyFileKeepsTheGameForLater() {
        const QString path = dir.filePath(u"busy.sqlite"_s);
        Store(path).record(game(u"earlier"_s, 10, 1, 10));
        Raw other(path);
        const QString count = u"SELECT count(*) FROM games"_s;
        {
            history::Recorder r(path);
            QSignalSpy recorded(&r, &history::Recorder::recorded);
            for (int i = 0; i < 3; ++i) { // the second game finds the file free
                if (i != 1)
                    other.row(u"BEGIN IMMEDIATE"_s);
                r.record(game(QString::number(i), 10, 1, 10));
                r.flush();
                if (i != 1)
                    other.row(u"COMMIT"_s);
                QCOMPARE(other.row(count), QVariantList{i ? 3 : 1});
            }
            QTRY_COMPARE(recorded.count(), 3);
        }
        QCOMPARE(other.row(count), QVariantList{4});
    }

    void theCsvReadsBackFieldForField() {
        Game odd = game(u"a,\"b\"\r\nc\nd"_s, 50, 65432, 53);
        odd.radius = 700;
        Game plain = game(u"花\r子"_s, 10, 5999, 10); // a lone CR needs quotes too
        plain.firstNumber = 0;
        plain.radius = 350;
        const QByteArray csv = history::toCsv({odd, plain});
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(csv.count("\r\n"), 4); // every record ends in CR LF
        const QList<QStringList> rows = readCsv(QString::fromUtf8(csv.mid(3)));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0],
                 u"日時,名前,範囲,個数,的中範囲,時間,秒,正解,クリック,正解率"_s.split(u','));
        QCOMPARE(rows[1],
                 (QStringList{u"2026-12-07 18:03:12"_s, u"a,\"b\"\r\nc\nd"_s, u"20–69"_s, u"50"_s,
                              u"広"_s, u"1分 05秒"_s, u"65.432"_s, u"50"_s, u"53"_s, u"94"_s}));
        QCOMPARE(rows[2],
                 (QStringList{u"2026-12-07 18:03:12"_s, u"花\r子"_s, u"0–9"_s, u"10"_s, u"狭"_s,
                              u"05 秒"_s, u"5.999"_s, u"10"_s, u"10"_s, u"100"_s}));
    }

    void aFailedCsvWriteSaysWhyAndLeavesTheEarlierFileWhole() {
        const QString path = dir.filePath(u"games.csv"_s);
        QString error;
        QVERIFY(history::writeCsv(path, {game(u"a"_s, 10, 1, 10)}, &error));
        const QByteArray earlier = readAll(path);
        // A file size limit makes the write fail part way, as a full disk does.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit small{4096, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        const bool written =
            history::writeCsv(path, QList<Game>(2000, game(u"b"_s, 10, 1, 10)), &error);
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(!written);
        QVERIFY(error.contains(u"ディスクの空き"_s));
        QCOMPARE(readAll(path), earlier);
        QCOMPARE(QDir(dir.path()).entryList({u"games.csv*"_s}, QDir::Files),
                 QStringList{u"games.csv"_s});
    }

    // A spreadsheet shows a name that looks like a formula; it never runs it.
    void aNameIsNeverAFormula_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("aFormulaIsShownAsText") << u"=1+2"_s << QByteArray(",'=1+2,");
        QTest::newRow("aPlusSignIsShownAsText") << u"+1"_s << QByteArray(",'+1,");
        QTest::newRow("aMinusSignIsShownAsText") << u"-1"_s << QByteArray(",'-1,");
        QTest::newRow("anAtSignIsShownAsText") << u"@SUM(A1)"_s << QByteArray(",'@SUM(A1),");
        QTest::newRow("aTabFirstIsShownAsText") << u"\t=1"_s << QByteArray(",'\t=1,");
        QTest::newRow("aCarriageReturnFirstIsShownAndQuoted")
            << u"\r=1"_s << QByteArray(",\"'\r=1\",");
        QTest::newRow("aFormulaWithACommaIsShownAndQuoted")
            << u"=1,2"_s << QByteArray(",\"'=1,2\",");
        QTest::newRow("signsInsideANameAreLeftAlone") << u"a=-+@"_s << QByteArray(",a=-+@,");
    }
    void aNameIsNeverAFormula() {
        QFETCH(QString, name);
        QFETCH(QByteArray, field);
        QVERIFY(history::toCsv({game(name, 10, 1000, 10)}).contains(field));
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "tst_store.moc"
