#include "planner/plannermodels.h"

#include "stock/translator.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

constexpr Translator tr{"RunePlanner"};

const RuneWordRow &wordOf(const RuneWordRow &row)
{
    return row;
}
const RuneWordRow &wordOf(const NearMissRow &row)
{
    return row.word;
}
const RuneWordRow &wordOf(const RuneUseRow &row)
{
    return row.word;
}

// The columns that the rune word lists share.
template<typename Row>
struct RuneWordColumns
{
    static Column<Row> name()
    {
        return {tr("Rune word"), [](const Row &row) -> QVariant { return wordOf(row).name; }};
    }
    static Column<Row> kinds()
    {
        return {tr("Item kinds"), [](const Row &row) -> QVariant { return wordOf(row).allowed; }};
    }
    static Column<Row> level()
    {
        return {tr("Level"), [](const Row &row) -> QVariant { return wordOf(row).level; }};
    }
    static Column<Row> status()
    {
        return {tr("Can make"), [](const Row &row) -> QVariant { return makeStatusText(wordOf(row).status); },
                [](const Row &row) -> QVariant { return int(wordOf(row).status); }};
    }
    static RowsModel<Row> *model(const RuneWordMarks &marks, QList<Column<Row>> columns, QObject *parent)
    {
        const Column<Row> marked{
            u"★"_s,
            [&marks](const Row &row) -> QVariant {
                const QString &name = wordOf(row).markName;
                QStringList shown;
                if (marks.isFavourite(name))
                    shown.append(u"★"_s);
                if (marks.isHidden(name))
                    shown.append(tr("hidden"));
                return shown.join(u' ');
            },
            [&marks](const Row &row) -> QVariant {
                const QString &name = wordOf(row).markName;
                return (marks.isFavourite(name) ? 0 : 2) + (marks.isHidden(name) ? 1 : 0);
            },
            tr("★ a favourite (Ctrl+D); hidden rune words (Ctrl+H) show only with Show hidden.")};
        columns.prepend(name());
        columns.prepend(marked);
        return new RowsModel<Row>(
            std::move(columns), [](const Row &row) { return &wordOf(row); },
            [&marks](const QString &name) { return marks.isHidden(name); }, parent);
    }
};

} // namespace

QString makeStatusText(MakeStatus status)
{
    switch (status) {
    case MakeStatus::Now:
        return tr("Now");
    case MakeStatus::WithUpgrades:
        return tr("With upgrades");
    case MakeStatus::No:
        break;
    }
    return tr("No");
}

RowsModel<NearMissRow> *nearMissModel(const RuneWordMarks &marks, QObject *parent)
{
    using Row = NearMissRow;
    using Columns = RuneWordColumns<Row>;
    return Columns::model(marks,
                          {{tr("Runes missing"), [](const Row &row) -> QVariant { return row.missingText; }},
                           {tr("Missing"), [](const Row &row) -> QVariant { return row.miss.missingCount; }},
                           // Sorted by what stays missing after the upgrades.
                           {tr("Upgrades"), [](const Row &row) -> QVariant { return row.upgradesText; },
                            [](const Row &row) -> QVariant { return row.miss.upgrades.missingCount; },
                            tr("How the cube's upgrades make the missing runes from spare ones, and the gems they "
                               "take.")},
                           Columns::kinds(), Columns::level()},
                          parent);
}

RowsModel<RuneWordRow> *runeWordsModel(const RuneWordMarks &marks, QObject *parent)
{
    using Row = RuneWordRow;
    using Columns = RuneWordColumns<Row>;
    return Columns::model(marks,
                          {{tr("Sockets"), [](const Row &row) -> QVariant { return row.sockets(); }},
                           {tr("Runes"), [](const Row &row) -> QVariant { return row.runeNames; }}, Columns::kinds(),
                           Columns::level(),
                           {tr("Patch"), [](const Row &row) -> QVariant { return row.patch; },
                            [](const Row &row) -> QVariant { return versionSortKey(row.patch); }},
                           {tr("Mode"), [](const Row &row) -> QVariant { return row.mode; }}, Columns::status()},
                          parent);
}

RowsModel<RuneUseRow> *runeUsesModel(const RuneWordMarks &marks, QObject *parent)
{
    using Row = RuneUseRow;
    using Columns = RuneWordColumns<Row>;
    return Columns::model(
        marks, {{tr("Needs"), [](const Row &row) -> QVariant { return row.use.count; }}, Columns::status()}, parent);
}

RowsModel<UpgradeCostRow> *upgradeCostsModel(QObject *parent)
{
    using Row = UpgradeCostRow;
    return new RowsModel<Row>({{tr("From"), [](const Row &row) -> QVariant { return row.rune; },
                                [](const Row &row) -> QVariant { return row.index; }},
                               {tr("Runes"), [](const Row &row) -> QVariant { return upgradeCountCell(row.runes); },
                                [](const Row &row) -> QVariant { return row.runes; }},
                               {tr("Gems"), [](const Row &row) -> QVariant { return row.gems; }}},
                              {}, {}, parent);
}

RowsModel<int> *groupsModel(const GroupsTable &table, const QStringList &runeNames, QObject *parent)
{
    QList<Column<int>> columns{{tr("Rune"), [&runeNames](int index) -> QVariant { return runeNames.value(index); },
                                [](int index) -> QVariant { return index; }}};
    for (std::size_t group = 0; group < GroupCount; ++group) {
        columns.append({QString(), [&table, group](int index) -> QVariant {
                            const GroupColumn &column = table.columns()[group];
                            return column.counts ? QVariant(column.counts->at(index)) : QVariant();
                        }});
    }
    columns.append({tr("Total"), [&table](int index) -> QVariant { return table.total(index); }});
    return new RowsModel<int>(std::move(columns), {}, {}, parent);
}

RowsModel<DataProblem> *problemsModel(QObject *parent)
{
    using Row = DataProblem;
    return new RowsModel<Row>(
        {{tr("File"), [](const Row &row) -> QVariant { return row.file; }},
         // A line number as text: not grouped as counts are.
         {tr("Line"), [](const Row &row) -> QVariant { return row.line > 0 ? QString::number(row.line) : QString(); },
          [](const Row &row) -> QVariant { return row.line > 0 ? QVariant(row.line) : QVariant(); }},
         {tr("Problem"), [](const Row &row) -> QVariant { return row.text; }}},
        {}, {}, parent);
}

} // namespace rcl
