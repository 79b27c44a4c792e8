#include "formfixture.h"
#include "planner/placement.h"
#include "planner/planner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>

#include <functional>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

// Three rune words: group 1 can make Steel, lacks Sol for Lore and three
// runes for Spirit, whose effects are wrapped for the panel and one of them
// longer than any window.
const QByteArray RuneWords = "[Steel]\r\nRuneNum=2\r\nRune1=3\r\nRune2=1\r\nAllowed=Swords\r\nPatch=1.9\r\n"
                             "EffectNum=1\r\nEffect1=+20% Increased Attack Speed\r\n"
                             "[Spirit]\r\nRuneNum=4\r\nRune1=7\r\nRune2=10\r\nRune3=9\r\nRune4=11\r\n"
                             "Allowed=Swords, Shields\r\nPatch=1.10\r\nMode=Ladder\r\nEffectNum=3\r\n"
                             "Effect1=2% Chance to cast level 10\r\nEffect2=\"  Psychic Ward when struck\"\r\n"
                             "Effect3=" + QByteArray("+1 to a skill ").repeated(15) + "\r\n"
                             "[Lore]\r\nRuneNum=2\r\nRune1=9\r\nRune2=12\r\nAllowed=Helms\r\nPatch=1.11\r\n"
                             "EffectNum=1\r\nEffect1=+1 To All Skills\r\n"
                             "[Item Kinds]\r\nWeapons=\r\nSwords=Weapons\r\nArmor=\r\nHelms=Armor\r\nShields=Armor\r\n";

bool becomesActive(QWidget *window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

class PlannerTest : public WindowTest
{
protected:
    // Counts grouped as in English, whatever the machine's locale.
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        writeFile("runename.dat", "Steel\r\nSpirit\r\nLore\r\n");
        writeFile("rune.dat", RuneWords);
        // El, Tir, Ort.
        writeFile("save/rune1.sav", "1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n");
    }

    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    // The main window in `form`, and its planner opened by Ctrl+P.
    void openPlanner()
    {
        form = openShown();
        EXPECT_TRUE(becomesActive(form.get()));
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
        planner = form->findChild<RunePlanner *>();
        EXPECT_TRUE(planner && becomesActive(planner));
    }

    template<typename Control = QWidget>
    Control *find(const char *name) const
    {
        auto *control = planner->findChild<Control *>(QString::fromLatin1(name));
        EXPECT_TRUE(control) << name;
        return control;
    }
    QTableView *table(const char *name) const { return find<QTableView>(name); }
    QTabWidget *tabs() const { return planner->findChild<QTabWidget *>(); }
    void showTab(int tab) const
    {
        QTabBar *bar = tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }

    static QString cell(const QTableView *view, int row, int column)
    {
        return view->model()->index(row, column).data().toString();
    }
    // The rune word names a list shows, in its order.
    static QStringList names(const QTableView *view)
    {
        QStringList shown;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            shown.append(cell(view, row, 1));
        return shown;
    }
    static QPoint rowCentre(const QTableView *view, int row)
    {
        return view->visualRect(view->model()->index(row, 1)).center();
    }
    static void clickRow(QTableView *view, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(view->viewport(), button, {}, rowCentre(view, row));
    }
    static void clickHeader(QTableView *view, int column)
    {
        QHeaderView *header = view->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          {header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2});
    }
    static int rowOf(const QTableView *view, const QString &name) { return int(names(view).indexOf(name)); }
    static QList<int> columnWidths(const QTableView *view)
    {
        QList<int> widths;
        for (int column = 0; column < view->horizontalHeader()->count(); ++column)
            widths.append(view->horizontalHeader()->sectionSize(column));
        return widths;
    }

    RunePlanner *planner = nullptr;
};

} // namespace

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
    // Backspace and Delete give Any back.
    level->setValue(20);
    sockets->setCurrentIndex(3);
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

// At 900 × 600 every column of every tab is in sight without scrolling
// sideways, with the shipped files' long texts, also where the user made one
// too wide; a cell cut short shows whole in its tooltip.
TEST_F(PlannerTest, everyColumnInSightAtNineHundredBySixHundred)
{
    copyShippedData();
    writeFile("save/rune1.sav", QByteArray("3\r\n").repeated(RuneCatalogue::Count));
    openPlanner();
    // A column made wider than the window gives way when the window changes.
    table("nearMisses")->horizontalHeader()->resizeSection(4, 1500);
    planner->resize(900, 600);
    ASSERT_TRUE(QTest::qWaitFor([this] { return planner->width() == 900; }));
    for (int tab = 0; tab < RunePlanner::TabCount; ++tab) {
        showTab(tab);
        const auto *view = tabs()->currentWidget()->findChild<QTableView *>();
        EXPECT_LE(view->horizontalHeader()->length(), view->viewport()->width()) << tab;
        EXPECT_TRUE(QTest::qWaitFor([view] { return !view->horizontalScrollBar()->isVisible(); })) << tab;
    }
    EXPECT_EQ(planner->size(), QSize(900, 600));

    showTab(RunePlanner::RuneWords);
    QTableView *runeWords = table("runeWords");
    runeWords->horizontalHeader()->resizeSection(3, 30);
    const QModelIndex runes = runeWords->model()->index(0, 3);
    const QPoint at = runeWords->visualRect(runes).center();
    QHelpEvent help(QEvent::ToolTip, at, runeWords->viewport()->mapToGlobal(at));
    QApplication::sendEvent(runeWords->viewport(), &help);
    EXPECT_EQ(QToolTip::text(), runes.data().toString());
}

// Ctrl+F finds the search box from any tab; Tab goes down the tab in view;
// a rune word shows in the main window at Return, also from the search box,
// where every key of the window works. The details show the chosen
// rune word whole, each effect on one line, and whether the chosen counts
// make it.
TEST_F(PlannerTest, runeWordsTabByKeyboardAndItsDetails)
{
    writeFile("save/rune2.sav", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n1\r\n1\r\n");
    openPlanner();
    showTab(RunePlanner::Groups);
    QTest::keyClick(planner, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), RunePlanner::RuneWords);
    // Nothing chosen yet: the details show the first rune word.
    EXPECT_TRUE(find<QTextEdit>("details")->toPlainText().startsWith(u"Steel"_s));
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    EXPECT_EQ(visited.join(u' '), u"search itemKind sockets maxLevel mode patch favouritesOnly showHidden counts "
                                  u"runeWords details detailsButton"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), tabs()->tabBar());
    QTableView *runeWords = table("runeWords");
    runeWords->setFocus();
    QTest::keyClick(runeWords, Qt::Key_Home);
    QTest::keyClick(runeWords, Qt::Key_Down);
    QTest::keyClick(runeWords, Qt::Key_Return);
    EXPECT_EQ(ui().Picture1->text().texts().value(0), u"  Spirit"_s);

    EXPECT_EQ(cell(runeWords, 0, 8), u"Now"_s);
    EXPECT_EQ(cell(runeWords, 1, 8), u"No"_s);
    clickRow(runeWords, 1);
    auto *details = find<QTextEdit>("details");
    const QStringList lines = details->toPlainText().split(u'\n');
    EXPECT_TRUE(lines.contains(u"2% Chance to cast level 10 Psychic Ward when struck"_s)) << lines.join(u'|').toStdString();
    EXPECT_TRUE(lines.contains(u"+1 to a skill "_s.repeated(15).trimmed()));
    EXPECT_TRUE(details->toPlainText().contains(u"This group can make it:"_s));
    // Laid out whole, the text is wider than the pane: it scrolls sideways.
    EXPECT_GT(details->document()->size().width(), details->viewport()->width());
    for (QTextBlock block = details->document()->begin(); block.isValid(); block = block.next())
        EXPECT_LE(block.layout()->lineCount(), 1) << block.text().toStdString();

    find<QComboBox>("counts")->setCurrentIndex(1);
    EXPECT_EQ(cell(runeWords, 1, 8), u"Now"_s);
    EXPECT_TRUE(details->toPlainText().contains(u"All groups can make it:"_s));

    // In the search box the window's keys win over the line edit's own
    // (Ctrl+D deletes, Ctrl+E goes to the end); Down goes to the list,
    // Escape clears the search.
    ASSERT_TRUE(becomesActive(planner));
    auto *search = find<QLineEdit>("search");
    search->setFocus();
    QTest::keyClicks(search, u"tir"_s);
    EXPECT_EQ(names(runeWords), QStringList{u"Steel"_s});
    QTest::keyClick(search, Qt::Key_Home);
    QTest::keyClick(search, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(cell(runeWords, 0, 0), u"★"_s);
    prompter.answerSaveFileName(path("shown.csv"));
    QTest::keyClick(search, Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(readFile("shown.csv").count('\n'), 2);
    QTest::keyClick(search, Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(names(runeWords), QStringList());
    EXPECT_EQ(search->text(), u"tir"_s);
    QTest::keyClick(search, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), RunePlanner::Uses);
    showTab(RunePlanner::RuneWords);
    QTest::keyClick(search, Qt::Key_Escape);
    EXPECT_EQ(names(runeWords), (QStringList{u"Spirit"_s, u"Lore"_s}));
    QTest::keyClick(search, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), runeWords);
    EXPECT_EQ(runeWords->currentIndex().row(), 0);
    search->setFocus();
    QTest::keyClicks(search, u"sol"_s);
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(ui().Picture1->text().texts().value(0), u"  Lore"_s);
    EXPECT_EQ(runeWords->currentIndex().row(), 0);
}

// The worked example, checked by hand: Insight (Ral Tir Tal Sol) lacks Ral
// and Sol; Ral comes from three of the nine spare Tal, Sol from three Amn,
// the one held and two made from six Thul. For Zephyr it makes Ort but not Eth, for
// Stealth nothing. Ranked after upgrades Insight comes before Stealth; the
// ranking is kept for the next start. The calculator follows the grid and the
// counts chosen, and Ctrl+E saves its table as shown; it opens on a rune
// the cube makes, and on the rune and counts last chosen at the next start.
// "Uses of a rune" says what the rune is made from and into.
TEST_F(PlannerTest, upgradesRankNearMissesAndFeedTheCalculator)
{
    // Group 1 holds a Tir, ten Tal, nine Thul and an Amn.
    copyShippedData();
    writeFile("save/rune1.sav", "0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n10\r\n0\r\n0\r\n9\r\n1\r\n");
    writeFile("save/rune2.sav", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n3\r\n");
    openPlanner();
    QTableView *nearMisses = table("nearMisses");
    const int insight = rowOf(nearMisses, u"Insight"_s);
    ASSERT_GE(insight, 0);
    EXPECT_EQ(cell(nearMisses, insight, 4),
              u"3 Tal → Ral, 6 Thul → 2 Amn, 3 Amn → Sol; 2 Chipped Topaz, 1 Chipped Amethyst"_s);
    EXPECT_EQ(cell(nearMisses, rowOf(nearMisses, u"Zephyr"_s), 4), u"9 Tal → 3 Ral, 3 Ral → Ort; still missing Eth"_s);
    EXPECT_EQ(cell(nearMisses, rowOf(nearMisses, u"Stealth"_s), 4), u"No"_s);
    EXPECT_LT(rowOf(nearMisses, u"Stealth"_s), insight);
    auto *ranking = find<QComboBox>("ranking");
    ranking->setFocus();
    QTest::keyClick(ranking, Qt::Key_Down);
    EXPECT_LT(rowOf(nearMisses, u"Insight"_s), rowOf(nearMisses, u"Stealth"_s));
    form->close();
    openPlanner();
    EXPECT_EQ(find<QComboBox>("ranking")->currentText(), u"Fewest missing after upgrades"_s);
    EXPECT_LT(rowOf(table("nearMisses"), u"Insight"_s), rowOf(table("nearMisses"), u"Stealth"_s));

    showTab(RunePlanner::Uses);
    QTest::keyClicks(find<QComboBox>("rune"), u"Tal"_s);
    EXPECT_EQ(find<QLabel>("runeUpgrades")->text(), u"Tal upgrades into Ral (3 Tal) and is made from 3 Ith."_s);
    // Nothing makes El, the main window's rune: the calculator opens on the
    // next one up, with its answer and costs.
    showTab(RunePlanner::Calculator);
    EXPECT_EQ(find<QComboBox>("calculatorRune")->currentText(), u"Eld"_s);
    EXPECT_EQ(table("upgradeCosts")->model()->rowCount(), 1);
    QTest::keyClicks(find<QComboBox>("calculatorRune"), u"Ral"_s);
    auto *count = find<QSpinBox>("calculatorCount");
    count->setFocus();
    QTest::keyClick(count, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(count, u"4"_s);
    auto *answer = find<QLabel>("calculatorAnswer");
    EXPECT_EQ(answer->text(), u"This group can make 3 of the 4 Ral: 9 Tal → 3 Ral. That spends 9 Tal."_s);
    auto *counts = find<QComboBox>("calculatorCounts");
    counts->setCurrentIndex(1);
    EXPECT_EQ(answer->text(), u"All groups together can make 4 Ral: 12 Tal → 4 Ral. That spends 12 Tal."_s);
    counts->setCurrentIndex(0);
    click(ui().runeimg2[6]);
    click(ui().runeimg2[6]);
    EXPECT_EQ(answer->text(), u"This group can make 4 Ral: 12 Tal → 4 Ral. That spends 12 Tal."_s);

    // The most Zod: from El the count is beyond 64 bits. The 32 rows, one a
    // rune below Zod, also show that the shipped data has a recipe for every
    // rune but El.
    QTest::keyClick(find<QComboBox>("calculatorRune"), Qt::Key_End);
    count->setValue(count->maximum());
    // Shown grouped, and whole in the column made when the counts were
    // small.
    QTableView *costs = table("upgradeCosts");
    const QString shown = static_cast<QStyledItemDelegate *>(costs->itemDelegate())
                              ->displayText(costs->model()->index(0, 1).data(), costs->locale());
    EXPECT_EQ(shown, u"4,294,967,294"_s);
    EXPECT_GT(costs->horizontalHeader()->sectionSize(1), costs->fontMetrics().horizontalAdvance(shown));
    prompter.answerSaveFileName(path("costs.csv"));
    QTest::keyClick(planner, Qt::Key_E, Qt::ControlModifier);
    const QList<QByteArray> lines = readFile("costs.csv").split('\n');
    ASSERT_EQ(lines.size(), 34);
    EXPECT_EQ(lines[0], "\xEF\xBB\xBF" "From,Runes,Gems\r");
    EXPECT_EQ(lines[1], "Cham,4294967294,\"2,147,483,647 Flawless Emerald\"\r");
    EXPECT_TRUE(lines[32].startsWith("El,\"at least 9")) << lines[32].toStdString();

    counts->setCurrentIndex(1);
    form->close();
    openPlanner();
    EXPECT_EQ(find<QComboBox>("calculatorRune")->currentText() + find<QComboBox>("calculatorCounts")->currentText(),
              u"ZodAll groups together"_s);
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
