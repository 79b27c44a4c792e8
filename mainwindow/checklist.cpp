#include "mainwindow/checklist.h"

#include "stock/translator.h"
#include "stock/shiftjis.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

namespace rcl {
namespace {

constexpr Translator tr{"Checklist"};

} // namespace

Checklist::Checklist(Prompter &prompter, DataLocation location)
    : m_prompter(prompter)
    , m_location(std::move(location))
{
}

Checklist::~Checklist() = default;

bool Checklist::open()
{
    const QString title = QStringLiteral("Rune Check List");
    const QString &dataDirectory = m_location.directory;
    const QString folder = QDir::toNativeSeparators(QDir(dataDirectory).absolutePath());
    // The lock comes before the window, which reads the counts it would later
    // write back.
    m_lock = std::make_unique<InstanceLock>(StockFiles(dataDirectory));
    const QString lockFile = QDir::toNativeSeparators(m_lock->path());
    if (m_lock->state() == InstanceLock::State::HeldHere) {
        m_prompter.tell(nullptr, title,
                        tr("Rune Check List is already open for %1.\n\nUse the window that is open: a second one "
                           "would write its counts over the first one's.\n\nIf no window is open, delete the lock "
                           "file %2.")
                            .arg(folder, lockFile),
                        Prompter::Icon::Information);
        return false;
    }
    if (m_lock->state() == InstanceLock::State::HeldElsewhere) {
        // An end without closing is far likelier than the same checklist open
        // on two machines at once.
        const bool takeOver = m_prompter.askYesNo(
            nullptr, title,
            tr("The checklist in %1 is marked as open on the computer \"%2\" (lock file %3).\n\nIf it is not "
               "open there, the program ended there without closing. Open it here anyway?")
                .arg(folder, m_lock->holder(), lockFile),
            Prompter::Icon::Question, Prompter::Default::Yes);
        if (!takeOver)
            return false;
        m_lock->takeOver();
    }
    // Under the lock, so that two first starts cannot copy at once, and before
    // the window that reads the files.
    m_settings = std::make_unique<Settings>(m_location.settingsPath());
    const FileResult copied =
        m_lock->state() == InstanceLock::State::Acquired ? updateShippedFiles(m_location, *m_settings) : FileResult();
    m_form = std::make_unique<Form1>(m_prompter, dataDirectory, m_settings.get());
    m_form->setShippedDirectory(m_location.shippedDirectory);
    if (m_lock->state() == InstanceLock::State::Unavailable) {
        m_prompter.tell(m_form.get(), title,
                        tr("%1\n\nCounts cannot be saved in this folder; the program says so again when a save "
                           "of changed counts fails.")
                            .arg(m_lock->reason()),
                        Prompter::Icon::Warning);
    }
    if (!copied.ok) {
        m_prompter.tell(m_form.get(), title,
                        tr("The example rune word file %1 could not be copied:\n%2\n\nThe checklist works without it.")
                            .arg(QDir::toNativeSeparators(copied.fileName), copied.reason),
                        Prompter::Icon::Warning);
    }
    m_form->tellStartupProblems();
    // Asking for the converter loads its tables, which the first paint does
    // not need: the question waits for the window to show.
    QObject::connect(m_form.get(), &Form1::firstPainted, m_form.get(), [this, title] {
        if (!shiftjis::available()) {
            m_prompter.tell(m_form.get(), title,
                            tr("This build of Qt cannot convert Shift-JIS (code page 932). Group names and rune "
                               "word names other than ASCII show as replacement characters, and only ASCII group "
                               "names can be stored; the names files are kept as they are."),
                            Prompter::Icon::Warning);
        }
    });
    return true;
}

void Checklist::quit()
{
    const bool saved = !m_form || m_form->saveAtSessionEnd();
    m_lock.reset();
    std::fflush(nullptr);
    // Not through the event loop: a box may be showing, and its loop would
    // go on.
    std::_Exit(saved ? 0 : 1);
}

} // namespace rcl
