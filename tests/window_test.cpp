#include "formfixture.h"
#include "gamedata/runeinfo.h"
#include "gamedata/runenames.h"
#include "mainwindow/panelwrap.h"
#include "rules/runewordfinder.h"

#include <QLineEdit>
#include <QPushButton>

using namespace rcl;
using namespace Qt::StringLiterals;

// A first run shows rune 0 and makes an empty save folder. Only the window
// is black: the controls keep their outlines, and the keyboard focus starts
// on the info panel, where Space does nothing. A rune's label takes the mouse
// only on the strip no event area covers (none for Hel); frames take nothing.
TEST_F(WindowTest, firstRunLookFocusAndMouse)
{
    const auto form = openShown();
    const Form1Controls &ui = form->controls();
    EXPECT_EQ(ui.Picture1->text().fontSize(), 14);
    EXPECT_EQ(ui.Text1->text(), QString());
    EXPECT_TRUE(QDir(path("save")).exists() && QDir(path("save")).isEmpty());
    EXPECT_TRUE(prompter.told.isEmpty());
    // The pictures and the icon come from the resources.
    for (const RunePicture *picture : ui.runeimg1)
        EXPECT_EQ(picture->pixmap().size(), QSize(28, 28));
    EXPECT_FALSE(form->windowIcon().isNull());
    const QImage image = form->grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    for (const QWidget *control : std::initializer_list<const QWidget *>{ui.Command2, ui.Text1, ui.Command4}) {
        const QRect r = control->geometry();
        EXPECT_NE(image.pixelColor(r.left(), r.center().y()), QColor(Qt::black)) << control->metaObject()->className();
    }
    EXPECT_EQ(QApplication::focusWidget(), ui.Picture1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(form->currentGroup(), 1);

    // The panel draws what was printed again after being covered.
    const QImage panel = ui.Picture1->grab().toImage();
    QImage blank(panel.size(), panel.format());
    blank.fill(ui.Picture1->palette().color(QPalette::Window));
    EXPECT_NE(panel, blank);
    form->hide();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(ui.Picture1->grab().toImage(), panel);

    EXPECT_EQ(form->childAt(labelStrip(28)), ui.Label1[28]);
    EXPECT_EQ(form->childAt(labelStrip(14)), ui.runeimg2[14]);
    // A point on a frame's outline, over the free cells beside "Rune Word >>".
    OutlineShape *frame = ui.Shape2[2];
    frame->setGeometry(toPixels({4320, 3900, 660, 660}));
    frame->show();
    const QPoint outline = frame->geometry().topLeft() + QPoint(10, 0);
    ASSERT_TRUE(form->rect().contains(outline));
    EXPECT_EQ(form->childAt(outline), nullptr);
}

// Every line the shipped files print shows whole in the panel, in either
// game text, with a glyph for every character (a line a font makes a pixel
// too wide goes on over the next), and every rune name fits its label: the
// grid keeps its short English names in Japanese too. The counts are the
// widest a save file holds.
TEST_F(WindowTest, shippedDataFitsThePanelAndTheLabels)
{
    copyShippedData();
    writeFile("save/rune1.sav", QByteArray("-2147483648\r\n").repeated(RuneCatalogue::Count));
    form = openShown();
    const InfoPanel *panel = ui().Picture1;
    const auto expectFits = [panel](const QList<PanelLine> &lines) {
        for (const PanelLine &line : lines) {
            QFont font = panel->font();
            font.setPointSizeF(line.pointSize);
            font.setBold(line.bold);
            const QFontMetrics metrics(font);
            EXPECT_LE(metrics.horizontalAdvance(line.text), panel->contentsRect().width()) << line.text.toStdString();
            for (const char32_t c : line.text.toUcs4())
                EXPECT_TRUE(metrics.inFontUcs4(c)) << line.text.toStdString();
        }
    };
    const RuneTable english = form->currentRuneData()->runes();
    for (const GameText text : {GameText::Japanese, GameText::English}) {
        SCOPED_TRACE(int(text));
        form->setGameText(text, form.get());
        ASSERT_EQ(form->gameText(), text);
        const auto data = form->currentRuneData();
        const QStringList names = ReadRuneNames(form->runeNamesPath());
        ASSERT_EQ(names.size(), 99);
        for (const QString &name : names) {
            form->showRuneWord(name);
            ASSERT_EQ(panel->text().lines().value(0).text, u"  "_s + name);
            expectFits(panel->text().lines());
        }
        click(ui().Command2);
        click(ui().Command1);
        expectFits(panel->text().lines());
        for (int index = 0; index < RuneCatalogue::Count; ++index) {
            pointAt(pictureCentre(index));
            ASSERT_TRUE(panel->text().texts().join(u' ').contains(data->runes().name(index))) << index;
            expectFits(panel->text().lines());
            const RuneLabel *label = ui().Label1[std::size_t(index)];
            EXPECT_EQ(label->text(), english.name(index));
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << index;
        }
    }
}

// A line wider than the panel goes on over the next, broken at a blank where
// it has one and anywhere where it has none; a line that fits is kept as it
// is. Widths here are counted in characters.
TEST(PanelWrap, breaksOnlyWhatIsTooWide)
{
    const std::pair<QString, QStringList> rows[] = {
        {u"  Req Rune : Tal"_s, {u"  Req Rune : Tal"_s}},
        {u"  Req Rune : Tal + Ral"_s, {u"  Req Rune : Tal +"_s, u"      Ral"_s}},
        {u"  火炎耐性と冷気耐性と電撃耐性と毒物耐性"_s, {u"  火炎耐性と冷気耐性と電撃耐性と毒物耐"_s, u"      性"_s}},
        {u"abcdefghijklmnopqrstuvwxyz0123456789"_s, {u"abcdefghijklmnopqrst"_s, u"    uvwxyz0123456789"_s}},
    };
    const auto length = [](const PanelLine &line) { return int(line.text.size()); };
    for (const auto &[text, expected] : rows) {
        QStringList wrapped;
        for (const PanelLine &line : wrapPanelLines({{text, 9, false}}, 20, length))
            wrapped.append(line.text);
        EXPECT_EQ(wrapped, expected) << wrapped.join(u'|').toStdString();
    }
}
