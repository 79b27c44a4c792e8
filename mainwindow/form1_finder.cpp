#include "mainwindow/form1.h"

#include "mainwindow/formgeometry.h"
#include "gamedata/runenames.h"
#include "rules/runewordfinder.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

namespace rcl {
namespace {

const QString Closed = QStringLiteral("Rune Word >>");
const QString Open = QStringLiteral("Rune Word <<");

} // namespace

QStringList Form1::readRuneNames() const
{
    return ReadRuneNames(runeNamesPath());
}

QString Form1::itemTypeChoice() const
{
    const int chosen = m_ui.Combo1->currentIndex();
    return chosen >= 0 ? m_ui.Combo1->itemText(chosen) : QString();
}

bool Form1::bandOpen() const
{
    return m_ui.Command4->text() != Closed;
}

void Form1::ExpandRuneWordPanel()
{
    makeBand();
    m_ui.Command4->setText(Open);
    setOuterHeight(form::ExpandedHeight);
    m_ui.Picture1->resize(m_ui.Picture1->width(), twipsToPixels(form::Picture1ExpandedHeight));
    setBandFocusable(true);
}

void Form1::CollapseRuneWordPanel()
{
    m_ui.Command4->setText(Closed);
    setOuterHeight(form::CollapsedHeight);
    m_ui.Picture1->resize(m_ui.Picture1->width(), twipsToPixels(form::Picture1CollapsedHeight));
    setBandFocusable(false);
}

// The band's controls lie below the closed window, where Tab must not stop.
void Form1::setBandFocusable(bool focusable)
{
    for (const auto &[control, policy] : std::as_const(m_bandFocus))
        control->setFocusPolicy(focusable ? policy : Qt::NoFocus);
}

void Form1::hideRecipeFrames()
{
    for (OutlineShape *frame : m_ui.Shape2)
        frame->hide();
    m_recipeFrames.clear();
}

// Red where the group holds the rune, white where it lacks it. The frames
// stay when a count or the group changes, so they are coloured again then,
// by the counts shown now.
void Form1::colourRecipeFrames()
{
    markOwned(m_recipeFrames, m_stock);
    for (const RecipeFrame &recipe : std::as_const(m_recipeFrames)) {
        const QColor colour = recipe.owned ? QColor(255, 0, 0) : QColor(255, 255, 255);
        m_ui.Shape2[std::size_t(recipe.frame)]->setBorderColour(colour);
    }
}

// The button's caption is the band's state.
void Form1::Command4_Click()
{
    if (bandOpen()) {
        CollapseRuneWordPanel();
        return;
    }
    ExpandRuneWordPanel();
    m_ui.List1->clear();
    const auto data = runeData();
    m_ui.List1->addItems(RuneWordFinder(*data, m_stock).select(readRuneNames(), true, std::nullopt));
}

void Form1::Command5_Click()
{
    hideRecipeFrames();
    m_ui.List1->clear();
    const auto data = runeData();
    m_ui.List1->addItems(RuneWordFinder(*data, m_stock).select(readRuneNames(), true, itemTypeChoice()));
    // The first entry is previewed without being selected; with no entry the
    // panel is left blank.
    if (m_ui.List1->count() > 0) {
        ShowRuneWordDetails(m_ui.List1->item(0)->text());
    } else {
        clearPanel();
    }
}

void Form1::Command7_Click()
{
    hideRecipeFrames();
    m_ui.List1->clear();
    const auto data = runeData();
    m_ui.List1->addItems(RuneWordFinder(*data, m_stock).select(readRuneNames(), false, itemTypeChoice()));
    if (m_ui.List1->count() > 0)
        m_ui.List1->setCurrentRow(0);
}

void Form1::List1_Click()
{
    const QList<QListWidgetItem *> selected = m_ui.List1->selectedItems();
    if (!selected.isEmpty())
        ShowRuneWordDetails(selected.first()->text());
}

// The preview after update colours its frames as a click on the list does;
// its rune word is makeable, so they are red.
void Form1::ShowRuneWordDetails(const QString &name)
{
    const auto data = runeData();
    const RuneWordDetails details = RuneWordFinder(*data, m_stock).details(name);
    printPanel(details.lines);
    hideRecipeFrames();
    for (const RecipeFrame &recipe : details.frames) {
        OutlineShape *frame = m_ui.Shape2[std::size_t(recipe.frame)];
        placeFrame(frame, recipe.index);
        frame->show();
    }
    m_recipeFrames = details.frames;
    colourRecipeFrames();
}

} // namespace rcl
