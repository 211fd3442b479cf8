// Click to plot: for each window's worked example, the time from a click on
// "Проверить моделированием" until the result window has drawn its plot and figures.
// Runs on Qt's offscreen platform unless another is chosen.
//
//   build/bench/click_to_plot [runs]      (default 5; the median and range are printed)

#include "application.h"
#include "decimal_separator.h"
#include "forms.h"
#include "engine.h"
#include "simulation/worked_examples.h"
#include "simulation_window.h"
#include "table_window.h"
#include "gui_support.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace takton;

namespace {

// One click, until the result is shown and painted.
double clickToPlot(TableWindow* form)
{
    QElapsedTimer clock;
    clock.start();
    testing::button(form, "ButtonSimulate")->click();
    simulation::SimulationWindow* result = simulation::simulationWindowOf(form);
    while (result->running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    result->repaint();
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    Application app(argc, argv);
    simulation::setSimulatorProgram(QStringLiteral(TAKTON_SIMULATOR_PROGRAM));
    setDecimalSeparator(','); // the examples are typed with a comma
    std::printf("Click to plot, %d runs each (ms): median [range]; target under 300 ms\n", runs);
    for (const testing::WorkedExample& example : testing::workedExamples) {
        const RegisteredWindow& row = testing::registered(QString::fromLatin1(example.form));
        row.create();
        TableWindow* form = row.window();
        testing::typeAll(form, example.typed);
        std::vector<double> times;
        clickToPlot(form); // warm-up: the worker and the simulator library come into the page cache
        for (int i = 0; i < runs; ++i)
            times.push_back(clickToPlot(form));
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        std::printf("  %-7s %7.1f  [%.1f-%.1f]  %s\n", example.form, median, times.front(), times.back(),
                    median < 300 ? "met" : "NOT met");
        row.destroy();
    }
    return 0;
}
