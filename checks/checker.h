#pragma once

// The data check's reading of the two files, line by line, and the checks
// it makes of each section; datacheck.cpp puts them together.

#include "checks/datacheck.h"
#include "stock/decimalnumber.h"
#include "stock/filereader.h"
#include "gamedata/interactionmode.h"
#include "profile/legacytext.h"
#include "profile/numberedkeys.h"
#include "profile/profiledata.h"
#include "gamedata/runedatafile.h"
#include "gamedata/runedata.h"
#include "gamedata/runenames.h"
#include "rules/runewordfinder.h"
#include "stock/textlines.h"
#include "rules/upgrades.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>
#include <vector>


namespace rcl::datacheck {

inline const QString DataFile = QStringLiteral("rune.dat");
inline const QString NamesFile = QStringLiteral("runename.dat");
// Missing effect keys named in one sentence; the rest are counted.
inline constexpr qsizetype NamedKeys = 5;

// The first line of a key in the first section of its name: the one the
// lookup reads.
struct KeyLine
{
    int line = 0;
    QByteArrayView value;
};

struct SectionLines
{
    QString name;
    int line = 0;
};

class Checker
{
public:
    void add(const QString &file, int line, const QString &text) { m_problems.append({file, line, text}); }
    void checkBytes(const QString &file, QByteArrayView content, const QList<QByteArrayView> &lines,
                    TextEncoding encoding);
    // Which section and key counts is the lookup's rule: profile is the
    // same file as the lookup reads it.
    void readSections(const QList<QByteArrayView> &lines, TextEncoding encoding, const ProfileData &profile);
    [[nodiscard]] QSet<QString> readNames(const QList<QByteArrayView> &lines, TextEncoding encoding);
    void checkSections(const QSet<QString> &listed, const RuneData &data);
    [[nodiscard]] QList<DataProblem> sorted();

private:
    [[nodiscard]] const KeyLine *key(std::size_t section, const QString &folded) const;
    [[nodiscard]] QString value(const KeyLine *key) const;
    [[nodiscard]] qint64 keyId(QByteArrayView raw);
    [[nodiscard]] static qint64 slot(std::size_t section, qint64 id) { return qint64(section) << 32 | id; }
    void checkRecipe(std::size_t section);
    void checkEffects(std::size_t section);
    void checkSettings(std::size_t section);
    void checkVersion(std::size_t section);
    void checkAllowed(std::size_t section, const ItemKinds &kinds);
    void checkRune(std::size_t section, int index, const RuneTable &runes);
    void checkKinds(std::size_t section, const ItemKinds &kinds);
    void checkKindNames(std::size_t section, const RuneData &data);
    void checkUpgrades(std::size_t section, const RuneTable &runes);

    QList<DataProblem> m_problems;
    TextEncoding m_encoding = TextEncoding::ShiftJis;
    std::vector<SectionLines> m_sections;
    QHash<QString, std::size_t> m_sectionByName;
    // Keys by section and name, the names numbered: the same few stand in
    // every section.
    QHash<qint64, KeyLine> m_keys;
    QHash<QString, qint64> m_keyIds;
    QHash<QByteArrayView, qint64> m_rawKeyIds;
    // The key lines of the item kinds section, in file order.
    QList<std::pair<QString, int>> m_kindLines;
    // The first key line of each name in the rune upgrades section, in file
    // order.
    QList<std::pair<QString, KeyLine>> m_upgradeLines;
    NumberedKeys m_runeKeys{QStringLiteral("rune")};
    NumberedKeys m_effectKeys{QStringLiteral("effect")};
};

} // namespace rcl::datacheck
