#include "mainwindow/checklist.h"
#include "formfixture.h"

#include "planner/planner.h"
#include "prompts/prompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

#ifdef Q_OS_WIN
#include "unsharedfile.h"
#endif

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

class HostileTest : public WindowTest
{
protected:
    QStringList saveFolder() const { return QDir(path("save")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
    std::unique_ptr<Checklist> openChecklist(ScriptedPrompter &user)
    {
        auto checklist = std::make_unique<Checklist>(user, DataLocation{dir.path(), {}});
        return checklist->open() ? std::move(checklist) : nullptr;
    }
};

} // namespace

TEST_F(HostileTest, hugeRuneDataIsNotReadAndSaidOnce)
{
    writeFile("rune.dat", "");
    ASSERT_TRUE(QFile::resize(path("rune.dat"), qint64(200) << 20));
    form = openShown();
    pointAt(pictureCentre(5));
    pointAt(pictureCentre(6));
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told[0].prompt.contains(u"is larger than 32 MiB"_s));
    // Without its data the grid works in hover mode.
    EXPECT_EQ(panel().at(1), u"  Name  : Tal"_s);
}

// Where nothing can be saved (a backup, a read-only medium; here a file
// stands where the save folder goes) the groups can be browsed without a
// question; changed counts are asked about, No the default and staying put.
TEST_F(HostileTest, folderWhereNothingCanBeSavedIsBrowsedFreely)
{
    writeFile("save", "not a folder");
    auto checklist = openChecklist(prompter);
    ASSERT_TRUE(checklist);
    Form1 &form = checklist->form();
    form.show();
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told[0].prompt.contains(u"cannot be created"_s));
    click(form.controls().Command2);
    click(form.controls().Command2);
    EXPECT_EQ(form.currentGroup(), 3);
    EXPECT_TRUE(prompter.asked.isEmpty());

    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, pictureCentre(4));
    prompter.answerYesNo(false);
    click(form.controls().Command1);
    EXPECT_EQ(form.currentGroup(), 3);
    prompter.answerYesNo(false);
    EXPECT_FALSE(form.close());
    ASSERT_EQ(prompter.asked.size(), 2);
    for (const auto &asked : prompter.asked) {
        EXPECT_TRUE(asked.prompt.contains(u"rune3.sav"_s));
        EXPECT_EQ(asked.defaultButton, Prompter::Default::No);
    }
    prompter.answerYesNo(true);
    click(form.controls().Command1);
    EXPECT_EQ(form.currentGroup(), 2);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(readFile("save"), "not a folder");
}

// A checklist open on this machine keeps a second one out, which writes
// nothing and names the lock file; once that program is gone, its lock is
// taken over. A lock that cannot be trusted is asked about or taken over.
TEST_F(HostileTest, lockFilesKeepOutOnlyAChecklistOpenHere)
{
    writeFile("save/rune1.sav", "5\n");
    QProcess holder;
    holder.start(QStringLiteral(RCL_SAVE_STRESS_PATH), {QStringLiteral("lock"), dir.path()});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_EQ(holder.readAll().trimmed(), "locked");
    const QStringList before = saveFolder();
    EXPECT_FALSE(openChecklist(prompter));
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told[0].prompt.contains(u"already open"_s));
    EXPECT_TRUE(prompter.told[0].prompt.contains(QDir::toNativeSeparators(path("save/runechecklist.lock"))));
    EXPECT_EQ(saveFolder(), before);
    EXPECT_EQ(readFile("save/rune1.sav"), "5\n");
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_TRUE(openChecklist(prompter));

    // What a power cut or another machine leaves behind never keeps the user out.
    const std::pair<const char *, bool> rows[] = {
        {"", false}, {"\xFF garbled\n", false}, {"12345\nrunechecklist\nanother-pc\n", true}};
    for (const auto &[lock, asks] : rows) {
        for (const bool answer : {false, true}) {
            SCOPED_TRACE((QByteArray(lock) + (answer ? " / yes" : " / no")).toStdString());
            writeFile("save/runechecklist.lock", lock);
            // An hour old: no age makes a lock stale, a checklist stays open
            // for hours.
            QFile old(path("save/runechecklist.lock"));
            ASSERT_TRUE(old.open(QIODevice::ReadWrite));
            old.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
            old.close();
            ScriptedPrompter user;
            if (asks)
                user.answerYesNo(answer);
            const auto checklist = openChecklist(user);
            EXPECT_EQ(bool(checklist), !asks || answer);
            EXPECT_EQ(user.asked.size(), asks ? 1 : 0);
            if (asks) {
                EXPECT_TRUE(user.asked[0].prompt.contains(u"another-pc"_s));
                EXPECT_TRUE(user.asked[0].prompt.contains(QDir::toNativeSeparators(path("save/runechecklist.lock"))));
                EXPECT_EQ(user.asked[0].defaultButton, Prompter::Default::Yes);
            }
            if (!checklist) {
                EXPECT_EQ(readFile("save/runechecklist.lock"), lock);
            }
            EXPECT_TRUE(user.told.isEmpty());
        }
    }
}

// A save file that is there but cannot be read is reported, its group is
// left out of the planner's table (the zeros in memory are not its counts),
// and it is neither replaced on leaving the group nor on closing, unless the
// user says so: on POSIX systems a link to a file that does not exist, which
// a save must not create elsewhere either; on Windows a file that another
// program holds open without sharing it.
TEST_F(HostileTest, unreadableCurrentGroupIsLeftOutOfTheTable)
{
    QDir().mkpath(path("save"));
#ifdef Q_OS_WIN
    const UnsharedFile held(path("save/rune1.sav"));
    ASSERT_TRUE(held.isOpen());
    const QString why = u"rune1.sav"_s;
#else
    const QString elsewhere = path("elsewhere/rune1.sav");
    ASSERT_TRUE(QFile::link(elsewhere, path("save/rune1.sav")));
    const QString why = u"does not exist"_s;
#endif
    form = openShown();
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told[0].prompt.contains(why));
    EXPECT_EQ(form->groupsTable().unreadableGroups(), QList<int>{1});
    EXPECT_TRUE(form->groupsTable().csv().contains("\r\nEl,,0,0,0,0,0,0,0,0,0\r\n"));
    // Leaving asks, as closing does, whether to go without the changes; No
    // stays.
    press(2);
    prompter.answerYesNo(false);
    prompter.answerYesNo(false);
    click(ui().Command2);
    EXPECT_EQ(form->currentGroup(), 1);
    prompter.answerYesNo(false);
    prompter.answerYesNo(false);
    EXPECT_FALSE(form->close());
    ASSERT_EQ(prompter.asked.size(), 4);
    EXPECT_TRUE(prompter.asked[0].prompt.contains(why));
    EXPECT_EQ(prompter.asked[0].defaultButton, Prompter::Default::No);
    EXPECT_TRUE(prompter.asked[1].prompt.contains(u"Leave the group without saving?"_s));
    EXPECT_TRUE(prompter.asked[3].prompt.contains(u"Close anyway?"_s));
#ifdef Q_OS_WIN
    EXPECT_EQ(QFileInfo(path("save/rune1.sav")).size(), 0);
#else
    EXPECT_FALSE(QFile::exists(elsewhere));
#endif
    // Yes lets the changes go, and the file stays as it was.
    prompter.answerYesNo(false);
    prompter.answerYesNo(true);
    click(ui().Command2);
    EXPECT_EQ(form->currentGroup(), 2);
#ifndef Q_OS_WIN
    EXPECT_FALSE(QFile::exists(elsewhere));
#endif
}

// Names from rune.dat and group.dat, and what the player types, show as the
// characters they are, never as markup: on the grid, in the panel's tooltip,
// in the planner's labels and in the message boxes that quote them.
TEST_F(HostileTest, fileAndPlayerTextIsShownAsText)
{
    writeFile("runename.dat", "<i>y</i>\r\n");
    writeFile("rune.dat", "[Rune#1]\r\nName=<b>x</b>\r\nLevel=11\r\nWeapon1=w\r\nArmor1=a\r\n[<i>y</i>]\r\nRuneNum=1\r\nRune1=1\r\nEffectNum=40\r\n"
                          + QByteArray("Effect40=+1 to <b>x</b>\r\n"));
    writeFile("save/group.dat", "<u>z</u>\r\n");
    form = openShown();
    EXPECT_EQ(ui().Label1[0]->text(), u"<b>x</b>"_s);
    EXPECT_EQ(ui().Label1[0]->textFormat(), Qt::PlainText);
    form->showRuneWord(u"<i>y</i>"_s);
    EXPECT_TRUE(ui().Picture1->toolTip().contains(u"&lt;i&gt;y&lt;/i&gt;"_s)) << ui().Picture1->toolTip().toStdString();
    EXPECT_EQ(ui().Text1->text(), u"<u>z</u>"_s);

    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    auto *planner = form->findChild<RunePlanner *>();
    ASSERT_TRUE(planner);
    for (const char *name : {"calculatorAnswer", "runeUpgrades", "shown", "activeFilters"})
        EXPECT_EQ(planner->findChild<QLabel *>(QString::fromLatin1(name))->textFormat(), Qt::PlainText) << name;

    // The boxes themselves, answered as soon as they show.
    DialogPrompter boxes;
    QList<Qt::TextFormat> formats;
    const auto answer = [&formats] {
        QTimer::singleShot(0, qApp, [&formats] {
            QWidget *box = QApplication::activeModalWidget();
            for (const QLabel *label : box->findChildren<QLabel *>()) {
                if (label->text() == u"<u>z</u>"_s)
                    formats.append(label->textFormat());
            }
            box->close();
        });
    };
    answer();
    boxes.tell(form.get(), u"t"_s, u"<u>z</u>"_s, Prompter::Icon::Warning);
    answer();
    (void)boxes.askText(form.get(), u"t"_s, u"<u>z</u>"_s);
    answer();
    (void)boxes.askYesNo(form.get(), u"t"_s, u"<u>z</u>"_s, Prompter::Icon::Question, Prompter::Default::No);
    EXPECT_EQ(formats, QList<Qt::TextFormat>(3, Qt::PlainText));
}
