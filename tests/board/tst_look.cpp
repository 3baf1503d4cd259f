// SPDX-License-Identifier: GPL-3.0-or-later

// The controls' look, read from their pixels, and the keyboard in the option groups.

#include "design.h"
#include "results/frm2.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QColorDialog>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;
using testing::TestBoard;

class LookTest : public QObject {
    Q_OBJECT
private slots:
    // One flat fill of the face colour in a light top-left, dark bottom-right edge.
    void commandButtonFacesAreFlatTheirBackColourWithABevel() {
        TestBoard t;
        t->cmdHyou.click();
        for (const ui::CommandButton* b : {&t->cmdStp, &t->cmdEnd, &t->frm2()->cmdTojir}) {
            const QImage face = b->widget()->grab().toImage();
            QCOMPARE(face.pixelColor(face.width() / 2, 2), ui::toQColor(design::ButtonFace));
            QCOMPARE(face.pixelColor(0, 0), QColor(Qt::white));
            QVERIFY(face.pixelColor(face.width() - 1, face.height() - 1).lightness() < 100);
        }
    }

    void optionButtonsShowTheirBackColourToTheCorners() {
        TestBoard t;
        const QImage before = t->opt1[13].widget()->grab().toImage();
        QCOMPARE(before.pixelColor(0, 0), ui::toQColor(design::Pale));
        t.fakes.colorPicker.answers.push_back(ui::RGB(255, 0, 0));
        t->cmdCol2.click();
        const QImage after = t->opt6[2].widget()->grab().toImage();
        QCOMPARE(after.pixelColor(after.width() - 1, after.height() - 1), QColor(Qt::red));
    }

    // What the bar shows from left to right, the selected options marked.
    void theCommandBarReadsLeftToRightAsDesigned() {
        TestBoard t;
        QList<std::tuple<int, int, QString>> shown;
        for (QWidget* w : t->fra0.widget()->findChildren<QWidget*>()) {
            const QPoint at = w->mapTo(&t->form(), QPoint(0, 0));
            if (auto* l = qobject_cast<QLabel*>(w))
                shown.append({at.x(), at.y(), l->text().isEmpty() ? u"_"_s : l->text()});
            else if (auto* r = qobject_cast<QRadioButton*>(w))
                shown.append({at.x(), at.y(), r->isChecked() ? u"(*)"_s : u"()"_s});
            else if (auto* b = qobject_cast<QPushButton*>(w))
                shown.append({at.x(), at.y(), b->text()});
            else if (auto* e = qobject_cast<QLineEdit*>(w))
                shown.append({at.x(), at.y(), e->text()});
        }
        std::sort(shown.begin(), shown.end());
        QStringList texts;
        for (const auto& s : shown)
            texts << std::get<2>(s);
        QCOMPARE(texts.join(u' '), u"0:00:00 中止 _ _ 0 () 10 () 20 (*) 30 () 40 () 50 () 60 () "
                                   u"70 () 80 () から 10 (*) 20 () 30 () 40 () 50 () 個 狭 (*) "
                                   u"中 () 広 () 字色 地 音 無名 成績 終り"_s);
        // Twips round to the nearest pixel, edge by edge.
        QCOMPARE(t->cmdCol1.widget()->geometry(), QRect(553, 9, 33, 20));
    }

    // Tab visits each control of the bar in the designed order, and each
    // option group once, on its selected button; the arrows select round
    // the enabled buttons of a group.
    void theKeyboardGoesRoundTheBarAndArrowsSkipDisabledOptions() {
        TestBoard t;
        QVERIFY(QTest::qWaitForWindowActive(&t->form()));
        t->cmdEnd.setFocus();
        const auto press = [](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key);
        };
        QStringList order;
        for (int i = 0; i < 10; ++i) {
            press(Qt::Key_Tab);
            order << QApplication::focusWidget()->accessibleName();
        }
        QCOMPARE(order.join(u' '), u"10 中止 地 音 字色 成績 名前を入れて下さい 狭 20 終り"_s);
        press(Qt::Key_Tab); // the count group, on its selected 10
        for (auto [key, selected, s2] :
             {std::tuple{Qt::Key_Left, 13, 49}, {Qt::Key_Up, 12, 39}, {Qt::Key_Left, 11, 29}}) {
            press(key);
            QVERIFY(t->opt1[selected].hasFocus() && t->opt1[selected].value());
            QCOMPARE(t->s2, s2);
        }
        // The count 30 has disabled the start 80: the arrows pass it by.
        t->opt1[7].setFocus();
        for (auto [key, selected, s1] : {std::tuple{Qt::Key_Right, 0, 0}, {Qt::Key_Left, 7, 70}}) {
            press(key);
            QVERIFY(t->opt1[selected].hasFocus() && t->opt1[selected].value());
            QCOMPARE(t->s1, s1);
        }
        press(Qt::Key_Tab);
        press(Qt::Key_Backtab);
        QVERIFY(t->opt1[7].hasFocus());
    }

    void qtsOwnTextsAreJapanese() {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm"))
            QSKIP("Qt's Japanese translation is not installed");
        QCOMPARE(QColorDialog().windowTitle(), QStringLiteral("色を選択"));
    }
};

JUNBAN_TEST_MAIN(LookTest)
#include "tst_look.moc"
