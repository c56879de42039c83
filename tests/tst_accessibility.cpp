// What a screen reader gets, read through Qt's QAccessible interface: names,
// roles, table cells and checked states, and the events a step raises.
#include "TestSupport.h"
#include "UnMT.h"
#include "kommands.h"

#include <QAccessible>
#include <QRadioButton>
#include <QToolButton>

namespace {

struct Event {
    QAccessible::Event type;
    QObject *object;
    int child;
};
QList<Event> Events;

void Record(QAccessibleEvent *event)
{
    Events.append({event->type(), event->object(), event->child()});
}

QAccessibleInterface *Of(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString CellName(QObject *grid, int row, int column)
{
    QAccessibleInterface *cell = Of(grid)->tableInterface()->cellAt(row, column);
    return cell ? cell->text(QAccessible::Name) : QStringLiteral("<no cell>");
}

} // namespace

class tst_accessibility : public QObject
{
    Q_OBJECT

private slots:
    // Run by with-atspi.sh: on X11 with an accessibility bus, so that Qt's
    // AT-SPI bridge is active and passes events on, as on a desktop.
    void initTestCase()
    {
        QAccessible::installUpdateHandler(Record);
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
    }
    void init()
    {
        QVERIFY(StartProgram());
        Events.clear();
    }
    void cleanup() { DestroyForms(); }

    void namesAndRoles_data()
    {
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("Старт") << QAccessible::Button << "Старт";
        QTest::newRow("Стоп") << QAccessible::Button << "Стоп";
        QTest::newRow("Пошагово") << QAccessible::Button << "Пошагово";
        QTest::newRow("table button") << QAccessible::Button
                                      << "Программа МТ (в виде таблицы)";
        QTest::newRow("tape") << QAccessible::Table << "Лента";
        QTest::newRow("arrow") << QAccessible::Graphic << "Стрелка: головка машины";
        QTest::newRow("caption") << QAccessible::StaticText
                                 << "Текущее состояние:\nQ1";
        QTest::newRow("mark 1") << QAccessible::RadioButton
                                << "Команда q1 1 -> 1 L q2";
        QTest::newRow("mark 2") << QAccessible::RadioButton
                                << "Команда q2 0 -> 1 H q0";
        QTest::newRow("command 1") << QAccessible::StaticText << "q1 1 -> 1 L q2";
        QTest::newRow("program") << QAccessible::Table << "Программа МТ";
    }
    void namesAndRoles()
    {
        // The windows are made in init(), after the data: find the row's
        // control by its tag.
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        const QMap<QString, QObject *> controls = {
            {"Старт", FMain->SpeedButton7},       {"Стоп", FMain->SpeedButton6},
            {"Пошагово", FMain->SpeedButton5},    {"table button", FMain->SpeedButton1},
            {"tape", FMT->StringGrid1},            {"arrow", FMT->Image4},
            {"caption", FMT->Label1},              {"mark 1", Form1->RadioButton1},
            {"mark 2", Form1->RadioButton2},       {"command 1", Form1->Label3},
            {"program", FList->StringGrid1}};
        QAccessibleInterface *control = Of(controls.value(QString::fromUtf8(QTest::currentDataTag())));
        QVERIFY(control);
        QCOMPARE(control->role(), role);
        QCOMPARE(control->text(QAccessible::Name), name);
    }

    void tablesExposeTheirCells()
    {
        QAccessibleTableInterface *tape = Of(FMT->StringGrid1)->tableInterface();
        QVERIFY(tape);
        QCOMPARE(tape->columnCount(), 27);
        QCOMPARE(tape->rowCount(), 1);
        QCOMPARE(CellName(FMT->StringGrid1, 0, 12), QStringLiteral("0"));
        QCOMPARE(CellName(FMT->StringGrid1, 0, 13), QStringLiteral("1"));
        QCOMPARE(tape->cellAt(0, 13)->text(QAccessible::Description), QStringLiteral("Ячейка под головкой"));
        QVERIFY(!Of(FMT->StringGrid1)->text(QAccessible::Description).isEmpty());

        QAccessibleTableInterface *program = Of(FList->StringGrid1)->tableInterface();
        QCOMPARE(program->columnCount(), 4);
        QCOMPARE(program->rowCount(), 4);
        QCOMPARE(CellName(FList->StringGrid1, 1, 1), QStringLiteral("1LQ2"));
        QCOMPARE(CellName(FList->StringGrid1, 2, 2), QStringLiteral("1STOP"));
        QCOMPARE(CellName(FList->StringGrid1, 0, 1), QStringLiteral("Q1"));
    }

    void aStepIsHeard()
    {
        QVERIFY(!Of(Form1->RadioButton1)->state().checked);
        FMain->StepMTExecute(nullptr);
        QVERIFY(Of(Form1->RadioButton1)->state().checked);

        const auto raised = [](QAccessible::Event type, QObject *object) {
            return std::count_if(Events.cbegin(), Events.cend(),
                                 [&](const Event &event) { return event.type == type && event.object == object; });
        };
        QVERIFY(raised(QAccessible::NameChanged, FMT->Label1) >= 1);
        QVERIFY(raised(QAccessible::StateChanged, Form1->RadioButton1) >= 1);
        // The tape shifted one cell right: each cell whose text changed is
        // announced (columns 12, 13 and 16), and no other.
        QList<int> cells;
        for (const Event &event : Events) {
            if (event.type == QAccessible::NameChanged && event.object == FMT->StringGrid1)
                cells << event.child;
        }
        QCOMPARE(cells.size(), 3);
        QAccessibleInterface *tape = Of(FMT->StringGrid1);
        QCOMPARE(tape->child(cells.first())->text(QAccessible::Name), QString());
        QSet<QString> names;
        for (int child : cells)
            names << tape->child(child)->text(QAccessible::Name);
        QCOMPARE(names, QSet<QString>({"", "0", "1"}));

        // The halt: the new 1 under the head, the caption and the second mark.
        Events.clear();
        FMain->StepMTExecute(nullptr);
        QVERIFY(raised(QAccessible::NameChanged, FMT->Label1) >= 1);
        QVERIFY(raised(QAccessible::StateChanged, Form1->RadioButton2) >= 1);
        QCOMPARE(raised(QAccessible::NameChanged, FMT->StringGrid1), 1);
        QCOMPARE(Of(FMT->Label1)->text(QAccessible::Name), QStringLiteral("Текущее состояние:\nQ0 (Остановка)"));
    }
};

TMDEMO_TEST_MAIN(tst_accessibility)
#include "tst_accessibility.moc"
