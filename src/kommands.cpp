#include "kommands.h"

#include <QRadioButton>

TForm1::TForm1(QMdiArea *workspace)
    : ChildForm(workspace, QStringLiteral("Программа МТ (в виде набора команд)"), 567, 64)
{
    SetColor(client(), Qt::white);
    // The window holds the focus itself when active, as it has no control
    // that takes it; else the frame's focus would stay in the tape window
    // and make that the active one again.
    client()->setFocusPolicy(Qt::StrongFocus);

    const auto addRow = [this](int top, QRadioButton *&mark, QLabel *&command, const QString &commandText,
                               QLabel *&description, const QString &descriptionText) {
        mark = new QRadioButton(client());
        mark->setGeometry(8, top, 17, 17);
        mark->setEnabled(false); // the marks only show; the user cannot set them
        mark->setAccessibleName(QStringLiteral("Команда ") + commandText);
        mark->setAccessibleDescription(QStringLiteral("Отмечена, когда шаг выполнил эту команду"));
        command = new QLabel(commandText, client());
        command->move(24, top);
        command->adjustSize();
        SetColor(command, Qt::white);
        description = new QLabel(descriptionText, client());
        description->move(104, top);
        description->adjustSize();
    };
    addRow(16, RadioButton1, Label3, QStringLiteral("q1 1 -> 1 L q2"), Label1,
           QStringLiteral("Перемещаемся на одну позицию левее группы единиц"));
    addRow(40, RadioButton2, Label4, QStringLiteral("q2 0 -> 1 H q0"), Label2,
           QStringLiteral("Дописываем слева одну единицу и остановка"));

    FormCreate();
}

void TForm1::FormCreate()
{
    move(10, 200);
}
