// A helper for the process tests: opens the checklist kept in DIR as the
// program does, quit signals included. A box that it has no answer for says
// "asking: TITLE: TEXT" on one line and then shows for real.
//   checklist_driver click DIR
//       says "opened", reads a line, adds one Thul with a click on the grid,
//       says "clicked" and runs until it is ended
//   checklist_driver soak DIR SEED [N]
//       uses the window at random from SEED: presses and keys on the grid,
//       clears, group moves, renames and pauses long enough for the autosave.
//       It says "state GROUP COUNT1 ... COUNT33 NAME" at the start and after
//       each action, and "renaming NAME" before a rename; with N, it closes
//       the window after N actions and says "closed".

#include "mainwindow/checklist.h"
#include "prompts/prompter.h"
#include "platform/quitsignals.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <optional>
#include <random>

namespace {

void say(const QByteArray &line)
{
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

class DriverPrompter final : public rcl::Prompter
{
public:
    std::optional<bool> yesNo;
    std::optional<QString> text;

    bool askYesNo(QWidget *parent, const QString &title, const QString &prompt, Icon icon,
                  Default defaultButton) override
    {
        if (yesNo)
            return *std::exchange(yesNo, std::nullopt);
        showing(title, prompt);
        return m_boxes.askYesNo(parent, title, prompt, icon, defaultButton);
    }
    QString askText(QWidget *parent, const QString &title, const QString &prompt) override
    {
        if (text)
            return *std::exchange(text, std::nullopt);
        showing(title, prompt);
        return m_boxes.askText(parent, title, prompt);
    }
    void tell(QWidget *parent, const QString &title, const QString &message, Icon icon) override
    {
        showing(title, message);
        m_boxes.tell(parent, title, message, icon);
    }
    QString askSaveFileName(QWidget *parent, const QString &title, const QString &suggestedName,
                            const QString &filter) override
    {
        showing(title, suggestedName);
        return m_boxes.askSaveFileName(parent, title, suggestedName, filter);
    }

private:
    static void showing(const QString &title, const QString &text)
    {
        say("asking: " + title.toUtf8() + ": " + text.simplified().toUtf8());
    }

    rcl::DialogPrompter m_boxes;
};

void sayState(rcl::Form1 &form)
{
    QByteArray line = "state " + QByteArray::number(form.currentGroup());
    for (int i = 0; i < rcl::RuneCatalogue::Count; ++i)
        line += ' ' + QByteArray::number(form.runeStock().at(i));
    say(line + ' ' + form.controls().Text1->text().toUtf8());
}

void soak(rcl::Form1 &form, DriverPrompter &prompter, std::mt19937 &random, long actions)
{
    const rcl::Form1Controls &ui = form.controls();
    const auto pick = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const QStringList names = {QString(), QStringLiteral("Mule"), QStringLiteral("倉庫 2"), QStringLiteral("ルーン")};
    const Qt::Key keys[] = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Delete};
    sayState(form);
    for (long n = 0; n != actions; ++n) {
        const int roll = pick(100);
        QWidget *rune = ui.runeimg2[std::size_t(pick(rcl::RuneCatalogue::Count))];
        if (roll < 35) {
            QTest::mouseClick(rune, Qt::LeftButton);
        } else if (roll < 50) {
            QTest::mouseClick(rune, Qt::RightButton);
        } else if (roll < 53) {
            prompter.yesNo = pick(2) == 0;
            QTest::mouseClick(rune, Qt::MiddleButton);
        } else if (roll < 63) {
            const Qt::Key key = keys[pick(5)];
            if (key == Qt::Key_Delete)
                prompter.yesNo = pick(2) == 0;
            QTest::keyClick(ui.Grid1, key);
        } else if (roll < 65) {
            prompter.yesNo = pick(2) == 0;
            QTest::mouseClick(ui.Command6, Qt::LeftButton);
        } else if (roll < 85) {
            QTest::mouseClick(roll < 75 ? ui.Command1 : ui.Command2, Qt::LeftButton);
        } else if (roll < 90) {
            prompter.text = names[pick(int(names.size()))];
            if (!prompter.text->isEmpty())
                say("renaming " + prompter.text->toUtf8());
            QTest::mouseClick(ui.Command3, Qt::LeftButton);
        } else if (roll < 93) {
            QTest::qWait(1200);
        }
        // An answer left over would hide a box that asks what it should not.
        prompter.yesNo.reset();
        prompter.text.reset();
        sayState(form);
        QTest::qWait(pick(30));
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QByteArray mode = argc > 2 ? argv[1] : "";
    if (!(mode == "click" && argc == 3) && !(mode == "soak" && (argc == 4 || argc == 5)))
        return 2;
    rcl::QuitSignals quitSignals;
    DriverPrompter prompter;
    rcl::Checklist checklist(prompter, rcl::DataLocation{QString::fromLocal8Bit(argv[2]), {}});
    QObject::connect(&quitSignals, &rcl::QuitSignals::quitRequested, &app, [&checklist](int) { checklist.quit(); });
    if (!checklist.open())
        return 1;
    rcl::Form1 &form = checklist.form();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    if (mode == "click") {
        say("opened");
        char line[8];
        if (!std::fgets(line, sizeof line, stdin))
            return 1;
        QTest::mouseClick(form.controls().runeimg2[9], Qt::LeftButton);
        say("clicked");
        return app.exec();
    }
    std::mt19937 random(std::uint32_t(QByteArray(argv[3]).toULong()));
    soak(form, prompter, random, argc == 5 ? QByteArray(argv[4]).toLong() : -1);
    if (!form.close())
        return 1;
    say("closed");
    return 0;
}
