#pragma once

#include "stock/runestock.h"
#include "stock/stockfiles.h"

namespace rcl {

// When the current group's counts are saved, and what a save may do.
enum class SaveOccasion {
    Leaving,    // to another group: the user can be asked
    Closing,    // the window closes: the user can be asked
    SessionEnd, // a logout, a shutdown or a quit signal: no one to ask
    Autosave,   // soon after a change: never asks, never tells
};

// What became of a save.
struct SaveOutcome
{
    enum class Kind {
        Saved,        // the counts are in their file now
        NothingLost,  // not written, but the file holds what the group shows
        AskToReplace, // the file could not be read: the user must agree to replace it
        Failed,       // changed counts are not in their file; failure says why
    };

    Kind kind = Kind::Saved;
    FileResult failure;
};

// The current group's counts beside what its file holds, and the rules by
// which they are saved on every occasion, so that leaving, closing, quitting
// and autosaving cannot disagree:
// - counts unchanged since they were loaded or last saved lose nothing when
//   a save fails, and ask nothing;
// - a file that could not be read is never written unless the user agreed to
//   replace it, which only leaving and closing can ask;
// - a failed autosave is tried again at the next occasion.
class GroupStore final
{
public:
    explicit GroupStore(StockFiles files) : m_files(std::move(files)) {}

    // Reads a group's file; the counts shown are then what it holds (zeros
    // when it cannot be read).
    void load(int group);

    [[nodiscard]] int group() const { return m_group; }
    [[nodiscard]] RuneStock &counts() { return m_counts; }
    [[nodiscard]] const RuneStock &counts() const { return m_counts; }
    // What became of reading the group's file.
    [[nodiscard]] const FileResult &loaded() const { return m_loaded; }
    [[nodiscard]] bool changed() const { return m_counts != m_stored; }
    // Whether an autosave would write anything.
    [[nodiscard]] bool autosaveDue() const { return m_loaded.ok && changed(); }

    // replaceUnreadable: the user agreed to write over a file that could not
    // be read.
    [[nodiscard]] SaveOutcome save(SaveOccasion occasion, bool replaceUnreadable = false);

private:
    StockFiles m_files;
    int m_group = 1;
    RuneStock m_counts;
    // What the file holds, as far as the program knows: as loaded, or as
    // last saved.
    RuneStock m_stored;
    FileResult m_loaded;
};

} // namespace rcl
