#include "runecatalogue.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

using rcl::RuneCatalogue;

namespace {

QStringList effectLines(int index)
{
    return RuneCatalogue::effectText(index).split(QStringLiteral("\r\n"));
}

} // namespace

TEST(RuneCatalogue, namesAreInGridOrder)
{
    QStringList names;
    for (int i = 0; i < RuneCatalogue::Count; ++i)
        names.append(RuneCatalogue::name(i));
    EXPECT_EQ(names.join(u' '), QStringLiteral("El Eld Tir Nef Eth Ith Tal Ral Ort Thul Amn Sol Shae Dol Hel Po Lum "
                                               "Ko Fal Lem Pul Um Mal Ist Gul Vex Ohm Lo Sur Ber Jo Cham Zod"));
}

TEST(RuneCatalogue, effectTextKeepsBlanksAndCommas)
{
    EXPECT_EQ(RuneCatalogue::effectText(0), QStringLiteral("  W: +50 to Attack Rating\r\n        +1 Light Radius\r\n"
                                                           "  A : +15 Defence,\r\n        +1 Light Radius"));
    EXPECT_EQ(effectLines(6).at(1), QStringLiteral("                 Over 1 Seconds"));
    EXPECT_EQ(effectLines(26), (QStringList{QStringLiteral("  W: +50% Enhanced Damage"),
                                            QStringLiteral("  A : 5% To Maximum Cold Resist")}));
    EXPECT_EQ(effectLines(23).at(0), QStringLiteral("  W: 30% Better Chance of "));
    EXPECT_EQ(effectLines(23).at(2), QStringLiteral("  A : 25% Better Chance of "));
    EXPECT_EQ(effectLines(1).at(0), QStringLiteral("  W: +75% Damage To Undead, "));
    EXPECT_EQ(effectLines(20).at(0), QStringLiteral("  W: +75% Damage To Demons, "));
    EXPECT_EQ(effectLines(20).at(1), QStringLiteral("       +100 Attack Rating Against Demons"));
    EXPECT_EQ(effectLines(29).at(1), QStringLiteral("  A : Damage Reduced by 8%"));
    EXPECT_FALSE(RuneCatalogue::effectText(32).endsWith(u'\n'));
}

// Every rune has one weapon line first, one armor line, and a shield line
// last on exactly nine runes; continuation lines are blanks and text.
TEST(RuneCatalogue, effectLinesFollowTheirPattern)
{
    const QList<int> withShield{1, 6, 7, 8, 9, 12, 21, 28, 30};
    for (int i = 0; i < RuneCatalogue::Count; ++i) {
        SCOPED_TRACE(RuneCatalogue::name(i).toStdString());
        const QStringList lines = effectLines(i);
        ASSERT_GE(lines.size(), 2);
        ASSERT_LE(lines.size(), 4);
        EXPECT_TRUE(lines.first().startsWith(QStringLiteral("  W: ")));
        EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^  A : "))).size(), 1);
        EXPECT_EQ(lines.last().startsWith(QStringLiteral("  S : ")), withShield.contains(i));
        for (const QString &line : lines)
            EXPECT_TRUE(line.startsWith(QStringLiteral("  ")));
    }
}
