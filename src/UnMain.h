// The main window and the machine it runs.
//
// The machine is plain program-wide data with plain routines: the tape store,
// the head, the current state and the step counter. Its program lives in the
// program-table window's grid (FList->StringGrid1), and a step writes straight
// into the other windows' controls: the tape view and the state caption of
// FMT, and the command marks of Form1. TFMain's actions and timer drive it.
#pragma once

#include <QMainWindow>
#include <QString>

#include <deque>

class QAction;
class QMdiArea;
class QStatusBar;
class QToolBar;
class QToolButton;
class Timer;
class TFMT;
class TFList;
class TForm1;

// The tape: cells -1000 to 1000 at start, each empty (blank) or holding one
// character. Writing past either end extends the store, and cells beyond it
// read as blank, so no program can take the machine outside its tape.
class TapeStore
{
public:
    TapeStore();

    QString &operator[](qint64 index); // extends the store to reach index
    QString at(qint64 index) const;    // blank outside the store
    qint64 first() const { return m_first; }
    qint64 last() const { return m_first + qint64(m_cells.size()) - 1; }

private:
    std::deque<QString> m_cells;
    qint64 m_first;
};

extern TapeStore Tape;
extern qint32 HeadPos;
extern QString CurState;
extern qint32 StepCount;

void ResetMachine();
QString ReadCell(qint64 index);
void MoveLeft();
void MoveRight();
void ShowTape();
int FindStateColumn(const QString &name);
QString FindCommand(const QString &symbol);
QString StateCaption(const QString &stateName);

class TFMain : public QMainWindow
{
    Q_OBJECT

public:
    TFMain();

    QMdiArea *Workspace;
    QToolBar *ToolBar1;
    QToolButton *SpeedButton7;
    QToolButton *SpeedButton6;
    QToolButton *SpeedButton5;
    QToolButton *SpeedButton1;
    QStatusBar *StatusBar1;
    QAction *StartMT;
    QAction *PauseMT;
    QAction *StepMT;
    Timer *Timer1;

    void FormCreate();
    void FormPaint();
    void StartMTExecute(QObject *Sender);
    void PauseMTExecute(QObject *Sender);
    void StepMTExecute(QObject *Sender);
    void Timer1Timer(QObject *Sender);
    void SpeedButton1Click(QObject *Sender);

private:
    QToolButton *addSpeedButton(int left, int width, const QString &caption, const QString &picture,
                                const QString &description);
};

extern TFMain *FMain;
extern TFMT *FMT;
extern TFList *FList;
extern TForm1 *Form1;

// Creates the windows in the order of start-up: the main window (which resets
// the machine), the tape window, the hidden program-table window and the
// command-set window, in front. The caller shows FMain.
void CreateForms();
// Destroys the windows again (FMain owns the others).
void DestroyForms();
