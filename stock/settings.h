#pragma once

#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

namespace rcl {

// The program's options and the planner's choices, kept in a small INI file
// in the data folder. Every key is named once, with its default, in the
// table in settings.cpp.
//
// The file never stops the program: one that cannot be read leaves the
// defaults in force, one that is damaged is kept aside under another name,
// and one that cannot be written keeps the changes for this run only. Each
// such problem is given once by takeProblem().
class Settings final
{
public:
    enum class Key {
        // The hashes of the shipped rune word files that an installed copy
        // last took, so that a newer package's files can replace copies the
        // user never edited.
        ShippedRuneData,
        ShippedRuneNames,
        ShippedRuneDataJa,
        ShippedRuneNamesJa,
        // The planner's marks of rune words, by name.
        FavouriteRuneWords,
        HiddenRuneWords,
        // The planner window's place and size, and its tab.
        PlannerGeometry,
        PlannerTab,
        // How each of the planner's tables is sorted: "column order".
        PlannerSortNearMisses,
        PlannerSortRuneWords,
        PlannerSortUses,
        PlannerSortCalculator,
        PlannerSortGroups,
        PlannerSortCheck,
        // The widths of each table's columns, as the user left them:
        // "120 48 300".
        PlannerColumnsNearMisses,
        PlannerColumnsRuneWords,
        PlannerColumnsUses,
        PlannerColumnsCalculator,
        PlannerColumnsGroups,
        PlannerColumnsCheck,
        // The split between the rune words and the details pane (a
        // QSplitter's state; the pane closed where its size is 0).
        PlannerDetailsSplit,
        // How the near misses are ranked: "missing" or "after upgrades".
        PlannerNearMissRanking,
        // The calculator's rune (-1: the main window's) and whose counts it
        // judges by (1: all groups together).
        PlannerCalculatorRune,
        PlannerCalculatorCounts,
        // Options, all off unless the user turns them on.
        CountsOnGrid,
        EnglishCaptions,
        // The language of the game's texts: "en" or "ja".
        GameText,
    };

    // An empty path keeps everything in memory (tests, and a folder without
    // a place for the file).
    explicit Settings(const QString &path);
    ~Settings();
    Q_DISABLE_COPY_MOVE(Settings)

    [[nodiscard]] QString path() const { return m_path; }

    [[nodiscard]] QVariant value(Key key) const;
    // Whether the file or this run holds a value for key, its default aside.
    [[nodiscard]] bool contains(Key key) const;
    // Written to the file at once; a failure is kept for takeProblem().
    void setValue(Key key, const QVariant &value);
    [[nodiscard]] bool flag(Key key) const { return value(key).toBool(); }
    [[nodiscard]] QString text(Key key) const { return value(key).toString(); }
    [[nodiscard]] QStringList list(Key key) const { return value(key).toStringList(); }

    // Why the file could not be read or written, in a sentence for the user;
    // given once, empty afterwards.
    [[nodiscard]] QString takeProblem();

private:
    void noteProblem(const QString &problem);

    QString m_path;
    std::unique_ptr<QSettings> m_file;
    // Values set while the file cannot be written.
    QVariantMap m_unsaved;
    bool m_writable = true;
    QString m_problem;
    bool m_told = false;
};

} // namespace rcl
