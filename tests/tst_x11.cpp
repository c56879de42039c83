// What only a real window shows, on the X server that ./test starts: where
// the frame opens, the sizes of its bars and buttons as laid out by Qt on
// X11, and screenshots of the program kept in artefacts/ of the build tree.
#include "TestSupport.h"
#include "UnMT.h"
#include "kommands.h"

#include <QDir>
#include <QMdiArea>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

class tst_x11 : public QObject
{
    Q_OBJECT

    // Saves what the screen shows of `window` (its frame included, if a
    // window manager draws one) as artefacts/<name>.png.
    static void keepScreenshot(QWidget *window, const QString &name)
    {
        QDir().mkpath(QStringLiteral(TMDEMO_ARTEFACTS));
        const QRect area = window->frameGeometry();
        const QPixmap shot = window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        QVERIFY(!shot.isNull());
        QVERIFY(shot.save(QStringLiteral(TMDEMO_ARTEFACTS "/%1.png").arg(name)));
    }

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb")); }
    void init() { QVERIFY(StartProgram()); }
    void cleanup()
    {
        DestroyForms();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void frameGeometry()
    {
        QCOMPARE(FMain->frameGeometry().topLeft(), QPoint(322, 141));
        QCOMPARE(FMain->size(), QSize(599, 363));
        QCOMPARE(FMain->minimumSize(), QSize(599, 363));
        QCOMPARE(FMain->maximumSize(), QSize(599, 363));
        QVERIFY(!FMain->isMaximized());
        const Qt::WindowFlags flags = FMain->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        QCOMPARE(FMain->ToolBar1->geometry(), QRect(0, 0, 599, 29));
        QCOMPARE(FMain->Workspace->geometry(), QRect(0, 29, 599, 363 - 29 - 19));
        QCOMPARE(FMain->StatusBar1->geometry(), QRect(0, 363 - 19, 599, 19));
    }

    void toolButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Старт") << "SpeedButton7" << QRect(0, 2, 72, 22);
        QTest::newRow("Стоп") << "SpeedButton6" << QRect(72, 2, 75, 22);
        QTest::newRow("Пошагово") << "SpeedButton5" << QRect(147, 2, 80, 22);
        QTest::newRow("Программа МТ") << "SpeedButton1" << QRect(227, 2, 198, 22);
    }
    void toolButtons()
    {
        QFETCH(QString, name);
        const QMap<QString, QToolButton *> buttons = {{"SpeedButton7", FMain->SpeedButton7},
                                                      {"SpeedButton6", FMain->SpeedButton6},
                                                      {"SpeedButton5", FMain->SpeedButton5},
                                                      {"SpeedButton1", FMain->SpeedButton1}};
        QToolButton *button = buttons.value(name);
        QCOMPARE(button->parentWidget(), FMain->ToolBar1);
        QTEST(button->geometry(), "geometry");
        QVERIFY(button->isVisible());
    }

    void statusPanels()
    {
        QList<QRect> panels;
        for (const QFrame *panel : FMain->StatusBar1->findChildren<QFrame *>(Qt::FindDirectChildrenOnly)) {
            if (panel->isVisible() && panel->frameShape() == QFrame::Panel)
                panels << panel->geometry();
        }
        QCOMPARE(panels, QList<QRect>({QRect(0, 0, 150, 19), QRect(150, 0, 300, 19), QRect(450, 0, 50, 19)}));
        QVERIFY(!FMain->StatusBar1->isSizeGripEnabled());
        QVERIFY(FMain->StatusBar1->currentMessage().isEmpty());
    }

    void screenshots()
    {
        QTest::mouseClick(FMain->SpeedButton1, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(FList));
        QTest::qWait(200);
        keepScreenshot(FMain, QStringLiteral("frame-start"));
        keepScreenshot(FList, QStringLiteral("table"));
        QTest::mouseClick(FMain->SpeedButton5, Qt::LeftButton);
        QTest::mouseClick(FMain->SpeedButton5, Qt::LeftButton);
        QTRY_COMPARE(View(), QStringLiteral("_____________1111__________"));
        QTest::qWait(200);
        keepScreenshot(FMain, QStringLiteral("frame-halted"));
    }
};

TMDEMO_TEST_MAIN(tst_x11)
#include "tst_x11.moc"
