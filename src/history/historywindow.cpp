// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/historywindow.h"

#include "history/csv.h"
#include "history/detailwindow.h"
#include "history/gamesmodel.h"
#include "history/progresschart.h"
#include "history/recorder.h"
#include "history/windowlook.h"
#include "ui/fonts.h"
#include "ui/formwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace history {

namespace {

const QString All = u"すべて"_s;

} // namespace

HistoryWindow::HistoryWindow(Recorder& recorder, std::function<QString()> currentName)
    : recorder_(recorder), currentName_(std::move(currentName)),
      store_(std::make_unique<Store>(recorder.path())) {
    buildControls();
    connect(&recorder_, &Recorder::recorded, this, &HistoryWindow::gameRecorded);
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::buildControls() {
    setWindowLook(*this, u"記録"_s);
    resize(1000, 720);

    auto* filters = new QHBoxLayout;
    playerBox = new QComboBox;
    playerBox->setToolTip(u"表示する人"_s);
    playerBox->setMinimumContentsLength(12);
    countBox = new QComboBox;
    countBox->setToolTip(u"表示する数字の個数"_s);
    countBox->addItem(All);
    for (int count = 10; count <= 50; count += 10)
        countBox->addItem(QString::number(count), count);
    auto* nameLabel = new QLabel(u"名前(&N)"_s);
    nameLabel->setBuddy(playerBox);
    auto* countLabel = new QLabel(u"個数(&C)"_s);
    countLabel->setBuddy(countBox);
    filters->addWidget(nameLabel);
    filters->addWidget(playerBox);
    filters->addSpacing(24);
    filters->addWidget(countLabel);
    filters->addWidget(countBox);
    filters->addStretch();

    notice = new QLabel;
    notice->setWordWrap(true);
    notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice->setStyleSheet(u"QLabel { background: #ffffe0; color: #800000; padding: 6px; "
                          u"border: 1px solid #c08080; }"_s);
    notice->hide();

    chart = new ProgressChart;
    chart->setMinimumHeight(240);
    rows = new GamesModel(this);
    table = new QTableView;
    table->setModel(rows);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    // Fixed row heights and column widths: nothing measures ten thousand rows.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    const int widths[GamesModel::Columns] = {170, 140, 80, 50, 80, 90, 130};
    for (int c = 0; c < GamesModel::Columns; ++c)
        table->setColumnWidth(c, widths[c]);
    table->horizontalHeader()->setStretchLastSection(true);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(chart);
    split->addWidget(table);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);

    auto* buttons = new QHBoxLayout;
    status = new QLabel;
    buttons->addWidget(status, 1);
    makeButton(cmdCsv, this, u"CSV保存"_s, u"表示している記録をCSVファイルに保存します"_s);
    makeButton(cmdSakujo, this, u"削除"_s, u"選んだ記録を削除します"_s);
    makeButton(cmdTojir, this, u"閉じる"_s, u"この画面を閉じます"_s);
    for (ui::CommandButton* b : {&cmdCsv, &cmdSakujo, &cmdTojir})
        buttons->addWidget(b->button());

    // Tests and accessibility tools find the controls by these names.
    playerBox->setObjectName(u"playerBox"_s);
    countBox->setObjectName(u"countBox"_s);
    notice->setObjectName(u"notice"_s);
    chart->setObjectName(u"chart"_s);
    table->setObjectName(u"table"_s);
    status->setObjectName(u"status"_s);
    cmdCsv.button()->setObjectName(u"cmdCsv"_s);
    cmdSakujo.button()->setObjectName(u"cmdSakujo"_s);
    cmdTojir.button()->setObjectName(u"cmdTojir"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(notice);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    QWidget* const order[] = {playerBox,       countBox,           table,
                              cmdCsv.button(), cmdSakujo.button(), cmdTojir.button()};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(playerBox, &QComboBox::currentIndexChanged, this, &HistoryWindow::filterChanged);
    connect(countBox, &QComboBox::currentIndexChanged, this, &HistoryWindow::filterChanged);
    connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryWindow::updateButtons);
    // A double click or Enter on a game opens its detail.
    connect(table, &QAbstractItemView::doubleClicked, this, &HistoryWindow::openDetail);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), table);
        enter->setContext(Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, [this] { openDetail(table->currentIndex()); });
    }
    cmdCsv.onClick = std::bind_front(&HistoryWindow::exportCsv, this);
    cmdSakujo.onClick = std::bind_front(&HistoryWindow::deleteSelected, this);
    cmdTojir.onClick = std::bind_front(&HistoryWindow::close, this);
}

void HistoryWindow::filterChanged() {
    if (!filling_)
        showGames();
}

// A game written, or held back: the games and what the file's state now says.
void HistoryWindow::gameRecorded() {
    if (!isVisible())
        return;
    refresh();
    showNotice();
}

void HistoryWindow::open() {
    if (!isVisible()) {
        status->clear();
        fillNames(QVariant(currentName_()));
        const std::optional<int> last = store_->lastCount();
        filling_ = true;
        countBox->setCurrentIndex(std::max(0, last ? countBox->findData(*last) : 0));
        filling_ = false;
        showGames();
        showNotice();
    }
    ui::showInFront(*this);
}

// Esc closes the window, from whichever control leaves the key unused.
void HistoryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HistoryWindow::refresh() {
    fillNames(playerBox->currentData()); // none for すべて
    showGames();
}

Filter HistoryWindow::filter() const {
    Filter f;
    if (playerBox->currentIndex() > 0)
        f.name = playerBox->currentData().toString();
    if (countBox->currentIndex() > 0)
        f.count = countBox->currentData().toInt();
    return f;
}

// Lists every name of the history after すべて and chooses `wanted` (a name,
// or nothing for すべて), or すべて when it has no game.
void HistoryWindow::fillNames(const QVariant& wanted) {
    filling_ = true;
    playerBox->clear();
    playerBox->addItem(All);
    for (const QString& name : store_->names())
        playerBox->addItem(name.isEmpty() ? u"（名前なし）"_s : name, name);
    playerBox->setCurrentIndex(std::max(0, playerBox->findData(wanted)));
    filling_ = false;
}

void HistoryWindow::showGames() {
    QList<Game> games = store_->games(filter());
    chart->setGames(games);
    rows->setGames(std::move(games));
    updateButtons();
}

void HistoryWindow::showNotice() {
    QString text;
    if (store_->state() != Store::State::Ready) {
        text = store_->notice();
    } else if (recorder_.heldBack() > 0) {
        text = recorder_.notice(); // said as long as games wait to be written
    } else if (!setAsideSaid_) {
        text = recorder_.notice();
        if (text.isEmpty())
            text = store_->notice();
        setAsideSaid_ = !text.isEmpty();
    }
    notice->setText(text);
    notice->setVisible(!text.isEmpty());
}

void HistoryWindow::updateButtons() {
    cmdCsv.setEnabled(rows->rowCount() > 0);
    cmdSakujo.setEnabled(store_->state() == Store::State::Ready &&
                         table->selectionModel()->hasSelection());
}

// Where to save a CSV file, `fileName` in the documents folder offered;
// empty for cancel.
QString HistoryWindow::askPath(const QString& fileName) {
    const QString suggested =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(fileName);
    return chooseFile ? chooseFile(suggested)
                      : QFileDialog::getSaveFileName(this, u"CSV保存"_s, suggested,
                                                     u"CSV ファイル (*.csv)"_s);
}

void HistoryWindow::exportCsv() {
    const ExportChoice choice = chooseExport ? chooseExport() : askExportChoice(this);
    if (choice == ExportChoice::Clicks)
        return exportClicks();
    if (choice != ExportChoice::Games)
        return;
    const QString path = askPath(u"junban-history.csv"_s);
    if (path.isEmpty())
        return;
    // The rows as the table shows them, newest first.
    QList<Game> shown = rows->games();
    std::reverse(shown.begin(), shown.end());
    QString error;
    if (!writeCsv(path, shown, &error)) {
        status->clear();
        QMessageBox::warning(this, u"記録"_s, u"CSVファイルを保存できませんでした。\n"_s + error);
        return;
    }
    status->setText(QString::number(shown.size()) + u" 件を "_s + QDir::toNativeSeparators(path) +
                    u" に保存しました。"_s);
}

// Every click of the games shown, one row each, with the sidecar beside it.
void HistoryWindow::exportClicks() {
    const QString path = askPath(u"junban-clicks.csv"_s);
    if (!path.isEmpty())
        status->setText(saveClicks(this, *store_, filter(), rows->rowCount(), path));
}

void HistoryWindow::deleteSelected() {
    QList<qint64> ids;
    for (const QModelIndex& index : table->selectionModel()->selectedRows())
        ids.append(rows->gameAt(index.row()).id);
    if (ids.isEmpty())
        return;
    QMessageBox ask(QMessageBox::Question, u"記録"_s,
                    u"選んだ "_s + QString::number(ids.size()) +
                        u" 件の記録を削除します。\n削除した記録は元に戻せません。"_s,
                    QMessageBox::NoButton, this);
    QPushButton* yes = ask.addButton(u"削除する"_s, QMessageBox::AcceptRole);
    ask.setDefaultButton(ask.addButton(u"やめる"_s, QMessageBox::RejectRole));
    ask.exec();
    if (ask.clickedButton() != yes)
        return;
    if (!store_->remove(ids))
        QMessageBox::warning(this, u"記録"_s, u"記録を削除できませんでした。"_s);
    status->clear();
    refresh();
}

void HistoryWindow::openDetail(const QModelIndex& index) {
    if (!index.isValid())
        return;
    std::optional<GameDetail> d = store_->detail(rows->gameAt(index.row()).id);
    if (!d)
        return;
    if (!detail_)
        detail_ = std::make_unique<DetailWindow>();
    detail_->open(std::move(*d));
}

} // namespace history
