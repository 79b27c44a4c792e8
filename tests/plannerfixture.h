#pragma once

// The planner's window tests: a main window over three rune words, and its
// planner opened as a user opens it.

#include "formfixture.h"
#include "planner/planner.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>

#include <functional>

// Three rune words: group 1 can make Steel, lacks Sol for Lore and three
// runes for Spirit, whose effects are wrapped for the panel and one of them
// longer than any window.
inline const QByteArray RuneWords = "[Steel]\r\nRuneNum=2\r\nRune1=3\r\nRune2=1\r\nAllowed=Swords\r\nPatch=1.9\r\n"
                                    "EffectNum=1\r\nEffect1=+20% Increased Attack Speed\r\n"
                                    "[Spirit]\r\nRuneNum=4\r\nRune1=7\r\nRune2=10\r\nRune3=9\r\nRune4=11\r\n"
                                    "Allowed=Swords, Shields\r\nPatch=1.10\r\nMode=Ladder\r\nEffectNum=3\r\n"
                                    "Effect1=2% Chance to cast level 10\r\nEffect2=\"  Psychic Ward when struck\"\r\n"
                                    "Effect3=" + QByteArray("+1 to a skill ").repeated(15) + "\r\n"
                                    "[Lore]\r\nRuneNum=2\r\nRune1=9\r\nRune2=12\r\nAllowed=Helms\r\nPatch=1.11\r\n"
                                    "EffectNum=1\r\nEffect1=+1 To All Skills\r\n"
                                    "[Item Kinds]\r\nWeapons=\r\nSwords=Weapons\r\nArmor=\r\nHelms=Armor\r\nShields=Armor\r\n";

inline bool becomesActive(QWidget *window)
{
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

class PlannerTest : public WindowTest
{
protected:
    // Counts grouped as in English, whatever the machine's locale.
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        writeFile("runename.dat", "Steel\r\nSpirit\r\nLore\r\n");
        writeFile("rune.dat", RuneWords);
        // El, Tir, Ort.
        writeFile("save/rune1.sav", "1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n");
    }

    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    // The main window in `form`, and its planner opened by Ctrl+P.
    void openPlanner()
    {
        form = openShown();
        QTest::keyClick(form.get(), Qt::Key_P, Qt::ControlModifier);
        planner = form->findChild<rcl::RunePlanner *>();
        EXPECT_TRUE(planner && becomesActive(planner));
    }

    template<typename Control = QWidget>
    Control *find(const char *name) const
    {
        auto *control = planner->findChild<Control *>(QString::fromLatin1(name));
        EXPECT_TRUE(control) << name;
        return control;
    }
    QTableView *table(const char *name) const { return find<QTableView>(name); }
    QTabWidget *tabs() const { return planner->findChild<QTabWidget *>(); }
    void showTab(int tab) const
    {
        QTabBar *bar = tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }

    static QString cell(const QTableView *view, int row, int column)
    {
        return view->model()->index(row, column).data().toString();
    }
    // The rune word names a list shows, in its order.
    static QStringList names(const QTableView *view)
    {
        QStringList shown;
        for (int row = 0; row < view->model()->rowCount(); ++row)
            shown.append(cell(view, row, 1));
        return shown;
    }
    static QPoint rowCentre(const QTableView *view, int row)
    {
        return view->visualRect(view->model()->index(row, 1)).center();
    }
    static void clickRow(QTableView *view, int row, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(view->viewport(), button, {}, rowCentre(view, row));
    }
    static void clickHeader(QTableView *view, int column)
    {
        QHeaderView *header = view->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          {header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2});
    }
    static int rowOf(const QTableView *view, const QString &name) { return int(names(view).indexOf(name)); }
    static QList<int> columnWidths(const QTableView *view)
    {
        QList<int> widths;
        for (int column = 0; column < view->horizontalHeader()->count(); ++column)
            widths.append(view->horizontalHeader()->sectionSize(column));
        return widths;
    }

    rcl::RunePlanner *planner = nullptr;
};

