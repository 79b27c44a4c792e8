#include "mainwindow/form1.h"

#include "mainwindow/fonts.h"
#include "mainwindow/formgeometry.h"
#include "rules/itemtypechoice.h"
#include "planner/planner.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QIcon>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace rcl {
namespace {

template<typename Control>
Control *place(Control *control, const TwipRect &rect)
{
    control->setGeometry(toPixels(rect));
    return control;
}

QPushButton *button(const QString &caption, const QFont &font, const TwipRect &rect, QWidget *parent)
{
    auto *b = place(new QPushButton(caption, parent), rect);
    b->setFont(font);
    b->setAutoDefault(false);
    return b;
}

// The type of the buttons with Japanese captions, at the top and in the band.
QFont captionFont()
{
    return fonts::terminal(9.75);
}

// Qt reads BMP itself; told the format and not to guess, the reader offers
// the file to no image plugin, each of which would be loaded to answer.
QPixmap bmpPicture(const QString &path)
{
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

Form1::Form1(Prompter &prompter, const QString &appDirectory, Settings *settings, QWidget *parent)
    : QWidget(parent)
    , m_prompter(prompter)
    , m_files(appDirectory)
    , m_ownSettings(settings ? nullptr
                             : std::make_unique<Settings>(m_files.saveDirectory() + QStringLiteral("/runechecklist.ini")))
    , m_settings(settings ? settings : m_ownSettings.get())
    , m_runeData(m_files.appDirectory() + QStringLiteral("rune.dat"))
    , m_englishData(m_runeData.path())
    , m_japaneseData(m_files.appDirectory() + gameTextFiles(GameText::Japanese).runeData)
    , m_group(m_files)
{
    chooseGameText();
    createControls();
    connectHandlers();
    connectPlanner();
    connectWindowKeys();
    Form_Load();
    nameControls();
    applyOptions();
    m_autosave.setObjectName(QStringLiteral("autosave"));
    m_autosave.setSingleShot(true);
    connect(&m_autosave, &QTimer::timeout, this, &Form1::autosave);
    connect(this, &Form1::stateChanged, this, &Form1::followState);
    followState();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    setWindowTitle(QStringLiteral("Rune Check List for ver1.8 by Varnhold"));
    // The icon's two images as BMP: an ICO would load its plugin, and its
    // decoder's mask conversion the maths library, for the first paint.
    QIcon icon;
    icon.addPixmap(bmpPicture(QStringLiteral(":/pictures/app32.bmp")));
    icon.addPixmap(bmpPicture(QStringLiteral(":/pictures/app16.bmp")));
    setWindowIcon(icon);
    setFont(fonts::windowDefault());
    // Only the window itself is black (see paintEvent): a black palette would
    // pass to the controls, which draw their outlines from it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(twipsToPixels(form::ClientWidth), twipsToPixels(form::DesignClientHeight));

    // Children are stacked in the order they are made, the last on top: the
    // frames lie under the pictures, the pictures under the labels, and the
    // event areas over everything in the grid, so a press on a picture reaches
    // its event area.
    m_ui.Shape1 = place(new OutlineShape(QColor(0, 0, 255), this), form::Shape1);
    m_ui.Grid1 = place(new RuneGridFocus(this), form::Shape1);
    for (int i = 0; i < form::Shape2Count; ++i) {
        auto *frame = place(new OutlineShape(QColor(255, 0, 0), this), form::shape2(i));
        frame->hide();
        m_ui.Shape2[std::size_t(i)] = frame;
    }
    for (int i = 0; i < RuneCatalogue::Count; ++i)
        m_ui.runeimg1[std::size_t(i)] = place(new RunePicture(i, this), grid::pictureRect(i));
    const QFont labelFont = fonts::runeLabel();
    for (int i = 0; i < RuneCatalogue::Count; ++i) {
        m_ui.Label1[std::size_t(i)] = place(new RuneLabel(i, RuneCatalogue::name(i), *this, this), grid::labelRect(i));
        m_ui.Label1[std::size_t(i)]->setFont(labelFont);
    }
    for (int i = 0; i < RuneCatalogue::Count; ++i)
        m_ui.runeimg2[std::size_t(i)] = place(new RuneEventArea(i, *this, this), grid::eventAreaRect(i));
    // A click on a rune gives the grid the keyboard (eventFilter). The runes
    // are not the grid's focus proxies: Tab would stop at them.
    for (std::size_t i = 0; i < m_ui.runeimg2.size(); ++i) {
        m_ui.runeimg2[i]->installEventFilter(this);
        m_ui.Label1[i]->installEventFilter(this);
    }

    const QFont buttonFont = captionFont();
    m_ui.Picture1 = place(new InfoPanel(this), form::Picture1);
    m_ui.Picture1->setFont(fonts::timesNewRoman(9));
    // First in the tab order, and where the focus is at start: Space and
    // Return do nothing there.
    m_ui.Picture1->setFocusPolicy(Qt::StrongFocus);
    // The Japanese captions are set, or translated, by retranslateCaptions().
    m_ui.Command1 = button(QString(), buttonFont, form::Command1, this);
    m_ui.Command1->setEnabled(false);
    m_ui.Command2 = button(QString(), buttonFont, form::Command2, this);
    // Made empty: a text laid out before the font is set would load the
    // default font for nothing. Form_Load gives the group's name.
    m_ui.Text1 = place(new QLineEdit(this), form::Text1);
    m_ui.Text1->setFont(fonts::terminal(13.5));
    m_ui.Text1->setReadOnly(true);
    m_ui.Command3 = button(QString(), buttonFont, form::Command3, this);
    m_ui.Command4 = button(QStringLiteral("Rune Word >>"), font(), form::Command4, this);
    m_ui.Command6 = button(QString(), buttonFont, form::Command6, this);
    retranslateCaptions();
    orderTabStops();
    m_ui.Picture1->setFocus();
}

// The band's controls lie below the closed window and overlap no other
// control, so being made after the others changes nothing that shows. Made
// at start, they would cost the first paint the list's and the combo box's
// code and memory.
void Form1::makeBand()
{
    if (m_ui.List1)
        return;
    const QFont buttonFont = captionFont();
    m_ui.List1 = place(new QListWidget(this), form::List1);
    m_ui.List1->setFont(fonts::timesNewRoman(12));
    m_ui.Command5 = button(QString(), buttonFont, form::Command5, this);
    m_ui.Combo1 = place(new QComboBox(this), form::Combo1);
    m_ui.Combo1->setFont(fonts::timesNewRoman(11.25));
    for (const ItemTypeChoice &choice : itemTypeChoices())
        m_ui.Combo1->addItem(choice.text);
    m_ui.Combo1->setCurrentIndex(-1);
    m_ui.Command7 = button(QString(), buttonFont, form::Command7, this);
    for (QWidget *control : std::initializer_list<QWidget *>{m_ui.List1, m_ui.Command5, m_ui.Combo1, m_ui.Command7}) {
        m_bandFocus.append({control, control->focusPolicy()});
        // Children made after the window shows are hidden until shown.
        control->show();
    }
    // Qt moves a control in the focus chain only while it takes focus.
    orderTabStops();
    setBandFocusable(false);
    retranslateCaptions();
    connectBand();
    connectBandToPlanner();
    nameBand();
}

const Form1Controls &Form1::controls()
{
    makeBand();
    return m_ui;
}

// The grid stands where the labels stood in the focus order; the band's
// controls, once made, stand between Command4 and Command6 and after it.
void Form1::orderTabStops()
{
    QWidget *order[] = {m_ui.Picture1, m_ui.Command1, m_ui.Command2, m_ui.Text1,   m_ui.Grid1,    m_ui.Command3,
                        m_ui.Command4, m_ui.List1,    m_ui.Command5, m_ui.Combo1, m_ui.Command6, m_ui.Command7};
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        if (!control)
            continue;
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

void Form1::connectHandlers()
{
    connect(m_ui.Grid1, &RuneGridFocus::keyDown, this, &Form1::Grid1_KeyDown);
    connect(m_ui.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_ui.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(m_ui.Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_ui.Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(m_ui.Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
}

void Form1::runeMouseDown(int index, int button, int shift, int x, int y)
{
    runeimg2_MouseDown(index, button, shift, x, y);
    Q_EMIT stateChanged();
}

void Form1::runeMouseUp(int index, int button, int shift, int x, int y)
{
    runeimg2_MouseUp(index, button, shift, x, y);
    Q_EMIT stateChanged();
}

void Form1::runeMouseMove(int index, int button, int shift, int x, int y)
{
    runeimg2_MouseMove(index, button, shift, x, y);
}

void Form1::runeDblClick(int index)
{
    runeimg2_DblClick(index);
    Q_EMIT stateChanged();
}

void Form1::labelClick(int index)
{
    Label1_Click(index);
    Q_EMIT stateChanged();
}

void Form1::labelMouseMove(int index, int button, int shift, int x, int y)
{
    Label1_MouseMove(index, button, shift, x, y);
}

void Form1::connectBand()
{
    connect(m_ui.Command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(m_ui.Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    // The list's click comes with every selection of an entry, by the mouse,
    // the keyboard or the program, and with every press on the entry that is
    // already selected. Focus arriving by Tab makes an entry current without
    // selecting it, and shows nothing.
    connect(m_ui.List1, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_ui.List1->selectedItems().isEmpty())
            List1_Click();
    });
    m_ui.List1->viewport()->installEventFilter(this);
    connect(m_ui.List1, &QListWidget::itemPressed, this, [this](QListWidgetItem *item) {
        if (m_ui.List1->row(item) == m_rowBeforePress)
            List1_Click();
    });
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
        && (qobject_cast<RuneEventArea *>(watched) || qobject_cast<RuneLabel *>(watched)))
        m_ui.Grid1->setFocus(Qt::MouseFocusReason);
    if (m_ui.List1 && watched == m_ui.List1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const QList<QListWidgetItem *> selected = m_ui.List1->selectedItems();
        m_rowBeforePress = selected.isEmpty() ? -1 : m_ui.List1->row(selected.first());
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter(this).fillRect(rect(), Qt::black);
    if (!std::exchange(m_painted, true))
        QTimer::singleShot(0, this, &Form1::firstPainted);
}

void Form1::setOuterHeight(int twips)
{
    setFixedSize(twipsToPixels(form::ClientWidth), twipsToPixels(form::clientHeightFor(twips)));
}

void Form1::placeFrame(OutlineShape *frame, int runeIndex)
{
    const QRect around = toPixels(grid::frameAround(grid::pictureRect(runeIndex)));
    frame->setGeometry(around);
    if (frame == m_ui.Shape1) {
        m_ui.Grid1->setGeometry(around);
        if (std::exchange(m_selectedRune, runeIndex) != runeIndex)
            nameGrid();
    }
}

void Form1::closeEvent(QCloseEvent *event)
{
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
    if (!cancel && m_planner)
        m_planner->close();
}

} // namespace rcl
