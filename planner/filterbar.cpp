#include "planner/filterbar.h"

#include "prompts/plaintext.h"
#include "rules/itemtypechoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

QLabel *labelFor(QWidget *control, const QString &text)
{
    auto *label = new QLabel(text, control->parentWidget());
    label->setBuddy(control);
    return label;
}

} // namespace

FilterBar::FilterBar(QWidget *parent)
    : QWidget(parent)
{
    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(tr("Name, effect, or runes: Tal Ral (Ctrl+F)"));
    m_search->setToolTip(tr("A rune's name finds the rune words that use it, several names those that use them "
                            "all; other words search the names and effects. Down goes to the list, Escape clears "
                            "the search."));
    m_search->setClearButtonEnabled(true);
    m_search->setMinimumWidth(220);
    m_kind = new QComboBox(this);
    m_kind->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_sockets = new QComboBox(this);
    m_sockets->addItem(tr("Any"), 0);
    m_level = new QSpinBox(this);
    m_level->setRange(0, 99);
    m_level->setSpecialValueText(tr("Any"));
    m_level->setToolTip(tr("The highest character level: rune words that need more are left out. Backspace or "
                           "Delete sets it back to Any."));
    m_mode = new QComboBox(this);
    m_mode->addItem(tr("Any"), int(RuneWordFilter::Mode::Any));
    m_mode->addItem(tr("Ladder"), int(RuneWordFilter::Mode::Ladder));
    m_mode->addItem(tr("Non-ladder"), int(RuneWordFilter::Mode::NonLadder));
    m_mode->setToolTip(tr("Rune words that can be made in this mode."));
    m_patch = new QComboBox(this);
    m_patch->setToolTip(tr("Rune words of this game version or older."));
    m_favouritesOnly = new QCheckBox(tr("&Favourites only"), this);
    m_showHidden = new QCheckBox(tr("Show &hidden"), this);
    m_groups = new QComboBox(this);
    m_groups->addItems({tr("This group"), tr("All groups together")});
    m_shown = new QLabel(this);
    showAsPlainText(m_shown);
    m_shown->setObjectName(u"shown"_s);
    m_leftOut = new QLabel(this);
    m_leftOut->setObjectName(u"leftOut"_s);
    showAsPlainText(m_leftOut);
    m_leftOut->setWordWrap(true);
    m_leftOut->hide();
    m_active = new QLabel(this);
    showAsPlainText(m_active);
    m_active->setObjectName(u"activeFilters"_s);
    m_active->setWordWrap(true);
    m_clear = new QToolButton(this);
    m_clear->setObjectName(u"clearFilters"_s);
    m_clear->setText(tr("Clear filters"));
    for (QWidget *control : {static_cast<QWidget *>(m_level), static_cast<QWidget *>(m_sockets)})
        control->installEventFilter(this);
    (void)offerItems(m_kind, {{tr("Any kind"), QVariant()}});
    (void)offerItems(m_patch, {{tr("Any"), QString()}});

    const std::pair<QWidget *, QString> names[] = {
        {m_search, u"search"_s}, {m_kind, u"itemKind"_s}, {m_sockets, u"sockets"_s}, {m_level, u"maxLevel"_s},
        {m_mode, u"mode"_s}, {m_patch, u"patch"_s}, {m_favouritesOnly, u"favouritesOnly"_s},
        {m_showHidden, u"showHidden"_s}, {m_groups, u"counts"_s}};
    for (const auto &[control, name] : names)
        control->setObjectName(name);

    auto *first = new QHBoxLayout;
    first->addWidget(labelFor(m_search, tr("&Search:")));
    first->addWidget(m_search, 1);
    first->addWidget(labelFor(m_kind, tr("Item &kind:")));
    first->addWidget(m_kind);
    first->addWidget(labelFor(m_sockets, tr("S&ockets:")));
    first->addWidget(m_sockets);
    first->addWidget(labelFor(m_level, tr("Max. &level:")));
    first->addWidget(m_level);
    auto *second = new QHBoxLayout;
    second->addWidget(labelFor(m_mode, tr("&Mode:")));
    second->addWidget(m_mode);
    second->addWidget(labelFor(m_patch, tr("&Patch up to:")));
    second->addWidget(m_patch);
    second->addWidget(m_favouritesOnly);
    second->addWidget(m_showHidden);
    second->addWidget(labelFor(m_groups, tr("&Counts of:")));
    second->addWidget(m_groups);
    second->addStretch();
    second->addWidget(m_shown);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(first);
    layout->addLayout(second);
    auto *third = new QHBoxLayout;
    third->addWidget(m_active, 1);
    third->addWidget(m_clear);
    layout->addLayout(third);
    layout->addWidget(m_leftOut);
    showActive();

    const auto changed = [this] { Q_EMIT filterChanged(); };
    connect(m_search, &QLineEdit::textChanged, this, changed);
    for (QComboBox *combo : {m_kind, m_sockets, m_mode, m_patch})
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    connect(m_level, &QSpinBox::valueChanged, this, changed);
    connect(m_favouritesOnly, &QCheckBox::toggled, this, changed);
    connect(m_showHidden, &QCheckBox::toggled, this, changed);
    connect(m_groups, &QComboBox::currentIndexChanged, this, [this] { Q_EMIT groupsChanged(); });
    connect(this, &FilterBar::filterChanged, this, &FilterBar::showActive);
    connect(m_clear, &QToolButton::clicked, this, &FilterBar::clear);
}

// "Max. level" and "Sockets" go back to Any with Backspace or Delete.
bool FilterBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Backspace || key == Qt::Key_Delete) {
            if (watched == m_level) {
                m_level->setValue(0);
                m_level->selectAll();
                return true;
            }
            if (watched == m_sockets) {
                m_sockets->setCurrentIndex(0);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FilterBar::clear()
{
    {
        const QSignalBlocker blocker(this);
        m_search->clear();
        for (QComboBox *combo : {m_kind, m_sockets, m_mode, m_patch})
            combo->setCurrentIndex(0);
        m_level->setValue(0);
        m_favouritesOnly->setChecked(false);
    }
    Q_EMIT filterChanged();
}

// Names the parts that leave rune words out, so that a list with fewer rows
// than it could have says why, whichever list the filter was set in.
void FilterBar::showActive()
{
    QStringList parts;
    if (!m_search->text().trimmed().isEmpty())
        parts.append(tr("search \u201C%1\u201D").arg(m_search->text().trimmed()));
    if (m_kind->currentIndex() > 0)
        parts.append(tr("item kind %1").arg(m_kind->currentText().trimmed()));
    if (m_sockets->currentIndex() > 0)
        parts.append(tr("%1 sockets").arg(m_sockets->currentText()));
    if (m_level->value() > 0)
        parts.append(tr("level %1 at most").arg(m_level->value()));
    if (m_mode->currentIndex() > 0)
        parts.append(m_mode->currentText());
    if (m_patch->currentIndex() > 0)
        parts.append(tr("patch %1 or older").arg(m_patch->currentText()));
    if (m_favouritesOnly->isChecked())
        parts.append(tr("favourites only"));
    m_active->setText(tr("Filtered by: %1.").arg(parts.join(u", "_s)));
    m_active->setVisible(!parts.isEmpty());
    m_clear->setVisible(!parts.isEmpty());
}

QList<QWidget *> FilterBar::controls() const
{
    return {m_search, m_kind, m_sockets, m_level, m_mode, m_patch, m_favouritesOnly, m_showHidden, m_groups, m_clear};
}

// The items are made again only when they differ, keeping the choice by its
// text.
bool FilterBar::offerItems(QComboBox *combo, const QList<std::pair<QString, QVariant>> &items)
{
    bool same = combo->count() == items.size();
    for (int i = 0; same && i < combo->count(); ++i)
        same = combo->itemText(i) == items[i].first && combo->itemData(i) == items[i].second;
    if (same)
        return false;
    const QString chosen = combo->currentText();
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const auto &[text, data] : items)
        combo->addItem(text, data);
    combo->setCurrentIndex(std::max(0, combo->findText(chosen)));
    return true;
}

void FilterBar::offer(const RuneData &data, const QStringList &patches, const QList<int> &sockets)
{
    QList<std::pair<QString, QVariant>> kinds{{tr("Any kind"), QVariant()}};
    const ItemKinds &section = data.kinds();
    if (section.isEmpty()) {
        for (const ItemTypeChoice &choice : itemTypeChoices())
            kinds.append({choice.text, choice.text});
    } else {
        for (const ItemKinds::Row &row : section.tree())
            kinds.append({QString(row.depth * 4, u' ') + section.kinds()[std::size_t(row.kind)].name, row.kind});
    }
    QList<std::pair<QString, QVariant>> versions{{tr("Any"), QString()}};
    for (const QString &patch : patches)
        versions.append({patch, patch});
    QList<std::pair<QString, QVariant>> counts{{tr("Any"), 0}};
    for (const int count : sockets)
        counts.append({QString::number(count), count});
    const bool kindsChanged = offerItems(m_kind, kinds);
    const bool socketsChanged = offerItems(m_sockets, counts);
    if (offerItems(m_patch, versions) || kindsChanged || socketsChanged)
        Q_EMIT filterChanged();
}

RuneWordFilter FilterBar::filter() const
{
    RuneWordFilter filter;
    filter.terms = RuneWordFilter::searchTerms(m_search->text());
    const QVariant kind = m_kind->currentData();
    if (kind.typeId() == QMetaType::Int)
        filter.kind = kind.toInt();
    else
        filter.itemType = kind.toString();
    filter.sockets = m_sockets->currentData().toInt();
    filter.maxLevel = m_level->value();
    filter.mode = RuneWordFilter::Mode(m_mode->currentData().toInt());
    filter.patch = m_patch->currentData().toString();
    filter.favouritesOnly = m_favouritesOnly->isChecked();
    filter.showHidden = m_showHidden->isChecked();
    return filter;
}

bool FilterBar::allGroups() const
{
    return m_groups->currentIndex() == 1;
}

void FilterBar::setShown(int shown, int total)
{
    m_shown->setText(tr("%1 of %2 shown").arg(shown).arg(total));
}

void FilterBar::setLeftOut(const QString &text)
{
    m_leftOut->setText(text);
    m_leftOut->setVisible(!text.isEmpty());
}

} // namespace rcl
