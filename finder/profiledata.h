#pragma once

#include "legacytext.h"

#include <QByteArray>
#include <QString>

#include <unordered_map>
#include <vector>

namespace rcl {

// The sections and keys of a rune.dat file, read by the rules users' files
// were written for (those of the Windows profile-string lookup on plain
// files):
// - section and key names match without regard to ASCII letter case;
// - blanks, tabs and vertical tabs around names and values are dropped;
// - "[name]" opens a section, the ']' may be missing, text after it is no key;
// - only the first section of a name counts, and in it the first key;
// - a line splits at its first '='; a line whose first non-blank is ';' is a
//   comment; one pair of matching outer quotes is taken off a value;
// - a value is cut to its first 254 bytes, never inside a character.
class ProfileData final
{
public:
    static constexpr qsizetype MaxValueBytes = 254;

    [[nodiscard]] static ProfileData parse(QByteArray content);

    // The empty text when the section or the key is missing.
    [[nodiscard]] QString value(const QString &section, const QString &key) const;
    [[nodiscard]] qsizetype sectionCount() const { return qsizetype(m_sections.size()); }

private:
    // Names are kept as decoded and matched without ASCII case, so a lookup
    // needs no folded copy of the names it is given.
    struct AsciiCaseHash
    {
        std::size_t operator()(const QString &name) const noexcept;
    };
    struct AsciiCaseEqual
    {
        bool operator()(const QString &a, const QString &b) const noexcept;
    };
    struct Entry
    {
        QString key;
        QByteArrayView value;
    };
    struct Section
    {
        qsizetype firstEntry = 0;
        qsizetype entryCount = 0;
    };

    // Values are views into the content, which the parse keeps: a file of
    // thousands of rune words is parsed without an allocation per value.
    QByteArray m_content;
    TextEncoding m_encoding = TextEncoding::ShiftJis;
    std::unordered_map<QString, Section, AsciiCaseHash, AsciiCaseEqual> m_sections;
    std::vector<Entry> m_entries;
};

} // namespace rcl
