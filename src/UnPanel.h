// The tape window: the 27 tape cells around the head, the arrow over the head
// cell (column 13) and the current state. The machine writes its controls.
#pragma once

#include "Platform.h"

class TFMT : public ChildForm
{
    Q_OBJECT

public:
    explicit TFMT(QMdiArea *workspace);

    CaptionLabel *Label1;
    QLabel *Image4;
    CellGrid *StringGrid1;

    void FormCreate();
    void FormResize();
};
