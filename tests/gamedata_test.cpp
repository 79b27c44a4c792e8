// The shipped Japanese pair against the English one, without the game tables
// it was made from: the same recipes and kinds, the same numbers on every
// line, and text that the code page holds.
#include "gamedata/gametext.h"
#include "gamedata/runedata.h"
#include "gamedata/runenames.h"
#include "stock/shiftjis.h"
#include "testfiles.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <utility>

using namespace rcl;
using namespace Qt::StringLiterals;

namespace {

const QString DataDir = QStringLiteral(RCL_DATA_DIR "/");

// The lines of a numbered key (Effect1.., Weapon1..), whole: a value that
// starts with two blanks (English) or a full-width blank (Japanese) goes on
// from the line above.
QStringList wholeLines(const RuneData &data, const QString &section, const QString &prefix)
{
    QStringList lines;
    for (int n = 1;; ++n) {
        const QString value = data.value(section, prefix + QString::number(n));
        if (value.isEmpty())
            return lines;
        if ((value.startsWith(u"  "_s) || value.startsWith(u'\u3000')) && !lines.isEmpty())
            lines.last() += u' ' + value.trimmed();
        else
            lines.append(value);
    }
}

// The numbers of a line in their order, without signs: "+240-270%" and
// "（+240〜270%）" both give 240, 270.
QStringList numbers(const QString &line)
{
    static const QRegularExpression digits(u"\\d+"_s);
    QStringList found;
    for (const QRegularExpressionMatch &match : digits.globalMatch(line))
        found.append(match.captured());
    return found;
}

// The numbers a Japanese line must hold for an English one: the same, and a
// value that the Japanese text of the game writes out where the English one
// only names it.
QStringList expectedNumbers(const QString &english)
{
    QString line = english;
    line.replace(u"Half Freeze Duration"_s, u"Half Freeze Duration 50"_s);
    return numbers(line);
}

struct Pair
{
    static RuneData read(GameText text) { return RuneData::parse(readAll(DataDir + gameTextFiles(text).runeData)); }
    static QStringList names(GameText text) { return ReadRuneNames(DataDir + gameTextFiles(text).runeNames); }

    RuneData english = read(GameText::English);
    RuneData japanese = read(GameText::Japanese);
    QStringList englishNames = names(GameText::English);
    QStringList japaneseNames = names(GameText::Japanese);

    // The Japanese kinds that English kinds stand for, found by their
    // English names.
    [[nodiscard]] QList<int> japaneseKinds(const QString &allowed) const
    {
        QList<int> kinds;
        for (const int kind : english.kinds().kindsOf(allowed))
            kinds.append(japanese.kinds().indexOf(english.kinds().kinds()[std::size_t(kind)].name));
        return kinds;
    }
};

// Catches a Japanese section that lost or swapped a rune, a kind, a patch or
// a mode, or that stands in another order than its English twin; a kind
// whose English name leads nowhere; a rune of another level.
TEST(JapanesePair, everyRuneWordKeepsItsEnglishTwinsRecipe)
{
    const Pair pair;
    ASSERT_EQ(pair.englishNames.size(), 99);
    ASSERT_EQ(pair.japaneseNames.size(), pair.englishNames.size());
    for (qsizetype i = 0; i < pair.englishNames.size(); ++i) {
        const QString &english = pair.englishNames[i];
        const QString &japanese = pair.japaneseNames[i];
        SCOPED_TRACE(english.toStdString());
        EXPECT_EQ(pair.japanese.value(japanese, englishNameKey()), english);
        QStringList keys{u"RuneNum"_s, u"Patch"_s, u"Mode"_s};
        for (int rune = 1; rune <= pair.english.value(english, u"RuneNum"_s).toInt(); ++rune)
            keys.append(u"Rune"_s + QString::number(rune));
        for (const QString &key : keys)
            EXPECT_EQ(pair.japanese.value(japanese, key), pair.english.value(english, key)) << key.toStdString();
        const QString allowed = pair.japanese.value(japanese, u"Allowed"_s);
        EXPECT_EQ(pair.japanese.kinds().kindsOf(allowed), pair.japaneseKinds(pair.english.value(english, u"Allowed"_s)));
    }
    const auto &kinds = pair.english.kinds().kinds();
    ASSERT_EQ(kinds.size(), 50u);
    ASSERT_EQ(pair.japanese.kinds().kinds().size(), kinds.size());
    for (std::size_t kind = 0; kind < kinds.size(); ++kind) {
        QStringList parents;
        for (const int parent : kinds[kind].parents)
            parents.append(kinds[std::size_t(parent)].name);
        const int twin = pair.japanese.kinds().indexOf(kinds[kind].name);
        ASSERT_GE(twin, 0) << kinds[kind].name.toStdString();
        EXPECT_EQ(pair.japanese.kinds().kinds()[std::size_t(twin)].parents, pair.japaneseKinds(parents.join(u',')));
    }
    for (int rune = 0; rune < RuneCatalogue::Count; ++rune)
        EXPECT_EQ(pair.japanese.runes().requiredLevel(rune), pair.english.runes().requiredLevel(rune)) << rune;
}

// Catches a Japanese line that lost, gained or swapped a value, or a line
// that stands for another English line (one left out or added). A rune's
// lines are compared as one run of numbers for each kind of item.
TEST(JapanesePair, effectLinesKeepTheirNumbersInOrder)
{
    const Pair pair;
    qsizetype compared = 0;
    for (qsizetype i = 0; i < pair.englishNames.size() && i < pair.japaneseNames.size(); ++i) {
        const QStringList english = wholeLines(pair.english, pair.englishNames[i], u"Effect"_s);
        const QStringList japanese = wholeLines(pair.japanese, pair.japaneseNames[i], u"Effect"_s);
        ASSERT_EQ(japanese.size(), english.size()) << pair.englishNames[i].toStdString();
        for (qsizetype line = 0; line < english.size(); ++line, ++compared)
            EXPECT_EQ(numbers(japanese[line]), expectedNumbers(english[line])) << japanese[line].toStdString();
    }
    EXPECT_GT(compared, 900);
    for (int rune = 1; rune <= RuneCatalogue::Count; ++rune) {
        const QString section = u"Rune#"_s + QString::number(rune);
        for (const QString &prefix : {u"Weapon"_s, u"Armor"_s, u"Helm"_s, u"Shield"_s}) {
            EXPECT_EQ(numbers(wholeLines(pair.japanese, section, prefix).join(u' ')),
                      expectedNumbers(wholeLines(pair.english, section, prefix).join(u' ')))
                << rune << ' ' << prefix.toStdString();
        }
    }
}

// Catches a character that Shift-JIS cannot hold or that reads back as
// another (a wave dash written in a code page that has none), and a file
// that is not in Windows line ends.
TEST(JapanesePair, everyTextReadsBackAsItsBytes)
{
    ASSERT_TRUE(rcl::shiftjis::available());
    for (const QString &name : {u"rune_ja.dat"_s, u"runename_ja.dat"_s}) {
        const QByteArray bytes = readAll(DataDir + name);
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << name.toStdString();
        int japanese = 0;
        for (QByteArray line : bytes.split('\n')) {
            line.chop(line.endsWith('\r') ? 1 : 0);
            ASSERT_TRUE(rcl::shiftjis::isValid(line)) << name.toStdString() << ": " << line.toStdString();
            const QString text = rcl::shiftjis::decode(line);
            EXPECT_FALSE(text.contains(QChar(0xFFFD)) || text.contains(QChar(0x1A))) << text.toStdString();
            EXPECT_EQ(rcl::shiftjis::encode(text), std::optional<QByteArray>(line)) << text.toStdString();
            for (const QChar c : text) {
                if (c.script() == QChar::Script_Katakana || c.script() == QChar::Script_Han) {
                    ++japanese;
                    break;
                }
            }
        }
        EXPECT_GT(japanese, 80) << name.toStdString();
    }
}

} // namespace
