#include "plannerfixture.h"
#include "planner/plannerproxy.h"
#include "planner/tablemodel.h"

using namespace rcl;
using namespace Qt::StringLiterals;

// At 900 × 600 every column of every tab is in sight without scrolling
// sideways, with the shipped files' long texts, also where the user made one
// too wide; a cell cut short shows whole in its tooltip. Names are found in
// both game texts.
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

    // A rune word is found by its English or its Japanese name in either game
    // text, and its marks follow it when the game text changes.
    QLineEdit *search = find<QLineEdit>("search");
    search->setText(u"召集"_s);
    ASSERT_EQ(names(runeWords), QStringList{u"Call to Arms"_s});
    clickRow(runeWords, 0);
    QTest::keyClick(runeWords, Qt::Key_D, Qt::ControlModifier);
    form->setGameText(GameText::Japanese, form.get());
    search->clear();
    QTest::keyClicks(search, u"call to arms"_s);
    ASSERT_EQ(names(runeWords), QStringList{u"召集"_s});
    EXPECT_EQ(cell(runeWords, 0, 0), u"★"_s);
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
    // A ranking chosen puts the list in its order, a header's sort aside.
    clickHeader(nearMisses, 1);
    auto *ranking = find<QComboBox>("ranking");
    ranking->setFocus();
    QTest::keyClick(ranking, Qt::Key_Down);
    EXPECT_EQ(nearMisses->horizontalHeader()->sortIndicatorSection(), -1);
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

// A sort puts empty cells last in either order and ignores letter case; rows
// set anew sort by their new keys.
TEST(PlannerSort, emptyCellsLastCaseIgnoredNewRowsResorted)
{
    Settings settings{QString()};
    const RuneWordMarks marks(settings);
    const Column<QString> text{u"Text"_s, [](const QString &row) { return row == u"-"_s ? QVariant() : QVariant(row); }};
    RowsModel<QString> model({text}, {}, {}, nullptr);
    PlannerProxy proxy(marks, nullptr);
    proxy.setSourceModel(&model);
    const auto shown = [&proxy] {
        QStringList rows;
        for (int row = 0; row < proxy.rowCount(); ++row)
            rows.append(proxy.index(row, 0).data().toString());
        return rows;
    };
    model.setRows({u"b"_s, u""_s, u"C"_s, u"-"_s, u"a"_s});
    proxy.sort(0, Qt::AscendingOrder);
    EXPECT_EQ(shown(), (QStringList{u"a"_s, u"b"_s, u"C"_s, u""_s, u""_s}));
    proxy.sort(0, Qt::DescendingOrder);
    EXPECT_EQ(shown(), (QStringList{u"C"_s, u"b"_s, u"a"_s, u""_s, u""_s}));
    model.setRows({u"x"_s, u"y"_s, u"z"_s, u"w"_s, u"v"_s});
    EXPECT_EQ(shown(), (QStringList{u"z"_s, u"y"_s, u"x"_s, u"w"_s, u"v"_s}));
}
