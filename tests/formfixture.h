#pragma once

#include "mainwindow/form1.h"
#include "mainwindow/formgeometry.h"
#include "scriptedprompter.h"
#include "testfiles.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

// A main window over its own temporary program folder, with the boxes
// answered by a script; openShown waits until it is the active window.
class WindowTest : public ::testing::Test
{
protected:
    std::unique_ptr<rcl::Form1> openShown()
    {
        auto form = std::make_unique<rcl::Form1>(prompter, dir.path());
        form->tellStartupProblems();
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()) && QTest::qWaitForWindowActive(form.get()));
        return form;
    }

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    // The shipped rune word files, the English and the Japanese pair, in the
    // program folder.
    void copyShippedData()
    {
        for (const char *name : {"rune.dat", "runename.dat", "rune_ja.dat", "runename_ja.dat"}) {
            QFile::remove(path(name));
            ASSERT_TRUE(QFile::copy(QStringLiteral(RCL_DATA_DIR "/") + QString::fromLatin1(name), path(name)));
        }
    }
    // Opens a context menu as `open` does and returns its items, choosing
    // `choose` among them; none when no menu opened.
    template<typename Open>
    static QStringList menuItems(Open open, const QString &choose = {})
    {
        QStringList items;
        QTimer::singleShot(0, qApp, [&items, choose] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions()) {
                items.append(action->text());
                if (action->text() == choose)
                    action->trigger();
            }
            menu->close();
        });
        open();
        QCoreApplication::processEvents();
        return items;
    }

    void writeFile(const char *name, const QByteArray &content) { writeAll(path(name), content); }
    QByteArray readFile(const char *name) const { return readAll(path(name)); }

    // Each edit gets its own modification time: the program compares file
    // times to the millisecond, and a test edits faster than a user.
    void setRuneElect(const char *value)
    {
        writeFile("rune.dat", QByteArray("[OverAll]\r\nRune Elect=") + value + "\r\n");
        QFile file(path("rune.dat"));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(QDateTime::fromSecsSinceEpoch(1'700'000'000 + ++m_runeDataEdits), QFileDevice::FileModificationTime);
    }

    static QPoint pictureCentre(int index) { return rcl::toPixels(rcl::grid::pictureRect(index)).center(); }
    // A point on the strip of a label that no event area covers.
    static QPoint labelStrip(int index)
    {
        const QRect label = rcl::toPixels(rcl::grid::labelRect(index));
        return {label.center().x(), label.bottom() - 1};
    }

    // What the tests that keep one window in `form` do with it.
    const rcl::Form1Controls &ui() const { return form->controls(); }
    static void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton); }
    QStringList panel() const { return ui().Picture1->text().texts(); }
    qint32 count(int index) const { return form->runeStock().at(index); }
    void press(int index, Qt::MouseButton button = Qt::LeftButton, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(form->windowHandle(), button, {}, pictureCentre(index));
    }
    // The rune words the band lists, in its order.
    QStringList listed() const
    {
        QStringList names;
        for (int row = 0; row < ui().List1->count(); ++row)
            names.append(ui().List1->item(row)->text());
        return names;
    }
    // Moves the pointer to a point, then within it, as a user does.
    void pointAt(QPoint p)
    {
        QTest::mouseMove(form->windowHandle(), p);
        QTest::mouseMove(form->windowHandle(), p + QPoint(1, 0));
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<rcl::Form1> form;
    int m_runeDataEdits = 0;
};
