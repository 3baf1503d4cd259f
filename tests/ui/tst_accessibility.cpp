#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

using testing::TestBoard;

namespace {

// What a screen reader is told about a widget.
QString spokenName(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Name) : QString();
}
QString spokenDescription(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(QAccessible::Description) : QString();
}

// A widget the player can reach with the keyboard, press, or read something
// on: such a control needs a name. Parts of Qt's own composite widgets
// (scroll bars, viewports) are skipped, as a screen reader reaches them
// through their owner.
bool needsName(QWidget* w) {
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (p->inherits("QAbstractScrollArea"))
            return false;
    const auto* label = qobject_cast<QLabel*>(w);
    return (w->focusPolicy() & Qt::TabFocus) || qobject_cast<QAbstractButton*>(w) ||
           !w->toolTip().isEmpty() || (label && !label->text().isEmpty());
}

// Every control of `window` that needs a name and has none, described for
// the failure message.
QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!needsName(w))
            continue;
        if (w->accessibleName().isEmpty() || spokenName(w).isEmpty())
            unnamed << QStringLiteral("%1 at (%2, %3)")
                           .arg(QString::fromLatin1(w->metaObject()->className()))
                           .arg(w->mapTo(window, QPoint(0, 0)).x())
                           .arg(w->mapTo(window, QPoint(0, 0)).y());
    }
    return unnamed;
}

int namedControlCount(QWidget* window) {
    int n = 0;
    for (QWidget* w : window->findChildren<QWidget*>())
        n += needsName(w) ? 1 : 0;
    return n;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlOfTheBoardWindowHasAName() {
        TestBoard board;
        QWidget* window = &board->form();
        // 14 + 3 option buttons, 6 command buttons, the name box and the
        // captioned or tooltipped labels and frames: far more than a few.
        QVERIFY2(namedControlCount(window) >= 40, "the walk found too few controls");
        const QStringList unnamed = unnamedControls(window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
    }

    void everyControlOfTheResultsWindowHasAName() {
        TestBoard board;
        board->cmdHyou.click();
        QVERIFY(board->frm2());
        QWidget* window = &board->frm2()->form();
        QVERIFY2(namedControlCount(window) >= 5, "the walk found too few controls");
        const QStringList unnamed = unnamedControls(window);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
        QCOMPARE(spokenName(board->frm2()->txt2.widget()), QStringLiteral("成績・結果"));
    }

    void optionButtonsAreNamedByTheLabelAboveThem_data() {
        QTest::addColumn<int>("group"); // 1: opt1, 6: opt6
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const QString start = QStringLiteral("初めの数字");
        const QString count = QStringLiteral("出る数字の個数");
        for (int i = 0; i < 9; ++i)
            QTest::addRow("opt1(%d)", i) << 1 << i << QString::number(10 * i) << start;
        for (int i = 9; i < 14; ++i)
            QTest::addRow("opt1(%d)", i) << 1 << i << QString::number(10 * (i - 8)) << count;
        QTest::newRow("opt6(0)") << 6 << 0 << QStringLiteral("狭")
                                 << QStringLiteral("的中範囲を円内にします");
        QTest::newRow("opt6(1)") << 6 << 1 << QStringLiteral("中")
                                 << QStringLiteral("的中範囲をやや広くします");
        QTest::newRow("opt6(2)") << 6 << 2 << QStringLiteral("広")
                                 << QStringLiteral("的中範囲を広くします");
    }
    void optionButtonsAreNamedByTheLabelAboveThem() {
        QFETCH(int, group);
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, description);
        TestBoard board;
        ui::OptionButton& button = group == 1 ? board->opt1[index] : board->opt6[index];
        QVERIFY(button.radio()->text().isEmpty()); // no caption of its own
        QCOMPARE(button.accessibleName(), name);
        QCOMPARE(spokenName(button.widget()), name);
        QCOMPARE(spokenDescription(button.widget()), description);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button.widget());
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::RadioButton);
    }

    void theNextNumberLabelsAreNamedByTheirTooltipUntilTheyShowANumber() {
        TestBoard board;
        const QString tip = QStringLiteral("次にクリックする数字");
        QCOMPARE(board->lbl1[1].caption(), QString());
        QCOMPARE(spokenName(board->lbl1[1].widget()), tip);

        board.clickBoard(3000, 3000); // starts a game: 20 is due
        QCOMPARE(board->lbl1[1].caption(), QStringLiteral("20"));
        QCOMPARE(spokenName(board->lbl1[1].widget()), QStringLiteral("20"));
        QCOMPARE(spokenName(board->lbl1[0].widget()), QStringLiteral("次-"));
        QCOMPARE(spokenDescription(board->lbl1[1].widget()), tip);

        board->cmdStp.click(); // the reset empties the pair again
        QCOMPARE(board->lbl1[1].caption(), QString());
        QCOMPARE(spokenName(board->lbl1[1].widget()), tip);
    }

    void aCommandButtonIsNamedByItsCaptionAndDescribedByItsTooltip() {
        TestBoard board;
        QCOMPARE(spokenName(board->cmdOto.widget()), QStringLiteral("音"));
        QCOMPARE(spokenDescription(board->cmdOto.widget()),
                 QStringLiteral("正解の時の音を止めます"));
        board->cmdOto.click(); // the tooltip changes, the name stays
        QCOMPARE(spokenName(board->cmdOto.widget()), QStringLiteral("音"));
        QCOMPARE(spokenDescription(board->cmdOto.widget()),
                 QStringLiteral("音の出･消を切替えます"));
        QCOMPARE(spokenName(board->txt1.widget()), QStringLiteral("名前を入れて下さい"));
    }
};

JUNBAN_TEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
