#include "check.h"

#include "decimal_separator.h"
#include "errors.h"

#include <cmath>

namespace takton::simulation {
namespace {

// The schematic's name of a netlist designator: Rk1 is Rк1, Rb2 Rб2, Re Rэ, EK1 Ек1, EE Еэ.
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

CheckResult check(const Design& design, double betaScale, const RunControl& control)
{
    CheckResult result;
    result.waveforms = simulate(checkedNetlist(design, betaScale), design.circuit.stopTime, control,
                                emittersOf(design.circuit));
    result.measurement = measure(design, result.waveforms);
    return result;
}

} // namespace takton::simulation
