// Shared by the tests: a main() that runs a test object under the program's
// own Application (error box, font), with the look pinned, and a few readers
// of what the machine shows.
#pragma once

#include "Platform.h"
#include "UnMain.h"
#include "UnPanel.h"

#include <QStyleFactory>
#include <QTest>

#define TMDEMO_TEST_MAIN(TestObject)                                                                                   \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        Application app(argc, argv);                                                                                   \
        Application::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));                                       \
        TestObject test;                                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }

// The tape view as 27 characters, '_' for a blank cell.
inline QString View()
{
    QString view;
    for (int column = 0; column < FMT->StringGrid1->columnCount(); ++column) {
        const QString text = FMT->StringGrid1->cell(column, 0);
        view += text.isEmpty() ? QStringLiteral("_") : text;
    }
    return view;
}

// Tape cells first..last as one string, '_' for a blank cell.
inline QString TapeCells(qint64 first, qint64 last)
{
    QString cells;
    for (qint64 i = first; i <= last; ++i)
        cells += Tape.at(i).isEmpty() ? QStringLiteral("_") : Tape.at(i);
    return cells;
}

// Starts the program as main() does, and waits until the frame is on the
// screen and its first repaint has filled the tape view. For QVERIFY().
[[nodiscard]] inline bool StartProgram()
{
    CreateForms();
    FMain->show();
    return QTest::qWaitForWindowExposed(FMain)
        && QTest::qWaitFor([] { return View() == QStringLiteral("____________0111___________"); });
}

inline const QString Caption(const char *state)
{
    return StateCaption(QString::fromUtf8(state));
}
