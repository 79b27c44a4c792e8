#include "planner/runewordstab.h"

#include "planner/filterbar.h"
#include "planner/plannermodels.h"
#include "planner/plannerproxy.h"
#include "planning/runewordrows.h"

#include <QSplitter>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace rcl {

RuneWordsTab::RuneWordsTab(PlannerContext &context, QWidget *parent)
    : RuneWordListTab(context, parent)
{
    m_runeWords = runeWordsModel(context.marks, this);
    auto *splitter = new QSplitter(Qt::Vertical, this);
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
    (new QVBoxLayout(this))->addWidget(splitter);
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this, &RuneWordsTab::showDetails);
    connect(proxy(), &QAbstractItemModel::dataChanged, this, &RuneWordsTab::showDetails);
}

QList<QWidget *> RuneWordsTab::focusOrder() const
{
    return {view(), m_details};
}

void RuneWordsTab::fill(const RuneWordRows &words)
{
    m_runeWords->setRows(words.rows());
}

void RuneWordsTab::showDetails()
{
    const RuneWordRow *word = currentRuneWord();
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
