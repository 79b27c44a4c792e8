#pragma once

#include "planner/plannertab.h"

namespace rcl {

class RuneWordRows;
struct RuneWordRow;

// A tab that lists rune words (near misses, all rune words, the uses of a
// rune): the filter bar stands at its top, and Return, Ctrl+D and Ctrl+H
// show, star or hide the current rune word, or the first one shown where
// none is current, wherever the focus is in the window.
class RuneWordListTab : public PlannerTab
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RuneWordListTab)

public:
    [[nodiscard]] bool listsRuneWords() const override { return true; }
    // Makes the list anew from rune.dat and the counts the filter bar
    // chooses, keeping the rune word chosen in it.
    void refresh() override;

    [[nodiscard]] const RuneWordRow *currentRuneWord() const;
    void selectRuneWord(const QString &name);
    // Makes the first row shown current, if there is one and none is.
    void chooseFirstRow();

Q_SIGNALS:
    // A rune word was starred, unstarred, hidden or shown again.
    void marksChanged();

protected:
    using PlannerTab::PlannerTab;
    ~RuneWordListTab() override = default;

    // Show, favourite and hide, by key and in the context menu.
    void addRuneWordActions();
    // Gives the model its rows out of words.
    virtual void fill(const RuneWordRows &words) = 0;
    // After the rows changed, the current row too.
    virtual void filled() {}

private:
    void showInMainWindow();
    void toggleFavourite();
    void toggleHidden();
};

} // namespace rcl
