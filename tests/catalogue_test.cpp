#include "runecatalogue.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

using rcl::RuneCatalogue;

// Every rune has one weapon line first, one armor line, and a shield line
// last on exactly nine runes; continuation lines are blanks and text.
TEST(RuneCatalogue, effectLinesFollowTheirPattern)
{
    const QList<int> withShield{1, 6, 7, 8, 9, 12, 21, 28, 30};
    for (int i = 0; i < RuneCatalogue::Count; ++i) {
        SCOPED_TRACE(RuneCatalogue::name(i).toStdString());
        const QStringList lines = RuneCatalogue::effectLines(i);
        ASSERT_GE(lines.size(), 2);
        ASSERT_LE(lines.size(), 4);
        EXPECT_TRUE(lines.first().startsWith(QStringLiteral("  W: ")));
        EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^  A : "))).size(), 1);
        EXPECT_EQ(lines.last().startsWith(QStringLiteral("  S : ")), withShield.contains(i));
        for (const QString &line : lines)
            EXPECT_TRUE(line.startsWith(QStringLiteral("  ")));
    }
}
