#include "formfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
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
    EXPECT_EQ(panel.texts(), (QStringList{
                                 QString(),
                                 QStringLiteral("  Name  : El"),
                                 QString(),
                                 QStringLiteral("  Req Lv : 11"),
                                 QString(),
                                 QStringLiteral("  Quantity : 0"),
                                 QString(),
                                 QStringLiteral(" Effect : "),
                                 QStringLiteral("  W: +50 to Attack Rating"),
                                 QStringLiteral("        +1 Light Radius"),
                                 QStringLiteral("  A : +15 Defence,"),
                                 QStringLiteral("        +1 Light Radius"),
                             }));
    for (int i = 0; i < panel.lines().size(); ++i)
        EXPECT_EQ(panel.lines()[i].pointSize, i < 8 ? 15 : 14) << i;
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

// A failed save loses nothing while the counts are those of the file: the
// window closes. Changed counts are asked about, No the default.
TEST_F(WindowTest, failedSaveAsksOnlyAboutChangedCounts)
{
    auto form = openShown();
    ASSERT_TRUE(QDir().mkpath(path("save/rune1.sav")));
    EXPECT_TRUE(form->close());
    form->show();
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, pictureCentre(2));

    prompter.answerYesNo(false);
    QTest::mouseClick(form->controls().Command2, Qt::LeftButton);
    EXPECT_EQ(form->currentGroup(), 1);
    prompter.answerYesNo(false);
    EXPECT_FALSE(form->close());
    ASSERT_EQ(prompter.asked.size(), 2);
    for (const auto &asked : prompter.asked) {
        EXPECT_TRUE(asked.prompt.contains(QStringLiteral("rune1.sav")));
        EXPECT_EQ(asked.defaultButton, Prompter::Default::No);
    }
    prompter.answerYesNo(true);
    EXPECT_TRUE(form->close());
}

TEST_F(WindowTest, uncoveredLabelStripReachesTheLabel)
{
    const auto form = openShown();
    const Form1Controls &ui = form->controls();
    QWindow *window = form->windowHandle();
    for (int index : {3, 28}) {
        SCOPED_TRACE(index);
        const QPoint strip = labelStrip(index);
        QSignalSpy clicks(ui.Label1[std::size_t(index)], &RuneLabel::click);
        QSignalSpy moves(ui.Label1[std::size_t(index)], &RuneLabel::mouseMove);
        QSignalSpy areaDowns(ui.runeimg2[std::size_t(index)], &RuneEventArea::mouseDown);
        QTest::mouseMove(window, strip);
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, strip);
        EXPECT_GE(moves.size(), 1);
        ASSERT_EQ(clicks.size(), 1);
        EXPECT_EQ(clicks[0][0].toInt(), index);
        EXPECT_EQ(areaDowns.size(), 0);
    }
    // Hel's event area reaches below its label: the label gets nothing.
    QSignalSpy helClicks(ui.Label1[14], &RuneLabel::click);
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, labelStrip(14));
    EXPECT_EQ(helClicks.size(), 0);
}

TEST_F(WindowTest, framesAndPicturesTakeNoMouse)
{
    const auto form = openShown();
    const Form1Controls &ui = form->controls();
    EXPECT_EQ(form->childAt(centre(grid::pictureRect(5))), ui.runeimg2[5]);
    EXPECT_EQ(form->childAt(centre(form::shape2(2))), nullptr);
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
