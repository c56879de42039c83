// The few pieces the windows need that Qt does differently out of the box:
//
//  - CellGrid: a grid of text cells addressed (column, row), as the machine
//    reads and writes them, drawn flat with its text 2 pixels in from the
//    cell's corner and optional fixed (header) cells in the first rows/columns;
//  - CaptionLabel: a label whose carriage return breaks the line;
//  - Timer: a timer that is switched on and off, where switching on a timer
//    that already runs keeps its period;
//  - ChildForm: a fixed-size MDI child window that cannot be closed and has
//    no title-bar buttons or system menu;
//  - Application: the application object, whose title comes from the program
//    file's name and which shows an error that escapes an event handler in the
//    standard error box and goes on.
#pragma once

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMdiSubWindow>
#include <QTableWidget>
#include <QTimer>

class QMdiArea;

class CellGrid : public QTableWidget
{
    Q_OBJECT

public:
    // cellWidth and cellHeight are the cells' inner size; the 1-pixel line
    // to the right and below each cell comes on top.
    CellGrid(int columns, int rows, int cellWidth, int cellHeight, QWidget *parent);

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);

    // The first `columns` columns and `rows` rows are headers: button face,
    // black lines, and the current cell never goes there.
    void setFixedCells(int columns, int rows);
    int fixedColumns() const { return m_fixedColumns; }
    int fixedRows() const { return m_fixedRows; }

    // Background of the ordinary cells and of the area past the last cell.
    void setCellColor(const QColor &color);

private:
    int m_fixedColumns = 0;
    int m_fixedRows = 0;
};

class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CaptionLabel(QWidget *parent);

    // The caption as it was set, carriage returns included; each carriage
    // return shows as a line break and the label sizes itself to the text.
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

private:
    QString m_caption;
};

// A picture from the program's resources, with the pixels of `transparent`
// see-through. For screens scaled by `scale`, it is enlarged pixel for pixel
// to whole device pixels, so that the drawing stays crisp at 125 %, 150 %,
// 200 % and more instead of being smoothed.
QPixmap PicturePixmap(const QString &name, const QColor &transparent, qreal scale);
// The same as an icon, with a copy for each usual scale, and the disabled
// look from "<name>-disabled" when there is one.
QIcon Picture(const QString &name, const QColor &transparent = QColor());

// Paints a widget's whole box in a colour: the command labels' marks.
void SetColor(QWidget *widget, const QColor &color);
QColor Color(const QWidget *widget);

class Timer : public QTimer
{
    Q_OBJECT

public:
    Timer(int intervalMs, QObject *parent);

    // Switching on a running timer leaves its period alone; switching it off
    // stops it at once.
    void setEnabled(bool enabled);
    bool enabled() const { return isActive(); }
};

class ChildForm : public QMdiSubWindow
{
    Q_OBJECT

public:
    ChildForm(QMdiArea *workspace, const QString &caption, int clientWidth, int clientHeight);

    QWidget *client() const { return widget(); }
    // Holds the window at the size that gives the client area it was made with.
    void holdSize();

signals:
    void resized();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
};

// Emits painted() before every paint event of the watched widget.
class PaintWatcher : public QObject
{
    Q_OBJECT

public:
    explicit PaintWatcher(QWidget *watched);

signals:
    void painted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);

    // Top-level windows can only be placed on the screen under X11, so in a
    // Wayland session the program runs through XWayland where there is one,
    // unless the user chose a platform (QT_QPA_PLATFORM). Call before the
    // application object exists.
    static void preferX11();

    // The program file's name up to its first full stop, its first letter
    // unchanged and the rest in lower case.
    static QString titleFromFileName(const QString &fileName);
    // The error text with a full stop appended unless its last character has
    // a code of 46 ('.') or less.
    static QString errorText(const QString &message);

    QString title() const { return m_title; }
    void showError(const QString &message);
    // Shows the exception being handled in the error box; for catch blocks.
    static void showCurrentError();

    bool notify(QObject *receiver, QEvent *event) override;

private:
    QString m_title;
};

// Wraps an event handler for connect(): an error that escapes it is shown in
// the standard error box and the program goes on. The error is caught here,
// before it could unwind through Qt's own frames.
template <typename Function>
auto Handler(Function handler)
{
    return [handler] {
        try {
            handler();
        } catch (...) {
            Application::showCurrentError();
        }
    };
}
