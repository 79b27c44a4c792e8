#include "mainwindow/form1.h"

#include "gamedata/interactionmode.h"
#include "gamedata/runeinfo.h"

#include <QFileInfo>

namespace rcl {

std::shared_ptr<const RuneData> Form1::runeData()
{
    auto data = m_runeData.current();
    // The grid keeps the short names of rune.dat in every game text: they
    // fit their places.
    const auto named = m_gameText == GameText::English ? data : m_englishData.current();
    if (named != m_namedBy) {
        m_namedBy = named;
        nameRunes(named->runes());
    }
    const QString problem = m_runeData.takeProblem();
    if (!problem.isEmpty())
        m_prompter.tell(this, windowTitle(), problem, Prompter::Icon::Warning);
    return data;
}

// The version runeData() has just named the grid by: rune.dat's, read once
// per event also in Japanese.
std::shared_ptr<const RuneData> Form1::englishRuneData()
{
    (void)runeData();
    return m_namedBy;
}

void Form1::chooseGameText()
{
    GameText text = gameTextOf(m_settings->text(Settings::Key::GameText));
    const QString directory = m_files.appDirectory();
    // English needs nothing looked at: a start without the option costs no
    // more than before.
    if (const GameTextFiles files = gameTextFiles(text); text != GameText::English
        && (!QFileInfo::exists(directory + files.runeData) || !QFileInfo::exists(directory + files.runeNames)))
        text = GameText::English;
    if (text == m_gameText)
        return;
    m_gameText = text;
    m_runeData = RuneDataFile(directory + gameTextFiles(text).runeData);
    m_namedBy.reset();
}

void Form1::nameRunes(const RuneTable &runes)
{
    bool renamed = false;
    for (int index = 0; index < RuneCatalogue::Count; ++index) {
        RuneLabel *label = m_ui.Label1[std::size_t(index)];
        if (label->text() != runes.name(index)) {
            label->setText(runes.name(index));
            renamed = true;
        }
    }
    // The names that screen readers give the cells follow the labels.
    if (renamed)
        showCounts(true);
}

// rune.dat itself, also while the game text is another language's.
QString Form1::ReadRuneData(const QString &section, const QString &key)
{
    return englishRuneData()->value(section, key);
}

// Read at every event, so an edit of rune.dat takes effect at once.
InteractionMode Form1::readInteractionMode()
{
    return parseInteractionMode(ReadRuneData(QStringLiteral("OverAll"), QStringLiteral("Rune Elect")));
}

void Form1::ShowRuneInfo(int index)
{
    if (!RuneStock::isIndex(index))
        return;
    printRune(index, false);
    placeFrame(m_ui.Shape1, index);
}

void Form1::Label1_MouseMove(int index, int, int, int, int)
{
    if (readInteractionMode() == InteractionMode::Hover)
        ShowRuneInfo(index);
}

void Form1::runeimg2_MouseMove(int index, int, int, int, int)
{
    if (readInteractionMode() == InteractionMode::Hover)
        ShowRuneInfo(index);
}

void Form1::runeimg2_MouseDown(int index, int button, int, int, int)
{
    applyGridAction(gridAction(GridEvent::Press, button, readInteractionMode()), index);
}

void Form1::runeimg2_MouseUp(int index, int button, int, int, int)
{
    applyGridAction(gridAction(GridEvent::Release, button, readInteractionMode()), index);
}

void Form1::runeimg2_DblClick(int index)
{
    applyGridAction(gridAction(GridEvent::DoubleClick, 0, readInteractionMode()), index);
}

void Form1::Label1_Click(int index)
{
    applyGridAction(gridAction(GridEvent::LabelClick, 0, readInteractionMode()), index);
}

void Form1::applyGridAction(GridAction action, int index)
{
    switch (action) {
    case GridAction::Nothing:
        break;
    case GridAction::AddOne:
        m_stock.addOne(index);
        showCountChange(index);
        break;
    case GridAction::TakeOneOff:
        m_stock.takeOneOff(index);
        showCountChange(index);
        break;
    case GridAction::Clear:
        if (m_prompter.askYesNo(this, QStringLiteral("RuneQuantity"), QStringLiteral("Clear?"),
                                Prompter::Icon::Information)) {
            m_stock.set(index, 0);
            // A panel showing another rune or a rune word goes blank; one
            // showing this rune shows its 0.
            if (index != m_panelRune)
                clearPanel();
            showCountChange(index);
        }
        break;
    case GridAction::Select:
        ShowRuneInfo(index);
        break;
    }
}

// The selection frame stays where it is.
void Form1::showCountChange(int index)
{
    if (index == m_panelRune)
        printRune(index, m_panelFirstRune);
    colourRecipeFrames();
}

} // namespace rcl
