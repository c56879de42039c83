#include "Platform.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMdiArea>
#include <QMessageBox>
#include <QPainter>
#include <QStyledItemDelegate>

#include <exception>

namespace {

// Draws every cell the way the machine's grids look: a flat background, the
// text as one line 2 pixels in from the top-left corner, and the cell's own
// line on its right and bottom edge (silver, black around header cells).
class CellDelegate : public QStyledItemDelegate
{
public:
    explicit CellDelegate(CellGrid *grid)
        : QStyledItemDelegate(grid)
        , m_grid(grid)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool fixed = index.column() < m_grid->fixedColumns() || index.row() < m_grid->fixedRows();
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette &palette = m_grid->palette();
        const QPalette::ColorGroup group = m_grid->hasFocus() ? QPalette::Active : QPalette::Inactive;
        const QRect line = option.rect;
        const QRect inner = line.adjusted(0, 0, -1, -1);

        QColor background = palette.color(QPalette::Base);
        QColor text = palette.color(QPalette::Text);
        if (fixed) {
            background = palette.color(QPalette::Button);
            text = palette.color(QPalette::ButtonText);
        } else if (selected) {
            background = palette.color(group, QPalette::Highlight);
            text = palette.color(group, QPalette::HighlightedText);
        }
        painter->save();
        painter->fillRect(inner, background);
        painter->setPen(fixed ? Qt::black : QColor(192, 192, 192));
        painter->drawLine(line.topRight(), line.bottomRight());
        painter->drawLine(line.bottomLeft(), line.bottomRight());
        painter->setPen(text);
        painter->setFont(option.font);
        painter->setClipRect(inner);
        const QRect textRect = inner.adjusted(2, 2, 0, 0);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

private:
    CellGrid *m_grid;
};

} // namespace

CellGrid::CellGrid(int columns, int rows, int cellWidth, int cellHeight, QWidget *parent)
    : QTableWidget(rows, columns, parent)
{
    setItemDelegate(new CellDelegate(this));
    setShowGrid(false); // each cell draws its own line
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        header->hide();
        header->setMinimumSectionSize(1);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    horizontalHeader()->setDefaultSectionSize(cellWidth + 1);
    verticalHeader()->setDefaultSectionSize(cellHeight + 1);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            setItem(row, column, new QTableWidgetItem(QString()));
    }
    setCurrentCell(0, 0);
}

QString CellGrid::cell(int column, int row) const
{
    const QTableWidgetItem *cellItem = item(row, column);
    return cellItem ? cellItem->text() : QString();
}

void CellGrid::setCell(int column, int row, const QString &text)
{
    QTableWidgetItem *cellItem = item(row, column);
    if (!cellItem || cellItem->text() == text) // an unchanged text must not cause a repaint
        return;
    cellItem->setText(text);
    // Qt announces nothing for a new cell text: tell screen readers here.
    if (QAccessible::isActive()) {
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(this);
        QAccessibleInterface *cellInterface = table && table->tableInterface()
                                                  ? table->tableInterface()->cellAt(row, column)
                                                  : nullptr;
        if (cellInterface) {
            QAccessibleEvent event(table, QAccessible::NameChanged);
            event.setChild(table->indexOfChild(cellInterface));
            QAccessible::updateAccessibility(&event);
        }
    }
}

void CellGrid::setFixedCells(int columns, int rows)
{
    m_fixedColumns = columns;
    m_fixedRows = rows;
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            const bool fixed = column < columns || row < rows;
            item(row, column)->setFlags(fixed ? Qt::NoItemFlags : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
    }
    setCurrentCell(rows, columns);
}

void CellGrid::setCellColor(const QColor &color)
{
    QPalette cellPalette = palette();
    cellPalette.setColor(QPalette::Base, color);
    setPalette(cellPalette);
}

CaptionLabel::CaptionLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void CaptionLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
    adjustSize();
}

namespace {

// The picture as drawn, with `transparent` see-through; null if there is none.
QImage LoadPicture(const QString &name, const QColor &transparent)
{
    QImage image(QStringLiteral(":/pictures/%1.xpm").arg(name));
    if (image.isNull())
        return image;
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (transparent.isValid()) {
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (line[x] == transparent.rgb())
                    line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return image;
}

QPixmap Enlarged(const QImage &image, qreal scale)
{
    const QSize size = (QSizeF(image.size()) * scale).toSize();
    QPixmap pixmap = QPixmap::fromImage(image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

} // namespace

QPixmap PicturePixmap(const QString &name, const QColor &transparent, qreal scale)
{
    const QImage image = LoadPicture(name, transparent);
    return image.isNull() ? QPixmap() : Enlarged(image, scale);
}

QIcon Picture(const QString &name, const QColor &transparent)
{
    const QImage normal = LoadPicture(name, transparent);
    const QImage disabled = LoadPicture(name + QStringLiteral("-disabled"), transparent);
    QIcon icon;
    for (const qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0}) {
        icon.addPixmap(Enlarged(normal, scale), QIcon::Normal);
        if (!disabled.isNull())
            icon.addPixmap(Enlarged(disabled, scale), QIcon::Disabled);
    }
    return icon;
}

void SetColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor Color(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

Timer::Timer(int intervalMs, QObject *parent)
    : QTimer(parent)
{
    setTimerType(Qt::PreciseTimer);
    setInterval(intervalMs);
}

void Timer::setEnabled(bool enabled)
{
    if (!enabled)
        stop();
    else if (!isActive()) // start() would restart the period
        start();
}

ChildForm::ChildForm(QMdiArea *workspace, const QString &caption, int clientWidth, int clientHeight)
    : QMdiSubWindow(nullptr, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setSystemMenu(nullptr); // nor on a right click on the title bar
    setWindowTitle(caption);
    auto *clientArea = new QWidget;
    clientArea->setFixedSize(clientWidth, clientHeight);
    setWidget(clientArea);
    workspace->addSubWindow(this);
    holdSize();
}

void ChildForm::holdSize()
{
    const QSize outer = sizeHint();
    setFixedSize(outer);
    resize(outer);
}

void ChildForm::closeEvent(QCloseEvent *event)
{
    event->ignore(); // the demonstration's windows stay for the whole run
}

void ChildForm::resizeEvent(QResizeEvent *event)
{
    QMdiSubWindow::resizeEvent(event);
    emit resized();
}

PaintWatcher::PaintWatcher(QWidget *watched)
    : QObject(watched)
{
    watched->installEventFilter(this);
}

bool PaintWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        emit painted();
    return QObject::eventFilter(watched, event);
}

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
    , m_title(titleFromFileName(argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString()))
{
    setApplicationName(m_title);
    setDesktopFileName(QStringLiteral("org.tmdemo.TMDemo")); // the Wayland app id and the taskbar's link to the icon
    // The windows are laid out for MS Sans Serif 8 pt (11 pixels at 96 dpi);
    // Liberation Sans has close metrics, Cyrillic included, and scales.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    // Russian and Latin text needs no shaping, and MS Sans Serif had neither
    // kerning nor ligatures: plain glyph lookup looks the same and is faster.
    font.setStyleStrategy(QFont::PreferNoShaping);
    setFont(font);
}

void Application::preferX11()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

QString Application::titleFromFileName(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const QString stem = name.left(name.indexOf(QLatin1Char('.')) < 0 ? name.size() : name.indexOf(QLatin1Char('.')));
    return stem.left(1) + stem.mid(1).toLower();
}

QString Application::errorText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > '.')
        return message + QLatin1Char('.');
    return message;
}

void Application::showError(const QString &message)
{
    // Shown from the event loop rather than from inside the failed handler:
    // a timer whose handler failed must go on ticking while the box is open,
    // and Qt does not fire a timer again before its last tick has returned.
    QMetaObject::invokeMethod(
        this, [this, message] { QMessageBox::critical(activeWindow(), m_title, errorText(message)); },
        Qt::QueuedConnection);
}

void Application::showCurrentError()
{
    auto *application = qobject_cast<Application *>(QCoreApplication::instance());
    if (!application)
        return;
    try {
        throw;
    } catch (const std::exception &error) {
        application->showError(QString::fromUtf8(error.what()));
    } catch (...) {
        application->showError(QStringLiteral("Неизвестная ошибка"));
    }
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    // The last resort for an event handler that is not wrapped in Handler().
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showCurrentError();
    }
    return false;
}
