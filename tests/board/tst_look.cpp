// SPDX-License-Identifier: GPL-3.0-or-later

// The controls' look, read from their pixels, and the keyboard in the option groups.

#include "design.h"
#include "results/frm2.h"
#include "results/rangeoptions.h"
#include "support/board.h"
#include "support/testmain.h"

#include <QColorDialog>
#include <QFile>
#include <QLibraryInfo>

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

    // One stop per group, on its selected button; arrows select round the group.
    void tabStopsOnTheSelectedOptionAndArrowsClickWithinItsGroup() {
        TestBoard t;
        QVERIFY(QTest::qWaitForWindowActive(&t->form()));
        t->cmdEnd.setFocus();
        const auto press = [](Qt::Key key) {
            QTest::keyClick(QApplication::focusWidget(), key);
        };
        press(Qt::Key_Tab);
        QVERIFY(t->opt1[9].hasFocus());
        press(Qt::Key_Right);
        QVERIFY(t->opt1[10].hasFocus() && t->opt1[10].value());
        QCOMPARE(t->s2, results::spanOf(10));
        press(Qt::Key_Up);
        press(Qt::Key_Left);
        QVERIFY(t->opt1[13].hasFocus() && t->opt1[13].value());
        QCOMPARE(t->s2, results::spanOf(13));
        press(Qt::Key_Tab);
        press(Qt::Key_Backtab);
        QVERIFY(t->opt1[13].hasFocus());
    }

    void theResultsTextBoxStartsFromTheOuterSize() {
        TestBoard t;
        t->cmdHyou.click();
        results::Frm2& frm2 = *t->frm2();
        QCOMPARE(frm2.txt2.width(), frm2.form().outerWidth() - 750);
        QCOMPARE(frm2.txt2.height(), frm2.form().outerHeight() - 1500);
    }

    void qtsOwnTextsAreJapanese() {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm"))
            QSKIP("Qt's Japanese translation is not installed");
        QCOMPARE(QColorDialog().windowTitle(), QStringLiteral("色を選択"));
    }
};

JUNBAN_TEST_MAIN(LookTest)
#include "tst_look.moc"
