#pragma once

#include "planning/runewordrows.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QList>

#include <functional>
#include <variant>
#include <vector>

namespace rcl {

// What a cell sorts by, beside Qt's roles: numbers as numbers.
inline constexpr int SortRole = Qt::UserRole;

// One column of a table: its header, and what a row shows in it. A number
// shows as a number, right-aligned, and sorts as one.
template<typename Row>
struct Column
{
    QString header;
    std::function<QVariant(const Row &)> value;
    // Where the column sorts otherwise than by what it shows.
    std::function<QVariant(const Row &)> sortKey = {};
    QString toolTip = {};
};

// A table of the planner. The rows come from the finder and stock
// libraries; a model only maps them to columns. A rune word list also says
// which rune word a row stands for, for the filter bar, the marks and the
// main window.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Null for a row of a table that lists no rune words.
    [[nodiscard]] virtual const RuneWordRow *runeWord(int row) const = 0;
    // The rows show again what they are made of (the favourites and hidden
    // rune words), and sort and filter anew.
    void showAgain();
    // Whether a row comes before another when the table is sorted by a
    // column as SortRole gives it: numbers as numbers, text without regard
    // to letter case, empty cells last in either order. Each row's key is worked out once
    // per sort, not at every comparison.
    [[nodiscard]] bool sortsBefore(int leftRow, int rightRow, int column, Qt::SortOrder order) const;

protected:
    [[nodiscard]] static Qt::Alignment alignmentOf(const QVariant &value);
    // The rows changed: sort keys are worked out again.
    void forgetSortKeys() { m_sortColumn = -1; }

private:
    using SortKey = std::variant<double, QString, std::monostate>;
    mutable int m_sortColumn = -1;
    mutable std::vector<SortKey> m_sortKeys;
};

template<typename Row>
class RowsModel final : public TableModel
{
public:
    // word tells the rune word of a row, for a rune word list; a hidden one
    // shows in italics.
    using WordOf = std::function<const RuneWordRow *(const Row &)>;
    RowsModel(QList<Column<Row>> columns, WordOf word, std::function<bool(const QString &)> hidden, QObject *parent)
        : TableModel(parent)
        , m_columns(std::move(columns))
        , m_word(std::move(word))
        , m_hidden(std::move(hidden))
    {
    }

    // Rows that stand for the same things as before change in place, so
    // that a view keeps its selection and scroll position; others replace
    // the table.
    void setRows(QList<Row> rows)
    {
        forgetSortKeys();
        if (sameThings(rows)) {
            m_rows = std::move(rows);
            if (!m_rows.isEmpty())
                Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
            return;
        }
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    [[nodiscard]] const QList<Row> &rows() const { return m_rows; }
    void setHeader(int column, const QString &header, const QString &toolTip = {})
    {
        m_columns[column].header = header;
        m_columns[column].toolTip = toolTip;
        Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
    }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_rows.size());
    }
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_columns.size());
    }
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= m_columns.size())
            return {};
        const Row &row = m_rows[index.row()];
        const Column<Row> &column = m_columns[index.column()];
        switch (role) {
        case Qt::DisplayRole:
            return column.value(row);
        case SortRole:
            return column.sortKey ? column.sortKey(row) : column.value(row);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignmentOf(column.value(row)));
        case Qt::FontRole:
            if (const RuneWordRow *word = runeWord(index.row()); word && m_hidden(word->markName)) {
                QFont font;
                font.setItalic(true);
                return font;
            }
            return {};
        default:
            return {};
        }
    }
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && section >= 0 && section < m_columns.size()) {
            if (role == Qt::DisplayRole)
                return m_columns[section].header;
            if (role == Qt::ToolTipRole && !m_columns[section].toolTip.isEmpty())
                return m_columns[section].toolTip;
        }
        return TableModel::headerData(section, orientation, role);
    }
    [[nodiscard]] const RuneWordRow *runeWord(int row) const override
    {
        return m_word && row >= 0 && row < m_rows.size() ? m_word(m_rows[row]) : nullptr;
    }

private:
    [[nodiscard]] bool sameThings(const QList<Row> &rows) const
    {
        if (rows.size() != m_rows.size())
            return false;
        for (qsizetype i = 0; m_word && i < rows.size(); ++i) {
            if (m_word(rows[i])->name != m_word(m_rows[i])->name)
                return false;
        }
        return true;
    }

    QList<Column<Row>> m_columns;
    QList<Row> m_rows;
    WordOf m_word;
    std::function<bool(const QString &)> m_hidden;
};

} // namespace rcl
