// The program-table window: the machine's program as states across and
// symbols down. The step reads its commands from this very grid.
#pragma once

#include "Platform.h"

#include <QWidget>

class TFList : public QWidget
{
    Q_OBJECT

public:
    explicit TFList(QWidget *owner);

    CellGrid *StringGrid1;

    void FormCreate();
};
