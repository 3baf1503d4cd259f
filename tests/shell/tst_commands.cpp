// The colour and sound commands of the board window, clicked as a player
// does, with the colour dialog answered by the fake picker.

#include "engine/gameplay.h"
#include "support/testmain.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace gameplay;
using testing::TestBoard;
using ui::Colour;
using ui::RGB;

namespace {

// Every colour of the board window's controls, by control name: the stored
// value and, where the player can see it, what the widget's palette shows
// (labels paint no background, frames and option buttons show no text).
struct Look {
    QString name;
    Colour fore, back;
    QColor shownFore, shownBack;
    bool operator==(const Look&) const = default;
};

std::vector<Look> lookOf(TestBoard& t) {
    std::vector<Look> out = {{"frm1", t->form().foreColor(), t->form().backColor(), {}, {}}};
    enum Shows { Text = 1, Background = 2 };
    const auto add = [&out](const QString& name, const ui::Control& c, int shows,
                            QPalette::ColorRole fg = QPalette::WindowText,
                            QPalette::ColorRole bg = QPalette::Window) {
        const QPalette pal = c.widget()->palette();
        out.push_back({name, c.foreColor(), c.backColor(),
                       (shows & Text) ? pal.color(fg) : QColor(),
                       (shows & Background) ? pal.color(bg) : QColor()});
    };
    const auto addAll = [&add](const char* name, const auto& controls, int shows) {
        for (std::size_t i = 0; i < controls.size(); ++i)
            add(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i), controls[i], shows);
    };
    add("fra0", t->fra0, Background);
    addAll("fra1", t->fra1, Background);
    addAll("opt1", t->opt1, Background);
    addAll("opt6", t->opt6, Background);
    addAll("lbl1", t->lbl1, Text);
    addAll("lbl2", t->lbl2, Text);
    addAll("lbl3", t->lbl3, Text);
    add("lbl4", t->lbl4, Text);
    add("lbl5", t->lbl5, Text);
    addAll("lbl6", t->lbl6, Text);
    add("lblT", t->lblT, Text);
    add("txt1", t->txt1, Text | Background, QPalette::Text, QPalette::Base);
    int n = 0; // cmdStp, cmdCol1, cmdCol2, cmdOto, cmdHyou, cmdEnd
    for (const ui::CommandButton* b :
         {&t->cmdStp, &t->cmdCol1, &t->cmdCol2, &t->cmdOto, &t->cmdHyou, &t->cmdEnd})
        add(QStringLiteral("cmd(%1)").arg(n++), *b, Text | Background, QPalette::ButtonText,
            QPalette::Button);
    return out;
}

void chooseColour(TestBoard& t, int which, std::optional<Colour> answer) {
    t.fakes.colorPicker.answers.push_back(answer);
    QTest::mouseClick((which == 1 ? t->cmdCol1 : t->cmdCol2).button(), Qt::LeftButton);
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void aCancelledColourDialogChangesNothing() {
        TestBoard t;
        const Colour first = RGB(10, 20, 30);
        chooseColour(t, 1, first);
        QCOMPARE(t.fakes.colorPicker.lastInitial, White); // the dialog's first colour
        const std::vector<Look> before = lookOf(t);
        const Colour moji = t->Mojicolr, hai = t->Haicolr;
        for (int which : {2, 1}) {
            chooseColour(t, which, std::nullopt);
            QCOMPARE(t.fakes.colorPicker.lastInitial, first);
            QVERIFY(lookOf(t) == before);
            QCOMPARE(t->Mojicolr, moji);
            QCOMPARE(t->Haicolr, hai);
        }
        // Either command opens on the colour chosen last by either.
        chooseColour(t, 2, RGB(40, 50, 60));
        QCOMPARE(t.fakes.colorPicker.lastInitial, first);
        chooseColour(t, 1, std::nullopt);
        QCOMPARE(t.fakes.colorPicker.lastInitial, RGB(40, 50, 60));
    }

    void aChosenColourRecoloursExactlyItsControls_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QRegularExpression>("recoloured");
        QTest::newRow("text colour") << 1 << QRegularExpression("^(frm1|fra|lbl[1-46])");
        QTest::newRow("background colour") << 2 << QRegularExpression("^(frm1|fra|opt)");
    }
    void aChosenColourRecoloursExactlyItsControls() {
        QFETCH(int, which);
        QFETCH(QRegularExpression, recoloured);
        TestBoard t;
        const std::vector<Look> before = lookOf(t);
        const Colour chosen = RGB(12, 34, 200);
        chooseColour(t, which, chosen);
        QCOMPARE(which == 1 ? t->Mojicolr : t->Haicolr, chosen);
        const std::vector<Look> after = lookOf(t);
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            Look expected = before[i];
            if (recoloured.match(expected.name).hasMatch()) {
                (which == 1 ? expected.fore : expected.back) = chosen;
                QColor& shown = which == 1 ? expected.shownFore : expected.shownBack;
                if (shown.isValid())
                    shown = ui::toQColor(chosen);
            }
            QVERIFY2(after[i] == expected, qPrintable(expected.name));
        }
    }

    void aBackgroundChangeDuringAGameClearsTheBoardAndTheGameGoesOn() {
        TestBoard t;
        t.clickBoard(1200, 1500);
        t.clickDue();
        const int dueX = t->posX[t->s1 + 1], dueY = t->posY[t->s1 + 1];
        chooseColour(t, 2, RGB(255, 128, 128));
        QVERIFY(t->board().items().empty());
        QVERIFY(t->swthT);
        QVERIFY(t->tmr1.running());
        // The numbers are gone, but the next click is tested where they were.
        t.clickBoard(dueX, dueY);
        QCOMPARE(t->c, 2);
        QCOMPARE(t.fakes.beeper.beeps, 2);
        // On this pink board the hit and miss marks are white.
        const std::vector<DrawItem> strokes = itemsOf(t, DrawItem::Kind::Line);
        QCOMPARE(strokes.size(), std::size_t(5)); // the K and the exclamation mark
        for (const DrawItem& i : strokes)
            QCOMPARE(i.colour, White);
        t.clickMiss();
        const std::vector<DrawItem> words = itemsOf(t, DrawItem::Kind::Text);
        QCOMPARE(words.front().text, QStringLiteral("はずれ"));
        QCOMPARE(words.front().colour, White);
    }

    void aTextColourDuringAGameRecoloursTheNextDrawing() {
        TestBoard t;
        t.clickBoard(1200, 1500);
        const Colour chosen = RGB(90, 0, 90);
        chooseColour(t, 1, chosen);
        QCOMPARE(t->lbl1[1].foreColor(), chosen);
        for (const DrawItem& i : itemsOf(t, DrawItem::Kind::Text))
            QCOMPARE(i.colour, Blue); // drawn before the change
        t.clickDue();
        const std::vector<DrawItem> fresh = itemsOf(t, DrawItem::Kind::Text);
        QCOMPARE(fresh.size(), std::size_t(t->s2 + 1));
        for (const DrawItem& i : fresh)
            QCOMPARE(i.colour, chosen);
        // The hit gives the next-number labels their hit colour again.
        QCOMPARE(t->lbl1[1].foreColor(), Red);
    }

    void theSoundButtonSwitchesTheHitBeep_data() {
        QTest::addColumn<int>("soundClicks");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("tip");
        QTest::newRow("not clicked") << 0 << 1 << QStringLiteral("正解の時の音を止めます");
        QTest::newRow("clicked once") << 1 << 0 << QStringLiteral("音の出･消を切替えます");
        QTest::newRow("clicked twice") << 2 << 1 << QStringLiteral("音の出･消を切替えます");
    }
    void theSoundButtonSwitchesTheHitBeep() {
        QFETCH(int, soundClicks);
        QFETCH(int, beeps);
        QFETCH(QString, tip);
        TestBoard t;
        for (int n = 0; n < soundClicks; ++n)
            QTest::mouseClick(t->cmdOto.button(), Qt::LeftButton);
        QCOMPARE(t->cmdOto.toolTipText(), tip);
        t.clickBoard(1200, 1500);
        t.clickDue();
        QCOMPARE(t->c, 1);
        QCOMPARE(t.fakes.beeper.beeps, beeps);
    }
};

JUNBAN_TEST_MAIN(CommandsTest)
#include "tst_commands.moc"
