// SPDX-License-Identifier: GPL-3.0-or-later

// The click-by-click export without a store: fixed rows written, read back by
// a reader of the test's own with their sidecar, and every way it can stop.

#include "history/clickcsv.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;
using engine::ClickOutcome;
using history::Game;

namespace {

Game game(qint64 id, const QString& name) {
    const QDateTime finished(QDate(2026, 12, 7), QTime(18, 3, 12), QTimeZone(9 * 3600));
    return {id, finished, name, 20, 30, 500, 0, 0, 0, {}, {}};
}

engine::ClickRecord click(int seq, qint64 tMs, ClickOutcome outcome, int touched = -1) {
    return {seq, tMs, 100 + seq, 200, 20 + seq, 110, 230, 32, outcome, touched, 9600, 7200, {}};
}

using Rows = QList<std::pair<Game, engine::ClickRecord>>;

history::ClickSource from(const Rows& rows) {
    return [rows](const history::ClickSink& each) {
        return std::all_of(rows.begin(), rows.end(),
                           [&](const auto& r) { return each(r.first, r.second); });
    };
}

Rows many(int n) {
    Rows rows;
    for (int i = 1; i <= n; ++i)
        rows.append({game(1, u"b"_s), click(i, i * 10, ClickOutcome::Hit)});
    return rows;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// RFC 4180 read by hand: only CR LF outside quotes ends a record.
QList<QStringList> readCsv(const QString& text) {
    QList<QStringList> records(1);
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool end = !quoted && text.mid(i, 2) == u"\r\n"_s;
        if (quoted && text.mid(i, 2) == u"\"\""_s)
            field += text[++i];
        else if (text[i] == u'"')
            quoted = !quoted;
        else if (end || (!quoted && text[i] == u','))
            records.last().append(std::exchange(field, {}));
        else
            field += text[i];
        if (end && ++i)
            records.append(QStringList());
    }
    return records;
}

} // namespace

class ClickExportTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() {
        for (const QString& f : files())
            QFile::remove(dir.filePath(f));
    }

    void everyClickIsOneRowAndTheSidecarDescribesEveryColumn() {
        const QString odd = u"a,\"b\"\r\nc"_s;
        const Rows rows{{game(9, odd), click(1, 1500, ClickOutcome::Hit)},
                        {game(9, odd), click(2, 2100, ClickOutcome::Early, 25)},
                        {game(7, u"花子"_s), click(1, 900, ClickOutcome::Again, 0)},
                        {game(7, u"花子"_s), click(2, 1000, ClickOutcome::Empty)}};
        QList<std::pair<qint64, qint64>> reports;
        const history::ClickExport r = history::writeClickCsv(dir.filePath(u"c.csv"_s), from(rows),
                                                              4, [&](qint64 d, qint64 t) {
                                                                  reports.append({d, t});
                                                                  return true;
                                                              });
        QVERIFY2(r.saved(), qPrintable(r.error));
        QCOMPARE(r.clicks, 4);
        QCOMPARE(r.games, 2);
        QCOMPARE(reports, (QList<std::pair<qint64, qint64>>{{4, 4}}));
        const QByteArray bytes = readAll(dir.filePath(u"c.csv"_s));
        QVERIFY(bytes.startsWith("\xEF\xBB\xBFgame_id,") && bytes.endsWith("7200\r\n"));
        const QList<QStringList> csv = readCsv(QString::fromUtf8(bytes.mid(3)));
        QCOMPARE(csv.size(), 6); // the header, four rows, nothing after the last CR LF
        const QStringList header = csv[0];
        QCOMPARE(header.join(u','), u"game_id,finished,name,first_number,count,radius,seq,t_ms,"
                                    u"dt_ms,x,y,due,due_x,due_y,distance,outcome,touched,"
                                    u"board_width,board_height"_s);
        const QStringList game9{u"9"_s,  u"2026-12-07T18:03:12+09:00"_s, odd, u"20"_s, u"30"_s,
                                u"500"_s};
        const QStringList game7{u"7"_s, game9[1], u"花子"_s, u"20"_s, u"30"_s, u"500"_s};
        QCOMPARE(csv[1], game9 + u"1,1500,1500,101,200,21,110,230,32,hit,,9600,7200"_s.split(u','));
        QCOMPARE(csv[2],
                 game9 + u"2,2100,600,102,200,22,110,230,32,early,25,9600,7200"_s.split(u','));
        QCOMPARE(csv[3],
                 game7 + u"1,900,900,101,200,21,110,230,32,again,0,9600,7200"_s.split(u','));
        QCOMPARE(csv[4],
                 game7 + u"2,1000,100,102,200,22,110,230,32,empty,,9600,7200"_s.split(u','));
        QCOMPARE(csv[5], QStringList{});

        QJsonParseError error;
        const QJsonObject sidecar =
            QJsonDocument::fromJson(readAll(dir.filePath(u"c.json"_s)), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(sidecar.keys().size(), header.size());
        for (const QString& column : header) {
            const QJsonObject c = sidecar.value(column).toObject();
            QVERIFY2(!c.value(u"LongName"_s).toString().isEmpty() &&
                         !c.value(u"Description"_s).toString().isEmpty(),
                     qPrintable(column));
        }
        QCOMPARE(sidecar[u"dt_ms"_s][u"Units"_s].toString(), u"ms"_s);
        QCOMPARE(sidecar[u"distance"_s][u"Units"_s].toString(), u"twips"_s);
        QVERIFY(!sidecar[u"seq"_s].toObject().contains(u"Units"_s));
        const QJsonObject levels = sidecar[u"outcome"_s][u"Levels"_s].toObject();
        QCOMPARE(levels.keys(), (QStringList{u"again"_s, u"early"_s, u"empty"_s, u"hit"_s}));
        QVERIFY(levels[u"early"_s].toString().contains(u"still to come"_s));
    }

    // Cancelled at the first report or at the last, before the commit.
    void aCancelledExportLeavesNoFileAndAnEarlierOneWhole() {
        const QString path = dir.filePath(u"c.csv"_s);
        for (const qint64 at : {500, 1200}) {
            const auto stopAt = [at](qint64 done, qint64 total) {
                return done != at && total == 1200;
            };
            history::ClickExport r = history::writeClickCsv(path, from(many(1200)), 1200, stopAt);
            QVERIFY(r.cancelled && !r.saved() && r.clicks == at);
            QCOMPARE(files(), QStringList{});
            QVERIFY(history::writeClickCsv(path, from(many(1)), 1).saved());
            const QByteArray earlier = readAll(path), sidecar = readAll(dir.filePath(u"c.json"_s));
            r = history::writeClickCsv(path, from(many(1200)), 1200, stopAt);
            QVERIFY(r.cancelled && r.error.isEmpty());
            QCOMPARE(readAll(path), earlier);
            QCOMPARE(readAll(dir.filePath(u"c.json"_s)), sidecar);
            QCOMPARE(files(), (QStringList{u"c.csv"_s, u"c.json"_s}));
            cleanup();
        }
    }

    void aFailedExportSaysWhyAndLeavesNoPartialFile() {
        const QString lost = dir.filePath(u"no/such/c.csv"_s);
        QVERIFY(history::writeClickCsv(lost, from(many(3)), 3)
                    .error.contains(u"フォルダがありません"_s));

        const auto unreadable = [](const history::ClickSink& each) {
            each(game(1, u"b"_s), click(1, 5, ClickOutcome::Hit));
            return false; // as a store that cannot read on
        };
        QCOMPARE(history::writeClickCsv(dir.filePath(u"c.csv"_s), unreadable, 1).error,
                 u"CSV を保存できませんでした（%1）。クリックの記録を読めませんでした。"_s.arg(
                     QDir::toNativeSeparators(dir.filePath(u"c.csv"_s))));
        QCOMPARE(files(), QStringList{});

        // A file size limit makes the write fail part way, as a full disk does.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit small{4096, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        const history::ClickExport full =
            history::writeClickCsv(dir.filePath(u"c.csv"_s), from(many(3000)), 3000);
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(full.error.contains(u"ディスクの空き"_s));
        QCOMPARE(files(), QStringList{});

        // The CSV is kept whole when only its sidecar cannot be written.
        QVERIFY(QDir(dir.path()).mkdir(u"d.json"_s));
        const history::ClickExport half =
            history::writeClickCsv(dir.filePath(u"d.csv"_s), from(many(2)), 2);
        QVERIFY(half.error.startsWith(u"CSV は保存しましたが、列の説明を保存できませんでした"_s));
        QCOMPARE(readCsv(QString::fromUtf8(readAll(dir.filePath(u"d.csv"_s)))).size(), 4);
        QDir(dir.filePath(u"d.json"_s)).removeRecursively();
    }
};

QTEST_GUILESS_MAIN(ClickExportTest)
#include "tst_clickexport.moc"
