#include "formfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

// Ral twice, under a name wider than the panel in the name's large bold type,
// though not in the panel's own small type.
const QByteArray twinRal("Twin Ral of the Long and Winding Road");

class BandTest : public WindowTest
{
protected:
    void SetUp() override
    {
        writeFile("runename.dat", "Stealth\r\nLeaf\r\nSteel\r\nStealth\r\nLore\r\n" + twinRal + "\r\n");
        writeFile("rune.dat", "[OverAll]\r\nRune Elect=1\r\n"
                              "[Stealth]\r\nRuneNum=2\r\nRune1=7\r\nRune2=5\r\nAllowed=Body Armor\r\n"
                              "EffectNum=1\r\nEffect1=+25% Faster Run/Walk\r\n"
                              "[Leaf]\r\nRuneNum=2\r\nRune1=3\r\nRune2=8\r\nAllowed=Staff\r\nEffectNum=0\r\n"
                              "[Steel]\r\nRuneNum=2\r\nRune1=3\r\nRune2=1\r\nAllowed=Sword, Axe, Mace\r\n"
                              "[Lore]\r\nRuneNum=2\r\nRune1=9\r\nRune2=12\r\nAllowed=Helm\r\n"
                              "[" + twinRal + "]\r\nRuneNum=2\r\nRune1=8\r\nRune2=8\r\nAllowed=Belt\r\n");
        // Tal and Eth, Tir and Ral are owned; El, Ort and Sol are not.
        writeFile("save/rune1.sav", "0\r\n0\r\n1\r\n0\r\n1\r\n0\r\n1\r\n1\r\n");
        form = openShown();
    }

    void choose(const QString &itemType) { ui().Combo1->setCurrentIndex(ui().Combo1->findText(itemType)); }
    QList<int> visibleFrames() const
    {
        QList<int> shown;
        for (int k = 0; k < form::Shape2Count; ++k) {
            if (ui().Shape2[std::size_t(k)]->isVisible())
                shown.append(k);
        }
        return shown;
    }
};

} // namespace

// The band's controls are made when it first opens; opening lists what the
// group can make of every item type, whatever type is chosen. Update lists
// the makeable words of the item type and previews the first without
// selecting it; show all lists every word of the type and selects the first,
// framed by ownership. Nothing found: update blanks the panel, show all
// leaves it; both hide the frames. A line cut at the panel's edge can be read
// in the panel's tooltip, before the hint that it always gives. Clicked
// entries show framed by the counts of the group shown.
TEST_F(BandTest, runeWordButtonOpensWithMakeableWordsAndClickedEntriesShowFramed)
{
    EXPECT_EQ(form->findChild<QListWidget *>(), nullptr);
    const QString hint = ui().Picture1->toolTip();
    click(ui().Command4);
    ASSERT_NE(form->findChild<QListWidget *>(), nullptr);
    EXPECT_EQ(ui().Command4->text(), u"Rune Word <<"_s);
    EXPECT_EQ(ui().Picture1->height(), twipsToPixels(5895));
    EXPECT_TRUE(ui().List1->isVisible() && ui().Combo1->isVisible());
    const QStringList panelBefore = panel();

    click(ui().Command4);
    EXPECT_EQ(ui().Command4->text(), u"Rune Word >>"_s);
    EXPECT_EQ(form->size(), QSize(704, 324));
    EXPECT_EQ(ui().Picture1->height(), twipsToPixels(4215));
    EXPECT_EQ(panel(), panelBefore);
    choose(u"Helm"_s);
    click(ui().Command4);
    EXPECT_EQ(listed(), (QStringList{u"Stealth"_s, u"Leaf"_s, u"Stealth"_s}));

    choose(u"Armor"_s);
    click(ui().Command5);
    EXPECT_EQ(listed(), (QStringList{u"Stealth"_s, u"Stealth"_s}));
    EXPECT_EQ(ui().List1->currentRow(), -1);
    EXPECT_EQ(panel().value(1), u"  Req Rune : Tal + Eth"_s);
    EXPECT_EQ(visibleFrames(), (QList<int>{1, 2}));
    choose(u"Shield"_s);
    click(ui().Command5);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_TRUE(panel().isEmpty());
    EXPECT_TRUE(visibleFrames().isEmpty());

    choose(u"Helm"_s);
    click(ui().Command7);
    EXPECT_EQ(listed(), QStringList{u"Lore"_s});
    EXPECT_EQ(ui().List1->currentRow(), 0);
    EXPECT_EQ(panel().at(1), u"  Req Rune : Ort + Sol"_s);
    EXPECT_EQ(visibleFrames(), (QList<int>{1, 2}));
    EXPECT_EQ(ui().Shape2[1]->borderColour(), QColor(255, 255, 255));
    const QStringList shown = panel();
    choose(u"Shield"_s);
    click(ui().Command7);
    EXPECT_TRUE(listed().isEmpty());
    EXPECT_EQ(panel(), shown);
    EXPECT_TRUE(visibleFrames().isEmpty());

    // A name too wide for the panel goes on over the next line, whole.
    form->showRuneWord(QString::fromLatin1(twinRal));
    EXPECT_TRUE(panel().value(1).startsWith(u"      "_s)) << panel().value(1).toStdString();
    EXPECT_EQ(panel().value(0) + u' ' + panel().value(1).trimmed(), u"  "_s + QString::fromLatin1(twinRal));
    EXPECT_EQ(panel().value(2), u"  Req Rune : Ral + Ral"_s);
    EXPECT_EQ(ui().Picture1->toolTip(), hint);

    // Every click on an entry shows it, framing its runes red where owned and
    // white where missing, also a click on the entry already selected. The
    // frames' colours follow the counts of the group shown, whatever showed
    // them: a rune named twice is owned twice only with two; hidden frames
    // stay hidden.
    const QColor red(255, 0, 0);
    const QColor white(255, 255, 255);
    const auto colours = [this] {
        return QList<QColor>{ui().Shape2[1]->borderColour(), ui().Shape2[2]->borderColour()};
    };
    choose(u"All"_s);
    click(ui().Command7);
    const QPoint steel = ui().List1->visualItemRect(ui().List1->item(2)).center();
    QTest::mouseClick(ui().List1->viewport(), Qt::LeftButton, {}, steel);
    EXPECT_EQ(panel().mid(0, 3), (QStringList{u"  Steel"_s, u"  Req Rune : Tir + El"_s, u"  Req Lv : 13"_s}));
    EXPECT_EQ(colours(), (QList<QColor>{red, white}));
    EXPECT_EQ(ui().Shape2[2]->geometry(), toPixels({120, 120, 660, 660}));
    press(3);
    QTest::mouseClick(ui().List1->viewport(), Qt::LeftButton, {}, steel);
    EXPECT_EQ(panel().at(0), u"  Steel"_s);
    QTest::keyClick(ui().List1, Qt::Key_Down);
    EXPECT_EQ(panel().at(0), u"  Stealth"_s);

    const QPoint twin = ui().List1->visualItemRect(ui().List1->item(5)).center();
    QTest::mouseClick(ui().List1->viewport(), Qt::LeftButton, {}, twin);
    EXPECT_EQ(colours(), (QList<QColor>{red, white}));
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, pictureCentre(7));
    EXPECT_EQ(colours(), (QList<QColor>{red, red}));
    click(ui().Command2);
    EXPECT_EQ(visibleFrames(), (QList<int>{1, 2}));
    EXPECT_EQ(colours(), (QList<QColor>{white, white}));
    click(ui().Command1);
    EXPECT_EQ(colours(), (QList<QColor>{red, red}));
    press(7, Qt::RightButton, 2);
    EXPECT_EQ(colours(), (QList<QColor>{white, white}));

    // The preview after update: red while its word is makeable, none left
    // white from the view before.
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, pictureCentre(7));
    click(ui().Command4);
    choose(u"Staff"_s);
    click(ui().Command5);
    EXPECT_EQ(colours(), (QList<QColor>{red, red}));
    press(7, Qt::RightButton);
    EXPECT_EQ(colours(), (QList<QColor>{red, white}));

    choose(u"Shield"_s);
    click(ui().Command5);
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, pictureCentre(7));
    click(ui().Command2);
    EXPECT_TRUE(visibleFrames().isEmpty());
}

// Tab stops only on what the window shows: the band's controls only while
// it is open. Focus arriving in the list by Tab shows nothing.
TEST_F(BandTest, tabPassesOverTheClosedBand)
{
    const auto tabStops = [this] {
        ui().Picture1->setFocus();
        QList<QWidget *> stops;
        do {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            stops.append(QApplication::focusWidget());
        } while (stops.last() != ui().Picture1 && stops.size() < 20);
        return stops;
    };
    const QList<QWidget *> closed{ui().Command2, ui().Text1,    ui().Grid1,   ui().Command3,
                                  ui().Command4, ui().Command6, ui().Picture1};
    EXPECT_EQ(tabStops(), closed);
    click(ui().Command4);
    const QStringList rune = panel();
    EXPECT_EQ(tabStops(), (QList<QWidget *>{ui().Command2, ui().Text1, ui().Grid1, ui().Command3, ui().Command4,
                                             ui().List1, ui().Command5, ui().Combo1, ui().Command6, ui().Command7,
                                             ui().Picture1}));
    EXPECT_EQ(panel(), rune);
    click(ui().Command4);
    EXPECT_EQ(tabStops(), closed);
}
