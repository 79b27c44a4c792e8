#include "checklist.h"

#include <QCoreApplication>
#include <QDir>

namespace rcl {

std::unique_ptr<Checklist> Checklist::open(Prompter &prompter, const DataLocation &location)
{
    const QString &appDirectory = location.directory;
    const QString title = QStringLiteral("Rune Check List");
    std::unique_ptr<Checklist> checklist(new Checklist);
    // The lock comes before the window, which reads the counts it would later
    // write back.
    checklist->m_lock = std::make_unique<InstanceLock>(StockFiles(appDirectory));
    const InstanceLock &lock = *checklist->m_lock;
    if (lock.state() == InstanceLock::State::HeldByAnother) {
        prompter.tell(nullptr, title,
                      QCoreApplication::translate("Checklist",
                                                  "Rune Check List is already open for %1.\n\nUse the window that "
                                                  "is open: a second one would write its counts over the first "
                                                  "one's.")
                          .arg(QDir::toNativeSeparators(QDir(appDirectory).absolutePath())),
                      Prompter::Icon::Information);
        return nullptr;
    }
    // Under the lock, so that two first starts cannot copy at once, and before
    // the window that reads the files.
    const FileResult copied =
        lock.state() == InstanceLock::State::Acquired ? copyShippedFiles(location) : FileResult();
    checklist->m_form = std::make_unique<Form1>(prompter, appDirectory);
    if (lock.state() == InstanceLock::State::Unavailable) {
        prompter.tell(checklist->m_form.get(), title,
                      QCoreApplication::translate("Checklist",
                                                  "%1\n\nCounts cannot be saved in this folder; the program says so "
                                                  "again each time a save fails.")
                          .arg(lock.reason()),
                      Prompter::Icon::Warning);
    }
    if (!copied.ok) {
        prompter.tell(checklist->m_form.get(), title,
                      QCoreApplication::translate("Checklist",
                                                  "The example rune word file %1 could not be copied:\n%2\n\nThe "
                                                  "checklist works without it.")
                          .arg(QDir::toNativeSeparators(copied.fileName), copied.reason),
                      Prompter::Icon::Warning);
    }
    return checklist;
}

} // namespace rcl
