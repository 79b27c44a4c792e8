#include "profile/profiledata.h"

#include "stock/textlines.h"

#include <QHash>

#include <limits>
#include <unordered_set>

namespace rcl {
namespace {

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

QStringView trimmedProfileBlanks(QStringView name)
{
    while (!name.isEmpty() && isProfileBlank(name.front().unicode()))
        name = name.sliced(1);
    while (!name.isEmpty() && isProfileBlank(name.back().unicode()))
        name.chop(1);
    return name;
}

// The same few key names stand in every section: each is decoded and hashed
// once and then shared, by its index in the names.
template<typename Hash>
class NameCache
{
public:
    struct Name
    {
        qint32 index = 0;
        std::size_t hash = 0;
    };

    NameCache(TextEncoding encoding, std::vector<QString> &names) : m_encoding(encoding), m_names(names) {}

    Name decoded(QByteArrayView raw)
    {
        const auto found = m_cache.constFind(raw);
        if (found != m_cache.cend())
            return *found;
        m_names.push_back(decodeText(raw, m_encoding));
        const Name name{qint32(m_names.size() - 1), Hash()(m_names.back())};
        if (m_cache.size() < 4096)
            m_cache.insert(raw, name);
        return name;
    }

private:
    TextEncoding m_encoding;
    std::vector<QString> &m_names;
    QHash<QByteArrayView, Name> m_cache;
};

} // namespace

QByteArrayView trimmedProfileBlanks(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && isProfileBlank(uchar(bytes.front())))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && isProfileBlank(uchar(bytes.back())))
        bytes.chop(1);
    return bytes;
}

QString foldedProfileName(QStringView name)
{
    QString folded = trimmedProfileBlanks(name).toString();
    for (QChar &c : folded)
        c = QChar(foldedAscii(c));
    return folded;
}

ProfileLine readProfileLine(QByteArrayView line, TextEncoding encoding)
{
    line = trimmedProfileBlanks(line);
    if (line.isEmpty())
        return {};
    if (line.front() == ';')
        return {ProfileLine::Kind::Comment, {}, {}};
    if (line.front() == '[') {
        qsizetype close = findCharacter(line, 1, ']', encoding);
        if (close < 0)
            close = line.size();
        return {ProfileLine::Kind::Section, trimmedProfileBlanks(line.sliced(1, close - 1)), {}};
    }
    const qsizetype equals = findCharacter(line, 0, '=', encoding);
    if (equals < 0)
        return {ProfileLine::Kind::NoKey, line, {}};
    return {ProfileLine::Kind::Key, trimmedProfileBlanks(line.first(equals)),
            unquoted(trimmedProfileBlanks(line.sliced(equals + 1)))};
}

// Names match without regard to ASCII letter case only, and only once
// decoded, so the second byte of a two-byte character is never taken for a
// letter.
std::size_t ProfileData::AsciiCaseHash::operator()(QStringView name) const noexcept
{
    std::size_t hash = 14695981039346656037ull;
    for (const QChar c : name)
        hash = (hash ^ foldedAscii(c)) * 1099511628211ull;
    return hash;
}

bool ProfileData::AsciiCaseEqual::operator()(QStringView a, QStringView b) const noexcept
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
    // The readers never hand over more than a few megabytes; an entry's
    // offsets cannot address beyond this.
    if (content.size() > std::numeric_limits<qint32>::max())
        content.truncate(std::numeric_limits<qint32>::max());
    data.m_content = std::move(content);
    const TextEncoding encoding = data.m_encoding;
    const QByteArrayView all(data.m_content);
    NameCache<AsciiCaseHash> keyNames(encoding, data.m_keyNames);
    // Every line could be a key: one allocation holds all the entries.
    data.m_entries.reserve(std::size_t(all.count('\n') + 1));
    data.m_entryLines.reserve(data.m_entries.capacity());

    // Null before the first section and inside a repeated one: their keys
    // are never found.
    Section *current = nullptr;
    int number = 0;
    for (const QByteArrayView text : splitLines(all)) {
        ++number;
        const ProfileLine line = readProfileLine(text, encoding);
        if (line.kind == ProfileLine::Kind::Section) {
            const Section next{qsizetype(data.m_sections.size()), qsizetype(data.m_entries.size()), 0, number};
            const auto [section, added] = data.m_sections.try_emplace(decodeText(line.name, encoding), next);
            current = added ? &section->second : nullptr;
        } else if (line.kind == ProfileLine::Kind::Key && current) {
            const auto name = keyNames.decoded(line.name);
            data.m_entries.push_back({entryHash(current->id, name.hash), qint32(current->id), name.index,
                                      qint32(line.value.data() - all.data()), qint32(line.value.size())});
            data.m_entryLines.push_back(number);
            ++current->count;
        }
    }
    // A file of mostly comments or blank lines keeps no room for keys it
    // does not have.
    if (data.m_entries.size() < data.m_entries.capacity() / 2) {
        data.m_entries.shrink_to_fit();
        data.m_entryLines.shrink_to_fit();
    }
    data.indexLargeSections();
    return data;
}

std::size_t ProfileData::entryHash(qsizetype section, std::size_t keyHash)
{
    return keyHash ^ (std::size_t(section) * 0x9E3779B97F4A7C15ull);
}

// The keys of a large section get their slots once, so that a lookup costs
// the same in a section of ten keys and in one of a million. The first key of
// a name wins.
void ProfileData::indexLargeSections()
{
    std::size_t indexed = 0;
    for (const auto &[name, section] : m_sections)
        indexed += section.count > ScannedKeys ? std::size_t(section.count) : 0;
    if (indexed == 0)
        return;
    std::size_t size = 16;
    while (size < 2 * indexed)
        size *= 2;
    m_slots.assign(size, -1);
    const std::size_t mask = size - 1;
    for (const auto &[name, section] : m_sections) {
        if (section.count <= ScannedKeys)
            continue;
        for (qsizetype i = section.first; i < section.first + section.count; ++i) {
            const Entry &entry = m_entries[std::size_t(i)];
            std::size_t slot = entry.hash & mask;
            for (; m_slots[slot] >= 0; slot = (slot + 1) & mask) {
                const Entry &taken = m_entries[std::size_t(m_slots[slot])];
                if (taken.hash == entry.hash && taken.section == entry.section
                    && AsciiCaseEqual()(m_keyNames[std::size_t(taken.key)], m_keyNames[std::size_t(entry.key)]))
                    break;
            }
            if (m_slots[slot] < 0)
                m_slots[slot] = qint32(i);
        }
    }
}

QString ProfileData::value(QStringView section, QStringView key) const
{
    return value(this->section(section), key);
}

ProfileData::SectionHandle ProfileData::section(QStringView name) const
{
    const auto found = m_sections.find(trimmedProfileBlanks(name));
    return found == m_sections.end() ? nullptr : &found->second;
}

const ProfileData::Entry *ProfileData::find(SectionHandle section, QStringView key) const
{
    if (!section)
        return nullptr;
    const Section &keys = *section;
    key = trimmedProfileBlanks(key);
    const std::size_t hash = entryHash(keys.id, AsciiCaseHash()(key));
    const auto matches = [&](const Entry &entry) {
        return entry.hash == hash && entry.section == keys.id
            && AsciiCaseEqual()(m_keyNames[std::size_t(entry.key)], key);
    };
    if (keys.count <= ScannedKeys) {
        for (qsizetype i = keys.first; i < keys.first + keys.count; ++i) {
            if (matches(m_entries[std::size_t(i)]))
                return &m_entries[std::size_t(i)];
        }
        return nullptr;
    }
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask; m_slots[slot] >= 0; slot = (slot + 1) & mask) {
        if (matches(m_entries[std::size_t(m_slots[slot])]))
            return &m_entries[std::size_t(m_slots[slot])];
    }
    return nullptr;
}

QString ProfileData::value(SectionHandle section, QStringView key) const
{
    const Entry *match = find(section, key);
    if (!match)
        return {};
    return valueText(QByteArrayView(m_content).sliced(match->offset, match->size), m_encoding);
}

int ProfileData::line(SectionHandle section, QStringView key) const
{
    const Entry *match = find(section, key);
    return match ? m_entryLines[std::size_t(match - m_entries.data())] : 0;
}

QByteArrayView ProfileData::rawValue(SectionHandle section, QStringView key) const
{
    const Entry *match = find(section, key);
    if (!match)
        return {};
    return cutToBytes(QByteArrayView(m_content).sliced(match->offset, match->size), MaxValueBytes, m_encoding);
}

QList<std::pair<QString, QString>> ProfileData::keys(SectionHandle section) const
{
    QList<std::pair<QString, QString>> keys;
    if (!section)
        return keys;
    std::unordered_set<QStringView, AsciiCaseHash, AsciiCaseEqual> seen;
    for (qsizetype i = section->first; i < section->first + section->count; ++i) {
        const Entry &entry = m_entries[std::size_t(i)];
        const QString &name = m_keyNames[std::size_t(entry.key)];
        if (seen.insert(name).second)
            keys.append({name, valueText(QByteArrayView(m_content).sliced(entry.offset, entry.size), m_encoding)});
    }
    return keys;
}

QString ProfileData::valueText(QByteArrayView value, TextEncoding encoding)
{
    return decodeText(cutToBytes(value, MaxValueBytes, encoding), encoding);
}

} // namespace rcl
