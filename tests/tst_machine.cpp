// The machine: its start, the lookup in the program table, the command
// language and the example's run, read from the store and from the windows'
// controls that the machine writes.
#include "TestSupport.h"
#include "UnMT.h"
#include "kommands.h"

#include <QRadioButton>

class tst_machine : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        CreateForms();
        ShowTape(); // what the first repaint of the workspace does
    }
    void cleanup()
    {
        DestroyForms();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void startsInTheInitialConfiguration()
    {
        QCOMPARE(TapeCells(-2, 7), QStringLiteral("___0111___"));
        QCOMPARE(HeadPos, 2);
        QCOMPARE(ReadCell(HeadPos), QStringLiteral("1"));
        QCOMPARE(CurState, QStringLiteral("Q1"));
        QCOMPARE(StepCount, 0);
        QCOMPARE(View(), QStringLiteral("____________0111___________"));
        QCOMPARE(FMT->Label1->caption(), QString(QStringLiteral("Текущее состояние:") + QChar(13) + "Q1"));
    }

    void programTableAsFilled()
    {
        const QStringList expected = {
            "!", "Q1", "Q2", "", //
            "1", "1LQ2", "", "", //
            "0", "", "1STOP", "", //
            "", "", "", "",
        };
        const CellGrid *table = FList->StringGrid1;
        QCOMPARE(table->columnCount(), 4);
        QCOMPARE(table->rowCount(), 4);
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column)
                QCOMPARE(table->cell(column, row), expected.at(row * 4 + column));
        }
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("command");
        QTest::newRow("Q1 reads 1") << "Q1" << "1" << 1 << "1LQ2";
        QTest::newRow("Q1 reads 0") << "Q1" << "0" << 1 << "";
        QTest::newRow("Q2 reads 0") << "Q2" << "0" << 2 << "1STOP";
        QTest::newRow("Q2 reads 1") << "Q2" << "1" << 2 << "";
        QTest::newRow("Q1 reads blank") << "Q1" << "" << 1 << "";
        QTest::newRow("Q2 reads blank") << "Q2" << "" << 2 << "";
        QTest::newRow("Q0 reads 1: the symbol itself") << "Q0" << "1" << 0 << "1";
        QTest::newRow("Q0 reads 0: the symbol itself") << "Q0" << "0" << 0 << "0";
        QTest::newRow("q1 is not Q1") << "q1" << "1" << 0 << "1";
        QTest::newRow("unknown symbol") << "Q1" << "x" << 1 << "";
    }
    void lookup()
    {
        QFETCH(QString, state);
        QFETCH(QString, symbol);
        CurState = state;
        QTEST(FindStateColumn(state), "column");
        QTEST(FindCommand(symbol), "command");
    }

    void lastMatchWins()
    {
        CellGrid *table = FList->StringGrid1;
        table->setCell(3, 0, QStringLiteral("Q1")); // a second column for Q1
        table->setCell(3, 1, QStringLiteral("second column"));
        table->setCell(0, 3, QStringLiteral("1")); // a second row for 1
        table->setCell(3, 3, QStringLiteral("second row"));
        CurState = QStringLiteral("Q1");
        QCOMPARE(FindStateColumn(QStringLiteral("Q1")), 3);
        QCOMPARE(FindCommand(QStringLiteral("1")), QStringLiteral("second row"));
    }

    // One step in state Q1 on the 1 under the head (cell 2 of _0111_),
    // carrying out `command`.
    void commandLanguage_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("headPos");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("tape"); // cells 0 to 5
        QTest::addColumn<QString>("caption");
        const QString q1 = Caption("Q1");
        const QString halt = Caption("Q0 (Остановка)");
        QTest::newRow("empty: no command") << "" << 2 << "Q1" << "_0111_" << q1;
        QTest::newRow("L") << "L" << 1 << "Q1" << "_0111_" << q1;
        QTest::newRow("R") << "R" << 3 << "Q1" << "_0111_" << q1;
        QTest::newRow("write") << "x" << 2 << "Q1" << "_0x11_" << q1;
        QTest::newRow("writes overwrite") << "ab" << 2 << "Q1" << "_0b11_" << q1;
        QTest::newRow("Q takes the rest") << "QL1R" << 2 << "QL1R" << "_0111_" << Caption("QL1R");
        QTest::newRow("1LQ2") << "1LQ2" << 1 << "Q2" << "_0111_" << Caption("Q2");
        QTest::newRow("write, right, write") << "0R0" << 3 << "Q1" << "_0001_" << q1;
        QTest::newRow("STOP") << "STOP" << 2 << "Q1" << "_0111_" << halt;
        QTest::newRow("1STOP") << "1STOP" << 2 << "Q1" << "_0111_" << halt;
        QTest::newRow("0STOP: write 0, halt") << "0STOP" << 2 << "Q1" << "_0011_" << halt;
        QTest::newRow("LL1STOP: moves, then 1 and halt") << "LL1STOP" << 0 << "Q1" << "10111_" << halt;
        QTest::newRow("STOPX: five writes") << "STOPX" << 2 << "Q1" << "_0X11_" << q1;
        QTest::newRow("stop is not STOP") << "stop" << 2 << "Q1" << "_0p11_" << q1;
        QTest::newRow("1STOPQ3: writes, then state") << "1STOPQ3" << 2 << "Q3" << "_0P11_" << Caption("Q3");
    }
    void commandLanguage()
    {
        QFETCH(QString, command);
        QFETCH(int, headPos);
        FList->StringGrid1->setCell(1, 1, command);
        FMain->StepMTExecute(nullptr);
        QCOMPARE(HeadPos, headPos);
        QTEST(CurState, "state");
        QTEST(TapeCells(0, 5), "tape");
        QTEST(FMT->Label1->caption(), "caption");
        QCOMPARE(StepCount, 1);
        // The view follows the store around the head, whatever the command did.
        QCOMPARE(View(), TapeCells(HeadPos - 13, HeadPos + 13));
    }

    // The write and the move each redraw the view: with no state change to
    // follow, a command ending in a move still shows the written cell.
    void writeAndMoveRedrawTheView()
    {
        FList->StringGrid1->setCell(1, 1, QStringLiteral("xL"));
        FMain->StepMTExecute(nullptr);
        QCOMPARE(View(), QStringLiteral("_____________0x11__________"));
        MoveRight();
        QCOMPARE(HeadPos, 2);
        QCOMPARE(View(), QStringLiteral("____________0x11___________"));
        MoveLeft();
        QCOMPARE(View(), QStringLiteral("_____________0x11__________"));
    }

    void exampleRun_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("headPos");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("tape"); // cells 0 to 5
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("mark1");
        QTest::addColumn<bool>("mark2");
        const QString halt = Caption("Q0 (Остановка)");
        QTest::newRow("start") << 0 << 2 << "Q1" << "_0111_" << "____________0111___________" << Caption("Q1")
                               << false << false;
        QTest::newRow("step 1") << 1 << 1 << "Q2" << "_0111_" << "_____________0111__________" << Caption("Q2")
                                << true << false;
        QTest::newRow("step 2: halt") << 2 << 1 << "Q2" << "_1111_" << "_____________1111__________" << halt
                                      << false << true;
        QTest::newRow("step 3") << 3 << 1 << "Q2" << "_1111_" << "_____________1111__________" << halt << false
                                << true;
        QTest::newRow("step 10") << 10 << 1 << "Q2" << "_1111_" << "_____________1111__________" << halt << false
                                 << true;
    }
    void exampleRun()
    {
        QFETCH(int, steps);
        for (int i = 0; i < steps; ++i)
            FMain->StepMTExecute(nullptr);
        QCOMPARE(StepCount, steps);
        QTEST(HeadPos, "headPos");
        QTEST(CurState, "state");
        QTEST(TapeCells(0, 5), "tape");
        QTEST(View(), "view");
        QTEST(FMT->Label1->caption(), "caption");
        QTEST(Form1->RadioButton1->isChecked(), "mark1");
        QTEST(Form1->RadioButton2->isChecked(), "mark2");
        const QColor white(255, 255, 255), silver(192, 192, 192);
        QCOMPARE(Color(Form1->Label3), Form1->RadioButton1->isChecked() ? silver : white);
        QCOMPARE(Color(Form1->Label4), Form1->RadioButton2->isChecked() ? silver : white);
    }

    // The marks follow the count of steps, even when no command is found.
    void marksFollowTheStepCount()
    {
        HeadPos = 50; // a blank cell: every step finds no command
        FMain->StepMTExecute(nullptr);
        QVERIFY(Form1->RadioButton1->isChecked());
        QCOMPARE(Color(Form1->Label3), QColor(192, 192, 192));
        FMain->StepMTExecute(nullptr);
        QVERIFY(!Form1->RadioButton1->isChecked());
        QVERIFY(Form1->RadioButton2->isChecked());
        QCOMPARE(Color(Form1->Label3), QColor(255, 255, 255));
        QCOMPARE(Color(Form1->Label4), QColor(192, 192, 192));
        QCOMPARE(HeadPos, 50);
        QCOMPARE(CurState, QStringLiteral("Q1"));
        QCOMPARE(FMT->Label1->caption(), Caption("Q1"));
    }

    // No program can take the head off the tape: the store grows and the
    // view shows blank cells beyond what was ever written.
    void headFarPastTheEnds_data()
    {
        QTest::addColumn<QString>("walk");
        QTest::addColumn<int>("headPos");
        QTest::newRow("right past 1000") << "R" << 2 + 1500;
        QTest::newRow("left past -1000") << "L" << 2 - 1500;
    }
    void headFarPastTheEnds()
    {
        QFETCH(QString, walk);
        QFETCH(int, headPos);
        FList->StringGrid1->setCell(1, 1, walk.repeated(1500) + QStringLiteral("xQ5"));
        FList->StringGrid1->setCell(0, 1, QStringLiteral("1"));
        FMain->StepMTExecute(nullptr);
        QCOMPARE(HeadPos, headPos);
        QCOMPARE(ReadCell(HeadPos), QStringLiteral("x"));
        QCOMPARE(View(), QStringLiteral("_____________x_____________"));
        QVERIFY(Tape.first() <= HeadPos && HeadPos <= Tape.last()); // the store reaches the head
        QCOMPARE(ReadCell(2), QStringLiteral("1"));
        // Far beyond the store reads blank and does not grow it.
        const qint64 first = Tape.first(), last = Tape.last();
        QCOMPARE(ReadCell(1'000'000), QString());
        QCOMPARE(ReadCell(-1'000'000), QString());
        QCOMPARE(Tape.first(), first);
        QCOMPARE(Tape.last(), last);
        // And a further step there finds no command but runs as usual.
        FMain->StepMTExecute(nullptr);
        QCOMPARE(StepCount, 2);
    }
};

TMDEMO_TEST_MAIN(tst_machine)
#include "tst_machine.moc"
