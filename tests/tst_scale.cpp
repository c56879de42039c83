// The windows at the scale factor that ctest sets (QT_SCALE_FACTOR 1.5 and
// 2): pictures drawn in whole device pixels, with none of the blended
// colours that smoothing leaves, and every text inside its control.
#include "TestSupport.h"
#include "UnMT.h"
#include "kommands.h"

#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include <set>

namespace {

std::set<QRgb> Colours(const QImage &image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y) | 0xff000000);
    }
    return colours;
}

} // namespace

class tst_scale : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(StartProgram()); }
    void cleanup() { DestroyForms(); }

    void scaled()
    {
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QVERIFY(scale > 1);
        QCOMPARE(FMain->devicePixelRatio(), scale);
        // The layout is the same in logical pixels.
        QCOMPARE(FMain->size(), QSize(599, 363));
        QCOMPARE(FMT->client()->size(), QSize(567, 141));
    }

    void arrowIsSharp()
    {
        const QImage arrow = FMT->Image4->grab().toImage();
        QCOMPARE(arrow.devicePixelRatio(), FMain->devicePixelRatio());
        QCOMPARE(arrow.size(), (QSizeF(49, 83) * FMain->devicePixelRatio()).toSize());
        const std::set<QRgb> expected = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(128, 128, 128)};
        QVERIFY(Colours(arrow) == expected);
    }

    void buttonPicturesAreSharp_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QColor>("transparent");
        QTest::newRow("start") << "start" << QColor(128, 128, 0);
        QTest::newRow("stop") << "stop" << QColor(128, 128, 0);
        QTest::newRow("step") << "step" << QColor(128, 128, 0);
        QTest::newRow("table") << "table" << QColor(Qt::white);
    }
    void buttonPicturesAreSharp()
    {
        QFETCH(QString, picture);
        QFETCH(QColor, transparent);
        const qreal scale = FMain->devicePixelRatio();
        const QImage original(QStringLiteral(":/pictures/%1.xpm").arg(picture));
        const QIcon icon = Picture(picture, transparent);
        // The picture the button draws is one made for this scale, so Qt
        // does not smooth it; its colours are the drawing's own.
        const QImage drawn = icon.pixmap(QSize(16, 16), scale).toImage();
        QCOMPARE(drawn.size(), (QSizeF(original.size()) * scale).toSize());
        std::set<QRgb> own = Colours(original.convertToFormat(QImage::Format_RGB32));
        own.insert(qRgb(0, 0, 0)); // see-through pixels
        for (const QRgb colour : Colours(drawn))
            QVERIFY2(own.count(colour), qPrintable(QStringLiteral("blended colour #%1").arg(colour, 0, 16)));
    }

    void textFits()
    {
        for (QToolButton *button :
             {FMain->SpeedButton7, FMain->SpeedButton6, FMain->SpeedButton5, FMain->SpeedButton1}) {
            const int needed = 3 + 16 + 4 + button->fontMetrics().horizontalAdvance(button->text()) + 3;
            QVERIFY2(needed <= button->width(), qPrintable(button->text()));
        }
        for (QWidget *window : {static_cast<QWidget *>(FMT->client()), static_cast<QWidget *>(Form1->client())}) {
            for (QLabel *label : window->findChildren<QLabel *>()) {
                if (label->text().isEmpty())
                    continue;
                QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
                QVERIFY2(label->geometry().right() < window->width(), qPrintable(label->text()));
            }
        }
        QVERIFY(Form1->Label3->geometry().right() < Form1->Label1->x());
        QVERIFY(Form1->Label4->geometry().right() < Form1->Label2->x());
        QVERIFY(FMT->Label1->geometry().bottom() < FMT->StringGrid1->y());
        // A tape cell holds its character.
        const QFontMetrics metrics = FMT->StringGrid1->fontMetrics();
        QVERIFY(2 + metrics.horizontalAdvance(QLatin1Char('0')) <= 20);
        QVERIFY(2 + metrics.height() <= 20);
    }
};

TMDEMO_TEST_MAIN(tst_scale)
#include "tst_scale.moc"
