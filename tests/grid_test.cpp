#include "formfixture.h"

#include <QSignalSpy>

using namespace rcl;

namespace {

class GridTest : public WindowTest
{
protected:
    void SetUp() override
    {
        form = openShown();
        window = form->windowHandle();
    }

    QStringList panel() const { return form->controls().Picture1->text().texts(); }
    QRect frame() const { return form->controls().Shape1->geometry(); }
    static QRect frameAround(int index) { return toPixels(grid::frameAround(grid::pictureRect(index))); }
    qint32 count(int index) const { return form->runeStock().at(index); }

    void press(int index, Qt::MouseButton button) { QTest::mouseClick(window, button, {}, pictureCentre(index)); }
    // Moves the pointer to the centre of a picture, then in it, as a user does.
    void pointAt(QPoint p)
    {
        QTest::mouseMove(window, p);
        QTest::mouseMove(window, p + QPoint(1, 0));
    }
    void startWithCounts(const QByteArray &saveFile)
    {
        form.reset();
        writeFile("save/rune1.sav", saveFile);
        SetUp();
    }

    std::unique_ptr<Form1> form;
    QWindow *window = nullptr;
};

QStringList ithPanel(int quantity)
{
    return {QString(),
            QStringLiteral("  Name  : Ith"),
            QString(),
            QStringLiteral("  Req Lv : 15"),
            QString(),
            QStringLiteral("  Quantity : ") + QString::number(quantity),
            QString(),
            QStringLiteral(" Effect :"),
            QStringLiteral("  W: +9 To Maximum Damage"),
            QStringLiteral("  A : 15% Damage Taken Goes to Mana"),
            QString()};
}

} // namespace

TEST_F(GridTest, hoverShowsThePointedRuneFromPictureOrLabel)
{
    setRuneElect("0");
    startWithCounts("0\r\n0\r\n0\r\n0\r\n0\r\n6\r\n");
    pointAt(pictureCentre(5));
    EXPECT_EQ(panel(), ithPanel(6));
    EXPECT_EQ(frame(), frameAround(5));
    const QList<PanelLine> &lines = form->controls().Picture1->text().lines();
    for (int i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].pointSize, i < 8 ? 15 : 14) << i;

    pointAt(pictureCentre(0));
    pointAt(labelStrip(5));
    EXPECT_EQ(panel(), ithPanel(6));

    // Hel's level is 0; Sur's frame stands 120 twips higher than its row's.
    pointAt(pictureCentre(14));
    EXPECT_EQ(panel().at(3), QStringLiteral("  Req Lv : 0"));
    pointAt(pictureCentre(28));
    EXPECT_EQ(frame(), toPixels({120, 3840, 660, 660}));
}

TEST_F(GridTest, hoverWorksWithoutAnyRuneData)
{
    pointAt(pictureCentre(5));
    EXPECT_EQ(panel(), ithPanel(0));
    press(3, Qt::LeftButton);
    EXPECT_EQ(count(3), 1);
}

TEST_F(GridTest, hoverPressesEditCounts)
{
    setRuneElect("0.0");
    startWithCounts("0\r\n0\r\n0\r\n4\r\n2147483647\r\n");
    pointAt(pictureCentre(3));
    press(3, Qt::LeftButton);
    EXPECT_EQ(count(3), 5);
    EXPECT_EQ(panel().at(5), QStringLiteral("  Quantity : 4")); // not reprinted by the press
    press(3, Qt::RightButton);
    press(3, Qt::RightButton);
    EXPECT_EQ(count(3), 3);
    press(7, Qt::RightButton);
    EXPECT_EQ(count(7), 0);
    press(4, Qt::LeftButton);
    EXPECT_EQ(count(4), 2147483647);

    // A double-click adds one through its first press only.
    QTest::mouseDClick(window, Qt::LeftButton, {}, pictureCentre(3));
    EXPECT_EQ(count(3), 4);
    // A label click in hover mode neither edits nor asks, nor do the side
    // buttons of a mouse.
    QTest::mouseClick(window, Qt::LeftButton, {}, labelStrip(3));
    press(3, Qt::BackButton);
    press(3, Qt::ForwardButton);
    EXPECT_EQ(count(3), 4);
    EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(GridTest, hoverMiddlePressAsksBeforeClearing)
{
    setRuneElect("0");
    startWithCounts("0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n8\r\n");
    pointAt(pictureCentre(10));
    const QStringList shown = panel();

    prompter.answerYesNo(false);
    press(10, Qt::MiddleButton);
    EXPECT_EQ(count(10), 8);
    EXPECT_EQ(panel(), shown);

    prompter.answerYesNo(true);
    press(10, Qt::MiddleButton);
    EXPECT_EQ(count(10), 0);
    EXPECT_TRUE(panel().isEmpty());
    EXPECT_EQ(frame(), frameAround(10));
    ASSERT_EQ(prompter.asked.size(), 2);
    EXPECT_EQ(prompter.asked[0].title, QStringLiteral("RuneQuantity"));
    EXPECT_EQ(prompter.asked[0].prompt, QStringLiteral("Clear?"));
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Information);
}

TEST_F(GridTest, clickModeSelectsAndEditsOnDoubleClickAndRightRelease)
{
    setRuneElect("1");
    const QStringList start = panel();
    pointAt(pictureCentre(20));
    EXPECT_EQ(panel(), start); // pointing does nothing

    press(20, Qt::LeftButton);
    EXPECT_EQ(panel().at(1), QStringLiteral("  Name  : Pul"));
    EXPECT_EQ(frame(), frameAround(20));
    EXPECT_EQ(count(20), 0);

    QTest::mouseDClick(window, Qt::LeftButton, {}, pictureCentre(20));
    EXPECT_EQ(count(20), 1);
    EXPECT_EQ(panel().at(5), QStringLiteral("  Quantity : 0"));

    // Right press selects (showing 1), the release takes one off; only the
    // left button double-clicks, so a quick right double-click takes off two.
    press(20, Qt::RightButton);
    EXPECT_EQ(panel().at(5), QStringLiteral("  Quantity : 1"));
    EXPECT_EQ(count(20), 0);
    QTest::mouseDClick(window, Qt::LeftButton, {}, pictureCentre(20));
    QTest::mouseDClick(window, Qt::LeftButton, {}, pictureCentre(20));
    QTest::mouseDClick(window, Qt::RightButton, {}, pictureCentre(20));
    QTest::mouseDClick(window, Qt::MiddleButton, {}, pictureCentre(20));
    EXPECT_EQ(count(20), 0);

    QTest::mouseClick(window, Qt::LeftButton, {}, labelStrip(5));
    EXPECT_EQ(panel().at(1), QStringLiteral("  Name  : Ith"));
    press(20, Qt::MiddleButton);
    EXPECT_EQ(panel().at(1), QStringLiteral("  Name  : Pul"));
    EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(GridTest, otherModeNumbersOnlySelect)
{
    for (const char *setting : {"2", "0.5", "-1"}) {
        SCOPED_TRACE(setting);
        setRuneElect(setting);
        startWithCounts("0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n3\r\n");
        press(12, Qt::LeftButton);
        press(12, Qt::RightButton);
        QTest::mouseDClick(window, Qt::LeftButton, {}, pictureCentre(12));
        EXPECT_EQ(count(12), 3);
        EXPECT_EQ(panel().at(1), QStringLiteral("  Name  : Shae"));
        pointAt(pictureCentre(0));
        EXPECT_EQ(panel().at(1), QStringLiteral("  Name  : Shae"));
    }
}

TEST_F(GridTest, modeEditTakesEffectAtTheNextEvent)
{
    setRuneElect("1");
    press(9, Qt::LeftButton);
    EXPECT_EQ(count(9), 0);
    setRuneElect("0");
    press(9, Qt::LeftButton);
    EXPECT_EQ(count(9), 1);
}
