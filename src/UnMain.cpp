#include "UnMain.h"

#include "Platform.h"
#include "UnMT.h"
#include "UnPanel.h"
#include "kommands.h"

#include <QAction>
#include <QFrame>
#include <QMdiArea>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

// ---------------------------------------------------------------------------
// The machine

TapeStore Tape;
qint32 HeadPos = 0;
QString CurState;
qint32 StepCount = 0;

TFMain *FMain = nullptr;
TFMT *FMT = nullptr;
TFList *FList = nullptr;
TForm1 *Form1 = nullptr;

namespace {
const qint64 TapeHalf = 1000; // the store starts as cells -1000 to 1000
const int ViewHalf = 13;      // the tape view shows 13 cells either side of the head
} // namespace

TapeStore::TapeStore()
    : m_cells(2 * TapeHalf + 1)
    , m_first(-TapeHalf)
{
}

QString &TapeStore::operator[](qint64 index)
{
    while (index < m_first) {
        m_cells.emplace_front();
        --m_first;
    }
    while (index > last())
        m_cells.emplace_back();
    return m_cells[std::size_t(index - m_first)];
}

QString TapeStore::at(qint64 index) const
{
    if (index < m_first || index > last())
        return QString();
    return m_cells[std::size_t(index - m_first)];
}

void ResetMachine()
{
    StepCount = 0;
    CurState = QStringLiteral("Q1");
    Tape = TapeStore();
    const QString word = QStringLiteral("0111");
    for (int i = 0; i < word.size(); ++i)
        Tape[i + 1] = word.at(i);
    HeadPos = 2;
}

QString ReadCell(qint64 index)
{
    return Tape.at(index);
}

void MoveLeft()
{
    --HeadPos;
    Tape[HeadPos]; // the store always reaches the head
    ShowTape();
}

void MoveRight()
{
    ++HeadPos;
    Tape[HeadPos];
    ShowTape();
}

void ShowTape()
{
    const qint64 leftmost = qint64(HeadPos) - ViewHalf;
    for (int column = 0; column <= 2 * ViewHalf; ++column)
        FMT->StringGrid1->setCell(column, 0, Tape.at(leftmost + column));
}

int FindStateColumn(const QString &name)
{
    const CellGrid *table = FList->StringGrid1;
    int found = 0;
    for (int column = 1; column < table->columnCount(); ++column) {
        if (table->cell(column, 0) == name)
            found = column; // no break: the last match wins
    }
    return found;
}

QString FindCommand(const QString &symbol)
{
    const CellGrid *table = FList->StringGrid1;
    QString command;
    for (int row = 1; row < table->rowCount(); ++row) {
        if (table->cell(0, row) == symbol)
            command = table->cell(FindStateColumn(CurState), row); // no break: the last match wins
    }
    return command;
}

QString StateCaption(const QString &stateName)
{
    return QStringLiteral("Текущее состояние:") + QChar(13) + stateName;
}

// ---------------------------------------------------------------------------
// The main window

TFMain::TFMain()
{
    setWindowTitle(QStringLiteral("Раздел 2.3. Пример 2. Начальная конфигурация = '0111'."));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(599, 363);
    move(322, 141);

    Workspace = new QMdiArea(this);
    Workspace->setBackground(palette().button());
    setCentralWidget(Workspace);

    StartMT = new QAction(this);
    PauseMT = new QAction(this);
    StepMT = new QAction(this);
    connect(StartMT, &QAction::triggered, this, Handler([this] { StartMTExecute(StartMT); }));
    connect(PauseMT, &QAction::triggered, this, Handler([this] { PauseMTExecute(PauseMT); }));
    connect(StepMT, &QAction::triggered, this, Handler([this] { StepMTExecute(StepMT); }));

    ToolBar1 = new QToolBar(this);
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->setFixedHeight(29);
    addToolBar(Qt::TopToolBarArea, ToolBar1);
    SpeedButton7 = addSpeedButton(0, 72, QStringLiteral("Старт"), QStringLiteral("start"),
                                  QStringLiteral("Шаг машины каждые 600 мс"));
    SpeedButton6 = addSpeedButton(72, 75, QStringLiteral("Стоп"), QStringLiteral("stop"),
                                  QStringLiteral("Остановить шаги по таймеру"));
    SpeedButton5 = addSpeedButton(147, 80, QStringLiteral("Пошагово"), QStringLiteral("step"),
                                  QStringLiteral("Выполнить один шаг машины"));
    SpeedButton1 = addSpeedButton(227, 198, QStringLiteral("Программа МТ (в виде таблицы)"), QStringLiteral("table"),
                                  QStringLiteral("Показать программу машины в виде таблицы"));
    connect(SpeedButton7, &QToolButton::clicked, StartMT, &QAction::trigger);
    connect(SpeedButton6, &QToolButton::clicked, PauseMT, &QAction::trigger);
    connect(SpeedButton5, &QToolButton::clicked, StepMT, &QAction::trigger);
    connect(SpeedButton1, &QToolButton::clicked, this, Handler([this] { SpeedButton1Click(SpeedButton1); }));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(19);
    setStatusBar(StatusBar1);
    // Three panels side by side with no gaps, so placed by hand: the status
    // bar's own layout would space them.
    int left = 0;
    for (const int width : {150, 300, 50}) {
        auto *panel = new QFrame(StatusBar1);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setGeometry(left, 0, width, 19);
        left += width;
    }

    Timer1 = new Timer(600, this);
    connect(Timer1, &QTimer::timeout, this, Handler([this] { Timer1Timer(Timer1); }));

    connect(new PaintWatcher(Workspace->viewport()), &PaintWatcher::painted, this, Handler([this] { FormPaint(); }));

    FormCreate();
}

QToolButton *TFMain::addSpeedButton(int left, int width, const QString &caption, const QString &picture,
                                    const QString &description)
{
    auto *button = new QToolButton(ToolBar1);
    button->setText(caption); // also what a screen reader reads
    button->setAccessibleDescription(description);
    // The tool-bar pictures see through olive; the table picture through white.
    button->setIcon(Picture(picture, picture == QLatin1String("table") ? QColor(Qt::white) : QColor(128, 128, 0)));
    button->setIconSize(QSize(16, 16));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, 2, width, 22);
    return button;
}

void TFMain::FormCreate()
{
    ResetMachine();
}

void TFMain::FormPaint()
{
    ShowTape();
}

void TFMain::StartMTExecute(QObject *)
{
    Timer1->setEnabled(true);
}

void TFMain::PauseMTExecute(QObject *)
{
    Timer1->setEnabled(false);
}

void TFMain::Timer1Timer(QObject *)
{
    StepMTExecute(SpeedButton7);
}

void TFMain::SpeedButton1Click(QObject *)
{
    FList->show();
    FList->raise();
    FList->activateWindow();
}

void TFMain::StepMTExecute(QObject *)
{
    ++StepCount;
    // The marks follow the count of steps, not the command found.
    if (StepCount == 1) {
        Form1->RadioButton1->setChecked(true);
        SetColor(Form1->Label3, QColor(192, 192, 192));
    } else if (StepCount == 2) {
        Form1->RadioButton2->setChecked(true);
        SetColor(Form1->Label3, QColor(255, 255, 255));
        SetColor(Form1->Label4, QColor(192, 192, 192));
    }

    const QString symbol = ReadCell(HeadPos);
    QString command = FindCommand(symbol);
    const QString stop = QStringLiteral("STOP");
    const QString writeOneAndStop = QStringLiteral("1STOP");
    while (!command.isEmpty() && command != stop && command != writeOneAndStop) {
        const QChar first = command.at(0);
        if (first == QLatin1Char('L')) {
            MoveLeft();
            command.remove(0, 1);
        } else if (first == QLatin1Char('Q')) {
            CurState = command;
            FMT->Label1->setCaption(StateCaption(CurState));
            command.clear();
        } else if (first == QLatin1Char('R')) {
            MoveRight();
            command.remove(0, 1);
        } else {
            Tape[HeadPos] = QString(first);
            command.remove(0, 1);
            ShowTape();
        }
    }
    const QString halted = StateCaption(QStringLiteral("Q0 (Остановка)"));
    if (command == stop)
        FMT->Label1->setCaption(halted);
    if (command == writeOneAndStop) {
        Tape[HeadPos] = QStringLiteral("1");
        FMT->StringGrid1->setCell(ViewHalf, 0, QStringLiteral("1"));
        FMT->Label1->setCaption(halted);
    }
}

// ---------------------------------------------------------------------------
// Start-up

void CreateForms()
{
    FMain = new TFMain;
    FMT = new TFMT(FMain->Workspace);
    FMT->show();
    FList = new TFList(FMain);
    Form1 = new TForm1(FMain->Workspace);
    Form1->show();
    FMain->Workspace->setActiveSubWindow(Form1);
}

void DestroyForms()
{
    delete FMain; // owns the other three
    FMain = nullptr;
    FMT = nullptr;
    FList = nullptr;
    Form1 = nullptr;
}
