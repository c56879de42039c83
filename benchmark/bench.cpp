// Measurements for ./bench, one per run of this program:
//   bench startup      start-up of tmdemo to the end of the frame's first paint
//   bench bare         the same for a bare QMainWindow in a plain
//                      QApplication (the floor)
//   bench bare-text    a bare QMainWindow showing one line of text: the floor
//                      for any window with text, which pays for the fonts
//   bench step         one step plus the repaint it causes, in microseconds
//   bench pace         the timer's intervals over 50 ticks
//   bench cpu-idle     CPU time over 10 s with the timer stopped
//   bench cpu-running  CPU time over 10 s with the timer running
// Each prints "name value" lines; ./bench runs them repeatedly and takes medians.
#include "Platform.h"
#include "UnMain.h"
#include "UnPanel.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

qint64 MonotonicNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Start-up is timed from the exec of this program: it runs itself again with
// the time of that exec in its environment. (The kernel's own start time of a
// process counts in ticks of 10 ms, too coarse for these figures.)
void ExecTimed(char *argv[])
{
    if (qEnvironmentVariableIsSet("TMDEMO_BENCH_EXEC_NS"))
        return;
    qputenv("TMDEMO_BENCH_EXEC_NS", QByteArray::number(MonotonicNs()));
    execv("/proc/self/exe", argv);
    std::perror("tmdemo-bench: exec");
    std::exit(1);
}

// Milliseconds since the exec of this program.
double SinceProcessStart()
{
    return (MonotonicNs() - qgetenv("TMDEMO_BENCH_EXEC_NS").toLongLong()) / 1e6;
}

long PeakRssKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double CpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

void ReportStartupAfterFirstPaint(QWidget *watched)
{
    auto *watcher = new PaintWatcher(watched);
    QObject::connect(watcher, &PaintWatcher::painted, watcher, [] {
        // After the paint event has been handled: the next turn of the loop.
        QMetaObject::invokeMethod(qApp, [] {
            std::printf("startup_ms %.2f\npeak_rss_kb %ld\n", SinceProcessStart(), PeakRssKb());
            QCoreApplication::exit(0);
        }, Qt::QueuedConnection);
    }, Qt::SingleShotConnection);
}

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray what = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (what == "startup" || what == "bare" || what == "bare-text")
        ExecTimed(argv);
    if (what == "bare" || what == "bare-text") {
        QApplication application(argc, argv);
        QMainWindow window;
        window.resize(599, 363);
        if (what == "bare-text")
            window.setCentralWidget(new QLabel(QStringLiteral("Текущее состояние:")));
        ReportStartupAfterFirstPaint(&window);
        window.show();
        return application.exec();
    }

    Application application(argc, argv);
    application.setWindowIcon(Picture(QStringLiteral("car"))); // as main() starts the program
    CreateForms();
    if (what == "startup") {
        ReportStartupAfterFirstPaint(FMain->Workspace->viewport());
        FMain->show();
        return application.exec();
    }
    FMain->show();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QCoreApplication::processEvents();

    if (what == "step") {
        std::vector<double> times;
        QElapsedTimer clock;
        for (int i = 0; i < 2000; ++i) {
            clock.start();
            FMain->StepMTExecute(nullptr);
            FMT->repaint();
            times.push_back(clock.nsecsElapsed() / 1000.0);
        }
        std::sort(times.begin(), times.end());
        std::printf("step_us %.2f\nstep_first2_us %.2f\n", times[times.size() / 2], times.back());
    } else if (what == "pace") {
        std::vector<double> intervals;
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        QObject::connect(FMain->Timer1, &QTimer::timeout, FMain, [&] {
            const qint64 now = clock.nsecsElapsed();
            intervals.push_back((now - last) / 1e6);
            last = now;
            if (intervals.size() == 50)
                QCoreApplication::exit(0);
        });
        FMain->StartMTExecute(nullptr);
        application.exec();
        double sum = 0;
        std::vector<double> deviations;
        for (double interval : intervals) {
            sum += interval;
            deviations.push_back(std::abs(interval - 600.0));
        }
        std::sort(deviations.begin(), deviations.end());
        std::printf("pace_mean_ms %.3f\npace_p90_dev_ms %.3f\n", sum / intervals.size(),
                    deviations[deviations.size() * 9 / 10]);
    } else if (what == "cpu-idle" || what == "cpu-running") {
        if (what == "cpu-running")
            FMain->StartMTExecute(nullptr);
        const double before = CpuMs();
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(0); });
        application.exec();
        std::printf("%s_percent %.3f\n", what == "cpu-idle" ? "cpu_idle" : "cpu_running",
                    (CpuMs() - before) / 10000.0 * 100.0);
    }
    DestroyForms();
    return 0;
}
