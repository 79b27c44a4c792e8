#include "formfixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

class OptionsTest : public WindowTest
{
protected:
    void SetUp() override { form = openShown(); }

    QList<QPushButton *> japaneseCaptioned() const
    {
        return {ui().Command1, ui().Command2, ui().Command3, ui().Command5, ui().Command6, ui().Command7};
    }
    QStringList captions() const
    {
        QStringList texts;
        for (const QPushButton *button : japaneseCaptioned())
            texts.append(button->text());
        return texts;
    }
    QStringList rightClickMenu(QPoint at, const QString &choose = {})
    {
        return menuItems([&] { QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, at); }, choose);
    }
    RunePicture *picture(int index) const { return ui().runeimg1[std::size_t(index)]; }
    // The picture exactly as the rune's own, with nothing drawn over it.
    bool plain(int index) const
    {
        const QPixmap own = picture(index)->pixmap();
        return picture(index)->grab({{}, own.size()}).toImage()
            == own.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    static bool english(const QString &text)
    {
        return !text.isEmpty()
            && std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x2000; });
    }
    static QString accessible(QWidget *control, QAccessible::Text text = QAccessible::Name)
    {
        return QAccessible::queryAccessibleInterface(control)->text(text);
    }
};

} // namespace

// The options take effect at once and are kept for the next start; where the
// settings cannot be written, for this run, said once. The counts show in a
// corner of every picture, light on black whatever the picture, follow every
// change and group, and are gone again when the option is off: then every
// picture is exactly the rune's own. A right click on a rune counts and opens
// no menu; beside the runes it opens the options. English captions replace
// the Japanese ones and prompts, fit their buttons; turned off, every text is
// as it was, byte for byte. The English tooltips stay in both.
TEST_F(OptionsTest, optionsTakeEffectAtOnceAndAreKept)
{
    writeFile("save/rune2.sav", "5\r\n");
    for (int i = 0; i < RuneCatalogue::Count; ++i)
        EXPECT_TRUE(plain(i)) << i;
    const QPoint besideTheRunes = toPixels(form::Command4).bottomRight() + QPoint(-2, 10);
    EXPECT_TRUE(rightClickMenu(besideTheRunes, u"Show counts on the grid"_s).contains(u"Planner..."_s));
    EXPECT_TRUE(form->option(Settings::Key::CountsOnGrid));
    press(9, Qt::LeftButton, 3);
    EXPECT_TRUE(rightClickMenu(pictureCentre(9)).isEmpty());
    for (int i = 0; i < RuneCatalogue::Count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(picture(i)->countText(), i == 9 ? u"2"_s : u"0"_s);
        // What the count changes is grey: black around light digits.
        const QImage own = picture(i)->pixmap().toImage();
        const QImage shown = picture(i)->grab({{}, own.size()}).toImage();
        int black = 0;
        int light = 0;
        for (int y = 0; y < own.height(); ++y) {
            for (int x = 0; x < own.width(); ++x) {
                const QColor colour = shown.pixelColor(x, y);
                if (colour == own.pixelColor(x, y))
                    continue;
                black += colour == QColor(Qt::black);
                light += colour.lightness() > 120;
                EXPECT_TRUE(colour.red() == colour.green() && colour.green() == colour.blue()) << x << "," << y;
            }
        }
        EXPECT_GT(black, 10);
        EXPECT_GT(light, 4);
    }
    click(ui().Command2);
    EXPECT_EQ(picture(0)->countText(), u"5"_s);
    EXPECT_EQ(picture(9)->countText(), u"0"_s);

    // Kept for the next start, until turned off.
    form = openShown();
    EXPECT_EQ(picture(9)->countText(), u"2"_s);
    form->setOption(Settings::Key::CountsOnGrid, false, form.get());
    EXPECT_TRUE(plain(9));
    EXPECT_TRUE(prompter.told.isEmpty());

    // English captions, chosen from the grid's menu.
    const QStringList japanese = captions();
    const QString japaneseRename = (prompter.answerText({}), click(ui().Command3), prompter.asked.takeLast().prompt);
    EXPECT_TRUE(menuItems([&] {
                    QContextMenuEvent event(QContextMenuEvent::Keyboard, {}, ui().Grid1->mapToGlobal(QPoint()));
                    QApplication::sendEvent(ui().Grid1, &event);
                },
                          u"English captions"_s)
                    .contains(u"Show counts on the grid"_s));
    EXPECT_EQ(captions(), (QStringList{u"Prev"_s, u"Next"_s, u"Rename"_s, u"Update"_s, u"Clear"_s, u"Show all"_s}));
    for (QPushButton *button : japaneseCaptioned()) {
        const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 2 * frame + 2, button->width())
            << button->text().toStdString();
    }
    prompter.answerText({});
    click(ui().Command3);
    prompter.answerYesNo(false);
    click(ui().Command6);
    ASSERT_EQ(prompter.asked.size(), 2);
    EXPECT_EQ(prompter.asked[0].title, u"Rename Group"_s);
    EXPECT_TRUE(english(prompter.asked[0].prompt));
    EXPECT_TRUE(english(prompter.asked[1].prompt));

    form = openShown();
    EXPECT_EQ(captions()[0], u"Prev"_s);
    EXPECT_TRUE(rightClickMenu(besideTheRunes, u"English captions"_s).contains(u"Planner..."_s));
    EXPECT_EQ(captions(), japanese);
    prompter.answerText({});
    click(ui().Command3);
    EXPECT_EQ(prompter.asked.takeLast().prompt, japaneseRename);
    for (QPushButton *button : japaneseCaptioned())
        EXPECT_TRUE(english(button->toolTip())) << button->text().toStdString();

    // Both options where the settings cannot be written.
    writeFile("blocked", "a file where the settings folder would be");
    Settings settings(path("blocked/runechecklist.ini"));
    form = std::make_unique<Form1>(prompter, dir.path(), &settings);
    form->setOption(Settings::Key::CountsOnGrid, true, form.get());
    form->setOption(Settings::Key::EnglishCaptions, true, form.get());
    EXPECT_EQ(prompter.told.size(), 1);
    EXPECT_EQ(picture(0)->countText(), u"0"_s);
    EXPECT_EQ(captions()[1], u"Next"_s);
    form.reset();
}

// Every control has an English name, in both caption settings; a rune's cell
// and the grid name the rune as its label does and its count, kept current,
// and the panel gives its text.
TEST_F(OptionsTest, screenReadersFindEnglishNamesAndCurrentCounts)
{
    click(ui().Command4);
    for (const bool englishCaptions : {false, true}) {
        form->setOption(Settings::Key::EnglishCaptions, englishCaptions, form.get());
        for (QWidget *control : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(english(accessible(control)))
                << control->metaObject()->className() << " " << accessible(control).toStdString();
        }
    }
    EXPECT_EQ(accessible(ui().Combo1), u"Item type"_s);
    EXPECT_EQ(accessible(ui().Text1, QAccessible::Description), u"Group 1 of 9"_s);

    press(6, Qt::LeftButton, 3);
    EXPECT_EQ(accessible(ui().runeimg2[6]), u"Tal, 3 owned"_s);
    EXPECT_EQ(accessible(ui().Grid1), u"Tal, 3 owned"_s);
    pointAt(pictureCentre(6));
    const QString panelText = accessible(ui().Picture1, QAccessible::Description);
    EXPECT_TRUE(panelText.startsWith(u"Name  : Tal\n"_s) && panelText.contains(u"\nQuantity : 3\n"_s));
    click(ui().Command2);
    EXPECT_EQ(accessible(ui().runeimg2[6]), u"Tal, 0 owned"_s);
    EXPECT_EQ(accessible(ui().Grid1), u"El, 0 owned"_s);

    // A rune that rune.dat names anew is called so by its cell and picture.
    writeFile("rune.dat", "[Rune#7]\r\nName=Tally\r\nLevel=17\r\nWeapon1=W\r\nArmor1=A\r\n");
    pointAt(pictureCentre(6));
    EXPECT_EQ(accessible(ui().runeimg2[6]), u"Tally, 0 owned"_s);
    EXPECT_EQ(accessible(ui().runeimg1[6]), u"Picture of Tally"_s);
}

// The game text switches at once between the English and the Japanese pair
// of rune word files and is kept as Options/GameText. The same rune words are
// found in the same order, each the twin its English= key names; the panel
// speaks Japanese while the grid keeps its short English names, and the
// mouse setting stays rune.dat's. Without the Japanese pair the game text
// stays English and the data check says why, once. On a Japanese system the
// tooltips point to the option until a game text is chosen.
TEST_F(WindowTest, gameTextSwitchesAtOnceAndIsKept)
{
    copyShippedData();
    writeFile("save/rune1.sav", QByteArray("3\r\n").repeated(20));
    // On a Japanese system the tooltips point to the option until it is set.
    const QLocale system;
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    form = openShown();
    QLocale::setDefault(system);
    EXPECT_EQ(form->gameText(), GameText::English);
    EXPECT_TRUE(ui().runeimg2[0]->toolTip().contains(u"Game text"_s));
    click(ui().Command4);
    const QStringList english = listed();
    ASSERT_FALSE(english.isEmpty());

    form->setGameText(GameText::Japanese, form.get());
    EXPECT_EQ(form->gameText(), GameText::Japanese);
    EXPECT_TRUE(readFile("save/runechecklist.ini").contains("GameText=ja"));
    EXPECT_EQ(ui().Command4->text(), u"Rune Word >>"_s);
    EXPECT_TRUE(panel().join(u'\n').contains(u"エル"_s)) << panel().join(u'\n').toStdString();
    EXPECT_EQ(ui().Label1[0]->text(), u"El"_s);
    click(ui().Command4);
    const QStringList japanese = listed();
    ASSERT_EQ(japanese.size(), english.size());
    const auto data = form->currentRuneData();
    for (qsizetype i = 0; i < japanese.size(); ++i)
        EXPECT_EQ(data->value(japanese[i], u"English"_s), english[i]) << i;
    EXPECT_TRUE(form->checkData().isEmpty());

    // Click mode in rune.dat: a press selects, also in Japanese.
    setRuneElect("1");
    press(9);
    EXPECT_EQ(count(9), 3);

    form.reset();
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    form = openShown();
    QLocale::setDefault(system);
    EXPECT_EQ(form->gameText(), GameText::Japanese);
    EXPECT_FALSE(ui().runeimg2[0]->toolTip().contains(u"Game text"_s));
    form.reset();
    copyShippedData();
    ASSERT_TRUE(QFile::remove(path("runename_ja.dat")));
    form = openShown();
    EXPECT_EQ(form->gameText(), GameText::English);
    const QList<DataProblem> problems = form->checkData();
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].text.contains(u"runename_ja.dat"_s));
}

// F1 opens the help beside the window, in the captions' language, with the
// save folder as plain text; the grid's and the panel's tooltips lead to the
// menu, the planner and the help.
TEST_F(OptionsTest, f1ShowsHelpInTheCaptionsLanguage)
{
    const QString folder = dir.filePath(u"a <b>&amp; folder"_s);
    form = std::make_unique<Form1>(prompter, folder);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (const QWidget *control : std::initializer_list<const QWidget *>{ui().runeimg2[5], ui().Picture1})
        EXPECT_TRUE(control->toolTip().contains(u"Right-click"_s) && control->toolTip().contains(u"Ctrl+P"_s));
    QTest::keyClick(ui().Grid1, Qt::Key_F1);
    auto *help = form->findChild<QWidget *>(u"help"_s);
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(help->isVisible());
    const auto page = [help] { return help->findChild<QTextBrowser *>()->toPlainText(); };
    EXPECT_TRUE(page().contains(QDir::toNativeSeparators(folder + u"/save"_s)));
    EXPECT_TRUE(page().contains(u"Ctrl+Page Down"_s));
    EXPECT_FALSE(english(page()));
    form->setOption(Settings::Key::EnglishCaptions, true, form.get());
    EXPECT_EQ(help->windowTitle(), u"Help"_s);
    EXPECT_TRUE(english(page()));
    EXPECT_TRUE(page().contains(u"Rune Word >>"_s));
    form->setOption(Settings::Key::EnglishCaptions, false, form.get());
    EXPECT_FALSE(english(page()));
}
