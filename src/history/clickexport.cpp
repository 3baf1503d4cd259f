// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/clickexport.h"

#include "history/clickcsv.h"

#include <QDir>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>
#include <climits>

using namespace Qt::Literals::StringLiterals;

namespace history {

ExportChoice askExportChoice(QWidget* parent) {
    QMessageBox ask(QMessageBox::Question, u"CSV保存"_s,
                    u"何を保存しますか。\n\nゲーム：表示している記録を 1 ゲーム 1 行で\n"
                    u"クリック：そのゲームのクリックを 1 クリック 1 行で"
                    u"（列の説明を JSON ファイルで添えます）"_s,
                    QMessageBox::NoButton, parent);
    QPushButton* games = ask.addButton(u"ゲーム"_s, QMessageBox::AcceptRole);
    QPushButton* clicks = ask.addButton(u"クリック"_s, QMessageBox::AcceptRole);
    ask.addButton(u"やめる"_s, QMessageBox::RejectRole);
    ask.setDefaultButton(games);
    ask.exec();
    if (ask.clickedButton() == games)
        return ExportChoice::Games;
    return ask.clickedButton() == clicks ? ExportChoice::Clicks : ExportChoice::None;
}

QString saveClicks(QWidget* parent, const Store& store, const Filter& filter, int shown,
                   const QString& path) {
    const qint64 total = store.clickCount(filter);
    // Shown only once the export has taken a second; modal to the history
    // window alone, so the board plays on.
    QProgressDialog progress(u"クリックを保存しています…"_s, u"やめる"_s, 0,
                             int(std::min<qint64>(total, INT_MAX)), parent);
    progress.setWindowTitle(u"CSV保存"_s);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(1000);
    const ClickExport result = writeClickCsv(
        path, [&](const ClickSink& each) { return store.forEachClick(filter, each); }, total,
        [&](qint64 done, qint64 all) {
            progress.setValue(int(std::min<qint64>(done, all)));
            return !progress.wasCanceled();
        });
    if (result.cancelled)
        return {};
    if (!result.saved()) {
        QMessageBox::warning(parent, u"記録"_s, result.error);
        return {};
    }
    QString text = u"%1 ゲームの %2 クリックを %3 に保存しました。"_s.arg(result.games)
                       .arg(result.clicks)
                       .arg(QDir::toNativeSeparators(path));
    if (result.games < shown)
        text += u"（クリックの記録がない %1 ゲームを除く）"_s.arg(shown - result.games);
    return text;
}

} // namespace history
