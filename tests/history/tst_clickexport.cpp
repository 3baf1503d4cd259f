// SPDX-License-Identifier: GPL-3.0-or-later

// The click-by-click export without a store: fixed rows written, read back by
// a reader of the test's own with their sidecar, and every way it can stop.

#include "history/clickcsv.h"
#include "support/files.h"

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
using testing::readAll;
using testing::readCsv;

namespace {

Game game(qint64 id, const QString& name) {
    const QDateTime finished(QDate(2026, 12, 7), QTime(18, 3, 12), QTimeZone(9 * 3600));
    return {id, finished, name, 20, 30, 500, 0, 0, 0, {}, {}};
}

engine::ClickRecord click(int seq, qint64 tMs, ClickOutcome outcome, int touched = -1) {
    return {seq, tMs, 100 + seq, 200, 20 + seq, 110, 230, 32, outcome, touched, 9600, 7200, {}};
}

// `n` clicks of one game.
history::ClickSource clicks(int n) {
    return [n](const history::ClickSink& each) {
        for (int i = 1; i <= n; ++i)
            if (!each(game(1, u"b"_s), click(i, i * 10, ClickOutcome::Hit)))
                return false;
        return true;
    };
}

} // namespace

class ClickExportTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;

    QString file(const QString& name) const { return dir->filePath(name); }
    QStringList files() const { return QDir(dir->path()).entryList(QDir::Files); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { dir = std::make_unique<QTemporaryDir>(); }

    void everyClickIsOneRowAndTheSidecarDescribesEveryColumn() {
        const QString odd = u"a,\"b\"\r\nc"_s;
        const auto rows = [&](const history::ClickSink& each) {
            return each(game(9, odd), click(1, 1500, ClickOutcome::Hit)) &&
                   each(game(9, odd), click(2, 2100, ClickOutcome::Early, 25)) &&
                   each(game(7, u"花子"_s), click(1, 900, ClickOutcome::Again, 0)) &&
                   each(game(7, u"花子"_s), click(2, 1000, ClickOutcome::Empty));
        };
        const history::ClickExport r = history::writeClickCsv(file(u"c.csv"_s), rows, 4);
        QVERIFY(r.saved() && r.clicks == 4 && r.games == 2);
        const QByteArray bytes = readAll(file(u"c.csv"_s));
        QVERIFY(bytes.startsWith("\xEF\xBB\xBFgame_id,"));
        const QList<QStringList> csv = readCsv(QString::fromUtf8(bytes.mid(3)));
        const QStringList game9{u"9"_s,  u"2026-12-07T18:03:12+09:00"_s, odd, u"20"_s, u"30"_s,
                                u"500"_s};
        const QStringList game7{u"7"_s, game9[1], u"花子"_s, u"20"_s, u"30"_s, u"500"_s};
        QCOMPARE(csv,
                 (QList<QStringList>{
                     u"game_id,finished,name,first_number,count,radius,seq,t_ms,dt_ms,x,y,due,"
                     u"due_x,due_y,distance,outcome,touched,board_width,board_height"_s.split(u','),
                     game9 + u"1,1500,1500,101,200,21,110,230,32,hit,,9600,7200"_s.split(u','),
                     game9 + u"2,2100,600,102,200,22,110,230,32,early,25,9600,7200"_s.split(u','),
                     game7 + u"1,900,900,101,200,21,110,230,32,again,0,9600,7200"_s.split(u','),
                     game7 + u"2,1000,100,102,200,22,110,230,32,empty,,9600,7200"_s.split(u',')}));

        const QJsonObject sidecar = QJsonDocument::fromJson(readAll(file(u"c.json"_s))).object();
        QCOMPARE(sidecar.keys().size(), csv[0].size());
        for (const QString& column : csv[0])
            QVERIFY(sidecar[column][u"LongName"_s].isString() &&
                    sidecar[column][u"Description"_s].isString());
        QCOMPARE(sidecar[u"dt_ms"_s][u"Units"_s], u"ms"_s);
        QCOMPARE(sidecar[u"distance"_s][u"Units"_s], u"twips"_s);
        QVERIFY(!sidecar[u"seq"_s].toObject().contains(u"Units"_s));
        const QJsonObject levels = sidecar[u"outcome"_s][u"Levels"_s].toObject();
        QCOMPARE(levels.keys(), (QStringList{u"again"_s, u"early"_s, u"empty"_s, u"hit"_s}));
        QVERIFY(levels[u"early"_s].toString().contains(u"still to come"_s));
    }

    // Cancelled at the first report and at the last, before the commit.
    void aCancelledExportLeavesNoFileAndAnEarlierOneWhole() {
        QVERIFY(history::writeClickCsv(file(u"c.csv"_s), clicks(1), 1).saved());
        const QByteArray earlier = readAll(file(u"c.csv"_s)) + readAll(file(u"c.json"_s));
        for (const qint64 at : {500, 1200})
            for (const QString& path : {file(u"c.csv"_s), file(u"new.csv"_s)}) {
                const history::ClickExport r = history::writeClickCsv(
                    path, clicks(1200), 1200,
                    [at](qint64 done, qint64 total) { return done != at && total == 1200; });
                QVERIFY(r.cancelled && r.error.isEmpty() && r.clicks == at);
            }
        QCOMPARE(readAll(file(u"c.csv"_s)) + readAll(file(u"c.json"_s)), earlier);
        QCOMPARE(files(), (QStringList{u"c.csv"_s, u"c.json"_s}));
    }

    void aFailedExportSaysWhyAndLeavesNoPartialFile() {
        QVERIFY(history::writeClickCsv(file(u"no/such/c.csv"_s), clicks(3), 3)
                    .error.contains(u"フォルダがありません"_s));
        const auto unreadable = [](const history::ClickSink&) {
            return false;
        };
        QVERIFY(history::writeClickCsv(file(u"c.csv"_s), unreadable, 1)
                    .error.endsWith(u"）。クリックの記録を読めませんでした。"_s));

        // A file size limit makes the write fail part way, as a full disk does.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit small{4096, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        const QString full = history::writeClickCsv(file(u"c.csv"_s), clicks(3000), 3000).error;
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(full.contains(u"ディスクの空き"_s));
        QCOMPARE(files(), QStringList{});

        // The CSV is kept whole when only its sidecar cannot be written.
        QVERIFY(QDir(dir->path()).mkdir(u"d.json"_s));
        QVERIFY(history::writeClickCsv(file(u"d.csv"_s), clicks(2), 2)
                    .error.startsWith(u"CSV は保存しましたが、列の説明を保存できませんでした"_s));
        QCOMPARE(readCsv(QString::fromUtf8(readAll(file(u"d.csv"_s)))).size(), 3);
    }
};

QTEST_GUILESS_MAIN(ClickExportTest)
#include "tst_clickexport.moc"
