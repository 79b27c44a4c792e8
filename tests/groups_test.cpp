#include "formfixture.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

class GroupsTest : public WindowTest
{
protected:
    void SetUp() override { form = openShown(); }

    QString text1() const { return ui().Text1->text(); }
};

} // namespace

// Counts and names travel through the save files. A rename stores the name
// in Shift-JIS and refuses a name that Shift-JIS cannot hold.
TEST_F(GroupsTest, countsAndNamesTravelThroughTheSaveFiles)
{
    // Shift-JIS, blanks kept, a file cut short after two lines.
    writeFile("save/group.dat", "\x83\x81\x83\x43\x83\x93: spare runes and gems\r\n  second  \r\n");
    form = openShown();
    const QString first = u"メイン: spare runes and gems"_s;
    EXPECT_EQ(text1(), first);
    // A long name shows from its start, and whole in the tooltip.
    EXPECT_EQ(ui().Text1->cursorPosition(), 0);
    EXPECT_TRUE(ui().Text1->toolTip().contains(first));
    press(9, Qt::LeftButton, 2);
    click(ui().Command2);
    EXPECT_EQ(form->currentGroup(), 2);
    EXPECT_EQ(form->runeStock(), RuneStock());
    EXPECT_EQ(text1(), u"  second  "_s);
    EXPECT_TRUE(readFile("save/rune1.sav").startsWith(QByteArray(" 0 \r\n").repeated(9) + " 2 \r\n"));
    click(ui().Command2);
    // An unnamed group shows its number in grey, never as its name.
    EXPECT_EQ(text1(), QString());
    EXPECT_EQ(ui().Text1->placeholderText(), u"Group 3"_s);
    EXPECT_EQ(ui().Text1->toolTip(), QString());
    click(ui().Command1);
    click(ui().Command1);
    EXPECT_EQ(form->runeStock().at(9), 2);
    EXPECT_EQ(text1(), first);
    EXPECT_EQ(panel().at(1), u"  Name  : El"_s);
    EXPECT_FALSE(ui().Command1->isEnabled());

    // The buttons stop at groups 1 and 9.
    for (int i = 0; i < 8; ++i)
        click(ui().Command2);
    EXPECT_EQ(form->currentGroup(), 9);
    EXPECT_FALSE(ui().Command2->isEnabled());
    EXPECT_TRUE(ui().Command1->isEnabled());

    prompter.answerText(u"ABCD"_s);
    click(ui().Command3);
    EXPECT_EQ(text1(), u"ABCD"_s);
    // The prompt quotes the name shown; Cancel changes nothing.
    prompter.answerText(QString());
    click(ui().Command3);
    EXPECT_EQ(text1(), u"ABCD"_s);
    prompter.answerText(u"メイン"_s);
    click(ui().Command3);
    prompter.answerText(u"Café"_s);
    click(ui().Command3);
    ASSERT_EQ(prompter.asked.size(), 4);
    EXPECT_EQ(prompter.asked[0].prompt, u"グループ名  を変更します。"_s);
    EXPECT_EQ(prompter.asked[1].prompt, u"グループ名 ABCD を変更します。"_s);
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told[0].prompt.contains(u"Café"_s));
    EXPECT_EQ(text1(), u"メイン"_s);
    EXPECT_EQ(readFile("save/group.dat"), "\x83\x81\x83\x43\x83\x93: spare runes and gems\r\n  second  \r\n"
                                              + QByteArray("\r\n").repeated(6) + "\x83\x81\x83\x43\x83\x93\r\n");
}

// Ctrl+Page Down and Ctrl+Page Up are Next and Prev wherever the focus is:
// they save, ask when the save fails and stop at groups 1 and 9.
TEST_F(GroupsTest, controlPageKeysMoveAsNextAndPrevFromEveryControl)
{
    const auto key = [](QWidget *focus, Qt::Key k) {
        focus->setFocus();
        QTest::keyClick(focus, k, Qt::ControlModifier);
    };
    key(ui().Picture1, Qt::Key_PageUp);
    EXPECT_EQ(form->currentGroup(), 1);
    press(9);
    key(ui().Picture1, Qt::Key_PageDown);
    EXPECT_EQ(form->currentGroup(), 2);
    // What follows a click on a button, for the planner too.
    EXPECT_EQ(ui().Text1->accessibleDescription(), u"Group 2 of 9"_s);
    EXPECT_TRUE(readFile("save/rune1.sav").startsWith(QByteArray(" 0 \r\n").repeated(9) + " 1 \r\n"));
    const QList<QWidget *> controls{ui().Picture1, ui().Command1, ui().Command2, ui().Text1,
                                    ui().Grid1,    ui().Command3, ui().Command4, ui().Command6,
                                    ui().List1,    ui().Command5, ui().Combo1,   ui().Command7};
    for (QWidget *control : controls) {
        SCOPED_TRACE(control->metaObject()->className());
        // A move closes the band.
        const bool inBand = control->geometry().top() > ui().Command4->geometry().bottom();
        if (inBand)
            click(ui().Command4);
        key(control, Qt::Key_PageDown);
        EXPECT_EQ(form->currentGroup(), 3);
        if (inBand)
            click(ui().Command4);
        key(control, Qt::Key_PageUp);
        EXPECT_EQ(form->currentGroup(), 2);
    }
    for (int i = 0; i < 8; ++i)
        key(ui().Grid1, Qt::Key_PageDown);
    EXPECT_EQ(form->currentGroup(), 9);

    ASSERT_TRUE(QDir(dir.path()).rename(u"save"_s, u"moved"_s));
    writeFile("save", "x");
    press(9);
    prompter.answerYesNo(false);
    key(ui().Grid1, Qt::Key_PageUp);
    EXPECT_EQ(form->currentGroup(), 9);
    EXPECT_EQ(prompter.asked.size(), 1);
}

TEST_F(GroupsTest, clearAsksThenZeroesTheGroupInMemory)
{
    writeFile("runename.dat", "Leaf\r\n");
    writeFile("rune.dat", "[Leaf]\r\nRuneNum=2\r\nRune1=3\r\nRune2=8\r\nAllowed=Staff\r\n");
    press(2);
    click(ui().Command4);
    click(ui().Command7);
    // Moving closes the band and leaves the list (the recipe frames: the band
    // tests).
    click(ui().Command2);
    EXPECT_EQ(ui().Command4->text(), u"Rune Word >>"_s);
    EXPECT_EQ(ui().List1->count(), 1);
    click(ui().Command1);
    click(ui().Command4);

    prompter.answerYesNo(false);
    click(ui().Command6);
    EXPECT_EQ(form->runeStock().at(2), 1);
    EXPECT_EQ(ui().Command4->text(), u"Rune Word >>"_s);
    EXPECT_TRUE(ui().Shape2[1]->isVisible());
    EXPECT_EQ(prompter.asked.size(), 1);

    prompter.answerYesNo(true);
    click(ui().Command6);
    EXPECT_EQ(form->runeStock(), RuneStock());
    EXPECT_TRUE(panel().isEmpty());
    EXPECT_FALSE(ui().Shape2[1]->isVisible());
    EXPECT_TRUE(readFile("save/rune1.sav").contains(" 1 "));
    // Closing writes the group, not the names.
    EXPECT_TRUE(form->close());
    EXPECT_EQ(readFile("save/rune1.sav"), QByteArray(" 0 \r\n").repeated(33));
    EXPECT_FALSE(QFile::exists(path("save/group.dat")));
}

// A changed group is written a moment after its last change, and clicks that
// never pause for a second still reach the disk within five seconds of the
// first: without that limit, these never would. A failed autosave says
// nothing; closing asks only about changes that no save has written.
TEST_F(GroupsTest, autosaveWritesSoonAndLeavesOnlyTheUnsavedToAsk)
{
    QElapsedTimer deadline;
    deadline.start();
    press(3);
    EXPECT_FALSE(QFile::exists(path("save/rune1.sav")));
    while (!QFile::exists(path("save/rune1.sav")) && deadline.elapsed() < 30000) {
        QTest::qWait(400);
        press(3);
    }
    ASSERT_TRUE(QFile::exists(path("save/rune1.sav")));
    const QByteArray last = " 0 \r\n 0 \r\n 0 \r\n " + QByteArray::number(count(3)) + " \r\n";
    EXPECT_TRUE(QTest::qWaitFor([&] { return readFile("save/rune1.sav").startsWith(last); }, 10000));

    // A file where the save folder was: saves fail from now on.
    ASSERT_TRUE(QDir(dir.path()).rename(u"save"_s, u"moved"_s));
    writeFile("save", "x");
    press(5);
    const auto *autosave = form->findChild<QTimer *>(u"autosave"_s);
    ASSERT_TRUE(autosave && autosave->isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !autosave->isActive(); }, 20000));
    prompter.answerYesNo(false);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(prompter.asked.size(), 1);
    press(5, Qt::RightButton);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(prompter.asked.size(), 1);
    EXPECT_TRUE(prompter.told.isEmpty());
}
