// The shipped Japanese pair against the English one, without the game tables
// it was made from: the same recipes and kinds, the same numbers on every
// line, and text that the code page holds.
#include "stock/datalocation.h"
#include "stock/shiftjis.h"

#include <QCryptographicHash>

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

using Entries = QList<std::pair<QString, QString>>;

struct Section
{
    QString name;
    Entries entries;

    [[nodiscard]] QString value(const QString &key) const
    {
        for (const auto &[k, v] : entries) {
            if (k == key)
                return v;
        }
        return {};
    }
};

QList<QByteArray> fileLines(const QString &name)
{
    QFile file(QStringLiteral(RCL_DATA_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

QStringList textLines(const QString &name)
{
    QStringList lines;
    for (const QByteArray &line : fileLines(name))
        lines.append(rcl::shiftjis::decode(line));
    return lines;
}

QList<Section> sections(const QString &name)
{
    QList<Section> all;
    for (const QString &line : textLines(name)) {
        if (line.startsWith(u'[') && line.endsWith(u']'))
            all.append({line.mid(1, line.size() - 2), {}});
        else if (!all.isEmpty() && !line.startsWith(u';') && line.contains(u'='))
            all.last().entries.append({line.section(u'=', 0, 0), line.section(u'=', 1)});
    }
    return all;
}

const Section *find(const QList<Section> &all, const QString &name)
{
    for (const Section &section : all) {
        if (section.name == name)
            return &section;
    }
    return nullptr;
}

// Effect lines whole: a quoted value that starts with two blanks (English) or
// a full-width blank (Japanese) goes on from the line above.
QStringList wholeLines(const Section &section, const QString &prefix)
{
    static const QRegularExpression continued(u"^\"(  |\u3000)(.*)\"$"_s);
    const QRegularExpression key(u"^"_s + prefix + u"\\d+$"_s);
    QStringList lines;
    for (const auto &[k, v] : section.entries) {
        if (!key.match(k).hasMatch())
            continue;
        const QRegularExpressionMatch more = continued.match(v);
        if (more.hasMatch() && !lines.isEmpty())
            lines.last() += u' ' + more.captured(2);
        else
            lines.append(v);
    }
    return lines;
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
    static const std::pair<QString, QString> writtenOut[] = {
        {u"Half Freeze Duration"_s, u"50"_s},
    };
    QString line = english;
    for (const auto &[text, value] : writtenOut)
        line.replace(text, text + u' ' + value);
    return numbers(line);
}

struct Pair
{
    QList<Section> english = sections(u"rune.dat"_s);
    QList<Section> japanese = sections(u"rune_ja.dat"_s);
    QStringList englishNames = textLines(u"runename.dat"_s);
    QStringList japaneseNames = textLines(u"runename_ja.dat"_s);
};

const Pair &shipped()
{
    static const Pair pair;
    return pair;
}

// A Japanese kind for each English kind: the [Item Kinds] keys, in order.
QHash<QString, QString> kindNames(const Pair &pair)
{
    QHash<QString, QString> names;
    const Section *english = find(pair.english, u"Item Kinds"_s);
    const Section *japanese = find(pair.japanese, u"Item Kinds"_s);
    if (!english || !japanese || english->entries.size() != japanese->entries.size())
        return names;
    for (qsizetype i = 0; i < english->entries.size(); ++i)
        names.insert(english->entries[i].first, japanese->entries[i].first);
    return names;
}

QString mappedKinds(const QString &list, const QHash<QString, QString> &names)
{
    QStringList mapped;
    for (const QString &kind : list.split(u',', Qt::SkipEmptyParts))
        mapped.append(names.value(kind.trimmed(), u"?"_s + kind.trimmed()));
    return mapped.join(u", "_s);
}

// Catches a Japanese section that lost or swapped a rune, a kind, a patch or
// a mode, or that stands in another order than its English twin.
TEST(JapanesePair, everyRuneWordKeepsItsEnglishTwinsRecipe)
{
    const Pair &pair = shipped();
    ASSERT_EQ(pair.englishNames.size(), 99);
    ASSERT_EQ(pair.japaneseNames.size(), pair.englishNames.size());
    const QHash<QString, QString> kinds = kindNames(pair);
    ASSERT_EQ(kinds.size(), 50);
    for (qsizetype i = 0; i < pair.englishNames.size(); ++i) {
        const Section *english = find(pair.english, pair.englishNames[i]);
        const Section *japanese = find(pair.japanese, pair.japaneseNames[i]);
        ASSERT_TRUE(english && japanese) << pair.englishNames[i].toStdString();
        SCOPED_TRACE(english->name.toStdString());
        EXPECT_EQ(japanese->value(u"English"_s).toStdString(), english->name.toStdString());
        const int runes = english->value(u"RuneNum"_s).toInt();
        QStringList keys{u"RuneNum"_s, u"Patch"_s, u"Mode"_s};
        for (int rune = 1; rune <= runes; ++rune)
            keys.append(u"Rune%1"_s.arg(rune));
        for (const QString &key : keys)
            EXPECT_EQ(japanese->value(key).toStdString(), english->value(key).toStdString()) << key.toStdString();
        EXPECT_EQ(japanese->value(u"Allowed"_s).toStdString(),
                  mappedKinds(english->value(u"Allowed"_s), kinds).toStdString());
    }
    // The kinds' parents too, and each rune's level.
    const Section *englishKinds = find(pair.english, u"Item Kinds"_s);
    const Section *japaneseKinds = find(pair.japanese, u"Item Kinds"_s);
    for (qsizetype i = 0; i < englishKinds->entries.size(); ++i)
        EXPECT_EQ(japaneseKinds->entries[i].second.toStdString(),
                  mappedKinds(englishKinds->entries[i].second, kinds).toStdString());
    for (int rune = 1; rune <= 33; ++rune) {
        const QString name = u"Rune#%1"_s.arg(rune);
        ASSERT_TRUE(find(pair.english, name) && find(pair.japanese, name)) << rune;
        EXPECT_EQ(find(pair.japanese, name)->value(u"Level"_s).toStdString(),
                  find(pair.english, name)->value(u"Level"_s).toStdString());
    }
}

// Catches a Japanese line that lost, gained or swapped a value, or a line
// that stands for another English line (one left out or added).
TEST(JapanesePair, effectLinesKeepTheirNumbersInOrder)
{
    const Pair &pair = shipped();
    qsizetype compared = 0;
    for (qsizetype i = 0; i < pair.englishNames.size() && i < pair.japaneseNames.size(); ++i) {
        const Section *english = find(pair.english, pair.englishNames[i]);
        const Section *japanese = find(pair.japanese, pair.japaneseNames[i]);
        ASSERT_TRUE(english && japanese);
        const QStringList englishLines = wholeLines(*english, u"Effect"_s);
        const QStringList japaneseLines = wholeLines(*japanese, u"Effect"_s);
        ASSERT_EQ(japaneseLines.size(), englishLines.size()) << english->name.toStdString();
        for (qsizetype line = 0; line < englishLines.size(); ++line, ++compared) {
            EXPECT_EQ(numbers(japaneseLines[line]).join(u' ').toStdString(),
                      expectedNumbers(englishLines[line]).join(u' ').toStdString())
                << englishLines[line].toStdString() << " / " << japaneseLines[line].toStdString();
        }
    }
    EXPECT_GT(compared, 900);
    // A rune's lines go on over the next key without quotes, so its lines are
    // compared as one run of numbers for each kind of item.
    for (int rune = 1; rune <= 33; ++rune) {
        const Section *english = find(pair.english, u"Rune#%1"_s.arg(rune));
        const Section *japanese = find(pair.japanese, u"Rune#%1"_s.arg(rune));
        ASSERT_TRUE(english && japanese) << rune;
        for (const QString &prefix : {u"Weapon"_s, u"Armor"_s, u"Helm"_s, u"Shield"_s}) {
            EXPECT_EQ(numbers(wholeLines(*japanese, prefix).join(u' ')).join(u' ').toStdString(),
                      expectedNumbers(wholeLines(*english, prefix).join(u' ')).join(u' ').toStdString())
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
        QFile file(QStringLiteral(RCL_DATA_DIR "/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << name.toStdString();
        int japanese = 0;
        for (const QByteArray &line : fileLines(name)) {
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

// Catches a shipped file whose version the program does not know, which a
// later package would then never replace.
TEST(JapanesePair, everyShippedFileIsAKnownVersion)
{
    for (const QString &name : {u"rune.dat"_s, u"runename.dat"_s, u"rune_ja.dat"_s, u"runename_ja.dat"_s}) {
        QFile file(QStringLiteral(RCL_DATA_DIR "/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const QByteArray hash = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex();
        EXPECT_TRUE(rcl::shippedVersions().contains(hash)) << name.toStdString();
    }
}

} // namespace
