#include "support/board.h"
#include "support/testmain.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

using testing::TestBoard;
using ui::RGB;

namespace {

// What a player reads on a widget of the command bar.
QString shownText(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (const auto* b = qobject_cast<const QPushButton*>(w))
        return b->text();
    if (const auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    return {};
}

QColor face(const ui::CommandButton& b) {
    return b.widget()->palette().color(QPalette::Button);
}

} // namespace

class DesignedWindowTest : public QObject {
    Q_OBJECT
private slots:
    void commandBarReadsLeftToRightAsDesigned() {
        TestBoard board(false);
        QWidget* bar = board->fra0.widget();
        std::vector<QWidget*> texts;
        for (QWidget* w : bar->findChildren<QWidget*>())
            if (qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w) ||
                qobject_cast<QLineEdit*>(w))
                texts.push_back(w);
        std::stable_sort(texts.begin(), texts.end(), [bar](QWidget* a, QWidget* b) {
            return a->mapTo(bar, QPoint(0, 0)).x() < b->mapTo(bar, QPoint(0, 0)).x();
        });
        QStringList read;
        for (QWidget* w : texts)
            read << shownText(w);
        const QStringList expected = {
            "0:00:00", "中止", "",   "",     "0",  "10", "20",   "30",   "40",  "50",
            "60",      "70",   "80", "から", "10", "20", "30",   "40",   "50",  "個",
            "狭",      "中",   "広", "字色", "地", "音", "無名", "成績", "終り"};
        QCOMPARE(read, expected);
    }

    void theDesignedChoicesAreSelected() {
        TestBoard board(false);
        for (int i = 0; i < 14; ++i)
            QCOMPARE(board->opt1[i].value(), i == 2 || i == 9);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(board->opt6[i].value(), i == 0);
        // Each selected button sits right under the label that names it.
        QCOMPARE(board->opt1[2].left(), board->lbl2[2].left());
        QCOMPARE(board->lbl2[2].caption(), QStringLiteral("20"));
        QCOMPARE(board->lbl2[9].caption(), QStringLiteral("10"));
        QCOMPARE(board->lbl6[0].caption(), QStringLiteral("狭"));
        for (const auto& o : board->opt1)
            QVERIFY(o.enabled());
    }

    void controlsSitAtTheirDesignedTwips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRectF>("twips");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("fra0") << "fra0" << QRectF(0, 0, 11568, 620) << QRect(0, 0, 771, 41);
        QTest::newRow("lblT") << "lblT" << QRectF(20, 156, 732, 252) << QRect(1, 10, 49, 17);
        QTest::newRow("opt1(13)") << "opt1(13)" << QRectF(1080, 240, 200, 250)
                                  << QRect(72, 16, 13, 17);
        QTest::newRow("lbl2(0)") << "lbl2(0)" << QRectF(0, 30, 200, 252) << QRect(0, 2, 13, 17);
        QTest::newRow("txt1") << "txt1" << QRectF(9470, 180, 670, 330) << QRect(631, 12, 45, 22);
        QTest::newRow("lbl4") << "lbl4" << QRectF(3600, 960, 5052, 972) << QRect(240, 64, 337, 65);
    }
    void controlsSitAtTheirDesignedTwips() {
        QFETCH(QString, name);
        QFETCH(QRectF, twips);
        QFETCH(QRect, pixels);
        TestBoard board(false);
        Frm1& f = *board;
        const std::map<QString, const ui::Control*> controls = {
            {"fra0", &f.fra0},       {"lblT", &f.lblT}, {"opt1(13)", &f.opt1[13]},
            {"lbl2(0)", &f.lbl2[0]}, {"txt1", &f.txt1}, {"lbl4", &f.lbl4}};
        const ui::Control* c = controls.at(name);
        QCOMPARE(QRectF(c->left(), c->top(), c->width(), c->height()), twips);
        QCOMPARE(c->widget()->geometry(), pixels);
    }

    void fontsKeepTheirFractionalSizes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("lblT") << "lblT" << 10.8 << false << true;
        QTest::newRow("lbl1(1)") << "lbl1(1)" << 27.6 << true << false;
        QTest::newRow("txt1") << "txt1" << 10.2 << false << false;
        QTest::newRow("lbl4") << "lbl4" << 16.8 << false << false;
    }
    void fontsKeepTheirFractionalSizes() {
        QFETCH(QString, name);
        QFETCH(double, size);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        TestBoard board(false);
        Frm1& f = *board;
        const std::map<QString, const ui::Control*> controls = {
            {"lblT", &f.lblT}, {"lbl1(1)", &f.lbl1[1]}, {"txt1", &f.txt1}, {"lbl4", &f.lbl4}};
        const QFont font = controls.at(name)->widget()->font();
        QCOMPARE(font.pointSizeF(), size);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(font.italic(), italic);
        QVERIFY(ui::japaneseFallbacks().contains(QFontInfo(font).family()));
    }

    void coloursAndFramesAreAsDesigned() {
        TestBoard board(false);
        Frm1& f = *board;
        const QColor pale(192, 255, 192);
        for (const ui::CommandButton* b :
             {&f.cmdStp, &f.cmdCol1, &f.cmdCol2, &f.cmdOto, &f.cmdHyou, &f.cmdEnd})
            QCOMPARE(face(*b), QColor(128, 255, 128));
        for (const auto& o : f.opt1) {
            QVERIFY(o.widget()->autoFillBackground());
            QCOMPARE(o.widget()->palette().color(QPalette::Window), pale);
        }
        QCOMPARE(static_cast<QFrame*>(f.fra0.widget())->frameShape(), QFrame::Box);
        for (const auto& fr : f.fra1) {
            QCOMPARE(static_cast<QFrame*>(fr.widget())->frameShape(), QFrame::NoFrame);
            QVERIFY(fr.widget()->autoFillBackground());
            QCOMPARE(fr.widget()->palette().color(QPalette::Window), pale);
        }
        for (const auto& l : f.lbl1)
            QCOMPARE(l.widget()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(f.lblT.widget()->palette().color(QPalette::WindowText), QColor(0, 192, 192));
        QCOMPARE(f.lbl4.widget()->palette().color(QPalette::WindowText), QColor(0, 64, 0));
        QVERIFY(!f.lbl4.widget()->autoFillBackground());
        QVERIFY(!f.lbl5.widget()->autoFillBackground());
        QCOMPARE(f.txt1.widget()->palette().color(QPalette::Base), pale);
    }

    void noticeLabelsStartAsDesigned() {
        TestBoard board(false);
        QVERIFY(!board->lbl4.visible());
        QVERIFY(board->lbl5.visible());
        QCOMPARE(board->lbl5.caption(), QString());
        QCOMPARE(board->lbl4.caption(), QString());
    }

    void tooltipsAndCaptionAreAsDesigned() {
        TestBoard board(false);
        QCOMPARE(board->form().caption(), QStringLiteral("数字を順にクリックして下さい。"));
        QCOMPARE(board->cmdOto.toolTipText(), QStringLiteral("正解の時の音を止めます"));
        QCOMPARE(board->lblT.toolTipText(), QStringLiteral("経過時間"));
        QCOMPARE(board->lbl1[1].toolTipText(), QStringLiteral("次にクリックする数字"));
        QCOMPARE(board->opt6[2].toolTipText(), QStringLiteral("的中範囲を広くします"));
        QCOMPARE(board->txt1.toolTipText(), QStringLiteral("名前を入れて下さい"));
        QCOMPARE(board->opt1[4].toolTipText(), QString());
        QVERIFY(!board->form().windowIcon().isNull());
    }

    void keyboardOrderFollowsTheDesignedTabIndices() {
        TestBoard board(false);
        Frm1& f = *board;
        const std::vector<QWidget*> expected = {
            f.opt1[2].widget(), f.opt1[1].widget(),  f.opt1[0].widget(),  f.cmdEnd.widget(),
            f.opt1[7].widget(), f.opt1[8].widget(),  f.opt1[6].widget(),  f.opt1[3].widget(),
            f.opt1[4].widget(), f.opt1[5].widget(),  f.opt1[10].widget(), f.opt1[11].widget(),
            f.opt1[9].widget(), f.opt1[12].widget(), f.opt1[13].widget(), f.cmdStp.widget(),
            f.cmdCol2.widget(), f.cmdOto.widget(),   f.cmdCol1.widget(),  f.cmdHyou.widget(),
            f.txt1.widget(),    f.opt6[0].widget(),  f.opt6[2].widget(),  f.opt6[1].widget()};
        std::vector<QWidget*> chain;
        QWidget* w = expected.front();
        do {
            if (std::find(expected.begin(), expected.end(), w) != expected.end())
                chain.push_back(w);
            w = w->nextInFocusChain();
        } while (w != expected.front() && chain.size() < expected.size());
        QCOMPARE(chain, expected);
    }
};

JUNBAN_TEST_MAIN(DesignedWindowTest)
#include "tst_designedwindow.moc"
