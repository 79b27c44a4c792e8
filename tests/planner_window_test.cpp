#include "formfixture.h"
#include "planner.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

using namespace rcl;
using namespace Qt::StringLiterals;

// The planner opens on Ctrl+P, follows the grid and the group, saves the
// groups table through the prompter, and closes with the main window.
TEST_F(WindowTest, plannerFollowsTheMainWindow)
{
    writeFile("save/rune2.sav", "4\r\n");
    writeFile("runename.dat", "Tir Ral\r\n");
    writeFile("rune.dat", "[Tir Ral]\r\nRuneNum=2\r\nRune1=3\r\nRune2=8\r\n");
    // The planner counts as active while the main window is, being its child.
    const auto becomesActive = [](QWidget *window) {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
    };
    const auto form = openShown();
    ASSERT_TRUE(becomesActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    auto *planner = form->findChild<RunePlanner *>();
    ASSERT_TRUE(planner && becomesActive(planner));
    EXPECT_TRUE(planner->windowTitle().contains(u"Rune Planner"_s));

    // A double-click on a near miss frames its runes, white where missing.
    auto *nearMisses = planner->findChild<QTableWidget *>(u"nearMisses"_s);
    ASSERT_EQ(nearMisses->rowCount(), 1);
    QTest::mouseClick(form->controls().runeimg2[2], Qt::LeftButton);
    EXPECT_EQ(nearMisses->item(0, 1)->text(), u"Ral"_s);
    const QRect row = nearMisses->visualItemRect(nearMisses->item(0, 0));
    QTest::mouseClick(nearMisses->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(nearMisses->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(form->controls().Picture1->text().texts().value(0), u"  Tir Ral"_s);
    EXPECT_EQ(form->controls().Shape2[2]->borderColour(), QColor(Qt::white));

    planner->findChild<QTabWidget *>()->setCurrentIndex(1);
    auto *groups = planner->findChild<QTableWidget *>(u"groups"_s);
    QTest::mouseClick(form->controls().runeimg2[0], Qt::LeftButton);
    EXPECT_EQ(groups->item(0, 0)->text(), u"1"_s);
    EXPECT_EQ(groups->item(0, GroupCount)->text(), u"5"_s);
    QTest::mouseClick(form->controls().Command2, Qt::LeftButton);
    EXPECT_EQ(groups->item(2, GroupCount)->text(), u"1"_s);

    // A second Ctrl+P brings the same window back: no other one is active.
    form->activateWindow();
    ASSERT_TRUE(becomesActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(becomesActive(planner));
    prompter.answerSaveFileName(path("groups.csv"));
    prompter.answerSaveFileName(path("no folder/groups.csv"));
    QTest::keyClick(planner, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(planner, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(readFile("groups.csv").contains("\r\nEl,1,4,0,"));
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told[0].prompt.contains(u"no folder"_s));

    form->close();
    EXPECT_FALSE(planner->isVisible());
}
