// SPDX-License-Identifier: GPL-3.0-or-later

// The kept games without any window: the file as another program reads it,
// the queries of the history window, every fault of the file, a busy file
// shared with another copy, and the CSV export read back by a reader of the
// test's own.

#include "history/csv.h"
#include "history/recorder.h"
#include "history/store.h"
#include "support/files.h"

#include <QLockFile>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;
using engine::ClickOutcome;
using engine::ClickRecord;
using history::Game;
using history::Store;
using testing::readAll;
using testing::readCsv;
using testing::writeAll;

namespace {

Game game(const QString& name, int count, qint64 elapsedMs, int clicks, const QString& line = {}) {
    const QDateTime finished(QDate(2026, 12, 7), QTime(18, 3, 12), QTimeZone(9 * 3600));
    return {0, finished, name, 20, count, 500, elapsedMs, count, clicks, line, {}};
}

// A game of `clicks` clicks, each outcome in turn, every board kept; the
// board of the second click needs 4-byte coordinates.
Game withClicks(const QString& name, int count, int clicks) {
    Game g = game(name, count, 1000, clicks);
    for (int s = 1; s <= clicks; ++s) {
        const bool touches = s % 4 == 1 || s % 4 == 2; // early or again
        g.clickLog.append({s,
                           100 * s,
                           10 * s,
                           20 * s,
                           20 + s,
                           30 * s,
                           40 * s,
                           s,
                           ClickOutcome(s % 4),
                           touches ? 20 + s : -1,
                           9000,
                           7000,
                           {}});
        for (int i = 0; i < count; ++i)
            g.clickLog.last().positions.append(QPoint(100 * i + s, (s == 2) * 70000 + i));
    }
    return g;
}

QString text(const ClickRecord& k) {
    QString t = engine::outcomeName(k.outcome);
    for (qint64 v : {qint64(k.seq), qint64(k.tMs), qint64(k.x), qint64(k.y), qint64(k.due),
                     qint64(k.dueX), qint64(k.dueY), qint64(k.distance), qint64(k.touched),
                     qint64(k.boardWidth), qint64(k.boardHeight)})
        t += u' ' + QString::number(v);
    for (QPoint p : k.positions)
        t += u" %1,%2"_s.arg(p.x()).arg(p.y());
    return t;
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
        QCOMPARE(raw.row(u"PRAGMA user_version"_s), QVariantList{2});
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
        raw.row(u"PRAGMA wal_checkpoint(TRUNCATE)"_s);
        // Its count index damaged too: a newer file is never judged by this version's checks.
        writeAll(path, readAll(path).replace(3 * 4096, 4096, QByteArray(4096, 'Z')));
        raw.row(u"PRAGMA user_version = 99"_s); // in the journal until a writer checkpoints it
        const QByteArray before = readAll(path);
        {
            Store s(path);
            QCOMPARE(s.state(), Store::State::ReadOnly);
            QVERIFY(s.notice().contains(u"書き込みません"_s));
            QCOMPARE(s.games({}).size(), 3);
            QVERIFY(!s.record(game(u"x"_s, 10, 1, 10)));
            QVERIFY(!s.remove({1}));
            raw.db.close(); // `s` closes last
        }
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
        QLockFile judging(path + u".lock"_s); // another copy judges the file: left alone
        QVERIFY(judging.lock());
        Store s(path);
        QVERIFY(!s.record(game(u"x"_s, 10, 1, 10)));
        QCOMPARE(readAll(path), bytes);
        judging.unlock();
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
        writeAll(here.filePath(u"second.sqlite"_s), bytes); // the recorder's store says it too
        history::Recorder r(here.filePath(u"second.sqlite"_s));
        r.record(game(u"x"_s, 10, 1, 10));
        r.flush();
        QVERIFY(r.notice().contains(u"新しく始めました"_s));
    }

    // A delete finds an index that the quick check does not read
    // (SQLITE_CORRUPT_INDEX, 779) while another copy has the file open: the
    // file is set aside at once with its -wal and -shm, or, when their names
    // would be too long for the file system, nothing moves and the player is told.
    void aFileDamagedInUseIsSetAsideWholeOrNotAtAll_data() {
        QTest::addColumn<int>("nameLength");
        QTest::newRow("moved with its journals") << 12;
        QTest::newRow("journal names too long") << 230;
    }
    void aFileDamagedInUseIsSetAsideWholeOrNotAtAll() {
        QFETCH(int, nameLength);
        QTemporaryDir here;
        const QString path = here.filePath(QString(nameLength, u'h'));
        Store writer(path); // follows to the new file
        QVERIFY(writer.record(game(u"x"_s, 10, 1, 13)));
        Raw other(path);
        other.row(u"PRAGMA writable_schema = ON"_s);
        other.row(u"UPDATE sqlite_master SET sql = 'CREATE INDEX games_by_count ON games "
                  u"(clicks)' WHERE name = 'games_by_count'"_s);
        Store s(path);
        QVERIFY(!s.remove({1}));
        const QStringList aside = QDir(here.path()).entryList({u"*.broken-*"_s});
        if (nameLength > 200) {
            QVERIFY(s.notice().contains(u"何も動かしていません"_s) && aside.isEmpty());
            QCOMPARE(other.row(u"SELECT name FROM games"_s), QVariantList{u"x"_s});
            return;
        }
        QCOMPARE(aside.size(), 3);
        QVERIFY(aside[1].endsWith(u"-shm"_s) && aside[2].endsWith(u"-wal"_s));
        QVERIFY(s.notice().contains(aside[0]) && s.notice().contains(u"新しく始めました"_s));
        QVERIFY(s.games({}).isEmpty() && s.record(game(u"y"_s, 10, 1, 10)));
        QVERIFY(writer.record(game(u"z"_s, 10, 1, 10)));
        QCOMPARE(names(s.games({})), (QStringList{u"y/10"_s, u"z/10"_s}));
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
                QCOMPARE(r.heldBack(), i == 1 ? 0 : 1);
                QCOMPARE(r.notice().contains(u"ほかの junban"_s), i != 1); // cleared once written
            }
            QTRY_COMPARE(recorded.count(), 3);
        }
        QCOMPARE(other.row(count), QVariantList{4});
        // A store that found the file locked reads it once it is free.
        other.row(u"PRAGMA journal_mode=DELETE"_s);
        other.row(u"BEGIN EXCLUSIVE"_s);
        Store late(path);
        QVERIFY(late.games({}).isEmpty());
        other.row(u"COMMIT"_s);
        QCOMPARE(late.names().size(), 4);
        QCOMPARE(late.lastCount(), 10);
        QCOMPARE(late.games({}).size(), 4);
    }

    void aGameThatCannotBeWrittenIsSaidThenKeptUntilItCanBe_data() {
        QTest::addColumn<int>("fault");
        QTest::newRow("the file read-only") << 0;
        QTest::newRow("the disk full") << 1;
        QTest::newRow("a folder where the file should be") << 2;
        QTest::newRow("the file busy at exit") << 3;
    }
    void aGameThatCannotBeWrittenIsSaidThenKeptUntilItCanBe() {
        QFETCH(int, fault);
        QTemporaryDir here;
        const QString path = here.filePath(u"history.sqlite"_s);
        const QString unsaved = here.filePath(u"history-unsaved.csv"_s);
        QVERIFY(fault == 2 ? QDir().mkpath(path) : Store(path).record(game(u"e"_s, 10, 1, 10)));
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto writeVersion = [&](char v) { // 3: SQLite opens it read-only
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(18) && f.putChar(v));
        };
        std::optional<Raw> other;
        if (fault == 0)
            writeVersion(3);
        const rlimit small{1000, old.rlim_max};
        if (fault == 1)
            setrlimit(RLIMIT_FSIZE, &small);
        if (fault == 3)
            other.emplace(path).row(u"BEGIN IMMEDIATE"_s);
        for (int run = 0; run < 2; ++run) { // each run appends to the recovery file
            history::Recorder r(path);
            r.record(game(u"\"a\",\r\n"_s + QString::number(run), 10, 1, 10));
            r.flush();
            QCOMPARE(r.heldBack(), 1);
            QVERIFY(r.notice().contains(u"保存を待っています"_s));
        }
        setrlimit(RLIMIT_FSIZE, &old);
        if (fault == 0)
            writeVersion(2);
        if (fault == 2)
            QDir(path).removeRecursively();
        other.reset();
        QVERIFY(QFileInfo::exists(unsaved));
        Store s(path);
        QCOMPARE(names(s.games({})).mid(fault == 2 ? 0 : 1),
                 (QStringList{u"\"a\",\r\n0/10"_s, u"\"a\",\r\n1/10"_s}));
        QVERIFY(!QFileInfo::exists(unsaved));
    }

    // Each click goes with its game in the game's transaction, and comes back
    // whole, streamed, counted and deleted with it; a board that does not fit
    // and clicks that cannot be written never cost the game.
    void everyClickIsKeptWithItsGameAndReadBackAsPlayed() {
        const QString path = dir.filePath(u"clicks.sqlite"_s);
        Store s(path);
        const Game a = withClicks(u"a"_s, 10, 5);
        QVERIFY(s.record(a) && s.record(withClicks(u"b"_s, 20, 3)));
        QVERIFY(s.record(game(u"old"_s, 10, 1, 10)));
        const std::optional<history::GameDetail> one = s.detail(1);
        QCOMPARE(one->kept, history::GameDetail::Clicks::Whole);
        QCOMPARE(one->game.clickLog.size(), 5);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(text(one->game.clickLog[i]), text(a.clickLog[i]));
        QCOMPARE(s.detail(3)->kept, history::GameDetail::Clicks::None);
        QVERIFY(!s.detail(99));
        Raw raw(path);
        QCOMPARE(raw.row(u"SELECT count(*), sum(touched IS NULL), sum(outcome = 'hit') FROM clicks "
                         u"WHERE game_id = 1"_s),
                 (QVariantList{5, 2, 1}));
        QCOMPARE(raw.row(u"SELECT length(positions), hex(substr(positions, 1, 5)) FROM boards "
                         u"WHERE game_id = 1 ORDER BY seq"_s),
                 (QVariantList{41, u"0201000000"_s}));
        QString seen; // no positions, but the board's size
        QVERIFY(s.forEachClick({}, [&](const Game& g, const ClickRecord& k) {
            seen += g.name + QString::number(k.seq);
            return k.boardHeight == 7000 && k.positions.isEmpty();
        }));
        QCOMPARE(seen, u"b1b2b3a1a2a3a4a5"_s);
        QCOMPARE(s.clickCount({u"a"_s, 10}) + 10 * s.clickCount({{}, 20}), 35);
        int calls = 0;
        QVERIFY(!s.forEachClick({u"b"_s, {}},
                                [&](const Game&, const ClickRecord&) { return ++calls < 2; }));
        QCOMPARE(calls, 2);
        raw.row(u"UPDATE boards SET positions = x'0201' WHERE game_id = 2 AND seq = 3"_s);
        const std::optional<history::GameDetail> damaged = s.detail(2);
        QCOMPARE(damaged->kept, history::GameDetail::Clicks::NoBoards);
        QCOMPARE(damaged->game.clickLog.size(), 3);
        QVERIFY(damaged->game.clickLog[0].positions.isEmpty());
        raw.row(u"CREATE TRIGGER no_clicks BEFORE INSERT ON clicks WHEN NEW.seq = 2 "
                u"BEGIN SELECT RAISE(ABORT, 'no'); END"_s);
        QVERIFY(s.record(withClicks(u"c"_s, 10, 2)));
        QCOMPARE(s.detail(4)->kept, history::GameDetail::Clicks::None);
        QCOMPARE(raw.row(u"SELECT count(*) FROM boards WHERE game_id = 4"_s), QVariantList{0});
        QVERIFY(s.remove({1}));
        QCOMPARE(raw.row(u"SELECT count(*) FROM boards WHERE game_id = 1"_s), QVariantList{0});
        QCOMPARE(s.clickCount({}), 3);
    }

    // A version-1 file keeps every game through its migration, even when the
    // program is killed in the middle of it (here as its write passes a file
    // size limit, while another copy holds the file open).
    void aVersionOneFileIsMigratedWholeOrNotAtAll() {
        QTemporaryDir here;
        const QString path = here.filePath(u"history.sqlite"_s);
        {
            Raw raw(path);
            raw.row(u"CREATE TABLE games (id INTEGER PRIMARY KEY, finished TEXT, name TEXT, "
                    u"first_number INTEGER, count INTEGER, radius INTEGER, elapsed_ms INTEGER, "
                    u"hits INTEGER, clicks INTEGER, line TEXT)"_s);
            raw.row(u"INSERT INTO games (name, count) VALUES ('a', 10), ('b', 20)"_s);
            raw.row(u"PRAGMA user_version = 1"_s);
            raw.row(u"PRAGMA journal_mode = WAL"_s);
        }
        int opened[2];
        QVERIFY(pipe(opened) == 0);
        const pid_t holder = fork();
        if (holder == 0) {
            (new Raw(path))->row(u"PRAGMA user_version"_s);
            [[maybe_unused]] const auto w = write(opened[1], "!", 1);
            pause();
        }
        char c = 0;
        QVERIFY(read(opened[0], &c, 1) == 1);
        const pid_t migrating = fork();
        if (migrating == 0) {
            std::signal(SIGXFSZ, [](int) { std::raise(SIGKILL); });
            const rlimit small{16000, 16000}; // less than the migration writes
            setrlimit(RLIMIT_FSIZE, &small);
            Store s(path);
            _exit(0);
        }
        int status = 0;
        waitpid(migrating, &status, 0);
        QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        QVERIFY(QFileInfo(path + u"-wal"_s).size() > 32); // killed while writing it
        {
            Raw raw(path);
            QCOMPARE(
                raw.row(
                    u"SELECT (SELECT count(*) FROM games), (SELECT count(*) FROM "
                    u"sqlite_master WHERE name = 'clicks'), (SELECT user_version FROM pragma_user_version)"_s),
                (QVariantList{2, 0, 1}));
        }
        kill(holder, SIGKILL);
        waitpid(holder, nullptr, 0);
        Store s(path);
        QCOMPARE(names(s.games({})), (QStringList{u"a/10"_s, u"b/20"_s}));
        QCOMPARE(s.detail(2)->kept, history::GameDetail::Clicks::None);
        QVERIFY(s.record(withClicks(u"c"_s, 10, 2)));
        QCOMPARE(s.clickCount({}), 2);
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
