#include "simulation_window.h"

#include "error_reporting.h"
#include "errors.h"
#include "file_questions.h"
#include "number_box.h"
#include "result_plot.h"
#include "spread_panel.h"
#include "table_window.h"
#include "user_files.h"

#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace takton::simulation {
namespace {

QString row(const Figure& f)
{
    const QString measured = f.text.isEmpty() ? reading(f.measured) + u' ' + f.unit : f.text;
    const QString target = f.target > 0 ? reading(f.target) + u' ' + f.unit : u"—"_qs;
    return u"<tr><td>"_qs + f.name + u"</td><td align=right>"_qs + measured + u"</td><td align=right>"_qs
           + (f.text.isEmpty() ? target : QString()) + u"</td><td align=right>"_qs
           + (f.text.isEmpty() ? deviationText(f) : QString()) + u"</td></tr>"_qs;
}

QDoubleSpinBox* spinBox(double low, double high, double step, const QString& suffix)
{
    auto* box = new NumberBox;
    box->setRange(low, high);
    box->setSingleStep(step);
    box->setDecimals(2);
    box->setSuffix(suffix);
    // One width for every box, room for what a user types, whatever its range.
    const QFontMetrics metrics = box->fontMetrics();
    box->setMinimumWidth(metrics.horizontalAdvance(u"× 10000,00 мкс"_qs) + 2 * metrics.height());
    return box;
}

// Shows `value` in `box` without clamping it: a value beyond the box's range widens it.
// The run itself takes the exact value until the user changes the box.
void showUnclamped(QDoubleSpinBox* box, double value)
{
    if (!std::isfinite(value))
        return;
    const QSignalBlocker quiet(box);
    box->setRange(std::min(box->minimum(), value), std::max(box->maximum(), value));
    box->setValue(value);
}

} // namespace

SimulationWindow::SimulationWindow(TableWindow* calculator, DesignOf designOf)
    : QWidget(calculator, Qt::Window), calculator(calculator), designOf(designOf)
{
    setObjectName(calculator->objectName() + u"Simulation"_qs);
    setWindowTitle(u"Проверка моделированием — "_qs + calculator->windowTitle());
    setAttribute(Qt::WA_DeleteOnClose, false);

    verdict = new QLabel;
    verdict->setObjectName(u"Verdict"_qs);
    QFont bold = verdict->font();
    bold.setBold(true);
    verdict->setFont(bold);
    verdict->setWordWrap(true);
    figures = new QLabel;
    figures->setObjectName(u"Figures"_qs);
    figures->setTextFormat(Qt::RichText);
    notes = new QLabel;
    notes->setObjectName(u"Notes"_qs);
    notes->setWordWrap(true);

    beta = spinBox(1, 4, 0.5, QString());
    beta->setObjectName(u"BetaScale"_qs);
    beta->setPrefix(u"× "_qs);
    beta->setValue(1);
    triggerAmplitude = spinBox(0.1, 1000, 1, u" В"_qs);
    triggerAmplitude->setObjectName(u"TriggerAmplitude"_qs);
    triggerWidth = spinBox(0.01, 1e6, 1, u" мкс"_qs);
    triggerWidth->setObjectName(u"TriggerWidth"_qs);

    rerun = new QPushButton(u"Моделировать"_qs);
    rerun->setObjectName(u"Run"_qs);
    stop = new QPushButton(u"Отмена"_qs);
    stop->setObjectName(u"Cancel"_qs);
    save = new QPushButton(u"Сохранить .cir…"_qs);
    save->setObjectName(u"SaveNetlist"_qs);
    bar = new QProgressBar;
    bar->setRange(0, 100);

    controls = new QFormLayout;
    controls->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint); // a number is short
    controls->addRow(u"β транзисторов от введённого минимума:"_qs, beta);
    controls->addRow(u"Запускающий импульс, амплитуда:"_qs, triggerAmplitude);
    controls->addRow(u"Запускающий импульс, длительность:"_qs, triggerWidth);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(rerun);
    buttons->addWidget(stop);
    buttons->addWidget(bar, 1);
    buttons->addWidget(save);

    plot = new ResultPlot;
    plot->setMinimumSize(640, 240);
    // Until a design says it is a monostable, there is no trigger to set.
    showTriggerControls(false);

    auto* single = new QWidget;
    auto* layout = new QVBoxLayout(single);
    layout->addWidget(verdict);
    layout->addWidget(figures);
    layout->addLayout(controls);
    layout->addLayout(buttons);
    layout->addWidget(plot, 1);
    layout->addWidget(notes);
    // The second mode: the design's parts, β, supplies and temperature spread.
    spread = new SpreadPanel([this] { return this->designOf(*this->calculator); },
                             [this](const Design& sample) { checkSample(sample); });
    modes = new QTabWidget;
    modes->addTab(single, u"Номинальные значения"_qs);
    modes->addTab(spread, u"Разброс параметров"_qs);
    (new QVBoxLayout(this))->addWidget(modes);

    connect(rerun, &QPushButton::clicked, this, [this] { runReported([this] { start(); }, this); });
    connect(stop, &QPushButton::clicked, this, &SimulationWindow::cancel);
    connect(triggerAmplitude, &QDoubleSpinBox::valueChanged, this, [this] { amplitudeEdited = true; });
    connect(triggerWidth, &QDoubleSpinBox::valueChanged, this, [this] { widthEdited = true; });
    connect(save, &QPushButton::clicked, this, [this] {
        runReported(
            [this] {
                const QString path =
                    askForFile(this, {true, u"Сохранить список соединений"_qs, u"SPICE (*.cir)"_qs, u"cir"_qs,
                                      this->calculator->objectName() + u".cir"_qs});
                if (!path.isEmpty())
                    saveNetlist(path);
            },
            this);
    });
    stop->setEnabled(false);
    save->setEnabled(false);
    resize(900, 760);
}

SimulationWindow::~SimulationWindow()
{
    run.reset(); // its worker is killed
}

double SimulationWindow::betaScale() const
{
    return beta->value();
}

void SimulationWindow::start()
{
    if (running())
        return;
    Design next = designOf(*calculator); // a field that is not a number stops here
    followTrigger(next);
    startChecking(std::move(next));
}

void SimulationWindow::checkSample(const Design& sample)
{
    if (running())
        throw Exception(u"Идёт моделирование: дождитесь его конца или нажмите «Отмена»"_qs);
    beta->setValue(1);
    modes->setCurrentIndex(0);
    startChecking(sample);
}

void SimulationWindow::startChecking(Design next)
{
    showTriggerControls(next.circuit.trigger.has_value());
    // Nothing of an earlier run stays beside this one, whatever becomes of it.
    current = std::move(next);
    result = {};
    shownNetlist.clear();
    run.reset();
    clearResult();
    verdict->setText(u"Моделирование не запущено"_qs);
    save->setEnabled(false);
    bar->setValue(0);
    run = std::make_unique<CheckRun>(current, betaScale()); // a value it cannot take stops here
    shownNetlist = run->netlistText();
    busy = true;
    connect(run.get(), &CheckRun::progressed, bar, &QProgressBar::setValue);
    // Queued: the result and any error box come after the run has finished reading its
    // worker.
    connect(run.get(), &CheckRun::ended, this, &SimulationWindow::finish, Qt::QueuedConnection);
    verdict->setText(u"Моделирование…"_qs);
    rerun->setEnabled(false);
    stop->setEnabled(true);
    save->setEnabled(true);
}

// The trigger pulse follows the design: the boxes show the default of each new design
// (a monostable's fields changed since the last run), and the user's values are taken
// only while the design stays the same.
void SimulationWindow::followTrigger(Design& next)
{
    const bool monostable = next.circuit.trigger.has_value();
    triggerAmplitude->setEnabled(monostable);
    triggerWidth->setEnabled(monostable);
    if (!monostable)
        return;
    Trigger& trigger = *next.circuit.trigger;
    const QString design = netlist(next.circuit, 1);
    if (design != triggeredDesign) {
        triggeredDesign = design;
        amplitudeEdited = widthEdited = false;
        showUnclamped(triggerAmplitude, trigger.amplitude);
        showUnclamped(triggerWidth, trigger.width * 1e6);
        return;
    }
    // The user's amplitude is applied as it is; otherwise the check looks for the least
    // that fires the circuit.
    if (amplitudeEdited) {
        trigger.amplitude = triggerAmplitude->value();
        trigger.amplitudeChosen = true;
    }
    if (widthEdited)
        trigger.width = 1e-6 * triggerWidth->value();
}

// An astable has no trigger: its boxes would only show meaningless values.
void SimulationWindow::showTriggerControls(bool shown)
{
    controls->setRowVisible(triggerAmplitude, shown);
    controls->setRowVisible(triggerWidth, shown);
}

void SimulationWindow::cancel()
{
    if (run)
        run->cancel();
}

void SimulationWindow::closeEvent(QCloseEvent* event)
{
    cancel(); // a run nobody looks at ends with its window
    spread->cancel();
    QWidget::closeEvent(event);
}

// A run ended: its figures, or its failure in the verdict and the error box; a cancel
// is said in the verdict only.
void SimulationWindow::finish()
{
    if (!busy || !run || !run->isOver())
        return;
    busy = false;
    rerun->setEnabled(true);
    stop->setEnabled(false);
    if (run->wasCancelled()) {
        verdict->setText(run->failure());
        return;
    }
    bar->setValue(100);
    verdict->setText(run->failure());
    runReported(
        [this] {
            result = run->result(); // a failure goes to the error box
            // The design as run: the trigger amplitude the check applied, shown in its box.
            current = result.design;
            shownNetlist = run->netlistText();
            if (const auto& trigger = current.circuit.trigger)
                showUnclamped(triggerAmplitude, trigger->amplitude);
            showResult();
        },
        this);
}

void SimulationWindow::clearResult()
{
    verdict->setStyleSheet({});
    figures->clear();
    notes->clear();
    plot->clear();
}

void SimulationWindow::showResult()
{
    const Measurement& m = result.measurement;
    const std::vector<Figure> rows = figuresOf(current, m);
    const QStringList missed = missedTargets(rows);
    QString text = verdictText(m.verdict);
    if (!missed.isEmpty())
        text += QStringLiteral("\nРасчётные значения не выдержаны (более чем на %1 %): ")
                    .arg(qRound(targetTolerance * 100))
                + missed.join(u", "_qs);
    text += u'\n' + convergenceText(result.convergence);
    if (!m.ratingBreaches.isEmpty())
        text += u"\nТранзистор выходит за допустимые режимы:\n"_qs + m.ratingBreaches.join(u'\n');
    if (!m.triggerBreaches.isEmpty())
        text += u"\n"_qs + triggerBreachesHeading.toString() + u"\n"_qs + m.triggerBreaches.join(u'\n');
    verdict->setText(text);
    // A design that does not work as intended or misses its targets, or a result that
    // did not converge, is not shown in the colour of a plain answer.
    const bool trusted = worksAsIntended(m.verdict) && missed.isEmpty() && result.convergence.converged;
    verdict->setStyleSheet(trusted ? QString() : u"color: #b03000"_qs);

    QString table = u"<table cellspacing=6><tr><th></th><th>моделирование</th><th>расчёт</th><th>отклонение</th></tr>"_qs;
    for (const Figure& f : rows)
        table += row(f);
    figures->setText(table + u"</table>"_qs);
    notes->setText(current.notes.join(u'\n'));

    plot->showRun(current, result);
    resize(width(), std::max(height(), sizeHint().height()));
}

void SimulationWindow::saveNetlist(const QString& path) const
{
    saveWholeFile(path, netlistText().toUtf8());
}

void addSimulationCheck(TableWindow* calculator, DesignOf designOf)
{
    calculator->addAction(u"ButtonSimulate"_qs, u"Проверить моделированием"_qs, QKeySequence(u"Ctrl+M"_qs),
                          [calculator, designOf] {
                              SimulationWindow* window = simulationWindowOf(calculator);
                              if (!window)
                                  window = new SimulationWindow(calculator, designOf);
                              window->start();
                              window->show();
                              window->raise();
                          });
}

SimulationWindow* simulationWindowOf(const TableWindow* calculator)
{
    return calculator->findChild<SimulationWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace takton::simulation
