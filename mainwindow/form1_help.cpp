#include "mainwindow/form1.h"

#include "mainwindow/helppage.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace rcl {

// A window of its own beside the main window, not a box that waits for an
// answer: the help can stay open while the runes are counted.
void Form1::ShowHelp()
{
    if (!m_help) {
        m_help = new QWidget(this, Qt::Window);
        m_help->setObjectName(QStringLiteral("help"));
        auto *layout = new QVBoxLayout(m_help);
        m_helpPage = new QTextBrowser(m_help);
        m_helpPage->setOpenLinks(false);
        layout->addWidget(m_helpPage);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, m_help);
        connect(buttons, &QDialogButtonBox::rejected, m_help, &QWidget::close);
        layout->addWidget(buttons);
        m_help->resize(520, 560);
    }
    fillHelp();
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

// Again whenever the captions change language.
void Form1::fillHelp()
{
    if (!m_help)
        return;
    m_help->setWindowTitle(HelpPage::title());
    m_helpPage->setHtml(HelpPage::html(QDir::toNativeSeparators(m_files.saveDirectory())));
}

} // namespace rcl
