#pragma once

#include "profile/legacytext.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>

#include <unordered_map>
#include <utility>
#include <vector>

namespace rcl {

// The rules by which rune.dat is read, those of the Windows profile-string
// lookup on plain files that users' files were written for:
// - section and key names match without regard to ASCII letter case;
// - blanks (spaces, tabs, vertical tabs) around names and values are dropped,
//   around the names that are looked up too;
// - "[name]" opens a section, the ']' may be missing, text after it is no key;
// - only the first section of a name counts, and in it the first key;
// - a line splits at its first '='; a line whose first non-blank is ';' is a
//   comment; one pair of matching outer quotes is taken off a value;
// - a value is cut to its first 254 bytes, never inside a character.

[[nodiscard]] constexpr bool isProfileBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\v';
}
[[nodiscard]] QByteArrayView trimmedProfileBlanks(QByteArrayView bytes);
// A section or key name as the lookup compares it: without the blanks around
// it and with ASCII letters in lower case.
[[nodiscard]] QString foldedProfileName(QStringView name);

// One line of the file as the lookup takes it.
struct ProfileLine
{
    enum class Kind {
        Blank,
        Comment,
        Section, // name
        Key,     // name and value
        NoKey,   // text without '=', which the lookup passes over
    };

    Kind kind = Kind::Blank;
    QByteArrayView name;
    QByteArrayView value;
};
[[nodiscard]] ProfileLine readProfileLine(QByteArrayView line, TextEncoding encoding);

class ProfileData final
{
    struct Section;

public:
    static constexpr qsizetype MaxValueBytes = 254;

    [[nodiscard]] static ProfileData parse(QByteArray content);

    // The empty text when the section or the key is missing. Each key of a
    // section is found at once, however many keys the section has.
    [[nodiscard]] QString value(QStringView section, QStringView key) const;
    [[nodiscard]] TextEncoding encoding() const { return m_encoding; }

    // A section found once for several of its keys; null when missing. Valid
    // as long as the data.
    using SectionHandle = const Section *;
    [[nodiscard]] SectionHandle section(QStringView name) const;
    [[nodiscard]] QString value(SectionHandle section, QStringView key) const;
    // A value's bytes, cut as a lookup cuts them but not decoded: for numbers,
    // which are ASCII in every encoding the files come in.
    [[nodiscard]] QByteArrayView rawValue(SectionHandle section, QStringView key) const;
    // The keys of a section in file order, each name once, with the value a
    // lookup gives.
    [[nodiscard]] QList<std::pair<QString, QString>> keys(SectionHandle section) const;
    // A value's bytes as a lookup returns them: cut, then decoded.
    [[nodiscard]] static QString valueText(QByteArrayView value, TextEncoding encoding);

    // The line, counted from 1, of the section and of the key that a lookup
    // reads; 0 for none. The data check says where the others stand by them.
    [[nodiscard]] static int line(SectionHandle section) { return section ? section->line : 0; }
    [[nodiscard]] int line(SectionHandle section, QStringView key) const;

private:
    // Names are kept as decoded and matched without ASCII case, so a lookup
    // needs no folded copy of the names it is given.
    struct AsciiCaseHash
    {
        using is_transparent = void;
        std::size_t operator()(QStringView name) const noexcept;
    };
    struct AsciiCaseEqual
    {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const noexcept;
    };
    // A key of a section, and where its value stands in the content: offsets
    // rather than views, so a copy of the parse can never point into content
    // it does not hold. The key's name is an index into the names, which the
    // keys of every section share. 32 bits hold every offset of a file the
    // reader takes, and keep an entry at 24 bytes.
    struct Entry
    {
        std::size_t hash = 0;
        qint32 section = 0;
        qint32 key = 0;
        qint32 offset = 0;
        qint32 size = 0;
    };

    // A section's entries stand together, in file order. A few are searched
    // in turn: they share a few cache lines. Those of a larger section have
    // their own slots in an index.
    struct Section
    {
        qsizetype id = 0;
        qsizetype first = 0;
        qsizetype count = 0;
        int line = 0;
    };
    static constexpr qsizetype ScannedKeys = 32;

    [[nodiscard]] static std::size_t entryHash(qsizetype section, std::size_t keyHash);
    [[nodiscard]] const Entry *find(SectionHandle section, QStringView key) const;
    void indexLargeSections();

    QByteArray m_content;
    TextEncoding m_encoding = TextEncoding::ShiftJis;
    std::unordered_map<QString, Section, AsciiCaseHash, AsciiCaseEqual> m_sections;
    std::vector<Entry> m_entries;
    // The line of each entry, apart so that an entry keeps its size.
    std::vector<qint32> m_entryLines;
    std::vector<QString> m_keyNames;
    // An open-addressing table of the entries of large sections, the first
    // of each name only; -1 marks a free slot.
    std::vector<qint32> m_slots;
};

} // namespace rcl
