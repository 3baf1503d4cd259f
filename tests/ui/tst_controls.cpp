#include "support/fakes.h"
#include "support/testmain.h"
#include "ui/controls.h"
#include "ui/fonts.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

using ui::RGB;

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void multiLineTextReadsAndWritesCrLf() {
        QWidget parent;
        ui::TextBox box;
        box.create(&parent, true);
        const QString text = QStringLiteral("\r\n1,(無名)\r\n\r\nメモ");
        box.setText(text);
        QCOMPARE(box.textEdit()->toPlainText(), QStringLiteral("\n1,(無名)\n\nメモ"));
        QCOMPARE(box.text(), text);
        box.setSelStart(0);
        box.setSelLength(int(text.size()));
        QCOMPARE(box.selStart(), 0);
        QCOMPARE(box.selLength(), int(text.size()));
        QCOMPARE(box.textEdit()->textCursor().selectedText().size(), text.size() - 3);
    }

    void singleLineBoxTurnsPastedLineBreaksIntoBlanks_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("held");
        QTest::newRow("CR LF") << QStringLiteral("太郎\r\n花子") << QStringLiteral("太郎 花子");
        QTest::newRow("LF") << QStringLiteral("a\nb\nc") << QStringLiteral("a b c");
        QTest::newRow("CR") << QStringLiteral("a\rb") << QStringLiteral("a b");
    }
    void singleLineBoxTurnsPastedLineBreaksIntoBlanks() {
        QFETCH(QString, pasted);
        QFETCH(QString, held);
        QWidget parent;
        ui::TextBox box;
        box.create(&parent, false);
        QGuiApplication::clipboard()->setText(pasted);
        box.lineEdit()->paste();
        QCOMPARE(box.text(), held);
        box.setText(pasted);
        QCOMPARE(box.text(), held);
    }

    void aLabelShowsEachCrLfPieceAsALineAndGrowsToShowThemAll() {
        QWidget parent;
        ui::Label label;
        label.create(&parent, ui::Label::Align::Centre);
        label.setFont({ui::PGothic, 16.8, false, false});
        label.setGeometry(3600, 960, 5052, 972);
        label.setGrowsToFit(true);
        const QString threeLines =
            QStringLiteral("数字 ＝ 10 個\r\n所要時間 ＝ 1分 05秒\r\n正解率 ＝ 91 ％ (10/11)");
        label.setCaption(threeLines);
        auto* shown = static_cast<QLabel*>(label.widget());
        QCOMPARE(shown->text().count(QLatin1Char('\n')), 2);
        QVERIFY(!shown->text().contains(QLatin1Char('\r')));
        QVERIFY(shown->height() >= shown->sizeHint().height());
        QVERIFY(shown->height() >= 3 * QFontMetrics(shown->font()).lineSpacing());
        QCOMPARE(label.height(), 972.0);
        label.setLeft(100);
        QVERIFY(shown->height() >= shown->sizeHint().height());
        label.setCaption(QStringLiteral("one line"));
        QCOMPARE(shown->height(), 65);
    }

    void optionButtonsOfOneContainerAreExclusiveAndCanBeCleared() {
        QWidget frame;
        std::array<ui::OptionButton, 3> options;
        for (auto& o : options)
            o.create(&frame);
        options[0].setValue(true);
        options[2].setValue(true);
        QVERIFY(!options[0].value());
        QVERIFY(options[2].value());
        options[2].setValue(false);
        for (const auto& o : options)
            QVERIFY(!o.value());
        int clicks = 0;
        options[1].onClick = [&clicks] {
            ++clicks;
        };
        options[1].radio()->click();
        QVERIFY(options[1].value());
        QCOMPARE(clicks, 1);
    }

    void geometryKeepsHalfTwipsAndRoundsOnlyForPixels() {
        QWidget parent;
        ui::Frame frame;
        frame.create(&parent, true);
        frame.setGeometry(5624.5, 0, 11568, 620);
        QCOMPARE(frame.left(), 5624.5);
        QCOMPARE(frame.widget()->geometry(), QRect(375, 0, 771, 41));
        frame.setLeft(-50);
        QCOMPARE(frame.left(), -50.0);
        QCOMPARE(frame.widget()->x(), -3);
    }

    void timerIntervalZeroStopsAndOtherValuesTick() {
        QObject owner;
        ui::Timer timer;
        timer.create(&owner);
        int ticks = 0;
        timer.onTimer = [&ticks] {
            ++ticks;
        };
        QVERIFY(!timer.running());
        timer.setInterval(20);
        QVERIFY(timer.running());
        QTRY_VERIFY(ticks >= 3);
        timer.setInterval(0);
        QVERIFY(!timer.running());
        const int stoppedAt = ticks;
        QCoreApplication::processEvents();
        QCOMPARE(ticks, stoppedAt);
    }

    void colourDialogReportsCancelAndKeepsItsColour() {
        testing::FakeColorPicker picker;
        ui::CommonDialog dialog;
        dialog.create(&picker, nullptr);
        dialog.setColor(RGB(1, 2, 3));
        dialog.setCancelError(true);
        dialog.setFlags(1);

        picker.answers = {std::nullopt};
        QVERIFY(!dialog.showColor());
        QCOMPARE(dialog.color(), RGB(1, 2, 3));
        QCOMPARE(picker.lastInitial, RGB(1, 2, 3));

        picker.answers = {RGB(255, 128, 128)};
        QVERIFY(dialog.showColor());
        QCOMPARE(dialog.color(), RGB(255, 128, 128));
    }
};

JUNBAN_TEST_MAIN(ControlsTest)
#include "tst_controls.moc"
