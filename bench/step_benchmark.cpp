// The work behind one click: reading a field, writing a result, and one whole step of
// a calculator driven through its widgets, result labels' relayout included. Runs on
// Qt's offscreen platform unless another is chosen.
//
//   build/bench/step_benchmark [--benchmark_filter=...]

#include "application.h"
#include "decimal_separator.h"
#include "forms.h"
#include "numeric_text.h"
#include "table_window.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <stdexcept>

namespace {

const QString typedNumbers[] = {
    QStringLiteral("10"), QStringLiteral("0,05"), QStringLiteral("  1,5E-3 "), QStringLiteral("-240000"),
    QStringLiteral("39927,2727272727"),
};

const long double results[] = {20.0L, 0.035L, 39927.272727272727L, 4.6085073044840812e-9L, 1e20L};

void StrToFloat(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(takton::StrToFloat(typedNumbers[i++ % std::size(typedNumbers)]));
}
BENCHMARK(StrToFloat);

void FloatToStr(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(takton::FloatToStr(results[i++ % std::size(results)]));
}
BENCHMARK(FloatToStr);

template <class W>
W* child(QWidget* form, const char* name)
{
    auto* widget = form->findChild<W*>(QLatin1String(name));
    if (!widget)
        throw std::logic_error(std::string("no control ") + name);
    return widget;
}

// Step 1 of the two-supply astable, from the click on its button to the text of its
// last result label, with the window on screen. With `paint`, the events the click
// leaves behind (the labels' repaint) are processed too.
void step(benchmark::State& state, bool paint)
{
    QWidget* form = takton::calculatorOfButton("Button1");
    form->show();
    QCoreApplication::processEvents();
    child<QLineEdit>(form, "Edit1")->setText(QStringLiteral("10"));
    child<QLineEdit>(form, "Edit2")->setText(QStringLiteral("8"));
    auto* button = child<QPushButton>(form, "Button1");
    auto* last = child<QLabel>(form, "Label16");
    for (auto _ : state) {
        button->click();
        benchmark::DoNotOptimize(last->text());
        if (paint)
            QCoreApplication::processEvents();
    }
    if (last->text() != QStringLiteral("8 B"))
        state.SkipWithError("the step did not write its result");
    form->hide();
}
BENCHMARK_CAPTURE(step, click_to_label_text, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(step, click_to_painted_window, true)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    takton::Application app(argc, argv);
    takton::setDecimalSeparator(',');
    takton::createForms();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    takton::destroyForms();
    return 0;
}
