#pragma once

#include "gamedata/runedata.h"
#include "planning/runewordfilter.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace rcl {

// The planner's one filter bar over its lists of rune words: a search, the
// item kind, sockets, a highest level, mode, patch, favourites only, show
// hidden, and whose counts the lists judge by. The filter is one for all the
// lists, so that a choice made for one holds in the others (a level, a kind);
// while it leaves rune words out a line says which parts do, with a button
// that clears them.
class FilterBar final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FilterBar)

public:
    explicit FilterBar(QWidget *parent = nullptr);

    // The item kinds of data (its [Item Kinds] section as an indented tree,
    // or the band's item types without one), the given patches and numbers
    // of sockets; a choice still offered stays chosen.
    void offer(const RuneData &data, const QStringList &patches, const QList<int> &sockets);
    [[nodiscard]] RuneWordFilter filter() const;
    // The counts of all groups together rather than of the main window's.
    [[nodiscard]] bool allGroups() const;

    void setShown(int shown, int total);
    // Groups left out of all groups together; empty for none.
    void setLeftOut(const QString &text);
    [[nodiscard]] QLineEdit *searchBox() const { return m_search; }
    // In the order Tab visits them.
    [[nodiscard]] QList<QWidget *> controls() const;

    // Every part that leaves rune words out back at its default.
    void clear();

Q_SIGNALS:
    void filterChanged();
    void groupsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showActive();

    [[nodiscard]] static bool offerItems(QComboBox *combo, const QList<std::pair<QString, QVariant>> &items);

    QLineEdit *m_search = nullptr;
    QComboBox *m_kind = nullptr;
    QComboBox *m_sockets = nullptr;
    QSpinBox *m_level = nullptr;
    QComboBox *m_mode = nullptr;
    QComboBox *m_patch = nullptr;
    QCheckBox *m_favouritesOnly = nullptr;
    QCheckBox *m_showHidden = nullptr;
    QComboBox *m_groups = nullptr;
    QLabel *m_shown = nullptr;
    QLabel *m_leftOut = nullptr;
    QLabel *m_active = nullptr;
    QToolButton *m_clear = nullptr;
};

} // namespace rcl
