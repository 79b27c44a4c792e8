#include "form1.h"

#include "formgeometry.h"

#include <QDir>
#include <QLineEdit>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace rcl {
QString Form1::describeFailure(const FileResult &result)
{
    return QDir::toNativeSeparators(result.fileName) + u"\n\n"_s + result.reason;
}

void Form1::Form_Load()
{
    m_currentGroup = 1;
    const FileResult loaded = m_files.LoadRuneStock(m_stock, m_currentGroup);
    ShowFirstRune();
    m_ui.Text1->setText(m_files.LoadGroupName(m_currentGroup));
    setOuterHeight(form::CollapsedHeight);
    tellLoadFailure(loaded);
}

// A save file that exists but cannot be read must not pass unnoticed: leaving
// the group would write the zeros shown over the counts it holds.
void Form1::tellLoadFailure(const FileResult &loaded)
{
    if (loaded.ok)
        return;
    m_prompter.tell(this, windowTitle(),
                    tr("The counts of group %1 could not be read:\n%2\n\nThe group shows 0 for every rune.")
                        .arg(m_currentGroup)
                        .arg(describeFailure(loaded)),
                    Prompter::Icon::Warning);
}

void Form1::ShowFirstRune()
{
    placeFrame(m_ui.Shape1, 0);
    InfoPanel &panel = *m_ui.Picture1;
    panel.Cls();
    panel.setFontSize(15);
    panel.print();
    panel.print(QStringLiteral("  Name  : El\r\n"));
    panel.print(QStringLiteral("  Req Lv : 11\r\n"));
    panel.print(u"  Quantity : "_s + QString::number(m_stock.at(0)) + u"\r\n"_s);
    panel.print(QStringLiteral(" Effect : "));
    panel.setFontSize(14);
    panel.print(QStringLiteral("  W: +50 to Attack Rating\r\n        +1 Light Radius\r\n  A : +15 Defence,\r\n"
                               "        +1 Light Radius"));
}

bool Form1::saveAtSessionEnd()
{
    const FileResult saved = m_files.SaveRuneStock(m_stock, m_currentGroup);
    if (!saved.ok) {
        std::fprintf(stderr, "runechecklist: the counts of group %d could not be saved to %s: %s\n", int(m_currentGroup),
                     qPrintable(QDir::toNativeSeparators(saved.fileName)), qPrintable(saved.reason));
    }
    return saved.ok;
}

void Form1::Form_Unload(bool &cancel)
{
    const FileResult saved = m_files.SaveRuneStock(m_stock, m_currentGroup);
    if (saved.ok)
        return;
    const bool closeAnyway = m_prompter.askYesNo(
        this, windowTitle(),
        tr("The counts of group %1 could not be saved:\n%2\n\nClose anyway? The changes made since the group "
           "was opened will be lost.")
            .arg(m_currentGroup)
            .arg(describeFailure(saved)),
        Prompter::Icon::Warning);
    cancel = !closeAnyway;
}

} // namespace rcl
