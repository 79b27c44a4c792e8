#include "formfixture.h"
#include "runeinfo.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace rcl;

// Only the window is black: the controls keep their outlines, and the
// keyboard focus starts on the info panel, where Space does nothing.
TEST_F(WindowTest, controlsKeepTheirLookAndFocusStartsOnThePanel)
{
    const auto form = openShown();
    const Form1Controls &ui = form->controls();
    const QImage image = form->grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    for (const QWidget *control : std::initializer_list<const QWidget *>{ui.Command2, ui.Text1, ui.Command4}) {
        const QRect r = control->geometry();
        EXPECT_NE(image.pixelColor(r.left(), r.center().y()), QColor(Qt::black)) << control->metaObject()->className();
    }
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(QApplication::focusWidget(), ui.Picture1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(form->currentGroup(), 1);
}

TEST_F(WindowTest, firstRunShowsRuneZeroAndMakesTheSaveFolder)
{
    const auto form = open();
    const PanelText &panel = form->controls().Picture1->text();
    EXPECT_EQ(panel.lines(), firstRuneLines(0));
    EXPECT_EQ(panel.fontSize(), 14);
    EXPECT_EQ(form->controls().Text1->text(), QString());
    EXPECT_EQ(form->currentGroup(), 1);
    EXPECT_TRUE(QDir(path("save")).exists());
    EXPECT_TRUE(QDir(path("save")).isEmpty());
    EXPECT_TRUE(prompter.told.isEmpty());
    // The pictures and the icon come from the resources.
    for (const RunePicture *picture : form->controls().runeimg1)
        EXPECT_EQ(picture->pixmap().size(), QSize(28, 28));
    EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(WindowTest, startShowsStoredCountAndGroupName)
{
    writeFile("save/rune1.sav", "-3\r\n4\r\n");
    writeFile("save/group.dat", "\x83\x81\x83\x43\x83\x93: spare runes and gems\r\n");
    const auto form = open();
    EXPECT_EQ(form->controls().Picture1->text().texts().at(5), QStringLiteral("  Quantity : -3"));
    EXPECT_EQ(form->runeStock().at(1), 4);
    EXPECT_EQ(form->controls().Text1->text(), QStringLiteral("メイン: spare runes and gems"));
    // A long name shows from its start.
    EXPECT_EQ(form->controls().Text1->cursorPosition(), 0);
}

TEST_F(WindowTest, closingWritesTheGroupBack)
{
    writeFile("save/rune1.sav", "7\n");
    auto form = openShown();
    EXPECT_TRUE(form->close());
    QByteArray expected = " 7 \r\n";
    for (int i = 1; i < RuneCatalogue::Count; ++i)
        expected += " 0 \r\n";
    EXPECT_EQ(readFile("save/rune1.sav"), expected);
    EXPECT_FALSE(QFile::exists(path("save/group.dat")));
}

// The mouse reaches a rune's event area over its picture, and its label only
// on the strip no event area covers (none for Hel); frames take nothing.
TEST_F(WindowTest, mouseReachesEventAreasAndUncoveredLabelStrips)
{
    const auto form = openShown();
    const Form1Controls &ui = form->controls();
    EXPECT_EQ(form->childAt(pictureCentre(5)), ui.runeimg2[5]);
    EXPECT_EQ(form->childAt(labelStrip(3)), ui.Label1[3]);
    EXPECT_EQ(form->childAt(labelStrip(28)), ui.Label1[28]);
    EXPECT_EQ(form->childAt(labelStrip(14)), ui.runeimg2[14]);
    ui.Shape2[2]->show();
    EXPECT_EQ(form->childAt(centre(form::shape2(2))), nullptr);
}

TEST_F(WindowTest, panelDrawsWhatWasPrintedAgainAfterBeingCovered)
{
    const auto form = openShown();
    InfoPanel *panel = form->controls().Picture1;
    const QImage first = panel->grab().toImage();
    const QColor face = panel->palette().color(QPalette::Window);
    int inked = 0;
    for (int y = 10; y < first.height() - 10; ++y)
        for (int x = 10; x < first.width() - 10; ++x)
            inked += first.pixelColor(x, y) != face ? 1 : 0;
    EXPECT_GT(inked, 200);

    form->hide();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(panel->grab().toImage(), first);
}
