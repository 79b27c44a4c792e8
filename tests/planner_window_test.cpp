#include "plannerfixture.h"
#include "planner/placement.h"

using namespace rcl;
using namespace Qt::StringLiterals;

// The planner opens on Ctrl+P, follows the grid and the group, shows a rune
// word in the main window at a double-click, and closes with the main window.
TEST_F(PlannerTest, plannerFollowsTheMainWindow)
{
    writeFile("save/rune2.sav", "4\r\n");
    openPlanner();

    // A double-click on a near miss frames its runes, white where missing,
    // and brings the main window to the front.
    QTableView *nearMisses = table("nearMisses");
    const int lore = rowOf(nearMisses, u"Lore"_s);
    EXPECT_EQ(cell(nearMisses, lore, 2), u"Sol"_s);
    clickRow(nearMisses, lore);
    QTest::mouseDClick(nearMisses->viewport(), Qt::LeftButton, {}, rowCentre(nearMisses, lore));
    EXPECT_EQ(ui().Picture1->text().texts().value(0), u"  Lore"_s);
    EXPECT_EQ(ui().Shape2[2]->borderColour(), QColor(Qt::white));
    EXPECT_TRUE(becomesActive(form.get()));
    click(ui().runeimg2[11]);
    EXPECT_EQ(cell(nearMisses, rowOf(nearMisses, u"Lore"_s), 2), QString());

    showTab(RunePlanner::Groups);
    const QAbstractItemModel *groups = table("groups")->model();
    click(ui().runeimg2[0]);
    EXPECT_EQ(groups->index(0, 1).data(), QVariant(2));
    click(ui().Command2);
    click(ui().runeimg2[0]);
    EXPECT_EQ(groups->index(0, GroupCount + 1).data().toString(), u"7"_s);

    // A second Ctrl+P brings the same window back: no other one is active.
    QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(becomesActive(planner));

    form->close();
    EXPECT_FALSE(planner->isVisible());
}

// The one filter bar stands over the list in view, and each of its controls
// narrows that list; the count of rows shown follows, and a line names what
// narrows it. Ctrl+E saves what the
// tab in view shows, as it is sorted and filtered; Ctrl+S still saves the
// groups table, whichever tab is in view. Files without rune upgrades give
// no upgrades in any list, no ranking to choose, and a calculator that says
// why.
TEST_F(PlannerTest, filterBarNarrowsAndCtrlESavesEveryRuneWordList)
{
    openPlanner();
    EXPECT_EQ(tabs()->currentIndex(), RunePlanner::NearMisses);
    auto *search = find<QLineEdit>("search");
    auto *shown = find<QLabel>("shown");
    QTableView *nearMisses = table("nearMisses");
    EXPECT_EQ(names(nearMisses), (QStringList{u"Steel"_s, u"Lore"_s}));
    EXPECT_EQ(cell(nearMisses, 0, 4) + cell(nearMisses, 1, 4), QString());
    EXPECT_FALSE(find<QComboBox>("ranking")->isEnabled());
    QTest::keyClicks(search, u"All SKILLS"_s);
    EXPECT_EQ(names(nearMisses), QStringList{u"Lore"_s});
    EXPECT_EQ(shown->text(), u"1 of 2 shown"_s);

    showTab(RunePlanner::RuneWords);
    QTableView *runeWords = table("runeWords");
    EXPECT_TRUE(search->isVisible() && tabs()->currentWidget()->isAncestorOf(search));
    EXPECT_EQ(names(runeWords), QStringList{u"Lore"_s});
    EXPECT_EQ(shown->text(), u"1 of 3 shown"_s);
    // The filter set in another list says so, and one click clears it.
    auto *active = find<QLabel>("activeFilters");
    EXPECT_EQ(active->text(), u"Filtered by: search \u201CAll SKILLS\u201D."_s);
    find<QToolButton>("clearFilters")->click();
    EXPECT_EQ(search->text(), QString());
    EXPECT_FALSE(active->isVisible());

    auto *kind = find<QComboBox>("itemKind");
    auto *sockets = find<QComboBox>("sockets");
    auto *level = find<QSpinBox>("maxLevel");
    auto *mode = find<QComboBox>("mode");
    auto *patch = find<QComboBox>("patch");
    const auto choose = [](QComboBox *combo, const QString &text) {
        ASSERT_GE(combo->findText(text), 0) << text.toStdString();
        combo->setCurrentIndex(combo->findText(text));
    };
    const std::pair<std::function<void()>, QStringList> rows[] = {
        // The kinds of the data, indented under the kinds they belong to.
        {[&] { choose(kind, u"    Shields"_s); }, {u"Spirit"_s}},
        {[&] { choose(kind, u"Weapons"_s); }, {u"Steel"_s, u"Spirit"_s}},
        {[&] { choose(sockets, u"4"_s); }, {u"Spirit"_s}},
        {[&] {
             level->setFocus();
             QTest::keyClick(level, Qt::Key_A, Qt::ControlModifier);
             QTest::keyClicks(level, u"20"_s);
         },
         {u"Steel"_s}},
        {[&] { choose(mode, u"Non-ladder"_s); }, {u"Steel"_s, u"Lore"_s}},
        {[&] { choose(patch, u"1.10"_s); }, {u"Steel"_s, u"Spirit"_s}},
    };
    for (const auto &[set, expected] : rows) {
        set();
        EXPECT_EQ(names(runeWords), expected) << expected.join(u' ').toStdString();
        EXPECT_TRUE(active->isVisible()) << expected.join(u' ').toStdString();
        for (QComboBox *combo : {kind, sockets, mode, patch})
            combo->setCurrentIndex(0);
        level->setValue(0);
    }
    EXPECT_EQ(shown->text(), u"3 of 3 shown"_s);
    EXPECT_FALSE(active->isVisible());
    // Backspace and Delete give Any back. Sockets offers what the data holds.
    EXPECT_EQ(sockets->count(), 3);
    level->setValue(20);
    sockets->setCurrentIndex(2);
    QTest::keyClick(level, Qt::Key_Backspace);
    QTest::keyClick(sockets, Qt::Key_Delete);
    EXPECT_EQ(level->text() + sockets->currentText(), u"AnyAny"_s);

    // Searching and sorting leave the columns as they are: a second click
    // on a header finds it where the first did, and reverses its order.
    const QList<int> widths = columnWidths(runeWords);
    QTest::keyClicks(search, u"s"_s);
    clickHeader(runeWords, 5);
    clickHeader(runeWords, 5);
    EXPECT_EQ(runeWords->horizontalHeader()->sortIndicatorSection(), 5);
    EXPECT_EQ(runeWords->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(columnWidths(runeWords), widths);
    clickRow(runeWords, 0);
    QTest::keyClick(runeWords, Qt::Key_D, Qt::ControlModifier);
    prompter.answerSaveFileName(path("shown.csv"));
    prompter.answerSaveFileName(path("groups.csv"));
    prompter.answerSaveFileName(path("no folder/shown.csv"));
    QTest::keyClick(planner, Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(planner, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(planner, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(readFile("shown.csv"),
              "\xEF\xBB\xBF\xE2\x98\x85,Rune word,Sockets,Runes,Item kinds,Level,Patch,Mode,Can make\r\n"
              "\xE2\x98\x85,Lore,2,Ort + Sol,Helms,27,1.11,,No\r\n"
              ",Spirit,4,Tal + Thul + Ort + Amn,\"Swords, Shields\",25,1.10,Ladder,No\r\n"
              ",Steel,2,Tir + El,Swords,13,1.9,,Now\r\n");
    EXPECT_TRUE(readFile("groups.csv").startsWith("\xEF\xBB\xBFRune,Group 1,"));
    ASSERT_EQ(prompter.told.size(), 1);
    EXPECT_TRUE(prompter.told[0].prompt.contains(u"no folder"_s));

    // An edit of the files keeps the choices still offered and the rune
    // word chosen, also when the list is made anew; all groups together
    // name the group whose file cannot be read.
    search->clear();
    choose(kind, u"    Shields"_s);
    choose(patch, u"1.10"_s);
    clickRow(runeWords, 0);
    writeFile("runename.dat", "Steel\r\nSpirit\r\nLore\r\nNone\r\n");
    writeFile("rune.dat", RuneWords + "[None]\r\nRuneNum=2\r\nRune1=1\r\nRune2=1\r\nAllowed=Shields\r\nPatch=1.10\r\n");
    QDir().mkpath(path("save/rune3.sav"));
    find<QComboBox>("counts")->setCurrentIndex(1);
    EXPECT_EQ(kind->currentText() + patch->currentText(), u"    Shields1.10"_s);
    EXPECT_EQ(names(runeWords), (QStringList{u"Spirit"_s, u"None"_s}));
    EXPECT_EQ(runeWords->currentIndex().row(), 0);
    EXPECT_TRUE(find<QLabel>("leftOut")->text().contains(u"group 3"_s));

    showTab(RunePlanner::Uses);
    EXPECT_FALSE(find<QLabel>("runeUpgrades")->isVisible());
    showTab(RunePlanner::Calculator);
    EXPECT_TRUE(find<QLabel>("calculatorAnswer")->text().startsWith(u"rune.dat has no rune upgrades"_s));
    EXPECT_EQ(table("upgradeCosts")->model()->rowCount(), 0);
}

// A star and a hide mark, by key and by the context menu, show in every list;
// favourites sort first. A click on a header sorts numbers as numbers and
// versions by their parts. The marks, the sorts, the column widths, the
// details pane closed, the tab and the window's place are there at the next
// start.
TEST_F(PlannerTest, marksSortsTabAndPlaceAreKeptAcrossStarts)
{
    writeFile("save/rune2.sav", "9\r\n10\r\n100\r\n");
    openPlanner();
    showTab(RunePlanner::RuneWords);
    QTableView *runeWords = table("runeWords");
    clickRow(runeWords, 1);
    QTest::keyClick(runeWords, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(cell(runeWords, 1, 0), u"★"_s);

    clickRow(runeWords, 2, Qt::RightButton);
    EXPECT_TRUE(menuItems([&] {
                    QContextMenuEvent event(QContextMenuEvent::Mouse, rowCentre(runeWords, 2),
                                            runeWords->viewport()->mapToGlobal(rowCentre(runeWords, 2)));
                    QApplication::sendEvent(runeWords->viewport(), &event);
                }, u"Hide"_s).contains(u"Hide"_s));
    EXPECT_EQ(names(runeWords), (QStringList{u"Steel"_s, u"Spirit"_s}));
    EXPECT_EQ(find<QLabel>("shown")->text(), u"2 of 3 shown"_s);
    // By patch: 1.9 before 1.10.
    clickHeader(runeWords, 6);
    EXPECT_EQ(names(runeWords), (QStringList{u"Steel"_s, u"Spirit"_s}));

    showTab(RunePlanner::NearMisses);
    QTableView *nearMisses = table("nearMisses");
    EXPECT_EQ(names(nearMisses), QStringList{u"Steel"_s});
    find<QCheckBox>("showHidden")->click();
    EXPECT_EQ(names(nearMisses), (QStringList{u"Steel"_s, u"Lore"_s}));
    EXPECT_EQ(cell(nearMisses, 1, 0), u"hidden"_s);
    EXPECT_TRUE(nearMisses->model()->index(1, 1).data(Qt::FontRole).value<QFont>().italic());
    find<QCheckBox>("favouritesOnly")->click();
    EXPECT_EQ(names(nearMisses), QStringList{});

    showTab(RunePlanner::Groups);
    const auto firstRunes = [this] {
        QTableView *groups = table("groups");
        return QStringList{cell(groups, 0, 0), cell(groups, 1, 0), cell(groups, 2, 0)};
    };
    clickHeader(table("groups"), 2);
    clickHeader(table("groups"), 2);
    EXPECT_EQ(firstRunes(), (QStringList{u"Tir"_s, u"Eld"_s, u"El"_s}));
    planner->setGeometry(40, 30, 640, 420);
    const QRect place = planner->geometry();
    showTab(RunePlanner::RuneWords);
    runeWords->horizontalHeader()->resizeSection(3, 77);
    const QList<int> widths = columnWidths(runeWords);
    auto *details = find<QTextEdit>("details");
    find<QToolButton>("detailsButton")->click();
    EXPECT_EQ(details->height(), 0);

    form->close();
    openPlanner();
    EXPECT_EQ(planner->geometry(), place);
    EXPECT_EQ(tabs()->currentIndex(), RunePlanner::RuneWords);
    showTab(RunePlanner::Groups);
    EXPECT_EQ(firstRunes(), (QStringList{u"Tir"_s, u"Eld"_s, u"El"_s}));
    showTab(RunePlanner::RuneWords);
    runeWords = table("runeWords");
    EXPECT_EQ(names(runeWords), (QStringList{u"Steel"_s, u"Spirit"_s}));
    EXPECT_EQ(runeWords->horizontalHeader()->sortIndicatorSection(), 6);
    EXPECT_EQ(columnWidths(runeWords), widths);
    details = find<QTextEdit>("details");
    EXPECT_EQ(details->height(), 0);
    find<QToolButton>("detailsButton")->click();

    EXPECT_GT(details->height(), 0);
    clickHeader(runeWords, 0);
    EXPECT_EQ(names(runeWords), (QStringList{u"Spirit"_s, u"Steel"_s}));
}

// Beside the main window on its screen: right, else left, else as far right
// as the screen allows; never off the screen.
TEST(PlannerPlacement, besideTheMainWindowWithinTheScreen)
{
    const QRect screen(0, 0, 1920, 1080);
    const std::tuple<QRect, QSize, QRect, QRect> rows[] = {
        {{0, 0, 704, 400}, {900, 600}, screen, {704, 0, 900, 600}},
        {{1000, 100, 704, 400}, {900, 600}, screen, {100, 100, 900, 600}},
        {{0, 0, 704, 400}, {900, 600}, {0, 0, 1280, 800}, {380, 0, 900, 600}},
        {{0, 700, 704, 400}, {900, 600}, screen, {704, 480, 900, 600}},
        {{0, 0, 704, 400}, {2000, 1200}, screen, {0, 0, 1920, 1080}},
        {{1930, 50, 704, 400}, {900, 600}, {1920, 30, 1920, 1050}, {2634, 50, 900, 600}},
    };
    for (const auto &[main, size, available, expected] : rows)
        EXPECT_EQ(placeBeside(main, size, available), expected) << main.x() << ',' << main.y();
}
