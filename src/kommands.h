// The command-set window: the program's two commands, each with what it does,
// and the marks that show which command the current step executed.
#pragma once

#include "Platform.h"

class QRadioButton;

class TForm1 : public ChildForm
{
    Q_OBJECT

public:
    explicit TForm1(QMdiArea *workspace);

    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QLabel *Label3;
    QLabel *Label4;
    QLabel *Label1;
    QLabel *Label2;

    void FormCreate();
};
