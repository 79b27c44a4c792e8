#include "profiledata.h"

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

// Names match without regard to ASCII letter case only, and only once decoded,
// so the second byte of a two-byte character is never taken for a letter.
QString foldedAscii(QString name)
{
    for (QChar &c : name) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    }
    return name;
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

    QString folded(QByteArrayView raw)
    {
        const auto found = m_names.constFind(raw);
        if (found != m_names.cend())
            return *found;
        const QString name = foldedAscii(decodeText(raw.toByteArray(), m_encoding));
        if (m_names.size() < 4096)
            m_names.insert(raw, name);
        return name;
    }

private:
    TextEncoding m_encoding;
    QHash<QByteArrayView, QString> m_names;
};

} // namespace

ProfileData ProfileData::parse(QByteArray content)
{
    ProfileData data;
    data.m_encoding = takeEncoding(content);
    data.m_content = content;
    const TextEncoding encoding = data.m_encoding;
    const QByteArrayView all(data.m_content);
    NameCache keyNames(encoding);

    // -1 before the first section and inside a repeated one: their keys are
    // never found.
    qsizetype current = -1;
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != '\r' && all[end] != '\n')
            ++end;
        const QByteArrayView line = trimmedBlanks(all.sliced(start, end - start));
        start = end + (end + 1 < all.size() && all[end] == '\r' && all[end + 1] == '\n' ? 2 : 1);

        if (line.isEmpty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            qsizetype close = findCharacter(line, 1, ']', encoding);
            if (close < 0)
                close = line.size();
            const QByteArrayView raw = trimmedBlanks(line.sliced(1, close - 1));
            const QString name = foldedAscii(decodeText(raw.toByteArray(), encoding));
            if (data.m_sectionIndex.contains(name)) {
                current = -1;
            } else {
                current = data.m_sectionIndex.size();
                data.m_sectionIndex.insert(name, current);
            }
            continue;
        }
        if (current < 0)
            continue;
        const qsizetype equals = findCharacter(line, 0, '=', encoding);
        if (equals < 0)
            continue;
        const std::pair<qsizetype, QString> key{current, keyNames.folded(trimmedBlanks(line.first(equals)))};
        if (!data.m_values.contains(key))
            data.m_values.insert(key, unquoted(trimmedBlanks(line.sliced(equals + 1))));
    }
    return data;
}

QString ProfileData::value(const QString &section, const QString &key) const
{
    const auto found = m_sectionIndex.constFind(foldedAscii(section));
    if (found == m_sectionIndex.cend())
        return {};
    const QByteArrayView value = m_values.value({*found, foldedAscii(key)});
    return decodeText(cutToBytes(value.toByteArray(), MaxValueBytes, m_encoding), m_encoding);
}

} // namespace rcl
