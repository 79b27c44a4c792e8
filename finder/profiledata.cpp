#include "profiledata.h"

#include "textlines.h"

#include <QHash>

namespace rcl {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v';
}

QByteArrayView trimmedBlanks(QByteArrayView bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin);
}

// Finds c at a character boundary, from pos; -1 when absent.
qsizetype findCharacter(QByteArrayView line, qsizetype pos, char c, TextEncoding encoding)
{
    while (pos < line.size()) {
        if (line[pos] == c)
            return pos;
        pos += characterLength(line, pos, encoding);
    }
    return -1;
}

char16_t foldedAscii(QChar c)
{
    const char16_t u = c.unicode();
    return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u;
}

QByteArrayView unquoted(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

// The same few key names stand in every section: each is decoded once and
// then shared.
class NameCache
{
public:
    explicit NameCache(TextEncoding encoding) : m_encoding(encoding) {}

    QString decoded(QByteArrayView raw)
    {
        const auto found = m_names.constFind(raw);
        if (found != m_names.cend())
            return *found;
        const QString name = decodeText(raw.toByteArray(), m_encoding);
        if (m_names.size() < 4096)
            m_names.insert(raw, name);
        return name;
    }

private:
    TextEncoding m_encoding;
    QHash<QByteArrayView, QString> m_names;
};

} // namespace

// Names match without regard to ASCII letter case only, and only once
// decoded, so the second byte of a two-byte character is never taken for a
// letter.
std::size_t ProfileData::AsciiCaseHash::operator()(const QString &name) const noexcept
{
    std::size_t hash = 14695981039346656037ull;
    for (const QChar c : name)
        hash = (hash ^ foldedAscii(c)) * 1099511628211ull;
    return hash;
}

bool ProfileData::AsciiCaseEqual::operator()(const QString &a, const QString &b) const noexcept
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldedAscii(a[i]) != foldedAscii(b[i]))
            return false;
    }
    return true;
}

ProfileData ProfileData::parse(QByteArray content)
{
    ProfileData data;
    data.m_encoding = takeEncoding(content);
    data.m_content = content;
    const TextEncoding encoding = data.m_encoding;
    const QByteArrayView all(data.m_content);
    NameCache keyNames(encoding);

    // Null before the first section and inside a repeated one: their keys
    // are never found.
    Section *current = nullptr;
    for (const QByteArrayView untrimmed : splitLines(all)) {
        const QByteArrayView line = trimmedBlanks(untrimmed);
        if (line.isEmpty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            qsizetype close = findCharacter(line, 1, ']', encoding);
            if (close < 0)
                close = line.size();
            const QByteArrayView raw = trimmedBlanks(line.sliced(1, close - 1));
            const auto [section, added] = data.m_sections.try_emplace(decodeText(raw.toByteArray(), encoding),
                                                                      Section{qsizetype(data.m_entries.size()), 0});
            current = added ? &section->second : nullptr;
            continue;
        }
        if (!current)
            continue;
        const qsizetype equals = findCharacter(line, 0, '=', encoding);
        if (equals < 0)
            continue;
        // A section's entries are contiguous: sections are read in turn and a
        // repeated one adds nothing.
        data.m_entries.push_back({keyNames.decoded(trimmedBlanks(line.first(equals))),
                                  unquoted(trimmedBlanks(line.sliced(equals + 1)))});
        ++current->entryCount;
    }
    return data;
}

QString ProfileData::value(const QString &section, const QString &key) const
{
    const auto found = m_sections.find(section);
    if (found == m_sections.end())
        return {};
    const Section &keys = found->second;
    const AsciiCaseEqual equal;
    // The first key of a name wins.
    for (qsizetype i = keys.firstEntry; i < keys.firstEntry + keys.entryCount; ++i) {
        const Entry &entry = m_entries[std::size_t(i)];
        if (equal(entry.key, key))
            return decodeText(cutToBytes(entry.value.toByteArray(), MaxValueBytes, m_encoding), m_encoding);
    }
    return {};
}

} // namespace rcl
