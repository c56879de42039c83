#include "UnPanel.h"

#include "UnMain.h"

TFMT::TFMT(QMdiArea *workspace)
    : ChildForm(workspace, QStringLiteral("Лента"), 567, 141)
{
    SetColor(client(), Qt::white);

    Label1 = new CaptionLabel(client());
    Label1->move(8, 8);
    Label1->setCaption(QString(72, QLatin1Char('-')));

    Image4 = new QLabel(client());
    Image4->setGeometry(256, 8, 49, 83);
    Image4->setPixmap(PicturePixmap(QStringLiteral("arrow"), QColor(), Image4->devicePixelRatioF()));

    // Created after the arrow, so that it lies above the arrow's white margin.
    StringGrid1 = new CellGrid(27, 1, 20, 20, client());
    StringGrid1->setGeometry(0, 88, 569, 20);
    StringGrid1->setCellColor(palette().color(QPalette::Midlight)); // the 3-D light colour

    StringGrid1->setAccessibleName(QStringLiteral("Лента"));
    StringGrid1->setAccessibleDescription(
        QStringLiteral("27 ячеек ленты вокруг головки; головка над ячейкой 14, под стрелкой"));
    StringGrid1->item(0, 13)->setData(Qt::AccessibleDescriptionRole, QStringLiteral("Ячейка под головкой"));
    Image4->setAccessibleName(QStringLiteral("Стрелка: головка машины"));
    Image4->setAccessibleDescription(QStringLiteral("Указывает на ячейку ленты под головкой"));

    connect(this, &ChildForm::resized, this, Handler([this] { FormResize(); }));
    FormCreate();
}

void TFMT::FormCreate()
{
    move(10, 10);
    Label1->setCaption(StateCaption(QStringLiteral("Q1")));
}

void TFMT::FormResize()
{
    holdSize();
}
