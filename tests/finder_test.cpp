#include "gamedata/interactionmode.h"
#include "profile/profiledata.h"
#include "gamedata/runedatafile.h"
#include "gamedata/runeinfo.h"
#include "gamedata/runenames.h"
#include "rules/runewordfinder.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

using namespace rcl;
using namespace std::string_view_literals;
using namespace Qt::StringLiterals;

// The lookup's rules, one row each: file, section and key asked for, value.
// A value is cut to 254 bytes, never inside a character. Long lines and large
// sections are read by the same rules.
TEST(RuneDataLookup, readsByTheProfileRules)
{
    const std::tuple<std::string_view, const char *, const char *, QString> rows[] = {
        {"[overall]\r\nrune elect=1\r\n", "OverAll", "Rune Elect", QStringLiteral("1")},
        {"[OVERALL]\r\nRUNE ELECT=2\r\n", "overall", "rune elect", QStringLiteral("2")},
        // ア is 83 41 and ヂ is 83 61 in code page 932: their second bytes are
        // the letters A and a, which must not be folded into one another.
        {"[\x83\x41]\r\nk=1\r\n", "ア", "k", QStringLiteral("1")},
        {"[\x83\x61]\r\nk=1\r\n", "ア", "k", QString()},
        // Blanks around the names asked for are dropped, as around those in
        // the file.
        {"[Leaf]\r\nRuneNum=2\r\n", " Leaf\t", "RuneNum \v", QStringLiteral("2")},
        {"[Leaf]\r\nRuneNum=2\r\n", "Le af", "RuneNum", QString()},
        {"  [  Leaf  ]  \r\n  RuneNum  =  2  \r\n", "Leaf", "RuneNum", QStringLiteral("2")},
        {"[\tOverAll\v]\r\n\tRune Elect\t=\v1\t\r\n", "OverAll", "Rune Elect", QStringLiteral("1")},
        {"[OverAll]\r\nRune Elect=1\r\n", "OverAll", "RuneElect", QString()},
        {"[A]\r\nk= a  b \r\n", "A", "k", QStringLiteral("a  b")},
        {"[A B]\r\nk=1\r\n", "A B", "k", QStringLiteral("1")},
        {"[Leaf\r\nk=1\r\n", "Leaf", "k", QStringLiteral("1")},
        {"[Leaf] k=1\r\nj=2\r\n", "Leaf", "k", QString()},
        {"[Leaf] k=1\r\nj=2\r\n", "Leaf", "j", QStringLiteral("2")},
        {"[Leaf]]\r\nk=1\r\n", "Leaf", "k", QStringLiteral("1")},
        // ゾ is 83 5D: its second byte is ']' and does not end the name.
        {"[\x83\x5D]\r\nk=1\r\n", "ゾ", "k", QStringLiteral("1")},
        {"k=0\r\n[A]\r\nj=1\r\n", "A", "k", QString()},
        {"k=0\r\n[A]\r\nj=1\r\n", "", "k", QString()},
        {"[A]\r\nk=1\r\nk=2\r\n", "A", "k", QStringLiteral("1")},
        {"[A]\r\nk=1\r\n[B]\r\nk=3\r\n[A]\r\nk=2\r\nj=4\r\n", "A", "k", QStringLiteral("1")},
        {"[A]\r\nk=1\r\n[B]\r\nk=3\r\n[A]\r\nk=2\r\nj=4\r\n", "A", "j", QString()},
        {"[A]\r\nk=1\r\n[A]\r\nj=2\r\n", "A", "j", QString()},
        {"[a]\r\nk=1\r\n[A]\r\nk=2\r\n", "A", "k", QStringLiteral("1")},
        {"[A]\r\nk=a=b\r\n", "A", "k", QStringLiteral("a=b")},
        {"[A]\r\nk\r\nk=2\r\n", "A", "k", QStringLiteral("2")},
        {"[A]\r\n;k=1\r\n", "A", "k", QString()},
        {"[A]\r\n  ;k=1\r\nk=2\r\n", "A", "k", QStringLiteral("2")},
        {"[A]\r\n  ;k=1\r\n", "A", ";k", QString()},
        {"[A]\r\nk=a;b\r\n", "A", "k", QStringLiteral("a;b")},
        {"[A]\r\n#k=1\r\n", "A", "#k", QStringLiteral("1")},
        {"[A]\r\nk=\r\n", "A", "k", QString()},
        {"[A]\r\nk=\"a b\"\r\n", "A", "k", QStringLiteral("a b")},
        {"[A]\r\nk='x'\r\n", "A", "k", QStringLiteral("x")},
        {"[A]\r\nk= \" spaced \" \r\n", "A", "k", QStringLiteral(" spaced ")},
        {"[A]\r\nk=\"x'\r\n", "A", "k", QStringLiteral("\"x'")},
        {"[A]\r\nk=\"a\"b\"\r\n", "A", "k", QStringLiteral("a\"b")},
        {"[A]\r\nk=\"\"x\"\"\r\n", "A", "k", QStringLiteral("\"x\"")},
        {"[A]\r\nk=\"\r\n", "A", "k", QStringLiteral("\"")},
        {"[A]\r\nk=\"\"\r\n", "A", "k", QString()},
        {"[A]\nk=1\nj=2", "A", "j", QStringLiteral("2")},
        {"[A]\rk=1\rj=2\r", "A", "k", QStringLiteral("1")},
        {"[A]\r\n\r\n\r\nk=1", "A", "k", QStringLiteral("1")},
        {"", "A", "k", QString()},
        {"[A]\r\nk=\x83\x8B\x81\x5B\x83\x93\r\n", "A", "k", QStringLiteral("ルーン")},
        {"\xEF\xBB\xBF[OverAll]\r\nRune Elect=1\r\n", "OverAll", "Rune Elect", QStringLiteral("1")},
        {"\xEF\xBB\xBF[A]\r\nk=\xE3\x83\xAB\r\n", "A", "k", QStringLiteral("ル")},
        // Saved as "Unicode": UTF-16, little-endian.
        {"\xFF\xFE[\0A\0]\0\r\0\n\0k\0=\0\xEB\x30\r\0\n\0"sv, "A", "k", QStringLiteral("ル")},
    };
    for (const auto &[file, section, key, expected] : rows) {
        EXPECT_EQ(ProfileData::parse(QByteArray(file.data(), qsizetype(file.size())))
                      .value(QString::fromUtf8(section), QString::fromUtf8(key)),
                  expected)
            << "file: " << file << "\nsection: " << section << ", key: " << key;
    }

    // 253 bytes and a character that would end at byte 255 keep the 253.
    const auto value = [](const QByteArray &file) { return ProfileData::parse(file).value(u"A", u"k"); };
    EXPECT_EQ(value("[A]\r\nk=" + QByteArray(300, 'x')), QString(254, u'x'));
    EXPECT_EQ(value("[A]\r\nk=" + QByteArray(253, 'y') + "\x83\x41z"), QString(253, u'y'));
    EXPECT_EQ(value("[A]\r\nk=" + QByteArray(252, 'y') + "\x83\x41z"), QString(252, u'y') + QStringLiteral("ア"));
    EXPECT_EQ(value("\xEF\xBB\xBF[A]\r\nk=" + QByteArray(253, 'w') + "\xC3\xA9"), QString(253, u'w'));

    // A section of many keys is indexed, and its first key of a name still
    // wins, matched without ASCII case.
    const ProfileData longLine = ProfileData::parse("[A]\r\nk=" + QByteArray(10 << 20, 'x') + "\r\nj=1\r\n");
    EXPECT_EQ(longLine.value(QStringLiteral("A"), QStringLiteral("j")), QStringLiteral("1"));
    QByteArray large = "[Small]\nk=small\n[Large]\n";
    for (int i = 0; i < 1000; ++i)
        large += "Key" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
    large += "key7=again\n[Large]\nKey8=repeated\n[Small]\nk=repeated\n";
    const ProfileData keys = ProfileData::parse(large);
    EXPECT_EQ(keys.value(QStringLiteral("Large"), QStringLiteral("KEY999")), QStringLiteral("999"));
    EXPECT_EQ(keys.value(QStringLiteral("Large"), QStringLiteral("Key7")), QStringLiteral("7"));
    EXPECT_EQ(keys.value(QStringLiteral("Large"), QStringLiteral("Key8")), QStringLiteral("8"));
    EXPECT_EQ(keys.value(QStringLiteral("Large"), QStringLiteral("k")), QString());
    EXPECT_EQ(keys.value(QStringLiteral("Small"), QStringLiteral("k")), QStringLiteral("small"));
}

TEST(RuneDataFile, parsesOnceUntilTheFileChanges)
{
    QTemporaryDir dir;
    RuneDataFile data(dir.filePath(QStringLiteral("rune.dat")));
    const auto mode = [&data] { return data.ReadRuneData(u"OverAll", u"Rune Elect"); };
    writeAll(data.path(), "[OverAll]\r\nRune Elect=1\r\n");
    EXPECT_EQ(mode(), QStringLiteral("1"));
    EXPECT_EQ(mode(), QStringLiteral("1"));
    EXPECT_EQ(data.parseCount(), 1);

    // A file put in its place takes effect at the next lookup, and so does its
    // removal. (An edit of the same size: the grid tests' setRuneElect.)
    const QString replacement = dir.filePath(QStringLiteral("new.dat"));
    writeAll(replacement, "[OverAll]\r\nRune Elect=2\r\n");
    ASSERT_TRUE(QFile::remove(data.path()));
    ASSERT_TRUE(QFile::rename(replacement, data.path()));
    EXPECT_EQ(mode(), QStringLiteral("2"));
    ASSERT_TRUE(QFile::remove(data.path()));
    EXPECT_EQ(mode(), QString());
}

TEST(RuneNames, oneNamePerLineInFileOrder)
{
    EXPECT_EQ(parseRuneNames("Leaf\r\nLore\nSteel"),
              (QStringList{QStringLiteral("Leaf"), QStringLiteral("Lore"), QStringLiteral("Steel")}));
    EXPECT_EQ(parseRuneNames("  Leaf  \r\n"), QStringList{QStringLiteral("  Leaf  ")});
    EXPECT_EQ(parseRuneNames("\r\n\r\nWhite\r\n   \r\nWhite\r\n"), (QStringList{QStringLiteral("White"), QStringLiteral("White")}));
    EXPECT_EQ(parseRuneNames("\x83\x8B\x81\x5B\x83\x93\r\n"), QStringList{QStringLiteral("ルーン")});
    EXPECT_EQ(parseRuneNames("\xFF\xFE" + QByteArray("L\0e\0a\0f\0\r\0\n\0", 12)), QStringList{QStringLiteral("Leaf")});
    EXPECT_TRUE(parseRuneNames("").isEmpty());
    QTemporaryDir dir;
    EXPECT_TRUE(ReadRuneNames(dir.filePath(QStringLiteral("runename.dat"))).isEmpty());
    QByteArray many;
    for (qsizetype i = 0; i < MaxNames + 10; ++i)
        many += "n\n";
    EXPECT_EQ(parseRuneNames(many).size(), MaxNames);
}

TEST(InteractionMode, settingComparedAsADecimalNumber)
{
    using enum InteractionMode;
    const std::pair<const char *, InteractionMode> rows[] = {
        {"0", Hover},        {"00", Hover},       {"0.0", Hover},      {" 0 ", Hover},         {"-0", Hover},
        {"0E5", Hover},      {"", Hover},         {"abc", Hover},      {"1x", Hover},          {".", Hover},
        {"1", Click},        {"1.0", Click},      {"01", Click},       {"+1", Click},          {"1e0", Click},
        {"&H1", Click},      {"2", SelectOnly},   {"0.5", SelectOnly}, {"-1", SelectOnly},     {"1.01", SelectOnly},
        {"10", SelectOnly},  {"1e-10", SelectOnly},
    };
    for (const auto &[setting, mode] : rows)
        EXPECT_EQ(parseInteractionMode(QString::fromLatin1(setting)), mode) << '"' << setting << '"';
}

namespace {

const QByteArray Words =
    "[Ral Ral]\nRuneNum=2\nRune1=8\nRune2=8\nAllowed=Sword\n"
    "[Tal Eth]\nRuneNum=2\nRune1=7\nRune2=5\nAllowed=Melee Weapons\nEffectNum=2\nEffect1=+20 Poison Damage\nEffect2=\n"
    "[No RuneNum]\nRune1=1\nAllowed=Axe\n"
    "[Bad RuneNum]\nRuneNum=two\nAllowed=Axe\n"
    "[No runes]\nRuneNum=0\n"
    "[Rune 34]\nRuneNum=2\nRune1=8\nRune2=34\nAllowed=Helm\n"
    "[Rune by name]\nRuneNum=2\nRune1=Ral\nRune2=9\n"
    "[Lower case]\nRuneNum=1\nRune1=1\nAllowed=sword\n"
    "[Plural]\nRuneNum=1\nRune1=1\nAllowed=Swords\n"
    "[Missile]\nAllowed=Missile Weapon\n"
    "[Staves]\nAllowed=Staves\n[Swift]\nAllowed=Swift Blades\n"
    "[Seven]\nRuneNum=7\nRune1=1\nRune2=2\nRune3=3\nRune4=4\nRune5=5\nRune6=6\nRune7=7\nEffectNum=0\n";

} // namespace

// An item type matches by its first three characters. The panel's lines: a
// rune word's frames follow ownership occurrence by occurrence; odd recipes:
// seven runes (six frames), a rune number out of range, no RuneNum. The level
// is twice the highest rune number plus three, at least 13; a rune named, not
// numbered, counts for nothing. The panel of a rune, and the one shown at
// start, which differs on purpose.
TEST(RuneWordFinder, itemTypesPanelLinesFramesAndOddRecipes)
{
    const RuneData data = RuneData::parse(Words);
    const struct { const char *name; const char *choice; bool expected; } rows[] = {
        {"Plural", "Sword", true},          {"Lower case", "Sword", false},
        {"Lower case", "All", true},        {"Ral Ral", "", true},
        {"No runes", "", false},            {"No runes", "All", true},
        {"Missile", "Weapon ", true},       {"Tal Eth", "Weapon ", true},
        {"Tal Eth", "Melee Weapon", true},  {"Tal Eth", "Missile Weapon", false},
        {"Rune 34", "Helm", true},          {"Ral Ral", "Axe", false},
        // Exactly three characters: "Sta" is in "Staves", "Swo" not in "Swift".
        {"Staves", "Staff", true},          {"Swift", "Sword", false},
    };
    const RuneStock stock;
    for (const auto &row : rows) {
        EXPECT_EQ(RuneWordFinder(data, stock).MatchesItemType(QString::fromUtf8(row.name), QString::fromUtf8(row.choice)),
                  row.expected)
            << row.name << " / \"" << row.choice << '"';
    }

    // The kinds as the filter's list shows them: each once, under its first
    // parent, and those on a loop at the top.
    const ItemKinds kinds = RuneData::parse("[Item Kinds]\nA=B\nWeapons=\nB=A\nSwords=Weapons, A\n").kinds();
    QStringList tree;
    for (const ItemKinds::Row &row : kinds.tree())
        tree.append(kinds.kinds()[std::size_t(row.kind)].name + u':' + QString::number(row.depth));
    EXPECT_EQ(tree, (QStringList{u"A:0"_s, u"Weapons:0"_s, u"Swords:1"_s, u"B:0"_s}));

    const RuneStock oneRal = stockOf({{7, 1}});
    const RuneWordFinder finder(data, oneRal);
    const RuneWordDetails ralRal = finder.details(u"Ral Ral"_qs);
    EXPECT_EQ(ralRal.lines[1].text, u"  Req Rune : Ral + Ral"_qs);
    EXPECT_EQ(ralRal.lines[2].text, u"  Req Lv : 19"_qs);
    EXPECT_EQ(ralRal.frames, (QList<RecipeFrame>{{1, 7, true}, {2, 7, false}}));

    const RuneWordDetails seven = finder.details(u"Seven"_qs);
    EXPECT_EQ(seven.lines[1].text, u"  Req Rune : El + Eld + Tir + Nef + Eth + Ith + Tal"_qs);
    EXPECT_EQ(seven.frames.size(), 6);
    EXPECT_EQ(seven.lines.last().text, u" Effect :"_qs);

    const RuneWordDetails bad = finder.details(u"Rune 34"_qs);
    EXPECT_EQ(bad.lines[1].text, u"  Req Rune : Ral + 34"_qs);
    EXPECT_EQ(bad.frames, (QList<RecipeFrame>{{1, 7, true}}));

    const RuneWordDetails none = finder.details(u"No RuneNum"_qs);
    EXPECT_EQ(none.lines[1].text, u"  Req Rune : "_qs);
    EXPECT_TRUE(none.frames.isEmpty());
    for (const auto &[name, level] : {std::pair{u"Seven"_s, 17}, {u"Rune 34"_s, 71}, {u"Lower case"_s, 13}, {u"Rune by name"_s, 21}})
        EXPECT_EQ(finder.RuneWordLevel(name), level) << name.toStdString();

    const auto texts = [](const QList<PanelLine> &lines) {
        QStringList all;
        for (const PanelLine &line : lines)
            all.append(line.text + u'@' + QString::number(line.pointSize));
        return all.join(u'|');
    };
    EXPECT_EQ(texts(runeInfoLines(RuneTable(), 5, -3)), QStringLiteral("@15|  Name  : Ith@15|@15|  Req Lv : 15@15|@15|  Quantity : -3@15|@15|"
                                                          " Effect :@15|  W: +9 To Maximum Damage@14|  A : 15% Damage Taken "
                                                          "Goes to Mana@14|@14"));
    EXPECT_EQ(texts(firstRuneLines(RuneTable(), 7)), QStringLiteral("@15|  Name  : El@15|@15|  Req Lv : 11@15|@15|  Quantity : 7@15|@15|"
                                                       " Effect : @15|  W: +50 to Attack Rating@14|        +1 Light Radius@14|"
                                                       "  A : +15 Defence,@14|        +1 Light Radius@14"));
    EXPECT_EQ(runeInfoLines(RuneTable(), 14, 0).at(3).text, QStringLiteral("  Req Lv : 0"));
}
