#include "frm1.h"

#include "results/frm2.h"
#include "ui/fonts.h"

#include <QIcon>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <vector>

using ui::FontSpec;
using ui::RGB;

namespace {

constexpr ui::Colour Pale = RGB(192, 255, 192); // window, frames, option buttons
constexpr ui::Colour ButtonFace = RGB(128, 255, 128);

FontSpec uiGothic(double size, bool bold = false, bool italic = false) {
    return {ui::UiGothic, size, bold, italic};
}
FontSpec pGothic(double size) {
    return {ui::PGothic, size, false, false};
}

// The platform's default user-interface font, for controls designed without
// a font of their own.
FontSpec defaultUiFont() {
    const QFont f;
    return {f.family(), f.pointSizeF(), false, false};
}

} // namespace

Frm1::Frm1(ui::Services services) : services_(services), form_(std::make_unique<ui::FormWindow>()) {
    buildControls();
    connectHandlers();
    Form_Load();
}

Frm1::~Frm1() = default;

void Frm1::show() {
    form_->show();
}

results::Frm2* Frm1::frm2() const {
    return frm2_.get();
}

void Frm1::buildControls() {
    ui::FormWindow& w = *form_;
    w.setCaption(QStringLiteral("数字を順にクリックして下さい。"));
    w.setWindowIcon(QIcon(QStringLiteral(":/junban/junban.png")));
    w.setFont(ui::makeFont(uiGothic(12)));
    w.setBackColor(Pale);
    w.setForeColor(RGB(0, 0, 192));
    w.surface().setFont(uiGothic(12));
    w.setClientGeometry(960, 1212, 12528, 6696);

    // Tab order entries: (design tab index, control).
    std::vector<std::pair<int, ui::Control*>> order;
    const auto place = [&order](ui::Control& c, double l, double t, double wd, double h, int tab) {
        c.setGeometry(l, t, wd, h);
        order.emplace_back(tab, &c);
    };

    // The command bar.
    fra0.create(&w, true);
    fra0.setBackColor(Pale);
    fra0.setFont(pGothic(9));
    place(fra0, 0, 0, 11568, 620, 0);
    QWidget* bar = fra0.widget();

    lblT.create(bar);
    lblT.setCaption(QStringLiteral("0:00:00"));
    lblT.setFont(uiGothic(10.8, false, true));
    {
        // The Japanese gothic that stands in for the design font writes digits
        // wider than the design assumed; a slightly narrower face keeps
        // "0:00:00" clear of the stop button that overlaps the label's end.
        QFont narrow = lblT.widget()->font();
        narrow.setStretch(88);
        lblT.widget()->setFont(narrow);
    }
    lblT.setForeColor(RGB(0, 192, 192));
    lblT.setToolTipText(QStringLiteral("経過時間"));
    place(lblT, 20, 156, 732, 252, 38);

    const auto button = [&](ui::CommandButton& b, const QString& caption, double l, double t,
                            double wd, double h, int tab, double size, const QString& tip) {
        b.create(bar, caption);
        b.setFont(uiGothic(size));
        b.setBackColor(ButtonFace);
        b.setToolTipText(tip);
        place(b, l, t, wd, h, tab);
    };
    button(cmdStp, QStringLiteral("中止"), 720, 180, 620, 350, 30, 10.8,
           QStringLiteral("初めからやり直します"));

    const QString nextTip = QStringLiteral("次にクリックする数字");
    lbl1[0].create(bar, ui::Label::Align::Right);
    lbl1[0].setFont(uiGothic(21.6, true));
    place(lbl1[0], 1350, 120, 765, 615, 39);
    lbl1[1].create(bar, ui::Label::Align::Centre);
    lbl1[1].setFont(uiGothic(27.6, true));
    place(lbl1[1], 2060, 80, 885, 615, 44);
    for (ui::Label& l : lbl1) {
        l.setForeColor(RGB(255, 0, 0));
        l.setToolTipText(nextTip);
    }

    const QString startTip = QStringLiteral("初めの数字");
    const QString countTip = QStringLiteral("出る数字の個数");
    const std::array<double, 3> fraLeft = {3000, 5850, 7500};
    const std::array<double, 3> fraWidth = {2400, 1340, 700};
    const std::array<int, 3> fraTab = {1, 21, 45};
    for (int i = 0; i < 3; ++i) {
        fra1[i].create(bar, false);
        fra1[i].setBackColor(Pale);
        fra1[i].setFont(pGothic(9));
        place(fra1[i], fraLeft[i], 100, fraWidth[i], 440, fraTab[i]);
    }
    fra1[0].setToolTipText(startTip);
    fra1[1].setToolTipText(countTip);

    lbl3[0].create(bar);
    lbl3[0].setCaption(QStringLiteral("から"));
    lbl3[0].setFont(defaultUiFont());
    place(lbl3[0], 5420, 240, 420, 300, 25);
    lbl3[1].create(bar);
    lbl3[1].setCaption(QStringLiteral("個"));
    lbl3[1].setFont(pGothic(12));
    place(lbl3[1], 7190, 240, 375, 300, 26);

    // The option groups: a button under each naming label.
    const auto option = [&](ui::OptionButton& o, ui::Frame& in, double left, int tab) {
        o.create(in.widget());
        o.setFont(pGothic(9));
        o.setBackColor(Pale);
        place(o, left, 240, 200, 250, tab);
    };
    const auto optionLabel = [&](ui::Label& l, ui::Frame& in, double left, int tab,
                                 const QString& caption, const QString& tip) {
        l.create(in.widget());
        l.setFont(pGothic(9));
        l.setCaption(caption);
        l.setToolTipText(tip);
        place(l, left, 30, 204, 252, tab);
    };
    const std::array<int, 9> startOptTab = {4, 3, 2, 9, 10, 11, 8, 6, 7};
    for (int i = 0; i < 9; ++i) {
        option(opt1[i], fra1[0], 270 * i, startOptTab[i]);
        optionLabel(lbl2[i], fra1[0], 270 * i, 12 + i, QString::number(10 * i), startTip);
        opt1[i].setAccessibleName(lbl2[i].caption(), startTip);
    }
    lbl2[0].setWidth(200);
    lbl2[0].setAlignment(ui::Label::Align::Centre);
    const std::array<double, 5> countOptLeft = {0, 270, 540, 810, 1080};
    const std::array<double, 5> countLblLeft = {0, 260, 530, 800, 1080};
    const std::array<int, 5> countOptTab = {27, 22, 23, 28, 29};
    const std::array<int, 5> countLblTab = {33, 34, 35, 36, 24};
    for (int j = 0; j < 5; ++j) {
        option(opt1[9 + j], fra1[1], countOptLeft[j], countOptTab[j]);
        optionLabel(lbl2[9 + j], fra1[1], countLblLeft[j], countLblTab[j],
                    QString::number(10 * (j + 1)), countTip);
        opt1[9 + j].setAccessibleName(lbl2[9 + j].caption(), countTip);
    }
    const std::array<QString, 3> rangeCaption = {QStringLiteral("狭"), QStringLiteral("中"),
                                                 QStringLiteral("広")};
    const std::array<QString, 3> rangeTip = {QStringLiteral("的中範囲を円内にします"),
                                             QStringLiteral("的中範囲をやや広くします"),
                                             QStringLiteral("的中範囲を広くします")};
    const std::array<double, 3> rangeLeft = {0, 240, 490};
    const std::array<int, 3> rangeOptTab = {46, 48, 47};
    const std::array<int, 3> rangeLblTab = {51, 50, 49};
    for (int i = 0; i < 3; ++i) {
        option(opt6[i], fra1[2], rangeLeft[i], rangeOptTab[i]);
        opt6[i].setToolTipText(rangeTip[i]);
        optionLabel(lbl6[i], fra1[2], rangeLeft[i], rangeLblTab[i], rangeCaption[i], rangeTip[i]);
        opt6[i].setAccessibleName(rangeCaption[i]);
    }
    opt1[2].setValue(true);
    opt1[9].setValue(true);
    opt6[0].setValue(true);

    button(cmdCol1, QStringLiteral("字色"), 8300, 130, 490, 300, 41, 9,
           QStringLiteral("文字の色を変えます"));
    button(cmdCol2, QStringLiteral("地"), 8750, 240, 300, 300, 32, 9,
           QStringLiteral("背景の色を変えます"));
    button(cmdOto, QStringLiteral("音"), 9100, 180, 300, 350, 40, 9,
           QStringLiteral("正解の時の音を止めます"));

    txt1.create(bar, false);
    txt1.setText(QStringLiteral("無名"));
    txt1.setFont(uiGothic(10.2));
    txt1.setBackColor(Pale);
    txt1.setToolTipText(QStringLiteral("名前を入れて下さい"));
    txt1.lineEdit()->setAlignment(Qt::AlignCenter);
    place(txt1, 9470, 180, 670, 330, 43);

    button(cmdHyou, QStringLiteral("成績"), 10200, 180, 550, 350, 42, 9,
           QStringLiteral("成績一覧を出します"));
    button(cmdEnd, QStringLiteral("終り"), 10800, 180, 660, 350, 5, 10.8,
           QStringLiteral("プログラムを終ります"));

    // The two labels that lie on the board itself. Presses on them go through
    // to the board, so that a click on a notice starts the next game.
    lbl5.create(&w, ui::Label::Align::Centre);
    lbl5.setFont(defaultUiFont());
    lbl5.setForeColor(RGB(0, 0, 192));
    lbl5.setTransparentForMouse(true);
    place(lbl5, 3360, 3000, 7212, 1452, 37);

    lbl4.create(&w, ui::Label::Align::Centre);
    lbl4.setFont(pGothic(16.8));
    lbl4.setForeColor(RGB(0, 64, 0));
    lbl4.setBackColor(Pale);
    lbl4.setTransparentForMouse(true);
    lbl4.setGrowsToFit(true);
    lbl4.setVisible(false);
    place(lbl4, 3600, 960, 5052, 972, 31);

    // Keyboard order: the controls that take the focus, by their tab index.
    std::erase_if(order, [](const auto& entry) {
        return entry.second->widget()->focusPolicy() == Qt::NoFocus;
    });
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        order[i].second->setTabAfter(*order[i - 1].second);

    tmr1.create(&w);
    cmndlg1.create(services_.colorPicker, &w);
}

void Frm1::connectHandlers() {
    form_->onMouseDown = [this](int button, int shift, double x, double y) {
        Form_MouseDown(button, shift, x, y);
    };
    form_->onResize = [this] {
        Form_Resize();
    };
    cmdStp.onClick = [this] {
        cmdStp_Click();
    };
    cmdCol1.onClick = [this] {
        cmdCol1_Click();
    };
    cmdCol2.onClick = [this] {
        cmdCol2_Click();
    };
    cmdOto.onClick = [this] {
        cmdOto_Click();
    };
    cmdHyou.onClick = [this] {
        cmdHyou_Click();
    };
    cmdEnd.onClick = [this] {
        cmdEnd_Click();
    };
    for (int i = 0; i < static_cast<int>(opt1.size()); ++i)
        opt1[i].onClick = [this, i] {
            opt1_Click(i);
        };
    for (int i = 0; i < static_cast<int>(lbl1.size()); ++i)
        lbl1[i].onClick = [this, i] {
            lbl1_Click(i);
        };
    tmr1.onTimer = [this] {
        tmr1_Timer();
    };
}
