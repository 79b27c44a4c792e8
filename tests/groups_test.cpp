#include "formfixture.h"

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
    // A long name shows from its start.
    EXPECT_EQ(ui().Text1->cursorPosition(), 0);
    press(9);
    press(9);
    click(ui().Command2);
    EXPECT_EQ(form->currentGroup(), 2);
    EXPECT_EQ(form->runeStock(), RuneStock());
    EXPECT_EQ(text1(), u"  second  "_s);
    EXPECT_TRUE(readFile("save/rune1.sav").startsWith(QByteArray(" 0 \r\n").repeated(9) + " 2 \r\n"));
    click(ui().Command2);
    EXPECT_EQ(text1(), QString());
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
