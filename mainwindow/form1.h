#pragma once

// The main window. The rune counts and their files live in the stock library
// and the rune word data in the finder library; this window lays out its
// controls, forwards each event to a handler named after the control and the
// event (Form_Load, Command4_Click, runeimg2_MouseDown, ...), and prints what
// those libraries answer into the info panel.

#include "checks/datacheck.h"
#include "planner/plannerhost.h"
#include "stock/groupstable.h"
#include "stock/groupstore.h"
#include "mainwindow/infopanel.h"
#include "prompts/prompter.h"
#include "gamedata/gametext.h"
#include "gamedata/runedatafile.h"
#include "rules/runewordfinder.h"
#include "mainwindow/runecontrols.h"
#include "mainwindow/gridaction.h"
#include "stock/runestock.h"
#include "stock/settings.h"
#include "stock/stockfiles.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTextBrowser;
class QToolButton;

namespace rcl {

class RunePlanner;

// The band's controls (List1, Combo1, Command5 and Command7) are null until
// the band first opens.
struct Form1Controls
{
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command7 = nullptr;
    QLineEdit *Text1 = nullptr;
    QListWidget *List1 = nullptr;
    QComboBox *Combo1 = nullptr;
    InfoPanel *Picture1 = nullptr;
    OutlineShape *Shape1 = nullptr;
    RuneGridFocus *Grid1 = nullptr;
    std::array<OutlineShape *, 7> Shape2{};
    std::array<RunePicture *, RuneCatalogue::Count> runeimg1{};
    std::array<RuneLabel *, RuneCatalogue::Count> Label1{};
    std::array<RuneEventArea *, RuneCatalogue::Count> runeimg2{};
};

class Form1 final : public QWidget, public PlannerHost, private RuneGridEvents
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form1)

public:
    // appDirectory is where the save folder and the data files are; the
    // program passes its data location's, tests a temporary one. Without
    // settings of its own the window keeps them in its save folder.
    explicit Form1(Prompter &prompter, const QString &appDirectory = AppDirectory(), Settings *settings = nullptr,
                   QWidget *parent = nullptr);
    ~Form1() override;

    // Every control, the band's made now if the band has not opened yet.
    [[nodiscard]] const Form1Controls &controls();
    [[nodiscard]] const RuneStock &runeStock() const override { return m_stock; }
    // The group shown; its store holds it.
    [[nodiscard]] int currentGroup() const { return m_group.group(); }
    [[nodiscard]] Settings &settings() override { return *m_settings; }
    // Says, once, why the settings file could not be read or written.
    void tellSettingsProblem(QWidget *parent) override;

    // The options (form1_options.cpp): counts on the grid and English
    // captions. Setting one applies it at once, keeps it in the settings
    // file and says, once, when that file fails; parent holds that message.
    [[nodiscard]] bool option(Settings::Key key) const { return m_settings->flag(key); }
    void setOption(Settings::Key key, bool on, QWidget *parent);
    // The language of the game's texts; the English pair where the Japanese
    // one is missing.
    void setGameText(GameText text, QWidget *parent);
    [[nodiscard]] GameText gameText() const { return m_gameText; }
    // The options as check items, for the window's menus and the planner's.
    void addOptionActions(QMenu &menu, QWidget *parent);
    [[nodiscard]] QToolButton *makeOptionsButton(QWidget *parent) override;

    // The window's height as the layout gives it, title bar included.
    void setOuterHeight(int twips);

    // Says what went wrong while the window was made (a save file that could
    // not be read); the program calls it once it can handle a quit.
    void tellStartupProblems();

    // Saves the current group as closing does, for an end that does not go
    // through closing (a logout, a shutdown, a quit signal). There is no one
    // left to ask, so what is not saved is said on the standard error output,
    // and a file that could not be read is not written over. False when
    // changed counts were not saved.
    [[nodiscard]] bool saveAtSessionEnd();

    // What the rune planner (plannerhost.h) reads and asks of the window. Every
    // handler that changes counts, the group or its name, or reads the rune
    // word files again is followed by stateChanged() (form1_planner.cpp).
    void openPlanner();
    // As a click on the name in List1 shows it.
    void showRuneWord(const QString &name) override;
    [[nodiscard]] QWidget *hostWindow() override { return this; }
    [[nodiscard]] const StockFiles &files() const { return m_files; }
    // The nine groups side by side, the current one as it stands in memory
    // unless its file could not be read.
    [[nodiscard]] GroupsTable groupsTable() const override
    {
        return GroupsTable::read(m_files, m_group.group(), m_stock, m_group.loaded());
    }
    [[nodiscard]] std::shared_ptr<const RuneData> currentRuneData() override { return runeData(); }
    [[nodiscard]] QString runeDataPath() const { return m_runeData.path(); }
    [[nodiscard]] QString runeNamesPath() const override;
    [[nodiscard]] QHash<QString, QString> otherGameTextNames() override;
    // Where an installed program's shipped rune word files are; empty when
    // it runs portable.
    void setShippedDirectory(const QString &directory) { m_shippedDirectory = directory; }
    // The problems of the rune word files, and the newer shipped files that
    // an edited copy keeps out.
    [[nodiscard]] QList<DataProblem> checkData() const override;
    // The rune that the selection frame stands on.
    [[nodiscard]] int selectedRune() const override { return m_selectedRune; }

Q_SIGNALS:
    void stateChanged();
    // Once, when the window has been painted for the first time: work that
    // the first look does not need waits for it.
    void firstPainted();

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void makeBand();
    void orderTabStops();
    void connectHandlers();
    void connectBand();
    void placeFrame(OutlineShape *frame, int runeIndex);

    void Form_Load();
    void Form_Unload(bool &cancel);
    void ShowFirstRune();
    void printPanel(const QList<PanelLine> &lines);
    void printRune(int index, bool firstRuneLayout);
    void clearPanel();
    // Shows a changed count where it shows: in the panel when it shows that
    // rune, and in the colours of the recipe frames.
    void showCountChange(int index);
    void loadGroup(int group);
    void showGroupName(const QString &name);

    // Whether the current group may be left: its counts are saved, nothing
    // would be lost, or the user agreed to let the changes go.
    [[nodiscard]] bool storeCurrentGroup(SaveOccasion leaving);
    [[nodiscard]] bool askToLeaveWithoutSaving(const QString &why, SaveOccasion leaving);

    // rune.dat as it is now; a file that cannot be read is reported once. A
    // new version of the file names the grid's runes anew.
    [[nodiscard]] std::shared_ptr<const RuneData> runeData();
    void nameRunes(const RuneTable &runes);
    // Opens the rune word files of the game text chosen in the settings.
    void chooseGameText();
    // rune.dat itself, whatever the game text: the mouse setting and the
    // grid's short rune names come from it.
    [[nodiscard]] std::shared_ptr<const RuneData> englishRuneData();
    [[nodiscard]] QString ReadRuneData(const QString &section, const QString &key);
    [[nodiscard]] InteractionMode readInteractionMode();
    void ShowRuneInfo(int index);
    // The grid's controls' events: each goes to its handler, and a press, a
    // release or a click then tells the planner (stateChanged()).
    void runeMouseDown(int index, int button, int shift, int x, int y) override;
    void runeMouseUp(int index, int button, int shift, int x, int y) override;
    void runeMouseMove(int index, int button, int shift, int x, int y) override;
    void runeDblClick(int index) override;
    void labelClick(int index) override;
    void labelMouseMove(int index, int button, int shift, int x, int y) override;
    void Label1_MouseMove(int index, int button, int shift, int x, int y);
    void runeimg2_MouseMove(int index, int button, int shift, int x, int y);
    void runeimg2_MouseDown(int index, int button, int shift, int x, int y);
    void runeimg2_MouseUp(int index, int button, int shift, int x, int y);
    void runeimg2_DblClick(int index);
    void Label1_Click(int index);
    void applyGridAction(GridAction action, int index);
    void Grid1_KeyDown(int keyCode, int shift);
    // Keys of the whole window, wherever the focus is in it
    // (form1_keyboard.cpp), and the help they open (form1_help.cpp).
    void connectWindowKeys();
    void ShowHelp();
    void fillHelp();

    void Command4_Click();
    void Command5_Click();
    void Command7_Click();
    void List1_Click();
    [[nodiscard]] bool bandOpen() const;
    void ExpandRuneWordPanel();
    void CollapseRuneWordPanel();
    void setBandFocusable(bool focusable);
    void ShowRuneWordDetails(const QString &name);
    void hideRecipeFrames();
    void colourRecipeFrames();
    [[nodiscard]] QStringList readRuneNames() const;
    [[nodiscard]] QString itemTypeChoice() const;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command6_Click();
    void moveToGroup(int step);
    void tellLoadFailure();
    [[nodiscard]] static QString describeFailure(const FileResult &result);

    Prompter &m_prompter;
    StockFiles m_files;
    std::unique_ptr<Settings> m_ownSettings;
    Settings *m_settings;
    RuneDataFile m_runeData;
    RuneDataFile m_englishData;
    // The Japanese pair while the game text is English, for the planner's
    // search only; read when it first searches.
    RuneDataFile m_japaneseData;
    GameText m_gameText = GameText::English;
    // The version of rune.dat whose rune names the grid shows.
    std::shared_ptr<const RuneData> m_namedBy;
    // The current group's counts, what its file holds and the rules of
    // saving them.
    GroupStore m_group;
    RuneStock &m_stock = m_group.counts();
    // The entry selected when a press on the list began: a press on it
    // changes no selection, yet is a click on an entry.
    int m_rowBeforePress = -1;
    Form1Controls m_ui;
    // The rune the info panel shows when a rune view printed it last, -1
    // when something else did, and whether in the layout of the first rune.
    int m_panelRune = -1;
    bool m_panelFirstRune = false;
    // The recipe entries that the visible frames Shape2 stand for.
    QList<RecipeFrame> m_recipeFrames;
    // The band's controls with the focus they take while the band is open.
    QList<std::pair<QWidget *, Qt::FocusPolicy>> m_bandFocus;

    void connectPlanner();
    void connectBandToPlanner();
    void offerContextMenu(QWidget *control, QWidget *area);
    int m_selectedRune = 0;
    QString m_shippedDirectory;
    bool m_painted = false;
    RunePlanner *m_planner = nullptr;
    // Made at the first F1.
    QWidget *m_help = nullptr;
    QTextBrowser *m_helpPage = nullptr;

    // Options, names for screen readers and the autosave
    // (form1_options.cpp, form1_access.cpp, form1_counts.cpp).
    void applyOptions();
    void retranslateCaptions();
    void showContextMenu(const QPoint &globalPos);
    void nameControls();
    void nameBand();
    [[nodiscard]] QString cellName(int index) const;
    void nameGrid();
    // After every handler: the counts on the grid and in the cells' names
    // follow the stock, and a changed group is saved a second after its last
    // change, or five seconds after its first unsaved one while changes go
    // on.
    void followState();
    void showCounts(bool all);
    void autosave();
    QTranslator m_english;
    bool m_englishInstalled = false;
    bool m_countsOnGrid = false;
    RuneStock m_shownStock;
    QTimer m_autosave{this};
    QElapsedTimer m_unsavedSince;
};

} // namespace rcl
