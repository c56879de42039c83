// The main window: start-up, the run controls and their timer, the child
// windows that cannot be closed, and the error box for a failing handler.
#include "TestSupport.h"
#include "UnMT.h"
#include "kommands.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>

#include <stdexcept>

namespace {

struct Look {
    int steps;
    qint32 headPos;
    QString state, view, caption;
    bool mark1, mark2;
    bool operator==(const Look &) const = default;
};

Look Seen()
{
    return {StepCount,
            HeadPos,
            CurState,
            View(),
            FMT->Label1->caption(),
            Form1->RadioButton1->isChecked(),
            Form1->RadioButton2->isChecked()};
}

// Runs `check` on the next modal message box, then closes it.
void OnMessageBox(std::function<void(QMessageBox *)> check)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, check] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            check(box);
            box->close();
        }
    });
    poll->start(10);
}

} // namespace

class tst_mainwindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(StartProgram()); }
    void cleanup()
    {
        DestroyForms();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void startUp()
    {
        DestroyForms();
        CreateForms();
        // Before the first repaint of the workspace the tape view is empty,
        // though the caption already shows Q1.
        QCOMPARE(View(), QString(27, QLatin1Char('_')));
        QCOMPARE(FMT->Label1->caption(), Caption("Q1"));
        QVERIFY(FList->isHidden());
        QCOMPARE(FMain->Workspace->subWindowList(QMdiArea::StackingOrder).last(), Form1);
        QCOMPARE(FMain->Workspace->activeSubWindow(), Form1);
        FMain->show();
        QTRY_COMPARE(View(), QStringLiteral("____________0111___________"));
        QCOMPARE(FMT->Label1->caption(), Caption("Q1"));
        QVERIFY(!Form1->RadioButton1->isChecked());
        QVERIFY(!Form1->RadioButton2->isChecked());
        QVERIFY(!FMain->Timer1->isActive());
        QCOMPARE(FMain->windowTitle(), QStringLiteral("Раздел 2.3. Пример 2. Начальная конфигурация = '0111'."));
    }

    void buttonsAndCaptions()
    {
        const QList<QToolButton *> buttons = {FMain->SpeedButton7, FMain->SpeedButton6, FMain->SpeedButton5,
                                              FMain->SpeedButton1};
        const QStringList captions = {"Старт", "Стоп", "Пошагово", "Программа МТ (в виде таблицы)"};
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons[i]->text(), captions[i]);
            QVERIFY(!buttons[i]->icon().isNull());
            // The caption fits beside the picture, with a margin either side.
            const int needed = 3 + 16 + 4 + buttons[i]->fontMetrics().horizontalAdvance(captions[i]) + 3;
            QVERIFY2(needed <= buttons[i]->width(), qPrintable(QStringLiteral("%1: %2 > %3").arg(captions[i]).arg(needed).arg(buttons[i]->width())));
        }
        for (QAction *action : {FMain->StartMT, FMain->PauseMT, FMain->StepMT}) {
            QVERIFY(action->isEnabled());
            QVERIFY(action->text().isEmpty());
            QVERIFY(action->shortcut().isEmpty());
        }
    }

    void startRunsTwoStepsIn1200ms()
    {
        QElapsedTimer clock;
        QList<qint64> ticks;
        connect(FMain->Timer1, &QTimer::timeout, this, [&] { ticks << clock.elapsed(); });
        clock.start();
        QTest::mouseClick(FMain->SpeedButton7, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(StepCount, 2, 5000);
        FMain->PauseMTExecute(nullptr);
        QCOMPARE(ticks.size(), 2);
        QVERIFY2(ticks[0] >= 599 && ticks[1] >= 1199, qPrintable(QStringLiteral("%1 %2").arg(ticks[0]).arg(ticks[1])));
        const Look timed = Seen();

        DestroyForms();
        CreateForms();
        FMain->show();
        QTest::mouseClick(FMain->SpeedButton5, Qt::LeftButton);
        QTest::mouseClick(FMain->SpeedButton5, Qt::LeftButton);
        QTRY_COMPARE(Seen(), timed);
        QCOMPARE(FMT->Label1->caption(), Caption("Q0 (Остановка)"));
    }

    void startAgainKeepsThePeriod()
    {
        QTest::mouseClick(FMain->SpeedButton7, Qt::LeftButton);
        QTest::qWait(250);
        const int remaining = FMain->Timer1->remainingTime();
        QTest::mouseClick(FMain->SpeedButton7, Qt::LeftButton);
        QVERIFY(FMain->Timer1->isActive());
        QVERIFY2(FMain->Timer1->remainingTime() <= remaining, "a second Старт restarted the period");
        QCOMPARE(FMain->Timer1->interval(), 600);
        QCOMPARE(FMain->Timer1->timerType(), Qt::PreciseTimer);
    }

    void stopStops()
    {
        QTest::mouseClick(FMain->SpeedButton7, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(StepCount, 1, 5000);
        QTest::mouseClick(FMain->SpeedButton6, Qt::LeftButton);
        QVERIFY(!FMain->Timer1->isActive());
        QTest::qWait(800);
        QCOMPARE(StepCount, 1);
        // Stop when stopped changes nothing; Step still works.
        QTest::mouseClick(FMain->SpeedButton6, Qt::LeftButton);
        QTest::mouseClick(FMain->SpeedButton5, Qt::LeftButton);
        QCOMPARE(StepCount, 2);
        QVERIFY(!FMain->Timer1->isActive());
    }

    void stepWhileRunning()
    {
        QTest::mouseClick(FMain->SpeedButton7, Qt::LeftButton);
        QTest::mouseClick(FMain->SpeedButton5, Qt::LeftButton);
        QCOMPARE(StepCount, 1);
        QCOMPARE(CurState, QStringLiteral("Q2"));
        QVERIFY(FMain->Timer1->isActive());
        // The timer goes on past the halt: steps only count from then on.
        QTRY_COMPARE_WITH_TIMEOUT(StepCount, 3, 5000);
        QVERIFY(FMain->Timer1->isActive());
        QCOMPARE(View(), QStringLiteral("_____________1111__________"));
    }

    void idleWhenStopped()
    {
        int paints = 0;
        connect(new PaintWatcher(FMain->Workspace->viewport()), &PaintWatcher::painted, this, [&] { ++paints; });
        QTest::qWait(200);
        paints = 0;
        QTest::qWait(1000);
        QCOMPARE(paints, 0);
    }

    void workspaceRepaintRedrawsTheTape()
    {
        FMT->StringGrid1->setCell(0, 0, QStringLiteral("?"));
        FMT->move(40, 30); // dragging the tape window repaints the workspace
        QTRY_COMPARE(View(), QStringLiteral("____________0111___________"));
    }

    void childWindowsCannotBeClosed()
    {
        QVERIFY(!FMT->close());
        QVERIFY(!Form1->close());
        FMain->Workspace->closeAllSubWindows();
        FMain->Workspace->setActiveSubWindow(Form1);
        QTest::keyClick(Form1, Qt::Key_F4, Qt::ControlModifier);
        QTest::keyClick(FMT, Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(FMain->Workspace->subWindowList().size(), 2);
        QVERIFY(FMT->isVisible());
        QVERIFY(Form1->isVisible());
        QVERIFY(FMT->systemMenu() == nullptr);
        QVERIFY(Form1->systemMenu() == nullptr);
        QVERIFY(!(FMT->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
    }

    void tableWindowShownAndHidden()
    {
        QVERIFY(FList->isHidden());
        QTest::mouseClick(FMain->SpeedButton1, Qt::LeftButton);
        QVERIFY(FList->isVisible());
        QVERIFY(FList->isWindow());
        QVERIFY(FList->close());
        QVERIFY(FList->isHidden());
        QTest::mouseClick(FMain->SpeedButton1, Qt::LeftButton);
        QVERIFY(FList->isVisible());
    }

    void errorBox_data()
    {
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("shown");
        QTest::newRow("full stop appended") << "Что-то не так" << "Что-то не так.";
        QTest::newRow("ends in a full stop") << "Ошибка." << "Ошибка.";
        QTest::newRow("ends in !") << "Ошибка!" << "Ошибка!";
        QTest::newRow("ends in a space") << "x " << "x ";
        QTest::newRow("ends in /") << "a/" << "a/.";
        QTest::newRow("empty") << "" << "";
    }
    void errorBox()
    {
        QFETCH(QString, error);
        QFETCH(QString, shown);
        QCOMPARE(Application::errorText(error), shown);

        // A handler that fails on the first step: the box shows, the program goes on.
        connect(FMain->StepMT, &QAction::triggered, this, Handler([error] {
            if (StepCount == 1)
                throw std::runtime_error(error.toStdString());
        }));
        bool seen = false;
        OnMessageBox([&](QMessageBox *box) {
            seen = true;
            QCOMPARE(box->text(), shown);
            QCOMPARE(box->windowTitle(), static_cast<Application *>(qApp)->title());
            QCOMPARE(box->icon(), QMessageBox::Critical);
        });
        QTest::mouseClick(FMain->SpeedButton5, Qt::LeftButton);
        QTRY_VERIFY(seen);
        QCOMPARE(StepCount, 1);
        QTest::mouseClick(FMain->SpeedButton5, Qt::LeftButton);
        QCOMPARE(StepCount, 2);
        QCOMPARE(FMT->Label1->caption(), Caption("Q0 (Остановка)"));
    }

    void timerKeepsTickingAfterAnError()
    {
        bool thrown = false;
        connect(FMain->Timer1, &QTimer::timeout, this, Handler([&] {
            if (!thrown) {
                thrown = true;
                throw std::runtime_error("сбой");
            }
        }));
        int stepsWhileShown = 0;
        OnMessageBox([&](QMessageBox *box) {
            QCOMPARE(box->text(), QStringLiteral("сбой."));
            // The box is modal, yet the timer still steps the machine.
            QTRY_VERIFY_WITH_TIMEOUT(StepCount >= 2, 5000);
            stepsWhileShown = StepCount;
        });
        FMain->StartMTExecute(nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(thrown, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(stepsWhileShown >= 2, 5000);
        QVERIFY(FMain->Timer1->isActive());
    }

    void title_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("title");
        QTest::newRow("plain") << "tmdemo" << "tmdemo";
        QTest::newRow("path") << "/usr/bin/tmdemo" << "tmdemo";
        QTest::newRow("extension, mixed case") << "TMDemo.bin" << "Tmdemo";
        QTest::newRow("first full stop") << "./Tm.Demo.x" << "Tm";
        QTest::newRow("Cyrillic") << "МашинаТьюринга" << "Машинатьюринга";
        QTest::newRow("lower first letter kept") << "tMDEMO" << "tmdemo";
        QTest::newRow("nothing before the full stop") << ".tmdemo" << "";
    }
    void title()
    {
        QFETCH(QString, fileName);
        QTEST(Application::titleFromFileName(fileName), "title");
    }

    // Last, since it runs and ends the application's event loop.
    void closingTheFrameEndsTheProgram()
    {
        QTest::mouseClick(FMain->SpeedButton1, Qt::LeftButton); // the table window is open
        QTimer::singleShot(0, FMain, [] { FMain->close(); });
        bool timedOut = false;
        QTimer::singleShot(5000, qApp, [&] {
            timedOut = true;
            QApplication::exit(1);
        });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!timedOut);
    }
};

TMDEMO_TEST_MAIN(tst_mainwindow)
#include "tst_mainwindow.moc"
