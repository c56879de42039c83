#include "UnMT.h"

TFList::TFList(QWidget *owner)
    : QWidget(owner, Qt::Window)
{
    setWindowTitle(QStringLiteral("Программа МТ (в виде таблицы)"));
    setAttribute(Qt::WA_QuitOnClose, false); // closing the main window ends the program even while this is open
    setFixedSize(305, 111);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    StringGrid1 = new CellGrid(4, 4, 64, 24, this);
    StringGrid1->setGeometry(0, 0, 305, 111);
    StringGrid1->setFixedCells(1, 1);
    StringGrid1->setCellColor(palette().color(QPalette::Base)); // the window colour
    StringGrid1->setAccessibleName(QStringLiteral("Программа МТ"));
    StringGrid1->setAccessibleDescription(
        QStringLiteral("Состояния по столбцам, символы по строкам, в ячейках команды"));

    FormCreate();
}

void TFList::FormCreate()
{
    move(400, 300);
    // Column by column; column 3 and row 3 stay empty.
    const char *const program[3][3] = {
        {"!", "1", "0"},
        {"Q1", "1LQ2", ""},
        {"Q2", "", "1STOP"},
    };
    for (int column = 0; column < 3; ++column) {
        for (int row = 0; row < 3; ++row)
            StringGrid1->setCell(column, row, QString::fromLatin1(program[column][row]));
    }
}
