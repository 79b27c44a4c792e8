#include "mainwindow/form1.h"

#include <QActionGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace rcl {

// The Japanese captions are the source texts; with English captions on, the
// English translation (translations/runechecklist_en.ts) replaces them.
void Form1::retranslateCaptions()
{
    m_ui.Command1->setText(tr("前"));
    m_ui.Command2->setText(tr("次"));
    m_ui.Command3->setText(tr("名称変更"));
    m_ui.Command6->setText(tr("消去"));
    if (m_ui.Command5) {
        m_ui.Command5->setText(tr("更新"));
        m_ui.Command7->setText(tr("全て表示"));
    }
    fillHelp();
}

void Form1::applyOptions()
{
    const bool english = option(Settings::Key::EnglishCaptions);
    if (english && !m_englishInstalled) {
        m_englishInstalled = (!m_english.isEmpty() || m_english.load(QStringLiteral(":/i18n/runechecklist_en.qm")))
            && QCoreApplication::installTranslator(&m_english);
    } else if (!english && m_englishInstalled) {
        QCoreApplication::removeTranslator(&m_english);
        m_englishInstalled = false;
    }
    retranslateCaptions();
    m_countsOnGrid = option(Settings::Key::CountsOnGrid);
    showCounts(true);
}

void Form1::setOption(Settings::Key key, bool on, QWidget *parent)
{
    m_settings->setValue(key, on);
    applyOptions();
    tellSettingsProblem(parent);
}

void Form1::setGameText(GameText text, QWidget *parent)
{
    m_settings->setValue(Settings::Key::GameText, gameTextSetting(text));
    const GameText before = m_gameText;
    chooseGameText();
    tellSettingsProblem(parent);
    if (m_gameText == before)
        return;
    // What shows is shown again in the new language; a rune word list, named
    // in the old one, closes as a group move closes it.
    (void)runeData();
    if (bandOpen()) {
        CollapseRuneWordPanel();
        hideRecipeFrames();
    }
    if (m_panelRune >= 0)
        printRune(m_panelRune, m_panelFirstRune);
    else
        ShowRuneInfo(m_selectedRune);
    Q_EMIT stateChanged();
}

void Form1::addOptionActions(QMenu &menu, QWidget *parent)
{
    const std::pair<Settings::Key, QString> options[] = {
        {Settings::Key::CountsOnGrid, tr("Show counts on the grid")},
        {Settings::Key::EnglishCaptions, tr("English captions")},
    };
    for (const auto &[optionKey, text] : options) {
        // Copied: clang 14 cannot capture a structured binding.
        const Settings::Key key = optionKey;
        QAction *action = menu.addAction(text);
        action->setCheckable(true);
        action->setChecked(option(key));
        connect(action, &QAction::toggled, this, [this, key, parent](bool on) { setOption(key, on, parent); });
    }
    QMenu *texts = menu.addMenu(tr("Game text"));
    auto *choices = new QActionGroup(texts);
    const std::pair<GameText, QString> languages[] = {{GameText::English, u"English"_s},
                                                      {GameText::Japanese, u"日本語"_s}};
    const GameText chosen = gameTextOf(m_settings->text(Settings::Key::GameText));
    for (const auto &[language, name] : languages) {
        const GameText text = language;
        QAction *action = texts->addAction(name);
        action->setCheckable(true);
        action->setChecked(text == chosen);
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, text, parent] { setGameText(text, parent); });
    }
}

// Filled as it opens, so that it shows what the main window's menus set.
QToolButton *Form1::makeOptionsButton(QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("options"));
    button->setText(tr("Options"));
    button->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(button);
    connect(menu, &QMenu::aboutToShow, this, [this, menu, button] {
        menu->clear();
        addOptionActions(*menu, button->window());
    });
    button->setMenu(menu);
    return button;
}

void Form1::showContextMenu(const QPoint &globalPos)
{
    QMenu menu(this);
    menu.addAction(tr("Planner..."), this, &Form1::openPlanner);
    menu.addSeparator();
    addOptionActions(menu, this);
    menu.exec(globalPos);
}

// The window's menu, where no control has one of its own: a right click
// beside the runes (on them the right button counts) or on a button, or the
// menu key while the grid has the focus.
void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    showContextMenu(event->globalPos());
}

} // namespace rcl
