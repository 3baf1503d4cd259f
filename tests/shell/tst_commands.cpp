// The colour and sound commands of the board window, clicked as a player
// does, with the colour dialog answered by the fake picker.

#include "support/board.h"
#include "support/testmain.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using testing::TestBoard;
using ui::Colour;
using ui::DrawItem;
using ui::RGB;

namespace {

constexpr Colour White = RGB(255, 255, 255);
constexpr Colour Red = RGB(255, 0, 0);

// Every colour of the board window's controls, by control name: the stored
// value and, where the player can see it, what the widget's palette shows
// (labels paint no background, frames and option buttons show no text).
struct Look {
    QString name;
    Colour fore;
    Colour back;
    QColor shownFore;
    QColor shownBack;
    bool operator==(const Look&) const = default;
};

std::vector<Look> lookOf(TestBoard& t) {
    std::vector<Look> out;
    enum Shows { Text = 1, Background = 2 };
    const auto add = [&out](const QString& name, const ui::Control& c, int shows,
                            QPalette::ColorRole fg = QPalette::WindowText,
                            QPalette::ColorRole bg = QPalette::Window) {
        const QPalette pal = c.widget()->palette();
        out.push_back({name, c.foreColor(), c.backColor(),
                       (shows & Text) ? pal.color(fg) : QColor(),
                       (shows & Background) ? pal.color(bg) : QColor()});
    };
    out.push_back({"frm1", t->form().foreColor(), t->form().backColor(), {}, {}});
    add("fra0", t->fra0, Background);
    for (int i = 0; i < 3; ++i)
        add(QStringLiteral("fra1(%1)").arg(i), t->fra1[i], Background);
    for (int i = 0; i < 14; ++i)
        add(QStringLiteral("opt1(%1)").arg(i), t->opt1[i], Background);
    for (int i = 0; i < 3; ++i)
        add(QStringLiteral("opt6(%1)").arg(i), t->opt6[i], Background);
    for (int i = 0; i < 2; ++i)
        add(QStringLiteral("lbl1(%1)").arg(i), t->lbl1[i], Text);
    for (int i = 0; i < 14; ++i)
        add(QStringLiteral("lbl2(%1)").arg(i), t->lbl2[i], Text);
    for (int i = 0; i < 2; ++i)
        add(QStringLiteral("lbl3(%1)").arg(i), t->lbl3[i], Text);
    add("lbl4", t->lbl4, Text);
    add("lbl5", t->lbl5, Text);
    for (int i = 0; i < 3; ++i)
        add(QStringLiteral("lbl6(%1)").arg(i), t->lbl6[i], Text);
    add("lblT", t->lblT, Text);
    add("txt1", t->txt1, Text | Background, QPalette::Text, QPalette::Base);
    const std::vector<std::pair<QString, const ui::CommandButton*>> buttons = {
        {"cmdStp", &t->cmdStp}, {"cmdCol1", &t->cmdCol1}, {"cmdCol2", &t->cmdCol2},
        {"cmdOto", &t->cmdOto}, {"cmdHyou", &t->cmdHyou}, {"cmdEnd", &t->cmdEnd}};
    for (const auto& [name, b] : buttons)
        add(name, *b, Text | Background, QPalette::ButtonText, QPalette::Button);
    return out;
}

QStringList textColourControls() {
    QStringList names = {"frm1",    "fra0",    "fra1(0)", "fra1(1)", "fra1(2)",
                         "lbl1(0)", "lbl1(1)", "lbl3(0)", "lbl3(1)", "lbl4"};
    for (int i = 0; i < 14; ++i)
        names << QStringLiteral("lbl2(%1)").arg(i);
    for (int i = 0; i < 3; ++i)
        names << QStringLiteral("lbl6(%1)").arg(i);
    return names;
}

QStringList backgroundControls() {
    QStringList names = {"frm1", "fra0", "fra1(0)", "fra1(1)", "fra1(2)"};
    for (int i = 0; i < 14; ++i)
        names << QStringLiteral("opt1(%1)").arg(i);
    for (int i = 0; i < 3; ++i)
        names << QStringLiteral("opt6(%1)").arg(i);
    return names;
}

ui::CommandButton& colourButton(TestBoard& t, int which) {
    return which == 1 ? t->cmdCol1 : t->cmdCol2;
}

void chooseColour(TestBoard& t, int which, std::optional<Colour> answer) {
    t.fakes.colorPicker.answers.push_back(answer);
    QTest::mouseClick(colourButton(t, which).button(), Qt::LeftButton);
}

std::vector<DrawItem> itemsOf(TestBoard& t, DrawItem::Kind kind) {
    std::vector<DrawItem> out;
    for (const DrawItem& i : t->board().items())
        if (i.kind == kind)
            out.push_back(i);
    return out;
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
        // The next use still opens on the colour chosen last.
        chooseColour(t, 2, RGB(40, 50, 60));
        QCOMPARE(t.fakes.colorPicker.lastInitial, first);
        chooseColour(t, 1, std::nullopt);
        QCOMPARE(t.fakes.colorPicker.lastInitial, RGB(40, 50, 60));
        QCOMPARE(t.fakes.colorPicker.shown, 5);
    }

    void aChosenColourRecoloursExactlyItsControls_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QStringList>("recoloured");
        QTest::newRow("text colour") << 1 << textColourControls();
        QTest::newRow("background colour") << 2 << backgroundControls();
    }
    void aChosenColourRecoloursExactlyItsControls() {
        QFETCH(int, which);
        QFETCH(QStringList, recoloured);
        TestBoard t;
        const std::vector<Look> before = lookOf(t);
        const Colour chosen = RGB(12, 34, 200);
        chooseColour(t, which, chosen);
        QCOMPARE(which == 1 ? t->Mojicolr : t->Haicolr, chosen);
        const std::vector<Look> after = lookOf(t);
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            Look expected = before[i];
            if (recoloured.contains(expected.name)) {
                (which == 1 ? expected.fore : expected.back) = chosen;
                QColor& shown = which == 1 ? expected.shownFore : expected.shownBack;
                if (shown.isValid())
                    shown = ui::toQColor(chosen);
            }
            QVERIFY2(after[i] == expected, qPrintable(expected.name));
        }
    }

    void aNewBackgroundShowsOnTheBoardAndTheCommandBar() {
        TestBoard t;
        const Colour chosen = RGB(10, 20, 200);
        chooseColour(t, 2, chosen);
        QCoreApplication::processEvents();
        const QImage board = t->form().grab().toImage();
        QCOMPARE(board.pixelColor(board.width() / 2, board.height() - 5), ui::toQColor(chosen));
        const QImage bar = t->fra0.widget()->grab().toImage();
        const QPoint empty = TestBoard::pixelAt(5000, 45);
        QCOMPARE(bar.pixelColor(empty), ui::toQColor(chosen));
    }

    void aBackgroundChangeDuringAGameClearsTheBoardAndTheGameGoesOn() {
        TestBoard t;
        t.clickBoard(1200, 1500);
        t.clickDue();
        QCOMPARE(t->c, 1);
        const int dueX = t->posX[t->s1 + 1], dueY = t->posY[t->s1 + 1];
        const int beeps = t.fakes.beeper.beeps;
        chooseColour(t, 2, RGB(200, 200, 255));
        QCOMPARE(t->board().items().size(), std::size_t(0));
        QVERIFY(t->swthT);
        QVERIFY(t->tmr1.running());
        QCOMPARE(t->c, 1);
        // The numbers are gone, but the next click is tested where they were.
        t.clickBoard(dueX, dueY);
        QCOMPARE(t->c, 2);
        QCOMPARE(t.fakes.beeper.beeps, beeps + 1);
    }

    void aTextColourDuringAGameRecoloursTheNextDrawing() {
        TestBoard t;
        t.clickBoard(1200, 1500);
        const Colour chosen = RGB(90, 0, 90);
        chooseColour(t, 1, chosen);
        QCOMPARE(t->lbl1[1].foreColor(), chosen);
        const std::vector<DrawItem> old = itemsOf(t, DrawItem::Kind::Text);
        QVERIFY(!old.empty());
        for (const DrawItem& i : old)
            QCOMPARE(i.colour, RGB(0, 0, 192)); // drawn before the change
        t.clickDue();
        const std::vector<DrawItem> fresh = itemsOf(t, DrawItem::Kind::Text);
        QCOMPARE(fresh.size(), std::size_t(t->s2 + 1));
        for (const DrawItem& i : fresh)
            QCOMPARE(i.colour, chosen);
        // The hit gives the next-number labels their hit colour again.
        QCOMPARE(t->lbl1[1].foreColor(), Red);
    }

    void theBackgroundChoosesTheColourOfTheMarks_data() {
        QTest::addColumn<Colour>("background");
        QTest::addColumn<Colour>("marks");
        QTest::newRow("RGB(255,128,128)") << RGB(255, 128, 128) << White;
        QTest::newRow("RGB(128,128,255)") << RGB(128, 128, 255) << Red;
    }
    void theBackgroundChoosesTheColourOfTheMarks() {
        QFETCH(Colour, background);
        QFETCH(Colour, marks);
        TestBoard t;
        chooseColour(t, 2, background);
        t.clickBoard(1200, 1500);
        t.clickMiss();
        bool sawMiss = false;
        for (const DrawItem& i : itemsOf(t, DrawItem::Kind::Text)) {
            if (i.text == QStringLiteral("はずれ")) {
                QCOMPARE(i.colour, marks);
                sawMiss = true;
            }
        }
        QVERIFY(sawMiss);
        t.clickDue();
        const std::vector<DrawItem> strokes = itemsOf(t, DrawItem::Kind::Line);
        QCOMPARE(strokes.size(), std::size_t(5)); // the K and the exclamation mark
        for (const DrawItem& i : strokes)
            QCOMPARE(i.colour, marks);
    }

    void theSoundButtonSwitchesTheHitBeep_data() {
        QTest::addColumn<int>("soundClicks");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("tip");
        QTest::newRow("not clicked") << 0 << 1 << QStringLiteral("正解の時の音を止めます");
        QTest::newRow("clicked once") << 1 << 0 << QStringLiteral("音の出･消を切替えます");
        QTest::newRow("clicked twice") << 2 << 1 << QStringLiteral("音の出･消を切替えます");
        QTest::newRow("clicked three times") << 3 << 0 << QStringLiteral("音の出･消を切替えます");
    }
    void theSoundButtonSwitchesTheHitBeep() {
        QFETCH(int, soundClicks);
        QFETCH(int, beeps);
        QFETCH(QString, tip);
        TestBoard t;
        for (int n = 0; n < soundClicks; ++n)
            QTest::mouseClick(t->cmdOto.button(), Qt::LeftButton);
        QCOMPARE(t->cmdOto.toolTipText(), tip);
        QCOMPARE(t->swthOto, beeps == 1);
        t.clickBoard(1200, 1500);
        t.clickMiss();
        QCOMPARE(t.fakes.beeper.beeps, 0); // neither the start click nor a miss beeps
        t.clickDue();
        QCOMPARE(t->c, 1);
        QCOMPARE(t.fakes.beeper.beeps, beeps);
    }
};

JUNBAN_TEST_MAIN(CommandsTest)
#include "tst_commands.moc"
