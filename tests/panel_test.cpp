#include "formfixture.h"
#include "mainwindow/paneltext.h"

#include <QPushButton>
#include <QWheelEvent>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

struct ScrollRow
{
    const char *what;
    // Negative for an empty line of that height.
    QList<int> heights;
    int viewHeight;
    // D and U a page down and up, + and - a line, V the panel grown to
    // tallerView.
    const char *moves;
    int tallerView;
    int first;
    bool above;
    bool below;
    bool scrolls;
};

} // namespace

TEST(PanelScroll, linesAndPagesMoveWithinWhatDoesNotFit)
{
    const QList<int> seven(7, 10);
    const ScrollRow rows[] = {
        {"lines that fit exactly", {10, 10, 10}, 30, "D+D", 0, 0, false, false, false},
        {"empty lines at the end take no room", {10, 10, 10, -10, -10}, 30, "D+", 0, 0, false, false, false},
        {"an empty line between counts", {10, -10, 10, 10}, 30, "DD", 0, 1, true, false, true},
        {"a page down starts at the line cut", seven, 25, "D", 0, 2, true, true, true},
        {"pages stop where the last line shows whole", seven, 25, "DDDD", 0, 5, true, false, true},
        {"nor at empty lines after the last words", {10, 10, 10, 10, -10, -10}, 25, "DDD", 0, 2, true, false, true},
        {"a page up ends where the page began", seven, 25, "DDDDU", 0, 3, true, true, true},
        {"up to the top and no further", seven, 25, "DDUUUU-", 0, 0, false, true, true},
        {"lines one by one", seven, 25, "+++-", 0, 2, true, true, true},
        {"lines of several heights", {20, 12, 12, 12, 12, 12, 12}, 45, "D", 0, 3, true, true, true},
        {"a line taller than the panel is passed", {50, 10}, 30, "D", 0, 1, true, false, true},
        {"a line taller than the panel alone", {50}, 30, "D+", 0, 0, false, true, true},
        {"a taller panel shows more from nearer the top", seven, 25, "DDDDV", 45, 3, true, false, true},
        {"a panel that holds all scrolls no more", seven, 25, "DDV", 70, 0, false, false, false},
    };
    for (const ScrollRow &row : rows) {
        SCOPED_TRACE(row.what);
        PanelScroll scroll;
        scroll.setViewHeight(row.viewHeight);
        for (const int height : row.heights)
            scroll.append(std::abs(height), height < 0);
        for (const char *move = row.moves; *move; ++move) {
            if (*move == 'D')
                scroll.pageDown();
            else if (*move == 'U')
                scroll.pageUp();
            else if (*move == 'V')
                scroll.setViewHeight(row.tallerView);
            else
                scroll.scrollBy(*move == '+' ? 1 : -1);
        }
        EXPECT_EQ(scroll.first(), row.first);
        EXPECT_EQ(scroll.moreAbove(), row.above);
        EXPECT_EQ(scroll.moreBelow(), row.below);
        EXPECT_EQ(scroll.scrolls(), row.scrolls);
    }
}

// A rune word longer than the closed band's panel scrolls by the wheel and,
// once a click gave the panel the focus, by the keys; a triangle marks the
// side where more lies, and the tooltip holds the whole text. The open band's
// taller panel holds it all. A new print starts at the top. A panel whose
// lines fit takes neither wheel nor keys and draws as it always did.
TEST_F(WindowTest, longPanelsScrollAndShortOnesStayAsTheyWere)
{
    copyShippedData();
    form = openShown();
    InfoPanel *panel = ui().Picture1;
    const PanelScroll &scroll = panel->scroll();
    const auto wheel = [panel](int angle) {
        const QPointF at = panel->rect().center();
        QWheelEvent event(at, panel->mapToGlobal(at), {}, {0, angle}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(panel, &event);
    };
    const auto marked = [panel](bool below) {
        const QPoint inside = scrollMarker(panel->contentsRect(), below).boundingRect().center();
        return panel->grab().toImage().pixelColor(inside) == panel->palette().color(QPalette::WindowText);
    };

    QTest::mouseClick(panel, Qt::LeftButton);
    ASSERT_TRUE(panel->hasFocus());
    const QImage el = panel->grab().toImage();
    wheel(-120);
    QTest::keyClick(panel, Qt::Key_PageDown);
    QTest::keyClick(panel, Qt::Key_End);
    EXPECT_EQ(panel->grab().toImage(), el);
    EXPECT_FALSE(marked(true));

    form->showRuneWord(u"Death"_s);
    const QImage top = panel->grab().toImage();
    EXPECT_TRUE(scroll.moreBelow());
    EXPECT_TRUE(marked(true));
    EXPECT_FALSE(marked(false));
    EXPECT_TRUE(panel->toolTip().startsWith(panel->text().texts().join(u'\n') + u"\n\n"_s));
    wheel(-60);
    EXPECT_EQ(scroll.first(), 0);
    wheel(-60);
    EXPECT_EQ(scroll.first(), QApplication::wheelScrollLines());
    EXPECT_TRUE(marked(false));
    QTest::keyClick(panel, Qt::Key_End);
    const QRect firstLines(0, 0, panel->width() / 2, 40);
    EXPECT_NE(panel->grab(firstLines).toImage(), top.copy(firstLines));
    EXPECT_FALSE(scroll.moreBelow());
    EXPECT_FALSE(marked(true));
    EXPECT_TRUE(marked(false));
    QTest::keyClick(panel, Qt::Key_PageUp);
    QTest::keyClick(panel, Qt::Key_Up);
    QTest::keyClick(panel, Qt::Key_PageDown);
    EXPECT_TRUE(scroll.moreAbove());
    QTest::keyClick(panel, Qt::Key_Home);
    EXPECT_EQ(panel->grab().toImage(), top);

    QTest::keyClick(panel, Qt::Key_Down);
    click(ui().Command4);
    EXPECT_FALSE(scroll.scrolls());
    EXPECT_EQ(scroll.first(), 0);
    click(ui().Command4);
    QTest::keyClick(panel, Qt::Key_End);
    form->showRuneWord(u"Death"_s);
    EXPECT_EQ(panel->grab().toImage(), top);
}
