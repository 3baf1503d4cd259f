// SPDX-License-Identifier: GPL-3.0-or-later

#include "history/detailwindow.h"

#include "design.h"
#include "history/boardmap.h"
#include "history/gamesmodel.h"
#include "history/numberchart.h"
#include "history/replayview.h"
#include "history/windowlook.h"
#include "ui/fonts.h"
#include "ui/formwindow.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace history {

namespace {

QString missesText(const Breakdown& b) {
    QString text = u"<b>ミス（種類別）</b><br>"_s;
    const auto row = [&](const QString& what, int n) {
        text += what + u"：<b>"_s + QString::number(n) + u"</b><br>"_s;
    };
    row(u"早すぎ（先の数字）"_s, b.misses.early);
    row(u"もう見つけた数字"_s, b.misses.again);
    row(u"空振り（数字のない所）"_s, b.misses.empty);
    row(u"合計"_s, b.misses.total());
    text += u"<br><b>遅かった数字</b><br>"_s;
    for (const int number : b.slowest)
        for (const NumberTime& n : b.numbers)
            if (n.number == number)
                text += QString::number(number) + u"：<font color=\"#e60000\">"_s +
                        secondsText(double(n.ms)) + u"</font><br>"_s;
    return text;
}

} // namespace

DetailWindow::DetailWindow() {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { setStep(step_ + 1); });
    buildControls();
}

DetailWindow::~DetailWindow() = default;

void DetailWindow::buildControls() {
    setWindowLook(*this, u"記録の詳細"_s);
    resize(1200, 860);

    title = new QLabel;
    title->setFont(ui::makeFont(design::pGothic(12)));
    title->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notice = new QLabel;
    notice->setWordWrap(true);
    notice->setStyleSheet(u"QLabel { background: #ffffe0; color: #800000; padding: 6px; "
                          u"border: 1px solid #c08080; }"_s);
    replayPart = buildReplay();
    chartsPart = buildCharts();
    makeButton(cmdTojir, this, u"閉じる"_s, u"この画面を閉じます (Esc)"_s);
    cmdTojir.onClick = [this] {
        close();
    };
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdTojir.button());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(notice);
    layout->addWidget(replayPart, 3);
    layout->addWidget(chartsPart, 2);
    layout->addStretch(0);
    layout->addLayout(bottom);

    const auto key = [this](QKeySequence sequence, auto action) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, action);
    };
    key(Qt::Key_Escape, [this] { close(); });
    key(Qt::Key_Left, [this] { setStep(step_ - 1); });
    key(Qt::Key_Right, [this] { setStep(step_ + 1); });
    key(Qt::Key_Home, [this] { setStep(0); });
    key(Qt::Key_End, [this] { setStep(int(detail_.game.clickLog.size()) - 1); });
    key(Qt::Key_Space, [this] { playing_ ? stop() : play(); });

    // Tests and accessibility tools find the controls by these names.
    title->setObjectName(u"title"_s);
    notice->setObjectName(u"notice"_s);
    replay->setObjectName(u"replay"_s);
    slider->setObjectName(u"slider"_s);
    chart->setObjectName(u"chart"_s);
    map->setObjectName(u"map"_s);
    cmdPlay.button()->setObjectName(u"cmdPlay"_s);
    cmdTojir.button()->setObjectName(u"cmdTojir"_s);
}

QWidget* DetailWindow::buildReplay() {
    auto* box = new QGroupBox(u"再生（盤面はクリックしたときのまま）"_s);
    replay = new ReplayView;
    slider = new QSlider(Qt::Horizontal);
    slider->setToolTip(u"クリックを選びます (← → Home End)"_s);
    slider->setPageStep(5);
    connect(slider, &QSlider::valueChanged, this, [this](int value) { setStep(value); });
    stepLabel = new QLabel;
    stepLabel->setMinimumWidth(360);
    makeButton(cmdPrev, box, u"◀ 前"_s, u"前のクリック (←)"_s);
    makeButton(cmdPlay, box, u"再生"_s, u"クリックした間隔で再生します (Space)"_s);
    makeButton(cmdNext, box, u"次 ▶"_s, u"次のクリック (→)"_s);
    cmdPrev.onClick = [this] {
        setStep(step_ - 1);
    };
    cmdNext.onClick = [this] {
        setStep(step_ + 1);
    };
    cmdPlay.onClick = [this] {
        playing_ ? stop() : play();
    };
    speedGroup_ = new QButtonGroup(box);
    auto* controls = new QHBoxLayout;
    for (ui::CommandButton* b : {&cmdPrev, &cmdPlay, &cmdNext})
        controls->addWidget(b->button());
    controls->addWidget(slider, 1);
    for (std::size_t i = 0; i < Speeds.size(); ++i) {
        speedButtons[i] = new QRadioButton(u"×&"_s + QString::number(Speeds[i]));
        speedButtons[i]->setToolTip(u"再生の速さ"_s);
        speedGroup_->addButton(speedButtons[i], int(i));
        controls->addWidget(speedButtons[i]);
    }
    speedButtons[0]->setChecked(true);
    controls->addSpacing(12);
    controls->addWidget(stepLabel);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(replay, 1);
    layout->addLayout(controls);
    return box;
}

QWidget* DetailWindow::buildCharts() {
    auto* part = new QWidget;
    auto* times = new QGroupBox(u"数字ごとの時間（前の正解から）"_s);
    chart = new NumberChart;
    chart->setMinimumSize(420, 220);
    misses = new QLabel;
    misses->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    misses->setMinimumWidth(200);
    auto* timesLayout = new QHBoxLayout(times);
    timesLayout->addWidget(chart, 1);
    timesLayout->addWidget(misses);

    auto* where = new QGroupBox(u"盤面の場所（次の数字があった所）"_s);
    map = new BoardMap;
    leftRight = new QLabel;
    leftRight->setWordWrap(true);
    leftRight->setToolTip(leftRightDefinition());
    auto* whereLayout = new QVBoxLayout(where);
    whereLayout->addWidget(map, 1);
    whereLayout->addWidget(leftRight);

    auto* layout = new QHBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(times, 3);
    layout->addWidget(where, 2);
    return part;
}

bool DetailWindow::hasReplay() const {
    return detail_.kept == GameDetail::Clicks::Whole && !detail_.game.clickLog.isEmpty();
}

void DetailWindow::open(GameDetail detail) {
    stop();
    detail_ = std::move(detail);
    breakdown_ = breakDown(detail_.game.clickLog);
    const Game& g = detail_.game;
    QStringList figures;
    for (int c = 0; c < GamesModel::Columns; ++c)
        figures << GamesModel::text(g, c);
    title->setText(figures.join(u"　"_s));

    const bool clicks = detail_.kept != GameDetail::Clicks::None && !g.clickLog.isEmpty();
    if (!clicks)
        notice->setText(u"このゲームにはクリックの記録がありません（クリックを記録する前に遊んだ"
                        u"ゲームか、記録を書き込めなかったゲームです）。"_s);
    else if (!hasReplay())
        notice->setText(u"盤面の配置を読み込めなかったため、このゲームは再生できません。"_s);
    notice->setVisible(!hasReplay());
    replayPart->setVisible(hasReplay());
    chartsPart->setVisible(clicks);
    if (clicks)
        showBreakdown();
    // Small for a line alone, large again for a game with clicks.
    if (!clicks)
        resize(760, sizeHint().height());
    else if (height() < 600)
        resize(1200, 860);

    step_ = -1;
    if (hasReplay()) {
        const QSignalBlocker block(slider);
        slider->setRange(0, int(g.clickLog.size()) - 1);
        setStep(0);
    } else {
        replay->setClick(nullptr, 0, 0);
    }
    ui::showInFront(*this);
}

void DetailWindow::showBreakdown() {
    chart->setBreakdown(breakdown_);
    misses->setText(missesText(breakdown_));
    map->setBreakdown(breakdown_);
    leftRight->setText(u"左右の差："_s + percentText(breakdown_.leftRightPercent) +
                       u"（正なら左側が遅い）<br><small>"_s + leftRightDefinition() +
                       u"</small>"_s);
}

void DetailWindow::setStep(int step) {
    if (!hasReplay())
        return;
    const QList<engine::ClickRecord>& clicks = detail_.game.clickLog;
    step_ = std::clamp(step, 0, int(clicks.size()) - 1);
    const engine::ClickRecord& c = clicks[step_];
    replay->setClick(&c, detail_.game.firstNumber, detail_.game.radius);
    {
        const QSignalBlocker block(slider);
        slider->setValue(step_);
    }
    QString text = u"クリック "_s + QString::number(c.seq) + u" / "_s +
                   QString::number(clicks.size()) + u"　"_s + secondsText(double(c.tMs)) +
                   u"　次の数字 "_s + QString::number(c.due) + u"　"_s + outcomeWord(c.outcome);
    if (c.touched >= 0)
        text += u"（"_s + QString::number(c.touched) + u"）"_s;
    stepLabel->setText(text);
    if (playing_)
        scheduleNext();
}

int DetailWindow::speed() const {
    return Speeds[std::max(0, speedGroup_->checkedId())];
}

void DetailWindow::play() {
    if (!hasReplay() || playing_)
        return;
    playing_ = true;
    cmdPlay.setCaption(u"停止"_s);
    if (step_ >= detail_.game.clickLog.size() - 1)
        setStep(0); // schedules the next click
    else
        scheduleNext();
}

void DetailWindow::stop() {
    timer_.stop();
    if (!playing_)
        return;
    playing_ = false;
    cmdPlay.setCaption(u"再生"_s);
}

// The wait before the click after the one shown, as long as the player took
// between them at the speed chosen; past the last click the replay stops.
void DetailWindow::scheduleNext() {
    const QList<engine::ClickRecord>& clicks = detail_.game.clickLog;
    if (step_ + 1 >= clicks.size()) {
        stop();
        return;
    }
    const qint64 gap = std::max<qint64>(0, clicks[step_ + 1].tMs - clicks[step_].tMs);
    timer_.start(int(std::min<qint64>(gap / speed(), 24 * 3600 * 1000)));
}

void DetailWindow::hideEvent(QHideEvent* event) {
    stop();
    QWidget::hideEvent(event);
}

} // namespace history
