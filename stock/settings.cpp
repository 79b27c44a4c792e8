#include "stock/settings.h"

#include "stock/filewriter.h"
#include "stock/translator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

struct KeyInfo
{
    QString name;
    QVariant defaultValue;
};

KeyInfo info(Settings::Key key)
{
    switch (key) {
    case Settings::Key::ShippedRuneData:
        return {u"ShippedFiles/rune.dat"_s, QString()};
    case Settings::Key::ShippedRuneNames:
        return {u"ShippedFiles/runename.dat"_s, QString()};
    case Settings::Key::ShippedRuneDataJa:
        return {u"ShippedFiles/rune_ja.dat"_s, QString()};
    case Settings::Key::ShippedRuneNamesJa:
        return {u"ShippedFiles/runename_ja.dat"_s, QString()};
    case Settings::Key::FavouriteRuneWords:
        return {u"Planner/Favourites"_s, QStringList()};
    case Settings::Key::HiddenRuneWords:
        return {u"Planner/Hidden"_s, QStringList()};
    case Settings::Key::PlannerGeometry:
        return {u"Planner/Geometry"_s, QByteArray()};
    case Settings::Key::PlannerTab:
        return {u"Planner/Tab"_s, 0};
    case Settings::Key::PlannerSortNearMisses:
        return {u"Planner/SortNearMisses"_s, QString()};
    case Settings::Key::PlannerSortRuneWords:
        return {u"Planner/SortRuneWords"_s, QString()};
    case Settings::Key::PlannerSortUses:
        return {u"Planner/SortUses"_s, QString()};
    case Settings::Key::PlannerSortCalculator:
        return {u"Planner/SortCalculator"_s, QString()};
    case Settings::Key::PlannerSortGroups:
        return {u"Planner/SortGroups"_s, QString()};
    case Settings::Key::PlannerSortCheck:
        return {u"Planner/SortCheck"_s, QString()};
    case Settings::Key::PlannerColumnsNearMisses:
        return {u"Planner/ColumnsNearMisses"_s, QString()};
    case Settings::Key::PlannerColumnsRuneWords:
        return {u"Planner/ColumnsRuneWords"_s, QString()};
    case Settings::Key::PlannerColumnsUses:
        return {u"Planner/ColumnsUses"_s, QString()};
    case Settings::Key::PlannerColumnsCalculator:
        return {u"Planner/ColumnsCalculator"_s, QString()};
    case Settings::Key::PlannerColumnsGroups:
        return {u"Planner/ColumnsGroups"_s, QString()};
    case Settings::Key::PlannerColumnsCheck:
        return {u"Planner/ColumnsCheck"_s, QString()};
    case Settings::Key::PlannerDetailsSplit:
        return {u"Planner/DetailsSplit"_s, QByteArray()};
    case Settings::Key::PlannerNearMissRanking:
        return {u"Planner/NearMissRanking"_s, QString()};
    case Settings::Key::PlannerCalculatorRune:
        return {u"Planner/CalculatorRune"_s, -1};
    case Settings::Key::PlannerCalculatorCounts:
        return {u"Planner/CalculatorCounts"_s, 0};
    case Settings::Key::CountsOnGrid:
        return {u"Options/CountsOnGrid"_s, false};
    case Settings::Key::EnglishCaptions:
        return {u"Options/EnglishCaptions"_s, false};
    case Settings::Key::GameText:
        return {u"Options/GameText"_s, u"en"_s};
    }
    return {};
}

constexpr Translator tr{"Settings"};

} // namespace

Settings::Settings(const QString &path)
    : m_path(path)
{
    if (m_path.isEmpty()) {
        m_writable = false;
        return;
    }
    const QString shown = QDir::toNativeSeparators(m_path);
    const QFileInfo file(m_path);
    if (file.exists() && (!file.isFile() || !file.isReadable())) {
        // Nothing of it can be read, so nothing may replace it either.
        noteProblem(tr("The settings file %1 cannot be read. The default settings apply, and changes are kept "
                       "until the program closes.").arg(shown));
        m_writable = false;
        return;
    }
    m_file = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
    if (m_file->status() == QSettings::FormatError) {
        // What could be read stays in force and the next change writes the
        // file anew; the user's bytes are kept beside it for a look.
        const QString aside = m_path + u".damaged"_s;
        QFile::remove(aside);
        if (!QFile::copy(m_path, aside)) {
            noteProblem(tr("The settings file %1 is damaged, and no copy of it can be kept. What could be read "
                           "applies, and changes are kept until the program closes.").arg(shown));
            // Held in memory only: the file itself is never written over.
            for (const QString &name : m_file->allKeys())
                m_unsaved.insert(name, m_file->value(name));
            m_file.reset();
            m_writable = false;
            return;
        }
        noteProblem(tr("The settings file %1 was damaged. What could be read applies, and a copy of the file "
                       "is kept as %2.").arg(shown, QDir::toNativeSeparators(aside)));
    }
}

Settings::~Settings() = default;

QVariant Settings::value(Key key) const
{
    const KeyInfo key_ = info(key);
    if (const auto unsaved = m_unsaved.constFind(key_.name); unsaved != m_unsaved.cend())
        return *unsaved;
    if (!m_file)
        return key_.defaultValue;
    const QVariant stored = m_file->value(key_.name, key_.defaultValue);
    // A value of another type, as a hand edit may leave, counts as none.
    if (key_.defaultValue.isValid() && !stored.canConvert(key_.defaultValue.metaType()))
        return key_.defaultValue;
    return stored;
}

bool Settings::contains(Key key) const
{
    const QString name = info(key).name;
    return m_unsaved.contains(name) || (m_file && m_file->contains(name));
}

void Settings::setValue(Key key, const QVariant &value)
{
    if (this->value(key) == value)
        return;
    const QString name = info(key).name;
    if (m_writable && m_file) {
        m_file->setValue(name, value);
        m_file->sync();
        if (m_file->status() == QSettings::NoError) {
            // QSettings writes a new file and renames it into place.
            (void)syncFolderOf(m_path);
            m_unsaved.remove(name);
            return;
        }
        m_writable = false;
        noteProblem(tr("The settings cannot be saved in %1. Changes are kept until the program closes.")
                        .arg(QDir::toNativeSeparators(m_path)));
    }
    m_unsaved.insert(name, value);
}

void Settings::noteProblem(const QString &problem)
{
    if (!m_told && m_problem.isEmpty())
        m_problem = problem;
}

QString Settings::takeProblem()
{
    if (m_problem.isEmpty())
        return {};
    m_told = true;
    return std::exchange(m_problem, QString());
}

} // namespace rcl
