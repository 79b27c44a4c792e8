#include "checklist.h"
#include "formfixture.h"

#include <QListWidget>
#include <QProcess>
#include <QPushButton>

#include <random>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

QByteArray randomBytes(qsizetype size, unsigned seed)
{
    std::mt19937 random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = char(random());
    return bytes;
}

class HostileTest : public WindowTest
{
protected:
    void moveOver(Form1 &form, int index)
    {
        const QPoint p = pictureCentre(index);
        QTest::mouseMove(form.windowHandle(), p);
        QTest::mouseMove(form.windowHandle(), p + QPoint(1, 0));
    }
    QStringList panel(const Form1 &form) const { return form.controls().Picture1->text().texts(); }
    QStringList saveFolder() const { return QDir(path("save")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
};

} // namespace

TEST_F(HostileTest, hugeRuneDataIsNotReadAndSaidOnce)
{
    QFile data(path("rune.dat"));
    ASSERT_TRUE(data.open(QIODevice::WriteOnly));
    ASSERT_TRUE(data.resize(qint64(200) << 20));
    data.close();
    const auto form = openShown();
    moveOver(*form, 5);
    moveOver(*form, 6);
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told[0].prompt.contains(u"is larger than 32 MiB"_s));
    // Without its data the grid works in hover mode.
    EXPECT_EQ(panel(*form).at(1), u"  Name  : Tal"_s);
}

TEST_F(HostileTest, randomAndNulFilesNeverCrashOrChange)
{
    const QByteArray junkData = randomBytes(1 << 20, 1) + QByteArray(4096, '\0') + "\r\n[OverAll]\r\nRune Elect=0";
    const QByteArray junkNames = randomBytes(256 << 10, 2);
    writeFile("rune.dat", junkData);
    writeFile("runename.dat", junkNames);
    writeFile("save/rune1.sav", randomBytes(4096, 3));
    writeFile("save/group.dat", "\x81\r\n\xFF\xFE\x80\r\n" + randomBytes(600, 4));
    const auto form = openShown();
    moveOver(*form, 3);
    QTest::mouseClick(form->controls().Command4, Qt::LeftButton);
    QTest::mouseClick(form->controls().Command7, Qt::LeftButton);
    QTest::mouseClick(form->controls().Command5, Qt::LeftButton);
    EXPECT_EQ(readFile("rune.dat"), junkData);
    EXPECT_EQ(readFile("runename.dat"), junkNames);
    EXPECT_TRUE(prompter.told.isEmpty());
}

TEST_F(HostileTest, numbersBeyondThirtyTwoBitsReadZero)
{
    writeFile("save/rune1.sav", "4294967296\r\n-99999999999\r\n2147483647\r\n");
    const auto form = open();
    EXPECT_EQ(form->runeStock().at(0), 0);
    EXPECT_EQ(form->runeStock().at(1), 0);
    EXPECT_EQ(form->runeStock().at(2), 2147483647);
}

TEST_F(HostileTest, saveThatIsAFileIsToldAtStartAndAtClosing)
{
    writeFile("save", "not a folder");
    auto checklist = Checklist::open(prompter, dir.path());
    ASSERT_TRUE(checklist);
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told[0].prompt.contains(u"cannot be created"_s));
    prompter.answerYesNo(true);
    checklist->form().show();
    EXPECT_TRUE(checklist->form().close());
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_TRUE(prompter.asked[0].prompt.contains(u"could not be saved"_s));
    EXPECT_EQ(readFile("save"), "not a folder");
}

TEST_F(HostileTest, danglingLinkIsNotWrittenThrough)
{
    QDir().mkpath(path("save"));
    const QString elsewhere = path("elsewhere/rune1.sav");
    QDir().mkpath(path("elsewhere"));
    ASSERT_TRUE(QFile::link(elsewhere, path("save/rune1.sav")));
    auto form = openShown();
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told[0].prompt.contains(u"does not exist"_s));
    prompter.answerYesNo(false);
    EXPECT_FALSE(form->close());
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_TRUE(prompter.asked[0].prompt.contains(u"does not exist"_s));
    EXPECT_FALSE(QFile::exists(elsewhere));
    // Leaving the group is refused the same way.
    QTest::mouseClick(form->controls().Command2, Qt::LeftButton);
    EXPECT_EQ(form->currentGroup(), 1);
    EXPECT_EQ(prompter.told.size(), 2);
}

TEST_F(HostileTest, readOnlyProgramFolderSaysCountsCannotBeSaved)
{
    if (!setImmutable(dir.path(), true))
        GTEST_SKIP() << "this file system cannot make a folder read-only for every user";
    auto checklist = Checklist::open(prompter, dir.path());
    setImmutable(dir.path(), false);
    ASSERT_TRUE(checklist);
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told[0].prompt.contains(u"Counts cannot be saved"_s));
    EXPECT_FALSE(QFile::exists(path("save")));
}

TEST_F(HostileTest, secondChecklistOnTheFolderIsRefusedAndWritesNothing)
{
    writeFile("save/rune1.sav", "5\n");
    auto first = Checklist::open(prompter, dir.path());
    ASSERT_TRUE(first);
    const QStringList before = saveFolder();

    ScriptedPrompter second;
    EXPECT_FALSE(Checklist::open(second, dir.path()));
    ASSERT_EQ(second.told.size(), 1);
    EXPECT_TRUE(second.told[0].prompt.contains(u"already open"_s));
    EXPECT_EQ(saveFolder(), before);
    EXPECT_EQ(readFile("save/rune1.sav"), "5\n");

    first.reset();
    EXPECT_TRUE(Checklist::open(second, dir.path()));
}

TEST_F(HostileTest, lockLeftByADeadProgramIsTakenOver)
{
    QProcess holder;
    holder.start(QStringLiteral(RCL_SAVE_STRESS_PATH), {QStringLiteral("lock"), dir.path()});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_EQ(holder.readAll().trimmed(), "locked");
    EXPECT_FALSE(Checklist::open(prompter, dir.path()));
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10000));
    ASSERT_TRUE(QFile::exists(path("save/runechecklist.lock")));
    EXPECT_TRUE(Checklist::open(prompter, dir.path()));
}
