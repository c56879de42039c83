// libFuzzer target for the step interpreter. An input is lines of text:
//   lines 1-16   the program table's cells, row by row (4 x 4)
//   line 17      the current state
//   line 18      the tape from cell 1 on, one character a cell ('_' is blank)
//   line 19      the head's cell, as a number (cut to -5000..5000)
//   line 20      how many steps to run (cut to 1..8)
// Missing lines are empty. After every step the store must reach the head,
// every cell of it must be blank or one character, and the tape view must
// show the store around the head.
#include "Platform.h"
#include "UnMT.h"
#include "UnMain.h"
#include "UnPanel.h"

#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static Application application(*argc, *argv);
    CreateForms();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size))
                                  .split(QLatin1Char('\n'));
    const auto line = [&](int index) { return index < lines.size() ? lines.at(index) : QString(); };

    FMain->FormCreate(); // the initial configuration
    Tape = TapeStore(); // the fuzzer's tape replaces the example's word
    for (int i = 0; i < 16; ++i)
        FList->StringGrid1->setCell(i % 4, i / 4, line(i));
    CurState = line(16);
    const QString tape = line(17);
    for (qsizetype i = 0; i < tape.size() && i < 4000; ++i)
        Tape[1 + i] = tape.at(i) == QLatin1Char('_') ? QString() : QString(tape.at(i));
    HeadPos = qBound(-5000, line(18).toInt(), 5000);
    Tape[HeadPos]; // as a move there would, the store reaches the head
    const int steps = qBound(1, line(19).toInt(), 8);
    ShowTape(); // what the workspace's repaint does before the user can step

    for (int step = 0; step < steps; ++step) {
        FMain->StepMTExecute(nullptr);
        Check(Tape.first() <= HeadPos && HeadPos <= Tape.last(), "the store reaches the head");
        for (qint64 i = Tape.first(); i <= Tape.last(); ++i)
            Check(Tape.at(i).size() <= 1, "a cell holds at most one character");
        for (int column = 0; column < 27; ++column)
            Check(FMT->StringGrid1->cell(column, 0) == Tape.at(qint64(HeadPos) - 13 + column),
                  "the view shows the store around the head");
    }
    return 0;
}
