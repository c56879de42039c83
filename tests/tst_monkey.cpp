// Thousands of random user actions at the real windows, with what must always
// hold checked after each one. The seed is printed; TMDEMO_SEED=<seed>
// replays a run exactly, TMDEMO_ACTIONS sets how many actions it plays.
#include "TestSupport.h"
#include "UnMT.h"
#include "kommands.h"

#include <QMdiArea>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QToolButton>

class tst_monkey : public QObject
{
    Q_OBJECT

    int m_stepsRun = 0;
    QStringList m_program;

    static QStringList ProgramTable()
    {
        QStringList cells;
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column)
                cells << FList->StringGrid1->cell(column, row);
        }
        return cells;
    }

    QString checkInvariants() const
    {
        if (StepCount != m_stepsRun)
            return QStringLiteral("StepCount %1, steps run %2").arg(StepCount).arg(m_stepsRun);
        if (View() != TapeCells(HeadPos - 13, HeadPos + 13))
            return QStringLiteral("tape view %1 is not the store around the head").arg(View());
        const int look = qMin(m_stepsRun, 2);
        const QString captions[] = {Caption("Q1"), Caption("Q2"), Caption("Q0 (Остановка)")};
        const QString tapes[] = {"_0111_", "_0111_", "_1111_"};
        const int heads[] = {2, 1, 1};
        if (FMT->Label1->caption() != captions[look])
            return QStringLiteral("caption %1").arg(FMT->Label1->caption());
        if (TapeCells(0, 5) != tapes[look] || HeadPos != heads[look])
            return QStringLiteral("tape %1, head %2").arg(TapeCells(0, 5)).arg(HeadPos);
        if (Form1->RadioButton1->isChecked() != (look == 1) || Form1->RadioButton2->isChecked() != (look == 2))
            return QStringLiteral("marks");
        const QColor silver(192, 192, 192), white(255, 255, 255);
        if (Color(Form1->Label3) != (look == 1 ? silver : white) || Color(Form1->Label4) != (look == 2 ? silver : white))
            return QStringLiteral("command label colours");
        if (ProgramTable() != m_program)
            return QStringLiteral("program table changed");
        if (FMain->size() != QSize(599, 363) || FMT->client()->size() != QSize(567, 141)
            || Form1->client()->size() != QSize(567, 64) || FList->size() != QSize(305, 111))
            return QStringLiteral("a window changed its size");
        if (!FMT->isVisible() || !Form1->isVisible() || FMain->Workspace->subWindowList().size() != 2)
            return QStringLiteral("a child window closed");
        return QString();
    }

private slots:
    void randomActions()
    {
        const quint32 seed = qEnvironmentVariableIsSet("TMDEMO_SEED") ? qEnvironmentVariableIntValue("TMDEMO_SEED")
                                                                      : QRandomGenerator::global()->generate();
        const int actions = qEnvironmentVariableIsSet("TMDEMO_ACTIONS") ? qEnvironmentVariableIntValue("TMDEMO_ACTIONS")
                                                                        : 3000;
        qInfo("seed %u (replay with TMDEMO_SEED=%u)", seed, seed);
        QRandomGenerator random(seed);

        QVERIFY(StartProgram());
        m_program = ProgramTable();
        // Real ticks may come whenever the event loop runs: count them.
        connect(FMain->Timer1, &QTimer::timeout, this, [this] { ++m_stepsRun; });

        const QList<QWidget *> windows = {FMain, FMT, Form1, FList};
        const QList<CellGrid *> grids = {FMT->StringGrid1, FList->StringGrid1};
        const QList<Qt::Key> keys = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_1, Qt::Key_Delete};
        for (int action = 0; action < actions; ++action) {
            const int kind = random.bounded(12);
            switch (kind) {
            case 0:
                QTest::mouseClick(FMain->SpeedButton7, Qt::LeftButton);
                break;
            case 1:
                QTest::mouseClick(FMain->SpeedButton6, Qt::LeftButton);
                break;
            case 2:
                ++m_stepsRun;
                QTest::mouseClick(FMain->SpeedButton5, Qt::LeftButton);
                break;
            case 3:
                QTest::mouseClick(FMain->SpeedButton1, Qt::LeftButton);
                break;
            case 4: // a tick, as the running timer gives it
                if (FMain->Timer1->isActive()) {
                    ++m_stepsRun;
                    FMain->Timer1Timer(FMain->Timer1);
                }
                break;
            case 5: { // drag a child window by its title bar
                QMdiSubWindow *child = random.bounded(2) ? static_cast<QMdiSubWindow *>(FMT) : Form1;
                const QPoint grip(child->width() / 2, 8);
                QTest::mousePress(child, Qt::LeftButton, {}, grip);
                QTest::mouseMove(child, grip + QPoint(random.bounded(-40, 41), random.bounded(-40, 41)));
                QTest::mouseRelease(child, Qt::LeftButton, {}, grip);
                break;
            }
            case 6: // try to close any window but the frame
                windows.at(1 + random.bounded(3))->close();
                break;
            case 7:
                FMain->Workspace->closeAllSubWindows();
                if (QMdiSubWindow *active = FMain->Workspace->activeSubWindow())
                    QTest::keyClick(active, Qt::Key_F4, Qt::ControlModifier);
                break;
            case 8: // try to resize any window
                windows.at(random.bounded(4))->resize(random.bounded(50, 900), random.bounded(50, 700));
                break;
            case 9: { // click a grid cell
                CellGrid *grid = grids.at(random.bounded(2));
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                  QPoint(random.bounded(grid->width()), random.bounded(grid->height())));
                break;
            }
            case 10:
                QTest::keyClick(grids.at(random.bounded(2)), keys.at(random.bounded(keys.size())));
                break;
            case 11:
                QApplication::processEvents();
                break;
            }
            const QString broken = checkInvariants();
            if (!broken.isEmpty())
                QFAIL(qPrintable(QStringLiteral("action %1 (kind %2), seed %3: %4").arg(action).arg(kind).arg(seed).arg(broken)));
        }
        qInfo("%d actions, %d steps run", actions, m_stepsRun);
        DestroyForms();
    }
};

TMDEMO_TEST_MAIN(tst_monkey)
#include "tst_monkey.moc"
