#include "mainwindow/form1.h"

#include <QLocale>

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace rcl {
namespace {

// The info panel draws its text, so a screen reader gets it from here: the
// printed lines, without the blanks that align them, as its description.
class InfoPanelAccessible final : public QAccessibleWidget
{
public:
    explicit InfoPanelAccessible(InfoPanel *panel)
        : QAccessibleWidget(panel, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Description)
            return QAccessibleWidget::text(kind);
        QStringList lines;
        for (const QString &line : static_cast<const InfoPanel *>(widget())->text().texts()) {
            if (!line.trimmed().isEmpty())
                lines.append(line.trimmed());
        }
        return lines.join(u'\n');
    }
};

void name(QWidget *control, const QString &accessibleName, const QString &description)
{
    control->setAccessibleName(accessibleName);
    control->setAccessibleDescription(description);
}

void nameButton(QPushButton *control, const QString &accessibleName, const QString &description)
{
    name(control, accessibleName, description);
    control->setToolTip(description);
}

QAccessibleInterface *infoPanelInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(InfoPanel::staticMetaObject.className()) && object && object->isWidgetType())
        return new InfoPanelAccessible(static_cast<InfoPanel *>(object));
    return nullptr;
}

} // namespace

// Names and descriptions in English whatever the captions, and tooltips for
// the buttons whose captions may be Japanese. The runes' cells and pictures
// are named after their labels, the cells with their counts
// (form1_counts.cpp).
void Form1::nameControls()
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(infoPanelInterface);
        return true;
    }();
    (void)factoryInstalled;

    nameButton(m_ui.Command1, tr("Previous group"), tr("Saves this group and shows the group before it."));
    nameButton(m_ui.Command2, tr("Next group"), tr("Saves this group and shows the group after it."));
    nameButton(m_ui.Command3, tr("Rename group"), tr("Gives this group a new name."));
    nameButton(m_ui.Command6, tr("Clear group"), tr("Sets every count of this group to 0, after asking."));
    name(m_ui.Command4, tr("Show or hide rune words"), tr("Opens or closes the list of rune words this group can make."));
    name(m_ui.Text1, tr("Group name"), QString());
    name(m_ui.Picture1, tr("Info panel"), QString());
    // A player whose system speaks Japanese learns, until a game text is
    // chosen, that the game's texts come in Japanese too.
    const QString gameTextHint = QLocale().language() == QLocale::Japanese
            && !m_settings->contains(Settings::Key::GameText)
        ? u"\n"_s + tr("ルーンと効果を日本語で: 右クリックのメニューの「Game text」で「日本語」を選びます。")
        : QString();
    m_ui.Picture1->setHint(tr("Right-click for the options and the planner (Ctrl+P). F1 shows the help.")
                           + gameTextHint);
    // The grid is where a new user looks first; on a rune the right button
    // counts, so the menu is found beside the runes.
    const QString gridHint = tr("Right-click beside the runes or on the info panel for the options and the planner "
                                "(Ctrl+P). F1 shows the help.")
        + gameTextHint;
    for (std::size_t i = 0; i < m_ui.runeimg2.size(); ++i) {
        m_ui.runeimg2[i]->setToolTip(gridHint);
        m_ui.Label1[i]->setToolTip(gridHint);
    }
    name(m_ui.Grid1, QString(),
         tr("Rune grid: the arrow keys, Home and End choose a rune; + adds one, - takes one off, Delete clears "
            "its count."));
    name(m_ui.Shape1, tr("Selection frame"), QString());
    for (OutlineShape *frame : m_ui.Shape2)
        name(frame, tr("Rune word frame"), tr("Red around an owned rune, white around a missing one."));
}

void Form1::nameBand()
{
    nameButton(m_ui.Command5, tr("Update list"),
               tr("Lists the rune words this group can make for the chosen item type."));
    nameButton(m_ui.Command7, tr("Show all"), tr("Lists every rune word of the chosen item type."));
    name(m_ui.List1, tr("Rune words"), tr("Choose one to see its runes, level, item types and effects."));
    name(m_ui.Combo1, tr("Item type"), tr("The kind of item that Update list and Show all look for."));
}

} // namespace rcl
