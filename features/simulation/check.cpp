#include "check.h"

#include "decimal_separator.h"
#include "errors.h"

#include <cmath>

namespace takton::simulation {

QString schematicName(const QString& designator)
{
    if (designator.startsWith(u"EK"))
        return u"Ек"_qs + designator.mid(2);
    if (designator == u"EE")
        return u"Еэ"_qs;
    static const std::pair<char16_t, char16_t> subscripts[] = {{u'k', u'к'}, {u'b', u'б'}, {u'e', u'э'}};
    if (designator.size() >= 2 && (designator[0] == u'R' || designator[0] == u'C')
        && (designator.size() == 2 || designator[2].isDigit()))
        for (const auto& [latin, cyrillic] : subscripts)
            if (designator[1] == latin)
                return designator[0] + QString(QChar(cyrillic)) + designator.mid(2);
    return designator;
}

namespace {

QString shown(double value)
{
    return QString::number(value + 0.0, 'g', 6).replace(u'.', decimalSeparator()); // no "-0"
}

bool finitePositive(double value)
{
    return std::isfinite(value) && value > 0;
}

[[noreturn]] void refuse(const QString& value, const QString& source, const QString& requirement)
{
    throw Exception(QStringLiteral("Моделирование не запущено: %1 (%2): %3").arg(value, source, requirement));
}

void checkSupply(const Supply& s)
{
    if (!std::isfinite(s.volts) || s.volts == 0)
        refuse(schematicName(s.designator) + u" = "_qs + shown(s.volts) + u" В"_qs, s.source,
               u"напряжение источника должно быть конечным и не равным нулю"_qs);
}

void checkPart(const Component& c)
{
    if (c.part == Part::Resistor && !finitePositive(c.value))
        refuse(schematicName(c.designator) + u" = "_qs + shown(c.value) + u" Ом"_qs, c.source,
               u"сопротивление должно быть конечным и больше нуля"_qs);
    if (c.part == Part::Capacitor && !finitePositive(c.value))
        refuse(schematicName(c.designator) + u" = "_qs + shown(c.value * 1e9) + u" нФ"_qs, c.source,
               u"ёмкость должна быть конечной и больше нуля"_qs);
}

void checkBeta(const Transistor& t, const QString& name)
{
    if (!finitePositive(t.betaMin))
        refuse(u"β "_qs + name + u" = "_qs + shown(t.betaMin), t.betaSource,
               u"коэффициент передачи тока должен быть конечным и больше нуля"_qs);
}

} // namespace

QString checkedNetlist(const Design& design, double betaScale)
{
    const Circuit& c = design.circuit;
    const double tau = design.kind == Kind::Astable ? design.targets.period : design.targets.pulseLength;
    if (!finitePositive(tau))
        throw Exception(u"Моделирование не запущено: длительность (tau) должна быть больше нуля"_qs);
    // What was typed first, and resistors before the capacitors computed from them: a
    // value computed from a wrong one is refused for the wrong one.
    for (const bool typed : {true, false}) {
        for (const Supply& s : c.supplies)
            if (s.source.startsWith(typedSource) == typed)
                checkSupply(s);
        for (const Part kind : {Part::Resistor, Part::Capacitor})
            for (const Component& part : c.components)
                if (part.part == kind && part.source.startsWith(typedSource) == typed)
                    checkPart(part);
    }
    for (const Component& q : c.components)
        if (q.part == Part::Pnp || q.part == Part::Npn)
            checkBeta(q.designator == u"Q1" ? c.t1 : c.t2, q.designator == u"Q1" ? u"Т1"_qs : u"Т2"_qs);
    if (const auto& t = c.trigger) {
        if (!finitePositive(t->amplitude))
            refuse(u"запускающий импульс, амплитуда "_qs + shown(t->amplitude) + u" В"_qs, u"окно проверки"_qs,
                   u"должна быть конечной и больше нуля"_qs);
        if (!finitePositive(t->width))
            refuse(u"запускающий импульс, длительность "_qs + shown(t->width * 1e6) + u" мкс"_qs,
                   u"окно проверки"_qs, u"должна быть конечной и больше нуля"_qs);
    }
    const bool triggerTimed = !c.trigger || (finitePositive(c.trigger->delay) && finitePositive(c.trigger->period));
    if (!finitePositive(c.stopTime) || !finitePositive(c.maxStep) || !triggerTimed)
        throw Exception(QStringLiteral("Моделирование не запущено: время моделирования %1 мкс не конечное "
                                       "положительное число")
                            .arg(shown(c.stopTime * 1e6)));
    return netlist(c, betaScale);
}

Emitters emittersOf(const Circuit& circuit)
{
    return {.t1 = emitterOf(circuit, u"Q1"_qs), .t2 = emitterOf(circuit, u"Q2"_qs)};
}

Measurement measure(const Design& design, const Waveforms& waveforms)
{
    return design.kind == Kind::Astable ? measureAstable(waveforms, design.circuit)
                                        : measureMonostable(waveforms, design.circuit);
}

namespace {

bool close(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::abs(a - b) <= convergenceTolerance * std::max(std::abs(a), std::abs(b));
}

QString microseconds(double seconds)
{
    return shown(seconds * 1e6) + u" мкс"_qs;
}

// A refining run shorter than this is not worth starting.
constexpr std::chrono::milliseconds leastRun{500};

} // namespace

std::vector<Figure> figuresOf(const Design& design, const Measurement& m)
{
    const Targets& t = design.targets;
    std::vector<Figure> rows;
    if (design.kind == Kind::Astable) {
        rows.push_back({u"Период tau"_qs, m.period * 1e6, t.period * 1e6, u"мкс"_qs});
    } else {
        rows.push_back({u"Длительность импульса"_qs, m.pulseLength * 1e6, t.pulseLength * 1e6, u"мкс"_qs});
        rows.push_back({u"Время восстановления"_qs, m.recovery * 1e6, t.recovery * 1e6, u"мкс"_qs});
        rows.push_back({.name = u"Импульсов на запуски"_qs,
                        .text = QString::number(m.pulses) + u" на "_qs + QString::number(m.triggers)});
    }
    rows.push_back({u"Um1"_qs, m.amplitude1, t.amplitude1, u"В"_qs});
    rows.push_back({u"Um2"_qs, m.amplitude2, t.amplitude2, u"В"_qs});
    return rows;
}

QString deviationText(const Figure& f)
{
    if (!std::isfinite(f.measured) || !(f.target > 0))
        return u"—"_qs;
    const double percent = (f.measured - f.target) / f.target * 100;
    // A no-break space: a wrapped verdict never leaves the "%" alone on a line.
    return (percent > 0 ? u"+"_qs : QString()) + fixedReading(percent, 1)
           + u"\u00a0%"_qs;
}

QStringList missedTargets(const std::vector<Figure>& figures)
{
    QStringList missed;
    for (const Figure& f : figures)
        if (f.target > 0 && std::isfinite(f.measured) && std::abs(f.measured - f.target) > targetTolerance * f.target)
            missed << f.name + u' ' + deviationText(f);
    return missed;
}

bool sameResult(const Measurement& coarser, const Measurement& finer)
{
    return coarser.verdict == finer.verdict && coarser.pulses == finer.pulses && coarser.triggers == finer.triggers
           && close(coarser.period, finer.period) && close(coarser.pulseLength, finer.pulseLength)
           && close(coarser.amplitude1, finer.amplitude1) && close(coarser.amplitude2, finer.amplitude2);
}

QString convergenceText(const Convergence& c)
{
    if (c.converged)
        return QStringLiteral("Результат сошёлся: при шаге %1 и вдвое меньшем вывод тот же, величины "
                              "расходятся не более чем на %2 %")
            .arg(microseconds(c.step), shown(convergenceTolerance * 100));
    return QStringLiteral("Результат не сошёлся: %1; показан расчёт с шагом %2, доверять ему нельзя")
        .arg(c.reason, microseconds(c.finest));
}

CheckRun::CheckRun(const Design& design, double betaScale, std::chrono::milliseconds timeLimit)
    : design(design), betaScale(betaScale), timeLimit(timeLimit),
      deadline(std::chrono::steady_clock::now() + timeLimit), firstNetlist(checkedNetlist(design, betaScale)),
      step(design.circuit.maxStep)
{
    const auto& trigger = this->design.circuit.trigger;
    if (trigger && trigger->amplitudeChosen)
        this->design.notes << chosenAmplitudeNote(trigger->amplitude);
    if (design.kind == Kind::Monostable && trigger && !trigger->amplitudeChosen) {
        search.emplace(design.circuit);
        startProbe();
        return;
    }
    startRun();
}

void CheckRun::startProbe()
{
    const Circuit probe = search->probe();
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    run = std::make_unique<SimulatorRun>(netlist(probe, betaScale), probe.stopTime, emittersOf(probe),
                                         std::max(left, leastRun));
    connect(run.get(), &SimulatorRun::progressed, this, &CheckRun::progressed);
    connect(run.get(), &SimulatorRun::ended, this, &CheckRun::runEnded, Qt::QueuedConnection);
}

// A probe of the amplitude search ended: the next one, or the amplitude found applied
// and the check's own runs started.
void CheckRun::probeEnded()
{
    if (!run->failure().isEmpty()) { // the design's own step fails: so would the check
        finish(run->failure());
        return;
    }
    search->record(run->waveforms());
    if (!search->done() && deadline - std::chrono::steady_clock::now() < timeLimit / 2)
        search->stop();
    if (!search->done()) {
        startProbe();
        return;
    }
    design.circuit.trigger->amplitude = search->applied();
    design.notes << search->note();
    search.reset();
    firstNetlist = netlist(design.circuit, betaScale);
    startRun();
}

CheckRun::~CheckRun() = default;

void CheckRun::startRun()
{
    Design at = design;
    at.circuit.maxStep = step;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    run = std::make_unique<SimulatorRun>(last ? netlist(at.circuit, betaScale) : firstNetlist, at.circuit.stopTime,
                                         emittersOf(at.circuit), std::max(left, leastRun));
    connect(run.get(), &SimulatorRun::progressed, this, &CheckRun::progressed);
    connect(run.get(), &SimulatorRun::ended, this, &CheckRun::runEnded, Qt::QueuedConnection);
}

void CheckRun::runEnded()
{
    if (over || !run || !run->isOver())
        return;
    if (run->wasCancelled()) {
        cancelled = true;
        finish(run->failure());
        return;
    }
    if (search) {
        // A worker that cannot start for the next run fails the check: nothing was run yet.
        try {
            probeEnded();
        } catch (const Exception& e) {
            finish(e.message());
        }
        return;
    }
    if (!last) { // the design's own step: its failure is the check's
        if (!run->failure().isEmpty()) {
            finish(run->failure());
            return;
        }
        const Waveforms w = run->waveforms();
        last = CheckResult{
            .waveforms = w, .measurement = measure(design, w), .convergence = {.finest = step}, .design = design};
    } else if (!run->failure().isEmpty()) {
        last->convergence.reason = QStringLiteral("расчёт с шагом %1 не завершился (%2)")
                                       .arg(microseconds(step), run->failure().section(u'\n', 0, 0));
        finish();
        return;
    } else {
        const Waveforms w = run->waveforms();
        CheckResult finer{
            .waveforms = w, .measurement = measure(design, w), .convergence = {.finest = step}, .design = design};
        const bool agree = sameResult(last->measurement, finer.measurement);
        finer.convergence.converged = agree;
        finer.convergence.step = 2 * step;
        last = std::move(finer);
        if (agree) {
            finish();
            return;
        }
    }
    if (deadline - std::chrono::steady_clock::now() < leastRun) {
        last->convergence.reason = QStringLiteral("при шаге %1 вывод или величины ещё меняются, а время "
                                                  "моделирования вышло")
                                       .arg(microseconds(step));
        finish();
        return;
    }
    step /= 2;
    // A worker that cannot start now, when it started for the first run, leaves the
    // result standing as not converged, with the reason: the check's event-driven path
    // has no caller to throw to.
    try {
        startRun();
    } catch (const Exception& e) {
        last->convergence.reason = e.message();
        finish();
    }
}

void CheckRun::finish(const QString& failure)
{
    over = true;
    failureText = failure;
    emit ended();
}

void CheckRun::cancel()
{
    if (!over && run)
        run->cancel();
}

void CheckRun::wait(const std::atomic<bool>* cancelFlag, std::atomic<int>* progress)
{
    while (!over) {
        if (run && !run->isOver())
            run->wait(cancelFlag, progress);
        runEnded(); // the queued call comes too, and finds the run handled
    }
}

CheckResult CheckRun::result() const
{
    if (!over)
        throw Exception(u"Моделирование ещё идёт"_qs);
    if (!failureText.isEmpty() || !last)
        throw Exception(failureText);
    return *last;
}

CheckResult check(const Design& design, double betaScale, const RunControl& control)
{
    CheckRun run(design, betaScale, control.timeLimit);
    run.wait(control.cancel, control.progress);
    return run.result();
}

} // namespace takton::simulation
