#include "planner/runewordstab.h"

#include "planner/filterbar.h"
#include "planner/plannerhost.h"
#include "planner/plannermodels.h"
#include "planner/plannerproxy.h"
#include "planning/runewordrows.h"

#include <QEvent>
#include <QSplitter>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace rcl {

RuneWordsTab::RuneWordsTab(PlannerContext &context, QWidget *parent)
    : RuneWordListTab(context, parent)
{
    m_runeWords = runeWordsModel(context.marks, this);
    m_splitter = new QSplitter(Qt::Vertical, this);
    QSplitter *splitter = m_splitter;
    QTableView *table = addTable(m_runeWords, Settings::Key::PlannerSortRuneWords,
                                 Settings::Key::PlannerColumnsRuneWords, 4, splitter);
    table->setObjectName(u"runeWords"_s);
    addRuneWordActions();
    // The whole rune word, each effect on one line however long.
    m_details = new QTextEdit(splitter);
    m_details->setObjectName(u"details"_s);
    m_details->setReadOnly(true);
    m_details->setLineWrapMode(QTextEdit::NoWrap);
    m_details->setTabChangesFocus(true);
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_details->setAccessibleName(tr("Rune word details"));
    splitter->addWidget(table);
    splitter->addWidget(m_details);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setCollapsible(0, false);
    (void)splitter->restoreState(context.host.settings().value(Settings::Key::PlannerDetailsSplit).toByteArray());
    m_detailsButton = new QToolButton(this);
    m_detailsButton->setObjectName(u"detailsButton"_s);
    m_detailsButton->setText(tr("Details"));
    m_detailsButton->setCheckable(true);
    m_detailsButton->setToolTip(tr("Shows or closes the pane with the whole rune word; drag its edge to size it."));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addWidget(m_detailsButton, 0, Qt::AlignRight);
    connect(m_detailsButton, &QToolButton::toggled, this, &RuneWordsTab::openDetails);
    m_details->installEventFilter(this);
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this, &RuneWordsTab::showDetails);
    connect(proxy(), &QAbstractItemModel::dataChanged, this, &RuneWordsTab::showDetails);
    connect(proxy(), &QAbstractItemModel::layoutChanged, this, &RuneWordsTab::showDetails);
    connect(proxy(), &QAbstractItemModel::modelReset, this, &RuneWordsTab::showDetails);
    connect(proxy(), &PlannerProxy::filtered, this, &RuneWordsTab::showDetails);
}

// The button follows the pane, also where it is dragged closed or open.
bool RuneWordsTab::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_details && event->type() == QEvent::Resize)
        m_detailsButton->setChecked(m_details->height() > 0);
    return RuneWordListTab::eventFilter(watched, event);
}

void RuneWordsTab::openDetails(bool open)
{
    QList<int> sizes = m_splitter->sizes();
    if (open == (sizes.value(1) > 0))
        return;
    const int total = sizes.value(0) + sizes.value(1);
    if (!open)
        m_detailsHeight = sizes.value(1);
    const int details = open ? (m_detailsHeight > 0 ? m_detailsHeight : total * 2 / 5) : 0;
    m_splitter->setSizes({total - details, details});
}

void RuneWordsTab::keepLayout()
{
    RuneWordListTab::keepLayout();
    m_context.host.settings().setValue(Settings::Key::PlannerDetailsSplit, m_splitter->saveState());
}

QList<QWidget *> RuneWordsTab::focusOrder() const
{
    return {view(), m_details, m_detailsButton};
}

void RuneWordsTab::fill(const RuneWordRows &words)
{
    m_runeWords->setRows(words.rows());
}

void RuneWordsTab::showDetails()
{
    const RuneWordRow *word = currentRuneWord();
    if (!word && proxy()->rowCount() > 0)
        word = model()->runeWord(proxy()->mapToSource(proxy()->index(0, 0)).row());
    if (!word) {
        m_details->clear();
        return;
    }
    const auto line = [](const QString &label, const QString &text) {
        return u"<tr><td>%1&nbsp;</td><td>%2</td></tr>"_s.arg(label.toHtmlEscaped(), text.toHtmlEscaped());
    };
    QString html = u"<h3>%1</h3><table>"_s.arg(word->name.toHtmlEscaped());
    html += line(tr("Runes:"), word->runeNames);
    html += line(tr("Sockets:"), QString::number(word->sockets()));
    html += line(tr("Level:"), QString::number(word->level));
    html += line(tr("Item kinds:"), word->allowed);
    if (!word->patch.isEmpty())
        html += line(tr("Patch:"), word->patch);
    html += line(tr("Mode:"), word->mode.isEmpty() ? tr("Ladder and non-ladder") : word->mode);
    html += line(m_context.bar.allGroups() ? tr("All groups can make it:") : tr("This group can make it:"),
                 makeStatusText(word->status));
    if (!word->upgrades.isEmpty())
        html += line(tr("Upgrades:"), word->upgrades);
    html += u"</table><p><b>%1</b></p>"_s.arg(tr("Effects").toHtmlEscaped());
    for (const QString &effect : word->effects)
        html += u"<p style=\"margin:0\">%1</p>"_s.arg(effect.toHtmlEscaped());
    m_details->setHtml(html);
}

} // namespace rcl
