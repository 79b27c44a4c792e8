#include "stock/groupstore.h"

#include <QCoreApplication>

namespace rcl {

void GroupStore::load(int group)
{
    m_group = group;
    m_loaded = m_files.LoadRuneStock(m_counts, group);
    m_stored = m_counts;
}

SaveOutcome GroupStore::save(SaveOccasion occasion, bool replaceUnreadable)
{
    const bool canAsk = occasion == SaveOccasion::Leaving || occasion == SaveOccasion::Closing;
    if (!m_loaded.ok) {
        // Nothing shown came from the file, so nothing may replace it
        // unasked.
        if (!changed())
            return {SaveOutcome::Kind::NothingLost, {}};
        if (!replaceUnreadable || !canAsk) {
            if (canAsk)
                return {SaveOutcome::Kind::AskToReplace, m_loaded};
            return {SaveOutcome::Kind::Failed,
                    FileResult::failure(m_loaded.fileName,
                                        QCoreApplication::translate("GroupStore", "It could not be read and is left as it is."))};
        }
    } else if (occasion == SaveOccasion::Autosave && !changed()) {
        return {SaveOutcome::Kind::NothingLost, {}};
    }
    const FileResult saved = m_files.SaveRuneStock(m_counts, m_group);
    if (saved.ok) {
        m_stored = m_counts;
        m_loaded = {};
        return {SaveOutcome::Kind::Saved, {}};
    }
    // Counts unchanged since the group was loaded or last saved are in their
    // file already.
    if (!changed())
        return {SaveOutcome::Kind::NothingLost, saved};
    return {SaveOutcome::Kind::Failed, saved};
}

} // namespace rcl
