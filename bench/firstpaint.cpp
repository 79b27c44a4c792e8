// Opens the main window the way the program does (the data folder's lock,
// the start-up checks, then the window) over a folder with the shipped rune
// word files; or, with --bare, a plain window of the same size; or, with
// --text, the text floor: a window of the same size that shows the window's
// texts (captions, rune names, the info panel's lines) in the same fonts and
// does nothing else; or, with --controls, the same texts and the pictures in
// plain Qt controls. It waits for the first paint, prints how long that took
// and the peak memory, and exits. bench/startup.sh runs them side by side.
//
//   firstpaint [--bare | --text | --controls] [--since NANOSECONDS]
//
// --since takes the wall-clock time (date +%s%N) taken just before the
// process was started, so the figure covers loading the program too.

#include "mainwindow/checklist.h"
#include "mainwindow/fonts.h"
#include "mainwindow/formgeometry.h"
#include "mainwindow/infopanel.h"
#include "prompts/prompter.h"
#include "gamedata/runeinfo.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <sys/resource.h>

namespace {

qint64 nowNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

class FirstPaint final : public QObject
{
public:
    explicit FirstPaint(qint64 since) : m_since(since) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Report once the paint has been handled, then leave.
            QTimer::singleShot(0, this, [this] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                // RCL_SMAPS=file keeps the memory map at the first paint, to
                // compare what each probe holds.
                if (const char *dump = std::getenv("RCL_SMAPS")) {
                    QFile in(QStringLiteral("/proc/self/smaps"));
                    QFile out(QString::fromLocal8Bit(dump));
                    if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
                        out.write(in.readAll());
                }
                std::printf("first paint %.1f ms, peak memory %ld KiB\n", double(nowNanoseconds() - m_since) / 1e6,
                            usage.ru_maxrss);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    qint64 m_since;
    bool m_seen = false;
};

// The texts of the main window as it first shows, in its fonts, at their
// places: all that a window that shows them must do. The fonts and texts are
// made with the window, as a window's controls are; a paint only draws.
class TextFloor final : public QWidget
{
public:
    TextFloor()
    {
        using namespace rcl;
        const RuneTable runes;
        const QFont label = fonts::runeLabel();
        for (int i = 0; i < RuneCatalogue::Count; ++i)
            m_texts.push_back({label, toPixels(grid::labelRect(i)), runes.name(i)});
        const QFont terminal = fonts::terminal(9.75);
        m_texts.push_back({terminal, toPixels(form::Command1), QStringLiteral("前")});
        m_texts.push_back({terminal, toPixels(form::Command2), QStringLiteral("次")});
        m_texts.push_back({terminal, toPixels(form::Command3), QStringLiteral("名称変更")});
        m_texts.push_back({terminal, toPixels(form::Command6), QStringLiteral("消去")});
        m_texts.push_back({fonts::windowDefault(), toPixels(form::Command4), QStringLiteral("Rune Word >>")});
        const QRect panel = toPixels(form::Picture1);
        int top = panel.top();
        for (const PanelLine &line : firstRuneLines(runes, 0)) {
            QFont font = fonts::timesNewRoman(line.pointSize);
            font.setBold(line.bold);
            const int height = QFontMetrics(font).height();
            m_texts.push_back({font, QRect(panel.left(), top, panel.width(), height), line.text});
            top += height;
        }
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.setPen(Qt::white);
        for (const Text &text : m_texts) {
            painter.setFont(text.font);
            painter.drawText(text.place, Qt::AlignLeft | Qt::AlignTop, text.text);
        }
    }

private:
    struct Text
    {
        QFont font;
        QRect place;
        QString text;
    };
    std::vector<Text> m_texts;
};

// The controls floor: the window's controls at start, as plain Qt controls
// (and the window's own info panel, a frame that only draws its lines) with
// their texts, pictures, fonts and places, and nothing else: no files, no
// handlers, no frames or event areas. What the window costs above it is
// its own; what it costs above the text floor, Qt's controls.
class ControlsFloor final : public QWidget
{
public:
    ControlsFloor()
    {
        using namespace rcl;
        setFont(fonts::windowDefault());
        setAutoFillBackground(true);
        QPalette black = palette();
        black.setColor(QPalette::Window, Qt::black);
        setPalette(black);
        const RuneTable runes;
        for (int i = 0; i < RuneCatalogue::Count; ++i) {
            auto *picture = new QLabel(this);
            picture->setGeometry(toPixels(grid::pictureRect(i)));
            picture->setPixmap(QPixmap(QStringLiteral(":/pictures/rune%1.gif").arg(i, 2, 10, QLatin1Char('0'))));
        }
        const QFont label = fonts::runeLabel();
        for (int i = 0; i < RuneCatalogue::Count; ++i) {
            auto *name = new QLabel(runes.name(i), this);
            name->setGeometry(toPixels(grid::labelRect(i)));
            name->setFont(label);
            name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            QPalette white = name->palette();
            white.setColor(QPalette::WindowText, Qt::white);
            name->setPalette(white);
        }
        // The window's own panel: a frame that only draws its lines.
        auto *panel = new InfoPanel(this);
        panel->setGeometry(toPixels(form::Picture1));
        panel->setFont(fonts::timesNewRoman(9));
        panel->print(firstRuneLines(runes, 0));
        const QFont terminal = fonts::terminal(9.75);
        const auto button = [&](const QString &caption, const QFont &font, const TwipRect &place) {
            auto *b = new QPushButton(caption, this);
            b->setGeometry(toPixels(place));
            b->setFont(font);
            return b;
        };
        button(QStringLiteral("前"), terminal, form::Command1)->setEnabled(false);
        button(QStringLiteral("次"), terminal, form::Command2);
        auto *name = new QLineEdit(this);
        name->setGeometry(toPixels(form::Text1));
        name->setFont(fonts::terminal(13.5));
        name->setReadOnly(true);
        button(QStringLiteral("名称変更"), terminal, form::Command3);
        button(QStringLiteral("Rune Word >>"), font(), form::Command4);
        button(QStringLiteral("消去"), terminal, form::Command6);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    qint64 since = nowNanoseconds();
    bool bare = false;
    bool textFloor = false;
    bool controlsFloor = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--bare") == 0)
            bare = true;
        else if (std::strcmp(argv[i], "--text") == 0)
            textFloor = true;
        else if (std::strcmp(argv[i], "--controls") == 0)
            controlsFloor = true;
        else if (std::strcmp(argv[i], "--since") == 0 && i + 1 < argc)
            since = std::atoll(argv[++i]);
    }

    QApplication app(argc, argv);
    QTemporaryDir folder;
    rcl::DialogPrompter prompter;
    std::unique_ptr<QWidget> bareWindow;
    rcl::Checklist checklist(prompter, rcl::DataLocation{folder.path(), {}});
    QWidget *window = nullptr;
    if (bare || textFloor || controlsFloor) {
        if (textFloor)
            bareWindow = std::make_unique<TextFloor>();
        else if (controlsFloor)
            bareWindow = std::make_unique<ControlsFloor>();
        else
            bareWindow = std::make_unique<QWidget>();
        bareWindow->setWindowTitle(QStringLiteral("Rune Check List for ver1.8 by Varnhold"));
        bareWindow->setFixedSize(704, 324);
        window = bareWindow.get();
    } else if (QFile::copy(QStringLiteral(RCL_DATA_DIR "/rune.dat"), folder.filePath(QStringLiteral("rune.dat")))
               && QFile::copy(QStringLiteral(RCL_DATA_DIR "/runename.dat"),
                              folder.filePath(QStringLiteral("runename.dat")))
               && checklist.open()) {
        window = &checklist.form();
    } else {
        return 1;
    }
    FirstPaint probe(since);
    window->installEventFilter(&probe);
    window->show();
    return app.exec();
}
