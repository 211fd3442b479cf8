// The program as takton's main builds and ends it, with simulation runs going in Form2
// and Form11 when the main window is closed. test_simulation starts it and times how
// long it takes to end after the close. It prints
//   workers PID PID     the two workers' process ids, once both runs are going
//   closing             just before the main window is closed
// and exits with status 1 when the runs end before the close (the test proves nothing).

#include "Unit1.h"
#include "Unit11.h"
#include "Unit2.h"
#include "decimal_separator.h"
#include "gui_support.h"
#include "simulation/worked_examples.h"
#include "simulation_window.h"
#include "window_circuits.h"

#include <QTimer>
#include <cstdio>

using namespace takton;
using namespace takton::simulation;

namespace {

// The worked examples run a thousand times longer: minutes of work if nothing stops it.
template <Design (*designOf)(TableWindow&)>
Design slowly(TableWindow& window)
{
    Design d = designOf(window);
    d.circuit.stopTime *= 1000;
    return d;
}

SimulationWindow* startSlowRun(const char* form, DesignOf designOf)
{
    TableWindow* window = testing::registered(QString::fromLatin1(form)).window();
    for (const testing::WorkedExample& example : testing::workedExamples)
        if (qstrcmp(example.form, form) == 0)
            testing::typeAll(window, example.typed);
    auto* result = new SimulationWindow(window, designOf);
    result->start();
    result->show();
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    Application app(argc, argv);
    setDecimalSeparator(','); // the examples are typed with a comma
    createForms();
    Form1->show();
    SimulationWindow* runs[] = {startSlowRun("Form2", slowly<designOf<TForm2>>),
                                startSlowRun("Form11", slowly<designOf<TForm11>>)};
    std::printf("workers %lld %lld\n", runs[0]->currentRun()->workerId(), runs[1]->currentRun()->workerId());
    std::fflush(stdout);
    int status = 0;
    QTimer::singleShot(300, [&] {
        if (!runs[0]->running() || !runs[1]->running()) {
            status = 1;
            QCoreApplication::quit();
            return;
        }
        std::puts("closing");
        std::fflush(stdout);
        Form1->close();
    });
    const int loop = app.exec();
    destroyForms();
    return status ? status : loop;
}
