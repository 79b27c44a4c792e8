#include "formfixture.h"
#include "mainwindow/gridkeys.h"
#include "gamedata/runeinfo.h"

#include <QLineEdit>
#include <QPushButton>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

class GridTest : public WindowTest
{
protected:
    void SetUp() override
    {
        form = openShown();
        window = form->windowHandle();
    }

    QList<PanelLine> lines() const { return form->controls().Picture1->text().lines(); }
    QRect frame() const { return form->controls().Shape1->geometry(); }
    static QRect frameAround(int index) { return toPixels(grid::frameAround(grid::pictureRect(index))); }

    QWindow *window = nullptr;
};

} // namespace

// In hover mode, the mode without a rune.dat, pointing at a picture or its
// label shows the rune, and presses edit counts, which the panel shows at once.
TEST_F(GridTest, hoverShowsThePointedRuneAndPressesEditIt)
{
    form.reset();
    writeFile("save/rune1.sav", "0\r\n0\r\n0\r\n4\r\n2147483647\r\n6\r\n");
    SetUp();
    // Presses on the event areas themselves, with no pointer movement: a
    // count of a rune the panel does not show leaves the panel, a count of
    // the rune it shows is shown at once, in the layout it was shown in.
    click(ui().runeimg2[3]);
    EXPECT_EQ(lines(), firstRuneLines(RuneTable(), 0));
    click(ui().runeimg2[0]);
    EXPECT_EQ(lines(), firstRuneLines(RuneTable(), 1));
    EXPECT_EQ(count(3), 5);
    pointAt(pictureCentre(3));
    press(3, Qt::RightButton);
    EXPECT_EQ(lines(), runeInfoLines(RuneTable(), 3, 4));
    press(3, Qt::RightButton);
    EXPECT_EQ(count(3), 3);
    press(7, Qt::RightButton);
    EXPECT_EQ(count(7), 0);
    press(4, Qt::LeftButton);
    EXPECT_EQ(count(4), 2147483647);

    // Quick clicks count: the second press of a double-click adds one too,
    // and of a right double-click takes one off.
    QTest::mouseDClick(window, Qt::LeftButton, {}, pictureCentre(3));
    press(3);
    EXPECT_EQ(count(3), 6);
    QTest::mouseDClick(window, Qt::RightButton, {}, pictureCentre(3));
    EXPECT_EQ(count(3), 4);
    QTest::mouseDClick(window, Qt::LeftButton, {}, pictureCentre(3));
    EXPECT_EQ(lines(), runeInfoLines(RuneTable(), 3, 6));
    // A label click in hover mode neither edits nor asks, nor do the side
    // buttons of a mouse.
    QTest::mouseClick(window, Qt::LeftButton, {}, labelStrip(3));
    press(3, Qt::BackButton);
    press(3, Qt::ForwardButton);
    EXPECT_EQ(count(3), 6);
    EXPECT_TRUE(prompter.asked.isEmpty());

    // The middle button asks before it clears. Yes shows the 0 where the
    // panel shows the rune, and blanks the panel where it shows another.
    pointAt(pictureCentre(3));
    const QStringList shown = panel();
    prompter.answerYesNo(false);
    press(3, Qt::MiddleButton);
    EXPECT_EQ(count(3), 6);
    EXPECT_EQ(panel(), shown);
    prompter.answerYesNo(true);
    press(3, Qt::MiddleButton);
    EXPECT_EQ(count(3), 0);
    EXPECT_EQ(lines(), runeInfoLines(RuneTable(), 3, 0));
    prompter.answerYesNo(true);
    QTest::mouseClick(ui().runeimg2[4], Qt::MiddleButton);
    EXPECT_EQ(count(4), 0);
    EXPECT_TRUE(panel().isEmpty());
    EXPECT_EQ(frame(), frameAround(3));

    pointAt(pictureCentre(5));
    EXPECT_EQ(lines(), runeInfoLines(RuneTable(), 5, 6));
    EXPECT_EQ(frame(), frameAround(5));
    pointAt(pictureCentre(0));
    pointAt(labelStrip(5));
    EXPECT_EQ(lines(), runeInfoLines(RuneTable(), 5, 6));
    // Sur's frame stands 120 twips higher than its row's.
    pointAt(pictureCentre(28));
    EXPECT_EQ(frame(), toPixels({120, 3840, 660, 660}));
}

// On the grid, reached by Tab, the keys select, and edit where the mouse may.
// The focus is marked once the keyboard is used, never after a click alone.
// (Its place in the focus order: BandTest.tabPassesOverTheClosedBand.) Each
// mode lets keys and clicks edit or only select.
TEST_F(GridTest, keysAndClicksSelectAndEditAsTheModeAllows)
{
    const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    // A white dot of the focus mark, in the margin left of the framed picture.
    const auto focusMarked = [&] {
        const QImage image = form->grab().toImage();
        for (int y = frame().top() + 3; y < frame().bottom() - 3; ++y) {
            if (image.pixelColor(frame().left() + 3, y) == QColor(Qt::white))
                return true;
        }
        return false;
    };
    EXPECT_FALSE(focusMarked());
    ui().Text1->setFocus();
    key(Qt::Key_Tab);
    EXPECT_TRUE(focusMarked());

    key(Qt::Key_Right);
    key(Qt::Key_Down);
    EXPECT_EQ(lines(), runeInfoLines(RuneTable(), 8, 0));
    EXPECT_EQ(frame(), frameAround(8));
    EXPECT_TRUE(focusMarked());
    key(Qt::Key_Plus);
    key(Qt::Key_Plus);
    key(Qt::Key_Minus);
    EXPECT_EQ(count(8), 1);
    EXPECT_EQ(lines(), runeInfoLines(RuneTable(), 8, 1));
    prompter.answerYesNo(false);
    key(Qt::Key_Delete);
    EXPECT_EQ(count(8), 1);
    prompter.answerYesNo(true);
    key(Qt::Key_Delete);
    EXPECT_EQ(count(8), 0);
    EXPECT_EQ(lines(), runeInfoLines(RuneTable(), 8, 0));
    ASSERT_EQ(prompter.asked.size(), 2);
    EXPECT_EQ(prompter.asked[0].prompt, u"Clear?"_s);

    setRuneElect("2");
    key(Qt::Key_Plus);
    key(Qt::Key_Delete);
    key(Qt::Key_End);
    EXPECT_EQ(count(8), 0);
    EXPECT_EQ(frame(), frameAround(13));
    ui().Command3->setFocus();

    // A click takes the focus without a mark, until a key is pressed.
    press(20);
    EXPECT_EQ(QApplication::focusWidget(), ui().Grid1);
    EXPECT_EQ(frame(), frameAround(20));
    EXPECT_FALSE(focusMarked());
    key(Qt::Key_Left);
    EXPECT_EQ(frame(), frameAround(19));
    EXPECT_TRUE(focusMarked());

    // Click mode selects, and edits on a double-click and a right release;
    // other mode numbers only select.
    setRuneElect("1");
    const QStringList start = panel();
    pointAt(pictureCentre(20));
    EXPECT_EQ(panel(), start); // pointing does nothing
    press(20);
    EXPECT_EQ(lines(), runeInfoLines(RuneTable(), 20, 0));
    EXPECT_EQ(frame(), frameAround(20));
    QTest::mouseDClick(window, Qt::LeftButton, {}, pictureCentre(20));
    EXPECT_EQ(count(20), 1);
    EXPECT_EQ(lines(), runeInfoLines(RuneTable(), 20, 1));

    // Right press selects, the release takes one off and shows it; only the
    // left button double-clicks, so a quick right double-click takes off two.
    press(20, Qt::RightButton);
    EXPECT_EQ(count(20), 0);
    EXPECT_EQ(lines(), runeInfoLines(RuneTable(), 20, 0));
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        QTest::mouseDClick(window, button, {}, pictureCentre(20));
    EXPECT_EQ(count(20), 0);

    QTest::mouseClick(window, Qt::LeftButton, {}, labelStrip(5));
    EXPECT_EQ(panel().at(1), QStringLiteral("  Name  : Ith"));
    press(20, Qt::MiddleButton);
    EXPECT_EQ(panel().at(1), QStringLiteral("  Name  : Pul"));

    // Numbers other than 0 and 1 only select, from the next event on.
    QTest::mouseDClick(window, Qt::LeftButton, {}, pictureCentre(12));
    setRuneElect("2");
    press(12, Qt::RightButton);
    QTest::mouseDClick(window, Qt::LeftButton, {}, pictureCentre(12));
    press(12, Qt::MiddleButton);
    EXPECT_EQ(count(12), 1);
    EXPECT_EQ(panel().at(1), QStringLiteral("  Name  : Shae"));
    pointAt(pictureCentre(0));
    EXPECT_EQ(panel().at(1), QStringLiteral("  Name  : Shae"));
    EXPECT_EQ(prompter.asked.size(), 2);

    // Arrows stop at the grid's edges, and the short last row has nothing
    // below Ohm and Lo.
    const std::tuple<int, GridKey, int> moves[] = {
        {0, GridKey::Left, 0},     {6, GridKey::Right, 6},     {7, GridKey::Left, 7},   {6, GridKey::Left, 5},
        {3, GridKey::Up, 3},       {21, GridKey::Down, 28},    {25, GridKey::Down, 32}, {26, GridKey::Down, 26},
        {28, GridKey::Up, 21},     {32, GridKey::Right, 32},   {30, GridKey::RowEnd, 32}, {10, GridKey::RowStart, 7},
        {10, GridKey::RowEnd, 13}, {10, GridKey::First, 0},    {10, GridKey::Last, 32}, {10, GridKey::Plus, 10},
    };
    for (const auto &[from, key, to] : moves)
        EXPECT_EQ(gridStep(from, key), to) << from << " key " << int(key);

    // Click mode; hover and select-only mode above.
    EXPECT_EQ(gridKeyAction(GridKey::Plus, InteractionMode::Click), GridAction::AddOne);
    EXPECT_EQ(gridKeyAction(GridKey::Minus, InteractionMode::Click), GridAction::TakeOneOff);
    EXPECT_EQ(gridKey(Qt::Key_Home, Qt::ControlModifier), GridKey::First);
    EXPECT_EQ(gridKey(Qt::Key_Left, Qt::AltModifier), std::nullopt);
}
