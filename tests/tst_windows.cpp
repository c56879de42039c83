// The three windows as drawn: the state caption, the tape cells under the
// arrow, the command marks and the program table, read from grab()s with the
// style, the font and a device pixel ratio of 1 pinned.
#include "TestSupport.h"
#include "UnMT.h"
#include "kommands.h"

#include <QMdiArea>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>

namespace {

// A 20 x 20 tape cell as it must look: 3-D light, the text 2 pixels in.
QImage ExpectedTapeCell(const QString &text)
{
    QImage cell(20, 20, QImage::Format_RGB32);
    cell.fill(FMT->StringGrid1->palette().color(QPalette::Midlight));
    QPainter painter(&cell);
    painter.setFont(FMT->StringGrid1->font());
    painter.setPen(FMT->StringGrid1->palette().color(QPalette::Text));
    painter.drawText(QRect(2, 2, 18, 18), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return cell;
}

QImage Grab(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int DarkRows(const QImage &image, int from, int to)
{
    int rows = 0;
    for (int y = from; y < to; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

} // namespace

class tst_windows : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(StartProgram());
        QCOMPARE(FMain->devicePixelRatio(), 1.0);
    }
    void cleanup()
    {
        DestroyForms();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void tapeWindowLayout()
    {
        QCOMPARE(FMT->windowTitle(), QStringLiteral("Лента"));
        QCOMPARE(FMT->client()->size(), QSize(567, 141));
        QCOMPARE(FMT->pos(), QPoint(10, 10));
        QCOMPARE(FMT->Label1->pos(), QPoint(8, 8));
        QCOMPARE(FMT->Image4->geometry(), QRect(256, 8, 49, 83));
        QCOMPARE(FMT->StringGrid1->geometry(), QRect(0, 88, 569, 20));
        QCOMPARE(FMT->StringGrid1->columnCount(), 27);
        QCOMPARE(FMT->StringGrid1->rowCount(), 1);
        // A resize, by the user or the program, is undone.
        FMT->resize(300, 300);
        QCOMPARE(FMT->client()->size(), QSize(567, 141));
        QCOMPARE(Grab(FMT->client()).pixelColor(560, 4), QColor(Qt::white));
        // Past the 27th cell the grid shows its 3-D light colour.
        QCOMPARE(Grab(FMT->StringGrid1).pixel(568, 10), FMT->StringGrid1->palette().color(QPalette::Midlight).rgb());
    }

    // The arrow's tip stands just above column 13, the head cell.
    void arrowOverTheHeadCell()
    {
        const QImage client = Grab(FMT->client());
        int tipY = -1, tipLeft = 0, tipRight = 0;
        for (int y = 0; y < 88; ++y) {
            for (int x = 256; x < 305; ++x) {
                if (qGray(client.pixel(x, y)) < 64) {
                    if (tipY != y)
                        tipLeft = x;
                    tipY = y;
                    tipRight = x;
                }
            }
        }
        QVERIFY2(tipY >= 80 && tipY < 88, qPrintable(QString::number(tipY)));
        const int column13 = 13 * 21;
        QVERIFY(tipLeft >= column13 && tipRight < column13 + 20);
        // The arrow is grey inside its outline.
        QCOMPARE(client.pixelColor(256 + 24, 8 + 20), QColor(128, 128, 128));
    }

    void tapeCells_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("view");
        QTest::newRow("start-up") << 0 << "____________0111___________";
        QTest::newRow("step 1") << 1 << "_____________0111__________";
        QTest::newRow("step 2: halt") << 2 << "_____________1111__________";
    }
    void tapeCells()
    {
        QFETCH(int, steps);
        QFETCH(QString, view);
        for (int i = 0; i < steps; ++i)
            FMain->StepMTExecute(nullptr);
        FMT->StringGrid1->clearSelection(); // the current cell is drawn as selected: compare plain cells
        const QImage grid = Grab(FMT->StringGrid1);
        for (int column = 0; column < 27; ++column) {
            const QString text = view.at(column) == QLatin1Char('_') ? QString() : QString(view.at(column));
            const QImage cell = grid.copy(column * 21, 0, 20, 20);
            QVERIFY2(cell == ExpectedTapeCell(text), qPrintable(QStringLiteral("column %1").arg(column)));
            QCOMPARE(grid.pixelColor(column * 21 + 20, 5), QColor(192, 192, 192)); // the silver line
        }
    }

    void currentTapeCellDrawnAsSelected()
    {
        const QImage grid = Grab(FMT->StringGrid1);
        QCOMPARE(FMT->StringGrid1->currentColumn(), 0);
        QVERIFY(grid.pixelColor(10, 10) != FMT->StringGrid1->palette().color(QPalette::Midlight));
        QTest::keyClick(FMT->StringGrid1, Qt::Key_Right);
        QCOMPARE(FMT->StringGrid1->currentColumn(), 1);
        QTest::keyClick(FMT->StringGrid1, Qt::Key_1); // cannot type into the tape
        QCOMPARE(FMT->StringGrid1->cell(1, 0), QString());
        QCOMPARE(View(), QStringLiteral("____________0111___________"));
    }

    void caption_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("secondLine");
        QTest::newRow("Q1") << 0 << "Q1";
        QTest::newRow("Q2") << 1 << "Q2";
        QTest::newRow("halt") << 2 << "Q0 (Остановка)";
    }
    void caption()
    {
        QFETCH(int, steps);
        QFETCH(QString, secondLine);
        for (int i = 0; i < steps; ++i)
            FMain->StepMTExecute(nullptr);
        QCOMPARE(FMT->Label1->caption(), QStringLiteral("Текущее состояние:") + QChar(13) + secondLine);
        // Drawn as two lines, exactly like a label given a line break.
        QLabel reference(QStringLiteral("Текущее состояние:\n") + secondLine, FMT->client());
        reference.adjustSize();
        QCOMPARE(FMT->Label1->size(), reference.size());
        const QImage shown = Grab(FMT->Label1);
        QCOMPARE(shown, Grab(&reference));
        const int lineHeight = FMT->Label1->fontMetrics().lineSpacing();
        QVERIFY(FMT->Label1->height() >= 2 * lineHeight && FMT->Label1->height() < 3 * lineHeight);
        QVERIFY(DarkRows(shown, 0, lineHeight) > 0);
        QVERIFY(DarkRows(shown, lineHeight, 2 * lineHeight) > 0);
        QCOMPARE(shown.pixelColor(shown.width() - 1, 0), QColor(Qt::white));
    }

    void commandWindowLayout()
    {
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Программа МТ (в виде набора команд)"));
        QCOMPARE(Form1->client()->size(), QSize(567, 64));
        QCOMPARE(Form1->pos(), QPoint(10, 200));
        QCOMPARE(FMain->Workspace->activeSubWindow(), Form1);
        QCOMPARE(Form1->RadioButton1->geometry(), QRect(8, 16, 17, 17));
        QCOMPARE(Form1->RadioButton2->geometry(), QRect(8, 40, 17, 17));
        QCOMPARE(Form1->Label3->pos(), QPoint(24, 16));
        QCOMPARE(Form1->Label4->pos(), QPoint(24, 40));
        QCOMPARE(Form1->Label1->pos(), QPoint(104, 16));
        QCOMPARE(Form1->Label2->pos(), QPoint(104, 40));
        QCOMPARE(Form1->Label3->text(), QStringLiteral("q1 1 -> 1 L q2"));
        QCOMPARE(Form1->Label4->text(), QStringLiteral("q2 0 -> 1 H q0"));
        QCOMPARE(Form1->Label1->text(), QStringLiteral("Перемещаемся на одну позицию левее группы единиц"));
        QCOMPARE(Form1->Label2->text(), QStringLiteral("Дописываем слева одну единицу и остановка"));
        QVERIFY(!Form1->RadioButton1->isEnabled());
        QVERIFY(!Form1->RadioButton2->isEnabled());
        // The command label's box ends before its description starts.
        QVERIFY(Form1->Label3->geometry().right() < 104);
    }

    void marks_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("second");
        QTest::newRow("before any step") << 0 << false << false;
        QTest::newRow("after step 1") << 1 << true << false;
        QTest::newRow("after step 2") << 2 << false << true;
        QTest::newRow("after step 3") << 3 << false << true;
    }
    void marks()
    {
        QFETCH(int, steps);
        QFETCH(bool, first);
        QFETCH(bool, second);
        // References: a disabled radio button, checked and not.
        QRadioButton unchecked(Form1->client()), checked(Form1->client());
        for (QRadioButton *reference : {&unchecked, &checked}) {
            reference->setGeometry(8, 100, 17, 17);
            reference->setEnabled(false);
            reference->setAutoExclusive(false);
        }
        checked.setChecked(true);
        const QImage markOff = Grab(&unchecked), markOn = Grab(&checked);
        QVERIFY(markOff != markOn);

        for (int i = 0; i < steps; ++i)
            FMain->StepMTExecute(nullptr);
        const QImage client = Grab(Form1->client());
        // The command label covers the mark's last column: compare the rest.
        const QRect mark(0, 0, 16, 17);
        QCOMPARE(client.copy(mark.translated(Form1->RadioButton1->pos())), first ? markOn.copy(mark) : markOff.copy(mark));
        QCOMPARE(client.copy(mark.translated(Form1->RadioButton2->pos())), second ? markOn.copy(mark) : markOff.copy(mark));
        // The command label paints its whole box: sample its corners.
        const QColor silver(192, 192, 192), white(255, 255, 255);
        for (const auto &[label, marked] : {std::pair{Form1->Label3, first}, std::pair{Form1->Label4, second}}) {
            const QRect box = label->geometry();
            for (const QPoint corner : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()})
                QCOMPARE(client.pixelColor(corner), marked ? silver : white);
        }
    }

    void tableWindow()
    {
        QVERIFY(FList->isHidden());
        QCOMPARE(FList->windowTitle(), QStringLiteral("Программа МТ (в виде таблицы)"));
        QCOMPARE(FList->size(), QSize(305, 111));
        QCOMPARE(FList->pos(), QPoint(400, 300));
        CellGrid *table = FList->StringGrid1;
        QCOMPARE(table->geometry(), QRect(0, 0, 305, 111));
        QCOMPARE(table->currentColumn(), 1);
        QCOMPARE(table->currentRow(), 1);

        QTest::mouseClick(FMain->SpeedButton1, Qt::LeftButton);
        QVERIFY(FList->isVisible());
        const QImage first = Grab(FList);
        // Header cells in the button face with black lines, the others in
        // the window colour with silver lines; the current cell (1, 1) selected.
        const QColor face = table->palette().color(QPalette::Button);
        QCOMPARE(first.pixelColor(60, 3), face);     // (0, 0)
        QCOMPARE(first.pixelColor(64, 3), QColor(Qt::black));
        QCOMPARE(first.pixelColor(60, 28), face);    // (0, 1)
        QCOMPARE(first.pixelColor(130 + 60, 53), table->palette().color(QPalette::Base)); // (2, 2)
        QCOMPARE(first.pixelColor(130 + 64, 53), QColor(192, 192, 192));
        QCOMPARE(first.pixelColor(65 + 60, 28), table->palette().color(QPalette::Inactive, QPalette::Highlight));
        // Arrow keys move the current cell, never into the headers; typing edits nothing.
        QTest::keyClick(table, Qt::Key_Left);
        QCOMPARE(table->currentColumn(), 1);
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(table->currentRow(), 2);
        QTest::keyClick(table, Qt::Key_X);
        QCOMPARE(table->cell(1, 2), QString());

        QVERIFY(FList->close());
        QVERIFY(FList->isHidden());
        FMain->StepMTExecute(nullptr); // steps with the window closed
        QCOMPARE(CurState, QStringLiteral("Q2"));
        QTest::mouseClick(FMain->SpeedButton1, Qt::LeftButton);
        QVERIFY(FList->isVisible());
        QCOMPARE(FList->pos(), QPoint(400, 300));
        FMain->StepMTExecute(nullptr); // and with it open
        QCOMPARE(View(), QStringLiteral("_____________1111__________"));
        table->setCurrentCell(1, 1);
        QCOMPARE(Grab(FList), first);
    }
};

TMDEMO_TEST_MAIN(tst_windows)
#include "tst_windows.moc"
