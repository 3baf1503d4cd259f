#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QTest>

using testing::TestBoard;

namespace {

// What a screen reader is told about a widget.
QString spoken(QWidget* w, QAccessible::Text what = QAccessible::Name) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(what) : QString();
}

// The controls of `window` a player can reach, press or read, that a screen
// reader would have no name for. Parts of Qt's composite widgets (scroll
// bars, viewports) are reached through their owner and skipped.
QStringList unnamedControls(QWidget* window, int& walked) {
    QStringList unnamed;
    walked = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->parentWidget() && w->parentWidget()->inherits("QAbstractScrollArea"))
            continue;
        const auto* label = qobject_cast<QLabel*>(w);
        if (!((w->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractButton*>(w) ||
              !w->toolTip().isEmpty() || (label && !label->text().isEmpty())))
            continue;
        ++walked;
        if (spoken(w).isEmpty())
            unnamed << QString::fromLatin1(w->metaObject()->className());
    }
    return unnamed;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlOfBothWindowsHasAName() {
        TestBoard board;
        int walked = 0;
        QStringList unnamed = unnamedControls(&board->form(), walked);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        QVERIFY(walked >= 40);
        board->cmdHyou.click();
        unnamed = unnamedControls(&board->frm2()->form(), walked);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
        QVERIFY(walked >= 5);
        QCOMPARE(spoken(board->frm2()->txt2.widget()), QStringLiteral("成績・結果"));
    }

    void optionButtonsAreNamedByTheLabelAboveThem_data() {
        QTest::addColumn<int>("index"); // 0..13 opt1, 14..16 opt6
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("opt1(0)") << 0 << "0"
                                 << "初めの数字";
        QTest::newRow("opt1(8)") << 8 << "80"
                                 << "初めの数字";
        QTest::newRow("opt1(9)") << 9 << "10"
                                 << "出る数字の個数";
        QTest::newRow("opt1(13)") << 13 << "50"
                                  << "出る数字の個数";
        QTest::newRow("opt6(1)") << 15 << "中"
                                 << "的中範囲をやや広くします";
    }
    void optionButtonsAreNamedByTheLabelAboveThem() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, description);
        TestBoard board;
        QWidget* button = (index < 14 ? board->opt1[index] : board->opt6[index - 14]).widget();
        QCOMPARE(spoken(button), name);
        QCOMPARE(spoken(button, QAccessible::Description), description);
    }

    void namesFollowWhatTheControlsShow() {
        TestBoard board;
        QWidget* next = board->lbl1[1].widget();
        QCOMPARE(spoken(next), QStringLiteral("次にクリックする数字"));
        board.clickBoard(3000, 3000); // starts a game: 20 is due
        QCOMPARE(spoken(next), QStringLiteral("20"));
        board->cmdStp.click();
        QCOMPARE(spoken(next), QStringLiteral("次にクリックする数字"));

        board->cmdOto.click(); // a new tooltip: the name stays, the description follows
        QCOMPARE(spoken(board->cmdOto.widget()), QStringLiteral("音"));
        QCOMPARE(spoken(board->cmdOto.widget(), QAccessible::Description),
                 QStringLiteral("音の出･消を切替えます"));
    }
};

JUNBAN_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
