#include "checks/checker.h"

using namespace Qt::StringLiterals;

namespace rcl::datacheck {

void Checker::checkBytes(const QString &file, QByteArrayView content, const QList<QByteArrayView> &lines,
                         TextEncoding encoding)
{
    if (isValidText(content, encoding))
        return;
    const QString name = encoding == TextEncoding::Utf8 ? u"UTF-8"_s : u"Shift-JIS"_s;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!isValidText(lines[i], encoding))
            add(file, int(i + 1), u"This line has bytes that are not valid %1; they show as \uFFFD or not at all."_s.arg(name));
    }
}

qint64 Checker::keyId(QByteArrayView raw)
{
    if (const auto found = m_rawKeyIds.constFind(raw); found != m_rawKeyIds.cend())
        return *found;
    const QString folded = foldedProfileName(decodeText(raw, m_encoding));
    const qint64 id = m_keyIds.value(folded, m_keyIds.size());
    m_keyIds.insert(folded, id);
    m_rawKeyIds.insert(raw, id);
    return id;
}

void Checker::readSections(const QList<QByteArrayView> &lines, TextEncoding encoding, const ProfileData &profile)
{
    enum : std::size_t { BeforeSections = std::size_t(-1), Repeated = std::size_t(-2) };
    m_encoding = encoding;
    m_keys.reserve(lines.size());
    std::size_t current = BeforeSections;
    std::size_t kindsSection = BeforeSections;
    std::size_t upgradesSection = BeforeSections;
    ProfileData::SectionHandle handle = nullptr;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = int(i + 1);
        const ProfileLine line = readProfileLine(lines[i], encoding);
        if (line.kind == ProfileLine::Kind::Blank || line.kind == ProfileLine::Kind::Comment)
            continue;
        if (line.kind == ProfileLine::Kind::Section) {
            const QString name = decodeText(line.name, encoding);
            const QString folded = foldedProfileName(name);
            handle = profile.section(name);
            if (const int first = ProfileData::line(handle); first != number) {
                current = Repeated;
                add(DataFile, number, u"A second section [%1]: the lookup reads only the first one (line %2), so "
                                      u"nothing in this one is ever read."_s.arg(name, QString::number(first)));
            } else {
                current = m_sections.size();
                m_sectionByName.insert(folded, current);
                m_sections.push_back({name, number});
                if (folded == foldedProfileName(ItemKinds::sectionName()))
                    kindsSection = current;
                else if (folded == foldedProfileName(UpgradeRecipes::sectionName()))
                    upgradesSection = current;
            }
            continue;
        }
        if (current == Repeated)
            continue;
        if (current == BeforeSections) {
            add(DataFile, number, u"This line stands before the first section, so the lookup never reads it."_s);
            continue;
        }
        const QString &section = m_sections[current].name;
        if (line.kind == ProfileLine::Kind::NoKey) {
            add(DataFile, number, u"This line in [%1] has no '=', so it is no key and the lookup passes over it."_s.arg(section));
            continue;
        }
        const QString key = decodeText(line.name, encoding);
        if (current == kindsSection)
            m_kindLines.append({key, number});
        if (const int first = profile.line(handle, key); first != number) {
            add(DataFile, number, u"A second %1 in [%2]: the lookup reads only the first one (line %3)."_s
                                      .arg(key, section, QString::number(first)));
        } else {
            const qint64 at = slot(current, keyId(line.name));
            m_keys.insert(at, {number, line.value});
            if (current == upgradesSection)
                m_upgradeLines.append({key, {number, line.value}});
        }
    }
}

QSet<QString> Checker::readNames(const QList<QByteArrayView> &lines, TextEncoding encoding)
{
    QSet<QString> listed;
    // The lists count names as they stand, a name listed twice twice.
    qsizetype read = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int number = int(i + 1);
        const QByteArrayView trimmed = trimmedProfileBlanks(lines[i]);
        if (trimmed.isEmpty())
            continue;
        if (read++ == MaxNames) {
            add(NamesFile, number, u"The names from this line on are not read: a list holds at most %L1."_s.arg(MaxNames));
            break;
        }
        const QString name = decodeText(trimmed, encoding);
        if (trimmed.size() != lines[i].size()) {
            add(NamesFile, number, u"The name \"%1\" has blanks around it: the rune word is found, but the list "
                                   u"shows the blanks."_s.arg(decodeText(lines[i], encoding)));
        }
        const QString folded = foldedProfileName(name);
        listed.insert(folded);
        if (!m_sectionByName.contains(folded))
            add(NamesFile, number, u"\"%1\" has no section in rune.dat, so it can never be made and shows no runes."_s.arg(name));
    }
    return listed;
}

const KeyLine *Checker::key(std::size_t section, const QString &folded) const
{
    const auto id = m_keyIds.constFind(folded);
    if (id == m_keyIds.cend())
        return nullptr;
    const auto found = m_keys.constFind(slot(section, *id));
    return found == m_keys.cend() ? nullptr : &*found;
}

QString Checker::value(const KeyLine *key) const
{
    return key ? ProfileData::valueText(key->value, m_encoding) : QString();
}

QList<DataProblem> Checker::sorted()
{
    std::stable_sort(m_problems.begin(), m_problems.end(), [](const DataProblem &a, const DataProblem &b) {
        return std::tie(a.file, a.line) < std::tie(b.file, b.line);
    });
    return std::move(m_problems);
}

} // namespace rcl::datacheck
