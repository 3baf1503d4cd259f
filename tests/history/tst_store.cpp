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
using history::Filter;
using history::Game;
using history::Store;

namespace {

Game game(const QString& name, int count, qint64 elapsedMs, int clicks, const QString& line = {}) {
    Game g;
    g.finished = QDateTime(QDate(2026, 12, 7), QTime(18, 3, 12), QTimeZone(9 * 3600));
    g.name = name;
    g.firstNumber = 20;
    g.count = count;
    g.radius = 500;
    g.elapsedMs = elapsedMs;
    g.hits = count;
    g.clicks = clicks;
    g.line = line;
    return g;
}

// A second connection to the file, as another program (or another copy of
// this one) has it.
struct Raw {
    QString name;
    QSqlDatabase db;
    explicit Raw(const QString& path) : name(u"raw-"_s + path) {
        db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(path);
        db.open();
    }
    ~Raw() {
        db.close();
        db = {};
        QSqlDatabase::removeDatabase(name);
    }
    QVariantList row(const QString& sql) {
        QSqlQuery q(db);
        QVariantList out;
        if (q.exec(sql) && q.next())
            for (int i = 0; i < q.record().count(); ++i)
                out.append(q.value(i));
        return out;
    }
    bool exec(const QString& sql) { return QSqlQuery(db).exec(sql); }
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

// RFC 4180 read by hand: records of fields, quoted fields with doubled
// quotes and line breaks inside; outside quotes a lone CR or LF ends a
// record too, as a spreadsheet reads it.
QList<QStringList> readCsv(const QString& text) {
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            record.append(std::exchange(field, {}));
        } else if (c == u'\r' || c == u'\n') { // CR LF, or a lone one as spreadsheets read it
            i += c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
            record.append(std::exchange(field, {}));
            records.append(std::exchange(record, {}));
        } else {
            field += c;
        }
    }
    return records;
}

} // namespace

class StoreTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString file(const QString& name = u"history.sqlite"_s) { return dir.filePath(name); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        Store::setBusyTimeout(100);
    }

    void theFileHoldsOneRowPerGameAndAnswersEveryFilter() {
        const QString path = file(u"a/b/history.sqlite"_s); // folders made as needed
        {
            Store s(path);
            QCOMPARE(s.state(), Store::State::Ready);
            QCOMPARE(s.notice(), QString());
            QCOMPARE(s.lastCount(), std::nullopt);
            Game first = game(u"花子"_s, 20, 65432, 23, u"1,(花子),‥,20 個"_s);
            first.finished =
                QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), QTimeZone(-(3 * 3600 + 1800)));
            QVERIFY(s.record(first));
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
                 (QVariantList{1, u"2026-01-02T03:04:05-03:30"_s, u"花子"_s, 20, 20, 500, 65432, 20,
                               23, u"1,(花子),‥,20 個"_s}));
        QCOMPARE(raw.row(u"SELECT finished FROM games WHERE id = 2"_s),
                 QVariantList{u"2026-12-07T18:03:12+09:00"_s});
        // The filters of the history window are answered from an index.
        for (const QString& where : {u"name = 'x' AND count = 1"_s, u"count = 1"_s})
            QVERIFY(raw.row(u"EXPLAIN QUERY PLAN SELECT * FROM games WHERE "_s + where)
                        .last()
                        .toString()
                        .contains(u"INDEX"_s));

        Store s(path);
        QCOMPARE(s.names(), (QStringList{u""_s, u"太郎"_s, u"花子"_s}));
        QCOMPARE(s.lastCount(), 10);
        QCOMPARE(names(s.games({u"花子"_s, 20})), (QStringList{u"花子/20"_s, u"花子/20"_s}));
        QCOMPARE(names(s.games({u"花子"_s, {}})),
                 (QStringList{u"花子/20"_s, u"花子/50"_s, u"花子/20"_s}));
        QCOMPARE(names(s.games({{}, 50})), (QStringList{u"太郎/50"_s, u"花子/50"_s}));
        const Game g = s.games({}).value(0);
        QCOMPARE((QVariantList{g.id, g.finished.toString(Qt::ISODate), g.name, g.firstNumber,
                               g.count, g.radius, g.elapsedMs, g.hits, g.clicks, g.line}),
                 (QVariantList{1, u"2026-01-02T03:04:05-03:30"_s, u"花子"_s, 20, 20, 500, 65432, 20,
                               23, u"1,(花子),‥,20 個"_s}));

        QVERIFY(s.remove({2, 4}));
        QCOMPARE(names(s.games({})), (QStringList{u"花子/20"_s, u"花子/50"_s, u"/10"_s}));
        QVERIFY(!s.remove({2}));
    }

    void aFolderThatCannotBeMadeLeavesTheStoreUnavailable() {
        writeAll(file(u"plain"_s), "a file where a folder should be");
        const QString path = file(u"plain/junban/history.sqlite"_s);
        history::Recorder r(path);
        r.record(game(u"x"_s, 10, 1, 10));
        r.flush();
        QVERIFY(r.notice().startsWith(u"記録を保存できません"_s));
        QVERIFY(r.notice().contains(QDir::toNativeSeparators(file(u"plain/junban"_s))));
        Store s(path);
        QCOMPARE(s.state(), Store::State::Unavailable);
        QVERIFY(!s.record(game(u"x"_s, 10, 1, 10)));
        QVERIFY(s.games({}).isEmpty());
    }

    void aFileThatIsNoDatabaseIsSetAsideNeverOverwritten() {
        QTemporaryDir here;
        const QString path = here.filePath(u"history.sqlite"_s);
        const QByteArray garbage = QByteArray("not a database at all ").repeated(300);
        writeAll(path, garbage);
        // Names the file could be set aside to in the next seconds are taken.
        const QDateTime now = QDateTime::currentDateTime();
        QStringList decoys;
        for (int s = -1; s < 30; ++s) {
            decoys.append(path + u".broken-"_s + now.addSecs(s).toString(u"yyyyMMdd-HHmmss"_s));
            writeAll(decoys.last(), "decoy");
        }
        Store s(path);
        QCOMPARE(s.state(), Store::State::Ready);
        QVERIFY(s.record(game(u"x"_s, 10, 1, 10)));
        QCOMPARE(s.games({}).size(), 1);
        QVERIFY(s.notice().contains(u"新しく始めました"_s));
        for (const QString& d : decoys)
            QCOMPARE(readAll(d), QByteArray("decoy"));
        const QStringList aside =
            QDir(here.path()).entryList({u"history.sqlite.broken-*"_s}, QDir::Files);
        QCOMPARE(aside.size(), decoys.size() + 1);
        for (const QString& a : aside)
            if (!decoys.contains(here.filePath(a))) {
                QCOMPARE(readAll(here.filePath(a)), garbage);
                QVERIFY(s.notice().contains(a));
            }
    }

    void aDamagedDatabaseIsSetAside() {
        QTemporaryDir here;
        const QString path = here.filePath(u"history.sqlite"_s);
        {
            Store s(path);
            for (int i = 0; i < 300; ++i)
                s.record(game(u"名前"_s.repeated(20), 10, i, 10, u"line"_s.repeated(30)));
        }
        QByteArray bytes = readAll(path);
        QVERIFY(bytes.size() > 8 * 4096);
        bytes.replace(3 * 4096, 4 * 4096, QByteArray(4 * 4096, '\x5a'));
        writeAll(path, bytes);
        Store s(path);
        QCOMPARE(s.state(), Store::State::Ready);
        QVERIFY(s.games({}).isEmpty());
        QCOMPARE(QDir(here.path()).entryList({u"history.sqlite.broken-*"_s}, QDir::Files).size(),
                 1);
    }

    void aFileOfANewerVersionIsReadButNeverWritten() {
        const QString path = file(u"newer.sqlite"_s);
        {
            Raw raw(path);
            QVERIFY(raw.exec(u"CREATE TABLE games (id INTEGER PRIMARY KEY, finished TEXT, name "
                             u"TEXT, first_number INTEGER, count INTEGER, radius INTEGER, "
                             u"elapsed_ms INTEGER, hits INTEGER, clicks INTEGER, line TEXT, "
                             u"more TEXT)"_s));
            QVERIFY(raw.exec(u"INSERT INTO games (name, count) VALUES ('future', 30)"_s));
            QVERIFY(raw.exec(u"PRAGMA user_version = 2"_s));
        }
        const QByteArray before = readAll(path);
        Store s(path);
        QCOMPARE(s.state(), Store::State::ReadOnly);
        QVERIFY(s.notice().contains(u"書き込みません"_s));
        QCOMPARE(names(s.games({})), QStringList{u"future/30"_s});
        QVERIFY(!s.record(game(u"x"_s, 10, 1, 10)));
        QVERIFY(!s.remove({1}));
        QCOMPARE(readAll(path), before);
    }

    // Another copy holds the file past the timeout: the game is kept and
    // goes with the next one, or when the recorder ends.
    void aBusyFileKeepsTheGameForLater() {
        const QString path = file(u"busy.sqlite"_s);
        Store(path).record(game(u"earlier"_s, 10, 1, 10));
        Raw other(path);
        auto count = [&] {
            return other.row(u"SELECT count(*) FROM games"_s).value(0).toInt();
        };
        {
            history::Recorder r(path);
            QSignalSpy recorded(&r, &history::Recorder::recorded);
            QVERIFY(other.exec(u"BEGIN IMMEDIATE"_s));
            r.record(game(u"one"_s, 10, 1, 10));
            r.flush();
            QVERIFY(other.exec(u"COMMIT"_s));
            QCOMPARE(count(), 1);
            r.record(game(u"two"_s, 20, 1, 20));
            r.flush();
            QCOMPARE(count(), 3);
            QVERIFY(other.exec(u"BEGIN IMMEDIATE"_s));
            r.record(game(u"three"_s, 30, 1, 30));
            r.flush();
            QVERIFY(other.exec(u"COMMIT"_s));
            QTRY_COMPARE(recorded.count(), 3);
        }
        QCOMPARE(names(Store(path).games({})),
                 (QStringList{u"earlier/10"_s, u"one/10"_s, u"two/20"_s, u"three/30"_s}));
    }

    void theCsvReadsBackFieldForField() {
        Game odd = game(u"a,\"b\"\r\nc\nd"_s, 50, 65432, 53);
        odd.radius = 700;
        Game plain = game(u"花子"_s, 10, 5999, 10);
        plain.firstNumber = 0;
        plain.radius = 350;
        const QByteArray csv = history::toCsv({odd, plain});
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QVERIFY(csv.endsWith("\r\n"));
        const QList<QStringList> rows = readCsv(QString::fromUtf8(csv.mid(3)));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0],
                 u"日時,名前,範囲,個数,的中範囲,時間,秒,正解,クリック,正解率"_s.split(u','));
        QCOMPARE(rows[1],
                 (QStringList{u"2026-12-07 18:03:12"_s, u"a,\"b\"\r\nc\nd"_s, u"20–69"_s, u"50"_s,
                              u"広"_s, u"1分 05秒"_s, u"65.432"_s, u"50"_s, u"53"_s, u"94"_s}));
        QCOMPARE(rows[2],
                 (QStringList{u"2026-12-07 18:03:12"_s, u"花子"_s, u"0–9"_s, u"10"_s, u"狭"_s,
                              u"05 秒"_s, u"5.999"_s, u"10"_s, u"10"_s, u"100"_s}));
        // Every line break outside a quoted name is CR LF.
        QCOMPARE(csv.count("\r\n"), 4);
        // Each character that needs quoting, alone in a name.
        for (const QString& name : {u"a,b"_s, u"say \"hi\""_s, u"x\ry"_s, u"p\nq"_s}) {
            const QList<QStringList> one =
                readCsv(QString::fromUtf8(history::toCsv({game(name, 10, 1, 10)})));
            QCOMPARE(one.size(), 2);
            QCOMPARE(one[1].value(1), name);
            QCOMPARE(one[1].size(), 10);
        }
    }

    void aFailedCsvWriteSaysWhyAndLeavesTheEarlierFileWhole() {
        const QString path = file(u"games.csv"_s);
        QString error;
        QVERIFY(history::writeCsv(path, {game(u"a"_s, 10, 1, 10)}, &error));
        const QByteArray earlier = readAll(path);
        QVERIFY(earlier.startsWith("\xEF\xBB\xBF"));
        QList<Game> many(2000, game(u"b"_s, 10, 1, 10));
        // A file size limit makes the write fail part way, as a full disk does.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        const bool written = history::writeCsv(path, many, &error);
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(!written);
        QVERIFY(error.contains(u"ディスクの空き"_s));
        QCOMPARE(readAll(path), earlier);
        QCOMPARE(QDir(dir.path()).entryList({u"games.csv*"_s}, QDir::Files),
                 QStringList{u"games.csv"_s});

        QVERIFY(!history::writeCsv(file(u"nowhere/games.csv"_s), many, &error));
        QVERIFY(error.contains(u"フォルダがありません"_s));
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "tst_store.moc"
